#include "grid_helpers.h"

#include "data/StepGrid.h"
#include "support/GridReadBack.h"
#include "support/TestFiles.h"

#include <QJsonArray>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

namespace {

quint32 bitsOf(float value)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Where a reader's coordinate puts a cell: its index, when the coordinate is
// the centre of one (to the last digits a double carries).
int cellIndex(double coordinate, float origin, float cellSize, int count)
{
    const long index = std::lround((coordinate - origin) / cellSize - 0.5);
    const double centre = origin + (index + 0.5) * static_cast<double>(cellSize);
    if (index < 0 || index >= count || std::fabs(coordinate - centre) > 1e-9 * std::fabs(centre))
        return -1;
    return static_cast<int>(index);
}

} // namespace

// Every format written and read back by the program engineers take it on to:
// each value bit for bit, at its cell's centre, under its item's name.
class TestGridRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
};

void TestGridRoundTrip::roundTrip_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<int>>("items");
    QTest::addColumn<QString>("crs");
    QTest::addColumn<QStringList>("readerFiles"); // "STEP=NAME" for a file per step
    QTest::addColumn<QStringList>("written");     // everything in the output folder afterwards
    QTest::addColumn<bool>("keepsUnits");

    QTest::newRow("NetCDF, two steps, two items")
        << "netcdf" << "run.nc" << "1,3" << QList<int>{0, 2} << "" << QStringList{"run.nc"}
        << QStringList{"run.nc"} << true;
    QTest::newRow("NetCDF, every step and item")
        << "netcdf" << "run.nc" << "" << QList<int>{} << "" << QStringList{"run.nc"} << QStringList{"run.nc"} << true;
    QTest::newRow("GeoTIFF, a file per step, a reference system")
        << "geotiff" << "run-%02d.tif" << "1,3" << QList<int>{} << "EPSG:32632"
        << QStringList{"1=run-01.tif", "3=run-03.tif"} << QStringList{"run-01.tif", "run-03.tif"} << true;
    QTest::newRow("GeoTIFF, one step, a plain name")
        << "geotiff" << "step2.tif" << "2" << QList<int>{1} << "" << QStringList{"2=step2.tif"}
        << QStringList{"step2.tif"} << true;
    QTest::newRow("CSV") << "csv" << "run.csv" << "2-3" << QList<int>{1, 2} << "" << QStringList{"run.csv"}
                         << QStringList{"run.csv"} << false;
    QTest::newRow("VTK series") << "vtk" << "run.pvd" << "" << QList<int>{0, 1} << "" << QStringList{"run.pvd"}
                                << QStringList{"run-1.vti", "run-2.vti", "run-3.vti", "run.pvd"} << false;
    QTest::newRow("ESRI ASCII, a file per step")
        << "esri-ascii" << "run-%d.asc" << "1-2" << QList<int>{2} << "" << QStringList{"1=run-1.asc", "2=run-2.asc"}
        << QStringList{"run-1.asc", "run-2.asc"} << false;
}

void TestGridRoundTrip::roundTrip()
{
    QFETCH(QString, format);
    QFETCH(QString, out);
    QFETCH(QString, steps);
    QFETCH(QList<int>, items);
    QFETCH(QString, crs);
    QFETCH(QStringList, readerFiles);
    QFETCH(QStringList, written);
    QFETCH(bool, keepsUnits);
    OpenedSeam seam(variedSeam());
    QVERIFY(seam.opened());
    QTemporaryDir outFolder;
    const std::vector<int> itemList(items.begin(), items.end());
    const GridExportRequest request =
        gridRequest(format, outFolder.filePath(out).toStdString(), steps, itemList, crs.toStdString());
    QVERIFY2(exportGrid(seam, request), seam.reporter.messages.empty() ? "" : seam.reporter.messages[0].c_str());
    QCOMPARE(entriesOf(outFolder.path()), written);

    QStringList files;
    for (const QString &file : readerFiles)
        files << (file.contains('=') ? file.section('=', 0, 0) + "=" + outFolder.filePath(file.section('=', 1))
                                     : outFolder.filePath(file));
    const SeamHeader &header = seam.document.header();
    const int oneItem = itemList.empty() ? 0 : itemList.front();
    READ_BACK_GRID(format, files, QString::fromStdString(header.itemName(oneItem)), json);

    // What the cache holds for every step and item asked for.
    const auto planned = std::get<GridContent>(planGridExport(header, request));
    std::map<std::tuple<int, QString, int, int>, quint32> expected;
    for (const int step : planned.steps) {
        QVERIFY(seam.document.loadStep(step));
        for (const int k : planned.items)
            for (int ix = 0; ix < header.columnCount; ++ix)
                for (int iy = 0; iy < header.rowCount; ++iy)
                    expected[{step, QString::fromStdString(header.itemName(k)), ix, iy}] =
                        bitsOf(seam.document.grid().values[ix][iy][k]);
    }
    std::map<std::tuple<int, QString, int, int>, quint32> readBack;
    for (const QJsonValue &value : json.value("cells").toArray()) {
        const QJsonArray cell = value.toArray();
        const int ix = cellIndex(cell[2].toDouble(), header.originX, header.cellSize, header.columnCount);
        const int iy = cellIndex(cell[3].toDouble(), header.originY, header.cellSize, header.rowCount);
        QVERIFY2(ix >= 0 && iy >= 0, qPrintable(QString("a value at (%1, %2), which is no cell's centre")
                                                    .arg(cell[2].toDouble(), 0, 'g', 17)
                                                    .arg(cell[3].toDouble(), 0, 'g', 17)));
        const auto key = std::make_tuple(cell[0].toInt(), cell[1].toString(), ix, iy);
        QVERIFY2(!readBack.count(key), "a cell read twice");
        readBack[key] = static_cast<quint32>(cell[4].toDouble());
    }
    QCOMPARE(readBack.size(), expected.size());
    QVERIFY(readBack == expected);

    if (keepsUnits) {
        for (const int k : planned.items)
            QCOMPARE(json.value("units").toObject().value(QString::fromStdString(header.itemName(k))).toString(),
                     QString::fromStdString(header.itemUnit(k)));
    }
    if (!crs.isEmpty())
        QCOMPARE(json.value("crs").toString(), crs.section(':', 1));
}

QTEST_GUILESS_MAIN(TestGridRoundTrip)
#include "tst_GridRoundTrip.moc"
