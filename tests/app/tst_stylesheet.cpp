#include "stylesheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTabBar>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

QStringList g_messages;
QtMessageHandler g_previousHandler = nullptr;

void collectMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    g_messages << message;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

const char* const kItemNames[] = { "TopGlossyItem", "CenterGlossyItem", "VolumeItem",      "FrameItem",
                                   "FreeLabelItem", "LiteLabelItem",    "RoundedEdgesItem" };

// The stem of an effect switch's pictures: "TopGlossyItem" -> "TopGlossy".
QString stemOf(const QString& itemName)
{
    return itemName.left(itemName.size() - 4);
}

// Mean absolute difference of the premultiplied channels, 0 (same) to 255.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage pa = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage pb = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (pa.size() != pb.size())
        return 255.0;
    double sum = 0.0;
    for (int y = 0; y < pa.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(pa.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(pb.constScanLine(y));
        for (int x = 0; x < pa.width(); ++x) {
            sum += std::abs(qRed(la[x]) - qRed(lb[x])) + std::abs(qGreen(la[x]) - qGreen(lb[x]))
                + std::abs(qBlue(la[x]) - qBlue(lb[x])) + std::abs(qAlpha(la[x]) - qAlpha(lb[x]));
        }
    }
    return sum / (4.0 * pa.width() * pa.height());
}

// The brightest pixel (by grey value) inside rect.
QColor brightest(const QImage& image, const QRect& rect)
{
    QColor best(0, 0, 0);
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qGray(c.rgb()) > qGray(best.rgb()))
                best = c;
        }
    return best;
}

// A shown top-level window holding one widget in a layout.
struct Host
{
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();

    explicit Host(QWidget* child)
    {
        auto* layout = new QHBoxLayout(window.get());
        layout->addWidget(child);
        window->move(100, 100);
        window->show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(window.get()); }
};

} // namespace

class TestStyleSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void sheetIsLoadedAndStartsWithTheLegalInfoRule();
    void qtParsesTheWholeSheet();
    void everyPictureTheSheetNamesExists();

    void pictureHasItsSize_data();
    void pictureHasItsSize();
    void overlayShowsItsEffectAndLeavesThePictureVisible_data();
    void overlayShowsItsEffectAndLeavesThePictureVisible();
    void freeAndLiteBandsHaveDifferentColours();
    void maskIsWhiteInsideBlackOutsideWithSoftEdges();

    void effectItemShowsThePictureOfItsState_data();
    void effectItemShowsThePictureOfItsState();
    void disabledPushButtonHasGrayTextOnDarkGradient();
    void settingsButtonIsLimitedTo50x32();
};

void TestStyleSheet::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(collectMessage);
    qApp->setStyleSheet(applicationStyleSheet());
}

void TestStyleSheet::sheetIsLoadedAndStartsWithTheLegalInfoRule()
{
    const QString sheet = applicationStyleSheet();
    QVERIFY(sheet.size() > 1000);
    QVERIFY(sheet.startsWith(QStringLiteral("QFrame#AboutLegalInfo{background: rgb(255,255,255);}")));
    // Read once and kept: a second call hands out the same text.
    QCOMPARE(applicationStyleSheet(), sheet);
    QCOMPARE(qApp->styleSheet(), sheet);
}

void TestStyleSheet::qtParsesTheWholeSheet()
{
    // Qt parses the application sheet when it first polishes a widget; polish
    // one widget of every class and object name the sheet dresses.
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    const QStringList buttonNames = { QStringLiteral("PushButton"),      QStringLiteral("SettingsButton"),
                                      QStringLiteral("AppButton"),       QStringLiteral("VideoButton"),
                                      QStringLiteral("HelpSlideButton"), QStringLiteral("TopGlossyItem") };
    for (const QString& name : buttonNames) {
        auto* button = new QPushButton(name);
        button->setObjectName(name);
        layout->addWidget(button);
    }
    auto* menuButton = new QPushButton(QStringLiteral("menu"));
    menuButton->setMenu(new QMenu(menuButton));
    layout->addWidget(menuButton);
    auto* frame = new QFrame;
    frame->setObjectName(QStringLiteral("MenuBar"));
    layout->addWidget(frame);
    auto* label = new QLabel(QStringLiteral("label"));
    label->setObjectName(QStringLiteral("DropArea"));
    layout->addWidget(label);
    layout->addWidget(new QLineEdit);
    layout->addWidget(new QCheckBox(QStringLiteral("check")));
    layout->addWidget(new QSlider(Qt::Horizontal));
    auto* tabs = new QTabBar;
    tabs->addTab(QStringLiteral("one"));
    tabs->addTab(QStringLiteral("two"));
    layout->addWidget(tabs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    for (const QString& message : qAsConst(g_messages)) {
        QVERIFY2(!message.contains(QLatin1String("stylesheet"), Qt::CaseInsensitive)
                     && !message.contains(QLatin1String("Unknown property"), Qt::CaseInsensitive),
                 qPrintable(message));
    }
    // The sheet took effect: the push button's font comes from it.
    const auto* pushButton = window.findChild<QPushButton*>(QStringLiteral("PushButton"));
    QVERIFY(pushButton);
    QCOMPARE(pushButton->font().pixelSize(), 18);
    QVERIFY(pushButton->font().bold());
}

void TestStyleSheet::everyPictureTheSheetNamesExists()
{
    const QRegularExpression url(QStringLiteral("url\\(\\s*([^)\\s]+)\\s*\\)"));
    QStringList names;
    auto it = url.globalMatch(applicationStyleSheet());
    while (it.hasNext())
        names << it.next().captured(1);
    QVERIFY(names.size() >= 60);
    for (const QString& name : qAsConst(names)) {
        QVERIFY2(name.startsWith(QLatin1String(":/")), qPrintable(name));
        QVERIFY2(!QImage(name).isNull(), qPrintable(name + QLatin1String(" is not in the resources")));
    }
}

void TestStyleSheet::pictureHasItsSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    const QSize overlay(1024, 1024);
    for (const char* name :
         { "glossytop", "glossymiddle", "volume", "frame", "freelabel", "litelabel", "roundrectmask" })
        QTest::newRow(name) << QStringLiteral(":/%1.png").arg(QLatin1String(name)) << overlay;
    QTest::newRow("droparea") << QStringLiteral(":/droparea.png") << QSize(1200, 1078);
    QTest::newRow("openfiles") << QStringLiteral(":/openfiles.png") << QSize(96, 96);
    QTest::newRow("app") << QStringLiteral(":/app.png") << QSize(128, 128);
    QTest::newRow("appicon") << QStringLiteral(":/appicon.png") << QSize(64, 64);

    for (const char* item : kItemNames) {
        const QString stem = stemOf(QLatin1String(item));
        for (const char* suffix : { "", "_hvr", "_chk", "_chk_hvr" }) {
            const QString path = QStringLiteral(":/%1%2.png").arg(stem, QLatin1String(suffix));
            QTest::newRow(qPrintable(path)) << path << QSize(88, 88);
        }
    }

    for (const char* stem :
         { "settings", "AppButton", "MoreAppsButton", "RateButton", "share", "Help", "More", "join" }) {
        for (const char* suffix : { "", "_hover" }) {
            const QString path = QStringLiteral(":/%1%2.png").arg(QLatin1String(stem), QLatin1String(suffix));
            QTest::newRow(qPrintable(path)) << path << QSize(50, 32);
        }
    }
    QTest::newRow("videobutton") << QStringLiteral(":/videobutton.png") << QSize(150, 32);
    QTest::newRow("videobutton_hover") << QStringLiteral(":/videobutton_hover.png") << QSize(150, 32);

    // Pictures whose size is free: they only have to be there (an empty size).
    for (const char* stem :
         { "facebookshare", "twittershare", "vkontakteshare", "linkedinshare", "emailshare", "youtubejoin",
           "facebookjoin", "twitterjoin", "vkontaktejoin", "emailjoin" }) {
        for (const char* suffix : { "", "_hover" }) {
            const QString path = QStringLiteral(":/%1%2.png").arg(QLatin1String(stem), QLatin1String(suffix));
            QTest::newRow(qPrintable(path)) << path << QSize();
        }
    }
    for (const char* name : { "backgroundbar", "arrowleft", "arrowright", "spinbox_button2" })
        QTest::newRow(name) << QStringLiteral(":/%1.png").arg(QLatin1String(name)) << QSize();
}

void TestStyleSheet::pictureHasItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    if (size.isValid())
        QCOMPARE(image.size(), size);
}

void TestStyleSheet::overlayShowsItsEffectAndLeavesThePictureVisible_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QPoint>("drawn");
    QTest::addColumn<QPoint>("clear");

    QTest::newRow("top gloss") << QStringLiteral(":/glossytop.png") << QPoint(512, 60) << QPoint(512, 900);
    QTest::newRow("centre gloss") << QStringLiteral(":/glossymiddle.png") << QPoint(512, 250)
                                  << QPoint(20, 1000);
    QTest::newRow("volume") << QStringLiteral(":/volume.png") << QPoint(512, 1000) << QPoint(0, 0);
    QTest::newRow("frame") << QStringLiteral(":/frame.png") << QPoint(512, 10) << QPoint(512, 512);
    QTest::newRow("free label") << QStringLiteral(":/freelabel.png") << QPoint(997, 295) << QPoint(100, 900);
    QTest::newRow("lite label") << QStringLiteral(":/litelabel.png") << QPoint(997, 295) << QPoint(100, 900);
}

void TestStyleSheet::overlayShowsItsEffectAndLeavesThePictureVisible()
{
    QFETCH(QString, path);
    QFETCH(QPoint, drawn);
    QFETCH(QPoint, clear);
    const QImage overlay = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(overlay.hasAlphaChannel());
    QVERIFY2(qAlpha(overlay.pixel(drawn)) >= 40, "the effect is missing where it belongs");
    QVERIFY2(qAlpha(overlay.pixel(clear)) <= 8, "the overlay covers the picture where it should not");
    // No overlay may hide the middle of the master picture.
    QVERIFY(qAlpha(overlay.pixel(512, 512)) < 160);
}

void TestStyleSheet::freeAndLiteBandsHaveDifferentColours()
{
    // Both bands lie in the same corner; only their colours show which one is on top.
    const QColor free = QImage(QStringLiteral(":/freelabel.png")).pixelColor(997, 295);
    const QColor lite = QImage(QStringLiteral(":/litelabel.png")).pixelColor(997, 295);
    const int distance = std::abs(free.red() - lite.red()) + std::abs(free.green() - lite.green())
        + std::abs(free.blue() - lite.blue());
    QVERIFY2(distance > 90, qPrintable(QStringLiteral("colour distance %1").arg(distance)));
}

void TestStyleSheet::maskIsWhiteInsideBlackOutsideWithSoftEdges()
{
    const QImage mask = QImage(QStringLiteral(":/roundrectmask.png")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qRed(mask.pixel(512, 512)), 255);
    QCOMPARE(qRed(mask.pixel(0, 0)), 0);
    QCOMPARE(qRed(mask.pixel(1023, 1023)), 0);
    // The straight sides reach the edge of the picture, so the icon fills the square.
    QCOMPARE(qRed(mask.pixel(512, 0)), 255);
    QCOMPARE(qRed(mask.pixel(0, 512)), 255);
    // Opaque everywhere: the outline is carried by the red channel alone.
    QCOMPARE(qAlpha(mask.pixel(0, 0)), 255);

    // Along the diagonal from the corner, the edge passes through grey values
    // and the values never fall going inwards.
    int previous = 0;
    int intermediate = 0;
    for (int i = 0; i < 200; ++i) {
        const int red = qRed(mask.pixel(i, i));
        QVERIFY(red >= previous);
        previous = red;
        if (red > 0 && red < 255)
            ++intermediate;
    }
    QCOMPARE(previous, 255);
    QVERIFY(intermediate >= 1);
    // The corner is rounded like an app icon: the outline crosses the diagonal
    // roughly at (1 - 1/sqrt 2) of the radius, a radius of about 22 % of the side.
    int crossing = 0;
    while (qRed(mask.pixel(crossing, crossing)) < 128)
        ++crossing;
    QVERIFY2(crossing > 50 && crossing < 85, qPrintable(QString::number(crossing)));
}

void TestStyleSheet::effectItemShowsThePictureOfItsState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("hovered");
    for (const char* name : kItemNames) {
        for (bool checked : { false, true }) {
            for (bool hovered : { false, true }) {
                const QString row = QStringLiteral("%1 %2%3").arg(
                    QLatin1String(name), checked ? QStringLiteral("checked") : QStringLiteral("unchecked"),
                    hovered ? QStringLiteral(" under the pointer") : QString());
                QTest::newRow(qPrintable(row)) << QString::fromLatin1(name) << checked << hovered;
            }
        }
    }
}

void TestStyleSheet::effectItemShowsThePictureOfItsState()
{
    QFETCH(QString, name);
    QFETCH(bool, checked);
    QFETCH(bool, hovered);

    // Made like the effects panel makes its switches.
    auto* item = new QPushButton;
    item->setObjectName(name);
    item->setFlat(true);
    item->setCheckable(true);
    item->setFixedSize(44, 44);
    Host host(item);
    QVERIFY(host.exposed());
    if (checked)
        QTest::mouseClick(item, Qt::LeftButton);
    QCOMPARE(item->isChecked(), checked);
    if (hovered) {
        QTest::mouseMove(item, QPoint(22, 22));
        QTRY_VERIFY(item->underMouse());
    } else {
        QTest::mouseMove(host.window.get(), QPoint(1, 1));
        QTRY_VERIFY(!item->underMouse());
    }

    auto pictureOf = [&name](bool checkedState, bool hoveredState) {
        return QStringLiteral(":/%1%2%3.png")
            .arg(stemOf(name), checkedState ? QStringLiteral("_chk") : QString(),
                 hoveredState ? QStringLiteral("_hvr") : QString());
    };
    const QString own = pictureOf(checked, hovered);
    const QString otherCheck = pictureOf(!checked, hovered);
    const QString otherHover = pictureOf(checked, !hovered);
    // The picture is stretched over the switch and lets the window's background show through.
    const QColor background = host.window->palette().color(QPalette::Window);
    auto expected = [&background](const QString& path) {
        QImage image(44, 44, QImage::Format_ARGB32_Premultiplied);
        image.fill(background);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(image.rect(), QImage(path));
        return image;
    };
    QTRY_VERIFY2(meanDifference(item->grab().toImage(), expected(own)) < 4.0,
                 qPrintable(QStringLiteral("difference to %1: %2")
                                .arg(own)
                                .arg(meanDifference(item->grab().toImage(), expected(own)))));
    // Checked and unchecked differ clearly, resting and pointed-at visibly, so the
    // comparison above cannot pass by chance.
    const QImage shown = item->grab().toImage();
    const double toOtherCheck = meanDifference(shown, expected(otherCheck));
    QVERIFY2(toOtherCheck > 20.0,
             qPrintable(QStringLiteral("difference to %1: %2").arg(otherCheck).arg(toOtherCheck)));
    const double toOtherHover = meanDifference(shown, expected(otherHover));
    QVERIFY2(toOtherHover > 6.0,
             qPrintable(QStringLiteral("difference to %1: %2").arg(otherHover).arg(toOtherHover)));
}

void TestStyleSheet::disabledPushButtonHasGrayTextOnDarkGradient()
{
    auto* enabled = new QPushButton(QStringLiteral("Save..."));
    auto* disabled = new QPushButton(QStringLiteral("Save..."));
    for (QPushButton* button : { enabled, disabled }) {
        button->setObjectName(QStringLiteral("PushButton"));
        button->setFlat(true);
        button->setMinimumHeight(37);
        button->setFixedWidth(130);
        button->setFocusPolicy(Qt::NoFocus);
    }
    disabled->setEnabled(false);
    Host host(enabled);
    host.window->layout()->addWidget(disabled);
    QVERIFY(host.exposed());

    const QImage on = enabled->grab().toImage();
    const QImage off = disabled->grab().toImage();
    // Inside the 1px border and the rounded corners.
    const QRect inner = off.rect().adjusted(4, 4, -5, -5);

    // The text: light grey when enabled, gray (128) when disabled.
    const QColor onText = brightest(on, inner);
    const QColor offText = brightest(off, inner);
    QVERIFY2(qGray(onText.rgb()) > 180, qPrintable(onText.name()));
    QVERIFY2(std::abs(qGray(offText.rgb()) - 128) <= 25, qPrintable(offText.name()));
    QVERIFY(std::abs(offText.red() - offText.blue()) <= 12);

    // The disabled gradient is darker than the enabled one, and dark all over.
    const QColor offBackground = off.pixelColor(4, off.height() / 2);
    const QColor onBackground = on.pixelColor(4, on.height() / 2);
    QVERIFY2(qGray(offBackground.rgb()) < 60, qPrintable(offBackground.name()));
    QVERIFY(qGray(offBackground.rgb()) < qGray(onBackground.rgb()) + 25);
    QVERIFY(qGray(offText.rgb()) > qGray(offBackground.rgb()) + 50);
}

void TestStyleSheet::settingsButtonIsLimitedTo50x32()
{
    // The main page creates the settings button as a 32 x 32 square button.
    auto* button = new QPushButton;
    button->setObjectName(QStringLiteral("SettingsButton"));
    button->setFlat(true);
    button->setFixedSize(32, 32);
    Host host(button);
    QVERIFY(host.exposed());
    QCOMPARE(button->size(), QSize(50, 32));
    QCOMPARE(button->minimumSize(), QSize(50, 32));
    QCOMPARE(button->maximumSize(), QSize(50, 32));
}

QTEST_MAIN(TestStyleSheet)
#include "tst_stylesheet.moc"
