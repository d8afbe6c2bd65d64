#include "view/ColSqLayout.h"
#include "view/DrawColoredSquare.h"
#include "view/PaletteColors.h"
#include "model/PlotSettings.h"
#include "support/RecordingCanvas.h"
#include "view/ScaleBands.h"

#include "view_helpers.h"

#include <QtTest>

#include <cstdio>
#include <limits>
#include <random>

namespace {

constexpr int centredFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip;
constexpr int labelFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip;

bool near(int actual, int expected)
{
    return std::abs(actual - expected) <= 1;
}

QString printfFixed12(float value)
{
    char text[256];
    std::snprintf(text, sizeof text, "%12f", static_cast<double>(value));
    return QString::fromLatin1(text);
}

QColor bandColor(Palette palette, int band)
{
    return QColor(PaletteColors(palette)[band]);
}

// One drawing as the view makes it: the layout step, then the plot.
struct Drawing
{
    explicit Drawing(const MemoryGrid &data, bool screen = false) : data(data), canvas(screen)
    {
        settings.colSq.scaleMode = ScaleMode::MinToMax;
        settings.colSq.scaleMin = 0.0f;
        settings.colSq.scaleMax = 10.0f;
    }
    bool run()
    {
        RunLayoutStep(data.header, settings, layout);
        return DrawColoredSquare(data.header, data.grid, reporter, settings, layout, canvas, readout);
    }

    const MemoryGrid &data;
    PlotSettings settings;
    ColSqLayout layout;
    RecordingCanvas canvas;
    RecordingReporter reporter;
    ReadoutGeometry readout;
};

// Bands 0..9 of the 0..10 scale from each cell's value.
float rampValue(int ix, int iy)
{
    return static_cast<float>((ix * 3 + iy) % 10) + 0.5f;
}

} // namespace

class tst_DrawColoredSquare : public QObject
{
    Q_OBJECT

private slots:
    void whereThingsLand_data()
    {
        addGridShapes();
        QTest::newRow("large") << 300 << 200 << 0.5f << 7.0f << -3.0f;
    }
    void whereThingsLand()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(float, cellSize);
        QFETCH(float, originX);
        QFETCH(float, originY);
        const MemoryGrid data(columns, rows, cellSize, rampValue, originX, originY);
        Drawing drawing(data);
        QVERIFY(drawing.run());
        const RecordingCanvas &canvas = drawing.canvas;
        const float gridWidth = columns * cellSize;

        QCOMPARE(canvas.texts.size(), std::size_t(13));
        const RecordingCanvas::Text &title = canvas.texts[0];
        QCOMPARE(title.text, QString("Vertical Stress"));
        QCOMPARE(title.flags, centredFlags);
        QCOMPARE(title.color, QColor(Qt::black));
        QCOMPARE(title.font.face, QString("Arial Bold"));
        QCOMPARE(title.font.weight, 700);
        QVERIFY(near(title.font.height, 36));
        QVERIFY(near(title.rect.left, 44));
        QVERIFY(near(title.rect.right, 44 + qRound(drawing.layout.scale * gridWidth)));
        QVERIFY(near(title.rect.top, -60));
        QVERIFY(near(title.rect.bottom, -96));

        const RecordingCanvas::Text &caption = canvas.texts[1];
        QCOMPARE(caption.text, QString("Scale (MPa)"));
        QCOMPARE(caption.flags, centredFlags);
        QCOMPARE(caption.font.height, title.font.height);
        QVERIFY(near(caption.rect.left, 674));
        QVERIFY(near(caption.rect.right, 779));
        QVERIFY(near(caption.rect.top, -60));
        QVERIFY(near(caption.rect.bottom, -84));

        QCOMPARE(canvas.rectangles.size(), std::size_t(10));
        for (int i = 0; i < 10; ++i) {
            const RecordingCanvas::Rectangle &box = canvas.rectangles[i];
            QVERIFY(near(box.rect.left, 704));
            QVERIFY(near(box.rect.right, 749));
            QVERIFY2(near(box.rect.bottom, -696 + 60 * i), qPrintable(QString::number(box.rect.bottom)));
            QVERIFY(near(box.rect.top, -651 + 60 * i));
            QCOMPARE(box.pen, QColor(Qt::black));
            QCOMPARE(box.brush, bandColor(Palette::ColdToHot, i));
        }

        for (int i = 0; i <= 10; ++i) {
            const RecordingCanvas::Text &label = canvas.texts[2 + i];
            QCOMPARE(label.flags, labelFlags);
            QCOMPARE(label.font.face, QString("Arial Bold"));
            QVERIFY(near(label.font.height, 30));
            QVERIFY(near(label.rect.left, 764));
            QVERIFY(near(label.rect.right, 956));
            QVERIFY(near(label.rect.bottom, -715 + 60 * i));
            QVERIFY(near(label.rect.top, -691 + 60 * i));
            QCOMPARE(label.text, printfFixed12(drawing.settings.scaleTable[i]));
        }
        QCOMPARE(canvas.texts[2].text, QString("    0.000000"));
        QCOMPARE(canvas.texts[12].text, QString("   10.000000"));

        // The outline closes around the cells, centred in the square 44..644 x -696..-96.
        QCOMPARE(canvas.polylines.size(), std::size_t(1));
        const std::vector<QPoint> &outline = canvas.polylines[0].points;
        QCOMPARE(outline.size(), std::size_t(5));
        QCOMPARE(outline.front(), outline.back());
        QCOMPARE(canvas.polylines[0].pen, QColor(Qt::black));
        const int left = outline[0].x(), bottom = outline[0].y(), right = outline[2].x(), top = outline[2].y();
        QCOMPARE(outline[1], QPoint(right, bottom));
        QCOMPARE(outline[3], QPoint(left, top));
        // Each edge within one unit of its place.
        QVERIFY(std::abs(left + right - (44 + 644)) <= 2);
        QVERIFY(std::abs(top + bottom - (-96 - 696)) <= 2);
        QVERIFY(near(std::max(right - left, top - bottom), 600));
    }

    void emptyUnitStillCaptioned()
    {
        MemoryGrid data(2, 2, 1.0f, rampValue);
        data.header.itemUnits[0].clear();
        Drawing drawing(data);
        QVERIFY(drawing.run());
        QCOMPARE(drawing.canvas.texts[1].text, QString("Scale ()"));
    }

    void flatDataLabelsEveryLimitAlike()
    {
        const MemoryGrid data(3, 3, 1.0f, [](int, int) { return -1.25f; });
        Drawing drawing(data);
        drawing.settings.colSq.scaleMode = ScaleMode::Automatic;
        QVERIFY(drawing.run());
        for (int i = 0; i <= 10; ++i)
            QCOMPARE(drawing.canvas.texts[2 + i].text, QString("   -1.250000"));
        QCOMPARE(drawing.canvas.fillCount(bandColor(Palette::ColdToHot, 0)), 3);
        QCOMPARE(drawing.canvas.fills.size(), std::size_t(3));
    }

    void oneRowIsOneFillPerColumn()
    {
        const MemoryGrid data(5, 1, 2.0f, rampValue);
        Drawing drawing(data);
        QVERIFY(drawing.run());
        const auto &fills = drawing.canvas.fills;
        QCOMPARE(fills.size(), std::size_t(5));
        const std::vector<QPoint> &outline = drawing.canvas.polylines[0].points;
        for (std::size_t i = 0; i < fills.size(); ++i) {
            QCOMPARE(fills[i].rect.bottom, outline[0].y());
            QCOMPARE(fills[i].rect.top, outline[2].y());
            QCOMPARE(fills[i].color, bandColor(Palette::ColdToHot, BandIndex(drawing.settings.scaleTable,
                                                                              rampValue(static_cast<int>(i), 0))));
            if (i > 0)
                QCOMPARE(fills[i].rect.left, fills[i - 1].rect.right);
        }
        QCOMPARE(fills.front().rect.left, outline[0].x());
        QCOMPARE(fills.back().rect.right, outline[2].x());
    }

    // Rows 0-1 in band 0, 2-4 in band 4, 5 in band 9: three fills, bottom to top, meeting exactly.
    void oneColumnInThreeBands()
    {
        const std::array<float, 6> values{0.5f, 0.0f, 4.5f, 5.0f, 4.2f, 12.0f};
        const MemoryGrid data(1, 6, 1.0f, [&values](int, int iy) { return values[iy]; });
        Drawing drawing(data);
        QVERIFY(drawing.run());
        const auto &fills = drawing.canvas.fills;
        QCOMPARE(fills.size(), std::size_t(3));
        QCOMPARE(fills[0].color, bandColor(Palette::ColdToHot, 0));
        QCOMPARE(fills[1].color, bandColor(Palette::ColdToHot, 4));
        QCOMPARE(fills[2].color, bandColor(Palette::ColdToHot, 9));
        const std::vector<QPoint> &outline = drawing.canvas.polylines[0].points;
        const int bottom = outline[0].y();
        const int top = outline[2].y();
        const double rowHeight = (top - bottom) / 6.0;
        QCOMPARE(fills[0].rect.bottom, bottom);
        QVERIFY(near(fills[0].rect.top, bottom + qRound(2 * rowHeight)));
        QCOMPARE(fills[1].rect.bottom, fills[0].rect.top);
        QVERIFY(near(fills[1].rect.top, bottom + qRound(5 * rowHeight)));
        QCOMPARE(fills[2].rect.bottom, fills[1].rect.top);
        QCOMPARE(fills[2].rect.top, top);
    }

    // Random data, the worst case of merging: one fill per band change and one to end each column.
    void fillsFollowBandChanges()
    {
        std::mt19937 random(7);
        std::uniform_real_distribution<float> values(-1.0f, 11.0f);
        std::vector<float> cells(40 * 30);
        for (float &cell : cells)
            cell = values(random);
        const MemoryGrid data(40, 30, 1.0f, [&cells](int ix, int iy) { return cells[ix * 30 + iy]; });
        Drawing drawing(data);
        QVERIFY(drawing.run());
        std::size_t runs = 0;
        for (int ix = 0; ix < 40; ++ix) {
            ++runs;
            for (int iy = 1; iy < 30; ++iy)
                runs += BandIndex(drawing.settings.scaleTable, cells[ix * 30 + iy])
                        != BandIndex(drawing.settings.scaleTable, cells[ix * 30 + iy - 1]);
        }
        QCOMPARE(drawing.canvas.fills.size(), runs);
    }

    void hotToColdMirrorsColdToHot()
    {
        const MemoryGrid data(10, 10, 1.0f, rampValue);
        Drawing cold(data);
        Drawing hot(data);
        hot.settings.colSq.palette = Palette::HotToCold;
        QVERIFY(cold.run());
        QVERIFY(hot.run());
        QCOMPARE(hot.canvas.fills.size(), cold.canvas.fills.size());
        const auto &coldColors = PaletteColors(Palette::ColdToHot);
        for (std::size_t i = 0; i < cold.canvas.fills.size(); ++i) {
            const auto band = std::find(coldColors.begin(), coldColors.end(), cold.canvas.fills[i].color.rgb())
                              - coldColors.begin();
            QVERIFY(band < 10);
            QCOMPARE(hot.canvas.fills[i].color, bandColor(Palette::ColdToHot, 9 - static_cast<int>(band)));
        }
        for (int i = 0; i < 10; ++i)
            QCOMPARE(hot.canvas.rectangles[i].brush, bandColor(Palette::ColdToHot, 9 - i));
    }

    void paletteEntries_data()
    {
        QTest::addColumn<Palette>("palette");
        QTest::addColumn<int>("band");
        QTest::addColumn<QColor>("color");
        QTest::newRow("cold to hot 0") << Palette::ColdToHot << 0 << QColor(0, 0, 0);
        QTest::newRow("cold to hot 3") << Palette::ColdToHot << 3 << QColor(128, 0, 255);
        QTest::newRow("cold to hot 8") << Palette::ColdToHot << 8 << QColor(255, 255, 64);
        QTest::newRow("hot to cold 0") << Palette::HotToCold << 0 << QColor(255, 255, 255);
        QTest::newRow("hot to cold 5") << Palette::HotToCold << 5 << QColor(255, 0, 128);
        QTest::newRow("roygbiv 0") << Palette::Roygbiv << 0 << QColor(255, 0, 255);
        QTest::newRow("roygbiv 3") << Palette::Roygbiv << 3 << QColor(0, 128, 128);
        QTest::newRow("roygbiv 6") << Palette::Roygbiv << 6 << QColor(255, 255, 64);
        QTest::newRow("roygbiv 9") << Palette::Roygbiv << 9 << QColor(255, 0, 0);
    }
    void paletteEntries()
    {
        QFETCH(Palette, palette);
        QFETCH(int, band);
        QFETCH(QColor, color);
        QCOMPARE(bandColor(palette, band), color);
    }

    void notANumberDataDrawsInBandNine()
    {
        const MemoryGrid data(4, 4, 1.0f, [](int, int) { return std::numeric_limits<float>::quiet_NaN(); });
        Drawing drawing(data);
        drawing.settings.colSq.scaleMode = ScaleMode::Automatic;
        QVERIFY(drawing.run());
        QCOMPARE(drawing.canvas.fillCount(bandColor(Palette::ColdToHot, 9)), 4);
        QCOMPARE(drawing.canvas.fills.size(), std::size_t(4));
        QCOMPARE(drawing.canvas.texts[2].text, printfFixed12(std::numeric_limits<float>::quiet_NaN()));
    }

    void titleFontFailureDrawsNothing()
    {
        const MemoryGrid data(4, 2, 10.0f, rampValue);
        Drawing drawing(data);
        drawing.canvas.refuseFont(0);
        drawing.readout.gridDeviceRect = QRect(1, 2, 3, 4);
        QVERIFY(!drawing.run());
        QCOMPARE(drawing.reporter.messages, std::vector<std::string>{"Could not create the title font"});
        QCOMPARE(drawing.canvas.callCount(), 0);
        QVERIFY(!drawing.settings.colSqDrawn);
        QCOMPARE(drawing.readout.gridDeviceRect, QRect(1, 2, 3, 4));
    }

    // Grids whose layout float32 cannot hold: the title font has no size, so the
    // plot reports it and draws nothing rather than a page of clamped coordinates.
    void layoutBeyondFloatDrawsNothing_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<float>("cellSize");
        QTest::addColumn<float>("origin");
        QTest::newRow("denormal cell, no units left") << 1 << 1.0e-45f << 0.0f;
        QTest::newRow("scale overflows, units do not") << 1 << 1.0e-37f << 0.0f;
        QTest::newRow("cells lost in a far origin") << 2 << 1.0f << 1.0e30f;
        QTest::newRow("grid overflows") << 4 << 3.0e38f << 0.0f;
    }
    void layoutBeyondFloatDrawsNothing()
    {
        QFETCH(int, columns);
        QFETCH(float, cellSize);
        QFETCH(float, origin);
        const MemoryGrid data(columns, 1, cellSize, rampValue, origin, origin);
        Drawing drawing(data);
        QVERIFY(!drawing.run());
        QCOMPARE(drawing.reporter.messages, std::vector<std::string>{"Could not create the title font"});
        QCOMPARE(drawing.canvas.callCount(), 0);
        QVERIFY(!drawing.settings.colSqDrawn);
    }

    void labelFontFailureKeepsTitleAndBoxes()
    {
        const MemoryGrid data(4, 2, 10.0f, rampValue);
        Drawing drawing(data);
        drawing.canvas.refuseFont(1);
        QVERIFY(!drawing.run());
        QVERIFY(drawing.reporter.messages.empty());
        QCOMPARE(drawing.canvas.texts.size(), std::size_t(2));
        QCOMPARE(drawing.canvas.rectangles.size(), std::size_t(10));
        QVERIFY(drawing.canvas.fills.empty());
        QVERIFY(drawing.canvas.polylines.empty());
        QVERIFY(!drawing.settings.colSqDrawn);
    }

    void nothingDrawnWithoutDeviceOrItem_data()
    {
        QTest::addColumn<bool>("ready");
        QTest::addColumn<int>("item");
        QTest::newRow("device not ready") << false << 0;
        QTest::newRow("item beyond the grid") << true << 1;
        QTest::newRow("negative item") << true << -1;
    }
    void nothingDrawnWithoutDeviceOrItem()
    {
        QFETCH(bool, ready);
        QFETCH(int, item);
        const MemoryGrid data(4, 2, 10.0f, rampValue);
        Drawing drawing(data);
        drawing.canvas.setReady(ready);
        drawing.settings.colSq.itemIndex = item;
        QVERIFY(!drawing.run());
        QCOMPARE(drawing.canvas.callCount(), 0);
        QVERIFY(drawing.reporter.messages.empty());
        QVERIFY(!drawing.settings.colSqDrawn);
    }

    // The readout finds the outline's corners in device units and maps device points back.
    void readoutGeometryMatchesOutline()
    {
        const MemoryGrid data(8, 4, 10.0f, rampValue);
        Drawing drawing(data);
        QVERIFY(drawing.run());
        QVERIFY(drawing.settings.colSqDrawn);
        const std::vector<QPoint> &outline = drawing.canvas.polylines[0].points;
        const int left = outline[0].x(), bottom = outline[0].y(), right = outline[2].x(), top = outline[2].y();
        const QRect &rect = drawing.readout.gridDeviceRect;
        QVERIFY(rect.contains(QPoint(left, -top)));
        QVERIFY(rect.contains(QPoint(right - 1, -bottom - 1)));
        QVERIFY(!rect.contains(QPoint(right, -top)));
        QVERIFY(!rect.contains(QPoint(left, -bottom)));
        QVERIFY(!rect.contains(QPoint(left - 1, -top)));
        const QPointF logical = drawing.readout.drawMapping.inverted().map(QPointF(left + 5, -top + 7));
        QCOMPARE(logical, QPointF(left + 5, top - 7));
    }

    void screenDrawsSmallCellsAsOneImage()
    {
        std::mt19937 random(3);
        std::uniform_real_distribution<float> values(0.0f, 10.0f);
        std::vector<float> cells(500 * 400);
        for (float &cell : cells)
            cell = values(random);
        const MemoryGrid data(500, 400, 1.0f, [&cells](int ix, int iy) { return cells[ix * 400 + iy]; });
        Drawing screen(data, true);
        QVERIFY(screen.run());
        QVERIFY(screen.canvas.fills.empty());
        QCOMPARE(screen.canvas.images.size(), std::size_t(1));
        const RecordingCanvas::Image &image = screen.canvas.images[0];
        const std::vector<QPoint> &outline = screen.canvas.polylines[0].points;
        QCOMPARE(image.rect.left, outline[0].x());
        QCOMPARE(image.rect.bottom, outline[0].y());
        QCOMPARE(image.rect.right, outline[2].x());
        QCOMPARE(image.rect.top, outline[2].y());
        // One pixel per logical unit, in the colour of the cell whose edges hold the unit.
        QCOMPARE(image.image.size(), QSize(image.rect.right - image.rect.left, image.rect.top - image.rect.bottom));
        const ColSqCells::Edges &edges = screen.readout.cellEdges;
        for (int ix = 0; ix < 500; ix += 7) {
            for (int iy = 0; iy < 400; iy += 3) {
                const int band = BandIndex(screen.settings.scaleTable, cells[ix * 400 + iy]);
                for (int x = edges.columnEdges[ix]; x < edges.columnEdges[ix + 1]; ++x) {
                    for (int y = edges.rowEdges[iy]; y < edges.rowEdges[iy + 1]; ++y)
                        QCOMPARE(QColor(image.image.pixel(x - image.rect.left, image.rect.top - 1 - y)),
                                 bandColor(Palette::ColdToHot, band));
                }
            }
        }

        // Paper keeps one exact fill per run.
        Drawing paper(data, false);
        QVERIFY(paper.run());
        QVERIFY(paper.canvas.images.empty());
        QVERIFY(paper.canvas.fills.size() >= 500);
    }

    void screenDrawsLargeCellsAsRuns()
    {
        const MemoryGrid data(80, 60, 5.0f, rampValue);
        Drawing screen(data, true);
        QVERIFY(screen.run());
        QVERIFY(screen.canvas.images.empty());
        QVERIFY(!screen.canvas.fills.empty());
    }
};

QTEST_GUILESS_MAIN(tst_DrawColoredSquare)
#include "tst_DrawColoredSquare.moc"
