#include "export_helpers.h"

#include "export/DxfWriter.h"
#include "export/TextFileWriter.h"
#include "export/TextLines.h"

#include <QJsonArray>
#include <QtTest>

class TestDxfWriter : public QObject
{
    Q_OBJECT

private slots:
    void sectionsAndEndOfFile();
    void polylineWithoutVertices();
    void polylineVerticesInOrder();
    void solidCornersInCallOrder();
    void textWithBothAlignmentPoints();
    void controlCharactersBecomeBlanks();
    void alignmentTable_data();
    void alignmentTable();
    void alignmentOutsideTheTableIsClamped_data();
    void alignmentOutsideTheTableIsClamped();
    void drawingReadsBackInACadReader();
};

namespace {

QByteArray text(const TextLines &lines)
{
    return QByteArray::fromStdString(lines.pending());
}

} // namespace

void TestDxfWriter::sectionsAndEndOfFile()
{
    TextLines lines;
    DxfBeginEntities(lines);
    DxfEndSection(lines);
    DxfEndOfFile(lines);
    QCOMPARE(text(lines), crlfLines({"  0", "SECTION", "  2", "ENTITIES", "  0", "ENDSEC", "  0", "EOF"}));
}

void TestDxfWriter::polylineWithoutVertices()
{
    TextLines lines;
    DxfPolyline({}, 12.5f, "OUTLINE", lines);
    // 0 is fourteen blanks and a 0, 12.5 eleven blanks and 12.5; the flag 66 is written as a group code is.
    QCOMPARE(text(lines), crlfLines({"  0", "POLYLINE", "  8", "OUTLINE", " 66", "  1",
                                     " 10", "              0", " 20", "              0", " 30", "              0",
                                     " 40", "           12.5", " 41", "           12.5", "  0", "SEQEND"}));
}

void TestDxfWriter::polylineVerticesInOrder()
{
    TextLines lines;
    DxfPolyline({{1.5, -2.0}, {1e10, 1.0 / 3.0}}, 0.0f, "L", lines);
    const QByteArray all = text(lines);
    const QByteArray vertices = crlfLines({"  0", "VERTEX", "  8", "L", " 10", "            1.5", " 20",
                                           "             -2", " 30", "              0", "  0", "VERTEX", "  8", "L",
                                           " 10", "         1e+010", " 20", "       0.333333", " 30",
                                           "              0", "  0", "SEQEND"});
    QVERIFY(all.endsWith(vertices));
    QCOMPARE(all.count("VERTEX"), 2);
}

void TestDxfWriter::solidCornersInCallOrder()
{
    TextLines lines;
    DxfSolid(0, 0, 2.5f, 0, 0, 1e-5f, 2.5f, 1e-5f, "Color3", 5, 38, lines);
    // Group 100 has no leading blank, group 8 two; a handle is plain decimal.
    QCOMPARE(text(lines), crlfLines({"  0", "SOLID", "  5", "38", "100", "AcDbEntity", "100", "AcDbTrace", "  8",
                                     "Color3", " 62", "5", " 10", "              0", " 20", "              0", " 11",
                                     "            2.5", " 21", "              0", " 12", "              0", " 22",
                                     "         1e-005", " 13", "            2.5", " 23", "         1e-005"}));
}

void TestDxfWriter::textWithBothAlignmentPoints()
{
    TextLines lines;
    DxfText(1.0f, 2.0f, 0.0f, "SCALE", "LEGEND", 2, 0.8f, 7, 0.0f, 12, lines);
    QCOMPARE(text(lines), crlfLines({"  0", "TEXT", "  5", "12", "100", "AcDbEntity", "100", "AcDbText", "  1",
                                     "SCALE", "  8", "LEGEND", " 62", "2", " 10", "              1", " 20",
                                     "              2", " 30", "              0", " 40", "            0.8", " 50",
                                     "              0", " 72", "  1", " 73", "  1", " 11", "              1", " 21",
                                     "              2", " 31", "              0"}));
}

void TestDxfWriter::controlCharactersBecomeBlanks()
{
    // A bare CR in a name read from a file would end the value line early.
    TextLines lines;
    DxfText(0, 0, 0, std::string("a\rb\nc\td\0e\x7f", 10), "L\r1", 2, 1, 0, 0, 11, lines);
    QVERIFY(text(lines).contains(crlfLines({"  1", "a b c d e ", "  8", "L 1", " 62"})));
}

void TestDxfWriter::alignmentTable_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("vertical");
    const char *const vertical[] = {"top", "middle", "bottom", "baseline"};
    const char *const horizontal[] = {"left", "centre", "right"};
    for (int a = 0; a < 12; ++a)
        QTest::addRow("%d %s %s", a, vertical[a / 3], horizontal[a % 3]) << a << a % 3 << 3 - a / 3;
}

void TestDxfWriter::alignmentTable()
{
    QFETCH(int, alignment);
    QFETCH(int, horizontal);
    QFETCH(int, vertical);
    const DxfJustification justification = DxfTextJustification(alignment);
    QCOMPARE(justification.horizontal, horizontal);
    QCOMPARE(justification.vertical, vertical);

    TextLines lines;
    DxfText(0, 0, 0, "t", "L", 1, 1, alignment, 0, 11, lines);
    const QByteArray groups = " 72\r\n" + QByteArray::number(horizontal).rightJustified(3, ' ') + "\r\n 73\r\n"
                              + QByteArray::number(vertical).rightJustified(3, ' ') + "\r\n";
    QVERIFY(text(lines).contains(groups));
}

void TestDxfWriter::alignmentOutsideTheTableIsClamped_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("clampedTo");
    QTest::newRow("negative") << -1 << 0;
    QTest::newRow("past the table") << 12 << 11;
}

void TestDxfWriter::alignmentOutsideTheTableIsClamped()
{
#ifndef QT_NO_DEBUG
    QSKIP("a debug build asserts on an alignment outside 0..11");
#else
    QFETCH(int, alignment);
    QFETCH(int, clampedTo);
    const DxfJustification justification = DxfTextJustification(alignment);
    const DxfJustification clamped = DxfTextJustification(clampedTo);
    QCOMPARE(justification.horizontal, clamped.horizontal);
    QCOMPARE(justification.vertical, clamped.vertical);
#endif
}

void TestDxfWriter::drawingReadsBackInACadReader()
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("pieces.dxf").toStdString();
    {
        TextFileWriter file(path);
        QVERIFY(file.open());
        TextLines &out = file.lines();
        DxfBeginEntities(out);
        DxfText(0, 10, 0, "Title", "TITLE", 2, 1, 7, 0, 11, out);
        DxfSolid(0, 0, 1, 0, 0, 1, 1, 1, "Color1", 250, 12, out);
        DxfSolid(1, 0, 2, 0, 1, 1, 2, 1, "Color10", 7, 13, out);
        DxfPolyline({{0, 0}, {0, 1}, {2, 1}, {2, 0}, {0, 0}}, 0, "OUTLINE", out);
        DxfPolyline({}, 0, "OUTLINE", out);
        DxfEndSection(out);
        DxfEndOfFile(out);
        QVERIFY(file.commit());
    }
    READ_BACK_DXF(path, json);
    const QJsonObject types = json["types"].toObject();
    QCOMPARE(types["TEXT"].toInt(), 1);
    QCOMPARE(types["SOLID"].toInt(), 2);
    QCOMPARE(types["POLYLINE"].toInt(), 2);
    const QJsonObject layers = json["layers"].toObject();
    QCOMPARE(layers.keys(), (QStringList{"Color1", "Color10", "OUTLINE", "TITLE"}));
    QCOMPARE(json["texts"].toArray(), QJsonArray{"Title"});
    QCOMPARE(json["colours"].toArray(), (QJsonArray{250, 7}));
    const QJsonArray polylines = json["polylines"].toArray();
    QCOMPARE(polylines.size(), 2);
    QCOMPARE(polylines[0].toArray().size(), 5);
    QCOMPARE(polylines[0].toArray()[2].toArray(), (QJsonArray{2, 1}));
    QCOMPARE(polylines[1].toArray().size(), 0);
}

QTEST_GUILESS_MAIN(TestDxfWriter)
#include "tst_DxfWriter.moc"
