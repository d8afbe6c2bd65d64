#include "export_helpers.h"

#include "export/TextFileWriter.h"
#include "export/TextLines.h"

#include <QtTest>

class TestTextFileWriter : public QObject
{
    Q_OBJECT

private slots:
    void linesEndInCrLf();
    void piecesFormatLikePrintf();
    void fileAppearsOnlyOnCommit();
    void abandonedWriteKeepsTheOldFile();
    void writeErrorKeepsTheOldFile_data();
    void writeErrorKeepsTheOldFile();
    void fileInAMissingFolderCannotBeOpened();
};

void TestTextFileWriter::linesEndInCrLf()
{
    TextLines lines;
    lines.line("first");
    lines.line("");
    lines.text("th").text("ird").endLine();
    QCOMPARE(QByteArray::fromStdString(lines.pending()), QByteArray("first\r\n\r\nthird\r\n"));
    QVERIFY(lines.flush());
}

void TestTextFileWriter::piecesFormatLikePrintf()
{
    TextLines lines;
    lines.integer(3).text(", ").general(1.5e10).text(", ").general(0.0, 6, 15).text("|").fixed(2.5, 6, 12);
    lines.endLine();
    QCOMPARE(QByteArray::fromStdString(lines.pending()), QByteArray("3, 1.5e+010,               0|    2.500000\r\n"));
}

void TestTextFileWriter::fileAppearsOnlyOnCommit()
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("out.asc").toStdString();
    TextFileWriter file(path);
    QVERIFY(file.open());
    file.lines().line("1, 2");
    QVERIFY(file.lines().flush());
    QVERIFY(!QFile::exists(QString::fromStdString(path)));
    QVERIFY(file.commit());
    QCOMPARE(fileBytes(path), crlfLines({"1, 2"}));
    QCOMPARE(entriesOf(folder.path()), QStringList{"out.asc"});
}

void TestTextFileWriter::abandonedWriteKeepsTheOldFile()
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("out.asc").toStdString();
    writeFile(path, "old contents");
    {
        TextFileWriter file(path);
        QVERIFY(file.open());
        for (int i = 0; i < 100000; ++i)
            file.lines().line("a line that never reaches its file");
    }
    QCOMPARE(fileBytes(path), QByteArray("old contents"));
    QCOMPARE(entriesOf(folder.path()), QStringList{"out.asc"});
}

void TestTextFileWriter::writeErrorKeepsTheOldFile_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("sizeLimit");
    // Held in the file's own buffer until commit, written at commit in one
    // block, and drained while the lines are still being written.
    QTest::newRow("fails in the last flush") << 3 << 8;
    QTest::newRow("fails at commit") << 1000 << 4096;
    QTest::newRow("fails while writing") << 200000 << 4096;
}

void TestTextFileWriter::writeErrorKeepsTheOldFile()
{
    QFETCH(int, lineCount);
    QFETCH(int, sizeLimit);
    QTemporaryDir folder;
    const std::string path = folder.filePath("out.asc").toStdString();
    writeFile(path, "old contents");
    bool committed = true;
    {
        const FileSizeLimit limit(static_cast<rlim_t>(sizeLimit));
        TextFileWriter file(path);
        QVERIFY(file.open());
        for (int i = 0; i < lineCount; ++i)
            file.lines().line("a line of the file that does not fit");
        committed = file.commit();
    }
    QVERIFY(!committed);
    QCOMPARE(fileBytes(path), QByteArray("old contents"));
    QCOMPARE(entriesOf(folder.path()), QStringList{"out.asc"});
}

void TestTextFileWriter::fileInAMissingFolderCannotBeOpened()
{
    QTemporaryDir folder;
    TextFileWriter file(folder.filePath("missing/out.asc").toStdString());
    QVERIFY(!file.open());
    QVERIFY(!file.commit());
    QCOMPARE(entriesOf(folder.path()), QStringList{});
}

QTEST_GUILESS_MAIN(TestTextFileWriter)
#include "tst_TextFileWriter.moc"
