#include "mtools.h"

#include <QtTest>

class TestMTools : public QObject
{
    Q_OBJECT

private slots:
    void monthName_data();
    void monthName();
    void emailRegExp_data();
    void emailRegExp();
};

void TestMTools::monthName_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("name");
    QTest::newRow("first") << 1 << "January";
    QTest::newRow("last") << 12 << "December";
    QTest::newRow("zero") << 0 << "Unknown";
}

void TestMTools::monthName()
{
    QFETCH(int, month);
    QFETCH(QString, name);
    QCOMPARE(MTools::monthName(month), name);
}

void TestMTools::emailRegExp_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matches");
    QTest::newRow("plain") << "anna@example.com" << true;
    QTest::newRow("numeric top") << "root@10.0.0.1" << true;
    QTest::newRow("five letter top") << "x@y.museum" << false;
    QTest::newRow("four digit top") << "x@y.1234" << false;
    QTest::newRow("plus sign") << "a+b@example.com" << false;
    QTest::newRow("trailing text") << "anna@example.com more" << false;
}

void TestMTools::emailRegExp()
{
    QFETCH(QString, text);
    QFETCH(bool, matches);
    QCOMPARE(MTools::emailRegExp().exactMatch(text), matches);
}

QTEST_GUILESS_MAIN(TestMTools)
#include "tst_mtools.moc"
