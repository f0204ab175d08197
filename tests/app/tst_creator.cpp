// The creator on the main page, styled as the program shows it: what a drop
// or the open button takes, the effects panel and the preview, and what an
// export adds to the engine's run: the questions, the progress dialog, the
// messages, the remembered folder and the review request.

#include "aboutdialog.h"
#include "app.h"
#include "appsettingsdialog.h"
#include "comboslider.h"
#include "creator.h"
#include "creatordroparea.h"
#include "creatoreffects.h"
#include "desktoprecorder.h"
#include "dialogrunner.h"
#include "helpdialog.h"
#include "mainpage.h"
#include "masterpicture.h"
#include "messagebox.h"
#include "os.h"
#include "promomenubar.h"
#include "stylesheet.h"
#include "testapp.h"
#include "testpictures.h"
#include "tooling.h"

#include <QtTest>
#include <QtWidgets>

#include <cstring>
#include <sys/stat.h>

using QMWidgets::MessageBox;
using namespace TestSupport;
using G = GeneratorSettings;
Q_DECLARE_METATYPE(GeneratorSettings::Option)

namespace {
// Clicks the button whose caption's first line is text, on a check box's indicator.
void clickButton(QWidget& dialog, const QString& text)
{
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->text().section('\n', 0, 0) == text)
            return QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    QFAIL(qPrintable(text));
}

void typeQuality(QDialog& dialog, const QString& text)
{
    QSpinBox* spinBox = dialog.findChild<QMWidgets::ComboSlider*>()->spinBox();
    spinBox->selectAll();
    QTest::keyClicks(spinBox, text);
}
} // namespace

class TestCreator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qApp->setStyleSheet(applicationStyleSheet()); }
    void init();
    void cleanup() { m_page.reset(); }
    void offeredFile_data();
    void offeredFile();
    void panelOpensBelowAndThePreviewFollows();
    void styledTextStaysReadable();
    void settingsBoxStoresItsOption_data();
    void settingsBoxStoresItsOption();
    void settingsCancelWritesNothing();
    void runsThatStopOrFail_data();
    void runsThatStopOrFail();
    // Last: the only run that asks for a review, which happens once a program run.
    void progressAndTheNextChooser();

private:
    CreatorDropArea* area() const { return m_creator->dropArea(); }
    QRgb previewPixel(int x, int y) const { return area()->pixmap().toImage().pixel(x, y); }
    void exportOnly(const char* platform);
    // Opens the settings from the page's button; handler drives the dialog.
    void inSettings(std::function<void(QDialog&)> handler);
    QList<int> convert(const QString& folder, std::function<void(int, QProgressDialog*)> onProgress = {});

    DesktopRecorder m_desktop; // records the folder shown after a run
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MainPage> m_page;
    Creator* m_creator = nullptr;
    QString m_master; // 1024 x 1024, blue
};

void TestCreator::init()
{
    m_dir.reset(new QTemporaryDir);
    m_master = writePicture(*m_dir, "My App.icon.png", { 1024, 1024 }, QColor(20, 40, 200));
    clearDialogSeams();
    MasterPicture::setScaler({});
    QMWidgets::app()->settings()->clear();
    // No rate dialog in these runs: the review request itself is the shell's to test.
    QMWidgets::app()->setValue(QStringLiteral("AutoReminder"), false);
    m_desktop.shownItems.clear();
    m_page.reset(new MainPage);
    m_creator = m_page->creator();
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.data()));
}

void TestCreator::exportOnly(const char* platform)
{
    for (const char* key : { "KeyIcns", "KeyIOS", "KeyAndroid", "KeyIco", "KeyWebFavicons", "KeyWindowsPhone",
                             "KeyWindowsStore", "KeyBlackBerry" })
        QMWidgets::app()->setValue(key, qstrcmp(key, platform) == 0);
}

void TestCreator::inSettings(std::function<void(QDialog&)> handler)
{
    QWidget* parent = nullptr;
    QMWidgets::DialogRunner::setNextHandler([&](QDialog& dialog) {
        parent = qobject_cast<AppSettingsDialog*>(&dialog) ? dialog.parentWidget() : nullptr;
        handler(dialog);
        return dialog.result();
    });
    QTest::mouseClick(m_page->settingsButton(), Qt::LeftButton);
    // Modal to the page, from its settings button, leaving the page as it is.
    QCOMPARE(parent, m_page->settingsButton());
    QCOMPARE(m_page->size(), QSize(290, 390));
}

QList<int> TestCreator::convert(const QString& folder, std::function<void(int, QProgressDialog*)> onProgress)
{
    QList<int> values;
    const auto connection = connect(m_creator, &Creator::exportProgress, this, [&](int value) {
        values.append(value);
        if (onProgress)
            onProgress(value, m_creator->findChild<QProgressDialog*>());
    });
    Os::setNextFileDialogAnswer({ folder });
    QTest::mouseClick(m_creator->saveButton(), Qt::LeftButton);
    disconnect(connection);
    return values;
}

void TestCreator::offeredFile_data()
{
    // What is offered: "master" (1024 x 1024, first of the files), "WxH" a
    // picture of another size, or a file that is no picture; "none" nothing.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("files"); // how many are offered; the others would ask or show another colour
    QTest::addColumn<bool>("viaDialog"); // through the open button, else by a drop
    QTest::addColumn<bool>("afterPicture"); // the master was taken before
    QTest::addColumn<bool>("yes"); // the answer to a question

    const auto row = [](const char* kind, int files, bool viaDialog, bool after, bool yes) {
        QTest::addRow("%s, %d %s%s%s", kind, files, viaDialog ? "opened" : "dropped",
                      after ? ", after a picture" : "", yes ? ", yes" : "")
            << kind << files << viaDialog << after << yes;
    };
    row("master", 1, false, false, false);
    row("master", 3, false, false, false);
    row("master", 3, true, false, false);
    row("512x256", 1, false, true, true);
    row("1024x1023", 1, false, true, false);
    row("512x256", 1, true, false, true);
    // Even a Yes must not make an unreadable file the master.
    row("not a picture", 1, false, false, true);
    row("folder", 1, false, false, true);
    row("web", 1, false, true, true);
    row("none", 0, false, false, true); // an empty uri list
    row("none", 0, true, false, true); // the open dialog cancelled
}

void TestCreator::offeredFile()
{
    QFETCH(QString, kind);
    QFETCH(int, files);
    QFETCH(bool, viaDialog);
    QFETCH(bool, afterPicture);
    QFETCH(bool, yes);

    // A refused file must leave an earlier picture, or the empty field, untouched.
    m_creator->effects()->setSaveName("typed");
    if (afterPicture)
        dropFiles(area(), { m_master });
    const auto state = [&] {
        return QStringList { area()->fileName(), area()->text(), m_creator->effects()->saveName() };
    };
    const QStringList before = state();
    const QImage previewBefore = area()->pixmap().toImage();

    const QSize size(kind.section('x', 0, 0).toInt(), kind.section('x', 1).toInt());
    QUrl url = QUrl::fromLocalFile(kind == "master"       ? m_master
                                       : kind == "folder" ? m_dir->path()
                                                          : m_dir->filePath("other.png"));
    if (!size.isEmpty())
        QVERIFY(!writePicture(*m_dir, "other.png", size, QColor(200, 30, 30)).isEmpty());
    if (kind == "not a picture")
        QVERIFY(writeFile(url.toLocalFile(), "this is plain text, not a picture\n"));
    if (kind == "web")
        url = QUrl("https://example.com/pictures/icon.png");
    const QList<QUrl> urls
        = QList<QUrl> { url, QUrl::fromLocalFile(writePicture(*m_dir, "2.png", { 1024, 1024 }, Qt::green)),
                        QUrl::fromLocalFile(writePicture(*m_dir, "3.png", { 16, 16 }, Qt::red)) }
              .mid(0, files);

    QSignalSpy spy(area(), &CreatorDropArea::dropped);
    Qt::DropAction action = Qt::IgnoreAction;
    MessageBox::setNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
    if (viaDialog) {
        QStringList paths;
        for (const QUrl& offered : urls)
            paths << offered.toLocalFile();
        Os::setNextFileDialogAnswer(paths);
        QTest::mouseClick(area()->findChild<QPushButton*>(), Qt::LeftButton);
    } else {
        action = dropUrls(area(), urls);
    }

    // A picture of another size is taken only after a Yes; what is no picture is refused with a warning.
    const bool unreadable = size.isEmpty() && kind != "master" && kind != "none";
    QCOMPARE(MessageBox::shown().size(), int(!size.isEmpty() || unreadable));
    if (!MessageBox::shown().isEmpty()) {
        const MessageBox::Shown shown = MessageBox::shown().first();
        const QString question
            = QString("The resolution of the %1image is %2x%3, it does not match 1024x1024.\n\n"
                      "Continue anyway?")
                  .arg(viaDialog ? "" : "dropped ")
                  .arg(size.width())
                  .arg(size.height());
        QVERIFY2(unreadable
                     ? shown.text.contains('"' + (url.isLocalFile() ? url.fileName() : url.toString()) + '"')
                     : shown.text == question,
                 qPrintable(shown.text));
        QCOMPARE(shown.buttons, unreadable ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No);
    }

    const bool taken = kind == "master" || (!size.isEmpty() && yes);
    QCOMPARE(spy.count(), int(taken));
    // The source is told of a copy, whatever it proposed, and of nothing when refused.
    QCOMPARE(action, taken && !viaDialog ? Qt::CopyAction : Qt::IgnoreAction);
    QCOMPARE(area()->findChild<QPushButton*>()->isHidden(), taken || afterPicture);
    QCOMPARE(m_creator->saveButton()->isEnabled(), taken || afterPicture);
    // The base name drops the folder and everything from the first dot on.
    const QStringList after { url.toLocalFile(), "", kind == "master" ? "My App" : "other" };
    QCOMPARE(state(), taken ? after : before);
    QCOMPARE(area()->pixmap().toImage() == previewBefore, !taken);
    // The preview is the picture at twice the field's size.
    QVERIFY(!taken
            || (area()->pixmap().size() == QSize(560, 560)
                && previewPixel(280, 280) == QImage(url.toLocalFile()).pixel(0, 0)));
}

void TestCreator::panelOpensBelowAndThePreviewFollows()
{
    QPushButton* options = m_creator->optionsButton();
    QTest::mouseClick(options, Qt::LeftButton); // disabled before a picture
    QVERIFY(m_creator->effects()->isHidden());
    dropFiles(area(), { m_master });
    QSignalSpy spy(m_creator->effects(), &CreatorEffects::stateChanged);

    // Open and close twice: the sizes do not drift.
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(options, Qt::LeftButton);
        QCOMPARE(options->text(), QStringLiteral("<<Options"));
        QVERIFY(m_creator->effects()->isVisible());
        // The page grows by the panel and the spacing above it, as the creator does.
        QCOMPARE(m_page->size(), QSize(290, 580));
        QCOMPARE(m_page->menuBar()->height(), 45);
        const QWidget* panel = m_creator->effects();
        QVERIFY(m_page->contentsRect().contains(QRect(panel->mapTo(m_page.data(), QPoint()), panel->size())));

        // Each click gives the whole state, in the panel's order; the preview
        // is rebuilt from the file with it.
        QVERIFY(writePicture(*m_dir, "My App.icon.png", { 1024, 1024 }, round ? Qt::yellow : Qt::blue)
                == m_master);
        for (const char* effect : { "RoundedEdgesItem", "TopGlossyItem" })
            QTest::mouseClick(m_creator->effects()->findChild<QPushButton*>(effect), Qt::LeftButton);
        QCOMPARE(spy.last().first().toString(),
                 round ? QString() : QStringLiteral("TopGlossyItem;RoundedEdgesItem;"));
        QCOMPARE(spy.size(), 2 * round + 2);
        QCOMPARE(qAlpha(previewPixel(0, 0)), round ? 255 : 0);
        QCOMPARE(QColor(previewPixel(280, 280)), QColor(round ? Qt::yellow : Qt::blue));

        QTest::mouseClick(options, Qt::LeftButton);
        QCOMPARE(options->text(), QStringLiteral("Options>>"));
        QVERIFY(m_creator->effects()->isHidden());
        QCOMPARE(m_page->size(), QSize(290, 390));
    }
}

// The style sheet keeps the shell's texts readable: the video caption clears its
// play disc, and the about box's legal text stands well apart from its panel.
void TestCreator::styledTextStaysReadable()
{
    QMWidgets::HelpDialog help({}, "https://video.example");
    QMWidgets::AboutDialog about;
    QPushButton* video = help.videoButton();
    QLabel* legal = about.findChild<QFrame*>("AboutLegalInfo")->findChild<QLabel*>();
    QWidget* panel = legal->parentWidget();
    help.show();
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help) && QTest::qWaitForWindowExposed(&about));
    video->setFixedSize(video->size()); // so that the bare widgets keep their size
    panel->setFixedSize(panel->size());
    const QImage with[2] = { video->grab().toImage(), panel->grab().toImage() };
    video->setText(QString());
    legal->setText(QString());
    const QImage without[2] = { video->grab().toImage(), panel->grab().toImage() };
    // The disc is the white of the middle rows of the bare button's left half.
    const int w = with[0].width(), h = with[0].height();
    int discRight = -1, textLeft = w;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (x < w / 2 && y > h / 4 && y < h * 3 / 4 && qRed(without[0].pixel(x, y)) > 200)
                discRight = qMax(discRight, x);
            if (with[0].pixel(x, y) != without[0].pixel(x, y))
                textLeft = qMin(textLeft, x);
        }
    QVERIFY2(discRight > 0 && textLeft < w && textLeft > discRight, qPrintable(QString::number(textLeft)));
    // Every 24 x 16 patch that holds legal text has a pixel well apart from what lies behind it.
    const QRect text(legal->mapTo(panel, QPoint()), legal->size());
    for (int top = text.top(); top < text.bottom(); top += 16)
        for (int left = text.left(); left < text.right(); left += 24) {
            int pixels = 0, contrast = 0;
            for (int y = top; y < qMin(top + 16, text.bottom()); ++y)
                for (int x = left; x < qMin(left + 24, text.right()); ++x) {
                    const int difference = qAbs(qGray(with[1].pixel(x, y)) - qGray(without[1].pixel(x, y)));
                    pixels += difference > 0;
                    contrast = qMax(contrast, difference);
                }
            QVERIFY2(pixels < 12 || contrast >= 128, qPrintable(QString("%1, %2").arg(left).arg(top)));
        }
}

void TestCreator::settingsBoxStoresItsOption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<G::Option>("option");
    for (const auto& [caption, option] : std::initializer_list<std::pair<const char*, G::Option>> {
             { "Android", G::Android },
             { "iOS", G::IOS },
             { "macOS", G::Icns },
             { "Windows", G::Ico },
             { "Windows Phone", G::WindowsPhone },
             { "Windows Store", G::WindowsStore },
             { "BlackBerry", G::BlackBerry },
             { "App Launch Images", G::LaunchScreens },
             { "Favicon and touch icons for Web", G::WebFavicons },
             { "Not masked icons", G::NotMaskedIconsIOS },
             { "Create xcassetes", G::XCAssetsIOS },
             { "Create \uF8FFWatch Icons", G::AppleWatchIconsIOS },
             { "Apply lossy compression", G::LossyCompression } })
        QTest::newRow(caption) << QString(caption) << option;
}

void TestCreator::settingsBoxStoresItsOption()
{
    QFETCH(QString, caption);
    QFETCH(G::Option, option);
    // Clicked once, the box's option alone is stored against its default
    // (with the lossy mode, the quality typed too); shown again and clicked
    // again, every option is back at its default.
    for (const bool flipped : { true, false }) {
        inSettings([&](QDialog& dialog) {
            // The quality follows the lossy mode shown.
            QCOMPARE(dialog.findChild<QMWidgets::ComboSlider*>()->isEnabled(),
                     option == G::LossyCompression && !flipped);
            clickButton(dialog, caption);
            if (option == G::LossyCompression && flipped)
                typeQuality(dialog, "64");
            clickButton(dialog, "Ok");
        });
        QCOMPARE(QMWidgets::app()->settings()->allKeys().size(), G::OptionCount + 1); // and "AutoReminder"
        const GeneratorSettings stored = AppSettingsDialog::storedSettings();
        for (int o = 0; o < G::OptionCount; ++o) {
            const int fresh = GeneratorSettings().value(G::Option(o));
            const bool quality = o == G::Quality && option == G::LossyCompression;
            QCOMPARE(stored.value(G::Option(o)), quality ? 64 : o == option && flipped ? 1 - fresh : fresh);
        }
    }
}

void TestCreator::settingsCancelWritesNothing()
{
    // A stored quality out of its range, or no number, counts as the nearest in it, or as the default.
    for (const auto& [stored, read] :
         { std::pair<QVariant, int> { 3, 4 }, { 1000, 256 }, { "5", 5 }, { "many", 256 } }) {
        QMWidgets::app()->setValue("KeyQuality", stored);
        QCOMPARE(AppSettingsDialog::storedSettings().value(G::Quality), read);
    }
    QMWidgets::app()->settings()->clear();
    inSettings([&](QDialog& dialog) {
        clickButton(dialog, "Apply lossy compression");
        QVERIFY(dialog.findChild<QMWidgets::ComboSlider*>()->isEnabled()); // at once, by the click
        typeQuality(dialog, "64");
        clickButton(dialog, "iOS");
        clickButton(dialog, "Cancel");
    });
    QVERIFY(QMWidgets::app()->settings()->allKeys().isEmpty());
}

void TestCreator::runsThatStopOrFail_data()
{
    QTest::addColumn<QString>("name"); // the base name typed
    // In "Icons": folders in the place of these files, a file for one ending
    // in "!" ("|" between them); "-": no "Icons", and a chosen folder that may
    // not be written.
    QTest::addColumn<QString>("inTheWay");
    QTest::addColumn<int>("spoil"); // the picture after it was taken: 1 removed, 2 a named pipe, 3 too large
    // The start of the last message, of the folder chosen (%1) and the picture (%2); empty: none.
    QTest::addColumn<QString>("message");

    const auto row
        = [](const char* tag, const char* name, const char* inTheWay, int spoil, const QString& message) {
              QTest::newRow(tag) << name << inTheWay << spoil << message;
          };
    const QString stopped("The export stopped because this folder could not be created:\n%1/Icons");
    const QString unreadable("The picture \"%2\" can no longer be read. Nothing was saved.");
    row("chooser cancelled", "My App", "", 0, "");
    row("overwrite refused", "My App", "", 0, "The directory \"%1/Icons/\" already exists. Overwrite?");
    row("name is a path", "../logo", "", 0, "The name \"../logo\" cannot be used");
    row("name is blank", " ", "", 0, "The name \" \" cannot be used");
    row("name is empty", "", "", 0, "The name \"\" cannot be used");
    row("one file", "My App", "My App.ico", 0,
        "1 file could not be written:\n%1/Icons/My App.ico\n\nReason: ");
    row("two files", "My App", "My App.ico|winappicon.rc", 0,
        "2 files could not be written. The first of them:\n%1/Icons/My App.ico\n\nReason: ");
    // A folder that cannot be made stops the run before any picture is written into it.
    row("block folder", "My App", "My App.windows!", 0, stopped + "/My App.windows\n\nReason: File exists");
    row("read-only folder", "My App", "-", 0, stopped + "\n\nReason: Permission denied");
    row("picture removed", "My App", "", 1, unreadable);
    row("picture is a named pipe", "My App", "", 2, unreadable);
    row("picture too large", "My App", "", 3,
        "The picture \"%2\" is too large to be processed with the memory available. Nothing was saved.");
}

void TestCreator::runsThatStopOrFail()
{
    QFETCH(QString, name);
    QFETCH(QString, inTheWay);
    QFETCH(int, spoil);
    QFETCH(QString, message);
    exportOnly("KeyIco");
    QMWidgets::app()->setValue("KeyBlackBerry", true); // a later block
    dropFiles(area(), { m_master });
    m_creator->effects()->setSaveName(name);
    const QString out = m_dir->filePath("out"), icons = out + "/Icons/";
    QVERIFY(QDir().mkpath(inTheWay == "-" ? out : icons));
    for (const QString& entry : inTheWay.split('|', Qt::SkipEmptyParts))
        QVERIFY(entry == "-"              ? QFile::setPermissions(out, QFile::ReadOwner | QFile::ExeOwner)
                    : entry.endsWith('!') ? writeFile(icons + entry.chopped(1), {})
                                          : QDir().mkpath(icons + entry));
    // Taken while it was fine, exported after it went wrong. A named pipe
    // blocks whoever opens it until a writer comes; scaling that runs out of
    // memory gives a null picture.
    QVERIFY(spoil == 0 || spoil == 3 || QFile::remove(m_master));
    QVERIFY(spoil != 2 || mkfifo(QFile::encodeName(m_master).constData(), 0600) == 0);
    if (spoil == 3)
        MasterPicture::setScaler([](const QPixmap&, const QSize&) { return QPixmap(); });
    QMWidgets::app()->setLastOpenDirectory("/somewhere/else");
    const QStringList before = QDir(icons).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    if (inTheWay != "-")
        MessageBox::setNextAnswer(message.startsWith("The directory") ? QMessageBox::No : QMessageBox::Yes);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    {
        const PermissionsEnforced enforced;
        convert(message.isEmpty() ? QString() : out);
    }

    QCOMPARE(MessageBox::shown().isEmpty(), message.isEmpty());
    if (!message.isEmpty()) {
        const QString text = MessageBox::shown().last().text;
        QVERIFY2(text.startsWith(message.replace("%1", out).replace("%2", m_master))
                     && !text.endsWith("Reason: "),
                 qPrintable(text));
    }
    // Only a run that went through tells of files not written, and shows the
    // folder when there is one to show.
    const bool ran = message.contains("could not");
    QCOMPARE(m_desktop.shownItems, ran && inTheWay != "-" ? QStringList { out + "/Icons" } : QStringList());
    // A folder that could not be made ends the run there.
    QCOMPARE(QDir(icons + "My App.blackberry").exists(), ran && !message.startsWith("The export stopped"));
    if (!ran)
        QCOMPARE(QDir(icons).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QCOMPARE(QMWidgets::app()->lastOpenDirectory(), ran || spoil ? m_dir->path() : "/somewhere");
    QVERIFY(!QMWidgets::app()->reviewRequestedThisRun());
}

void TestCreator::progressAndTheNextChooser()
{
    exportOnly("KeyIOS");
    QMWidgets::app()->setValue("KeyBlackBerry", true); // a later block, skipped after the cancel
    dropFiles(area(), { m_master });
    const QString out = m_dir->filePath("parent/chosen");
    QVERIFY(QDir().mkpath(out));
    bool modal = false;
    // Cancel inside the iOS block: it finishes, the rest is skipped, the values still come.
    const QList<int> values = convert(out, [&](int value, QProgressDialog* dialog) {
        modal = modal
            || (dialog && dialog->isVisible() && dialog->windowModality() == Qt::WindowModal
                && dialog->labelText() == "Please, Wait...");
        if (value == 32 && dialog)
            dialog->cancel();
    });
    QCOMPARE(values, (QList<int> { 20, 2, 30, 32, 36, 38, 39, 40, 60, 70, 80, 90, 100 }));
    QVERIFY(modal);
    QVERIFY(!m_creator->findChild<QProgressDialog*>());
    QVERIFY(QFile::exists(out + "/Icons/My App.iOS/Assets.xcassets/AppIcon.appiconset/Icon-1024x1024.png"));
    QVERIFY(!QDir(out + "/Icons/My App.blackberry").exists());
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(m_desktop.shownItems, QStringList { out + "/Icons" });
    QVERIFY(QMWidgets::app()->reviewRequestedThisRun());

    // The next chooser starts in the parent of the folder chosen now.
    convert(QString());
    QCOMPARE(Os::fileDialogRequests().last().dir, m_dir->filePath("parent"));
}

LUMASTRAND_APP_TEST_MAIN(TestCreator)

#include "tst_creator.moc"
