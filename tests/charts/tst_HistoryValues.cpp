#include "support/ChartDraws.h"

#include "charts/HistoryValues.h"
#include "model/PlotSettings.h"

#include <QtTest>

class TestHistoryValues : public QObject
{
    Q_OBJECT

private slots:
    void sumsAndAveragesOverTheWindow();
    void oneElementWindowGivesEqualSumAndAverage();
    void oneEntryPerStep_data();
    void oneEntryPerStep();
    void sumsInDoubleColumnsOuterRowsInner();
    void leavesTheStepForReloading();
    void windowOutsideTheGridIsReported_data();
    void windowOutsideTheGridIsReported();
};

namespace {

PlotSettings window(int minX, int maxX, int minY, int maxY, int item = 0)
{
    PlotSettings settings;
    settings.history.itemIndex = item;
    settings.history.minX = minX;
    settings.history.maxX = maxX;
    settings.history.minY = minY;
    settings.history.maxY = maxY;
    settings.stepReloadPending = false;
    return settings;
}

} // namespace

void TestHistoryValues::sumsAndAveragesOverTheWindow()
{
    // A 2 x 3 window (columns 2-3, rows 1-3) of a 4 x 4 grid whose window holds 1..6 at step 2.
    TestSeam seam = TestSeam().sized(2, 4, 4, 2).named({"A", "B"}, {"MPa", "mm"})
        .valued([](int step, int ix, int iy, int k) {
            if (k == 1 && step == 2 && ix >= 1 && ix <= 2 && iy <= 2)
                return static_cast<float>((ix - 1) * 3 + iy + 1);
            return k == 1 ? 100.0f * step : 0.0f;
        });
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings = window(2, 3, 1, 3, 1);

    const HistoryValues values = ComputeHistoryValues(file.document, settings);

    QVERIFY(values.complete());
    QCOMPARE(values.sums.size(), std::size_t(2));
    QCOMPARE(values.sums[0], 600.0);
    QCOMPARE(values.averages[0], 100.0);
    QCOMPARE(values.sums[1], 21.0);
    QCOMPARE(values.averages[1], 3.5);
    QVERIFY(file.reporter.messages.empty());
}

void TestHistoryValues::oneElementWindowGivesEqualSumAndAverage()
{
    TestSeam seam = TestSeam().sized(3, 3, 2)
        .valued([](int step, int ix, int iy, int) { return 0.1f * step + ix - 2.5f * iy; });
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings = window(3, 3, 2, 2);

    const HistoryValues values = ComputeHistoryValues(file.document, settings);

    QCOMPARE(values.sums.size(), std::size_t(3));
    for (int s = 1; s <= 3; ++s) {
        QCOMPARE(values.sums[s - 1], values.averages[s - 1]);
        QCOMPARE(values.sums[s - 1], static_cast<double>(0.1f * s + 2 - 2.5f));
    }
}

void TestHistoryValues::oneEntryPerStep_data()
{
    QTest::addColumn<int>("steps");
    QTest::newRow("one step") << 1;
    QTest::newRow("twenty steps") << 20;
    QTest::newRow("more than twenty") << 27;
    QTest::newRow("the most the cache names allow") << 99;
}

void TestHistoryValues::oneEntryPerStep()
{
    QFETCH(int, steps);
    TestSeam seam = TestSeam().sized(steps, 2, 2)
        .valued([](int step, int ix, int iy, int) { return static_cast<float>(step * 10 + ix * 2 + iy); });
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings = window(1, 2, 1, 2);

    const HistoryValues values = ComputeHistoryValues(file.document, settings);

    QCOMPARE(values.sums.size(), std::size_t(steps));
    QCOMPARE(values.averages.size(), std::size_t(steps));
    for (int s = 1; s <= steps; ++s) {
        // Elements 0, 1, 2, 3 over the four cells, plus the step's own offset.
        QCOMPARE(values.sums[s - 1], 40.0 * s + 6.0);
        QCOMPARE(values.averages[s - 1], (40.0 * s + 6.0) / 4);
    }
}

void TestHistoryValues::sumsInDoubleColumnsOuterRowsInner()
{
    // Column 1 holds (big, 1), column 2 (-big, 1). Columns outer: big + 1 loses the 1,
    // the sum ends at 1. Rows outer would give 2. In float32, 2^24 + 1 + 1 stays 2^24.
    const float big = 1e17f;
    TestSeam seam = TestSeam().sized(1, 2, 2, 2).named({"A", "B"}, {"-", "-"})
        .valued([big](int, int ix, int iy, int k) {
            if (k == 0)
                return iy == 1 ? 1.0f : (ix == 0 ? big : -big);
            return ix == 0 && iy == 0 ? 16777216.0f : (ix == 1 && iy == 1 ? 0.0f : 1.0f);
        });
    OpenedSeam file(seam);
    QVERIFY(file.opened());

    PlotSettings order = window(1, 2, 1, 2, 0);
    QCOMPARE(ComputeHistoryValues(file.document, order).sums[0], 1.0);
    PlotSettings precision = window(1, 2, 1, 2, 1);
    QCOMPARE(ComputeHistoryValues(file.document, precision).sums[0], 16777218.0);
}

void TestHistoryValues::leavesTheStepForReloading()
{
    TestSeam seam = TestSeam().sized(4, 2, 1).valued([](int step, int, int, int) { return static_cast<float>(step); });
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    QVERIFY(file.document.loadStep(2));
    PlotSettings settings = window(1, 1, 1, 1);
    settings.step = 2;

    ComputeHistoryValues(file.document, settings);

    QVERIFY(settings.stepReloadPending);
    QCOMPARE(settings.step, 2);
    QCOMPARE(file.document.grid().values[0][0][0], 4.0f);
}

void TestHistoryValues::windowOutsideTheGridIsReported_data()
{
    QTest::addColumn<int>("minX");
    QTest::addColumn<int>("maxX");
    QTest::addColumn<int>("minY");
    QTest::addColumn<int>("maxY");
    QTest::addColumn<int>("item");
    QTest::newRow("past the last column") << 2 << 4 << 1 << 1 << 0;
    QTest::newRow("past the last row") << 1 << 1 << 1 << 3 << 0;
    QTest::newRow("column zero") << 0 << 1 << 1 << 1 << 0;
    QTest::newRow("min above max") << 2 << 1 << 1 << 1 << 0;
    QTest::newRow("item past the file's items") << 1 << 1 << 1 << 1 << 1;
}

void TestHistoryValues::windowOutsideTheGridIsReported()
{
    QFETCH(int, minX);
    QFETCH(int, maxX);
    QFETCH(int, minY);
    QFETCH(int, maxY);
    QFETCH(int, item);
    TestSeam seam = TestSeam().sized(2, 3, 2);
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings = window(minX, maxX, minY, maxY, item);

    const HistoryValues values = ComputeHistoryValues(file.document, settings);

    QVERIFY(!values.complete());
    QCOMPARE(values.stepsSummed, 0);
    QCOMPARE(values.sums, std::vector<double>(2, 0.0));
    QCOMPARE(file.reporter.messages.size(), std::size_t(1));
}

QTEST_GUILESS_MAIN(TestHistoryValues)
#include "tst_HistoryValues.moc"
