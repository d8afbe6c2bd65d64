#include "cli_helpers.h"
#include "support/CacheLeftovers.h"
#include "support/FileHazards.h"
#include "support/SlowPipe.h"
#include "support/TestFiles.h"
#include "support/TestSeam.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <memory>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

// Hazards of opening met from outside, as users meet them: two runs on one
// folder, a signal in the middle of an open, a name that is no text, a line
// larger than the memory the program may have.
class TestOpenHazards : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exportWhileAnotherFileOpensBesideIt();
    void signalDuringAnOpenLeavesNoCacheFile_data();
    void signalDuringAnOpenLeavesNoCacheFile();
    void signalAtARandomMomentLeavesNoCacheFile_data();
    void signalAtARandomMomentLeavesNoCacheFile();
    void nameThatIsNoTextOpensAndExports();
    void homeUnsetPutsThePrivateFolderInTheTemporaryFolder();
    void lineLargerThanMemoryIsReported();

private:
    QStringList cacheFiles() const { return QDir(m_dir.path()).entryList({"SemTmp*"}, QDir::AllEntries); }
    QString cacheHome() const { return m_dir.filePath("cache-home"); }
    QTemporaryDir m_dir;
};

namespace {

TestSeam seamOf(float base)
{
    return TestSeam().sized(6, 80, 60, 3)
        .valued([base](int step, int ix, int iy, int k) { return base + step * 100 + ix + iy * 0.5f + k * 0.25f; });
}

} // namespace

void TestOpenHazards::initTestCase()
{
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome()));
    QVERIFY(writeLongOpenSeam(m_dir.filePath("long.f1")));
}

void TestOpenHazards::exportWhileAnotherFileOpensBesideIt()
{
    QVERIFY(writeSeamFile(m_dir.filePath("a.f1").toStdString(), seamOf(1000)));
    QVERIFY(writeSeamFile(m_dir.filePath("b.f1").toStdString(), seamOf(2000)));
    QCOMPARE(runCli({"ascii", "a.f1", "--step", "3", "-o", "clean.asc"}, m_dir.path()).status, 0);
    const QByteArray clean = [&] {
        QFile file(m_dir.filePath("clean.asc"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QVERIFY(!clean.isEmpty());

    QProcess other;
    other.setWorkingDirectory(m_dir.path());
    other.start("/bin/sh", {"-c", "while :; do \"$0\" info b.f1 >/dev/null 2>&1; done", SEMBLA_CLI});
    QVERIFY(other.waitForStarted());
    for (int run = 0; run < 25; ++run) {
        const QString out = QString("a%1.asc").arg(run);
        QCOMPARE(runCli({"ascii", "a.f1", "--step", "3", "-o", out}, m_dir.path()).status, 0);
        QFile file(m_dir.filePath(out));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll() == clean, qPrintable(out));
    }
    other.kill();
    other.waitForFinished();
}

void TestOpenHazards::signalDuringAnOpenLeavesNoCacheFile_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void TestOpenHazards::signalDuringAnOpenLeavesNoCacheFile()
{
    // The input comes through a pipe a step at a time, so the open stands
    // between two steps when the signal comes.
    QFETCH(int, signalNumber);
    QTemporaryDir dir;
    SlowPipe input(dir.filePath("run.f1"));
    QVERIFY(input.made());
    QProcess cli;
    cli.setWorkingDirectory(dir.path());
    cli.start(SEMBLA_CLI, {"info", "run.f1"});
    QVERIFY(cli.waitForStarted());
    const auto cacheFilesOf = [&] { return QDir(dir.path()).entryList({"SemTmp*"}, QDir::AllEntries); };
    QTRY_VERIFY_WITH_TIMEOUT(cacheFilesOf().size() >= 2, 20000);
    ::kill(pid_t(cli.processId()), signalNumber);
    QVERIFY(cli.waitForFinished(20000));
    // Ended by the signal, as a program that was stopped, and with nothing of its open left.
    QCOMPARE(cli.exitStatus(), QProcess::CrashExit);
    QCOMPARE(cacheFilesOf(), QStringList());
}

void TestOpenHazards::signalAtARandomMomentLeavesNoCacheFile_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("runs");
    QTest::newRow("large file") << "file" << 30;
    QTest::newRow("slow pipe") << "pipe" << 12;
    // The cache then goes to a private folder, which must go too.
    QTest::newRow("large file in a read-only folder") << "read-only" << 12;
}

void TestOpenHazards::signalAtARandomMomentLeavesNoCacheFile()
{
    // The end falls anywhere in the open: between steps, in the middle of a
    // step's file, while a pipe is waited for.
    QFETCH(QString, input);
    QFETCH(int, runs);
    const int signalNumbers[] = {SIGTERM, SIGINT, SIGHUP};
    QStringList leftBehind;
    int cutOff = 0;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir dir;
        const QString path = dir.filePath("run.f1");
        std::unique_ptr<SlowPipe> pipe;
        std::unique_ptr<ReadOnlyMount> readOnly;
        if (input == "pipe") {
            pipe = std::make_unique<SlowPipe>(path);
            QVERIFY(pipe->made());
        } else {
            std::filesystem::create_hard_link(m_dir.filePath("long.f1").toStdString(), path.toStdString());
        }
        if (input == "read-only") {
            readOnly = std::make_unique<ReadOnlyMount>(dir.path());
            if (!readOnly->mounted())
                QSKIP("this system does not let a folder be mounted read-only");
        }
        QProcess cli;
        cli.setWorkingDirectory(dir.path());
        cli.start(SEMBLA_CLI, {"info", "run.f1"});
        QVERIFY(cli.waitForStarted());
        const auto running = [&] { return cli.state() == QProcess::Running; };
        waitForCacheFiles(dir.path(), cacheHome(), running, [&](int ms) { cli.waitForFinished(ms); });
        QThread::msleep(randomDelay(input == "file" ? 200 : 400));
        const int signalNumber = signalNumbers[run % 3];
        if (running())
            ::kill(pid_t(cli.processId()), signalNumber);
        QVERIFY(cli.waitForFinished(20000));
        if (cli.exitStatus() == QProcess::CrashExit)
            ++cutOff;
        const QStringList left = cacheLeftovers(dir.path(), cacheHome());
        if (!left.isEmpty())
            leftBehind << QString("run %1, signal %2: %3").arg(run).arg(signalNumber).arg(left.join(' '));
        QDir(cacheHome() + "/sembla").removeRecursively();
    }
    qInfo("%d runs, %d ended by the signal, %d left files behind", runs, cutOff, int(leftBehind.size()));
    QVERIFY2(leftBehind.isEmpty(), qPrintable(leftBehind.join('\n')));
    QVERIFY2(cutOff > 0, "no run was ended by its signal");
}

void TestOpenHazards::nameThatIsNoTextOpensAndExports()
{
    // A folder named in Latin-1; the command line passes its bytes unchanged.
    QVERIFY(writeSeamFile(m_dir.filePath("plain.f1").toStdString(), seamOf(0)));
    const std::string folder = m_dir.path().toStdString() + "/caf\xe9";
    QCOMPARE(::mkdir(folder.c_str(), 0700), 0);
    QCOMPARE(::rename((m_dir.path().toStdString() + "/plain.f1").c_str(), (folder + "/run.f1").c_str()), 0);
    const auto run = [&](const QString &arguments) {
        QProcess shell;
        shell.setWorkingDirectory(m_dir.path());
        shell.start("/bin/sh", {"-c", "folder=$(printf 'caf\\351'); exec \"$0\" " + arguments, SEMBLA_CLI});
        shell.waitForFinished(60000);
        return shell.exitStatus() == QProcess::NormalExit ? shell.exitCode() : -1;
    };
    QCOMPARE(run("info \"$folder/run.f1\""), 0);
    // The default name of an export stands in the input's folder.
    QCOMPARE(run("ascii \"$folder/run.f1\""), 0);
    QCOMPARE(run("render \"$folder/run.f1\" -o \"$folder/run.png\""), 0);
    for (const char *name : {"/run-Vert_3D.asc", "/run.png"}) {
        QVERIFY2(std::filesystem::is_regular_file(folder + name), name);
        std::filesystem::remove(folder + name);
    }
    std::filesystem::remove_all(folder);
}

// Without HOME the cache location would be "/.cache": the private folder of a
// file in a read-only folder goes to the temporary folder, nothing into "/".
void TestOpenHazards::homeUnsetPutsThePrivateFolderInTheTemporaryFolder()
{
    QTemporaryDir inputs;
    SlowPipe input(inputs.filePath("run.f1"));
    QVERIFY(input.made());
    const ReadOnlyMount readOnly(inputs.path());
    if (!readOnly.mounted())
        QSKIP("no read-only mount can be made here");
    QTemporaryDir temporary;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("HOME");
    environment.remove("XDG_CACHE_HOME");
    environment.insert("TMPDIR", temporary.path());
    const QStringList rootBefore = QDir("/").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QStringList during;
    std::atomic<bool> done{false};
    std::thread watching([&] {
        while (!done && during.isEmpty()) {
            during = QDir(temporary.path()).entryList({"open-*"}, QDir::Dirs);
            QThread::msleep(20);
        }
    });
    const CliRun run = runCli({"info", inputs.filePath("run.f1")}, {}, environment);
    done = true;
    watching.join();
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(during.size(), 1);
    QCOMPARE(QDir("/").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), rootBefore);
    QCOMPARE(entriesOf(temporary.path()), QStringList());
}

void TestOpenHazards::lineLargerThanMemoryIsReported()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("an address sanitizer build cannot run under a memory limit");
#else
    // One data line of 100 MB while the program may have 64 MB.
    QTemporaryDir dir;
    {
        QFile file(dir.filePath("long.f1"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1, 0, 1.0, 1, 1, 0.0, 0.0\n1, S\n1, U\n");
        const QByteArray digits(1 << 20, '1');
        for (int megabyte = 0; megabyte < 100; ++megabyte)
            file.write(digits);
        file.write("\n");
    }
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start("/bin/sh", {"-c", "ulimit -d 65536 && exec \"$0\" info long.f1", SEMBLA_CLI});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QVERIFY2(process.readAllStandardError().startsWith("There is not enough memory to open the file "), "no message");
    QCOMPARE(QDir(dir.path()).entryList({"SemTmp*"}, QDir::AllEntries), QStringList());
#endif
}

QTEST_GUILESS_MAIN(TestOpenHazards)
#include "tst_OpenHazards.moc"
