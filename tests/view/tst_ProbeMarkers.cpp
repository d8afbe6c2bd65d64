#include "view/ProbeMarkers.h"

#include "model/ProbeSet.h"
#include "view/CursorReadout.h"
#include "view/view_helpers.h"

#include <QPainter>
#include <QTest>

namespace {

// A plot drawn on a screen-like page at a dpi and a scroll: the page's zoom and
// origin as the view would paint them.
struct DrawnPlot
{
    DrawnPlot(int columns, int rows, double dpi, QPointF origin)
        : data(columns, rows, 2.5f, [](int ix, int iy) { return float((3 * ix + iy) % 10); }),
          page(QSize(1100, 850), QImage::Format_RGB32)
    {
        page.fill(Qt::white);
        ColSqLayout layout;
        RunLayoutStep(data.header, settings, layout);
        QPainter painter(&page);
        QPainterCanvas canvas(painter, dpi, origin);
        drawn = DrawColoredSquare(data.header, data.grid, reporter, settings, layout, canvas, geometry);
    }
    // The 1-based column and row the readout names at the pixel, (0, 0) for none.
    QPoint cellAt(QPoint pixel) const
    {
        const int cell = CursorReadout::HitTestCell(pixel, settings, true, data.header, geometry);
        if (cell == 0)
            return {};
        const CursorReadout::Cell named = CursorReadout::decode(cell, data.header.rowCount);
        return {named.ix + 1, named.iy + 1};
    }

    MemoryGrid data;
    PlotSettings settings;
    RecordingReporter reporter;
    ReadoutGeometry geometry;
    QImage page;
    bool drawn = false;
};

QList<QPoint> corners(const QRect &rect)
{
    return {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()};
}

} // namespace

class TestProbeMarkers : public QObject
{
    Q_OBJECT

private slots:
    void markerSitsOverTheCellTheReadoutNames_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QPointF>("origin");
        QTest::addColumn<ProbeMarkers::Marker::Shape>("cellShape");
        QTest::newRow("fitted, large cells") << 6 << 4 << 96.0 << QPointF(20, 10) << ProbeMarkers::Marker::Shape::Ring;
        QTest::newRow("zoomed and scrolled") << 6 << 4 << 288.0 << QPointF(-900, -700)
                                             << ProbeMarkers::Marker::Shape::Ring;
        QTest::newRow("fitted, cells of a few pixels") << 200 << 150 << 96.0 << QPointF(3, 5)
                                                       << ProbeMarkers::Marker::Shape::Dot;
        QTest::newRow("odd zoom, cells of a few pixels") << 200 << 150 << 137.0 << QPointF(-31.5, -17.25)
                                                         << ProbeMarkers::Marker::Shape::Dot;
    }
    void markerSitsOverTheCellTheReadoutNames()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(double, dpi);
        QFETCH(QPointF, origin);
        QFETCH(ProbeMarkers::Marker::Shape, cellShape);
        const DrawnPlot plot(columns, rows, dpi, origin);
        QVERIFY(plot.drawn);
        // Probes at the grid's corners and inside, one where the page is scrolled into view.
        const QPoint shownCell = plot.cellAt(QPoint(500, 400));
        QVERIFY(!shownCell.isNull());
        ProbeSet probes;
        const QList<QPoint> cells{{1, 1}, {columns, rows}, {columns, 1}, {2, rows - 1}, shownCell};
        for (const QPoint &cell : cells)
            probes.pinCell(cell.x(), cell.y());
        probes.pinWindow(2, 2, 4, 3);
        const std::vector<ProbeMarkers::Marker> markers = ProbeMarkers::markers(probes, plot.geometry);
        QCOMPARE(int(markers.size()), probes.size());
        for (int i = 0; i < cells.size(); ++i) {
            const ProbeMarkers::Marker &marker = markers[std::size_t(i)];
            QCOMPARE(marker.shape, cellShape);
            QCOMPARE(marker.colour, QColor::fromRgb(ProbeSet::colours[std::size_t(probes.probes()[i].colour)]));
            // Where the readout can be asked, it names the probe's cell at the mark's middle;
            // a ring stands wholly inside that cell.
            const QPoint middle = marker.mark.center();
            if (!plot.page.rect().contains(middle))
                continue;
            QCOMPARE(plot.cellAt(middle), cells[i]);
            if (marker.shape == ProbeMarkers::Marker::Shape::Ring)
                for (const QPoint &corner : corners(marker.mark))
                    QCOMPARE(plot.cellAt(corner), cells[i]);
        }
        // The window's outline runs around its cells: its corner cells lie just inside it.
        const ProbeMarkers::Marker &window = markers.back();
        QCOMPARE(window.shape, ProbeMarkers::Marker::Shape::Window);
        const QList<QPoint> windowCorners{{2, 3}, {4, 3}, {2, 2}, {4, 2}};
        const QList<QPoint> inside = corners(window.cells);
        for (int i = 0; i < inside.size(); ++i)
            if (plot.page.rect().contains(inside[i]) && inside[i].y() != plot.geometry.gridDeviceRect.top())
                QCOMPARE(plot.cellAt(inside[i]), windowCorners[i]);
        QVERIFY(window.mark.contains(window.cells));
    }

    // A probe pinned on a larger grid than the one drawn shows no marker, never one over another cell.
    void noMarkerBeyondTheDrawnGrid()
    {
        const DrawnPlot plot(6, 4, 96.0, QPointF());
        ProbeSet probes;
        probes.pinCell(7, 1);
        probes.pinCell(1, 5);
        probes.pinWindow(5, 3, 7, 4);
        probes.pinCell(6, 4);
        const std::vector<ProbeMarkers::Marker> markers = ProbeMarkers::markers(probes, plot.geometry);
        QCOMPARE(int(markers.size()), 1);
        QCOMPARE(plot.cellAt(markers[0].mark.center()), QPoint(6, 4));
        QVERIFY(ProbeMarkers::markers(probes, ReadoutGeometry{}).empty());
    }

    // The ring shows black, the probe's colour and white from its edge in, and
    // leaves the cell's own colour in its middle and its margin.
    void ringReadsOnTheCell()
    {
        DrawnPlot plot(6, 4, 96.0, QPointF());
        const QPoint middle = plot.geometry.gridDeviceRect.center();
        const QPoint cell = plot.cellAt(middle);
        ProbeSet probes;
        probes.pinCell(cell.x(), cell.y());
        const std::vector<ProbeMarkers::Marker> markers = ProbeMarkers::markers(probes, plot.geometry);
        QCOMPARE(int(markers.size()), 1);
        const ProbeMarkers::Marker &ring = markers[0];
        const QColor cellColour = plot.page.pixelColor(ring.mark.center());
        {
            QPainter painter(&plot.page);
            ProbeMarkers::draw(painter, markers);
        }
        const int y = ring.mark.center().y();
        const int left = ring.mark.left();
        QCOMPARE(plot.page.pixelColor(left - 1, y), cellColour);
        QCOMPARE(plot.page.pixelColor(left, y), QColor(Qt::black));
        int x = left + 1;
        while (plot.page.pixelColor(x, y) == ring.colour)
            ++x;
        QVERIFY(x - left - 1 >= 2);
        QCOMPARE(plot.page.pixelColor(x, y), QColor(Qt::white));
        QCOMPARE(plot.page.pixelColor(x + 1, y), cellColour);
        QCOMPARE(plot.page.pixelColor(ring.mark.center()), cellColour);
    }
};

QTEST_MAIN(TestProbeMarkers)
#include "tst_ProbeMarkers.moc"
