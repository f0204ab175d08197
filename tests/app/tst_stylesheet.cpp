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

// The picture of an effect switch: "TopGlossyItem" -> ":/TopGlossy_chk_hvr.png".
QString itemPicture(const QString& itemName, bool checked, bool hovered)
{
    return ":/" + itemName.chopped(4) + (checked ? "_chk" : "") + (hovered ? "_hvr" : "") + ".png";
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
QRgb brightest(const QImage& image, const QRect& rect)
{
    QRgb best = qRgb(0, 0, 0);
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            best = qGray(image.pixel(x, y)) > qGray(best) ? image.pixel(x, y) : best;
    return best;
}

// A shown top-level window holding widgets in a row.
std::unique_ptr<QWidget> showInWindow(const QList<QWidget*>& children)
{
    auto window = std::make_unique<QWidget>();
    auto* layout = new QHBoxLayout(window.get());
    for (QWidget* child : children)
        layout->addWidget(child);
    window->move(100, 100);
    window->show();
    return window;
}

} // namespace

class TestStyleSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void qtParsesTheWholeSheet();
    void everyPictureTheSheetNamesExists();
    void pictureHasItsSize_data();
    void pictureHasItsSize();
    void overlayShowsItsEffectAndLeavesThePictureVisible_data();
    void overlayShowsItsEffectAndLeavesThePictureVisible();
    void maskIsWhiteInsideBlackOutsideWithSoftEdges();
    void effectItemShowsThePictureOfItsState_data();
    void effectItemShowsThePictureOfItsState();
    void disabledPushButtonHasGrayTextOnDarkGradient();
};

void TestStyleSheet::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(collectMessage);
    const QString sheet = applicationStyleSheet();
    QVERIFY(sheet.size() > 1000);
    QVERIFY(sheet.startsWith(QStringLiteral("QFrame#AboutLegalInfo{background: rgb(255,255,255);}")));
    qApp->setStyleSheet(sheet);
}

void TestStyleSheet::qtParsesTheWholeSheet()
{
    // Qt parses the application sheet when it first polishes a widget; polish
    // one widget of every class and object name the sheet dresses.
    auto* menuButton = new QPushButton(QStringLiteral("menu"));
    menuButton->setMenu(new QMenu(menuButton));
    auto* tabs = new QTabBar;
    tabs->addTab(QStringLiteral("one"));
    tabs->addTab(QStringLiteral("two"));
    QList<QWidget*> widgets { menuButton,    new QFrame, new QLabel(QStringLiteral("label")), new QLineEdit,
                              new QCheckBox, tabs,       new QSlider(Qt::Horizontal) };
    widgets.at(1)->setObjectName(QStringLiteral("MenuBar"));
    widgets.at(2)->setObjectName(QStringLiteral("DropArea"));
    for (const char* name :
         { "PushButton", "SettingsButton", "AppButton", "VideoButton", "HelpSlideButton", "TopGlossyItem" }) {
        widgets.append(new QPushButton(QLatin1String(name)));
        widgets.last()->setObjectName(QLatin1String(name));
    }
    // The main page creates the settings button as a 32 x 32 square; the sheet makes it 50 x 32.
    auto* settings = widgets.at(8);
    settings->setFixedSize(32, 32);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
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
    QCOMPARE(widgets.at(7)->font().pixelSize(), 18);
    QVERIFY(widgets.at(7)->font().bold());
    QCOMPARE(settings->size(), QSize(50, 32));
    QCOMPARE(settings->maximumSize(), QSize(50, 32));
}

void TestStyleSheet::everyPictureTheSheetNamesExists()
{
    const QRegularExpression url(QStringLiteral("url\\(\\s*([^)\\s]+)\\s*\\)"));
    int count = 0;
    for (auto it = url.globalMatch(applicationStyleSheet()); it.hasNext(); ++count) {
        const QString name = it.next().captured(1);
        QVERIFY2(name.startsWith(QLatin1String(":/")), qPrintable(name));
        QVERIFY2(!QImage(name).isNull(), qPrintable(name + QLatin1String(" is not in the resources")));
    }
    QVERIFY(count >= 60);
}

void TestStyleSheet::pictureHasItsSize_data()
{
    // Pictures the program draws by itself (the sheet stretches its own pictures).
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const char* name :
         { "glossytop", "glossymiddle", "volume", "frame", "freelabel", "litelabel", "roundrectmask" })
        QTest::newRow(name) << QStringLiteral(":/%1.png").arg(QLatin1String(name)) << QSize(1024, 1024);
    QTest::newRow("droparea") << QStringLiteral(":/droparea.png") << QSize(1200, 1078);
    QTest::newRow("openfiles") << QStringLiteral(":/openfiles.png") << QSize(96, 96);
    QTest::newRow("app") << QStringLiteral(":/app.png") << QSize(128, 128);
    QTest::newRow("appicon") << QStringLiteral(":/appicon.png") << QSize(64, 64);
}

void TestStyleSheet::pictureHasItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QCOMPARE(QImage(path).size(), size);
}

void TestStyleSheet::overlayShowsItsEffectAndLeavesThePictureVisible_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QPoint>("drawn");
    QTest::addColumn<QPoint>("clear");
    QTest::newRow("top gloss") << ":/glossytop.png" << QPoint(512, 60) << QPoint(512, 900);
    QTest::newRow("centre gloss") << ":/glossymiddle.png" << QPoint(512, 250) << QPoint(20, 1000);
    QTest::newRow("volume") << ":/volume.png" << QPoint(512, 1000) << QPoint(0, 0);
    QTest::newRow("frame") << ":/frame.png" << QPoint(512, 10) << QPoint(512, 512);
    QTest::newRow("free label") << ":/freelabel.png" << QPoint(997, 295) << QPoint(100, 900);
    QTest::newRow("lite label") << ":/litelabel.png" << QPoint(997, 295) << QPoint(100, 900);
}

void TestStyleSheet::overlayShowsItsEffectAndLeavesThePictureVisible()
{
    QFETCH(QString, path);
    QFETCH(QPoint, drawn);
    QFETCH(QPoint, clear);
    const QImage overlay = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(qAlpha(overlay.pixel(drawn)) >= 40, "the effect is missing where it belongs");
    QVERIFY2(qAlpha(overlay.pixel(clear)) <= 8, "the overlay covers the picture where it should not");
    // No overlay may hide the middle of the master picture.
    QVERIFY(qAlpha(overlay.pixel(512, 512)) < 160);
}

void TestStyleSheet::maskIsWhiteInsideBlackOutsideWithSoftEdges()
{
    const QImage mask = QImage(QStringLiteral(":/roundrectmask.png")).convertToFormat(QImage::Format_ARGB32);
    // Opaque everywhere: the outline is carried by the red channel alone. The
    // straight sides reach the edge of the picture, so the icon fills the square.
    QCOMPARE(qAlpha(mask.pixel(0, 0)), 255);
    QCOMPARE(QVector<int>({ qRed(mask.pixel(0, 0)), qRed(mask.pixel(1023, 1023)), qRed(mask.pixel(512, 512)),
                            qRed(mask.pixel(512, 0)), qRed(mask.pixel(0, 512)) }),
             QVector<int>({ 0, 0, 255, 255, 255 }));

    // Along the diagonal from the corner the edge passes through grey values, never
    // falling inwards, and crosses half way at about (1 - 1/sqrt 2) of a corner radius
    // of some 22 % of the side, like an app icon.
    int previous = 0;
    int intermediate = 0;
    int crossing = -1;
    for (int i = 0; i < 200; ++i) {
        const int red = qRed(mask.pixel(i, i));
        QVERIFY(red >= previous);
        if (red >= 128 && crossing < 0)
            crossing = i;
        intermediate += red > 0 && red < 255;
        previous = red;
    }
    QCOMPARE(previous, 255);
    QVERIFY(intermediate >= 1);
    QVERIFY2(crossing > 50 && crossing < 85, qPrintable(QString::number(crossing)));
}

void TestStyleSheet::effectItemShowsThePictureOfItsState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("hovered");
    for (const char* name : kItemNames) {
        for (const bool checked : { false, true }) {
            for (const bool hovered : { false, true }) {
                QTest::addRow("%s %s%s", name, checked ? "checked" : "unchecked", hovered ? " hovered" : "")
                    << QString::fromLatin1(name) << checked << hovered;
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
    const auto window = showInWindow({ item });
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    if (checked)
        QTest::mouseClick(item, Qt::LeftButton);
    QCOMPARE(item->isChecked(), checked);
    QTest::mouseMove(hovered ? item : window.get(), hovered ? QPoint(22, 22) : QPoint(1, 1));
    QTRY_COMPARE(item->underMouse(), hovered);

    // The picture is stretched over the switch and lets the window's background show through.
    const QColor background = window->palette().color(QPalette::Window);
    auto differenceTo = [&](bool checkedPicture, bool hoveredPicture) {
        QImage expected(44, 44, QImage::Format_ARGB32_Premultiplied);
        expected.fill(background);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(expected.rect(), QImage(itemPicture(name, checkedPicture, hoveredPicture)));
        painter.end();
        return meanDifference(item->grab().toImage(), expected);
    };
    QTRY_VERIFY2(differenceTo(checked, hovered) < 4.0,
                 qPrintable(QString::number(differenceTo(checked, hovered))));
    // Checked and unchecked differ clearly, resting and pointed-at visibly, so the
    // comparison above cannot pass by chance.
    QVERIFY(differenceTo(!checked, hovered) > 20.0);
    QVERIFY(differenceTo(checked, !hovered) > 6.0);
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
    const auto window = showInWindow({ enabled, disabled });
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    const QImage on = enabled->grab().toImage();
    const QImage off = disabled->grab().toImage();
    const QRect inner = off.rect().adjusted(4, 4, -5, -5); // inside the border and rounded corners

    // The text: light grey when enabled, gray (128) when disabled, on a darker gradient.
    const int onText = qGray(brightest(on, inner));
    const int offText = qGray(brightest(off, inner));
    const int onBackground = qGray(on.pixel(4, on.height() / 2));
    const int offBackground = qGray(off.pixel(4, off.height() / 2));
    QVERIFY2(onText > 180, qPrintable(QString::number(onText)));
    QVERIFY2(std::abs(offText - 128) <= 25, qPrintable(QString::number(offText)));
    QVERIFY(std::abs(qRed(brightest(off, inner)) - qBlue(brightest(off, inner))) <= 12);
    QVERIFY2(offBackground < 60, qPrintable(QString::number(offBackground)));
    QVERIFY(offBackground < onBackground + 25);
    QVERIFY(offText > offBackground + 50);
}

QTEST_MAIN(TestStyleSheet)
#include "tst_stylesheet.moc"
