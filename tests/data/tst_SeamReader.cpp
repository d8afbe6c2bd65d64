#include "support/RecordingReporter.h"

#include "data/LineReader.h"
#include "data/Reporter.h"
#include "data/SeamReader.h"
#include "data/StepGrid.h"

#include <QTest>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// The reading rules of a seam output file: line ends, the three header lines,
// data lines and the empty-line messages, on text held in memory.
class TestSeamReader : public QObject
{
    Q_OBJECT

private slots:
    void lineEnds_data();
    void lineEnds();
    void linesAcrossChunksMatchGetline_data();
    void linesAcrossChunksMatchGetline();
    void lineLongerThanTheBuffer();
    void blocksAndLinesStayValidThroughTheNextCall_data();
    void blocksAndLinesStayValidThroughTheNextCall();

    void firstHeaderLine_data();
    void firstHeaderLine();
    void nameList_data();
    void nameList();
    void moreNamesThanSlots();
    void countsBeyondInt_data();
    void countsBeyondInt();

    void dataLine_data();
    void dataLine();

    void headerMessages_data();
    void headerMessages();
    void stepReadsInFileOrder();
    void shortStepKeepsTheValuesNotRead();
    void noBlockInWorkWhileAMessageIsUp();
    void bigStepsReadOnManyThreadsAsLineByLine_data();
    void bigStepsReadOnManyThreadsAsLineByLine();
};

namespace {

std::vector<std::string> allLines(const std::string &text, std::size_t chunkSize)
{
    std::istringstream in(text);
    LineReader reader(in, chunkSize);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line))
        lines.emplace_back(line);
    return lines;
}

SeamHeader presetHeader()
{
    // Values no line sets, so a test sees which fields the scan left alone.
    SeamHeader header;
    header.stepCount = header.ignoredValue = header.columnCount = header.rowCount = 77;
    header.cellSize = header.originX = header.originY = 77.0f;
    return header;
}

} // namespace

void TestSeamReader::lineEnds_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\r\n") << QStringList{"a", "b", "c"};
    QTest::newRow("no line end at the end") << QByteArray("a\nb") << QStringList{"a", "b"};
    QTest::newRow("CR at the very end") << QByteArray("a\nb\r") << QStringList{"a", "b"};
    QTest::newRow("blank lines stay lines") << QByteArray("a\n\n\r\nb\n") << QStringList{"a", "", "", "b"};
    QTest::newRow("CR inside a line stays") << QByteArray("a\rb\n") << QStringList{"a\rb"};
    QTest::newRow("blanks are content") << QByteArray("  \n") << QStringList{"  "};
    QTest::newRow("empty input") << QByteArray() << QStringList{};
}

void TestSeamReader::lineEnds()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    QStringList lines;
    for (const auto &line : allLines(text.toStdString(), 1 << 20))
        lines << QString::fromStdString(line);
    QCOMPARE(lines, expected);
}

void TestSeamReader::linesAcrossChunksMatchGetline_data()
{
    QTest::addColumn<int>("chunkSize");
    for (int size : {16, 17, 31, 64, 1000, 1 << 20})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void TestSeamReader::linesAcrossChunksMatchGetline()
{
    // Random lines of random lengths, some far longer than a chunk, so that line
    // ends and CR LF pairs fall on every position of a chunk boundary.
    QFETCH(int, chunkSize);
    std::mt19937 random(5);
    std::string text;
    for (int i = 0; i < 2000; ++i) {
        const int length = random() % 10 == 0 ? static_cast<int>(random() % 300) : static_cast<int>(random() % 20);
        for (int c = 0; c < length; ++c)
            text += static_cast<char>('a' + random() % 26);
        text += random() % 2 ? "\r\n" : "\n";
    }
    std::vector<std::string> expected;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        expected.push_back(line);
    }
    QCOMPARE(allLines(text, static_cast<std::size_t>(chunkSize)), expected);
}

void TestSeamReader::lineLongerThanTheBuffer()
{
    const std::string longLine(100000, 'x');
    const auto lines = allLines("short\n" + longLine + "\r\nlast", 64);
    QCOMPARE(lines.size(), std::size_t(3));
    QCOMPARE(lines[0], std::string("short"));
    QCOMPARE(lines[1], longLine);
    QCOMPARE(lines[2], std::string("last"));
}

void TestSeamReader::blocksAndLinesStayValidThroughTheNextCall_data()
{
    QTest::addColumn<int>("chunkSize");
    QTest::addColumn<int>("textSize"); // 0: as the lines come
    for (int size : {16, 64, 1000}) {
        QTest::newRow(qPrintable(QString("chunk %1").arg(size))) << size << 0;
        // The input ends right at the end of a full buffer: the reader learns of
        // the end only from a read that gets nothing.
        QTest::newRow(qPrintable(QString("input of exactly the chunk %1").arg(size))) << size << size;
        QTest::newRow(qPrintable(QString("input of twice the chunk %1").arg(size))) << size << 2 * size;
    }
}

void TestSeamReader::blocksAndLinesStayValidThroughTheNextCall()
{
    // Blocks and single lines taken by turns at random, as the step reader does;
    // what each call returned must still be intact after the following call.
    QFETCH(int, chunkSize);
    QFETCH(int, textSize);
    std::mt19937 random(11);
    std::string text;
    while (textSize == 0 ? text.size() < 20000 : text.size() < static_cast<std::size_t>(textSize)) {
        const int length = random() % 20 == 0 ? 0 : static_cast<int>(random() % 40);
        for (int c = 0; c < length; ++c)
            text += static_cast<char>('a' + random() % 26);
        text += random() % 2 ? "\r\n" : "\n";
    }
    if (textSize > 0) {
        text.resize(static_cast<std::size_t>(textSize));
        text.back() = '\n';
    }
    std::vector<std::string> expected;
    std::istringstream expectedIn(text);
    for (std::string line; std::getline(expectedIn, line);)
        expected.push_back(!line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line);

    std::istringstream in(text);
    LineReader reader(in, static_cast<std::size_t>(chunkSize));
    std::vector<std::string> lines;
    std::vector<std::uint32_t> lineEnds;
    std::string_view previous;
    std::string previousCopy;
    for (;;) {
        std::string_view got;
        if (random() % 3 != 0) {
            const std::size_t maxLines = 1 + random() % 30;
            if (const std::size_t count = reader.nextLines(maxLines, got, lineEnds)) {
                // The block is exactly its lines, each ended where lineEnds says.
                QCOMPARE(lineEnds.size(), count);
                QVERIFY(count <= maxLines);
                QCOMPARE(std::size_t(lineEnds.back()) + 1, got.size());
                std::size_t start = 0;
                for (const std::uint32_t end : lineEnds) {
                    QCOMPARE(got[end], '\n');
                    std::string line(got.substr(start, end - start));
                    QVERIFY(line.find('\n') == std::string::npos);
                    if (!line.empty() && line.back() == '\r')
                        line.pop_back();
                    lines.push_back(line);
                    start = end + 1;
                }
            } else if (reader.next(got)) {
                lines.emplace_back(got);
            } else {
                break;
            }
        } else if (reader.next(got)) {
            lines.emplace_back(got);
        } else {
            break;
        }
        QCOMPARE(std::string(previous), previousCopy);
        previous = got;
        previousCopy = std::string(got);
    }
    QCOMPARE(lines, expected);
}

void TestSeamReader::firstHeaderLine_data()
{
    // stepCount, ignoredValue, cellSize, columnCount, rowCount, originX, originY;
    // 77 marks a field the scan did not reach.
    QTest::addColumn<QString>("line");
    QTest::addColumn<QList<double>>("expected");
    const QList<double> plain{3, 0, 10, 4, 5, 0, 0};
    QTest::newRow("with blanks") << "3, 0, 10.0, 4, 5, 0.0, 0.0" << plain;
    QTest::newRow("without blanks") << "3,0,10.0,4,5,0.0,0.0" << plain;
    QTest::newRow("leading and wide blanks") << "   3,   0,\t10.0,  4,  5,  0.0,  0.0" << plain;
    QTest::newRow("03 is decimal 3") << "03, 0, 10.0, 4, 5, 0.0, 0.0" << plain;
    QTest::newRow("010 is octal 8") << "010, 0, 10.0, 4, 5, 0.0, 0.0" << QList<double>{8, 0, 10, 4, 5, 0, 0};
    QTest::newRow("0x10 is hexadecimal 16") << "0x10, 0, 10.0, 0x4, 5, 0.0, 0.0" << QList<double>{16, 0, 10, 4, 5, 0, 0};
    QTest::newRow("exponents and signs") << "2, -1, 2.5E+1, 6, 7, -1.5e+3, 2.5E-1" << QList<double>{2, -1, 25, 6, 7, -1500, 0.25};
    QTest::newRow("blank before the first comma") << "3 , 0, 10.0, 4, 5, 0.0, 0.0" << QList<double>{3, 77, 77, 77, 77, 77, 77};
    QTest::newRow("blank before a later comma") << "3, 0, 10.0, 4 , 5, 0.0, 0.0" << QList<double>{3, 0, 10, 4, 77, 77, 77};
    QTest::newRow("D exponent ends the real") << "3, 0, 1.0D1, 4, 5, 0.0, 0.0" << QList<double>{3, 0, 1, 77, 77, 77, 77};
    QTest::newRow("line ends early") << "3, 0, 10.0, 4, 5" << QList<double>{3, 0, 10, 4, 5, 77, 77};
    QTest::newRow("no number at all") << "steps, 0, 10.0" << QList<double>{77, 77, 77, 77, 77, 77, 77};
    QTest::newRow("trailing text is ignored") << "3, 0, 10.0, 4, 5, 0.0, 0.0, extra" << plain;
}

void TestSeamReader::firstHeaderLine()
{
    QFETCH(QString, line);
    QFETCH(QList<double>, expected);
    SeamHeader header = presetHeader();
    SeamReader::scanFirstHeaderLine(line.toStdString(), header);
    const QList<double> got{double(header.stepCount), double(header.ignoredValue), header.cellSize,
                            double(header.columnCount), double(header.rowCount), header.originX, header.originY};
    QCOMPARE(got, expected);
}

void TestSeamReader::nameList_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("firstSlots"); // the first slots afterwards
    QTest::newRow("trimmed, inner blanks kept") << "2,   Vertical  Stress  ,\tConvergence " << 2 << QStringList{"Vertical  Stress", "Convergence", "old"};
    QTest::newRow("fields after the count ignored") << "1, MPa, mm, kN" << 1 << QStringList{"MPa", "old", "old"};
    QTest::newRow("missing fields are empty") << "3, MPa" << 3 << QStringList{"MPa", "", ""};
    QTest::newRow("no comma at all") << "2" << 2 << QStringList{"", "", "old"};
    QTest::newRow("count read like atoi") << "  +2 items, a, b" << 2 << QStringList{"a", "b", "old"};
    QTest::newRow("count without digits") << "many, a, b" << 0 << QStringList{"old", "old", "old"};
    QTest::newRow("negative count") << "-1, a" << -1 << QStringList{"old", "old", "old"};
    QTest::newRow("empty fields") << "3, , x," << 3 << QStringList{"", "x", ""};
}

void TestSeamReader::nameList()
{
    QFETCH(QString, line);
    QFETCH(int, count);
    QFETCH(QStringList, firstSlots);
    std::array<std::string, SeamHeader::maxItems> names;
    names.fill("old");
    bool beyondInt = true;
    QCOMPARE(SeamReader::readNameList(line.toStdString(), names, beyondInt), count);
    QVERIFY(!beyondInt);
    for (int k = 0; k < firstSlots.size(); ++k)
        QCOMPARE(QString::fromStdString(names[static_cast<std::size_t>(k)]), firstSlots[k]);
}

void TestSeamReader::moreNamesThanSlots()
{
    std::string line = "25";
    for (int k = 0; k < 25; ++k)
        line += ", n" + std::to_string(k);
    std::array<std::string, SeamHeader::maxItems> names;
    bool beyondInt = true;
    QCOMPARE(SeamReader::readNameList(line, names, beyondInt), 25);
    QCOMPARE(names.back(), std::string("n17"));
}

// A count written beyond int32 is named for the open to refuse, and held at the
// end of the range in its field: never wrapped (4294967297 would read 1).
void TestSeamReader::countsBeyondInt_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QList<int>>("counts"); // steps, columns, rows, items, units
    const QByteArray names = "\n1, a\n1, u\n";
    QTest::newRow("2^32 + 1 columns") << "2, 0, 1.0, 4294967297, 3, 0.0, 0.0" + names
                                      << "the number of columns is more than 2147483647"
                                      << QList<int>{2, INT_MAX, 3, 1, 1};
    QTest::newRow("hexadecimal steps") << "0x100000001, 0, 1.0, 2, 3, 0.0, 0.0" + names
                                       << "the number of steps is more than 2147483647"
                                       << QList<int>{INT_MAX, 2, 3, 1, 1};
    QTest::newRow("rows below int") << "2, 0, 1.0, 2, -4294967297, 0.0, 0.0" + names
                                    << "the number of rows is less than -2147483648"
                                    << QList<int>{2, 2, INT_MIN, 1, 1};
    QTest::newRow("beyond long long too") << "2, 0, 1.0, 99999999999999999999999, 3, 0.0, 0.0" + names
                                          << "the number of columns is more than 2147483647"
                                          << QList<int>{2, INT_MAX, 3, 1, 1};
    QTest::newRow("first of two is named") << "2, 0, 1.0, 4294967297, 4294967298, 0.0, 0.0" + names
                                           << "the number of columns is more than 2147483647"
                                           << QList<int>{2, INT_MAX, INT_MAX, 1, 1};
    QTest::newRow("items") << QByteArray("2, 0, 1.0, 2, 3, 0.0, 0.0\n4294967297, a\n1, u\n")
                           << "the number of stress items is more than 2147483647"
                           << QList<int>{2, 2, 3, INT_MAX, 1};
    QTest::newRow("units") << QByteArray("2, 0, 1.0, 2, 3, 0.0, 0.0\n1, a\n-4294967297, u\n")
                           << "the number of units is less than -2147483648" << QList<int>{2, 2, 3, 1, INT_MIN};
    QTest::newRow("largest that fits") << "2147483647, 0, 1.0, 2, 3, 0.0, 0.0" + names << ""
                                       << QList<int>{INT_MAX, 2, 3, 1, 1};
    QTest::newRow("the unused value is no count") << "2, 4294967297, 1.0, 2, 3, 0.0, 0.0" + names << ""
                                                  << QList<int>{2, 2, 3, 1, 1};
}

void TestSeamReader::countsBeyondInt()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, named);
    QFETCH(QList<int>, counts);
    std::istringstream in(text.toStdString());
    LineReader lines(in);
    SeamHeader header;
    RecordingReporter reporter;
    std::string countBeyondInt;
    QCOMPARE(SeamReader::readHeader(lines, header, reporter, countBeyondInt), SeamReader::Status::Ok);
    QCOMPARE(QString::fromStdString(countBeyondInt), named);
    QCOMPARE((QList<int>{header.stepCount, header.columnCount, header.rowCount, header.itemCount, header.unitCount}),
             counts);
    QVERIFY(reporter.messages.empty());
}

void TestSeamReader::dataLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QList<float>>("expected"); // three items
    QTest::newRow("plain") << "1.0, 2.0, 3.0" << QList<float>{1, 2, 3};
    QTest::newRow("no blanks") << "1.0,2.0,3.0" << QList<float>{1, 2, 3};
    QTest::newRow("all four exponents") << "1.5E+03, 1.5e-1, 1.5D+03" << QList<float>{1500, 0.15f, 1500};
    QTest::newRow("d exponent") << " -2.5d-1, 1, 2" << QList<float>{-0.25f, 1, 2};
    QTest::newRow("fewer fields than items") << "4.0" << QList<float>{4, 0, 0};
    QTest::newRow("extra fields ignored") << "1, 2, 3, 4, 5" << QList<float>{1, 2, 3};
    QTest::newRow("blanks only") << "     " << QList<float>{0, 0, 0};
    QTest::newRow("empty fields") << ",,7" << QList<float>{0, 0, 7};
    QTest::newRow("not numbers") << "abc, 2x, x2" << QList<float>{0, 2, 0};
    QTest::newRow("blank inside a field ends it") << "1 2, 3 4, 5" << QList<float>{1, 3, 5};
    QTest::newRow("trailing comma") << "1, 2," << QList<float>{1, 2, 0};
}

void TestSeamReader::dataLine()
{
    QFETCH(QString, line);
    QFETCH(QList<float>, expected);
    float values[4] = {9, 9, 9, 9};
    SeamReader::readDataLine(line.toStdString(), values, 3);
    QCOMPARE((QList<float>{values[0], values[1], values[2]}), expected);
    QCOMPARE(values[3], 9.0f); // nothing beyond the element's items
}

void TestSeamReader::headerMessages_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message"); // empty: read cleanly
    QTest::newRow("empty input") << QByteArray() << "Read an empty line in the input file - CHR2-1";
    QTest::newRow("blank line 1") << QByteArray("\n1, a\n1, u\n") << "Read an empty line in the input file - CHR2-1";
    QTest::newRow("CR LF blank line 1") << QByteArray("\r\n1, a\n1, u\n") << "Read an empty line in the input file - CHR2-1";
    QTest::newRow("only line 1") << QByteArray("1, 0, 1.0, 1, 1, 0.0, 0.0\n") << "Read an empty line in the input file - CHR2-2";
    QTest::newRow("blank line 2") << QByteArray("1, 0, 1.0, 1, 1, 0.0, 0.0\n\n1, u\n") << "Read an empty line in the input file - CHR2-2";
    QTest::newRow("only lines 1 and 2") << QByteArray("1, 0, 1.0, 1, 1, 0.0, 0.0\n1, a\n") << "Read an empty line in the input file - CHR2-3";
    QTest::newRow("blanks are not empty") << QByteArray(" \n \n \n") << "";
    QTest::newRow("complete") << QByteArray("1, 0, 1.0, 1, 1, 0.0, 0.0\n1, a\n1, u") << "";
}

void TestSeamReader::headerMessages()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    std::istringstream in(text.toStdString());
    LineReader lines(in);
    SeamHeader header;
    RecordingReporter reporter;
    std::string countBeyondInt;
    const auto status = SeamReader::readHeader(lines, header, reporter, countBeyondInt);
    QCOMPARE(countBeyondInt, std::string());
    QCOMPARE(status, message.isEmpty() ? SeamReader::Status::Ok : SeamReader::Status::EmptyLine);
    QCOMPARE(reporter.messages.size(), message.isEmpty() ? std::size_t(0) : std::size_t(1));
    if (!message.isEmpty())
        QCOMPARE(QString::fromStdString(reporter.messages.front()), message);
}

void TestSeamReader::stepReadsInFileOrder()
{
    // NX = 2, NY = 3: the first data line is (0,0), the second (0,1), the fourth (1,0).
    std::istringstream in("1,10\n2,20\n3,30\n4,40\n5,50\n6,60\n");
    LineReader lines(in);
    StepGrid grid;
    grid.setUp(2, 2, 3);
    RecordingReporter reporter;
    QCOMPARE(SeamReader::readStep(lines, grid, reporter), SeamReader::Status::Ok);
    QVERIFY(reporter.messages.empty());
    QCOMPARE(grid.values[0][0][0], 1.0f);
    QCOMPARE(grid.values[0][1][0], 2.0f);
    QCOMPARE(grid.values[1][0][0], 4.0f);
    QCOMPARE(grid.values[1][2][1], 60.0f);
}

void TestSeamReader::shortStepKeepsTheValuesNotRead()
{
    std::istringstream in("1\n2\n\n4\n");
    LineReader lines(in);
    StepGrid grid;
    grid.setUp(1, 2, 2);
    grid.values[1][1][0] = 99.0f;
    RecordingReporter reporter;
    QCOMPARE(SeamReader::readStep(lines, grid, reporter), SeamReader::Status::EmptyLine);
    QCOMPARE(reporter.messages, std::vector<std::string>{"Read an empty line in the input file - CGR2-1"});
    QCOMPARE(grid.values[0][1][0], 2.0f);
    QCOMPARE(grid.values[1][1][0], 99.0f);
    // The next step starts right after the blank line: the reader never rewinds.
    grid.values[0][0][0] = 0.0f;
    QCOMPARE(SeamReader::readStep(lines, grid, reporter), SeamReader::Status::EmptyLine);
    QCOMPARE(grid.values[0][0][0], 4.0f);
    QCOMPARE(reporter.messages.size(), std::size_t(2));
}

void TestSeamReader::noBlockInWorkWhileAMessageIsUp()
{
    // A message box lets the program handle events, paints among them: every
    // line before the empty one must be read by then, none still in work.
    constexpr int elements = 200000, items = 3, emptyAt = 180000; // within the first block
    std::string text;
    char line[96];
    for (int element = 0; element < elements; ++element) {
        if (element == emptyAt)
            text += "\n";
        std::snprintf(line, sizeof line, "%12.5E, %12.5E, %12.5E\n", element * 1.5, -element * 0.25, element * 1e-3);
        text += line;
    }
    class SnapshotReporter : public Reporter
    {
    public:
        explicit SnapshotReporter(const StepGrid &grid) : m_grid(grid) {}
        void report(const std::string &) override { snapshots.emplace_back(m_grid.data(), m_grid.data() + emptyAt * items); }
        std::vector<std::vector<float>> snapshots;

    private:
        const StepGrid &m_grid;
    };
    std::istringstream in(text);
    LineReader lines(in, 8 << 20); // parts of megabytes: the helpers cannot be through them at once
    StepGrid grid;
    grid.setUp(items, 1000, elements / 1000);
    SnapshotReporter reporter(grid);
    QCOMPARE(SeamReader::readStep(lines, grid, reporter), SeamReader::Status::EmptyLine);
    QCOMPARE(reporter.snapshots.size(), std::size_t(1));
    std::vector<float> expected(emptyAt * items);
    std::istringstream again(text);
    LineReader oneByOne(again);
    std::string_view each;
    for (int element = 0; element < emptyAt && oneByOne.next(each); ++element)
        SeamReader::readDataLine(each, expected.data() + element * items, items);
    QVERIFY(reporter.snapshots.front() == expected);
}

void TestSeamReader::bigStepsReadOnManyThreadsAsLineByLine_data()
{
    QTest::addColumn<QString>("lineEnd");
    QTest::addColumn<int>("blankLineAt"); // a blank data line at this element, or -1
    QTest::newRow("LF") << "\n" << -1;
    QTest::newRow("CR LF") << "\r\n" << -1;
    QTest::newRow("blank line in the middle") << "\n" << 20000;
}

void TestSeamReader::bigStepsReadOnManyThreadsAsLineByLine()
{
    QFETCH(QString, lineEnd);
    QFETCH(int, blankLineAt);
    // Two steps of 150 x 400 elements and 3 items: a few blocks of half a megabyte
    // each, which the reader cuts among threads; some lines odd, so both
    // readings take every path.
    constexpr int columns = 150, rows = 400, items = 3, steps = 2;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-1e4, 1e4);
    std::string text;
    for (int element = 0; element < steps * columns * rows; ++element) {
        if (element == blankLineAt)
            text += lineEnd.toStdString();
        char line[128];
        std::snprintf(line, sizeof line, "%12.5E, %.9g,%s", value(random), value(random),
                      element % 97 == 0 ? " 1.5D+03 junk" : " 7");
        text += line + lineEnd.toStdString();
    }

    // What the reader says is read, at the moment it says so, for each step.
    std::vector<std::vector<std::vector<float>>> settled(steps);
    const auto readAll = [&](bool manyThreads) {
        std::istringstream in(text);
        LineReader lines(in, 1 << 19);
        std::vector<std::vector<float>> stepValues;
        RecordingReporter reporter;
        StepGrid grid;
        grid.setUp(items, columns, rows);
        for (int step = 0; step < steps; ++step) {
            if (manyThreads) {
                SeamReader::readStep(lines, grid, reporter, [&](std::size_t valueCount) {
                    settled[step].emplace_back(grid.data(), grid.data() + valueCount);
                });
            } else {
                std::string_view line;
                for (std::size_t element = 0; element < grid.valueCount() / items; ++element) {
                    if (!lines.next(line) || line.empty()) {
                        reporter.report("empty");
                        break;
                    }
                    SeamReader::readDataLine(line, grid.data() + element * items, items);
                }
            }
            stepValues.emplace_back(grid.data(), grid.data() + grid.valueCount());
        }
        return std::make_pair(stepValues, reporter.messages.size());
    };
    const auto [threaded, threadedMessages] = readAll(true);
    const auto [oneByOne, oneByOneMessages] = readAll(false);
    QCOMPARE(threadedMessages, oneByOneMessages);
    QCOMPARE(threadedMessages, std::size_t(blankLineAt < 0 ? 0 : 1));
    QVERIFY(threaded == oneByOne);

    // Values said to be read are the step's final ones, and their count only
    // grows: told during the step, not only at its end.
    for (int step = 0; step < steps; ++step) {
        QVERIFY(settled[step].size() >= 2);
        std::size_t previousCount = 0;
        for (const auto &values : settled[step]) {
            QVERIFY(values.size() >= previousCount);
            previousCount = values.size();
            QVERIFY(std::equal(values.begin(), values.end(), oneByOne[step].begin()));
        }
    }
}

QTEST_GUILESS_MAIN(TestSeamReader)
#include "tst_SeamReader.moc"
