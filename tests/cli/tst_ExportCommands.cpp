#include "cli_helpers.h"
#include "support/DxfReadBack.h"
#include "support/SpecialFiles.h"
#include "support/TestFiles.h"
#include "support/TestSeam.h"

#include "export/AsciiExport.h"
#include "export/ColoredSquareDxf.h"
#include "view/PlotSettings.h"

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
    void asciiWritesWhatTheViewerWrites_data();
    void asciiWritesWhatTheViewerWrites();
    void dxfWritesWhatTheViewerWrites_data();
    void dxfWritesWhatTheViewerWrites();
    void outputGoesWhereAsked();
    void outputGoesThroughAFifo_data();
    void outputGoesThroughAFifo();
    void optionsOutsideTheirRange_data();
    void optionsOutsideTheirRange();
    void messagesGoToStderr_data();
    void messagesGoToStderr();
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

using Settle = std::function<void(PlotSettings &)>;

} // namespace

void TestExportCommands::asciiWritesWhatTheViewerWrites_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("defaultName");
    QTest::addColumn<Settle>("settle");
    QTest::newRow("defaults: colored square, item 0, step 1")
        << QStringList{} << "run-Vert_3D.asc" << Settle([](PlotSettings &) {});
    QTest::newRow("fishnet of item 1 at step 3")
        << QStringList{"--plot", "fishnet", "--item", "1", "--step", "3"} << "run-Sx_3D.asc"
        << Settle([](PlotSettings &s) {
               s.plotType = PlotType::FishNet;
               s.fishnetItem = 1;
               s.step = 3;
           });
    QTest::newRow("cross section along row 4")
        << QStringList{"--plot", "cross-section", "--location", "4", "--step", "2"} << "run-Vert_2DRow4.asc"
        << Settle([](PlotSettings &s) {
               s.plotType = PlotType::CrossSection;
               s.xsecLocation = 4;
               s.step = 2;
           });
    QTest::newRow("cross section along column 4")
        << QStringList{"--plot", "cross-section", "--direction", "y", "--location", "4", "--item", "1"}
        << "run-Sx_2DCol4.asc" << Settle([](PlotSettings &s) {
               s.plotType = PlotType::CrossSection;
               s.xsecDirection = CrossSectionDirection::ParallelToY;
               s.xsecLocation = 4;
               s.xsecItem = 1;
           });
    QTest::newRow("history average over 2..3 by 5..5")
        << QStringList{"--plot", "history", "--window", "2", "3", "5", "5"} << "run-Vert-Hist-X=2-3Y=5-5.asc"
        << Settle([](PlotSettings &s) {
               s.plotType = PlotType::History;
               s.histMinX = 2;
               s.histMaxX = 3;
               s.histMinY = 5;
               s.histMaxY = 5;
           });
    QTest::newRow("history total, default window")
        << QStringList{"--plot", "history", "--mode", "total", "--item", "1"} << "run-Sx-Hist-X=1-1Y=1-1.asc"
        << Settle([](PlotSettings &s) {
               s.plotType = PlotType::History;
               s.histMode = HistoryMode::Total;
               s.histItem = 1;
           });
}

void TestExportCommands::asciiWritesWhatTheViewerWrites()
{
    QFETCH(QStringList, options);
    QFETCH(QString, defaultName);
    QFETCH(Settle, settle);
    CliFolder cli;

    const CliRun run = runCli(QStringList{"ascii", cli.path("run.f1")} + options);

    QCOMPARE(run.errors, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(cli.outputs(), QStringList{defaultName});
    OpenedSeam viewer(sample());
    QVERIFY(viewer.opened());
    PlotSettings settings;
    settle(settings);
    settings.previousPlotType = settings.plotType;
    const std::string expected = viewer.path("expected.asc");
    QVERIFY(SaveAsciiCommand(viewer.document, settings, [&expected](const OutputFileRequest &) { return expected; }));
    const QByteArray written = fileBytes(cli.path(defaultName).toStdString());
    QVERIFY(written.endsWith("\r\n"));
    QCOMPARE(written, fileBytes(expected));
}

void TestExportCommands::dxfWritesWhatTheViewerWrites_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("defaultName");
    QTest::addColumn<Settle>("settle");
    QTest::newRow("defaults: item 0, step 1, automatic scale") << QStringList{} << "run-Vert_3D.dxf"
                                                              << Settle([](PlotSettings &) {});
    QTest::newRow("item 1 at step 2 in a fixed scale")
        << QStringList{"--item", "1", "--step", "2", "--scale", "-4:0.5"} << "run-Sx_3D.dxf"
        << Settle([](PlotSettings &s) {
               s.colSqItem = 1;
               s.step = 2;
               s.colSqScaleMode = ScaleMode::MinToMax;
               s.colSqScaleMin = -4.0f;
               s.colSqScaleMax = 0.5f;
           });
}

void TestExportCommands::dxfWritesWhatTheViewerWrites()
{
    QFETCH(QStringList, options);
    QFETCH(QString, defaultName);
    QFETCH(Settle, settle);
    CliFolder cli;

    const CliRun run = runCli(QStringList{"dxf", cli.path("run.f1")} + options);

    QCOMPARE(run.errors, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(cli.outputs(), QStringList{defaultName});
    // The viewer after the plot command's OK: titled with the chosen item.
    OpenedSeam viewer(sample());
    QVERIFY(viewer.opened());
    PlotSettings settings;
    settle(settings);
    settings.plotTitle = viewer.document.header().itemName(settings.colSqItem);
    settings.layoutReady = true;
    const std::string expected = viewer.path("expected.dxf");
    QVERIFY(SaveDxfCommand(viewer.document, settings, [&expected](const OutputFileRequest &) { return expected; }));
    const std::string written = cli.path(defaultName).toStdString();
    QCOMPARE(fileBytes(written), fileBytes(expected));
    READ_BACK_DXF(written, json);
    QCOMPARE(json["texts"].toArray()[0].toString(), QString::fromStdString(settings.plotTitle));
    QCOMPARE(json["types"].toObject()["TEXT"].toInt(), 17);
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

QTEST_GUILESS_MAIN(TestExportCommands)
#include "tst_ExportCommands.moc"
