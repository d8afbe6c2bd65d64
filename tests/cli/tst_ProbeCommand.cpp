#include "cli_helpers.h"
#include "support/TestFiles.h"
#include "support/TestSeam.h"

#include "export/AsciiExport.h"
#include "model/PlotSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// sembla-cli probe: each cell's column is the History Plot's ASCII file of a
// window of that one cell; the command line is checked before anything is printed.
class TestProbeCommand : public QObject
{
    Q_OBJECT

private slots:
    void printsTheHistoryPlotsNumbers_data();
    void printsTheHistoryPlotsNumbers();
    void badArgumentsPrintNothing_data();
    void badArgumentsPrintNothing();
    void stepsNotInTheFileAreLeftEmpty();
};

namespace {

using Cells = QList<QPoint>; // column and row, 1-based

// Two items of a 4 x 5 grid over three steps, among them numbers "%g" writes
// with an exponent or rounds.
TestSeam sample()
{
    return TestSeam().sized(3, 4, 5, 2).valued([](int s, int ix, int iy, int k) {
        return static_cast<float>((k ? 1.5e10 : 1.0) * (s * 0.1234567 + ix) * (iy == 2 ? 1e-6 : 1.0 + iy));
    });
}

// The file in a folder of its own, where both runs put their cache files.
std::string placeInput(const QString &file, const QTemporaryDir &folder)
{
    const QString path = folder.filePath("run.f1");
    if (file.isEmpty())
        writeSeamFile(path.toStdString(), sample());
    else
        QFile::copy(SEMBLA_EXAMPLES "/" + file, path);
    return path.toStdString();
}

// The numbers of the History Plot's ASCII file of a window of the one cell, a line for each step.
QList<QByteArray> historyAscii(CPlotDoc &document, const QPoint &cell, int item, const std::string &path)
{
    PlotSettings settings;
    settings.plotType = PlotType::History;
    settings.history.itemIndex = item;
    settings.history.minX = settings.history.maxX = cell.x();
    settings.history.minY = settings.history.maxY = cell.y();
    if (!WriteHistoryAscii(document, settings, path))
        return {};
    QList<QByteArray> numbers = fileBytes(path).split('\n');
    numbers.removeLast();
    for (qsizetype s = 0; s < numbers.size(); ++s)
        numbers[s] = numbers[s].mid(QByteArray::number(s + 1).size() + 2).trimmed(); // after "s, "
    return numbers;
}

} // namespace

void TestProbeCommand::printsTheHistoryPlotsNumbers_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<int>("item");
    QTest::newRow("the example: corners and the middle, item 0")
        << "panel.f1" << Cells{{1, 1}, {80, 1}, {1, 60}, {80, 60}, {40, 30}} << 0;
    QTest::newRow("the example: one cell, last item") << "panel.f1" << Cells{{17, 42}} << 5;
    QTest::newRow("exponents and rounding, one cell twice") << "" << Cells{{4, 3}, {2, 5}, {4, 3}} << 1;
}

void TestProbeCommand::printsTheHistoryPlotsNumbers()
{
    QFETCH(QString, file);
    QFETCH(Cells, cells);
    QFETCH(int, item);
    QTemporaryDir folder;
    const std::string input = placeInput(file, folder);
    QStringList arguments{"probe", QString::fromStdString(input), "--item", QString::number(item)};
    QByteArray header = "step";
    for (const QPoint &cell : cells) {
        arguments << "--cell" << QString::number(cell.x()) << QString::number(cell.y());
        header += QString(",col %1 row %2").arg(cell.x()).arg(cell.y()).toLatin1();
    }

    const CliRun run = runCli(arguments);

    QCOMPARE(run.errors, QString());
    QCOMPARE(run.status, 0);
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(input), CPlotDoc::OpenResult::Opened);
    QList<QByteArray> expected(document.header().stepCount);
    for (qsizetype s = 0; s < expected.size(); ++s)
        expected[s] = QByteArray::number(s + 1);
    for (const QPoint &cell : cells) {
        const QList<QByteArray> column = historyAscii(document, cell, item, folder.filePath("h.asc").toStdString());
        QCOMPARE(column.size(), expected.size());
        for (qsizetype s = 0; s < expected.size(); ++s)
            expected[s] += ',' + column[s];
    }
    QCOMPARE(run.out, header + '\n' + expected.join('\n') + '\n');
}

void TestProbeCommand::badArgumentsPrintNothing_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("no cell") << QStringList{"--item", "1"} << 2 << "probe needs at least one --cell C R.";
    QTest::newRow("a cell of one number") << QStringList{"--cell", "3"} << 2 << "--cell needs two numbers: C R.";
    QTest::newRow("a cell of a word") << QStringList{"--cell", "3", "x"} << 2
                                      << "--cell takes two whole numbers, not '3 x'.";
    QTest::newRow("column after the last, second cell") << QStringList{"--cell", "1", "1", "--cell", "5", "1"} << 2
                                                        << "--cell C 5 is outside 1..4: ";
    QTest::newRow("row after the last") << QStringList{"--cell", "1", "6"} << 2
                                        << "--cell R 6 is outside 1..5: run.f1 has 5 rows.";
    QTest::newRow("item after the last") << QStringList{"--cell", "1", "1", "--item", "2"} << 2
                                         << "--item 2 is outside 0..1: ";
    QTest::newRow("unknown option") << QStringList{"--cell", "1", "1", "--window", "1"} << 2 << "window";
    QTest::newRow("a missing file") << QStringList{"missing.f1", "--cell", "1", "1"} << 1 << "missing.f1";
}

void TestProbeCommand::badArgumentsPrintNothing()
{
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, complaint);
    QTemporaryDir folder;
    placeInput("", folder);
    // The file argument leads unless the row names its own.
    if (!options.front().endsWith(".f1"))
        options.prepend("run.f1");

    const CliRun run = runCli(QStringList{"probe"} + options, folder.path());

    QCOMPARE(run.status, status);
    QVERIFY2(run.errors.contains(complaint), qPrintable(run.errors));
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(entriesOf(folder.path()), QStringList{"run.f1"});
}

void TestProbeCommand::stepsNotInTheFileAreLeftEmpty()
{
    // Step 2 of 4 is cut off: steps 2 to 4 hold what the reader left, no numbers of the file.
    QTemporaryDir folder;
    const std::string input = copyTestFile("truncated_step2of4.f1", folder.path());

    const CliRun run = runCli({"probe", QString::fromStdString(input), "--cell", "2", "1", "--cell", "1", "2"});

    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QByteArray("step,col 2 row 1,col 1 row 2\n1,3,2\n2,,\n3,,\n4,,\n"));
    QVERIFY2(run.errors.endsWith(
                 "Steps 2 to 4 are not in " + QString::fromStdString(input)
                 + ", which ends or is damaged before them; their values are left empty.\n"),
             qPrintable(run.errors));
}

QTEST_GUILESS_MAIN(TestProbeCommand)
#include "tst_ProbeCommand.moc"
