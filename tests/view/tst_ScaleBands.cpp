#include "data/NumberFormat.h"
#include "model/PlotSettings.h"
#include "view/ScaleBands.h"
#include "data/StepRanges.h"

#include "view_helpers.h"

#include <QtTest>

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
constexpr float inf = std::numeric_limits<float>::infinity();

PlotSettings userRange(float lower, float upper)
{
    PlotSettings settings;
    settings.colSq.scaleMode = ScaleMode::MinToMax;
    settings.colSq.scaleMin = lower;
    settings.colSq.scaleMax = upper;
    return settings;
}

// A 3 x 2 grid with these six values, column by column.
std::unique_ptr<MemoryGrid> sixCells(std::array<float, 6> values)
{
    return std::make_unique<MemoryGrid>(3, 2, 1.0f, [values](int ix, int iy) { return values[ix * 2 + iy]; });
}

} // namespace

class tst_ScaleBands : public QObject
{
    Q_OBJECT

private slots:
    // Ten additions of 0.1f in float32 end one unit in the last place above 1:
    // the limits are summed, not computed as lower + k * step.
    void limitsAccumulateInFloat()
    {
        const MemoryGrid data(1, 1, 1.0f, [](int, int) { return 0.0f; });
        PlotSettings settings = userRange(0.0f, 1.0f);
        ComputeScaleTable(data.header, data.grid, settings);
        QCOMPARE(settings.scaleTable[0], 0.0f);
        QCOMPARE(settings.scaleTable[1], 0.1f);
        QCOMPARE(settings.scaleTable[10], std::nextafter(1.0f, 2.0f));
        for (int k = 1; k <= 10; ++k)
            QVERIFY(settings.scaleTable[k] > settings.scaleTable[k - 1]);
    }

    // The step is formed in double and rounded once: rounded from the float32
    // difference, the limits of -5 .. 0.3 end on 0.3 and put -2.35 a band lower,
    // and the span of -2e38 .. 2e38 overflows to infinite limits.
    void stepIsRoundedOnce()
    {
        const MemoryGrid data(1, 3, 1.0f, [](int, int iy) { return std::array{-5.0f, -2.35f, 0.3f}[iy]; });
        PlotSettings settings;
        ComputeScaleTable(data.header, data.grid, settings);
        QCOMPARE(NumberFormat::general(settings.scaleTable[10], 6, 12), std::string("    0.299999"));
        QCOMPARE(BandIndex(settings.scaleTable, -2.35f), 5);
        const MemoryGrid wide(1, 2, 1.0f, [](int, int iy) { return iy == 0 ? -2e38f : 2e38f; });
        ComputeScaleTable(wide.header, wide.grid, settings);
        QVERIFY(std::isfinite(settings.scaleTable[1]) && std::isfinite(settings.scaleTable[10]));
        QCOMPARE(BandIndex(settings.scaleTable, 1e38f), 7);
    }

    void automaticScansEveryCell()
    {
        // values[0][0] lies inside the range; the extremes sit in the last column and the first.
        const auto data = sixCells({5.0f, 20.0f, 7.0f, 3.0f, -10.0f, 6.0f});
        PlotSettings settings;
        settings.colSq.scaleMin = 100.0f; // only MinToMax reads these
        settings.colSq.scaleMax = 200.0f;
        ComputeScaleTable(data->header, data->grid, settings);
        QCOMPARE(settings.scaleTable[0], -10.0f);
        QCOMPARE(settings.scaleTable[1], -7.0f);
        QCOMPARE(settings.scaleTable[10], 20.0f);
    }

    void flatDataPutsEveryLimitOnTheValue()
    {
        const MemoryGrid data(4, 3, 1.0f, [](int, int) { return 2.5f; });
        PlotSettings settings;
        ComputeScaleTable(data.header, data.grid, settings);
        for (const float limit : settings.scaleTable)
            QCOMPARE(limit, 2.5f);
        QCOMPARE(BandIndex(settings.scaleTable, 2.5f), 0);
    }

    // Over all steps the automatic scale spans the file's range, not the step's;
    // a user's Min-Max scale still wins, and the scale of one step stays the default.
    void scaleOverAllSteps_data()
    {
        QTest::addColumn<bool>("overAllSteps");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("itemKnown");
        QTest::addColumn<float>("lower");
        QTest::addColumn<float>("upper");
        // The step shows 1 .. 6; the file's other step -40 .. 90.
        QTest::newRow("one step's scale by default") << false << 0 << true << 1.0f << 6.0f;
        QTest::newRow("all steps") << true << 0 << true << -40.0f << 90.0f;
        QTest::newRow("a user scale wins") << true << 1 << true << 2.0f << 3.0f;
        QTest::newRow("an item never a number: the step's") << true << 0 << false << 1.0f << 6.0f;
    }
    void scaleOverAllSteps()
    {
        QFETCH(bool, overAllSteps);
        QFETCH(int, mode);
        QFETCH(bool, itemKnown);
        QFETCH(float, lower);
        QFETCH(float, upper);
        auto data = sixCells({1, 2, 3, 4, 5, 6});
        StepRanges ranges(2, 1);
        const std::array<float, 6> step1{1, 2, 3, 4, 5, 6};
        const std::array<float, 3> step2{-40, 90, notANumber};
        if (itemKnown) {
            ranges.addValues(1, step1.data(), 0, step1.size());
            ranges.addValues(2, step2.data(), 0, step2.size());
        } else {
            ranges.addValues(1, step2.data(), 2, 3);
        }
        PlotSettings settings = userRange(2.0f, 3.0f);
        settings.colSq.scaleMode = static_cast<ScaleMode>(mode);
        settings.colSqScaleOverAllSteps = overAllSteps;
        ComputeScaleTable(data->header, data->grid, settings, &ranges);
        QCOMPARE(settings.scaleTable[0], lower);
        // The limits accumulate: the last may miss the upper end in its last bits.
        QVERIFY(std::abs(settings.scaleTable[10] - upper) < 1e-5f * std::max(1.0f, std::abs(upper)));
    }

    void userRangeIgnoresTheData()
    {
        const auto data = sixCells({-100.0f, 0.0f, 1.0f, 2.0f, 3.0f, 400.0f});
        PlotSettings settings = userRange(0.0f, 10.0f);
        ComputeScaleTable(data->header, data->grid, settings);
        QCOMPARE(settings.scaleTable[0], 0.0f);
        QCOMPARE(settings.scaleTable[10], 10.0f);
        QCOMPARE(BandIndex(settings.scaleTable, -100.0f), 0);
        QCOMPARE(BandIndex(settings.scaleTable, 400.0f), 9);
    }

    void bandOfValue_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("band");
        // Under the limits 0, 1, ..., 10 (exact in float32).
        QTest::newRow("below the scale") << -0.5f << 0;
        QTest::newRow("on the lower end") << 0.0f << 0;
        QTest::newRow("inside band 0") << 0.5f << 0;
        QTest::newRow("on inner limit 1") << 1.0f << 0;
        QTest::newRow("just above limit 1") << std::nextafter(1.0f, 2.0f) << 1;
        QTest::newRow("on inner limit 3") << 3.0f << 2;
        QTest::newRow("on inner limit 9") << 9.0f << 8;
        QTest::newRow("inside band 9") << 9.5f << 9;
        QTest::newRow("on the upper end") << 10.0f << 9;
        QTest::newRow("above the scale") << 11.0f << 9;
        QTest::newRow("NaN") << notANumber << 9;
        QTest::newRow("+inf") << inf << 9;
        QTest::newRow("-inf") << -inf << 0;
    }
    void bandOfValue()
    {
        QFETCH(float, value);
        QFETCH(int, band);
        const MemoryGrid data(1, 1, 1.0f, [](int, int) { return 0.0f; });
        PlotSettings settings = userRange(0.0f, 10.0f);
        ComputeScaleTable(data.header, data.grid, settings);
        QCOMPARE(BandIndex(settings.scaleTable, value), band);
    }

    void equalUserLimitsSplitAtTheValue_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("band");
        QTest::newRow("below") << 4.0f << 0;
        QTest::newRow("equal") << 5.0f << 0;
        QTest::newRow("above") << 6.0f << 9;
    }
    void equalUserLimitsSplitAtTheValue()
    {
        QFETCH(float, value);
        QFETCH(int, band);
        const MemoryGrid data(1, 1, 1.0f, [](int, int) { return 0.0f; });
        PlotSettings settings = userRange(5.0f, 5.0f);
        ComputeScaleTable(data.header, data.grid, settings);
        QCOMPARE(BandIndex(settings.scaleTable, value), band);
    }

    // A NaN not in the first cell fails every comparison of the scan and is passed over.
    void automaticPassesOverNaN()
    {
        const auto data = sixCells({1.0f, notANumber, 2.0f, notANumber, 3.0f, 11.0f});
        PlotSettings settings;
        ComputeScaleTable(data->header, data->grid, settings);
        QCOMPARE(settings.scaleTable[0], 1.0f);
        QCOMPARE(settings.scaleTable[10], 11.0f);
    }

    // A step of NaN data leaves no finite limit: every value still gets a band.
    void nonFiniteLimitsStillGiveBands_data()
    {
        QTest::addColumn<float>("firstCell");
        QTest::addColumn<float>("otherCell");
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("band");
        QTest::newRow("all NaN, finite value") << notANumber << notANumber << 1.0f << 9;
        QTest::newRow("all NaN, -inf") << notANumber << notANumber << -inf << 0;
        QTest::newRow("lower end -inf") << -inf << 5.0f << 5.0f << 9;
        QTest::newRow("upper end +inf, finite value") << 0.0f << inf << 5.0f << 0;
        QTest::newRow("upper end +inf, +inf") << 0.0f << inf << inf << 9;
    }
    void nonFiniteLimitsStillGiveBands()
    {
        QFETCH(float, firstCell);
        QFETCH(float, otherCell);
        QFETCH(float, value);
        QFETCH(int, band);
        const MemoryGrid data(2, 1, 1.0f, [=](int ix, int) { return ix == 0 ? firstCell : otherCell; });
        PlotSettings settings;
        ComputeScaleTable(data.header, data.grid, settings);
        QCOMPARE(BandIndex(settings.scaleTable, value), band);
    }

    // A grid without the item (a stale setting) is not read past its block.
    void itemOutsideTheGridGivesFlatScale()
    {
        const MemoryGrid data(2, 2, 1.0f, [](int, int) { return 7.0f; });
        PlotSettings settings;
        settings.colSq.itemIndex = 3;
        ComputeScaleTable(data.header, data.grid, settings);
        for (const float limit : settings.scaleTable)
            QCOMPARE(limit, 0.0f);
    }
};

QTEST_GUILESS_MAIN(tst_ScaleBands)
#include "tst_ScaleBands.moc"
