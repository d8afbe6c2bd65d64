#include "support/RecordingReporter.h"
#include "support/TestFiles.h"

#include "data/CPlotDoc.h"
#include "data/FilePath.h"
#include "data/StepCache.h"
#include "support/FileHazards.h"
#include "support/TestSeam.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The File Open sequence, the discarding of the contents and how the
// document meets damaged files, missing files and failing cache files.
class TestCPlotDoc : public QObject
{
    Q_OBJECT

private slots:
    void pathSplitting_data();
    void pathSplitting();
    void relativePathCachesBesideTheFile();

    void opensAFile_data();
    void opensAFile();
    void everyStepIsCachedAndReloads();
    void truncatedFileReportsEachRemainingStep();
    void stepCutShortInAFreshGridReadsZero();
    void blankLineBetweenSteps();
    void raggedDataLines();
    void completeStepsAreTheStepsHeldWhole_data();
    void completeStepsAreTheStepsHeldWhole();

    void headerErrorKeepsTheOpenFile_data();
    void headerErrorKeepsTheOpenFile();
    void headerThatDescribesNoGrid_data();
    void headerThatDescribesNoGrid();
    void inputNamedLikeItsCacheFile_data();
    void inputNamedLikeItsCacheFile();
    void unopenableInputLeavesTheDocument_data();
    void unopenableInputLeavesTheDocument();
    void cacheWriteFailureUndoesTheOpen();

    void removedCacheFileKeepsTheGrid();
    void stepOutsideTheFileIsRefused();
    void secondFileDiscardsTheFirstFilesCache();
    void discardRemovesExactlyTheCurrentCacheFiles();
    void cacheFilesOfOthersAreLeftAlone();
    void unremovableCacheFilesAreReported();
    void readOnlyFolderIsViewed();
    void hostileHeaders_data();
    void hostileHeaders();
    void cancelledOpenKeepsTheOpenFile();
    void destructionRemovesTheCacheFiles();
};

namespace {

const std::string emptyLine = "Read an empty line in the input file - ";

QStringList cacheNames(int first, int last)
{
    QStringList names;
    for (int step = first; step <= last; ++step)
        names << QString("SemTmp%1.bin").arg(step);
    return names;
}

// The document holds nothing of a file.
void verifyEmpty(const CPlotDoc &document)
{
    QVERIFY(!document.isLoaded());
    QCOMPARE(document.header().stepCount, 0);
    QCOMPARE(document.header().columnCount, 0);
    QCOMPARE(document.header().itemCount, 0);
    QVERIFY(document.header().itemName(0).empty());
    QVERIFY(document.GetFileTitle().empty());
    QVERIFY(document.GetFileDirectory().empty());
}

// The document still holds five_steps.f3, whose step s holds s.
void verifyFiveSteps(CPlotDoc &document)
{
    QVERIFY(document.isLoaded());
    QCOMPARE(document.header().stepCount, 5);
    QCOMPARE(document.fileName(), std::string("five_steps.f3"));
    QVERIFY(document.loadStep(2));
    QCOMPARE(document.grid().values[0][0][0], 2.0f);
}

} // namespace

void TestCPlotDoc::pathSplitting_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("directory");
    QTest::newRow("plain") << "/data/mine/run.f2" << "run.f2" << "run" << "/data/mine/";
    QTest::newRow("dots in the folder") << "/data/v1.2/run" << "run" << "run" << "/data/v1.2/";
    QTest::newRow("last extension only") << "/d/run.old.f1" << "run.old.f1" << "run.old" << "/d/";
    QTest::newRow("blanks kept") << "/my data/panel 3.f4" << "panel 3.f4" << "panel 3" << "/my data/";
    QTest::newRow("root folder") << "/run.f1" << "run.f1" << "run" << "/";
}

void TestCPlotDoc::pathSplitting()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, directory);
    const FilePath parts = FilePath::split(path.toStdString());
    QCOMPARE(QString::fromStdString(parts.fileName), name);
    QCOMPARE(QString::fromStdString(parts.fileTitle), title);
    QCOMPARE(QString::fromStdString(parts.fileDirectory), directory);
    QCOMPARE(parts.fileDirectory + parts.fileName, path.toStdString());
}

void TestCPlotDoc::relativePathCachesBesideTheFile()
{
    QTemporaryDir dir;
    copyTestFile("one_step_2x3.f1", dir.path());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    const auto result = document.openFile("one_step_2x3.f1");
    QDir::setCurrent(previous);
    QCOMPARE(result, CPlotDoc::OpenResult::Opened);
    const std::string expectedDirectory = QDir(dir.path()).canonicalPath().toStdString() + "/";
    QCOMPARE(QDir(QString::fromStdString(document.GetFileDirectory())).canonicalPath().toStdString() + "/", expectedDirectory);
    QCOMPARE(document.grid().CacheFileName(1), document.GetFileDirectory() + "SemTmp1.bin");
    QVERIFY(QFile::exists(dir.filePath("SemTmp1.bin")));
}

void TestCPlotDoc::opensAFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("LF") << "one_step_2x3.f1";
    QTest::newRow("CR LF") << "one_step_2x3_crlf.f1";
}

void TestCPlotDoc::opensAFile()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    const std::string path = copyTestFile(file, dir.path());
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QSignalSpy repaints(&document, &CPlotDoc::updateAllViews);
    QCOMPARE(document.openFile(path), CPlotDoc::OpenResult::Opened);
    QVERIFY(reporter.messages.empty());
    QCOMPARE(repaints.count(), 1);

    const SeamHeader &header = document.header();
    QCOMPARE(header.stepCount, 1);
    QCOMPARE(header.cellSize, 2.5f);
    QCOMPARE(header.columnCount, 2);
    QCOMPARE(header.rowCount, 3);
    QCOMPARE(header.originX, 100.0f);
    QCOMPARE(header.originY, 200.0f);
    QCOMPARE(header.itemCount, 2);
    QCOMPARE(header.unitCount, 2);
    QCOMPARE(header.itemName(0), std::string("Vertical Stress"));
    QCOMPARE(header.itemName(1), std::string("Convergence"));
    QCOMPARE(header.itemUnit(0), std::string("MPa"));
    QCOMPARE(header.itemUnit(1), std::string("mm"));

    // The fourth line is element (0,0), the fifth (0,1), the seventh (1,0).
    const StepGrid &grid = document.grid();
    QCOMPARE(grid.values[0][0][0], 1.0f);
    QCOMPARE(grid.values[0][1][0], 2.0f);
    QCOMPARE(grid.values[1][0][0], 4.0f);
    QCOMPARE(grid.values[1][2][1], 60.0f);

    QCOMPARE(QString::fromStdString(document.fileName()), file);
    QCOMPARE(QString::fromStdString(document.GetFileTitle()), QFileInfo(file).completeBaseName());
    QCOMPARE(document.GetFileDirectory(), dir.path().toStdString() + "/");
    QCOMPARE(entriesOf(dir.path()), (QStringList{"SemTmp1.bin", file}));
    QCOMPARE(fileBytes(dir.filePath("SemTmp1.bin")).size(), 2 * 3 * 2 * 4);
}

void TestCPlotDoc::everyStepIsCachedAndReloads()
{
    QTemporaryDir dir;
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("layout_3x2.f1", dir.path())), CPlotDoc::OpenResult::Opened);
    // The grid holds the last step when the open ends.
    QCOMPARE(document.grid().values[0][0][0], -0.5f);
    QCOMPARE(document.grid().values[2][1][1], -11.5f);
    QVERIFY(document.loadStep(1));
    QCOMPARE(document.grid().values[0][0][0], 0.5f);
    QCOMPARE(document.grid().values[1][0][0], 4.5f);
    QCOMPARE(document.grid().values[2][1][1], 11.5f);
    QVERIFY(document.loadStep(2));
    QCOMPARE(document.grid().values[1][1][0], -6.5f);
    QVERIFY(reporter.messages.empty());
    QCOMPARE(fileBytes(dir.filePath("SemTmp2.bin")).size(), 48);
}

void TestCPlotDoc::truncatedFileReportsEachRemainingStep()
{
    // 4 steps of 2 x 2 elements; the file ends after two lines of step 2.
    QTemporaryDir dir;
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("truncated_step2of4.f1", dir.path())), CPlotDoc::OpenResult::OpenedWithErrors);
    QCOMPARE(reporter.messages, std::vector<std::string>(3, emptyLine + "CGR2-1"));
    QVERIFY(document.isLoaded());
    // Steps 3 and 4 lie wholly beyond the end: they share step 2's file.
    QCOMPARE(entriesOf(dir.path()), cacheNames(1, 2) << "truncated_step2of4.f1");
    QVERIFY(document.loadStep(1));
    const StepGrid &grid = document.grid();
    QCOMPARE((QList<float>{grid.values[0][0][0], grid.values[0][1][0], grid.values[1][0][0], grid.values[1][1][0]}),
             (QList<float>{1, 2, 3, 4}));
    // Step 2 read two values; the others still hold step 1's, and so do steps 3 and 4.
    for (int step : {2, 3, 4}) {
        QVERIFY(document.loadStep(step));
        QCOMPARE((QList<float>{grid.values[0][0][0], grid.values[0][1][0], grid.values[1][0][0], grid.values[1][1][0]}),
                 (QList<float>{5, 6, 3, 4}));
    }
}

void TestCPlotDoc::stepCutShortInAFreshGridReadsZero()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("short.f1");
    writeFile(path, "1, 0, 1.0, 2, 2, 0.0, 0.0\n2, a, b\n2, u, v\n1.0, 2.0\n3.0, 4.0\n");
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    // A file before with other values: its grid must not show through.
    document.openFile(copyTestFile("layout_3x2.f1", dir.path()));
    QCOMPARE(document.openFile(path.toStdString()), CPlotDoc::OpenResult::OpenedWithErrors);
    QCOMPARE(reporter.messages, std::vector<std::string>{emptyLine + "CGR2-1"});
    QCOMPARE(document.grid().values[0][1][1], 4.0f);
    QCOMPARE(document.grid().values[1][0][0], 0.0f);
    QCOMPARE(document.grid().values[1][1][1], 0.0f);
}

void TestCPlotDoc::blankLineBetweenSteps()
{
    QTemporaryDir dir;
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("blank_between_steps.f1", dir.path())), CPlotDoc::OpenResult::OpenedWithErrors);
    QCOMPARE(reporter.messages, std::vector<std::string>{emptyLine + "CGR2-1"});
    // Step 2 stopped at the blank line and keeps step 1's values.
    QVERIFY(document.loadStep(2));
    QCOMPARE(document.grid().values[0][0][0], 1.0f);
    QCOMPARE(document.grid().values[0][1][0], 2.0f);
}

void TestCPlotDoc::raggedDataLines()
{
    QTemporaryDir dir;
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("ragged_lines.f2", dir.path())), CPlotDoc::OpenResult::Opened);
    const auto element = [&](int iy) {
        const float *v = document.grid().values[0][iy];
        return QList<float>{v[0], v[1], v[2]};
    };
    QCOMPARE(element(0), (QList<float>{1500, -0.25f, 7}));  // Fortran exponents
    QCOMPARE(element(1), (QList<float>{4, 0, 0}));          // short line
    QCOMPARE(element(2), (QList<float>{1, 2, 3}));          // long line
    QCOMPARE(element(3), (QList<float>{0, 0, 0}));          // blanks only: not empty
}

void TestCPlotDoc::completeStepsAreTheStepsHeldWhole_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("completeSteps");
    QTest::addColumn<int>("messages");
    const QByteArray header = "4, 0, 1.0, 1, 2, 0.0, 0.0\n1, S\n1, U\n";
    QTest::newRow("every step") << header + "1\n2\n3\n4\n5\n6\n7\n8\n" << 4 << 0;
    QTest::newRow("ends between steps") << header + "1\n2\n3\n4\n" << 2 << 1;
    QTest::newRow("ends inside a step") << header + "1\n2\n3\n" << 1 << 1;
    QTest::newRow("ends inside step 1") << header + "10\n" << 0 << 1;
    // A damaged line shifts the rest: the steps after it hold the numbers of others.
    QTest::newRow("blank line in step 2") << header + "1\n2\n3\n\n4\n5\n6\n7\n8\n" << 1 << 1;
    QTest::newRow("a million steps claimed") << QByteArray("1000000, 0, 1.0, 1, 1, 0.0, 0.0\n1, S\n1, U\n7\n") << 1
                                             << 1;
}

void TestCPlotDoc::completeStepsAreTheStepsHeldWhole()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, completeSteps);
    QFETCH(int, messages);
    QTemporaryDir dir;
    writeFile(dir.filePath("run.f1"), contents);
    struct RunReporter : RecordingReporter
    {
        void reportSteps(const std::string &text, int, int) override { messages.push_back(text); }
    } reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.completeSteps(), 0);
    QVERIFY(document.openFile(dir.filePath("run.f1").toStdString()) != CPlotDoc::OpenResult::Failed);
    QCOMPARE(document.completeSteps(), completeSteps);
    // The steps after them are only marked: their messages and values stay.
    QCOMPARE(reporter.messages, std::vector<std::string>(std::size_t(messages), emptyLine + "CGR2-1"));
    QVERIFY(document.loadStep(document.header().stepCount));
    document.DeleteContents();
    QCOMPARE(document.completeSteps(), 0);
}

void TestCPlotDoc::headerErrorKeepsTheOpenFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("code");
    QTest::newRow("empty file") << "empty.f1" << "CHR2-1";
    QTest::newRow("blank line 1") << "blank_line1.f1" << "CHR2-1";
    QTest::newRow("ends after line 1") << "only_line1.f1" << "CHR2-2";
    QTest::newRow("ends after line 2") << "only_lines1to2.f1" << "CHR2-3";
}

void TestCPlotDoc::headerErrorKeepsTheOpenFile()
{
    QFETCH(QString, file);
    QFETCH(QString, code);
    QTemporaryDir dir;
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("five_steps.f3", dir.path())), CPlotDoc::OpenResult::Opened);
    QSignalSpy repaints(&document, &CPlotDoc::updateAllViews);
    QCOMPARE(document.openFile(copyTestFile(file, dir.path())), CPlotDoc::OpenResult::Failed);
    QCOMPARE(reporter.messages, std::vector<std::string>{emptyLine + code.toStdString()});
    QCOMPARE(repaints.count(), 1);
    verifyFiveSteps(document);
    QStringList expected = cacheNames(1, 5) << file << "five_steps.f3";
    expected.sort();
    QCOMPARE(entriesOf(dir.path()), expected);
}

void TestCPlotDoc::headerThatDescribesNoGrid_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("reason");
    const QByteArray names = "\n1, Stress\n1, MPa\n1.0\n";
    QTest::newRow("no steps") << "0, 0, 1.0, 1, 1, 0.0, 0.0" + names << "the number of steps is 0";
    QTest::newRow("no columns") << "2, 0, 1.0, 0, 3, 0.0, 0.0" + names << "the number of columns is 0";
    QTest::newRow("negative rows") << "2, 0, 1.0, 3, -4, 0.0, 0.0" + names << "the number of rows is -4";
    QTest::newRow("sizes never read") << "2 , 0, 1.0, 3, 4, 0.0, 0.0" + names << "the number of columns is 0";
    QTest::newRow("no items") << QByteArray("1, 0, 1.0, 1, 1, 0.0, 0.0\n0\n1, MPa\n1.0\n") << "the number of stress items is 0, not 1 to 18";
    QTest::newRow("19 items") << QByteArray("1, 0, 1.0, 1, 1, 0.0, 0.0\n19, a\n1, MPa\n1.0\n") << "the number of stress items is 19, not 1 to 18";
    QTest::newRow("zero cell size") << "1, 0, 0.0, 1, 1, 0.0, 0.0" + names << "the cell size is not a positive number";
    QTest::newRow("negative cell size") << "1, 0, -5, 1, 1, 0.0, 0.0" + names << "the cell size is not a positive number";
    QTest::newRow("infinite cell size") << "1, 0, inf, 1, 1, 0.0, 0.0" + names << "the cell size is not a positive number";
    QTest::newRow("origin not a number") << "1, 0, 1.0, 1, 1, nan, 0.0" + names << "the origin is not a finite point";
    QTest::newRow("too many values") << "1, 0, 1.0, 65536, 65536, 0.0, 0.0" + names << "one step holds more values than the program can keep in memory";
    // Counts beyond int32 are refused, not wrapped: 4294967297 would read as 1.
    QTest::newRow("2^32 + 1 columns") << "1, 0, 1.0, 4294967297, 1, 0.0, 0.0" + names << "the number of columns is more than 2147483647";
    QTest::newRow("2^32 + 2 steps") << "4294967298, 0, 1.0, 1, 1, 0.0, 0.0" + names << "the number of steps is more than 2147483647";
    QTest::newRow("items beyond int") << QByteArray("1, 0, 1.0, 1, 1, 0.0, 0.0\n4294967297, a\n1, MPa\n1.0\n") << "the number of stress items is more than 2147483647";
    // Grids whose plot float32 cannot hold: no infinity reaches the drawing or the DXF.
    QTest::newRow("100 cells of 1e38") << "1, 0, 1e38, 100, 1, 0.0, 0.0" + names
                                       << "its 100 x 1 cells of 1e+038 from (0, 0) and the plot around them reach beyond the range of 32-bit floating-point numbers (3.40282e+038 at most)";
    QTest::newRow("origin near the top") << "1, 0, 1e37, 2, 2, 3.4e38, 0.0" + names
                                         << "its 2 x 2 cells of 1e+037 from (3.4e+038, 0) and the plot around them reach beyond the range of 32-bit floating-point numbers (3.40282e+038 at most)";
    QTest::newRow("origin near the bottom") << "1, 0, 1e37, 2, 2, 0.0, -3.4e38" + names
                                            << "its 2 x 2 cells of 1e+037 from (0, -3.4e+038) and the plot around them reach beyond the range of 32-bit floating-point numbers (3.40282e+038 at most)";
    QTest::newRow("no room for the legend") << "1, 0, 2e38, 1, 1, 0.0, 0.0" + names
                                            << "its 1 x 1 cells of 2e+038 from (0, 0) and the plot around them reach beyond the range of 32-bit floating-point numbers (3.40282e+038 at most)";
    const char *tooSmall = ") are too small for the plot's scale in 32-bit floating-point numbers";
    QTest::newRow("cells of 1e-37") << "1, 0, 1e-37, 3, 3, 0.0, 0.0" + names
                                    << QString("its cells of 1e-037 from (0, 0") + tooSmall;
    QTest::newRow("small cells far from the origin") << "1, 0, 1e-33, 10, 10, 1e6, 2e5" + names
                                                     << QString("its cells of 1e-033 from (1e+006, 200000") + tooSmall;
}

void TestCPlotDoc::headerThatDescribesNoGrid()
{
    QFETCH(QByteArray, header);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    writeFile(dir.filePath("bad.f1"), header);
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(dir.filePath("bad.f1").toStdString()), CPlotDoc::OpenResult::Failed);
    QCOMPARE(reporter.messages, std::vector<std::string>{"The header of bad.f1 does not describe a grid: " + reason.toStdString() + "."});
    verifyEmpty(document);
    QCOMPARE(entriesOf(dir.path()), QStringList{"bad.f1"});
}

void TestCPlotDoc::inputNamedLikeItsCacheFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("a step of the file") << "SemTmp3.bin";
    QTest::newRow("the last step") << "SemTmp5.bin";
    QTest::newRow("beyond the last step") << "SemTmp6.bin";
}

void TestCPlotDoc::inputNamedLikeItsCacheFile()
{
    // Writing step 3's cache file beside it would overwrite the five-step input itself.
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(QFile::copy(SEMBLA_TEST_DATA "/five_steps.f3", path));
    const QByteArray before = fileBytes(path);
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(path.toStdString()), CPlotDoc::OpenResult::Opened);
    QCOMPARE(fileBytes(path), before);
    QVERIFY(document.loadStep(3));
    QCOMPARE(document.grid().values[0][0][0], 3.0f);
    document.DeleteContents();
    QCOMPARE(entriesOf(dir.path()), QStringList{name});
    QCOMPARE(fileBytes(path), before);
    QVERIFY(reporter.messages.empty());
}

void TestCPlotDoc::unopenableInputLeavesTheDocument_data()
{
    QTest::addColumn<QString>("input"); // relative to the test folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file") << "missing.f1" << "No such file or directory";
    QTest::newRow("missing folder") << "nowhere/run.f1" << "No such file or directory";
    QTest::newRow("a folder") << "folder.f1" << "Is a directory";
}

void TestCPlotDoc::unopenableInputLeavesTheDocument()
{
    QFETCH(QString, input);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder.f1"));
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("five_steps.f3", dir.path())), CPlotDoc::OpenResult::Opened);
    QSignalSpy repaints(&document, &CPlotDoc::updateAllViews);
    const QString path = dir.filePath(input);
    QCOMPARE(document.openFile(path.toStdString()), CPlotDoc::OpenResult::Failed);
    QCOMPARE(reporter.messages, std::vector<std::string>{"Cannot open the file " + path.toStdString() + " (" + reason.toStdString() + ")."});
    QCOMPARE(repaints.count(), 1);
    // The open file stays, cache files and all.
    QCOMPARE(entriesOf(dir.path()), cacheNames(1, 5) << "five_steps.f3" << "folder.f1");
    verifyFiveSteps(document);
}

void TestCPlotDoc::cacheWriteFailureUndoesTheOpen()
{
    // A disk that holds the input and steps 1 and 2 of its 4 kB steps, not step 3.
    QTemporaryDir first;
    TestSeam seam = TestSeam().sized(5, 32, 32).valued([](int step, int, int, int) { return float(step); });
    QVERIFY(writeSeamFile(first.filePath("run.f1").toStdString(), seam));
    const int inputPages = int((QFileInfo(first.filePath("run.f1")).size() + 4095) / 4096);
    const SmallFileSystem disk(4 * (inputPages + 2));
    if (!disk.mounted())
        QSKIP("no small disk can be mounted here");
    const QString path = disk.path("run.f1");
    QVERIFY(QFile::rename(first.filePath("run.f1"), path) || QFile::copy(first.filePath("run.f1"), path));
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("five_steps.f3", first.path())), CPlotDoc::OpenResult::Opened);
    QCOMPARE(document.openFile(path.toStdString()), CPlotDoc::OpenResult::Failed);
    QCOMPARE(reporter.messages.size(), std::size_t(1));
    const QString message = QString::fromStdString(reporter.messages.front());
    QVERIFY2(message.startsWith("Cannot write the step cache file ") && message.endsWith(" (No space left on device)."),
             qPrintable(message));
    // The steps written are gone again; the file open before stays.
    QCOMPARE(entriesOf(disk.root()), QStringList{"run.f1"});
    verifyFiveSteps(document);
}

void TestCPlotDoc::removedCacheFileKeepsTheGrid()
{
    QTemporaryDir dir;
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("layout_3x2.f1", dir.path())), CPlotDoc::OpenResult::Opened);
    const QString name = dir.filePath("SemTmp1.bin");
    QVERIFY(QFile::remove(name)); // another program took it
    const QByteArray before(reinterpret_cast<const char *>(document.grid().data()), 48);
    QVERIFY(!document.loadStep(1));
    QCOMPARE(reporter.messages.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(reporter.messages.front()).startsWith("Cannot read the step cache file " + name));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(document.grid().data()), 48), before);
    // The rest goes on: the other step still loads, and discarding reports nothing
    // for the file that is already gone.
    QVERIFY(document.loadStep(2));
    document.DeleteContents();
    QCOMPARE(reporter.messages.size(), std::size_t(1));
}

void TestCPlotDoc::stepOutsideTheFileIsRefused()
{
    QTemporaryDir dir;
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QVERIFY(!document.loadStep(1)); // nothing loaded
    QCOMPARE(document.openFile(copyTestFile("five_steps.f3", dir.path())), CPlotDoc::OpenResult::Opened);
    // A stale cache file of another file beside it must not be read as a step.
    writeFile(dir.filePath("SemTmp6.bin"), QByteArray(4, 0));
    QVERIFY(!document.loadStep(6));
    QVERIFY(!document.loadStep(0));
    QCOMPARE(reporter.messages,
             (std::vector<std::string>{"Step 1 is not a step of the open file.", "Step 6 is not a step of the open file.",
                                       "Step 0 is not a step of the open file."}));
    QCOMPARE(document.grid().values[0][0][0], 5.0f);
}

void TestCPlotDoc::secondFileDiscardsTheFirstFilesCache()
{
    QTemporaryDir first;
    QTemporaryDir second;
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("five_steps.f3", first.path())), CPlotDoc::OpenResult::Opened);
    QCOMPARE(document.openFile(copyTestFile("one_step_2x3.f1", second.path())), CPlotDoc::OpenResult::Opened);
    QCOMPARE(entriesOf(first.path()), QStringList{"five_steps.f3"});
    QCOMPARE(entriesOf(second.path()), (QStringList{"SemTmp1.bin", "one_step_2x3.f1"}));
    QCOMPARE(document.header().stepCount, 1);
    QCOMPARE(document.header().itemName(1), std::string("Convergence"));
    QVERIFY(reporter.messages.empty());
}

void TestCPlotDoc::discardRemovesExactlyTheCurrentCacheFiles()
{
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    writeFile(dir.filePath("SemTmp6.bin"), "beyond the step count");
    writeFile(dir.filePath("other.txt"), "not ours");
    writeFile(elsewhere.filePath("SemTmp1.bin"), "another folder");
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("five_steps.f3", dir.path())), CPlotDoc::OpenResult::Opened);
    QCOMPARE(entriesOf(dir.path()), cacheNames(1, 6) << "five_steps.f3" << "other.txt");
    QSignalSpy repaints(&document, &CPlotDoc::updateAllViews);
    document.DeleteContents();
    QCOMPARE(entriesOf(dir.path()), (QStringList{"SemTmp6.bin", "five_steps.f3", "other.txt"}));
    QCOMPARE(entriesOf(elsewhere.path()), QStringList{"SemTmp1.bin"});
    verifyEmpty(document);
    document.DeleteContents(); // an empty document has nothing to remove
    QVERIFY(reporter.messages.empty());
    QCOMPARE(fileBytes(dir.filePath("SemTmp6.bin")), QByteArray("beyond the step count"));
}

void TestCPlotDoc::cacheFilesOfOthersAreLeftAlone()
{
    QTemporaryDir dir;
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("five_steps.f3", dir.path())), CPlotDoc::OpenResult::Opened);
    // Another program put its own files under two of the names.
    QVERIFY(QFile::remove(dir.filePath("SemTmp2.bin")));
    writeFile(dir.filePath("SemTmp2.bin"), "theirs");
    QVERIFY(QFile::remove(dir.filePath("SemTmp4.bin")));
    QVERIFY(QDir().mkdir(dir.filePath("SemTmp4.bin")));
    document.DeleteContents();
    QVERIFY(reporter.messages.empty());
    QCOMPARE(entriesOf(dir.path()), (QStringList{"SemTmp2.bin", "SemTmp4.bin", "five_steps.f3"}));
    QCOMPARE(fileBytes(dir.filePath("SemTmp2.bin")), QByteArray("theirs"));
}

void TestCPlotDoc::unremovableCacheFilesAreReported()
{
    QTemporaryDir dir;
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("five_steps.f3", dir.path())), CPlotDoc::OpenResult::Opened);
    {
        const ReadOnlyMount readOnly(dir.path());
        if (!readOnly.mounted())
            QSKIP("no read-only mount can be made here");
        document.DeleteContents();
    }
    QCOMPARE(reporter.messages.size(), std::size_t(5));
    QVERIFY2(QString::fromStdString(reporter.messages.front())
                 .startsWith("Cannot remove the step cache file " + dir.filePath("SemTmp1.bin") + " ("),
             reporter.messages.front().c_str());
    verifyEmpty(document);
    QCOMPARE(entriesOf(dir.path()), cacheNames(1, 5) << "five_steps.f3");
}

void TestCPlotDoc::readOnlyFolderIsViewed()
{
    QTemporaryDir dir;
    copyTestFile("five_steps.f3", dir.path());
    const ReadOnlyMount readOnly(dir.path());
    if (!readOnly.mounted())
        QSKIP("no read-only mount can be made here");
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(dir.filePath("five_steps.f3").toStdString()), CPlotDoc::OpenResult::Opened);
    QVERIFY(document.grid().cache()->isPrivate());
    verifyFiveSteps(document);
    const QString privateFolder = QString::fromStdString(document.grid().cache()->directory());
    document.DeleteContents();
    QVERIFY(!QFileInfo::exists(privateFolder));
    QVERIFY(reporter.messages.empty());
}

void TestCPlotDoc::hostileHeaders_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("message");
    QTest::newRow("a million steps of one line") << QByteArray("1000000, 0, 1.0, 1, 1, 0.0, 0.0\n1, S\n1, U\n7\n") << true
                                                 << "";
    QTest::newRow("a billion elements") << QByteArray("1, 0, 1.0, 40000, 25000, 0.0, 0.0\n1, S\n1, U\n7\n") << false
                                        << "The header of hostile.f1 does not fit the file: one step of 40000 x 25000 "
                                           "elements needs at least 1999999999 bytes of data lines, and the file has 2 "
                                           "bytes after its header.";
}

void TestCPlotDoc::hostileHeaders()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, opens);
    QFETCH(QString, message);
    QTemporaryDir dir;
    writeFile(dir.filePath("hostile.f1"), contents);
    // Runs of one message arrive as one report.
    struct RunReporter : RecordingReporter
    {
        void reportSteps(const std::string &text, int first, int last) override
        {
            messages.push_back(text + " for steps " + std::to_string(first) + " to " + std::to_string(last));
        }
    } reporter;
    CPlotDoc document(reporter);
    const auto result = document.openFile(dir.filePath("hostile.f1").toStdString());
    if (!opens) {
        QCOMPARE(result, CPlotDoc::OpenResult::Failed);
        QCOMPARE(reporter.messages, std::vector<std::string>{message.toStdString()});
        QCOMPARE(entriesOf(dir.path()), QStringList{"hostile.f1"});
        return;
    }
    QCOMPARE(result, CPlotDoc::OpenResult::OpenedWithErrors);
    QCOMPARE(reporter.messages, std::vector<std::string>{emptyLine + "CGR2-1 for steps 2 to 1000000"});
    // One file on disk, which every step beyond the data shares.
    QCOMPARE(entriesOf(dir.path()), (QStringList{"SemTmp1.bin", "hostile.f1"}));
    QVERIFY(document.loadStep(1000000));
    QCOMPARE(document.grid().values[0][0][0], 7.0f);
}

void TestCPlotDoc::cancelledOpenKeepsTheOpenFile()
{
    QTemporaryDir dir;
    OpenWatch watch;
    // Cancelled while the message of the blank line in step 2 stands.
    struct CancellingReporter : RecordingReporter
    {
        OpenWatch *watch = nullptr;
        void report(const std::string &text) override
        {
            RecordingReporter::report(text);
            if (watch)
                watch->cancel = true;
        }
    } reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("five_steps.f3", dir.path())), CPlotDoc::OpenResult::Opened);
    reporter.watch = &watch;
    QCOMPARE(document.openFile(copyTestFile("blank_between_steps.f1", dir.path()), &watch),
             CPlotDoc::OpenResult::Cancelled);
    QCOMPARE(entriesOf(dir.path()), cacheNames(1, 5) << "blank_between_steps.f1" << "five_steps.f3");
    verifyFiveSteps(document);
}

void TestCPlotDoc::destructionRemovesTheCacheFiles()
{
    QTemporaryDir dir;
    RecordingReporter reporter;
    {
        CPlotDoc document(reporter);
        QCOMPARE(document.openFile(copyTestFile("five_steps.f3", dir.path())), CPlotDoc::OpenResult::Opened);
    }
    QCOMPARE(entriesOf(dir.path()), QStringList{"five_steps.f3"});
    QVERIFY(reporter.messages.empty());
}

QTEST_GUILESS_MAIN(TestCPlotDoc)
#include "tst_CPlotDoc.moc"
