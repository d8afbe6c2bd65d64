#include "cli_helpers.h"
#include "support/DxfReadBack.h"
#include "support/FileHazards.h"
#include "support/TestFiles.h"
#include "support/TestSeam.h"

#include "export/AsciiExport.h"
#include "export/ColoredSquareDxf.h"
#include "model/PlotCommands.h"
#include "model/PlotSettings.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

// sembla-cli ascii and dxf: the same files as the viewer's exports, options
// checked before anything is written.
class TestExportCommands : public QObject
{
    Q_OBJECT

private slots:
    void writesWhatTheViewerWrites_data();
    void writesWhatTheViewerWrites();
    void outputGoesWhereAsked();
    void outputGoesThroughAFifo_data();
    void outputGoesThroughAFifo();
    void optionsOutsideTheirRange_data();
    void optionsOutsideTheirRange();
    void messagesGoToStderr_data();
    void messagesGoToStderr();
    void gridBeyondFloatWritesNoDrawing();
};

namespace {

// Three steps of a 4 x 5 grid with two items, the values naming their place.
TestSeam sample()
{
    return TestSeam().sized(3, 4, 5, 2).cells(2.5f, -10.0f, 1e5f).named({"Vertical Stress", "Sx"}, {"MPa", "MPa"})
        .valued([](int s, int ix, int iy, int k) {
            return (k ? -1.0f : 1.0f) * static_cast<float>(s * 1e-3 + ix * ix + 0.5 * iy);
        });
}

// The seam file copied into a folder of its own: the command-line tool writes
// and removes the step cache files there, beside the file.
struct CliFolder
{
    CliFolder() { writeSeamFile(path("run.f1").toStdString(), sample()); }
    QString path(const QString &name) const { return folder.filePath(name); }
    QStringList outputs() const { return QDir(folder.path()).entryList({"*.asc", "*.dxf"}, QDir::Files); }

    QTemporaryDir folder;
};

// What a plot command's OK does in the viewer; an empty one keeps the settings a new view has.
using Command = std::function<void(PlotSettings &, const SeamHeader &)>;

// The step follows the choice of a plot that shows one.
template<typename Choice, typename... Step>
Command commandOf(const Choice &choice, Step... step)
{
    return [=](PlotSettings &settings, const SeamHeader &header) {
        PlotCommands::apply(settings, choice, step..., header);
    };
}

} // namespace

void TestExportCommands::writesWhatTheViewerWrites_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("defaultName");
    QTest::addColumn<Command>("command");
    QTest::newRow("ascii defaults: colored square, item 0, step 1")
        << "ascii" << QStringList{} << "run-Vert_3D.asc" << Command();
    QTest::newRow("ascii fishnet of item 1 at step 3")
        << "ascii" << QStringList{"--plot", "fishnet", "--item", "1", "--step", "3"} << "run-Sx_3D.asc"
        << commandOf(FishNetChoice{1}, 3);
    QTest::newRow("ascii cross section along row 4")
        << "ascii" << QStringList{"--plot", "cross-section", "--location", "4", "--step", "2"}
        << "run-Vert_2DRow4.asc" << commandOf(XSecChoice{0, CrossSectionDirection::ParallelToX, 4}, 2);
    QTest::newRow("ascii cross section along column 4")
        << "ascii" << QStringList{"--plot", "cross-section", "--direction", "y", "--location", "4", "--item", "1"}
        << "run-Sx_2DCol4.asc" << commandOf(XSecChoice{1, CrossSectionDirection::ParallelToY, 4}, 1);
    QTest::newRow("ascii history average over 2..3 by 5..5")
        << "ascii" << QStringList{"--plot", "history", "--window", "2", "3", "5", "5"}
        << "run-Vert-Hist-X=2-3Y=5-5.asc" << commandOf(HistoryChoice{0, HistoryMode::Average, 2, 3, 5, 5});
    QTest::newRow("ascii history total, default window")
        << "ascii" << QStringList{"--plot", "history", "--mode", "total", "--item", "1"}
        << "run-Sx-Hist-X=1-1Y=1-1.asc" << commandOf(HistoryChoice{1, HistoryMode::Total, 1, 1, 1, 1});
    QTest::newRow("dxf defaults: item 0, step 1, automatic scale")
        << "dxf" << QStringList{} << "run-Vert_3D.dxf" << Command();
    QTest::newRow("dxf item 1 at step 2 in a fixed scale")
        << "dxf" << QStringList{"--item", "1", "--step", "2", "--scale", "-4:0.5"} << "run-Sx_3D.dxf"
        << commandOf(ColSqChoice{1, Palette::ColdToHot, ScaleMode::MinToMax, -4.0f, 0.5f}, 2);
}

void TestExportCommands::writesWhatTheViewerWrites()
{
    QFETCH(QString, verb);
    QFETCH(QStringList, options);
    QFETCH(QString, defaultName);
    QFETCH(Command, command);
    CliFolder cli;

    const CliRun run = runCli(QStringList{verb, cli.path("run.f1")} + options);

    QCOMPARE(run.errors, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(cli.outputs(), QStringList{defaultName});
    // The viewer: its first draw titles the plot with the first item; then the
    // plot command's OK, and Save As ASCII or DXF.
    OpenedSeam viewer(sample());
    QVERIFY(viewer.opened());
    PlotSettings settings;
    settings.plotTitle = viewer.document.header().itemName(0);
    settings.layoutReady = true;
    if (command)
        command(settings, viewer.document.header());
    const std::string expected = viewer.path("expected." + verb);
    const OutputPathChooser chooser = [&expected](const OutputFileRequest &) { return expected; };
    QVERIFY(verb == "ascii" ? SaveAsciiCommand(viewer.document, settings, chooser)
                            : SaveDxfCommand(viewer.document, settings, chooser));
    const std::string written = cli.path(defaultName).toStdString();
    QVERIFY(fileBytes(written).endsWith("\r\n"));
    QCOMPARE(fileBytes(written), fileBytes(expected));
    if (verb == "dxf") {
        READ_BACK_DXF(written, json);
        QCOMPARE(json["texts"].toArray()[0].toString(), QString::fromStdString(settings.plotTitle));
        QCOMPARE(json["types"].toObject()["TEXT"].toInt(), 17);
    }
}

void TestExportCommands::outputGoesWhereAsked()
{
    CliFolder cli;
    QCOMPARE(runCli({"ascii", cli.path("run.f1"), "-o", cli.path("grid.txt")}).status, 0);
    QCOMPARE(runCli({"dxf", cli.path("run.f1"), "--output", cli.path("drawing")}).status, 0);
    QVERIFY(cli.outputs().isEmpty());
    QCOMPARE(fileBytes(cli.path("grid.txt").toStdString()).count("\r\n"), 20);
    QVERIFY(fileBytes(cli.path("drawing").toStdString()).endsWith("  0\r\nEOF\r\n"));
}

void TestExportCommands::outputGoesThroughAFifo_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QByteArray>("ending");
    QTest::newRow("ascii") << "ascii" << QByteArray("\r\n");
    QTest::newRow("dxf") << "dxf" << QByteArray("  0\r\nEOF\r\n");
}

void TestExportCommands::outputGoesThroughAFifo()
{
    QFETCH(QString, verb);
    QFETCH(QByteArray, ending);
    CliFolder cli;
    const QString fifo = cli.path("out." + verb);
    if (!makeFifo(fifo))
        QSKIP("FIFOs cannot be made here");
    std::future<QByteArray> received = readFifo(fifo);
    QCOMPARE(runCli({verb, cli.path("run.f1"), "-o", fifo}).status, 0);
    QVERIFY(received.get().endsWith(ending));
    QCOMPARE(fileKind(fifo), QString("fifo"));
}

void TestExportCommands::optionsOutsideTheirRange_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("item past the items") << QStringList{"ascii", "--item", "2"} << "--item 2 is outside 0..1";
    QTest::newRow("negative item") << QStringList{"dxf", "--item", "-1"} << "--item -1 is outside 0..1";
    QTest::newRow("step 0") << QStringList{"ascii", "--step", "0"} << "--step 0 is outside 1..3";
    QTest::newRow("step past the last") << QStringList{"dxf", "--step", "4"} << "--step 4 is outside 1..3";
    QTest::newRow("row past the rows") << QStringList{"ascii", "--plot", "cross-section", "--location", "6"}
                                       << "--location 6 is outside 1..5";
    QTest::newRow("column past the columns")
        << QStringList{"ascii", "--plot", "cross-section", "--direction", "y", "--location", "5"}
        << "--location 5 is outside 1..4";
    QTest::newRow("window past the columns") << QStringList{"ascii", "--plot", "history", "--window", "1", "5", "1", "1"}
                                             << "--window MAXX 5 is outside 1..4";
    QTest::newRow("window min above max") << QStringList{"ascii", "--plot", "history", "--window", "1", "1", "3", "2"}
                                          << "--window MAXY 2 is outside 3..5";
    QTest::newRow("window of three numbers") << QStringList{"ascii", "--window", "1", "2", "3"}
                                             << "--window needs four numbers";
    QTest::newRow("window not numbers") << QStringList{"ascii", "--window", "1", "2", "a", "4"}
                                        << "--window takes four whole numbers";
    QTest::newRow("unknown plot") << QStringList{"ascii", "--plot", "surface"} << "--plot must be";
    QTest::newRow("unknown direction") << QStringList{"ascii", "--direction", "z"} << "--direction must be x or y";
    QTest::newRow("unknown mode") << QStringList{"ascii", "--mode", "median"} << "--mode must be average or total";
    QTest::newRow("item not a number") << QStringList{"ascii", "--item", "1.5"} << "--item must be a whole number";
    QTest::newRow("scale upside down") << QStringList{"dxf", "--scale", "5:1"} << "--scale must be MIN:MAX";
    QTest::newRow("scale of one number") << QStringList{"dxf", "--scale", "5"} << "--scale must be MIN:MAX";
}

void TestExportCommands::optionsOutsideTheirRange()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, complaint);
    CliFolder cli;
    arguments.insert(1, cli.path("run.f1"));

    const CliRun run = runCli(arguments);

    QCOMPARE(run.status, 2);
    QVERIFY2(run.errors.contains(complaint), qPrintable(run.errors));
    QCOMPARE(cli.outputs(), QStringList{});
}

void TestExportCommands::messagesGoToStderr_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("grid file in a missing folder") << QStringList{"ascii", "-o", "missing/out.asc"}
                                                   << "Error in Opening 3D ASCII Output File - SA3D2\n";
    QTest::newRow("history file in a missing folder")
        << QStringList{"ascii", "--plot", "history", "-o", "missing/out.asc"}
        << "Error in Opening 2D History Output File - SA2DH1\n";
    QTest::newRow("drawing in a missing folder") << QStringList{"dxf", "-o", "missing/out.dxf"}
                                                 << "Error in Opening 3D DXF Output File - SDP3D1\n";
}

void TestExportCommands::messagesGoToStderr()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    CliFolder cli;
    const qsizetype out = arguments.indexOf("-o") + 1;
    arguments[out] = cli.path(arguments[out]);
    arguments.insert(1, cli.path("run.f1"));

    const CliRun run = runCli(arguments);

    QCOMPARE(run.status, 1);
    QVERIFY2(run.errors.endsWith(message), qPrintable(run.errors));
    QCOMPARE(cli.outputs(), QStringList{});
}

// A grid float32 cannot lay out is refused at the open: no drawing of infinities.
void TestExportCommands::gridBeyondFloatWritesNoDrawing()
{
    CliFolder cli;
    const QString input = QString::fromStdString(copyTestFile("grid_beyond_float.f1", cli.folder.path()));
    const CliRun run = runCli({"dxf", input, "-o", cli.path("out.dxf")});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.errorLines(),
             QStringList{"The header of grid_beyond_float.f1 does not describe a grid: its 100 x 1 cells of 1e+038 "
                         "from (0, 0) and the plot around them reach beyond the range of 32-bit floating-point "
                         "numbers (3.40282e+038 at most)."});
    QCOMPARE(cli.outputs(), QStringList{});
}

QTEST_GUILESS_MAIN(TestExportCommands)
#include "tst_ExportCommands.moc"
