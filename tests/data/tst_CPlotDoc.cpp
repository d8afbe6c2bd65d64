#include "support/RecordingReporter.h"
#include "data_helpers.h"

#include "data/CPlotDoc.h"
#include "data/FilePath.h"

#include <QDir>
#include <QFile>
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

    void headerErrorLeavesTheDocumentEmpty_data();
    void headerErrorLeavesTheDocumentEmpty();
    void headerThatDescribesNoGrid_data();
    void headerThatDescribesNoGrid();
    void inputNamedLikeItsCacheFile_data();
    void inputNamedLikeItsCacheFile();
    void unopenableInputLeavesTheDocument_data();
    void unopenableInputLeavesTheDocument();
    void cacheWriteFailureUndoesTheOpen_data();
    void cacheWriteFailureUndoesTheOpen();

    void removedCacheFileKeepsTheGrid();
    void stepOutsideTheFileIsRefused();
    void secondFileDiscardsTheFirstFilesCache();
    void discardRemovesExactlyTheCurrentCacheFiles();
    void unremovableCacheFileIsReportedOnce();
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
    QCOMPARE(entriesOf(dir.path()), cacheNames(1, 4) << "truncated_step2of4.f1");
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

void TestCPlotDoc::headerErrorLeavesTheDocumentEmpty_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("code");
    QTest::newRow("empty file") << "empty.f1" << "CHR2-1";
    QTest::newRow("blank line 1") << "blank_line1.f1" << "CHR2-1";
    QTest::newRow("ends after line 1") << "only_line1.f1" << "CHR2-2";
    QTest::newRow("ends after line 2") << "only_lines1to2.f1" << "CHR2-3";
}

void TestCPlotDoc::headerErrorLeavesTheDocumentEmpty()
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
    verifyEmpty(document);
    // The earlier file's cache files went with its contents.
    QStringList expected{file, "five_steps.f3"};
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
    QTest::addColumn<bool>("refused");
    QTest::newRow("a step of the file") << "SemTmp3.bin" << true;
    QTest::newRow("the last step") << "SemTmp5.bin" << true;
    QTest::newRow("beyond the last step") << "SemTmp6.bin" << false;
    QTest::newRow("leading zero is another name") << "SemTmp03.bin" << false;
}

void TestCPlotDoc::inputNamedLikeItsCacheFile()
{
    // Writing step 3's cache file would overwrite the five-step input itself.
    QFETCH(QString, name);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(QFile::copy(SEMBLA_TEST_DATA "/five_steps.f3", path));
    const QByteArray before = fileBytes(path);
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    const auto result = document.openFile(path.toStdString());
    QCOMPARE(fileBytes(path), before);
    if (refused) {
        QCOMPARE(result, CPlotDoc::OpenResult::Failed);
        QCOMPARE(reporter.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(reporter.messages.front()).startsWith("The file " + path + " has the name of"));
        verifyEmpty(document);
        QCOMPARE(entriesOf(dir.path()), QStringList{name});
    } else {
        QCOMPARE(result, CPlotDoc::OpenResult::Opened);
    }
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
    QVERIFY(document.isLoaded());
    QCOMPARE(document.header().stepCount, 5);
    QCOMPARE(document.fileName(), std::string("five_steps.f3"));
    QCOMPARE(entriesOf(dir.path()), cacheNames(1, 5) << "five_steps.f3" << "folder.f1");
    QVERIFY(document.loadStep(2));
    QCOMPARE(document.grid().values[0][0][0], 2.0f);
}

void TestCPlotDoc::cacheWriteFailureUndoesTheOpen_data()
{
    // Root writes into any folder, so the failures are ones root meets as well:
    // a folder where step 3's cache file goes, and a full disk for step 3.
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("expectedStart");
    QTest::newRow("cannot create") << "folder" << "Cannot create the step cache file ";
    QTest::newRow("disk full") << "full" << "Cannot write the step cache file ";
}

void TestCPlotDoc::cacheWriteFailureUndoesTheOpen()
{
    QFETCH(QString, obstacle);
    QFETCH(QString, expectedStart);
    QTemporaryDir dir;
    const QString blocked = dir.filePath("SemTmp3.bin");
    if (obstacle == "folder") {
        QVERIFY(QDir().mkdir(blocked));
    } else {
        if (!QFile::exists("/dev/full"))
            QSKIP("no /dev/full here");
        QVERIFY(QFile::link("/dev/full", blocked));
    }
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("five_steps.f3", dir.path())), CPlotDoc::OpenResult::Failed);
    QCOMPARE(reporter.messages.size(), std::size_t(1));
    QVERIFY2(QString::fromStdString(reporter.messages.front()).startsWith(expectedStart + blocked + " ("), reporter.messages.front().c_str());
    verifyEmpty(document);
    // Steps 1 and 2 were written and are gone again; 4 and 5 never came.
    const QStringList left = entriesOf(dir.path());
    QVERIFY(!left.contains("SemTmp1.bin") && !left.contains("SemTmp2.bin"));
    QVERIFY(!left.contains("SemTmp4.bin") && !left.contains("SemTmp5.bin"));
    QVERIFY(left.contains("five_steps.f3"));
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

void TestCPlotDoc::unremovableCacheFileIsReportedOnce()
{
    QTemporaryDir dir;
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("five_steps.f3", dir.path())), CPlotDoc::OpenResult::Opened);
    // Root may remove any file, but not a folder that is not empty.
    const QString stuck = dir.filePath("SemTmp2.bin");
    QVERIFY(QFile::remove(stuck));
    QVERIFY(QDir().mkpath(stuck + "/inside"));
    QVERIFY(QFile::remove(dir.filePath("SemTmp4.bin"))); // already gone: nothing to say
    document.DeleteContents();
    QCOMPARE(reporter.messages.size(), std::size_t(1));
    QVERIFY2(QString::fromStdString(reporter.messages.front()).startsWith("Cannot remove the step cache file " + stuck + " ("),
             reporter.messages.front().c_str());
    QCOMPARE(entriesOf(dir.path()), (QStringList{"SemTmp2.bin", "five_steps.f3"}));
    verifyEmpty(document);
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
