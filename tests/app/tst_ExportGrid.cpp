#include "support/RecordingReporter.h"
#include "support/TestSeam.h"

#include "app/ExportGridCommand.h"
#include "data/CPlotDoc.h"
#include "export/grid/GridFormat.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

// File > Export Grid... with its two dialogs stood in for: the files it writes
// are sembla-cli convert's for the same choices, byte for byte, and the dialog
// comes back with the choices made last.
class TestExportGrid : public QObject
{
    Q_OBJECT

private slots:
    void writesWhatConvertWrites_data();
    void writesWhatConvertWrites();
};

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

void TestExportGrid::writesWhatConvertWrites_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<std::vector<bool>>("ticked");
    QTest::addColumn<QString>("crs");
    QTest::addColumn<QStringList>("options"); // of sembla-cli convert for the same choices
    QTest::addColumn<QString>("name");        // the name chosen in the save dialog
    QTest::addColumn<QStringList>("files");   // what both write

    QTest::newRow("netcdf of every step and item") << "netcdf" << "1-3" << std::vector<bool>{true, true} << ""
                                                   << QStringList{} << "run.nc" << QStringList{"run.nc"};
    QTest::newRow("geotiff of two steps and a reference system")
        << "geotiff" << "1,3" << std::vector<bool>{true, true} << "EPSG:32632"
        << QStringList{"--steps", "1,3", "--crs", "EPSG:32632"} << "run-%d.tif"
        << QStringList{"run-1.tif", "run-3.tif"};
    QTest::newRow("csv of one item") << "csv" << "2-3" << std::vector<bool>{false, true} << ""
                                     << QStringList{"--steps", "2-3", "--items", "Sx"} << "run.csv"
                                     << QStringList{"run.csv"};
    QTest::newRow("vtk series") << "vtk" << "1-3" << std::vector<bool>{true, false} << ""
                                << QStringList{"--items", "Vertical Stress"} << "run.pvd"
                                << QStringList{"run.pvd", "run-1.vti", "run-2.vti", "run-3.vti"};
    QTest::newRow("esri ascii of one step") << "esri-ascii" << "2" << std::vector<bool>{false, true} << ""
                                            << QStringList{"--format", "esri-ascii", "--steps", "2", "--items", "Sx"}
                                            << "run.asc" << QStringList{"run.asc"};
}

void TestExportGrid::writesWhatConvertWrites()
{
    QFETCH(QString, format);
    QFETCH(QString, steps);
    QFETCH(std::vector<bool>, ticked);
    QFETCH(QString, crs);
    QFETCH(QStringList, options);
    QFETCH(QString, name);
    QFETCH(QStringList, files);

    QTemporaryDir input, viewer, cli;
    const QString seam = input.filePath("run.f1");
    QVERIFY(writeSeamFile(seam.toStdString(),
                          TestSeam().sized(3, 5, 4, 2).cells(2.5f, -10.0f, 1e5f).named({"Vertical Stress", "Sx"},
                                                                                        {"MPa", "MPa"})
                              .valued([](int s, int ix, int iy, int k) { return s * 0.5f + ix - iy * (k + 1.25f); })));
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(seam.toStdString()), CPlotDoc::OpenResult::Opened);

    QWidget window;
    ExportGridCommand command(document, &window);
    std::vector<GridExportChoices> offered;
    command.setChoicesDialog([&](const GridExportChoices &initial) {
        offered.push_back(initial);
        GridExportChoices choices = initial;
        for (std::size_t i = 0; i < gridFormats().size(); ++i) {
            if (format == gridFormats()[i].name)
                choices.format = static_cast<int>(i);
        }
        choices.steps = steps.toStdString();
        choices.items = ticked;
        choices.crs = crs.toStdString();
        return std::optional<GridExportChoices>(choices);
    });
    command.setOutputPathChooser([&](const OutputFileRequest &) { return viewer.filePath(name).toStdString(); });
    command.run();
    QCOMPARE(reporter.messages, std::vector<std::string>{});

    QProcess convert;
    convert.start(SEMBLA_CLI, QStringList{"convert", seam, "-o", cli.filePath(name)} + options);
    QVERIFY(convert.waitForFinished(60000));
    QCOMPARE(convert.exitCode(), 0);

    QStringList sorted = files;
    sorted.sort();
    QCOMPARE(QDir(viewer.path()).entryList(QDir::Files, QDir::Name), sorted);
    QCOMPARE(QDir(cli.path()).entryList(QDir::Files, QDir::Name), sorted);
    for (const QString &file : files)
        QVERIFY2(contentOf(viewer.filePath(file)) == contentOf(cli.filePath(file)), qPrintable(file));

    // Export Grid once more on the same file: the dialog opens on the choices made.
    command.setOutputPathChooser([](const OutputFileRequest &) { return std::string(); });
    command.run();
    QCOMPARE(offered.size(), std::size_t(2));
    QCOMPARE(offered[1].steps, steps.toStdString());
    QCOMPARE(offered[1].items, ticked);
}

QTEST_MAIN(TestExportGrid)
#include "tst_ExportGrid.moc"
