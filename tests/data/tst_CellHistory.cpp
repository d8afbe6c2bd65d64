#include "support/TestFiles.h"
#include "support/TestSeam.h"

#include "charts/HistoryValues.h"
#include "data/CellHistory.h"
#include "model/PlotSettings.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(CellWindow)
Q_DECLARE_METATYPE(std::vector<CellWindow>)

// The history read by the windows' bytes alone against the History Plot's sums
// over whole steps, and against cache files that are no longer the ones written.
class TestCellHistory : public QObject
{
    Q_OBJECT

private slots:
    void matchesTheWholeStepSums_data();
    void matchesTheWholeStepSums();
    void damagedCacheFileGivesTheStepReadsFailure_data();
    void damagedCacheFileGivesTheStepReadsFailure();
    void windowOutsideTheGridReadsNothing_data();
    void windowOutsideTheGridReadsNothing();
    void stepsNotInTheFileAreToldApart();
};

namespace {

// Four steps of 7 columns, 5 rows and 3 items; every value tells its step, cell
// and item, with fractions float32 rounds.
TestSeam sample()
{
    return TestSeam().sized(4, 7, 5, 3).valued([](int s, int ix, int iy, int k) {
        return static_cast<float>(s * 0.013 + ix * 1.37 + iy * 0.0071 - k * 100.3);
    });
}

} // namespace

void TestCellHistory::matchesTheWholeStepSums_data()
{
    QTest::addColumn<std::vector<CellWindow>>("windows");
    QTest::addColumn<int>("item");
    const std::vector<CellWindow> cornersAndMiddle{CellWindow::cell(0, 0), CellWindow::cell(6, 0),
                                                   CellWindow::cell(0, 4), CellWindow::cell(6, 4),
                                                   CellWindow::cell(3, 2)};
    const std::vector<CellWindow> windows{{0, 6, 0, 4}, {1, 5, 3, 3}, {6, 6, 0, 4}, {2, 3, 1, 3}, {2, 3, 1, 3}};
    for (int item = 0; item < 3; ++item) {
        QTest::addRow("corners and middle, item %d", item) << cornersAndMiddle << item;
        QTest::addRow("whole grid, a row, a column and 2 x 3 twice, item %d", item) << windows << item;
    }
}

void TestCellHistory::matchesTheWholeStepSums()
{
    QFETCH(std::vector<CellWindow>, windows);
    QFETCH(int, item);
    OpenedSeam seam(sample());
    QVERIFY(seam.opened());
    const StepGrid &grid = seam.document.grid();
    const std::vector<float> held(grid.data(), grid.data() + grid.valueCount());

    const CellHistories read = ReadCellHistories(seam.document, item, windows);
    QVERIFY2(read.complete(), read.error.c_str());
    QCOMPARE(read.stepsRead, 4);
    QCOMPARE(read.completeSteps, 4);
    // The step in memory is left alone.
    QVERIFY(std::equal(held.begin(), held.end(), grid.data()));
    QCOMPARE(read.windows.size(), windows.size());
    for (std::size_t w = 0; w < windows.size(); ++w) {
        PlotSettings settings;
        settings.history.itemIndex = item;
        settings.history.minX = windows[w].firstColumn + 1;
        settings.history.maxX = windows[w].lastColumn + 1;
        settings.history.minY = windows[w].firstRow + 1;
        settings.history.maxY = windows[w].lastRow + 1;
        const HistoryValues whole = ComputeHistoryValues(seam.document, settings);
        QVERIFY(whole.complete());
        QCOMPARE(read.windows[w].sums, whole.sums);
        QCOMPARE(read.windows[w].averages, whole.averages);
    }
}

void TestCellHistory::damagedCacheFileGivesTheStepReadsFailure_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("removed") << "remove";
    QTest::newRow("cut short") << "shorten";
    QTest::newRow("one byte longer") << "lengthen";
    QTest::newRow("replaced by a file of the same size") << "replace";
}

void TestCellHistory::damagedCacheFileGivesTheStepReadsFailure()
{
    QFETCH(QString, change);
    OpenedSeam seam(sample());
    QVERIFY(seam.opened());
    StepGrid &grid = seam.document.grid();
    const QString name = QString::fromStdString(grid.CacheFileName(2));
    const QByteArray bytes = fileBytes(name);
    QVERIFY(QFile::remove(name));
    if (change != "remove")
        writeFile(name, change == "shorten" ? bytes.chopped(4) : change == "lengthen" ? bytes + 'x' : bytes);

    const CellHistories read = ReadCellHistories(seam.document, 1, {CellWindow::cell(0, 0), {1, 2, 1, 2}});
    QCOMPARE(read.stepsRead, 1);
    for (const WindowHistory &window : read.windows)
        QCOMPARE(window.sums, (std::vector<double>{window.sums[0], 0, 0, 0}));
    // The failure the whole step's read gives.
    QVERIFY(!grid.ReadStep(2));
    QCOMPARE(read.error, grid.errorText());
    QVERIFY2(QString::fromStdString(read.error).contains(name), read.error.c_str());
}

void TestCellHistory::windowOutsideTheGridReadsNothing_data()
{
    QTest::addColumn<CellWindow>("window");
    QTest::addColumn<int>("item");
    QTest::newRow("item after the last") << CellWindow::cell(0, 0) << 3;
    QTest::newRow("column after the last") << CellWindow{5, 7, 0, 0} << 0;
    QTest::newRow("row before the first") << CellWindow::cell(0, -1) << 0;
    QTest::newRow("rows the wrong way round") << CellWindow{0, 0, 3, 2} << 0;
}

void TestCellHistory::windowOutsideTheGridReadsNothing()
{
    QFETCH(CellWindow, window);
    QFETCH(int, item);
    OpenedSeam seam(sample());
    QVERIFY(seam.opened());
    const CellHistories read = ReadCellHistories(seam.document, item, {CellWindow::cell(1, 1), window});
    QCOMPARE(read.stepsRead, 0);
    QVERIFY2(QString::fromStdString(read.error).contains("does not fit the grid of 7 columns, 5 rows and 3 items"),
             read.error.c_str());
}

void TestCellHistory::stepsNotInTheFileAreToldApart()
{
    // Step 2 of 4 is cut off in the middle: steps 2 to 4 hold what the reader left.
    QTemporaryDir dir;
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("truncated_step2of4.f1", dir.path())),
             CPlotDoc::OpenResult::OpenedWithErrors);
    const CellHistories read = ReadCellHistories(document, 0, {CellWindow::cell(1, 1)});
    QVERIFY2(read.complete(), read.error.c_str());
    QCOMPARE(read.stepsRead, 4);
    QCOMPARE(read.completeSteps, 1);
    QCOMPARE(read.windows[0].sums.front(), 4.0);
}

QTEST_GUILESS_MAIN(TestCellHistory)
#include "tst_CellHistory.moc"
