#include "stylesheet.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
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

// The picture of an effect switch: "TopGlossyItem" -> ":/TopGlossy_chk_hvr.png".
QString itemPicture(const QString& itemName, bool checked, bool hovered)
{
    return ":/" + itemName.chopped(4) + (checked ? "_chk" : "") + (hovered ? "_hvr" : "") + ".png";
}

// Mean absolute difference of the channels, 0 (same) to 255.
double meanDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255.0;
    double sum = 0.0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * a.width() * a.height());
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
    void effectItemShowsThePictureOfItsState_data();
    void effectItemShowsThePictureOfItsState();
};

void TestStyleSheet::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(collectMessage);
    qApp->setStyleSheet(applicationStyleSheet());
}

void TestStyleSheet::qtParsesTheWholeSheet()
{
    // Qt parses the application sheet when it first polishes a widget.
    auto* button = new QPushButton(QStringLiteral("Save..."));
    button->setObjectName(QStringLiteral("PushButton"));
    // The main page creates the settings button as a 32 x 32 square; the sheet makes it 50 x 32.
    auto* settings = new QPushButton;
    settings->setObjectName(QStringLiteral("SettingsButton"));
    settings->setFixedSize(32, 32);
    const auto window
        = showInWindow({ button, settings, new QLineEdit, new QLabel(QStringLiteral("label")) });
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    for (const QString& message : qAsConst(g_messages))
        QVERIFY2(!message.contains(QLatin1String("stylesheet"), Qt::CaseInsensitive)
                     && !message.contains(QLatin1String("Unknown property"), Qt::CaseInsensitive),
                 qPrintable(message));
    QCOMPARE(button->font().pixelSize(), 18);
    QCOMPARE(settings->size(), QSize(50, 32));
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

void TestStyleSheet::effectItemShowsThePictureOfItsState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("hovered");
    for (const char* name : { "TopGlossyItem", "CenterGlossyItem", "VolumeItem", "FrameItem", "FreeLabelItem",
                              "LiteLabelItem", "RoundedEdgesItem" }) {
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

QTEST_MAIN(TestStyleSheet)
#include "tst_stylesheet.moc"
