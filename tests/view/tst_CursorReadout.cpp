#include "view/CursorReadout.h"

#include "view/ColSqLayout.h"
#include "view/DrawColoredSquare.h"
#include "view/PageZoom.h"
#include "view/PaletteColors.h"
#include "model/PlotSettings.h"
#include "view/QPainterCanvas.h"
#include "support/RecordingCanvas.h"
#include "view/ScaleBands.h"
#include "view/view_helpers.h"

#include <QPainter>
#include <QTest>

namespace {

// The 4 x 2 grid of cell size 10 at the origin, drawn on a paper canvas of 100 dpi,
// where device units are logical units with y turned down: the grid's rectangle
// runs from x 44 to 644 and from y 246 (top) to 546 (bottom).
struct DrawnGrid
{
    DrawnGrid() : memory(4, 2, 10.0f, [](int ix, int iy) { return float(ix * 10 + iy); })
    {
        RunLayoutStep(memory.header, settings, layout);
        RecordingCanvas canvas;
        DrawColoredSquare(memory.header, memory.grid, reporter, settings, layout, canvas, geometry);
    }
    int hit(int x, int y) const
    {
        return CursorReadout::HitTestCell(QPoint(x, y), settings, true, memory.header, geometry);
    }

    MemoryGrid memory;
    RecordingReporter reporter;
    PlotSettings settings;
    ColSqLayout layout;
    ReadoutGeometry geometry;
};

} // namespace

class TestCursorReadout : public QObject
{
    Q_OBJECT

private slots:
    void gridEdges()
    {
        DrawnGrid drawn;
        QVERIFY(drawn.settings.colSqDrawn);
        QCOMPARE(drawn.geometry.gridDeviceRect, QRect(QPoint(44, 246), QPoint(643, 545)));
        // The left edge is inside: column 1, bottom row 1.
        QCOMPARE(drawn.hit(44, 545), 1);
        // Columns are 150 device units wide and rows 150 high: x 195 lies in column 2, y 394 in row 2.
        QCOMPARE(drawn.hit(195, 545), 1 * 2 + 0 + 1);
        QCOMPARE(drawn.hit(195, 394), 1 * 2 + 1 + 1);
        QCOMPARE(drawn.hit(643, 300), 3 * 2 + 1 + 1);
        // The right and bottom edges are outside.
        QCOMPARE(drawn.hit(644, 300), 0);
        QCOMPARE(drawn.hit(100, 546), 0);
        // The top border row lies inside the rectangle but its row number is the row count: no cell,
        // and not a cell of the row below.
        QCOMPARE(drawn.hit(100, 246), 0);
        QVERIFY(drawn.hit(100, 247) != 0);
    }

    // Every pixel of the grid, drawn as the screen draws it, names the cell whose
    // colour it shows; neighbouring cells differ in colour (x steps three bands, y
    // one). Cells of 7.2 pixels are filled as runs, cells under 4 pixels as an image.
    // The zoomed pages stand in a view as the plot view places them, fitted at odd
    // factors or zoomed in and scrolled, so cell edges fall on pixel centres too.
    void everyPixelNamesTheCellItShows_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QPointF>("origin");
        QTest::addColumn<QSize>("device");
        const auto page = [](int dpi) { return QSize(1024 * dpi / 100, 768 * dpi / 100); };
        QTest::newRow("80 x 60 at 96 dpi") << 80 << 60 << 96.0 << QPointF(0, 0) << page(96);
        QTest::newRow("scrolled") << 80 << 60 << 96.0 << QPointF(-37, -11) << page(96);
        QTest::newRow("taller than wide at 120 dpi") << 45 << 70 << 120.0 << QPointF(0, 0) << page(120);
        QTest::newRow("small cells through an image") << 300 << 200 << 96.0 << QPointF(0, 0) << page(96);
        QTest::newRow("twice the true size, half-pixel origin")
            << 80 << 60 << 192.0 << QPointF(-100.5, -50.5) << QSize(900, 700);
        QTest::newRow("three times, scrolled") << 80 << 60 << 288.0 << QPointF(-777.5, -333.5) << QSize(900, 700);
        QTest::newRow("three times, small cells") << 1000 << 1000 << 288.0 << QPointF(-601, -299.5) << QSize(900, 700);
        struct Zoomed
        {
            const char *name;
            int columns;
            int rows;
            QSize view;
            int zoomIns;
            QPoint scroll;
        };
        const Zoomed zoomed[] = {
            {"fitted at 1.37", 80, 60, QSize(1347, 1010), 0, {}},
            {"fitted at 0.83", 80, 60, QSize(816, 613), 0, {}},
            {"zoom in x2", 80, 60, QSize(900, 700), 2, {0, 0}},
            {"zoom in x3 scrolled", 80, 60, QSize(900, 700), 3, {333, 517}},
            {"zoom in x3, 300 x 200, scrolled", 300, 200, QSize(900, 700), 3, {401, 299}},
            {"300 x 200 fitted at 1.37", 300, 200, QSize(1347, 1010), 0, {}},
            {"1000 x 1000 fitted at 1.37", 1000, 1000, QSize(1347, 1010), 0, {}},
            {"1000 x 1000 at zoom in x2", 1000, 1000, QSize(900, 700), 2, {0, 0}},
            {"1000 x 1000 at zoom in x3 scrolled", 1000, 1000, QSize(900, 700), 3, {777, 123}},
        };
        const QSizeF truePage(983, 737); // the page at 96 dpi, as the view rounds it
        for (const Zoomed &z : zoomed) {
            PageZoom zoom;
            for (int i = 0; i < z.zoomIns; ++i)
                zoom.zoomIn(z.view, truePage);
            QTest::newRow(z.name) << z.columns << z.rows << 96.0 * zoom.factor(z.view, truePage)
                                  << zoom.origin(z.view, truePage, z.scroll) << z.view;
        }
    }
    void everyPixelNamesTheCellItShows()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(double, dpi);
        QFETCH(QPointF, origin);
        QFETCH(QSize, device);
        const MemoryGrid data(columns, rows, 2.5f, [](int ix, int iy) { return float((3 * ix + iy) % 10); });
        PlotSettings settings;
        settings.colSq.palette = Palette::Roygbiv; // neither black nor white is a band colour here
        ColSqLayout layout;
        RunLayoutStep(data.header, settings, layout);
        RecordingReporter reporter;
        ReadoutGeometry geometry;
        QImage page(device, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            QPainterCanvas canvas(painter, dpi, origin);
            QVERIFY(DrawColoredSquare(data.header, data.grid, reporter, settings, layout, canvas, geometry));
        }
        const auto &colors = PaletteColors(settings.colSq.palette);
        const QRect grid = geometry.gridDeviceRect;
        const QRect checked = grid.adjusted(-2, -2, 2, 2) & page.rect();
        int wrong = 0;
        QString first;
        for (int y = checked.top(); y <= checked.bottom(); ++y) {
            for (int x = checked.left(); x <= checked.right(); ++x) {
                const int cell = CursorReadout::HitTestCell(QPoint(x, y), settings, true, data.header, geometry);
                if (!grid.contains(QPoint(x, y)) || y == grid.top()) {
                    QCOMPARE(cell, 0);
                    continue;
                }
                // The outline is dark over the cells: its pen of 0.96 pixels blends a trace of them in.
                const QColor shown = page.pixelColor(x, y);
                if (shown.lightness() < 40)
                    continue;
                const CursorReadout::Cell named = CursorReadout::decode(cell, rows);
                if (cell == 0
                    || QColor(colors[BandIndex(settings.scaleTable, data.grid.values[named.ix][named.iy][0])]) != shown) {
                    if (wrong++ == 0)
                        first = QString("(%1, %2) shows another cell than %3").arg(x).arg(y).arg(cell);
                }
            }
        }
        if (wrong > 0)
            QFAIL(qPrintable(QString("%1 pixels name another cell; the first: %2").arg(wrong).arg(first)));
    }

    void nothingOffTheGrid()
    {
        DrawnGrid drawn;
        QCOMPARE(drawn.hit(720, 300), 0); // legend
        QCOMPARE(drawn.hit(300, 80), 0);  // title
        QCOMPARE(drawn.hit(10, 10), 0);   // margin
    }

    void nothingForAnotherPlotOrWithoutAFile()
    {
        DrawnGrid drawn;
        const QPoint inside(200, 400);
        QVERIFY(drawn.hit(inside.x(), inside.y()) != 0);
        QCOMPARE(CursorReadout::HitTestCell(inside, drawn.settings, false, drawn.memory.header, drawn.geometry), 0);
        drawn.settings.plotType = PlotType::History;
        QCOMPARE(drawn.hit(inside.x(), inside.y()), 0);
        drawn.settings.plotType = PlotType::ColoredSquare;
        drawn.settings.colSqDrawn = false;
        QCOMPARE(drawn.hit(inside.x(), inside.y()), 0);
    }

    void decoding()
    {
        const CursorReadout::Cell cell = CursorReadout::decode(45, 20);
        QCOMPARE(cell.ix + 1, 3);
        QCOMPARE(cell.iy + 1, 5);
        const CursorReadout::Cell first = CursorReadout::decode(1, 20);
        QCOMPARE(first.ix, 0);
        QCOMPARE(first.iy, 0);
        const CursorReadout::Cell lastOfColumn = CursorReadout::decode(20, 20);
        QCOMPARE(lastOfColumn.ix, 0);
        QCOMPARE(lastOfColumn.iy, 19);
    }

    void text()
    {
        MemoryGrid memory(5, 20, 1.0f, [](int ix, int iy) { return ix == 2 && iy == 11 ? 1.5f : -2.5e-7f; });
        const int cell = 2 * 20 + 11 + 1;
        QCOMPARE(CursorReadout::readoutText(cell, memory.header, memory.grid, 0),
                 std::string("x =   3, y =  12,          1.5"));
        QCOMPARE(CursorReadout::readoutText(1, memory.header, memory.grid, 0),
                 std::string("x =   1, y =   1,    -2.5e-007"));
        QCOMPARE(CursorReadout::readoutText(0, memory.header, memory.grid, 0), std::string());
        // A cell number beyond the grid, or an item the grid does not hold, reads nothing.
        QCOMPARE(CursorReadout::readoutText(5 * 20 + 1, memory.header, memory.grid, 0), std::string());
        QCOMPARE(CursorReadout::readoutText(cell, memory.header, memory.grid, 1), std::string());
    }
};

QTEST_MAIN(TestCursorReadout)
#include "tst_CursorReadout.moc"
