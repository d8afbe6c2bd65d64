#include "cli_helpers.h"
#include "support/FileHazards.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class tst_RenderCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_input;

    CliRun render(const QStringList &options) { return runCli(QStringList{"render", m_input} + options); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        // The step cache files go beside the input: a copy keeps them out of the examples.
        m_input = m_folder.filePath("panel.f1");
        QVERIFY(QFile::copy(SEMBLA_EXAMPLES "/panel.f1", m_input));
    }

    void pngOfThePage()
    {
        const QString out = m_folder.filePath("panel.png");
        const CliRun run = render({"-o", out});
        QCOMPARE(run.status, 0);
        const QImage page(out);
        QCOMPARE(page.size(), QSize(1024, 768));
        // Legend box 0 black, box 9 white, framed in black; the margin white.
        QCOMPARE(page.pixelColor(726, 674), QColor(0, 0, 0));
        QCOMPARE(page.pixelColor(726, 134), QColor(255, 255, 255));
        QCOMPARE(page.pixelColor(704, 134), QColor(0, 0, 0));
        QCOMPARE(page.pixelColor(10, 10), QColor(255, 255, 255));
    }

    void optionsReachThePlot_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QColor>("legendBox0");
        QTest::addColumn<QColor>("cell");
        // The panel's 80 x 60 cells fill x 44..644, y 171..621; (300, 400) lies inside.
        QTest::newRow("hot to cold") << QStringList{"--palette", "hot-to-cold"} << QColor(255, 255, 255)
                                     << QColor(255, 255, 64);
        QTest::newRow("scale above the data") << QStringList{"--scale", "1000:2000"} << QColor(0, 0, 0)
                                              << QColor(0, 0, 0);
        QTest::newRow("scale below the data, roygbiv")
            << QStringList{"--scale=-20:-10", "--palette", "roygbiv"} << QColor(255, 0, 255) << QColor(255, 0, 0);
    }
    void optionsReachThePlot()
    {
        QFETCH(QStringList, options);
        QFETCH(QColor, legendBox0);
        QFETCH(QColor, cell);
        const QString out = m_folder.filePath("options.png");
        const CliRun run = render(QStringList{"-o", out} + options);
        QCOMPARE(run.status, 0);
        const QImage page(out);
        QCOMPARE(page.pixelColor(726, 674), legendBox0);
        QCOMPARE(page.pixelColor(300, 400), cell);
    }

    void dpiScalesThePng()
    {
        const QString out = m_folder.filePath("small.png");
        QCOMPARE(render({"-o", out, "--dpi", "50", "--item", "5", "--step", "8"}).status, 0);
        QCOMPARE(QImage(out).size(), QSize(512, 384));
    }

    void vectorFormatsByExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("svg") << "panel.svg" << QByteArray("<?xml");
        QTest::newRow("pdf") << "panel.PDF" << QByteArray("%PDF");
    }
    void vectorFormatsByExtension()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        const QString out = m_folder.filePath(name);
        QCOMPARE(render({"-o", out}).status, 0);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(start.size()) == start);
    }

    void refusedOptions_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("message");
        QTest::newRow("item at the count") << QStringList{"--item", "6"} << "--item 6 is outside 0..5";
        QTest::newRow("negative item") << QStringList{"--item", "-1"} << "--item -1 is outside 0..5";
        QTest::newRow("step 0") << QStringList{"--step", "0"} << "--step 0 is outside 1..8";
        QTest::newRow("step beyond the file") << QStringList{"--step", "9"} << "--step 9 is outside 1..8";
        QTest::newRow("step not a number") << QStringList{"--step", "two"} << "--step must be a whole number";
        QTest::newRow("unknown palette") << QStringList{"--palette", "grey"} << "--palette must be";
        QTest::newRow("scale of one number") << QStringList{"--scale", "5"} << "--scale must be MIN:MAX";
        QTest::newRow("scale upside down") << QStringList{"--scale", "3:1"} << "--scale must be MIN:MAX";
        QTest::newRow("scale not finite") << QStringList{"--scale", "0:inf"} << "--scale must be MIN:MAX";
        QTest::newRow("dpi 0") << QStringList{"--dpi", "0"} << "--dpi must be a whole number from 1 to";
        QTest::newRow("row past the grid") << QStringList{"--plot", "cross-section", "--location", "61"}
                                           << "--location 61 is outside 1..60";
        QTest::newRow("column past the grid")
            << QStringList{"--plot", "cross-section", "--direction", "y", "--location", "81"}
            << "--location 81 is outside 1..80";
        QTest::newRow("window backwards") << QStringList{"--plot", "history", "--window", "10", "3", "1", "1"}
                                          << "--window MAXX 3 is outside 10..80";
        QTest::newRow("window of three numbers") << QStringList{"--plot", "history", "--window", "1", "2", "3"}
                                                 << "--window needs four numbers";
        QTest::newRow("unknown plot") << QStringList{"--plot", "pie"} << "--plot must be colored-square";
        QTest::newRow("unknown mode") << QStringList{"--plot", "history", "--mode", "median"}
                                      << "--mode must be average or total";
    }
    void refusedOptions()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, message);
        const QString out = m_folder.filePath("refused.png");
        const CliRun run = render(QStringList{"-o", out} + options);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        QVERIFY(!QFile::exists(out));
    }

    void unknownExtensionIsRefused()
    {
        const CliRun run = render({"-o", m_folder.filePath("panel.bmp")});
        QCOMPARE(run.status, 2);
        QVERIFY(run.errors.contains(".png, .svg or .pdf"));
    }

    // The page is written through a device under the name, which stays a device.
    void deviceStaysADevice_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::newRow("png") << "png";
        QTest::newRow("svg") << "svg";
        QTest::newRow("pdf") << "pdf";
    }
    void deviceStaysADevice()
    {
        QFETCH(QString, extension);
        QTemporaryDir folder;
        const QString device = folder.filePath("null." + extension);
        if (!makeMemoryDevice(device, 3))
            QSKIP("device nodes cannot be made here");
        const CliRun run = render({"-o", device});
        QCOMPARE(run.status, 0);
        QCOMPARE(fileKind(device), QString("character device"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(), 1);
    }

    // A disk that takes nothing: the reason is told, the status is 1 and no file is left.
    void fullDiskFailsCleanly_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("device");
        for (const char *extension : {"png", "svg", "pdf"}) {
            QTest::addRow("%s on a full file system", extension) << extension << false;
            QTest::addRow("%s into a full device", extension) << extension << true;
        }
    }
    void fullDiskFailsCleanly()
    {
        QFETCH(QString, extension);
        QFETCH(bool, device);
        SmallFileSystem disk;
        const QString out = disk.path("plot." + extension);
        if (!disk.mounted() || (device && !makeMemoryDevice(out, 7)))
            QSKIP("a small file system or a device node cannot be made here");
        disk.fill();
        const CliRun run = render({"-o", out});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.errors, "Cannot write " + out + " (No space left on device).\n");
        QCOMPARE(fileKind(out), device ? QString("character device") : QString("missing"));
        QCOMPARE(QDir(disk.root()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(),
                 device ? 2 : 1);
    }

    void missingFileFails()
    {
        const CliRun run = runCli({"render", m_folder.filePath("none.f1"), "-o", m_folder.filePath("none.png")});
        QCOMPARE(run.status, 1);
        QVERIFY(!QFile::exists(m_folder.filePath("none.png")));
    }
};

QTEST_GUILESS_MAIN(tst_RenderCommand)
#include "tst_RenderCommand.moc"
