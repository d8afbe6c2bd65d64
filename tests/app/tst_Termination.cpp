#include "support/SlowPipe.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

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
};

QTEST_GUILESS_MAIN(TestTermination)
#include "tst_Termination.moc"
