#include "data/StepGrid.h"
#include "export/grid/CsvTable.h"
#include "model/ProbeSet.h"
#include "model/ProbeTable.h"
#include "support/FileHazards.h"
#include "support/TestHeader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The Probes table against values worked out by hand, as text for the
// clipboard and as a CSV file.
class TestProbeTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsHoldCentresAndValues();
    void tabSeparatedText();
    void csvFile();
    void probesTheGridDoesNotHoldSaySo_data();
    void probesTheGridDoesNotHoldSaySo();
    void aFailedSaveLeavesTheFileThatStood();

private:
    SeamHeader m_header;
    StepGrid m_grid;
    ProbeSet m_probes;
};

void TestProbeTable::initTestCase()
{
    // 4 columns, 3 rows of 2 units from (100, 200); the value of column c, row r
    // (1-based) is 10 c + r for item 0 and half a unit more for item 1.
    m_header = makeHeader(9, 4, 3, 2);
    m_header.originX = 100.0f;
    m_header.originY = 200.0f;
    m_header.cellSize = 2.0f;
    m_header.itemNames[0] = "Stress, vertical";
    m_header.itemNames[1] = "Syy";
    m_grid.setUp(2, 4, 3);
    for (int ix = 0; ix < 4; ++ix)
        for (int iy = 0; iy < 3; ++iy)
            for (int k = 0; k < 2; ++k)
                m_grid.values[ix][iy][k] = 10.0f * (ix + 1) + (iy + 1) + 0.5f * k;
    m_probes.pinCell(2, 3);
    m_probes.pinWindow(2, 2, 1, 1);
}

void TestProbeTable::rowsHoldCentresAndValues()
{
    const ProbeTable table = ProbeTable::of(m_probes, m_header, m_grid, 7);
    QCOMPARE(table.header, (std::vector<std::string>{"step", "column", "row", "x", "y", "Stress, vertical", "Syy"}));
    QCOMPARE(table.rows.size(), std::size_t(2));
    // Cell (2, 3) spans x 102..104 and y 204..206; its values 23 and 23.5.
    QCOMPARE(table.rows[0], (std::vector<std::string>{"7", "2", "3", "103", "205", "23", "23.5"}));
    // The window's middle is the corner of its four cells; the average of 11, 12, 21, 22 is 16.5.
    QCOMPARE(table.rows[1], (std::vector<std::string>{"7", "1..2", "1..2", "102", "202", "16.5", "17"}));
    QCOMPARE(table.colours, (std::vector<std::uint32_t>{ProbeSet::colours[0], ProbeSet::colours[1]}));
}

void TestProbeTable::tabSeparatedText()
{
    SeamHeader header = m_header;
    header.itemNames[1] = "S\tyy";
    QCOMPARE(ProbeTable::of(m_probes, header, m_grid, 7).tabSeparated(),
             std::string("step\tcolumn\trow\tx\ty\tStress, vertical\tS yy\n"
                         "7\t2\t3\t103\t205\t23\t23.5\n"
                         "7\t1..2\t1..2\t102\t202\t16.5\t17\n"));
}

void TestProbeTable::csvFile()
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("probes.csv").toStdString();
    std::string error;
    QVERIFY(writeCsvTable(path, ProbeTable::of(m_probes, m_header, m_grid, 7).lines(), error));
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("step,column,row,x,y,\"Stress, vertical\",Syy\r\n"
                                        "7,2,3,103,205,23,23.5\r\n"
                                        "7,1..2,1..2,102,202,16.5,17\r\n"));
}

void TestProbeTable::probesTheGridDoesNotHoldSaySo_data()
{
    QTest::addColumn<int>("x1");
    QTest::addColumn<int>("y1");
    QTest::addColumn<int>("x2");
    QTest::addColumn<int>("y2");
    QTest::newRow("a column past the grid") << 5 << 1 << 5 << 1;
    QTest::newRow("a row past the grid") << 1 << 4 << 1 << 4;
    QTest::newRow("a window reaching past the grid") << 3 << 2 << 5 << 3;
    QTest::newRow("column 0") << 0 << 1 << 0 << 1;
}

void TestProbeTable::probesTheGridDoesNotHoldSaySo()
{
    QFETCH(int, x1);
    QFETCH(int, y1);
    QFETCH(int, x2);
    QFETCH(int, y2);
    ProbeSet probes;
    probes.pinWindow(x1, y1, x2, y2);
    const ProbeTable table = ProbeTable::of(probes, m_header, m_grid, 1);
    QCOMPARE(table.rows.size(), std::size_t(1));
    QCOMPARE(table.rows[0][5], outsideGridText);
    QCOMPARE(table.rows[0][6], outsideGridText);
}

void TestProbeTable::aFailedSaveLeavesTheFileThatStood()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("probes.csv");
    QFile before(path);
    QVERIFY(before.open(QIODevice::WriteOnly));
    before.write("kept\n");
    before.close();
    ReadOnlyMount readOnly(dir.path());
    if (!readOnly.mounted())
        QSKIP("no read-only bind mount here");

    std::string error;
    QVERIFY(!writeCsvTable(path.toStdString(), ProbeTable::of(m_probes, m_header, m_grid, 7).lines(), error));
    QVERIFY(QString::fromStdString(error).startsWith("Cannot write "));
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), QByteArray("kept\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"probes.csv"});
}

QTEST_APPLESS_MAIN(TestProbeTable)
#include "tst_ProbeTable.moc"
