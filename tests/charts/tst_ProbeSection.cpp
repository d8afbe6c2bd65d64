#include "charts/ChartTexts.h"
#include "charts/CrossSectionPoints.h"
#include "charts/ProbeSection.h"
#include "data/StepGrid.h"
#include "support/TestHeader.h"
#include "model/PlotSettings.h"
#include "model/ProbeSet.h"

#include <QtTest>

// The Section panel's line is the Cross Section Plot of the probe's row or column.
class TestProbeSection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameAsTheCrossSectionPlot_data();
    void sameAsTheCrossSectionPlot();
    void cellsOutsideTheGridGiveNoPoints_data();
    void cellsOutsideTheGridGiveNoPoints();
    void sectionRunsThroughTheChosenCell_data();
    void sectionRunsThroughTheChosenCell();

private:
    SeamHeader m_header;
    StepGrid m_grid;
};

void TestProbeSection::initTestCase()
{
    m_header = makeHeader(3, 4, 5, 2);
    m_header.originX = -50.0f;
    m_header.originY = 10.0f;
    m_header.cellSize = 2.5f;
    m_header.itemUnits[1] = "mm";
    m_grid.setUp(2, 4, 5);
    for (int ix = 0; ix < 4; ++ix)
        for (int iy = 0; iy < 5; ++iy)
            for (int k = 0; k < 2; ++k)
                m_grid.values[ix][iy][k] = static_cast<float>(100 * (ix + 1) + 10 * (iy + 1) + k);
}

void TestProbeSection::sameAsTheCrossSectionPlot_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("location");
    QTest::newRow("row 2 through column 3") << 0 << 3 << 2 << 0 << 2;
    QTest::newRow("the top row through the last column") << 0 << 4 << 5 << 1 << 5;
    QTest::newRow("column 3 through row 2") << 1 << 3 << 2 << 1 << 3;
    QTest::newRow("column 1 through the top row") << 1 << 1 << 5 << 0 << 1;
}

void TestProbeSection::sameAsTheCrossSectionPlot()
{
    QFETCH(int, direction);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, item);
    QFETCH(int, location);
    const ProbeSection section{static_cast<CrossSectionDirection>(direction), column, row, item};
    PlotSettings plot;
    plot.xsec = XSecChoice{item, section.direction, location};
    plot.plotTitle = m_header.itemName(item);
    plot.step = 3;

    const SectionContent content = section.content(m_header, m_grid, 3);

    const QList<QPointF> expected = CrossSectionPoints::compute(m_header, m_grid, plot);
    QCOMPARE(expected.size(), direction == 0 ? 4 : 5);
    QCOMPARE(content.points, expected);
    QCOMPARE(content.title, ChartTexts::crossSectionTitle(plot));
    QCOMPARE(content.valueTitle, ChartTexts::valueAxisTitle(plot.plotTitle, m_header.itemUnit(item)));
    // From the outer edge of the first cell to that of the last.
    const double end = direction == 0 ? -50.0 + 4 * 2.5 : 10.0 + 5 * 2.5;
    QCOMPARE(content.axis, sectionAxis(direction == 0 ? -50.0 : 10.0, end));
}

void TestProbeSection::cellsOutsideTheGridGiveNoPoints_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("item");
    // The row alone would fit: the cell off the grid must not draw a section anyway.
    QTest::newRow("a column past the grid, along X") << 0 << 5 << 2 << 0;
    QTest::newRow("a row past the grid, along Y") << 1 << 2 << 6 << 0;
    QTest::newRow("row 0") << 0 << 1 << 0 << 0;
    QTest::newRow("an item the grid lacks") << 1 << 1 << 1 << 2;
}

void TestProbeSection::cellsOutsideTheGridGiveNoPoints()
{
    QFETCH(int, direction);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, item);
    const ProbeSection section{static_cast<CrossSectionDirection>(direction), column, row, item};
    QVERIFY(section.points(m_header, m_grid).isEmpty());
}

// The pointer with Follow Pointer (nothing off the map, whatever is pinned);
// else the selected probe, or the last pinned one; a window by its centre cell.
void TestProbeSection::sectionRunsThroughTheChosenCell_data()
{
    QTest::addColumn<bool>("pinned");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("follow");
    QTest::addColumn<bool>("pointerOnMap");
    QTest::addColumn<QPoint>("expected"); // (0, 0): none
    QTest::newRow("nothing pinned") << false << -1 << false << true << QPoint();
    QTest::newRow("last pinned") << true << -1 << false << true << QPoint(3, 2);
    QTest::newRow("selected cell") << true << 0 << false << true << QPoint(2, 5);
    QTest::newRow("selection out of range") << true << 7 << false << true << QPoint(3, 2);
    QTest::newRow("pointer") << true << 0 << true << true << QPoint(9, 8);
    QTest::newRow("pointer off the map") << true << 0 << true << false << QPoint();
}

void TestProbeSection::sectionRunsThroughTheChosenCell()
{
    QFETCH(bool, pinned);
    QFETCH(int, selected);
    QFETCH(bool, follow);
    QFETCH(bool, pointerOnMap);
    QFETCH(QPoint, expected);
    ProbeSet probes;
    if (pinned) {
        probes.pinCell(2, 5);
        probes.pinWindow(4, 3, 2, 1); // columns 2..4, rows 1..3: centre (3, 2)
    }
    const std::optional<QPoint> pointer = pointerOnMap ? std::optional<QPoint>(QPoint(9, 8)) : std::nullopt;
    const std::optional<QPoint> cell = sectionCell(probes, selected, follow, pointer);
    QCOMPARE(cell.value_or(QPoint()), expected);
}

QTEST_APPLESS_MAIN(TestProbeSection)
#include "tst_ProbeSection.moc"
