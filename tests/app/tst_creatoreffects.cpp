#include "creatoreffects.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestCreatorEffects : public QObject
{
    Q_OBJECT

private slots:
    void clicksGiveTheEffectState_data();
    void clicksGiveTheEffectState();
};

void TestCreatorEffects::clicksGiveTheEffectState_data()
{
    QTest::addColumn<QStringList>("clicked");
    QTest::addColumn<QString>("state");

    QTest::newRow("first and last") << QStringList { "TopGlossyItem", "RoundedEdgesItem" }
                                    << "TopGlossyItem;RoundedEdgesItem;";
    QTest::newRow("panel order, not click order")
        << QStringList { "RoundedEdgesItem", "LiteLabelItem", "FreeLabelItem", "TopGlossyItem" }
        << "TopGlossyItem;FreeLabelItem;LiteLabelItem;RoundedEdgesItem;";
    QTest::newRow("switched on and off again")
        << QStringList { "TopGlossyItem", "RoundedEdgesItem", "TopGlossyItem", "RoundedEdgesItem" }
        << QString();
    QTest::newRow("all") << QStringList { "LiteLabelItem",   "FreeLabelItem",    "FrameItem",
                                          "VolumeItem",      "CenterGlossyItem", "TopGlossyItem",
                                          "RoundedEdgesItem" }
                         << "TopGlossyItem;CenterGlossyItem;VolumeItem;FrameItem;FreeLabelItem;LiteLabelItem;"
                            "RoundedEdgesItem;";
}

void TestCreatorEffects::clicksGiveTheEffectState()
{
    QFETCH(QStringList, clicked);
    QFETCH(QString, state);

    CreatorEffects panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QCOMPARE(panel.effectState(), QString());
    QSignalSpy spy(&panel, &CreatorEffects::stateChanged);

    for (const QString& name : clicked) {
        auto* item = panel.findChild<QPushButton*>(name);
        QVERIFY(item);
        QTest::mouseClick(item, Qt::LeftButton);
    }

    QCOMPARE(panel.effectState(), state);
    // Every click reports the whole state.
    QCOMPARE(spy.count(), clicked.size());
    QCOMPARE(spy.last().at(0).toString(), state);
}

QTEST_MAIN(TestCreatorEffects)
#include "tst_creatoreffects.moc"
