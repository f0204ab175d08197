// Library pictures and shell services on a plain QApplication, without the
// shell's application object.

#include "pictures.h"
#include "shellservices.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QtTest>

namespace {
QStringList warnings;

void recordWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg)
        warnings.append(message);
}
} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void standInsForMissingPictures_data();
    void standInsForMissingPictures();
    void shellServicesWithoutShellApplication();
};

void TestPictures::standInsForMissingPictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("present");
    QTest::newRow("carried by the library") << QStringLiteral(":/droparea.png") << true;
    QTest::newRow("left to the host") << QStringLiteral(":/pix/absent.png") << false;
}

void TestPictures::standInsForMissingPictures()
{
    QFETCH(QString, path);
    QFETCH(bool, present);

    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordWarnings);
    QList<QCursor> cursors;
    for (int paint = 0; paint < 3; ++paint) {
        QCOMPARE(!QMWidgets::Pictures::pixmap(path).isNull(), present);
        QCOMPARE(!QMWidgets::Pictures::scaled(path, QSize(16, 16)).isNull(), present);
        QCOMPARE(!QMWidgets::Pictures::icon(path).isNull(), present);
        cursors.append(QMWidgets::Pictures::cursor(path, 0, 0, Qt::CrossCursor));
    }
    qInstallMessageHandler(previous);

    QCOMPARE(cursors.first().shape(), present ? Qt::BitmapCursor : Qt::CrossCursor);
    // A missing picture is reported once for the whole run, not at every use.
    QCOMPARE(warnings.size(), present ? 0 : 1);
    if (!present)
        QVERIFY(warnings.first().contains(path));
}

void TestPictures::shellServicesWithoutShellApplication()
{
    using namespace QMWidgets::ShellServices;
    setLastSaveDirectory(QStringLiteral("/tmp/a/b.tssettings"));
    setLastOpenDirectory(QStringLiteral("/tmp/a/b.tssettings"));
    QCOMPARE(lastSaveDirectory(), QString());
    QCOMPARE(lastOpenDirectory(), QString());

    const QRect desktop = QApplication::desktop()->geometry();
    QCOMPARE(smallerScreenSide(), qMin(desktop.width(), desktop.height()));
    QVERIFY(smallerScreenSide() > 0);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
