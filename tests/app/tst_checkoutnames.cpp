// The files of the source tree, as a checkout writes them: on a file system
// that ignores case, two names that differ only by case would leave one file.

#include "tooling.h"

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
    const TestSupport::ToolRun git
        = TestSupport::runTool(QStringLiteral("git"), { QStringLiteral("ls-files") },
                               QStringLiteral(LUMASTRAND_TEST_DATA "/../../.."));
    if (!git.found || !git.finished || git.exitCode != 0)
        QSKIP("The sources are not a git checkout");

    QHash<QString, QString> byLowerCase;
    const QStringList files = git.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(files.contains(QStringLiteral("app/resources/images.qrc")));
    for (const QString& file : files) {
        const QString other = byLowerCase.value(file.toLower());
        QVERIFY2(other.isEmpty(), qPrintable(other + QStringLiteral(" and ") + file));
        byLowerCase.insert(file.toLower(), file);
    }
}

QTEST_GUILESS_MAIN(TestCheckoutNames)

#include "tst_checkoutnames.moc"
