// The files of the source tree, as a checkout writes them: on a file system
// that ignores case, two names that differ only by case would leave one file.

#include <QDirIterator>
#include <QHash>
#include <QtTest>

class TestCheckoutNames : public QObject
{
    Q_OBJECT

private slots:
    void namesDifferBeyondCase();
};

void TestCheckoutNames::namesDifferBeyondCase()
{
    const QDir root(QDir::cleanPath(QStringLiteral(LUMASTRAND_TEST_DATA "/../../..")));
    QHash<QString, QString> byLowerCase;
    int files = 0;
    for (const char* folder : { "app", "libs", "tests", "tools", "bench", "cmake", "scripts" }) {
        QDirIterator it(root.filePath(QLatin1String(folder)), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = root.relativeFilePath(it.next());
            const QString other = byLowerCase.value(path.toLower());
            QVERIFY2(other.isEmpty(), qPrintable(other + QStringLiteral(" and ") + path));
            byLowerCase.insert(path.toLower(), path);
            ++files;
        }
    }
    QVERIFY(byLowerCase.contains(QStringLiteral("app/resources/images/overlay_frame.png")));
    QVERIFY(files > 100);
}

QTEST_GUILESS_MAIN(TestCheckoutNames)

#include "tst_checkoutnames.moc"
