// The SVG and PDF pictures of the Colored Square Plot, rasterised: the cells
// of the lean files are the cells of one fill per run, and real renderers
// (librsvg, poppler) show no seam between them while texts and lines keep
// their anti-aliasing.

#include "view/Canvas.h"
#include "view/ColoredSquareCopy.h"
#include "view/PagePicture.h"
#include "view/PaletteColors.h"
#include "support/Rasterised.h"
#include "support/RecordingCanvas.h"

#include "support/TestSeam.h"
#include "view_helpers.h"

#include <QSvgRenderer>
#include <QtTest>

#include <functional>
#include <optional>

namespace {

enum class Source { RenderedSvg, ClipboardSvg, Pdf };

PlotSettings tenBands()
{
    PlotSettings settings;
    settings.colSq.scaleMode = ScaleMode::MinToMax;
    settings.colSq.scaleMin = 0.0f;
    settings.colSq.scaleMax = 10.0f;
    return settings;
}

// The page of sembla-cli render, or the clipboard's SVG, of a grid; the grid's
// outline in page units (1024 x 768, y downward) goes to gridRect.
QByteArray picture(Source source, const SeamHeader &header, const StepGrid &grid, QRect &gridRect)
{
    PlotSettings settings = tenBands();
    ColSqLayout layout;
    RunLayoutStep(header, settings, layout);
    RecordingReporter reporter;
    ReadoutGeometry readout;
    RecordingCanvas atOneUnitPerPixel(false, 100.0);
    DrawColoredSquare(header, grid, reporter, settings, layout, atOneUnitPerPixel, readout);
    gridRect = readout.gridDeviceRect;
    if (source == Source::ClipboardSvg) {
        // The clipboard draws a document's grid.
        OpenedSeam seam([&] {
            return TestSeam().sized(1, header.columnCount, header.rowCount).cells(header.cellSize)
                .valued([&grid](int, int ix, int iy, int) { return grid.values[ix][iy][0]; });
        }());
        if (!seam.opened() || !seam.document.loadStep(1))
            return {};
        return ColoredSquareCopy::svg(seam.document, settings, layout, readout);
    }
    QString error;
    const auto drawing = [&](Canvas &canvas) {
        return DrawColoredSquare(header, grid, reporter, settings, layout, canvas, readout);
    };
    const auto format = source == Source::Pdf ? PagePicture::Format::Pdf : PagePicture::Format::Svg;
    return PagePicture::encode(format, 100, PagePicture::CanvasDrawing(drawing), error).value_or(QByteArray());
}

// The pixels of the rectangle for which the test holds.
int pixelsWhere(const QRect &rect, const std::function<bool(int x, int y)> &test)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += test(x, y);
    return count;
}

QRect scaled(const QRectF &rect, double scale)
{
    return QRectF(rect.topLeft() * scale, rect.size() * scale).toAlignedRect();
}

} // namespace

Q_DECLARE_METATYPE(Source)
Q_DECLARE_METATYPE(std::vector<int>)

class tst_VectorPictures : public QObject
{
    Q_OBJECT

private slots:
    // One fill per run painted at one pixel per logical unit, against the lean
    // file rasterised at the same size, over every cell but the outline's.
    void cellsAreThoseOfTheRuns_data()
    {
        QTest::addColumn<Source>("source");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("bandRows"); // rows of one band; 0: random values
        for (const auto &[name, source] : {std::pair("svg", Source::RenderedSvg), std::pair("pdf", Source::Pdf)}) {
            QTest::addRow("%s, random 1000 x 1000", name) << source << 1000 << 1000 << 0;
            QTest::addRow("%s, random 37 x 300", name) << source << 37 << 300 << 0;
            QTest::addRow("%s, stripes 300 x 20", name) << source << 300 << 20 << 3;
        }
    }
    void cellsAreThoseOfTheRuns()
    {
        QFETCH(Source, source);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, bandRows);
        const std::vector<float> random = randomCells(columns * rows, 17);
        const MemoryGrid data(columns, rows, 1.0f, [&](int ix, int iy) {
            return bandRows ? static_cast<float>(iy / bandRows % 10) + 0.5f : random[ix * rows + iy];
        });
        QImage runs = whitePage(100);
        PlotSettings settings = tenBands();
        QVERIFY(drawOnto<PaperCanvas>(runs, 100, data, settings));

        QRect grid;
        const QByteArray bytes = picture(source, data.header, data.grid, grid);
        QVERIFY(!bytes.isEmpty());
        QImage lean;
        if (source == Source::Pdf) {
            // Not pdftoppm: its fills bleed an eighth of a pixel over their lower
            // and right edges, so neighbouring cells blend in the order they are painted.
            QString failure;
            const std::optional<QImage> image = rasterised("pdftocairo", bytes, 1024, failure);
            if (!image)
                QSKIP("pdftocairo (poppler-utils) is not installed");
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            lean = *image;
        } else {
            // Qt's own renderer is always at hand; at one pixel per unit every cell edge is a pixel edge.
            lean = whitePage(100);
            QPainter painter(&lean);
            QSvgRenderer renderer(bytes);
            QVERIFY(renderer.isValid());
            renderer.render(&painter, QRectF(0, 0, 1024, 768));
        }
        const QRect cells = grid.adjusted(1, 1, -1, -1);
        QCOMPARE(pixelsWhere(cells, [&](int x, int y) { return lean.pixel(x, y) != runs.pixel(x, y); }), 0);
    }

    // A grid of one value, in the band's colour at any zoom: no light lines
    // where the cells meet.
    void oneValueShowsNoSeam_data()
    {
        QTest::addColumn<Source>("source");
        QTest::addColumn<int>("width");
        QTest::newRow("rendered svg, 1500 pixels") << Source::RenderedSvg << 1500;
        QTest::newRow("rendered svg, 997 pixels") << Source::RenderedSvg << 997;
        QTest::newRow("clipboard svg, 1500 pixels") << Source::ClipboardSvg << 1500;
        QTest::newRow("pdf, 1500 pixels") << Source::Pdf << 1500;
        QTest::newRow("pdf, 2311 pixels") << Source::Pdf << 2311;
    }
    void oneValueShowsNoSeam()
    {
        QFETCH(Source, source);
        QFETCH(int, width);
        const MemoryGrid data(37, 30, 1.0f, [](int, int) { return 0.5f; });
        QRect grid;
        const QByteArray bytes = picture(source, data.header, data.grid, grid);
        QVERIFY(!bytes.isEmpty());
        QString failure;
        const QString program = source == Source::Pdf ? "pdftoppm" : "rsvg-convert";
        const std::optional<QImage> image = rasterised(program, bytes, width, failure);
        if (!image)
            QSKIP(qPrintable(program + " is not installed"));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        // Two pixels in from the outline, whose line is anti-aliased.
        const QRect inside = scaled(grid, width / 1024.0).adjusted(2, 2, -2, -2);
        const QRgb band = PaletteColors(Palette::ColdToHot)[0];
        QCOMPARE(pixelsWhere(inside, [&](int x, int y) { return image->pixel(x, y) != band; }), 0);
    }

    // Stripes of two or three colours, rasterised by poppler at several sizes:
    // where two colours meet, the pixels are blends of the two, never lighter
    // than both (the page showing through).
    void stripesShowNoLightSeam_data()
    {
        QTest::addColumn<bool>("alongRows");
        QTest::addColumn<std::vector<int>>("bands");
        QTest::addColumn<int>("width");
        for (const int width : {997, 1500, 2311}) {
            QTest::addRow("rows of 2 colours, %d pixels", width) << true << std::vector<int>{0, 9} << width;
            QTest::addRow("columns of 2 colours, %d pixels", width) << false << std::vector<int>{0, 9} << width;
            QTest::addRow("rows of 3 colours, %d pixels", width) << true << std::vector<int>{2, 9, 5} << width;
            QTest::addRow("columns of 3 colours, %d pixels", width) << false << std::vector<int>{2, 9, 5} << width;
        }
    }
    void stripesShowNoLightSeam()
    {
        QFETCH(bool, alongRows);
        QFETCH(std::vector<int>, bands);
        QFETCH(int, width);
        // Stripes 3 cells wide; 7 rows and columns more than stripes make the ends uneven.
        const MemoryGrid data(61, 47, 1.0f, [&](int ix, int iy) {
            return static_cast<float>(bands[(alongRows ? iy : ix) / 3 % bands.size()]) + 0.5f;
        });
        QRect grid;
        const QByteArray bytes = picture(Source::Pdf, data.header, data.grid, grid);
        QVERIFY(!bytes.isEmpty());
        QString failure;
        const std::optional<QImage> image = rasterised("pdftoppm", bytes, width, failure);
        if (!image)
            QSKIP("pdftoppm (poppler-utils) is not installed");
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        std::vector<QRgb> colours;
        for (const int band : bands)
            colours.push_back(PaletteColors(Palette::ColdToHot)[band]);
        // Two pixels in from the outline, whose line is anti-aliased.
        const QRect inside = scaled(grid, width / 1024.0).adjusted(2, 2, -2, -2);
        QCOMPARE(lightPixels(*image, inside, colours), 0);
    }

    // Two mid colours alternating every column or row, so that every cell edge
    // is a colour boundary, at cell sizes off the pixel grid and at poppler's
    // default anti-aliasing: -r 97, 146 and 300.
    void alternatingCellsShowNoLightSeam_data()
    {
        QTest::addColumn<bool>("alongRows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("width");
        for (const auto &[columns, rows] : {std::pair(37, 23), std::pair(300, 200)})
            for (const int resolution : {97, 146, 300}) {
                const int width = qRound(resolution * 10.24);
                QTest::addRow("alternate rows, %d x %d, %d dpi", columns, rows, resolution) << true << columns << rows << width;
                QTest::addRow("alternate columns, %d x %d, %d dpi", columns, rows, resolution) << false << columns << rows << width;
            }
    }
    void alternatingCellsShowNoLightSeam()
    {
        QFETCH(bool, alongRows);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, width);
        const std::vector<int> bands{2, 6};
        const MemoryGrid data(columns, rows, 1.0f, [&](int ix, int iy) {
            return static_cast<float>(bands[(alongRows ? iy : ix) % 2]) + 0.5f;
        });
        QRect grid;
        const QByteArray bytes = picture(Source::Pdf, data.header, data.grid, grid);
        QVERIFY(!bytes.isEmpty());
        QString failure;
        const std::optional<QImage> image = rasterised("pdftoppm", bytes, width, failure);
        if (!image)
            QSKIP("pdftoppm (poppler-utils) is not installed");
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QRect inside = scaled(grid, width / 1024.0).adjusted(2, 2, -2, -2);
        const std::vector<QRgb> colours{PaletteColors(Palette::ColdToHot)[bands[0]],
                                        PaletteColors(Palette::ColdToHot)[bands[1]]};
        QCOMPARE(lightPixels(*image, inside, colours), 0);
    }

    void textsAndLinesStayAntiAliased_data()
    {
        QTest::addColumn<QRectF>("area");
        // Page units of the plot's layout.
        QTest::newRow("title") << QRectF(44, 60, 600, 36);
        QTest::newRow("label 0") << QRectF(764, 691, 192, 24);
        QTest::newRow("legend box 9, left edge") << QRectF(702, 110, 4, 45);
        QTest::newRow("grid outline, right edge") << QRectF(642, 150, 4, 480);
    }
    void textsAndLinesStayAntiAliased()
    {
        QFETCH(QRectF, area);
        const MemoryGrid data(37, 30, 1.0f, [](int, int) { return 0.5f; });
        QRect grid;
        const QByteArray bytes = picture(Source::RenderedSvg, data.header, data.grid, grid);
        QString failure;
        const std::optional<QImage> image = rasterised("rsvg-convert", bytes, 1500, failure);
        if (!image)
            QSKIP("rsvg-convert is not installed");
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        // Neither black nor white: the edge of a glyph or line only partly covers these pixels.
        const auto grey = [&](int x, int y) {
            return image->pixel(x, y) != qRgb(0, 0, 0) && image->pixel(x, y) != qRgb(255, 255, 255);
        };
        QVERIFY(pixelsWhere(scaled(area, 1500 / 1024.0), grey) > 0);
    }
};

QTEST_MAIN(tst_VectorPictures)
#include "tst_VectorPictures.moc"
