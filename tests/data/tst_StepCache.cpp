#include "support/TestFiles.h"

#include "data/StepCache.h"
#include "support/FileHazards.h"
#include "support/RecordingReporter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Where a set of step cache files goes, and that it never touches a file it did not write.
class TestStepCache : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void freeFolderTakesTheSetBesideTheInput();
    void takenNamesSendTheSetToAPrivateFolder_data();
    void takenNamesSendTheSetToAPrivateFolder();
    void readOnlyFolderSendsTheSetToAPrivateFolder();
    void unwritableCacheLocationSendsThePrivateFolderToTheTemporaryFolder_data();
    void unwritableCacheLocationSendsThePrivateFolderToTheTemporaryFolder();
    void nameTakenMidwayMovesTheSet();
    void replacedFileIsNeitherReadNorRemoved_data();
    void replacedFileIsNeitherReadNorRemoved();
    void sharedStepsReadTheLastFile();

private:
    // Writes step s holding the bytes s, s, s, s.
    static void writeStep(StepCache &cache, int step);
    static QByteArray stepBytes(int step) { return QByteArray(4, char(step)); }
    QTemporaryDir m_cacheHome;
};

void TestStepCache::initTestCase()
{
    // Private folders go under the user's cache location: one of this test's own.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cacheHome.path()));
}

void TestStepCache::writeStep(StepCache &cache, int step)
{
    std::string error;
    QVERIFY2(cache.beginStep(step, error), error.c_str());
    cache.append(stepBytes(step).constData(), 4);
    QVERIFY2(cache.endStep(error), error.c_str());
}

void TestStepCache::freeFolderTakesTheSetBesideTheInput()
{
    QTemporaryDir dir;
    {
        StepCache cache(dir.path().toStdString() + "/", 3);
        for (int step = 1; step <= 3; ++step)
            writeStep(cache, step);
        QVERIFY(!cache.isPrivate());
        QCOMPARE(entriesOf(dir.path()), (QStringList{"SemTmp1.bin", "SemTmp2.bin", "SemTmp3.bin"}));
        QCOMPARE(fileBytes(dir.filePath("SemTmp2.bin")), stepBytes(2));
    }
    QCOMPARE(entriesOf(dir.path()), QStringList());
}

void TestStepCache::takenNamesSendTheSetToAPrivateFolder_data()
{
    QTest::addColumn<QString>("taken"); // what stands under SemTmp2.bin
    QTest::newRow("a user's file") << "file";
    QTest::newRow("a link to a user's file") << "link";
    QTest::newRow("a dangling link") << "dangling";
    QTest::newRow("a folder") << "folder";
}

void TestStepCache::takenNamesSendTheSetToAPrivateFolder()
{
    QFETCH(QString, taken);
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString name = dir.filePath("SemTmp2.bin");
    const QString target = elsewhere.filePath("precious.txt");
    writeFile(target, "mine");
    if (taken == "file")
        writeFile(name, "mine");
    else if (taken == "folder")
        QVERIFY(QDir().mkdir(name));
    else
        QVERIFY(QFile::link(taken == "link" ? target : elsewhere.filePath("nothing"), name));
    const QStringList before = entriesOf(dir.path());
    std::string privateFolder;
    {
        StepCache cache(dir.path().toStdString() + "/", 3);
        for (int step = 1; step <= 3; ++step)
            writeStep(cache, step);
        QVERIFY(cache.isPrivate());
        privateFolder = cache.directory();
        QVERIFY(QString::fromStdString(privateFolder).startsWith(m_cacheHome.path()));
        QCOMPARE(QString::fromStdString(cache.fileName(2)), QString::fromStdString(privateFolder) + "SemTmp2.bin");
        QCOMPARE(entriesOf(dir.path()), before);
        std::vector<char> bytes(4);
        std::string error;
        QVERIFY(cache.read(2, bytes.data(), 4, error));
        QCOMPARE(QByteArray(bytes.data(), 4), stepBytes(2));
    }
    // Nothing of the user's was written over, followed or removed; the private folder is gone.
    QCOMPARE(entriesOf(dir.path()), before);
    QCOMPARE(fileBytes(target), QByteArray("mine"));
    if (taken == "file")
        QCOMPARE(fileBytes(name), QByteArray("mine"));
    QVERIFY(!QFileInfo::exists(QString::fromStdString(privateFolder)));
}

void TestStepCache::readOnlyFolderSendsTheSetToAPrivateFolder()
{
    QTemporaryDir dir;
    const ReadOnlyMount readOnly(dir.path());
    if (!readOnly.mounted())
        QSKIP("no read-only mount can be made here");
    StepCache cache(dir.path().toStdString() + "/", 2);
    writeStep(cache, 1);
    writeStep(cache, 2);
    QVERIFY(cache.isPrivate());
    std::vector<char> bytes(4);
    std::string error;
    QVERIFY(cache.read(1, bytes.data(), 4, error));
    QCOMPARE(QByteArray(bytes.data(), 4), stepBytes(1));
}

void TestStepCache::unwritableCacheLocationSendsThePrivateFolderToTheTemporaryFolder_data()
{
    QTest::addColumn<bool>("semblaFolderExists"); // the cache location's "sembla" folder; read-only either way
    QTest::newRow("its sembla folder read-only") << true;
    QTest::newRow("the cache location read-only") << false;
}

void TestStepCache::unwritableCacheLocationSendsThePrivateFolderToTheTemporaryFolder()
{
    QFETCH(bool, semblaFolderExists);
    const QString semblaFolder = m_cacheHome.filePath("sembla");
    QVERIFY(semblaFolderExists ? QDir().mkpath(semblaFolder) : QDir(semblaFolder).removeRecursively());
    const ReadOnlyMount readOnly(semblaFolderExists ? semblaFolder : m_cacheHome.path());
    if (!readOnly.mounted())
        QSKIP("no read-only mount can be made here");
    QTemporaryDir dir;
    QTemporaryDir temporary;
    const QByteArray temporaryBefore = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    writeFile(dir.filePath("SemTmp1.bin"), "mine"); // the set cannot go beside the input
    std::string privateFolder;
    {
        StepCache cache(dir.path().toStdString() + "/", 2);
        writeStep(cache, 1);
        writeStep(cache, 2);
        privateFolder = cache.directory();
        std::vector<char> bytes(4);
        std::string error;
        QVERIFY(cache.read(2, bytes.data(), 4, error));
        QCOMPARE(QByteArray(bytes.data(), 4), stepBytes(2));
    }
    const QStringList temporaryAfter = entriesOf(temporary.path());
    if (temporaryBefore.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", temporaryBefore);
    QVERIFY2(QString::fromStdString(privateFolder).startsWith(temporary.path() + "/open-"), privateFolder.c_str());
    QCOMPARE(temporaryAfter, QStringList());
    QCOMPARE(fileBytes(dir.filePath("SemTmp1.bin")), QByteArray("mine"));
}

void TestStepCache::nameTakenMidwayMovesTheSet()
{
    // Another program takes a later name after the set began beside the input.
    QTemporaryDir dir;
    StepCache cache(dir.path().toStdString() + "/", 1);
    writeStep(cache, 1);
    writeStep(cache, 2);
    writeFile(dir.filePath("SemTmp3.bin"), "theirs");
    writeStep(cache, 3);
    QVERIFY(cache.isPrivate());
    QCOMPARE(entriesOf(dir.path()), QStringList{"SemTmp3.bin"});
    QCOMPARE(fileBytes(dir.filePath("SemTmp3.bin")), QByteArray("theirs"));
    for (int step = 1; step <= 3; ++step) {
        std::vector<char> bytes(4);
        std::string error;
        QVERIFY2(cache.read(step, bytes.data(), 4, error), error.c_str());
        QCOMPARE(QByteArray(bytes.data(), 4), stepBytes(step));
    }
}

void TestStepCache::replacedFileIsNeitherReadNorRemoved_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("replaced by a file of the same size") << "replace";
    QTest::newRow("cut short") << "shorten";
    QTest::newRow("replaced by a link") << "link";
    QTest::newRow("removed") << "remove";
}

void TestStepCache::replacedFileIsNeitherReadNorRemoved()
{
    QFETCH(QString, change);
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString name = dir.filePath("SemTmp1.bin");
    RecordingReporter reporter;
    {
        StepCache cache(dir.path().toStdString() + "/", 1);
        writeStep(cache, 1);
        QVERIFY(QFile::remove(name));
        if (change == "replace")
            writeFile(name, "XXXX");
        else if (change == "shorten")
            writeFile(name, "X");
        else if (change == "link")
            QVERIFY(QFile::link(elsewhere.filePath("x"), name));
        std::vector<char> bytes(4, 'u');
        std::string error;
        QVERIFY(!cache.read(1, bytes.data(), 4, error));
        QCOMPARE(QByteArray(bytes.data(), 4), QByteArray("uuuu"));
        QVERIFY2(QString::fromStdString(error).contains(name), error.c_str());
        QVERIFY2(QString::fromStdString(error).contains("step 1"), error.c_str());
        cache.removeFiles(&reporter);
    }
    QVERIFY(reporter.messages.empty());
    QCOMPARE(QFileInfo(name).isSymLink() || QFileInfo::exists(name), change != "remove");
}

void TestStepCache::sharedStepsReadTheLastFile()
{
    // Steps beyond the end of an input hold what the last step read holds, without a file of their own.
    QTemporaryDir dir;
    StepCache cache(dir.path().toStdString() + "/", 3);
    writeStep(cache, 1);
    writeStep(cache, 2);
    std::string error;
    QVERIFY(cache.beginStep(3, error));
    cache.shareFromStep(3);
    QCOMPARE(entriesOf(dir.path()), (QStringList{"SemTmp1.bin", "SemTmp2.bin"}));
    for (int step : {3, 1000000}) {
        QCOMPARE(cache.fileName(step), cache.fileName(2));
        std::vector<char> bytes(4);
        QVERIFY(cache.read(step, bytes.data(), 4, error));
        QCOMPARE(QByteArray(bytes.data(), 4), stepBytes(2));
    }
}

QTEST_GUILESS_MAIN(TestStepCache)
#include "tst_StepCache.moc"
