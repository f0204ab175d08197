#include "stylesheet.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

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

QTEST_MAIN(TestStyleSheet)
#include "tst_stylesheet.moc"
