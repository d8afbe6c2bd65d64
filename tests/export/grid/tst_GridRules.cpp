#include "support/TestHeader.h"

#include "export/grid/GridExportChoices.h"
#include "export/grid/GridFormat.h"
#include "export/grid/ItemSelection.h"

#include <QtTest>

// The widget-free rules around the grid writers: which format a name or
// --format chooses, which items a list names, and what the Export Grid
// dialog's choices come to.
class TestGridRules : public QObject
{
    Q_OBJECT

private slots:
    void formatChoice_data();
    void formatChoice();
    void itemNames_data();
    void itemNames();
    void dialogChoices_data();
    void dialogChoices();
};

namespace {

// Four steps of three items, two of them differing in case alone.
SeamHeader header()
{
    SeamHeader header = makeHeader(4, 3, 2, 3);
    header.itemNames[0] = "Vertical Stress";
    header.itemNames[1] = "Sx";
    header.itemNames[2] = "SX";
    return header;
}

int indexOf(const std::string &name)
{
    for (std::size_t i = 0; i < gridFormats().size(); ++i) {
        if (name == gridFormats()[i].name)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

void TestGridRules::formatChoice_data()
{
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("formatName"); // empty: no --format
    QTest::addColumn<QString>("expected");   // the format's name, or the message's start

    QTest::newRow("nc") << "/data/run.nc" << "" << "netcdf";
    QTest::newRow("extension in capitals") << "run.NC" << "" << "netcdf";
    QTest::newRow("tiff, the other spelling") << "run-%d.tiff" << "" << "geotiff";
    QTest::newRow("csv") << "run.csv" << "" << "csv";
    QTest::newRow("pvd") << "run.pvd" << "" << "vtk";
    QTest::newRow("asc is the viewer's own ASCII") << "run.asc" << "" << ".asc is also Sembla's own ASCII export";
    QTest::newRow("asc with --format esri-ascii") << "run-%d.asc" << "esri-ascii" << "esri-ascii";
    QTest::newRow("--format over the extension") << "run.nc" << "csv" << "csv";
    QTest::newRow("unknown --format") << "run.nc" << "hdf5" << "unknown format \"hdf5\": the formats are netcdf, ";
    QTest::newRow("unknown extension") << "run.xyz" << "" << "unknown extension .xyz: convert writes";
    QTest::newRow("a dot in the folder only") << "out.d/run" << "" << "the output name has no extension";
}

void TestGridRules::formatChoice()
{
    QFETCH(QString, out);
    QFETCH(QString, formatName);
    QFETCH(QString, expected);
    const auto chosen = chooseGridFormat(
        out.toStdString(), formatName.isEmpty() ? std::nullopt : std::optional<std::string>(formatName.toStdString()));
    if (const auto *format = std::get_if<const GridFormat *>(&chosen))
        QCOMPARE(QString((*format)->name), expected);
    else
        QVERIFY2(QString::fromStdString(std::get<std::string>(chosen)).startsWith(expected),
                 std::get<std::string>(chosen).c_str());
}

void TestGridRules::itemNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::vector<int>>("items"); // empty: refused
    QTest::addColumn<QString>("message");

    QTest::newRow("one name") << "Vertical Stress" << std::vector<int>{0} << "";
    QTest::newRow("blanks around names, the file's order") << " SX , Vertical Stress" << std::vector<int>{0, 2} << "";
    QTest::newRow("exact case wins over another case") << "Sx" << std::vector<int>{1} << "";
    QTest::newRow("another case when only one matches") << "vertical stress" << std::vector<int>{0} << "";
    QTest::newRow("a name twice counts once") << "Sx,Sx" << std::vector<int>{1} << "";
    QTest::newRow("a case that two items match")
        << "sx" << std::vector<int>{}
        << "\"sx\" names 2 stress items of the file; the list takes names that tell them apart";
    QTest::newRow("no such item") << "Shear" << std::vector<int>{}
                                  << "no stress item is named \"Shear\" (in \"Shear\"); the file's items are "
                                     "\"Vertical Stress\", \"Sx\", \"SX\"";
    QTest::newRow("an empty name") << "Sx," << std::vector<int>{}
                                   << "no stress item is named \"\" (in \"Sx,\"); the file's items are "
                                      "\"Vertical Stress\", \"Sx\", \"SX\"";
}

void TestGridRules::itemNames()
{
    QFETCH(QString, text);
    QFETCH(std::vector<int>, items);
    QFETCH(QString, message);
    const auto selection = ItemSelection::parse(text.toStdString(), header());
    if (const auto *refusal = std::get_if<std::string>(&selection))
        QCOMPARE(QString::fromStdString(*refusal), message);
    else
        QCOMPARE(std::get<ItemSelection>(selection).items, items);
}

void TestGridRules::dialogChoices_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<std::vector<bool>>("ticked");
    QTest::addColumn<QString>("crs");
    QTest::addColumn<QString>("defaultName"); // of the save dialog, for the title "/d/run"
    QTest::addColumn<QString>("message");     // of check(), empty when the choices hold
    QTest::addColumn<QString>("plannedCrs");

    const std::vector<bool> all{true, true, true};
    QTest::newRow("defaults") << "netcdf" << "1-4" << all << "" << "/d/run" << "" << "";
    QTest::newRow("geotiff of several steps is numbered") << "geotiff" << "2-3" << all << "EPSG:32632"
                                                          << "/d/run-%d" << "" << "EPSG:32632";
    QTest::newRow("geotiff of one step is not") << "geotiff" << "3" << all << "" << "/d/run" << "" << "";
    QTest::newRow("a reference system counts only where the format takes one")
        << "csv" << "1-4" << all << "EPSG:32632" << "/d/run" << "" << "";
    QTest::newRow("no item ticked") << "netcdf" << "1-4" << std::vector<bool>{false, false, false} << ""
                                    << "/d/run" << "Tick at least one stress item." << "";
    QTest::newRow("esri-ascii takes one item")
        << "esri-ascii" << "1" << all << "" << "/d/run"
        << "A file of the esri-ascii format holds one stress item, and 3 are chosen." << "";
    QTest::newRow("esri-ascii of one item") << "esri-ascii" << "1-4" << std::vector<bool>{false, true, false} << ""
                                            << "/d/run-%d" << "" << "";
    QTest::newRow("a step beyond the file") << "netcdf" << "2-9" << all << "" << "/d/run" << "Step 9 is not in the file, which has steps 1 to 4." << "";
    QTest::newRow("a reference system that is none") << "geotiff" << "1" << all << "WGS84" << "/d/run"
        << "\"WGS84\" is no reference system EPSG:N (such as EPSG:32632)." << "";
}

void TestGridRules::dialogChoices()
{
    QFETCH(QString, format);
    QFETCH(QString, steps);
    QFETCH(std::vector<bool>, ticked);
    QFETCH(QString, crs);
    QFETCH(QString, defaultName);
    QFETCH(QString, message);
    QFETCH(QString, plannedCrs);

    GridExportChoices choices = GridExportChoices::defaults(header());
    QCOMPARE(choices.steps, std::string("1-4"));
    QCOMPARE(choices.items, std::vector<bool>(3, true));
    choices.format = indexOf(format.toStdString());
    choices.steps = steps.toStdString();
    choices.items = ticked;
    choices.crs = crs.toStdString();

    const OutputFileRequest request = choices.fileRequest("/d/run", header());
    QCOMPARE(QString::fromStdString(request.defaultName), defaultName);
    QCOMPARE(request.defaultSuffix, std::string(choices.gridFormat().extension));
    const auto problem = choices.check(header());
    QCOMPARE(QString::fromStdString(problem.value_or("")), message);
    if (!problem) {
        const auto planned = choices.plan(header(), request.defaultName + "." + request.defaultSuffix);
        QCOMPARE(QString::fromStdString(std::get<GridContent>(planned).crs), plannedCrs);
    }
}

QTEST_GUILESS_MAIN(TestGridRules)
#include "tst_GridRules.moc"
