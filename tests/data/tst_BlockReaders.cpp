#include "data/BlockReaders.h"
#include "data/LineReader.h"
#include "data/NumberParsing.h"

#include <QTest>

#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// Blocks of data lines read by several threads, the calling one helping: the
// values must be those of reading the lines one by one, whatever the number
// of threads and however the blocks fall.
class TestBlockReaders : public QObject
{
    Q_OBJECT

private slots:
    void sameValuesAsOneByOne_data();
    void sameValuesAsOneByOne();
};

namespace {

constexpr int items = 4;

// Lines of plain and odd fields; a few far longer than a part of a block.
std::string dataLines(int count, bool withLongLines)
{
    std::mt19937 random(17);
    std::uniform_real_distribution<double> value(-1e5, 1e5);
    std::string text;
    char field[64];
    for (int line = 0; line < count; ++line) {
        for (int k = 0; k < items + line % 3 - 1; ++k) {
            std::snprintf(field, sizeof field, k % 2 ? "%12.5E" : "%.9g", value(random));
            text += (k ? ", " : "") + std::string(line % 53 == 0 && k == 1 ? " 2.5D-03x" : field);
        }
        if (withLongLines && line % 1000 == 999)
            text += std::string(300 * 1024, ' ') + ", 7";
        text += line % 2 ? "\r\n" : "\n";
    }
    return text;
}

std::vector<float> oneByOne(const std::string &text, int count)
{
    std::istringstream in(text);
    LineReader lines(in);
    std::vector<float> values(static_cast<std::size_t>(count) * items);
    std::string_view line;
    for (int element = 0; element < count && lines.next(line); ++element)
        NumberParsing::fieldValues(line, values.data() + element * items, items);
    return values;
}

// As the step reader does: wait for all but the latest block, take the next.
std::vector<float> inBlocks(const std::string &text, int count, unsigned threads, std::size_t chunkSize)
{
    std::istringstream in(text);
    LineReader lines(in, chunkSize);
    std::vector<float> values(static_cast<std::size_t>(count) * items, -1.0f);
    BlockReaders readers(values.data(), items, threads);
    std::string_view block;
    for (std::size_t element = 0; element < static_cast<std::size_t>(count);) {
        const std::size_t settled = readers.waitForOlder(element);
        if (settled > element)
            return {}; // never more than was started
        const std::size_t maxLines = std::min(count - element, BlockReaders::maxLines);
        const std::size_t got = lines.nextLines(maxLines, block, readers.nextLineEnds());
        if (got == 0)
            break;
        readers.start(block, element);
        element += got;
    }
    readers.waitForAll();
    return values;
}

} // namespace

void TestBlockReaders::sameValuesAsOneByOne_data()
{
    QTest::addColumn<unsigned>("threads");
    QTest::addColumn<int>("chunkSize");
    QTest::addColumn<bool>("longLines");
    for (unsigned threads : {1u, 2u, 4u}) {
        QTest::newRow(qPrintable(QString("%1 threads, small blocks").arg(threads))) << threads << 4096 << false;
        QTest::newRow(qPrintable(QString("%1 threads, blocks of many parts").arg(threads))) << threads << (2 << 20) << false;
        QTest::newRow(qPrintable(QString("%1 threads, lines longer than a part").arg(threads))) << threads << (1 << 20) << true;
    }
}

void TestBlockReaders::sameValuesAsOneByOne()
{
    QFETCH(unsigned, threads);
    QFETCH(int, chunkSize);
    QFETCH(bool, longLines);
    constexpr int count = 60000;
    const std::string text = dataLines(count, longLines);
    const std::vector<float> expected = oneByOne(text, count);
    const std::vector<float> got = inBlocks(text, count, threads, static_cast<std::size_t>(chunkSize));
    QCOMPARE(got.size(), expected.size());
    QVERIFY(std::memcmp(got.data(), expected.data(), expected.size() * sizeof(float)) == 0);
}

QTEST_GUILESS_MAIN(TestBlockReaders)
#include "tst_BlockReaders.moc"
