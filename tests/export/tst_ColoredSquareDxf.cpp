#include "export_helpers.h"

#include "export/ColoredSquareDxf.h"
#include "export/TextFileWriter.h"
#include "export/TextLines.h"
#include "model/PlotSettings.h"

#include <QJsonArray>
#include <QtTest>

#include <cmath>
#include <numeric>

class TestColoredSquareDxf : public QObject
{
    Q_OBJECT

private slots:
    void oneColumnInThreeBands();
    void runsOfEqualBandUpEachColumn();
    void flatDataIsBandZeroEverywhere();
    void coloursDoNotFollowThePalette();
    void layoutInWorldUnits();
    void edgesRoundedOnce();
    void extentTexts_data();
    void extentTexts();
    void userScaleLabelsTheLegend();
    void titleIsTheFirstItemBeforeAnyLayout();
    void itemOutsideTheFileWritesNothing();
    void saveWritesTheDefaultName();
    void saveOnlyTheColoredSquarePlot_data();
    void saveOnlyTheColoredSquarePlot();
    void saveWithoutAFile();
    void saveCancelled();
    void saveOpeningFailure();
    void saveWritingFailureKeepsTheOldFile();
};

namespace {

struct Drawing
{
    std::string path;
    QByteArray bytes;
};

// The drawing of the settings written to a file beside the seam file.
Drawing writeDrawing(OpenedSeam &file, PlotSettings &settings, const QString &name = "plot.dxf")
{
    Drawing drawing{file.path(name), {}};
    TextFileWriter out(drawing.path);
    if (out.open() && WriteColoredSquareDxf(file.document, settings, out.lines()) && out.commit())
        drawing.bytes = fileBytes(drawing.path);
    return drawing;
}

PlotSettings coloredSquare(const std::string &title = "Vertical Stress")
{
    PlotSettings settings;
    settings.plotTitle = title;
    settings.layoutReady = true;
    settings.stepReloadPending = false;
    return settings;
}

// The numbers of a JSON array from `first` on, at most `count` of them.
std::vector<int> ints(const QJsonValue &array, int first, int count = -1)
{
    std::vector<int> numbers;
    const QJsonArray values = array.toArray();
    for (int i = first; i < values.size() && (count < 0 || i < first + count); ++i)
        numbers.push_back(values[i].toInt());
    return numbers;
}

QStringList strings(const QJsonValue &array)
{
    QStringList texts;
    for (const QJsonValue &value : array.toArray())
        texts.append(value.toString());
    return texts;
}

bool near(const QJsonValue &point, double x, double y)
{
    const QJsonArray xy = point.toArray();
    return xy.size() == 2 && std::fabs(xy[0].toDouble() - x) < 1e-4 && std::fabs(xy[1].toDouble() - y) < 1e-4;
}

#define QVERIFY_POINT(point, x, y)                                                                               \
    QVERIFY2(near(point, x, y), qPrintable(QString("(%1, %2) expected, found %3")                               \
                                               .arg(x)                                                           \
                                               .arg(y)                                                           \
                                               .arg(QString::fromUtf8(QJsonDocument(point.toArray()).toJson(      \
                                                   QJsonDocument::Compact)))))

} // namespace

void TestColoredSquareDxf::oneColumnInThreeBands()
{
    // 0, 5 and 10 under the automatic scale 0..10: bands 0, 4 (5 lies on a limit,
    // so in the band below it) and 9.
    TestSeam seam = TestSeam().sized(1, 1, 3).valued([](int, int, int iy, int) { return 5.0f * iy; });
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings = coloredSquare();

    const Drawing drawing = writeDrawing(file, settings);

    QVERIFY(drawing.bytes.contains(crlfLines({"  0", "SOLID", "  5", "39", "100", "AcDbEntity", "100", "AcDbTrace",
                                              "  8", "Color5", " 62", "6", " 10", "              0", " 20",
                                              "             10", " 11", "             10", " 21", "             10",
                                              " 12", "              0", " 22", "             20", " 13",
                                              "             10", " 23", "             20"})));
    READ_BACK_DXF(drawing.path, json);
    // Six texts, ten legend boxes, eleven labels, then the cells from handle 38.
    std::vector<int> handles(30);
    std::iota(handles.begin(), handles.end(), 11);
    QCOMPARE(ints(json["handles"], 0), handles);
    QCOMPARE(json["types"].toObject()["SOLID"].toInt(), 13);
    QCOMPARE(json["types"].toObject()["TEXT"].toInt(), 17);
    QCOMPARE(json["types"].toObject()["POLYLINE"].toInt(), 1);
    QCOMPARE(ints(json["colours"], 10), (std::vector<int>{250, 6, 7}));
    const QJsonArray solids = json["solids"].toArray();
    QVERIFY_POINT(solids[10].toArray()[0], 0, 0);
    QVERIFY_POINT(solids[10].toArray()[3], 10, 10);
    QVERIFY_POINT(solids[12].toArray()[0], 0, 20);
    QVERIFY_POINT(solids[12].toArray()[3], 10, 30);
}

void TestColoredSquareDxf::runsOfEqualBandUpEachColumn()
{
    // Column 0 one band throughout, column 1 alternating low and high, column 2
    // low, low, high, high.
    TestSeam seam = TestSeam().sized(1, 3, 4).valued([](int, int ix, int iy, int) {
        if (ix == 0)
            return 1.0f;
        return ix == 1 ? static_cast<float>(iy % 2) : (iy < 2 ? 0.0f : 1.0f);
    });
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings = coloredSquare();

    const Drawing drawing = writeDrawing(file, settings);

    READ_BACK_DXF(drawing.path, json);
    QCOMPARE(json["types"].toObject()["SOLID"].toInt(), 10 + 1 + 4 + 2);
    const QJsonObject layers = json["layers"].toObject();
    QCOMPARE(layers["Color1"].toInt(), 1 + 2 + 1);
    QCOMPARE(layers["Color10"].toInt(), 1 + 1 + 2 + 1);
    const QJsonArray solids = json["solids"].toArray();
    // The last run of column 2 spans rows 3 and 4.
    QVERIFY_POINT(solids[16].toArray()[0], 20, 20);
    QVERIFY_POINT(solids[16].toArray()[3], 30, 40);
}

void TestColoredSquareDxf::flatDataIsBandZeroEverywhere()
{
    TestSeam seam = TestSeam().sized(1, 3, 2).valued([](int, int, int, int) { return 7.0f; });
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings = coloredSquare();

    const Drawing drawing = writeDrawing(file, settings);

    READ_BACK_DXF(drawing.path, json);
    const QJsonArray texts = json["texts"].toArray();
    for (int k = 0; k <= 10; ++k)
        QCOMPARE(texts[6 + k].toString(), QString("           7"));
    QCOMPARE(ints(json["colours"], 10), (std::vector<int>{250, 250, 250}));
    QCOMPARE(json["layers"].toObject()["Color1"].toInt(), 1 + 3);
}

void TestColoredSquareDxf::coloursDoNotFollowThePalette()
{
    TestSeam seam = TestSeam().sized(1, 4, 5)
        .valued([](int, int ix, int iy, int) { return static_cast<float>(ix * 5 + iy); });
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    QByteArray first;
    for (Palette palette : {Palette::ColdToHot, Palette::HotToCold, Palette::Roygbiv}) {
        PlotSettings settings = coloredSquare();
        settings.colSq.palette = palette;
        const Drawing drawing = writeDrawing(file, settings);
        QVERIFY(!drawing.bytes.isEmpty());
        if (first.isEmpty())
            first = drawing.bytes;
        QCOMPARE(drawing.bytes, first);
    }
    PlotSettings settings = coloredSquare();
    const Drawing drawing = writeDrawing(file, settings);
    READ_BACK_DXF(drawing.path, json);
    QCOMPARE(ints(json["colours"], 0, 10), (std::vector<int>{250, 174, 5, 190, 6, 1, 30, 40, 2, 7}));
}

void TestColoredSquareDxf::layoutInWorldUnits()
{
    // 4 x 2 cells of 10 at (100, 200): W = 40, H = 20, so side 40, unit20 2,
    // unit25 1.6, unit50 0.8. Wider than tall, yet the cells stand at the origin.
    TestSeam seam = TestSeam().sized(1, 4, 2).cells(10.0f, 100.0f, 200.0f)
        .valued([](int, int ix, int, int) { return static_cast<float>(ix); });
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings = coloredSquare();

    const Drawing drawing = writeDrawing(file, settings);

    READ_BACK_DXF(drawing.path, json);
    const QJsonArray points = json["textPoints"].toArray();
    QVERIFY_POINT(points[0], 120, 240.8);  // title
    QVERIFY_POINT(points[1], 143.5, 240.8); // SCALE
    QVERIFY_POINT(points[2], 100, 198.4);  // X Min
    QVERIFY_POINT(points[3], 100, 196);    // Y Min
    QVERIFY_POINT(points[4], 125.6, 198.4); // X Max
    QVERIFY_POINT(points[5], 125.6, 196);  // Y Max
    QVERIFY_POINT(points[6], 146, 199.2);   // label 0
    QVERIFY_POINT(points[16], 146, 239.2);  // label 10
    const QJsonArray solids = json["solids"].toArray();
    QVERIFY_POINT(solids[0].toArray()[0], 142, 200); // legend box 0
    QVERIFY_POINT(solids[0].toArray()[3], 145, 203);
    QVERIFY_POINT(solids[9].toArray()[0], 142, 236); // legend box 9
    QVERIFY_POINT(solids[9].toArray()[3], 145, 239);
    QVERIFY_POINT(solids[10].toArray()[0], 100, 200); // first cell
    QVERIFY_POINT(solids[13].toArray()[3], 140, 220); // last cell
    const QJsonArray outline = json["polylines"].toArray()[0].toArray();
    QCOMPARE(outline.size(), 5);
    QVERIFY_POINT(outline[0], 100, 200);
    QVERIFY_POINT(outline[1], 100, 220);
    QVERIFY_POINT(outline[2], 140, 220);
    QVERIFY_POINT(outline[3], 140, 200);
    QVERIFY_POINT(outline[4], 100, 200);
    QCOMPARE(json["layers"].toObject().keys(),
             (QStringList{"Color1", "Color10", "Color2", "Color3", "Color4", "Color5", "Color6", "Color7", "Color8",
                          "Color9", "LEGEND", "OUTLINE", "TITLE", "XLABELS", "YLABELS"}));
}

void TestColoredSquareDxf::edgesRoundedOnce()
{
    // 25 x 0.3 from -7.7, formed in double and rounded once, is -0.19999951: the
    // outline and the right edge of the last column both read -0.2.
    TestSeam seam = TestSeam().sized(1, 25, 1).cells(0.3f, -7.7f);
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings = coloredSquare();

    const Drawing drawing = writeDrawing(file, settings);

    QVERIFY(drawing.bytes.contains(crlfLines({"VERTEX", "  8", "OUTLINE", " 10", "           -0.2"})));
    QVERIFY(drawing.bytes.contains(crlfLines({" 11", "           -0.2", " 21"})));
}

void TestColoredSquareDxf::extentTexts_data()
{
    QTest::addColumn<float>("originX");
    QTest::addColumn<float>("originY");
    QTest::addColumn<float>("cellSize");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("10 columns of 2.5 from 0") << 0.0f << -1.5f << 2.5f
                                             << QStringList{"X Min 0", "Y Min -1.5", "X Max 25", "Y Max 8.5"};
    QTest::newRow("exponents in three digits") << 1.5e10f << 0.0f << 1e9f
                                               << QStringList{"X Min 1.5e+010", "Y Min 0", "X Max 2.5e+010",
                                                              "Y Max 4e+009"};
}

void TestColoredSquareDxf::extentTexts()
{
    QFETCH(float, originX);
    QFETCH(float, originY);
    QFETCH(float, cellSize);
    QFETCH(QStringList, texts);
    TestSeam seam = TestSeam().sized(1, 10, 4).cells(cellSize, originX, originY);
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings = coloredSquare();

    const Drawing drawing = writeDrawing(file, settings);

    READ_BACK_DXF(drawing.path, json);
    QCOMPARE(strings(json["texts"]).mid(2, 4), texts);
    QCOMPARE(json["layers"].toObject()["XLABELS"].toInt(), 2);
    QCOMPARE(json["layers"].toObject()["YLABELS"].toInt(), 2);
}

void TestColoredSquareDxf::userScaleLabelsTheLegend()
{
    TestSeam seam = TestSeam().sized(1, 2, 1).valued([](int, int ix, int, int) { return ix == 0 ? -50.0f : 1e6f; });
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings = coloredSquare();
    settings.colSq.scaleMode = ScaleMode::MinToMax;
    settings.colSq.scaleMin = 0.0f;
    settings.colSq.scaleMax = 1e-4f;

    const Drawing drawing = writeDrawing(file, settings);

    QCOMPARE(settings.scaleTable[0], 0.0f);
    READ_BACK_DXF(drawing.path, json);
    const QJsonArray texts = json["texts"].toArray();
    QCOMPARE(texts[6].toString(), QString("           0"));
    QCOMPARE(texts[7].toString(), QString("      1e-005"));
    // Below the range is band 0, above it band 9.
    QCOMPARE(ints(json["colours"], 10), (std::vector<int>{250, 7}));
}

void TestColoredSquareDxf::titleIsTheFirstItemBeforeAnyLayout()
{
    TestSeam seam = TestSeam().sized(1, 1, 1, 2).named({"Vertical Stress", "Sx"}, {"MPa", "MPa"});
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings;
    settings.colSq.itemIndex = 1;
    settings.stepReloadPending = false;

    const Drawing drawing = writeDrawing(file, settings);

    QVERIFY(settings.layoutReady);
    READ_BACK_DXF(drawing.path, json);
    QCOMPARE(json["texts"].toArray()[0].toString(), QString("Vertical Stress"));
    QCOMPARE(json["layers"].toObject()["TITLE"].toInt(), 1);
}

void TestColoredSquareDxf::itemOutsideTheFileWritesNothing()
{
    OpenedSeam file(TestSeam{});
    QVERIFY(file.opened());
    PlotSettings settings = coloredSquare();
    settings.colSq.itemIndex = 1;
    TextLines lines;

    QVERIFY(!WriteColoredSquareDxf(file.document, settings, lines));

    QVERIFY(lines.pending().empty());
    QCOMPARE(file.reporter.messages.size(), std::size_t(1));
}

void TestColoredSquareDxf::saveWritesTheDefaultName()
{
    TestSeam seam = TestSeam().sized(2, 1, 1, 2).named({"Vertical Stress", "Sx"}, {"MPa", "MPa"})
        .valued([](int s, int, int, int) { return static_cast<float>(s); });
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings = coloredSquare("Sx");
    settings.colSq.itemIndex = 1;
    settings.stepReloadPending = true;
    std::vector<OutputFileRequest> requests;
    const OutputPathChooser withDefault = [&requests](const OutputFileRequest &request) {
        requests.push_back(request);
        return request.defaultName + "." + request.defaultSuffix;
    };

    QVERIFY(SaveDxfCommand(file.document, settings, withDefault));

    QCOMPARE(requests.size(), std::size_t(1));
    QCOMPARE(requests[0].defaultName, file.path("run-Sx_3D"));
    QCOMPARE(requests[0].filter, std::string("DXF Output Files (*.dxf);;All Files (*.*)"));
    QVERIFY(!settings.stepReloadPending);
    // Step 1 was read again: the scale of the flat step 1 labels every limit 1.
    READ_BACK_DXF(file.path("run-Sx_3D.dxf"), json);
    QCOMPARE(json["texts"].toArray()[0].toString(), QString("Sx"));
    QCOMPARE(json["texts"].toArray()[16].toString(), QString("           1"));
    QVERIFY(file.reporter.messages.empty());
}

void TestColoredSquareDxf::saveOnlyTheColoredSquarePlot_data()
{
    QTest::addColumn<PlotType>("type");
    QTest::newRow("cross section") << PlotType::CrossSection;
    QTest::newRow("history") << PlotType::History;
    QTest::newRow("fishnet") << PlotType::FishNet;
}

void TestColoredSquareDxf::saveOnlyTheColoredSquarePlot()
{
    QFETCH(PlotType, type);
    OpenedSeam file(TestSeam{});
    QVERIFY(file.opened());
    PlotSettings settings = coloredSquare();
    settings.plotType = type;
    bool asked = false;

    QVERIFY(!SaveDxfCommand(file.document, settings, [&asked](const OutputFileRequest &) {
        asked = true;
        return std::string("never.dxf");
    }));

    QVERIFY(!asked);
    QCOMPARE(file.reporter.messages,
             std::vector<std::string>{
                 "At this time, Sembla can only output a 3D Colored Square plot as DXF - OFSAD2"});
}

void TestColoredSquareDxf::saveWithoutAFile()
{
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    PlotSettings settings;
    QVERIFY(!SaveDxfCommand(document, settings, [](const OutputFileRequest &) { return std::string("x.dxf"); }));
    QCOMPARE(reporter.messages, std::vector<std::string>{"A Data File Must be Open - OFSAD1"});
}

void TestColoredSquareDxf::saveCancelled()
{
    OpenedSeam file(TestSeam{});
    QVERIFY(file.opened());
    const QStringList before = entriesOf(file.folder.path());
    PlotSettings settings = coloredSquare();
    QVERIFY(SaveDxfCommand(file.document, settings, [](const OutputFileRequest &) { return std::string(); }));
    QCOMPARE(entriesOf(file.folder.path()), before);
    QVERIFY(file.reporter.messages.empty());
}

void TestColoredSquareDxf::saveOpeningFailure()
{
    OpenedSeam file(TestSeam{});
    QVERIFY(file.opened());
    PlotSettings settings = coloredSquare();
    const std::string path = file.path("missing/plot.dxf");
    QVERIFY(!SaveDxfCommand(file.document, settings, [&path](const OutputFileRequest &) { return path; }));
    QCOMPARE(file.reporter.messages, std::vector<std::string>{"Error in Opening 3D DXF Output File - SDP3D1\n"});
}

void TestColoredSquareDxf::saveWritingFailureKeepsTheOldFile()
{
    OpenedSeam file(TestSeam{});
    QVERIFY(file.opened());
    PlotSettings settings = coloredSquare();
    const std::string path = file.path("plot.dxf");
    writeFile(path, "an earlier drawing");
    const QStringList before = entriesOf(file.folder.path());

    bool written = true;
    {
        const FileSizeLimit limit(64);
        written = SaveDxfCommand(file.document, settings, [&path](const OutputFileRequest &) { return path; });
    }

    QVERIFY(!written);
    QCOMPARE(file.reporter.messages, std::vector<std::string>{"Trouble Writing 3D DXF Output File - SDP3D2\n"});
    QCOMPARE(fileBytes(path), QByteArray("an earlier drawing"));
    QCOMPARE(entriesOf(file.folder.path()), before);
}

QTEST_GUILESS_MAIN(TestColoredSquareDxf)
#include "tst_ColoredSquareDxf.moc"
