#include "support/ChartDraws.h"

#include "charts/FishNetData.h"

#include <QtTest>

class TestFishNetData : public QObject
{
    Q_OBJECT

private slots:
    void aspect_data();
    void aspect();
    void tableRunsColumnsOuterRowsInner();
    void largeGridsAreSampledRegularly();
    void itemOutsideTheFileGivesNoTable();
    void wiresStandApartWhileSomePixelsApart_data();
    void wiresStandApartWhileSomePixelsApart();
};

void TestFishNetData::aspect_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("40 x 20") << 40 << 20 << 200.0 << 100.0;
    QTest::newRow("20 x 40") << 20 << 40 << 100.0 << 200.0;
    QTest::newRow("square") << 30 << 30 << 100.0 << 100.0;
    QTest::newRow("one row") << 7 << 1 << 700.0 << 100.0;
    QTest::newRow("3 x 2") << 3 << 2 << 150.0 << 100.0;
}

void TestFishNetData::aspect()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(double, x);
    QFETCH(double, y);
    const FishNetAspect aspect = fishNetAspect(columns, rows);
    QCOMPARE(aspect.xPercent, x);
    QCOMPARE(aspect.yPercent, y);
}

void TestFishNetData::tableRunsColumnsOuterRowsInner()
{
    TestSeam seam = TestSeam().sized(1, 3, 2, 2).named({"A", "B"}, {"-", "-"})
        .valued([](int, int ix, int iy, int k) { return k == 1 ? 10.0f * (ix + 1) + (iy + 1) : -1.0f; });
    OpenedSeam file(seam);
    QVERIFY(file.opened());

    const FishNetTable table = fishNetTable(file.document.grid(), 1);

    QCOMPARE(table.heights, (std::vector<double>{11, 12, 21, 22, 31, 32}));
    QCOMPARE(table.columns, 3);
    QCOMPARE(table.rows, 2);
    QVERIFY(!table.sampled());
    QVERIFY(table.samplingNote().isEmpty());
    QCOMPARE(table.height(2, 1), 32.0);
    QCOMPARE(table.gridColumn(2), 3);
}

void TestFishNetData::largeGridsAreSampledRegularly()
{
    // 700 x 400 = 280000 elements, past the limit: every second column and row, 350 x 200.
    TestSeam seam = TestSeam().sized(1, 700, 400)
        .valued([](int, int ix, int iy, int) { return static_cast<float>(ix * 1000 + iy); });
    OpenedSeam file(seam);
    QVERIFY(file.opened());

    const FishNetTable table = fishNetTable(file.document.grid(), 0);

    QVERIFY(table.sampled());
    QCOMPARE(table.stride, 2);
    QCOMPARE(table.columns, 350);
    QCOMPARE(table.rows, 200);
    QCOMPARE(table.heights.size(), std::size_t(350 * 200));
    QVERIFY(static_cast<long long>(table.heights.size()) <= FishNetTable::sampleLimit);
    QCOMPARE(table.height(1, 3), 2006.0);
    QCOMPARE(table.gridColumn(349), 699);
    QCOMPARE(table.gridRow(199), 399);
    QCOMPARE(table.samplingNote(), QString("Sampled surface: one column and row in 2 of the 700 x 400 elements"));
}

void TestFishNetData::itemOutsideTheFileGivesNoTable()
{
    TestSeam seam = TestSeam().sized(1, 2, 2);
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    QVERIFY(fishNetTable(file.document.grid(), 1).heights.empty());
    QVERIFY(fishNetTable(file.document.grid(), -1).heights.empty());
}

void TestFishNetData::wiresStandApartWhileSomePixelsApart_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<bool>("apart");
    QTest::newRow("40 x 20 in the first window") << 40 << 20 << QSize(819, 614) << true;
    QTest::newRow("100 x 75") << 100 << 75 << QSize(819, 614) << true;
    QTest::newRow("150 x 110") << 150 << 110 << QSize(819, 614) << false;
    QTest::newRow("400 x 300") << 400 << 300 << QSize(819, 614) << false;
    QTest::newRow("400 x 300 on a wall") << 400 << 300 << QSize(4000, 3000) << true;
    QTest::newRow("tall and narrow window") << 40 << 20 << QSize(819, 150) << false;
}

void TestFishNetData::wiresStandApartWhileSomePixelsApart()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QSize, window);
    QFETCH(bool, apart);
    FishNetTable table;
    table.columns = columns;
    table.rows = rows;
    QCOMPARE(wiresStandApart(table, window.width(), window.height()), apart);
}

QTEST_GUILESS_MAIN(TestFishNetData)
#include "tst_FishNetData.moc"
