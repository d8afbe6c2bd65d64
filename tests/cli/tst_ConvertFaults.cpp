#include "cli_helpers.h"
#include "support/FileHazards.h"
#include "support/TestSeam.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// sembla-cli convert where the target cannot take the file, each hazard made
// from outside: the reason is told, the status is 1, and the target's folder
// holds neither a part of the file nor a temporary one.
class TestConvertFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void faultLeavesNothing_data();
    void faultLeavesNothing();

private:
    QTemporaryDir m_input;
};

namespace {

enum class Hazard { none, readOnly, fullDisk, fifo };

// The entries of a folder, hidden and system ones too, so that a temporary file cannot hide.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

Q_DECLARE_METATYPE(Hazard)

void TestConvertFaults::initTestCase()
{
    // Large enough a grid that a NetCDF or CSV file cannot fit into the small file system's blocks.
    QVERIFY(writeSeamFile(m_input.filePath("run.f1").toStdString(),
                          TestSeam().sized(3, 40, 30, 2).cells(2.5f, 0.0f, 0.0f).named({"Sz", "Sx"}, {"MPa", "MPa"})
                              .valued([](int s, int ix, int iy, int k) { return float(s + ix + iy + k); })));
}

void TestConvertFaults::faultLeavesNothing_data()
{
    QTest::addColumn<Hazard>("hazard");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("options");
    // The message, OUT standing for the target's path and DIR for its folder.
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("left"); // what the folder holds afterwards
    const QString readOnly = "Cannot write OUT (Read-only file system).\n";
    const QString full = "Cannot write OUT (No space left on device).\n";
    const QString fifo = "Cannot write OUT (this format needs a regular file, not a FIFO or a device).\n";
    const QString unknown = "sembla-cli: unknown extension .xyz: convert writes .nc (NetCDF), .tif (GeoTIFF), .csv, "
                            ".pvd (VTK) or, with --format esri-ascii, .asc.\n";

    QTest::newRow("unknown extension") << Hazard::none << "run.xyz" << QStringList{}
                                       << unknown << QStringList{};
    QTest::newRow("netcdf into a read-only folder") << Hazard::readOnly << "run.nc" << QStringList{}
                                                    << readOnly << QStringList{};
    QTest::newRow("vtk series into a read-only folder") << Hazard::readOnly << "run.pvd" << QStringList{}
                                                        << QString(readOnly).replace("OUT", "DIR/run-1.vti") << QStringList{};
    QTest::newRow("netcdf onto a full disk") << Hazard::fullDisk << "run.nc" << QStringList{}
                                             << full << QStringList{"filler"};
    QTest::newRow("csv onto a full disk") << Hazard::fullDisk << "run.csv" << QStringList{}
                                          << full << QStringList{"filler"};
    QTest::newRow("geotiff series onto a full disk") << Hazard::fullDisk << "run-%d.tif" << QStringList{}
                                                     << QString(full).replace("OUT", "DIR/run-1.tif") << QStringList{"filler"};
    QTest::newRow("netcdf into a fifo") << Hazard::fifo << "run.nc" << QStringList{}
                                        << fifo << QStringList{"run.nc"};
    QTest::newRow("geotiff into a fifo") << Hazard::fifo << "run-1.tif" << QStringList{"--steps", "1"}
                                         << fifo << QStringList{"run-1.tif"};
}

void TestConvertFaults::faultLeavesNothing()
{
    QFETCH(Hazard, hazard);
    QFETCH(QString, name);
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    QFETCH(QStringList, left);

    QTemporaryDir plain;
    std::unique_ptr<SmallFileSystem> disk;
    std::unique_ptr<ReadOnlyMount> readOnly;
    QString folder = plain.path();
    if (hazard == Hazard::fullDisk) {
        disk = std::make_unique<SmallFileSystem>();
        if (!disk->mounted())
            QSKIP("a small file system cannot be mounted here");
        disk->fill();
        folder = disk->root();
    } else if (hazard == Hazard::readOnly) {
        readOnly = std::make_unique<ReadOnlyMount>(folder);
        if (!readOnly->mounted())
            QSKIP("a folder cannot be bound read-only here");
    } else if (hazard == Hazard::fifo && !makeFifo(QDir(folder).filePath(name))) {
        QSKIP("FIFOs cannot be made here");
    }
    const QString out = QDir(folder).filePath(name);

    const CliRun run = runCli(QStringList{"convert", m_input.filePath("run.f1"), "-o", out} + options);
    QCOMPARE(run.status, 1);
    QCOMPARE(run.errors, QString(message).replace("OUT", out).replace("DIR", folder));
    QCOMPARE(entries(folder), left);
    if (hazard == Hazard::fifo)
        QCOMPARE(fileKind(out), QString("fifo"));
}

QTEST_GUILESS_MAIN(TestConvertFaults)
#include "tst_ConvertFaults.moc"
