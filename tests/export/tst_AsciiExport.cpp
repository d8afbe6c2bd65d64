#include "export_helpers.h"

#include "export/AsciiExport.h"
#include "export/ColoredSquareDxf.h"
#include "export/ExportFileNames.h"
#include "model/PlotSettings.h"

#include <QtTest>

class TestAsciiExport : public QObject
{
    Q_OBJECT

private slots:
    void gridCentresColumnsOuterRowsInner();
    void gridValuesInThreeDigitExponents();
    void gridXPassesThroughFloat32Again();
    void coloredSquareAndFishNetEachExportTheirItem_data();
    void coloredSquareAndFishNetEachExportTheirItem();
    void crossSection_data();
    void crossSection();
    void historyAveragesAndTotals_data();
    void historyAveragesAndTotals();
    void historyHasOneLinePerStep();
    void defaultNamesTakeFourCharacters_data();
    void defaultNamesTakeFourCharacters();
    void fileNamedOnlyByItsExtensionHasNoTitle();
    void stepIsReloadedBeforeTheGridIsWritten();
    void cancelWritesNothingAndSaysNothing();
    void noFileLoaded();
    void unknownPlotType();
    void openingFailure_data();
    void openingFailure();
    void writingFailureKeepsTheOldFile_data();
    void writingFailureKeepsTheOldFile();
    void settingsOutsideTheGridAreRefused_data();
    void settingsOutsideTheGridAreRefused();
    void stepNotInTheFileWritesNothing_data();
    void stepNotInTheFileWritesNothing();
};

namespace {

// Answers the save dialog with one path and keeps what it was asked.
struct PathAnswer
{
    explicit PathAnswer(std::string answer = {}) : path(std::move(answer)) {}

    std::string path;
    std::vector<OutputFileRequest> requests;

    OutputPathChooser chooser()
    {
        return [this](const OutputFileRequest &request) {
            requests.push_back(request);
            return path;
        };
    }
};

PlotSettings settingsFor(PlotType type)
{
    PlotSettings settings;
    settings.plotType = type;
    settings.previousPlotType = type;
    return settings;
}

std::string defaultName(const OpenedSeam &file, const char *rest)
{
    return file.path("run") + rest;
}

// Two items whose values name their place: item k at (ix, iy) of step s.
TestSeam placeValues(int steps, int columns, int rows)
{
    return TestSeam().sized(steps, columns, rows, 2).named({"Vertical Stress", "Sx"}, {"MPa", "MPa"})
        .valued([](int s, int ix, int iy, int k) { return static_cast<float>(1000 * k + 100 * s + 10 * ix + iy); });
}

} // namespace

void TestAsciiExport::gridCentresColumnsOuterRowsInner()
{
    OpenedSeam file(placeValues(1, 3, 2).cells(2.0f));
    QVERIFY(file.opened());
    QVERIFY(file.document.loadStep(1));
    const std::string out = file.path("grid.asc");

    QVERIFY(WriteGridAscii(file.document, 0, out));

    QCOMPARE(fileBytes(out), crlfLines({"1, 1, 100", "1, 3, 101", "3, 1, 110", "3, 3, 111", "5, 1, 120",
                                        "5, 3, 121"}));
    QVERIFY(file.reporter.messages.empty());
}

void TestAsciiExport::gridValuesInThreeDigitExponents()
{
    TestSeam seam = TestSeam().sized(1, 1, 3).cells(4e6f, 0.0f, -1e-5f)
        .valued([](int, int, int iy, int) { return iy == 0 ? 1.5e10f : (iy == 1 ? 1e-5f : -2.5e30f); });
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    const std::string out = file.path("grid.asc");

    QVERIFY(WriteGridAscii(file.document, 0, out));

    QCOMPARE(fileBytes(out), crlfLines({"2e+006, 2e+006, 1.5e+010", "2e+006, 6e+006, 1e-005",
                                        "2e+006, 1e+007, -2.5e+030"}));
}

void TestAsciiExport::gridXPassesThroughFloat32Again()
{
    // Column 5 of cells 0.01 from 1000: in double its centre is 1000.04500488...,
    // which "%g" rounds up to 1000.05; as float32 it is 1000.04498291..., which
    // rounds down. The cross section keeps the double, the grid the float.
    TestSeam seam = TestSeam().sized(1, 5, 1).cells(0.01f, 1000.0f);
    OpenedSeam file(seam);
    QVERIFY(file.opened());

    QVERIFY(WriteGridAscii(file.document, 0, file.path("grid.asc")));
    PlotSettings row = settingsFor(PlotType::CrossSection);
    QVERIFY(WriteCrossSectionAscii(file.document, row, file.path("row.asc")));

    const QList<QByteArray> grid = fileBytes(file.path("grid.asc")).split('\n');
    const QList<QByteArray> section = fileBytes(file.path("row.asc")).split('\n');
    QCOMPARE(grid.size(), 6);
    QCOMPARE(section.size(), 6);
    QCOMPARE(grid[4], QByteArray("1000.04, 0.005, 0\r"));
    QCOMPARE(section[4], QByteArray("1000.05, 0\r"));
}

void TestAsciiExport::coloredSquareAndFishNetEachExportTheirItem_data()
{
    QTest::addColumn<PlotType>("type");
    QTest::addColumn<int>("colSqItem");
    QTest::addColumn<int>("fishnetItem");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("nameEnd");
    QTest::newRow("colored square, item 1") << PlotType::ColoredSquare << 1 << 0
                                            << crlfLines({"5, 5, 1100", "5, 15, 1101"}) << "-Sx_3D";
    QTest::newRow("fishnet, item 0") << PlotType::FishNet << 1 << 0 << crlfLines({"5, 5, 100", "5, 15, 101"})
                                     << "-Vert_3D";
}

void TestAsciiExport::coloredSquareAndFishNetEachExportTheirItem()
{
    QFETCH(PlotType, type);
    QFETCH(int, colSqItem);
    QFETCH(int, fishnetItem);
    QFETCH(QByteArray, expected);
    QFETCH(QString, nameEnd);
    OpenedSeam file(placeValues(1, 1, 2));
    QVERIFY(file.opened());
    PlotSettings settings = settingsFor(type);
    settings.colSq.itemIndex = colSqItem;
    settings.fishNet.itemIndex = fishnetItem;
    PathAnswer answer{file.path("out.asc")};

    QVERIFY(SaveAsciiCommand(file.document, settings, answer.chooser()));

    QCOMPARE(answer.requests.size(), std::size_t(1));
    QCOMPARE(answer.requests[0].defaultName, defaultName(file, qPrintable(nameEnd)));
    QCOMPARE(answer.requests[0].defaultSuffix, std::string("asc"));
    QCOMPARE(answer.requests[0].filter, std::string("ASCII Output Files (*.asc);;All Files (*.*)"));
    QCOMPARE(fileBytes(answer.path), expected);
    QVERIFY(file.reporter.messages.empty());
}

void TestAsciiExport::crossSection_data()
{
    QTest::addColumn<CrossSectionDirection>("direction");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("nameEnd");
    // A grid of 3 columns and 5 rows at (100, -50), cells 10: row 4 runs over the
    // columns, column 4 would not exist, column 2 runs over the rows.
    QTest::newRow("parallel to x, row 4") << CrossSectionDirection::ParallelToX
                                          << crlfLines({"105, 1103", "115, 1113", "125, 1123"}) << "-Sx_2DRow4";
    QTest::newRow("parallel to y, column 2")
        << CrossSectionDirection::ParallelToY
        << crlfLines({"-45, 1110", "-35, 1111", "-25, 1112", "-15, 1113", "-5, 1114"}) << "-Sx_2DCol2";
}

void TestAsciiExport::crossSection()
{
    QFETCH(CrossSectionDirection, direction);
    QFETCH(QByteArray, expected);
    QFETCH(QString, nameEnd);
    OpenedSeam file(placeValues(1, 3, 5).cells(10.0f, 100.0f, -50.0f));
    QVERIFY(file.opened());
    PlotSettings settings = settingsFor(PlotType::CrossSection);
    settings.xsec.itemIndex = 1;
    settings.xsec.direction = direction;
    settings.xsec.location = direction == CrossSectionDirection::ParallelToX ? 4 : 2;
    PathAnswer answer{file.path("out.asc")};

    QVERIFY(SaveAsciiCommand(file.document, settings, answer.chooser()));

    QCOMPARE(answer.requests.at(0).defaultName, defaultName(file, qPrintable(nameEnd)));
    QCOMPARE(fileBytes(answer.path), expected);
}

void TestAsciiExport::historyAveragesAndTotals_data()
{
    QTest::addColumn<HistoryMode>("mode");
    QTest::addColumn<QByteArray>("expected");
    // Window columns 2..3, row 5: the values 100s + 14 and 100s + 24 of step s
    // (item 0), so the sum is 200s + 38 and the average 100s + 19.
    QTest::newRow("average divides by 2") << HistoryMode::Average << crlfLines({"1, 119", "2, 219", "3, 319"});
    QTest::newRow("total is the plain sum") << HistoryMode::Total << crlfLines({"1, 238", "2, 438", "3, 638"});
}

void TestAsciiExport::historyAveragesAndTotals()
{
    QFETCH(HistoryMode, mode);
    QFETCH(QByteArray, expected);
    OpenedSeam file(placeValues(3, 4, 6));
    QVERIFY(file.opened());
    PlotSettings settings = settingsFor(PlotType::History);
    settings.history.minX = 2;
    settings.history.maxX = 3;
    settings.history.minY = 5;
    settings.history.maxY = 5;
    settings.history.mode = mode;
    settings.step = 2;
    PathAnswer answer{file.path("out.asc")};

    QVERIFY(SaveAsciiCommand(file.document, settings, answer.chooser()));

    QCOMPARE(answer.requests.at(0).defaultName, defaultName(file, "-Vert-Hist-X=2-3Y=5-5"));
    QCOMPARE(fileBytes(answer.path), expected);
    // The grid now holds the last step; the view's step is read again before its next use.
    QVERIFY(settings.stepReloadPending);
    QCOMPARE(settings.step, 2);
}

void TestAsciiExport::historyHasOneLinePerStep()
{
    TestSeam seam = TestSeam().sized(27, 1, 1).valued([](int s, int, int, int) { return static_cast<float>(s) / 4; });
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings = settingsFor(PlotType::History);
    const std::string out = file.path("history.asc");

    QVERIFY(WriteHistoryAscii(file.document, settings, out));

    const QList<QByteArray> lines = fileBytes(out).split('\n');
    QCOMPARE(lines.size(), 28);
    QCOMPARE(lines[0], QByteArray("1, 0.25\r"));
    QCOMPARE(lines[26], QByteArray("27, 6.75\r"));
    QCOMPARE(lines[27], QByteArray());
}

void TestAsciiExport::defaultNamesTakeFourCharacters_data()
{
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<QString>("part");
    QTest::newRow("two characters whole") << "Sx" << "-Sx";
    QTest::newRow("four of a long name") << "Vertical Stress" << "-Vert";
    QTest::newRow("exactly four") << "Sxyz" << "-Sxyz";
    QTest::newRow("characters, not bytes") << QString::fromUtf8("σ₁₂ max") << QString::fromUtf8("-σ₁₂ ");
    // The name stays a file in the seam file's folder.
    QTest::newRow("slash") << "S/N ratio" << "-S_N ";
    QTest::newRow("backslash") << "a\\b" << "-a_b";
    // A NUL would end the name where the file is opened.
    QTest::newRow("NUL") << QString::fromUtf8("a\0bcd", 5) << "-a_bc";
}

void TestAsciiExport::defaultNamesTakeFourCharacters()
{
    QFETCH(QString, itemName);
    QFETCH(QString, part);
    TestSeam seam = TestSeam().sized(1, 12, 10001).named({itemName.toStdString()}, {"MPa"});
    OpenedSeam file(seam);
    QVERIFY(file.opened());
    PlotSettings settings;
    settings.xsec.location = 10001;
    settings.history.minX = 1;
    settings.history.maxX = 12;
    settings.history.minY = 9999;
    settings.history.maxY = 10001;
    const std::string prefix = file.path("run") + part.toStdString();

    QCOMPARE(GridExportName(file.document, 0), prefix + "_3D");
    QCOMPARE(CrossSectionExportName(file.document, settings), prefix + "_2DRow10001");
    settings.xsec.direction = CrossSectionDirection::ParallelToY;
    settings.xsec.location = 12;
    QCOMPARE(CrossSectionExportName(file.document, settings), prefix + "_2DCol12");
    QCOMPARE(HistoryExportName(file.document, settings), prefix + "-Hist-X=1-12Y=9999-10001");
}

void TestAsciiExport::fileNamedOnlyByItsExtensionHasNoTitle()
{
    TestSeam seam = TestSeam().named({"Convergence"}, {"MPa"});
    OpenedSeam file(seam, ".f1");
    QVERIFY(file.opened());
    QCOMPARE(GridExportName(file.document, 0), file.path("-Conv_3D"));
}

void TestAsciiExport::stepIsReloadedBeforeTheGridIsWritten()
{
    // After the open the grid holds step 3; the pending step 1 is read first.
    OpenedSeam file(placeValues(3, 1, 1));
    QVERIFY(file.opened());
    PlotSettings settings = settingsFor(PlotType::ColoredSquare);
    PathAnswer answer{file.path("out.asc")};

    QVERIFY(SaveAsciiCommand(file.document, settings, answer.chooser()));

    QVERIFY(!settings.stepReloadPending);
    QCOMPARE(fileBytes(answer.path), crlfLines({"5, 5, 100"}));
}

void TestAsciiExport::cancelWritesNothingAndSaysNothing()
{
    OpenedSeam file(placeValues(1, 2, 2));
    QVERIFY(file.opened());
    const QStringList before = entriesOf(file.folder.path());
    for (PlotType type : {PlotType::ColoredSquare, PlotType::CrossSection, PlotType::History, PlotType::FishNet}) {
        PlotSettings settings = settingsFor(type);
        PathAnswer cancel;
        QVERIFY(SaveAsciiCommand(file.document, settings, cancel.chooser()));
        QCOMPARE(cancel.requests.size(), std::size_t(1));
    }
    QCOMPARE(entriesOf(file.folder.path()), before);
    QVERIFY(file.reporter.messages.empty());
}

void TestAsciiExport::noFileLoaded()
{
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    PlotSettings settings;
    PathAnswer answer{"never.asc"};

    QVERIFY(!SaveAsciiCommand(document, settings, answer.chooser()));

    QVERIFY(answer.requests.empty());
    QCOMPARE(reporter.messages, std::vector<std::string>{"A Data File Must be Open - OFSAA1"});
}

void TestAsciiExport::unknownPlotType()
{
    OpenedSeam file(placeValues(1, 1, 1));
    QVERIFY(file.opened());
    PlotSettings settings = settingsFor(static_cast<PlotType>(4));
    PathAnswer answer{file.path("out.asc")};

    QVERIFY(!SaveAsciiCommand(file.document, settings, answer.chooser()));

    QVERIFY(answer.requests.empty());
    QCOMPARE(file.reporter.messages, std::vector<std::string>{"Unknown plot type - OFSAA3"});
}

void TestAsciiExport::openingFailure_data()
{
    QTest::addColumn<PlotType>("type");
    QTest::addColumn<QString>("message");
    QTest::newRow("colored square") << PlotType::ColoredSquare << "Error in Opening 3D ASCII Output File - SA3D2\n";
    QTest::newRow("fishnet") << PlotType::FishNet << "Error in Opening 3D ASCII Output File - SA3D2\n";
    QTest::newRow("cross section") << PlotType::CrossSection << "Error in Opening 2D ASCII Output File - SA2D1\n";
    QTest::newRow("history") << PlotType::History << "Error in Opening 2D History Output File - SA2DH1\n";
}

void TestAsciiExport::openingFailure()
{
    QFETCH(PlotType, type);
    QFETCH(QString, message);
    OpenedSeam file(placeValues(2, 2, 2));
    QVERIFY(file.opened());
    PlotSettings settings = settingsFor(type);
    PathAnswer answer{file.path("no such folder/out.asc")};

    QVERIFY(!SaveAsciiCommand(file.document, settings, answer.chooser()));

    QCOMPARE(file.reporter.messages, std::vector<std::string>{message.toStdString()});
    // Nothing was loaded for the history: the step the view wants is still in the grid.
    QVERIFY(!settings.stepReloadPending);
}

void TestAsciiExport::writingFailureKeepsTheOldFile_data()
{
    QTest::addColumn<PlotType>("type");
    QTest::addColumn<CrossSectionDirection>("direction");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("lineCount");
    const auto x = CrossSectionDirection::ParallelToX;
    const auto y = CrossSectionDirection::ParallelToY;
    QTest::newRow("colored square") << PlotType::ColoredSquare << x
                                    << "Trouble Writing 3D ASCII Output File - SA3D2\n" << 9;
    QTest::newRow("fishnet") << PlotType::FishNet << x << "Trouble Writing 3D ASCII Output File - SA3D2\n" << 9;
    QTest::newRow("cross section along x") << PlotType::CrossSection << x
                                           << "Trouble Writing 2D ASCII Output File - SA2D2\n" << 3;
    QTest::newRow("cross section along y") << PlotType::CrossSection << y
                                           << "Trouble Writing 2D ASCII Output File - SA2D3\n" << 3;
    QTest::newRow("history") << PlotType::History << x << "Trouble Writing 2D History Output File - SA2DH2\n" << 3;
}

void TestAsciiExport::writingFailureKeepsTheOldFile()
{
    QFETCH(PlotType, type);
    QFETCH(CrossSectionDirection, direction);
    QFETCH(QString, message);
    QFETCH(int, lineCount);
    OpenedSeam file(placeValues(3, 3, 3));
    QVERIFY(file.opened());
    PlotSettings settings = settingsFor(type);
    settings.xsec.direction = direction;
    PathAnswer answer{file.path("out.asc")};
    writeFile(answer.path, "the file the export was to replace");
    const QStringList before = entriesOf(file.folder.path());

    bool written = true;
    {
        const FileSizeLimit limit(8);
        written = SaveAsciiCommand(file.document, settings, answer.chooser());
    }

    QVERIFY(!written);
    QCOMPARE(file.reporter.messages, std::vector<std::string>{message.toStdString()});
    QCOMPARE(fileBytes(answer.path), QByteArray("the file the export was to replace"));
    QCOMPARE(entriesOf(file.folder.path()), before);
    // A second try, with room on the disk, writes the file.
    QVERIFY(SaveAsciiCommand(file.document, settings, answer.chooser()));
    QCOMPARE(fileBytes(answer.path).count("\r\n"), lineCount);
}

void TestAsciiExport::settingsOutsideTheGridAreRefused_data()
{
    QTest::addColumn<PlotType>("type");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("location");
    QTest::newRow("grid item past the items") << PlotType::ColoredSquare << 2 << 1;
    QTest::newRow("fishnet item negative") << PlotType::FishNet << -1 << 1;
    QTest::newRow("cross section past the rows") << PlotType::CrossSection << 0 << 4;
    QTest::newRow("cross section item past the items") << PlotType::CrossSection << 2 << 1;
    QTest::newRow("history item past the items") << PlotType::History << 2 << 1;
}

void TestAsciiExport::settingsOutsideTheGridAreRefused()
{
    // Settings kept from a file with more items or rows than this one.
    QFETCH(PlotType, type);
    QFETCH(int, item);
    QFETCH(int, location);
    OpenedSeam file(placeValues(1, 2, 3));
    QVERIFY(file.opened());
    PlotSettings settings = settingsFor(type);
    settings.colSq.itemIndex = settings.fishNet.itemIndex = settings.xsec.itemIndex = settings.history.itemIndex = item;
    settings.xsec.location = location;
    PathAnswer answer{file.path("out.asc")};

    QVERIFY(!SaveAsciiCommand(file.document, settings, answer.chooser()));

    QCOMPARE(file.reporter.messages.size(), std::size_t(1));
    QVERIFY(!QFile::exists(QString::fromStdString(answer.path)));
}

QTEST_GUILESS_MAIN(TestAsciiExport)
void TestAsciiExport::stepNotInTheFileWritesNothing_data()
{
    QTest::addColumn<bool>("dxf");
    QTest::addColumn<PlotType>("type");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("written");
    QTest::newRow("grid of the last complete step") << false << PlotType::ColoredSquare << 1 << true;
    QTest::newRow("grid of a cut step") << false << PlotType::ColoredSquare << 2 << false;
    QTest::newRow("cross section of a step after the cut") << false << PlotType::CrossSection << 4 << false;
    QTest::newRow("FishNet of a cut step") << false << PlotType::FishNet << 3 << false;
    // The history says which steps it summed; it is not of one step.
    QTest::newRow("history") << false << PlotType::History << 4 << true;
    QTest::newRow("DXF of the last complete step") << true << PlotType::ColoredSquare << 1 << true;
    QTest::newRow("DXF of a cut step") << true << PlotType::ColoredSquare << 2 << false;
}

// The values of a cut step are what the reader left: no file may claim them as the step's.
void TestAsciiExport::stepNotInTheFileWritesNothing()
{
    QFETCH(bool, dxf);
    QFETCH(PlotType, type);
    QFETCH(int, step);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const std::string input = dir.filePath("run.f1").toStdString();
    writeFile(input, "4, 0, 1.0, 2, 2, 0.0, 0.0\n1, Stress\n1, MPa\n1\n2\n3\n4\n5\n6\n");
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QVERIFY(document.openFile(input) != CPlotDoc::OpenResult::Failed);
    QCOMPARE(document.completeSteps(), 1);
    reporter.messages.clear();
    PlotSettings settings = settingsFor(type);
    settings.step = step;
    const std::string output = dir.filePath(dxf ? "out.dxf" : "out.asc").toStdString();
    PathAnswer answer{output};

    const bool done = dxf ? SaveDxfCommand(document, settings, answer.chooser())
                          : SaveAsciiCommand(document, settings, answer.chooser());

    QCOMPARE(done, written);
    QCOMPARE(QFile::exists(QString::fromStdString(output)), written);
    if (!written) {
        QVERIFY(answer.requests.empty());
        QCOMPARE(reporter.messages,
                 std::vector<std::string>{"Step " + std::to_string(step)
                                          + " is not in the file, which ends or is damaged before it: its values "
                                            "were not read, so nothing was written."});
    }
}

#include "tst_AsciiExport.moc"
