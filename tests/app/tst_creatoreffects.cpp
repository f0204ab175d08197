#include "creatoreffects.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestCreatorEffects : public QObject
{
    Q_OBJECT

private slots:
    void itemsStartOffAsSquareSwitches_data();
    void itemsStartOffAsSquareSwitches();
    void clicksGiveTheEffectState_data();
    void clicksGiveTheEffectState();
};

void TestCreatorEffects::itemsStartOffAsSquareSwitches_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("toolTip");
    const char* rows[][2] = { { "TopGlossyItem", "Top Glossy" },
                              { "CenterGlossyItem", "Center Glossy" },
                              { "VolumeItem", "Volume" },
                              { "FrameItem", "Frame" },
                              { "FreeLabelItem", "Free Label" },
                              { "LiteLabelItem", "Lite Label" },
                              { "RoundedEdgesItem", "Rounded Edges" } };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString(row[0]) << QString(row[1]);
}

void TestCreatorEffects::itemsStartOffAsSquareSwitches()
{
    QFETCH(QString, objectName);
    QFETCH(QString, toolTip);

    CreatorEffects panel;
    QCOMPARE(panel.height(), 180);
    QCOMPARE(panel.findChildren<QPushButton*>().size(), 7);
    QCOMPARE(panel.effectState(), QString());
    auto* item = panel.findChild<QPushButton*>(objectName);
    QVERIFY(item);
    QCOMPARE(item->toolTip(), toolTip);
    QVERIFY(item->isCheckable() && !item->isChecked() && item->isFlat() && item->text().isEmpty());
    QCOMPARE(item->size(), QSize(44, 44));
}

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
    QTest::newRow("all") << CreatorEffects::effectNames()
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
