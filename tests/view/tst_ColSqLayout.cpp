#include "data/NumberFormat.h"
#include "data/SeamHeader.h"
#include "view/ColSqLayout.h"
#include "model/PlotSettings.h"

#include "view_helpers.h"

#include <QtTest>

#include <cmath>
#include <limits>

class tst_ColSqLayout : public QObject
{
    Q_OBJECT

private slots:
    void fourByTwoExample()
    {
        const ColSqLayout l = ColSqLayout::fromHeader(gridHeader(4, 2, 10.0f));
        QCOMPARE(l.gridLeft, 0.0f);
        QCOMPARE(l.gridRight, 40.0f);
        QCOMPARE(l.gridBottom, 0.0f);
        QCOMPARE(l.gridTop, 20.0f);
        QCOMPARE(l.side, 40.0f);
        QCOMPARE(l.padX, 0.0f);
        QCOMPARE(l.padY, 10.0f);
        QCOMPARE(l.frameLeft, -1.6f);
        QCOMPARE(l.frameRight, 64.0f);
        QCOMPARE(l.frameBottom, -4.8f);
        QCOMPARE(l.frameTop, 46.4f);
        QCOMPARE(l.frameWidth, 65.6f);
        QCOMPARE(l.frameHeight, 51.2f);
        QCOMPARE(l.scale, 15.0f);
        QCOMPARE(l.offsetX, 44.0f);
        QCOMPARE(l.offsetY, -696.0f);
        QCOMPARE(l.LogicalX(l.frameLeft), 20);
        QCOMPARE(l.LogicalX(l.frameRight), 1004);
        QCOMPARE(l.LogicalY(l.frameBottom), -768);
        QCOMPARE(l.LogicalY(l.frameTop), 0);
    }

    // Whatever the grid, the frame fills the page's height and the square of
    // side `side` stands at the same logical place, to within one unit.
    void frameAndSquareLandOnPage_data()
    {
        addGridShapes();
        QTest::newRow("square") << 5 << 5 << 1.0f << 0.0f << 0.0f;
        QTest::newRow("one cell away from origin") << 1 << 1 << 10.0f << -12345.0f << 67890.0f;
        QTest::newRow("large grid of small cells") << 1000 << 1000 << 0.5f << 0.0f << 0.0f;
    }
    void frameAndSquareLandOnPage()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(float, cellSize);
        QFETCH(float, originX);
        QFETCH(float, originY);
        const ColSqLayout l = ColSqLayout::fromHeader(gridHeader(columns, rows, cellSize, originX, originY));
        const auto near = [](int actual, int expected) { return std::abs(actual - expected) <= 1; };
        QVERIFY2(near(l.LogicalX(l.frameLeft), 20), qPrintable(QString::number(l.LogicalX(l.frameLeft))));
        QVERIFY(near(l.LogicalX(l.frameRight), 1004));
        QVERIFY(near(l.LogicalY(l.frameBottom), -768));
        QVERIFY(near(l.LogicalY(l.frameTop), 0));
        QVERIFY(near(l.LogicalX(l.gridLeft), 44));
        QVERIFY(near(l.LogicalX(l.gridLeft + l.side), 644));
        QVERIFY(near(l.LogicalY(l.gridBottom), -696));
        QVERIFY(near(l.LogicalY(l.gridBottom + l.side), -96));
        // The cells are centred in the square: each of their edges within one unit.
        const auto nearSum = [](int actual, int expected) { return std::abs(actual - expected) <= 2; };
        const float cellsRight = l.gridLeft + l.padX + columns * cellSize;
        const float cellsTop = l.gridBottom + l.padY + rows * cellSize;
        QVERIFY(nearSum(l.LogicalX(l.gridLeft + l.padX) + l.LogicalX(cellsRight), 44 + 644));
        QVERIFY(nearSum(l.LogicalY(l.gridBottom + l.padY) + l.LogicalY(cellsTop), -696 - 96));
    }

    void padsFollowTheLongerSide_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<float>("side");
        QTest::addColumn<float>("padX");
        QTest::addColumn<float>("padY");
        QTest::newRow("wide") << 6 << 2 << 60.0f << 0.0f << 20.0f;
        QTest::newRow("tall") << 2 << 6 << 60.0f << 20.0f << 0.0f;
        QTest::newRow("square") << 3 << 3 << 30.0f << 0.0f << 0.0f;
    }
    void padsFollowTheLongerSide()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(float, side);
        QFETCH(float, padX);
        QFETCH(float, padY);
        const ColSqLayout l = ColSqLayout::fromHeader(gridHeader(columns, rows, 10.0f));
        QCOMPARE(l.side, side);
        QCOMPARE(l.padX, padX);
        QCOMPARE(l.padY, padY);
    }

    void logicalRoundsToFloatThenTruncatesTowardZero_data()
    {
        QTest::addColumn<double>("world");
        QTest::addColumn<int>("logical");
        // scale 1, offset 0.25 below: the sum is truncated, not floored.
        QTest::newRow("positive fraction") << 0.5 << 0;
        QTest::newRow("negative fraction") << -0.75 << 0;
        QTest::newRow("negative above one") << -1.5 << -1;
        QTest::newRow("whole") << 0.75 << 1;
        // 0.99999999999 is 1 as a float: the world value is rounded before anything else.
        QTest::newRow("double that rounds up as float") << 0.74999999999 << 1;
    }
    void logicalRoundsToFloatThenTruncatesTowardZero()
    {
        QFETCH(double, world);
        QFETCH(int, logical);
        ColSqLayout l;
        l.scale = 1.0f;
        l.offsetX = 0.25f;
        l.offsetY = 0.25f;
        QCOMPARE(l.LogicalX(world), logical);
        QCOMPARE(l.LogicalY(world), logical);
    }

    // The bounds are formed in double and rounded once: 25 x 0.3 from -7.7 ends at
    // -0.19999951, not at the -0.19999933 of a product rounded first.
    void gridBoundsRoundedOnce()
    {
        const ColSqLayout wide = ColSqLayout::fromHeader(gridHeader(25, 1, 0.3f, -7.7f));
        QCOMPARE(QString::fromStdString(NumberFormat::general(wide.gridRight, 6, 15)), QString("           -0.2"));
        const ColSqLayout tall = ColSqLayout::fromHeader(gridHeader(1, 25, 0.3f, 0.0f, -7.7f));
        QCOMPARE(tall.gridTop, wide.gridRight);
    }

    // 15 x 160.53333f is 2407.99988 in double: rounded to float32 on its own it
    // would be 2408, and the sum 1712 instead of 1711.99988.
    void productAndSumRoundedOnce()
    {
        ColSqLayout l;
        l.scale = 15.0f;
        l.offsetX = -696.0f;
        l.offsetY = -696.0f;
        QCOMPARE(l.LogicalX(160.5333251953125), 1711);
        QCOMPARE(l.LogicalY(160.5333251953125), 1711);
    }

    void nonFiniteCoordinatesStayInRange_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("logical");
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
        QTest::newRow("+inf") << std::numeric_limits<double>::infinity() << 1000000;
        QTest::newRow("-inf") << -std::numeric_limits<double>::infinity() << -1000000;
        QTest::newRow("beyond int") << 3.0e9 << 1000000;
        QTest::newRow("inside") << -1234.9 << -1234;
    }
    void nonFiniteCoordinatesStayInRange()
    {
        QFETCH(double, value);
        QFETCH(int, logical);
        QCOMPARE(truncateLogical(value), logical);
    }

    // A grid whose size overflows float32 gives a layout of infinities and NaN;
    // its logical coordinates must still be ordinary ints.
    void overflowingGridGivesBoundedCoordinates()
    {
        const ColSqLayout l = ColSqLayout::fromHeader(gridHeader(80, 60, 1.0e38f));
        QVERIFY(std::isinf(l.gridRight));
        for (const double x : {0.0, 1.0e38, static_cast<double>(l.gridRight), 1.0e300}) {
            QVERIFY(std::abs(l.LogicalX(x)) <= 1000000);
            QVERIFY(std::abs(l.LogicalY(x)) <= 1000000);
        }
    }

    void layoutStepTitlesTheFirstDrawOnly()
    {
        const SeamHeader header = gridHeader(4, 2, 10.0f);
        PlotSettings settings;
        ColSqLayout layout;
        RunLayoutStep(header, settings, layout);
        QCOMPARE(settings.plotTitle, std::string("Vertical Stress"));
        QVERIFY(settings.layoutReady);
        QCOMPARE(layout.scale, 15.0f);

        settings.plotTitle = "Convergence";
        RunLayoutStep(gridHeader(2, 4, 10.0f), settings, layout);
        QCOMPARE(settings.plotTitle, std::string("Convergence"));
        QCOMPARE(layout.padX, 10.0f);
    }
};

QTEST_GUILESS_MAIN(tst_ColSqLayout)
#include "tst_ColSqLayout.moc"
