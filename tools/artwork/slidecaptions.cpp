#include "slidecaptions.h"

namespace SlideCaptions {

namespace {

struct Words
{
    const char* title;
    const char* text;
};

// The buttons are named as the program labels them; it shows its own texts in
// English whatever the language of the slides.
const Words kEnglish[] = {
    { "Open a picture", "Drop a 1024 × 1024 image onto the window, or press “Click to open the image”." },
    { "Choose the effects",
      "Press “Options>>” and switch the effects on or off. The preview shows the result at once." },
    { "Pick the platforms",
      "The gear button opens the settings: the platforms to make icons for, and lossy compression for "
      "smaller files." },
    { "Save the icons", "Press “Save...” and choose a folder. Every icon set is written in one go." },
    { "All done!", "Your icons wait in the folder “Icons”: one set per platform, ready for your project." },
};

const Words kGerman[] = {
    { "Bild öffnen",
      "Ziehen Sie ein Bild mit 1024 × 1024 Pixeln ins Fenster oder klicken Sie auf "
      "„Click to open the image“." },
    { "Effekte wählen",
      "Klicken Sie auf „Options>>“ und schalten Sie die Effekte ein oder aus. Die Vorschau zeigt "
      "das Ergebnis sofort." },
    { "Plattformen wählen",
      "Das Zahnrad öffnet die Einstellungen: Zielplattformen und verlustbehaftete Kompression für "
      "kleinere Dateien." },
    { "Icons speichern",
      "Klicken Sie auf „Save...“ und wählen Sie einen Ordner. Alle Icon-Sätze entstehen "
      "in einem Durchgang." },
    { "Fertig!", "Ihre Icons liegen im Ordner „Icons“: ein Satz pro Plattform, bereit für Ihr Projekt." },
};

const Words kRussian[] = {
    { "Откройте изображение",
      "Перетащите в окно изображение размером 1024 × 1024 или нажмите «Click to open the "
      "image»." },
    { "Выберите эффекты",
      "Нажмите «Options>>» и включайте или выключайте эффекты. Предпросмотр сразу покажет "
      "результат." },
    { "Выберите платформы",
      "Кнопка-шестерёнка открывает настройки: платформы и сжатие с потерями для файлов "
      "меньшего размера." },
    { "Сохраните значки",
      "Нажмите «Save...» и выберите папку. Все наборы значков будут созданы за один проход." },
    { "Готово!",
      "Значки лежат в папке «Icons»: отдельный набор для каждой платформы, всё готово для вашего "
      "проекта." },
};

constexpr int kSlideCount = int(sizeof(kEnglish) / sizeof(kEnglish[0]));

} // namespace

QStringList languages()
{
    return { QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("ru") };
}

Caption caption(int number, const QString& language)
{
    if (number < 1 || number > kSlideCount)
        return Caption();
    const Words* table = kEnglish;
    if (language == QLatin1String("de"))
        table = kGerman;
    else if (language == QLatin1String("ru"))
        table = kRussian;
    const Words& words = table[number - 1];
    return Caption { QString::fromUtf8(words.title), QString::fromUtf8(words.text) };
}

} // namespace SlideCaptions
