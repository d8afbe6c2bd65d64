#include "support/TestHeader.h"
#include "dialogs/StressItemColumn.h"

#include <QtTest>

class TestStressItemColumn : public QObject
{
    Q_OBJECT

private slots:
    void shownSlots_data();
    void shownSlots();
    void captionsComeFromTheFile();
    void storedItem_data();
    void storedItem();
    void selectionFollowsClicks();
};

void TestStressItemColumn::shownSlots_data()
{
    QTest::addColumn<int>("itemCount");
    QTest::addColumn<int>("shown");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("five") << 5 << 5;
    QTest::newRow("eighteen") << 18 << 18;
    QTest::newRow("more than eighteen shows none") << 19 << 0;
    QTest::newRow("negative shows none") << -1 << 0;
}

void TestStressItemColumn::shownSlots()
{
    QFETCH(int, itemCount);
    QFETCH(int, shown);
    const StressItemColumn column(makeHeader(1, 1, 1, itemCount), 0);
    for (int k = 0; k < StressItemColumn::slotCount; ++k)
        QCOMPARE(column.isShown(k), k < shown);
    QVERIFY(!column.isShown(-1));
    QVERIFY(!column.isShown(StressItemColumn::slotCount));
}

void TestStressItemColumn::captionsComeFromTheFile()
{
    SeamHeader header = makeHeader(1, 1, 1, 3);
    header.itemNames = {"Shear Stress", "Normal Stress", "Pore Pressure", "left over"};
    const StressItemColumn column(header, 0);
    QCOMPARE(column.caption(0), std::string("Shear Stress"));
    QCOMPARE(column.caption(2), std::string("Pore Pressure"));
    // A name beyond itemCount labels no button.
    QCOMPARE(column.caption(3), std::string());
    QCOMPARE(column.caption(40), std::string());
}

void TestStressItemColumn::storedItem_data()
{
    QTest::addColumn<int>("itemCount");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("selected");
    QTest::newRow("offered") << 5 << 4 << 4;
    QTest::newRow("first") << 5 << 0 << 0;
    QTest::newRow("not below itemCount") << 5 << 5 << 0;
    QTest::newRow("from a larger file") << 3 << 17 << 0;
    QTest::newRow("none") << 5 << -1 << 0;
}

void TestStressItemColumn::storedItem()
{
    QFETCH(int, itemCount);
    QFETCH(int, stored);
    QFETCH(int, selected);
    QCOMPARE(StressItemColumn(makeHeader(1, 1, 1, itemCount), stored).selected(), selected);
}

void TestStressItemColumn::selectionFollowsClicks()
{
    StressItemColumn column(makeHeader(1, 1, 1, 6), 1);
    column.select(5);
    QCOMPARE(column.selected(), 5);
    column.select(6); // a hidden button cannot be checked
    QCOMPARE(column.selected(), 0);
}

QTEST_GUILESS_MAIN(TestStressItemColumn)
#include "tst_StressItemColumn.moc"
