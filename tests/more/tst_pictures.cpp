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
    void standInsForMissingPictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("present");
        QTest::newRow("carried by the library") << QStringLiteral(":/droparea.png") << true;
        QTest::newRow("left to the host") << QStringLiteral(":/pix/absent.png") << false;
    }

    void standInsForMissingPictures()
    {
        QFETCH(QString, path);
        QFETCH(bool, present);
        using namespace QMWidgets::Pictures;
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(recordWarnings);
        for (int paint = 0; paint < 3; ++paint) {
            QCOMPARE(!pixmap(path).isNull(), present);
            QCOMPARE(!scaled(path, QSize(16, 16)).isNull(), present);
            QCOMPARE(!icon(path).isNull(), present);
            QCOMPARE(cursor(path, 0, 0, Qt::CrossCursor).shape(),
                     present ? Qt::BitmapCursor : Qt::CrossCursor);
        }
        qInstallMessageHandler(previous);
        // A missing picture is reported once for the whole run, not at every use.
        QCOMPARE(warnings.size(), present ? 0 : 1);
        QVERIFY(present || warnings.first().contains(path));
    }

    void shellServicesWithoutShellApplication()
    {
        using namespace QMWidgets::ShellServices;
        setLastSaveDirectory(QStringLiteral("/tmp/a/b.tssettings"));
        setLastOpenDirectory(QStringLiteral("/tmp/a/b.tssettings"));
        QCOMPARE(lastSaveDirectory() + lastOpenDirectory(), QString());
        const QRect desktop = QApplication::desktop()->geometry();
        QCOMPARE(smallerScreenSide(), qMin(desktop.width(), desktop.height()));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
