#include "support/ChartDraws.h"

#include "charts/CrossSectionPoints.h"
#include "model/PlotSettings.h"

#include <QtTest>

class TestCrossSectionPoints : public QObject
{
    Q_OBJECT

private slots:
    void oneColumnAlongXGivesOnePointAtTheCentre();
    void columnThreeOfFourByFive();
    void rowAlongX();
    void centresAreRoundedToFloatBeforeTheSteps();
    void sectionsOutsideTheGridGiveNoPoints_data();
    void sectionsOutsideTheGridGiveNoPoints();
};

namespace {

PlotSettings section(CrossSectionDirection direction, int location, int item = 0)
{
    PlotSettings settings;
    settings.xsec.direction = direction;
    settings.xsec.location = location;
    settings.xsec.itemIndex = item;
    return settings;
}

// Each element's value tells where it came from: column, row and item in its digits.
float tagged(int, int ix, int iy, int k)
{
    return static_cast<float>(100 * (ix + 1) + 10 * (iy + 1) + k);
}

} // namespace

void TestCrossSectionPoints::oneColumnAlongXGivesOnePointAtTheCentre()
{
    TestSeam seam = TestSeam().sized(1, 1, 3).cells(5.0f, 1000.0f, 2000.0f).valued(tagged);
    OpenedSeam file(seam);
    QVERIFY(file.opened());

    const auto points = CrossSectionPoints::compute(file.document.header(), file.document.grid(),
                                                    section(CrossSectionDirection::ParallelToX, 2));

    QCOMPARE(points.size(), 1);
    QCOMPARE(points[0], QPointF(1002.5, 120.0));
}

void TestCrossSectionPoints::columnThreeOfFourByFive()
{
    TestSeam seam = TestSeam().sized(1, 4, 5, 2).cells(2.0f, -50.0f, 10.0f).named({"A", "B"}, {"MPa", "mm"})
        .valued(tagged);
    OpenedSeam file(seam);
    QVERIFY(file.opened());

    const auto points = CrossSectionPoints::compute(file.document.header(), file.document.grid(),
                                                    section(CrossSectionDirection::ParallelToY, 3, 1));

    // Along Y the positions start at the row centre cy = 11; the values are column 3's, rows 1 to 5.
    const QList<QPointF> expected{{11, 311}, {13, 321}, {15, 331}, {17, 341}, {19, 351}};
    QCOMPARE(points, expected);
}

void TestCrossSectionPoints::rowAlongX()
{
    TestSeam seam = TestSeam().sized(1, 3, 2).cells(0.5f, 4.0f).valued(tagged);
    OpenedSeam file(seam);
    QVERIFY(file.opened());

    const auto points = CrossSectionPoints::compute(file.document.header(), file.document.grid(),
                                                    section(CrossSectionDirection::ParallelToX, 2));

    const QList<QPointF> expected{{4.25, 120}, {4.75, 220}, {5.25, 320}};
    QCOMPARE(points, expected);
}

void TestCrossSectionPoints::centresAreRoundedToFloatBeforeTheSteps()
{
    // 2^24 + 0.5 is no float32: the centre rounds (to even) to 2^24, and the
    // steps from there are exact in double.
    TestSeam seam = TestSeam().sized(1, 3, 1).cells(1.0f, 16777216.0f);
    OpenedSeam file(seam);
    QVERIFY(file.opened());

    const auto points = CrossSectionPoints::compute(file.document.header(), file.document.grid(),
                                                    section(CrossSectionDirection::ParallelToX, 1));

    QCOMPARE(points.size(), 3);
    QCOMPARE(points[0].x(), 16777216.0);
    QCOMPARE(points[2].x(), 16777218.0);
}

void TestCrossSectionPoints::sectionsOutsideTheGridGiveNoPoints_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("location");
    QTest::addColumn<int>("item");
    QTest::newRow("row past the grid") << 0 << 3 << 0;
    QTest::newRow("column past the grid") << 1 << 5 << 0;
    QTest::newRow("location zero") << 0 << 0 << 0;
    QTest::newRow("item past the file's items") << 0 << 1 << 1;
    QTest::newRow("negative item") << 1 << 1 << -1;
}

void TestCrossSectionPoints::sectionsOutsideTheGridGiveNoPoints()
{
    QFETCH(int, direction);
    QFETCH(int, location);
    QFETCH(int, item);
    TestSeam seam = TestSeam().sized(1, 4, 2);
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    const PlotSettings settings = section(static_cast<CrossSectionDirection>(direction), location, item);

    QVERIFY(!CrossSectionPoints::fits(file.document.grid(), settings));
    QVERIFY(CrossSectionPoints::compute(file.document.header(), file.document.grid(), settings).isEmpty());
}

QTEST_GUILESS_MAIN(TestCrossSectionPoints)
#include "tst_CrossSectionPoints.moc"
