#include "support/TestFiles.h"

#include "data/StepCache.h"
#include "data/StepGrid.h"
#include "support/FileHazards.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cstdint>
#include <cstring>
#include <random>

// The step grid's block and its cache files: names, byte layout, round trip
// and the failures of writing and reading them.
class TestStepGrid : public QObject
{
    Q_OBJECT

private slots:
    void cacheFileName_data();
    void cacheFileName();
    void valuesLieInCacheOrder();
    void cacheFileByteLayout_data();
    void cacheFileByteLayout();
    void roundTripIsBitExact();
    void writtenInPartsAsAtOnce();
    void failedWriteInPartsRemovesTheFile();
    void freshGridIsZeroed();
    void readFailuresLeaveTheValues_data();
    void readFailuresLeaveTheValues();

private:
    QTemporaryDir m_dir;
    // A cache beside a fresh folder of its own, so every test writes its steps anew.
    std::shared_ptr<StepCache> cache()
    {
        m_folders.push_back(std::make_unique<QTemporaryDir>());
        return std::make_shared<StepCache>(m_folders.back()->path().toStdString() + "/");
    }
    std::vector<std::unique_ptr<QTemporaryDir>> m_folders;
};

namespace {

float floatFromLittleEndian(const QByteArray &bytes, int offset)
{
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = bits << 8 | static_cast<unsigned char>(bytes[offset + i]);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

void TestStepGrid::cacheFileName_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("name");
    QTest::newRow("first") << 1 << "SemTmp1.bin";
    QTest::newRow("two digits") << 12 << "SemTmp12.bin";
    QTest::newRow("three digits") << 100 << "SemTmp100.bin";
    QTest::newRow("many digits") << 123456 << "SemTmp123456.bin";
}

void TestStepGrid::cacheFileName()
{
    QFETCH(int, step);
    QFETCH(QString, name);
    StepGrid grid;
    grid.setUp(1, 1, 1, std::make_shared<StepCache>("/data/run/"));
    QCOMPARE(QString::fromStdString(grid.CacheFileName(step)), "/data/run/" + name);
}

void TestStepGrid::valuesLieInCacheOrder()
{
    StepGrid grid;
    grid.setUp(2, 3, 2, cache());
    QCOMPARE(grid.valueCount(), std::size_t(12));
    grid.values[1][0][1] = 5.0f;
    grid.values[2][1][0] = 7.0f;
    // index (ix * NY + iy) * itemCount + k
    QCOMPARE(grid.data()[(1 * 2 + 0) * 2 + 1], 5.0f);
    QCOMPARE(grid.data()[(2 * 2 + 1) * 2 + 0], 7.0f);
}

void TestStepGrid::cacheFileByteLayout_data()
{
    // Offsets follow index (ix * NY + iy) * itemCount + k, ix outermost: with
    // NY = 2 element (1,0) starts at byte 16, with NY = 3 at byte 24.
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("offsetOfColumn1");
    QTest::newRow("NX 3, NY 2") << 3 << 2 << 16;
    QTest::newRow("NX 2, NY 3") << 2 << 3 << 24;
}

void TestStepGrid::cacheFileByteLayout()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, offsetOfColumn1);
    StepGrid grid;
    grid.setUp(2, columns, rows, cache());
    for (int ix = 0; ix < columns; ++ix)
        for (int iy = 0; iy < rows; ++iy)
            for (int k = 0; k < 2; ++k)
                grid.values[ix][iy][k] = 100.0f * ix + 10.0f * iy + k + 0.5f;
    QVERIFY(grid.WriteStep(4));
    const QByteArray bytes = fileBytes(QString::fromStdString(grid.CacheFileName(4)));
    QCOMPARE(bytes.size(), 48);
    QCOMPARE(floatFromLittleEndian(bytes, 0), 0.5f);                 // item 0 of (0,0)
    QCOMPARE(floatFromLittleEndian(bytes, 4), 1.5f);                 // item 1 of (0,0)
    QCOMPARE(floatFromLittleEndian(bytes, 8), 10.5f);                // item 0 of (0,1)
    QCOMPARE(floatFromLittleEndian(bytes, offsetOfColumn1), 100.5f); // item 0 of (1,0)
    QCOMPARE(floatFromLittleEndian(bytes, 44), 100.0f * (columns - 1) + 10.0f * (rows - 1) + 1.5f); // the last value
}

void TestStepGrid::roundTripIsBitExact()
{
    // Every bit pattern must come back: subnormals, -0, infinities, NaN payloads.
    StepGrid grid;
    grid.setUp(18, 7, 5, cache());
    std::mt19937 random(11);
    std::vector<std::uint32_t> patterns(grid.valueCount());
    for (auto &bits : patterns)
        bits = static_cast<std::uint32_t>(random());
    patterns[0] = 0x80000000u; // -0
    patterns[1] = 0x00000001u; // smallest subnormal
    patterns[2] = 0x7f800000u; // infinity
    patterns[3] = 0x7fc01234u; // NaN with a payload
    std::memcpy(grid.data(), patterns.data(), patterns.size() * 4);
    QVERIFY(grid.WriteStep(1));
    std::memset(grid.data(), 0, patterns.size() * 4);
    QVERIFY(grid.ReadStep(1));
    QCOMPARE(std::memcmp(grid.data(), patterns.data(), patterns.size() * 4), 0);
}

void TestStepGrid::writtenInPartsAsAtOnce()
{
    // As the open writes a step while reading it: parts of any size, a count
    // that does not grow adds nothing, the end adds what was not written yet.
    StepGrid grid;
    grid.setUp(3, 5, 7, cache());
    std::mt19937 random(3);
    std::uniform_real_distribution<float> value(-1e6f, 1e6f);
    for (std::size_t i = 0; i < grid.valueCount(); ++i)
        grid.data()[i] = value(random);
    QVERIFY(grid.WriteStep(1));
    QVERIFY(grid.beginWriteStep(2));
    grid.writeStepUpTo(1);
    grid.writeStepUpTo(40);
    grid.writeStepUpTo(20);
    grid.writeStepUpTo(40);
    grid.writeStepUpTo(99);
    QVERIFY(grid.endWriteStep());
    const QByteArray whole = fileBytes(QString::fromStdString(grid.CacheFileName(1)));
    QCOMPARE(whole.size(), static_cast<int>(grid.valueCount() * 4));
    QCOMPARE(fileBytes(QString::fromStdString(grid.CacheFileName(2))), whole);
}

void TestStepGrid::failedWriteInPartsRemovesTheFile()
{
    const SmallFileSystem disk(64);
    if (!disk.mounted())
        QSKIP("no small disk can be mounted here");
    const QString name = disk.path("SemTmp3.bin");
    StepGrid grid;
    grid.setUp(4, 100, 100, std::make_shared<StepCache>(disk.root().toStdString() + "/")); // 160 kB a step
    QVERIFY(grid.beginWriteStep(3));
    grid.writeStepUpTo(grid.valueCount() / 2);
    grid.writeStepUpTo(grid.valueCount() - 1);
    QVERIFY(!grid.endWriteStep());
    const QString message = QString::fromStdString(grid.errorText());
    QVERIFY2(message.startsWith("Cannot write the step cache file " + name + " (No space left on device)"), qPrintable(message));
    QVERIFY(!QFileInfo::exists(name));
}

void TestStepGrid::freshGridIsZeroed()
{
    StepGrid grid;
    grid.setUp(3, 4, 5, cache());
    std::memset(grid.data(), 0xff, grid.valueCount() * 4);
    // A new set-up, as for the next file, never shows the old block's values.
    grid.setUp(3, 4, 5, cache());
    QVERIFY(grid.allocated());
    for (std::size_t i = 0; i < grid.valueCount(); ++i)
        QCOMPARE(grid.data()[i], 0.0f);
    grid.release();
    QVERIFY(!grid.allocated());
    QCOMPARE(grid.valueCount(), std::size_t(0));
}

void TestStepGrid::readFailuresLeaveTheValues_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("expectedStart");
    QTest::newRow("removed") << "remove" << "Cannot read the step cache file ";
    QTest::newRow("cut short") << "shorten" << "The step cache file ";
    QTest::newRow("too long") << "lengthen" << "The step cache file ";
}

void TestStepGrid::readFailuresLeaveTheValues()
{
    QFETCH(QString, damage);
    QFETCH(QString, expectedStart);
    QTemporaryDir dir;
    StepGrid grid;
    grid.setUp(2, 2, 2, std::make_shared<StepCache>(dir.path().toStdString() + "/"));
    grid.values[0][0][0] = 1.0f;
    QVERIFY(grid.WriteStep(1));
    const QString name = QString::fromStdString(grid.CacheFileName(1));
    if (damage == "remove")
        QVERIFY(QFile::remove(name));
    else
        writeFile(name, fileBytes(name).left(damage == "shorten" ? 28 : 32) + (damage == "lengthen" ? QByteArray(4, 0) : QByteArray()));
    grid.values[0][0][0] = 42.0f;
    grid.values[1][1][1] = 43.0f;
    QVERIFY(!grid.ReadStep(1));
    QVERIFY2(QString::fromStdString(grid.errorText()).startsWith(expectedStart + name), grid.errorText().c_str());
    QCOMPARE(grid.values[0][0][0], 42.0f);
    QCOMPARE(grid.values[1][1][1], 43.0f);
}

QTEST_GUILESS_MAIN(TestStepGrid)
#include "tst_StepGrid.moc"
