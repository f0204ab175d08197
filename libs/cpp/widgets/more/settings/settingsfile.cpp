#include "settingsfile.h"

#include "settingswidget.h"
#include "wholefile.h"

#include <QTextCodec>

namespace QMWidgets {
namespace SettingsFile {

const char Suffix[] = ".tssettings";

QString targetPath(const QString& chosenName)
{
    const QString suffix = QLatin1String(Suffix);
    return chosenName.endsWith(suffix) ? chosenName : chosenName + suffix;
}

QByteArray write(const QList<SettingsWidget*>& pages)
{
    QDomDocument document { QString() };
    document.appendChild(document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    QDomElement root = document.createElement(QStringLiteral("Settings"));
    document.appendChild(root);
    for (SettingsWidget* page : pages)
        root.appendChild(page->saveSettings(document));
    // With the declaration above, the text comes out in UTF-8.
    return document.toByteArray(1);
}

bool read(const QByteArray& text, QDomDocument* document)
{
    // A declared document (or one with a byte-order mark), or one without
    // declaration that is valid UTF-8, is read by the XML rules.
    if (text.trimmed().startsWith("<?xml") || text.startsWith("\xEF\xBB\xBF"))
        return document->setContent(text);
    QTextCodec::ConverterState state;
    const QString asUtf8 = QTextCodec::codecForMib(106)->toUnicode(text.constData(), text.size(), &state);
    if (state.invalidChars == 0)
        return document->setContent(asUtf8);
    // Earlier versions wrote the system's encoding without saying so.
    return document->setContent(QTextCodec::codecForLocale()->toUnicode(text));
}

void loadPages(const QDomElement& root, const QList<SettingsWidget*>& pages)
{
    for (QDomNode node = root.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        if (element.isNull())
            continue;
        for (SettingsWidget* page : pages) {
            if (page->settingsName() == element.tagName())
                page->loadSettings(element);
        }
    }
}

bool save(const QString& path, const QByteArray& text, QString* error)
{
    return MTools::WholeFile::write(path, text, error);
}

} // namespace SettingsFile
} // namespace QMWidgets
