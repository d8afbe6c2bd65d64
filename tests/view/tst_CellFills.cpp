#include "view/CellFills.h"
#include "support/RecordingCanvas.h"

#include "view_helpers.h"

#include <QtTest>

#include <cmath>

namespace {

using Fill = RecordingCanvas::Fill;

const QRgb red = qRgb(255, 0, 0);
const QRgb blue = qRgb(0, 0, 255);

// "colour: left,top,right,bottom; ..." per group, for readable comparisons.
QString describe(const std::vector<CellFills::Group> &groups)
{
    QStringList parts;
    for (const CellFills::Group &group : groups) {
        QStringList rects;
        for (const LogicalRect &r : group.rects)
            rects << QString("%1,%2,%3,%4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
        parts << QColor::fromRgb(group.colour).name() + ": " + rects.join("; ");
    }
    return parts.join(" | ");
}

// Paints fills as the painter's fillRect would, at one pixel per logical unit.
QImage painted(const std::vector<Fill> &fills)
{
    QImage page = whitePage(100);
    QPainter painter(&page);
    QPainterCanvas canvas(painter, 100.0);
    for (const Fill &fill : fills)
        canvas.fillRect(fill.rect, fill.color);
    return page;
}

std::vector<Fill> flattened(const std::vector<CellFills::Group> &groups)
{
    std::vector<Fill> fills;
    for (const CellFills::Group &group : groups)
        for (const LogicalRect &rect : group.rects)
            fills.push_back({rect, QColor::fromRgb(group.colour)});
    return fills;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Fill>)

class tst_CellFills : public QObject
{
    Q_OBJECT

private slots:
    void mergingRules_data()
    {
        QTest::addColumn<std::vector<Fill>>("fills");
        QTest::addColumn<QString>("merged");
        QTest::newRow("empty fills are dropped")
            << std::vector<Fill>{{{0, 10, 5, 10}, red}, {{5, 10, 5, 0}, red}} << "";
        QTest::newRow("a fill continuing one of its colour lengthens it")
            << std::vector<Fill>{{{0, 5, 1, 0}, red}, {{0, 9, 1, 5}, red}} << "#ff0000: 0,9,1,0";
        QTest::newRow("an empty run between two of one colour joins them")
            << std::vector<Fill>{{{0, 5, 1, 0}, red}, {{0, 5, 1, 5}, blue}, {{0, 9, 1, 5}, red}}
            << "#ff0000: 0,9,1,0";
        QTest::newRow("another colour between keeps them apart")
            << std::vector<Fill>{{{0, 5, 1, 0}, red}, {{0, 6, 1, 5}, blue}, {{0, 9, 1, 6}, red}}
            << "#ff0000: 0,5,1,0; 0,9,1,6 | #0000ff: 0,6,1,5";
        QTest::newRow("a span repeated in the next column widens it")
            << std::vector<Fill>{{{0, 5, 1, 0}, red}, {{0, 9, 1, 5}, blue}, {{1, 5, 3, 0}, red}, {{1, 9, 3, 5}, blue}}
            << "#ff0000: 0,5,3,0 | #0000ff: 0,9,3,5";
        QTest::newRow("a span of other height or colour beside it does not")
            << std::vector<Fill>{{{0, 5, 1, 0}, red}, {{0, 9, 1, 5}, blue}, {{1, 4, 2, 0}, red}, {{1, 9, 2, 4}, red}}
            << "#ff0000: 0,5,1,0; 1,9,2,0 | #0000ff: 0,9,1,5";
        QTest::newRow("columns that do not touch stay apart")
            << std::vector<Fill>{{{0, 5, 1, 0}, red}, {{2, 5, 3, 0}, red}} << "#ff0000: 0,5,1,0; 2,5,3,0";
        QTest::newRow("upside-down rectangles are taken as they cover")
            << std::vector<Fill>{{{1, 0, 0, 5}, red}} << "#ff0000: 0,5,1,0";
    }
    void mergingRules()
    {
        QFETCH(std::vector<Fill>, fills);
        QFETCH(QString, merged);
        CellFills cells;
        for (const Fill &fill : fills)
            cells.add(fill.rect, fill.color.rgb());
        QCOMPARE(describe(cells.take()), merged);
        QVERIFY(cells.empty());
    }

    // The fills the plot hands a paper canvas, merged, must paint the very pixels
    // the fills paint one by one, with fewer rectangles.
    void mergedPlotPaintsTheSamePixels_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("bandRows"); // rows of one band; 0: random values
        QTest::newRow("random, cells under a unit") << 1000 << 700 << 0;
        QTest::newRow("random, cells of several units") << 60 << 45 << 0;
        QTest::newRow("horizontal stripes") << 300 << 200 << 7;
    }
    void mergedPlotPaintsTheSamePixels()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, bandRows);
        const std::vector<float> random = randomCells(columns * rows, 3);
        const MemoryGrid data(columns, rows, 1.0f, [&](int ix, int iy) {
            return bandRows ? static_cast<float>(iy / bandRows % 10) + 0.5f : random[ix * rows + iy];
        });
        PlotSettings settings;
        settings.colSq.scaleMode = ScaleMode::MinToMax;
        settings.colSq.scaleMin = 0.0f;
        settings.colSq.scaleMax = 10.0f;
        ColSqLayout layout;
        RunLayoutStep(data.header, settings, layout);
        RecordingCanvas canvas;
        RecordingReporter reporter;
        ReadoutGeometry readout;
        QVERIFY(DrawColoredSquare(data.header, data.grid, reporter, settings, layout, canvas, readout));

        CellFills cells;
        for (const Fill &fill : canvas.fills)
            cells.add(fill.rect, fill.color.rgb());
        const std::vector<Fill> merged = flattened(cells.take());
        QCOMPARE(painted(merged), painted(canvas.fills));
        QVERIFY2(merged.size() < canvas.fills.size(),
                 qPrintable(QString("%1 of %2").arg(merged.size()).arg(canvas.fills.size())));
    }
};

QTEST_MAIN(tst_CellFills)
#include "tst_CellFills.moc"
