#include "support/CacheLeftovers.h"
#include "support/SlowPipe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <filesystem>
#include <memory>

namespace {

// Offscreen, with settings and cache folders in the test's folder: the viewer's
// recent-file list must not go into the user's own.
QProcessEnvironment viewerEnvironment(const QTemporaryDir &dir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    environment.insert("XDG_CACHE_HOME", dir.filePath("cache"));
    return environment;
}

} // namespace

// The viewer ended by a signal still closes its file: no step cache files stay behind.
class TestTermination : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(writeLongOpenSeam(m_files.filePath("long.f1"))); }
    void terminationRemovesTheCacheFiles_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void terminationRemovesTheCacheFiles()
    {
        QFETCH(int, signalNumber);
        QTemporaryDir dir;
        const QString file = dir.filePath("run.f1");
        QVERIFY(QFile::copy(SEMBLA_EXAMPLES "/panel.f1", file));
        QProcess viewer;
        viewer.setProcessEnvironment(viewerEnvironment(dir));
        viewer.start(SEMBLA_GUI, {file});
        QVERIFY(viewer.waitForStarted());
        const auto cacheFiles = [&] { return QDir(dir.path()).entryList({"SemTmp*.bin"}, QDir::Files).size(); };
        QTRY_COMPARE_WITH_TIMEOUT(cacheFiles(), 8, 20000);
        ::kill(pid_t(viewer.processId()), signalNumber);
        QVERIFY(viewer.waitForFinished(20000));
        QCOMPARE(viewer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cacheFiles(), 0);
    }

    // A signal while the viewer reads a file: the reading stops, and what it wrote goes.
    void terminationDuringAnOpen()
    {
        QTemporaryDir dir;
        SlowPipe input(dir.filePath("run.f1"));
        QVERIFY(input.made());
        QProcess viewer;
        viewer.setProcessEnvironment(viewerEnvironment(dir));
        viewer.start(SEMBLA_GUI, {dir.filePath("run.f1")});
        QVERIFY(viewer.waitForStarted());
        const auto cacheFiles = [&] { return QDir(dir.path()).entryList({"SemTmp*.bin"}, QDir::Files).size(); };
        QTRY_VERIFY_WITH_TIMEOUT(cacheFiles() >= 2, 20000);
        ::kill(pid_t(viewer.processId()), SIGTERM);
        QVERIFY(viewer.waitForFinished(20000));
        QCOMPARE(viewer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cacheFiles(), 0);
    }

    // The writer sent the header and then nothing: the viewer told to end while
    // the open waits for data quits at once, leaving nothing.
    void terminationWhileTheOpenWaitsOnAPipe()
    {
        QTemporaryDir dir;
        SlowPipe input(dir.filePath("run.f1"), SlowPipe::Pace::StallAfterHeader);
        QVERIFY(input.made());
        QProcess viewer;
        viewer.setProcessEnvironment(viewerEnvironment(dir));
        viewer.start(SEMBLA_GUI, {dir.filePath("run.f1")});
        QVERIFY(viewer.waitForStarted());
        // Step 1's file is made once the header is read; its data never comes.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("SemTmp1.bin")), 20000);
        QElapsedTimer ending;
        ending.start();
        ::kill(pid_t(viewer.processId()), SIGTERM);
        QVERIFY(viewer.waitForFinished(20000));
        QVERIFY2(ending.elapsed() < 1000, qPrintable(QString("the viewer took %1 ms to end").arg(ending.elapsed())));
        QCOMPARE(viewer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cacheLeftovers(dir.path(), dir.filePath("cache")), QStringList());
    }

    // A file whose last steps are missing holds File Open in its message boxes, one
    // for each missing step. A signal then must not close the file under the reading
    // loop: the boxes go, the loop ends, and the viewer closes the file and quits.
    void terminationDuringAFileOpenMessage()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("run.f1");
        QVERIFY(QFile::copy(SEMBLA_TEST_DATA "/truncated_step2of4.f1", file));
        QProcess viewer;
        viewer.setProcessEnvironment(viewerEnvironment(dir));
        viewer.start(SEMBLA_GUI, {file});
        QVERIFY(viewer.waitForStarted());
        const auto cacheFiles = [&] { return QDir(dir.path()).entryList({"SemTmp*.bin"}, QDir::Files); };
        // Step 1 is written and step 2 being written; the message of step 2 stands
        // until somebody answers it.
        const QStringList duringTheMessage{"SemTmp1.bin", "SemTmp2.bin"};
        QTRY_COMPARE_WITH_TIMEOUT(cacheFiles(), duringTheMessage, 20000);
        ::kill(pid_t(viewer.processId()), SIGTERM);
        QVERIFY(viewer.waitForFinished(20000));
        QCOMPARE(viewer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cacheFiles(), QStringList());
    }

    void signalAtARandomMomentLeavesNoCacheFile_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<int>("runs");
        QTest::newRow("large file") << false << 20;
        QTest::newRow("slow pipe") << true << 8;
    }
    // The signal falls anywhere in the open: between steps, in the middle of a
    // step's file, while a pipe is waited for.
    void signalAtARandomMomentLeavesNoCacheFile()
    {
        QFETCH(bool, pipe);
        QFETCH(int, runs);
        const int signalNumbers[] = {SIGTERM, SIGINT, SIGHUP};
        QStringList leftBehind;
        for (int run = 0; run < runs; ++run) {
            QTemporaryDir dir;
            const QString path = dir.filePath("run.f1");
            std::unique_ptr<SlowPipe> input;
            if (pipe) {
                input = std::make_unique<SlowPipe>(path);
                QVERIFY(input->made());
            } else {
                std::filesystem::create_hard_link(m_files.filePath("long.f1").toStdString(), path.toStdString());
            }
            QProcess viewer;
            viewer.setProcessEnvironment(viewerEnvironment(dir));
            viewer.start(SEMBLA_GUI, {path});
            QVERIFY(viewer.waitForStarted());
            const auto running = [&] { return viewer.state() == QProcess::Running; };
            QVERIFY(waitForCacheFiles(dir.path(), dir.filePath("cache"), running,
                                      [&](int ms) { viewer.waitForFinished(ms); }));
            QThread::msleep(randomDelay(pipe ? 400 : 200));
            const int signalNumber = signalNumbers[run % 3];
            ::kill(pid_t(viewer.processId()), signalNumber);
            QVERIFY(viewer.waitForFinished(20000));
            QCOMPARE(viewer.exitStatus(), QProcess::NormalExit);
            const QStringList left = cacheLeftovers(dir.path(), dir.filePath("cache"));
            if (!left.isEmpty())
                leftBehind << QString("run %1, signal %2: %3").arg(run).arg(signalNumber).arg(left.join(' '));
        }
        qInfo("%d runs, %d left files behind", runs, int(leftBehind.size()));
        QVERIFY2(leftBehind.isEmpty(), qPrintable(leftBehind.join('\n')));
    }

private:
    QTemporaryDir m_files;
};

QTEST_GUILESS_MAIN(TestTermination)
#include "tst_Termination.moc"
