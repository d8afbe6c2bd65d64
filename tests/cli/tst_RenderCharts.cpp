#include "cli_helpers.h"
#include "support/ImageInk.h"

#include <QFile>
#include <QImage>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

// sembla-cli render of the three chart plots, run as a user runs it.
class TestRenderCharts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void chartPages_data();
    void chartPages();
    void svgCarriesTheHeader_data();
    void svgCarriesTheHeader();
    void pdfOfAChart();
    void fishNetWithoutAWindowSystemSaysWhatItNeeds();
    void fishNetOnTheXServer();

private:
    CliRun render(const QStringList &options,
                  const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
    {
        return runCli(QStringList{"render", m_input} + options, {}, environment);
    }

    QTemporaryDir m_folder;
    QString m_input;
};

void TestRenderCharts::initTestCase()
{
    QVERIFY(m_folder.isValid());
    // The step cache files go beside the input: a copy keeps them out of the examples.
    m_input = m_folder.filePath("panel.f1");
    QVERIFY(QFile::copy(SEMBLA_EXAMPLES "/panel.f1", m_input));
}

void TestRenderCharts::chartPages_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("dpi");
    QTest::newRow("cross section along a row")
        << QStringList{"--plot", "cross-section", "--location", "30", "--step", "5"} << 100;
    QTest::newRow("cross section along a column at 150 dpi")
        << QStringList{"--plot", "cross-section", "--direction", "y", "--location", "80", "--item", "1"} << 150;
    QTest::newRow("history total") << QStringList{"--plot", "history", "--window", "10", "30", "5", "40", "--mode",
                                                  "total"}
                                   << 100;
}

void TestRenderCharts::chartPages()
{
    QFETCH(QStringList, options);
    QFETCH(int, dpi);
    const QString out = m_folder.filePath("chart.png");
    QFile::remove(out);
    const CliRun run = render(QStringList{"-o", out, "--dpi", QString::number(dpi)} + options);
    QCOMPARE(run.status, 0);
    const QImage page(out);
    // The chart has the page's proportions, so it fills the whole page.
    QCOMPARE(page.size(), QSize(1024 * dpi / 100, 768 * dpi / 100));
    const QRect middle(page.width() / 10, page.height() / 10, page.width() * 8 / 10, page.height() * 8 / 10);
    QVERIFY(inkIn(page, middle, 4) > 0.02);
}

void TestRenderCharts::svgCarriesTheHeader_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("cross section") << QStringList{"--plot", "cross-section", "--direction", "y", "--location", "12"}
                                   << QStringList{"Vertical Stress", "Cross Section Parallel to Y at Grid Location 12",
                                                  "Distance Along Cross Section", "Vertical Stress (MPa)"};
    QTest::newRow("history") << QStringList{"--plot", "history", "--item", "1", "--window", "3", "4", "7", "7"}
                             << QStringList{"Convergence (Average)", "X from 3 to 4 and Y from 7 to 7", "Step Number",
                                            "Convergence (mm)"};
}

void TestRenderCharts::svgCarriesTheHeader()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, texts);
    const QString out = m_folder.filePath("chart.svg");
    const CliRun run = render(QStringList{"-o", out} + options);
    QCOMPARE(run.status, 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    QVERIFY(svg.contains("<title>Sembla</title>"));
    for (const QString &text : texts)
        QVERIFY2(svg.contains(text), qPrintable(text));
}

void TestRenderCharts::pdfOfAChart()
{
    const QString out = m_folder.filePath("chart.pdf");
    const CliRun run = render({"-o", out, "--plot", "history", "--window", "1", "80", "1", "60"});
    QCOMPARE(run.status, 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
}

void TestRenderCharts::fishNetWithoutAWindowSystemSaysWhatItNeeds()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    const QString out = m_folder.filePath("fishnet-offscreen.png");
    const CliRun run = render({"-o", out, "--plot", "fishnet"}, environment);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.errors.contains("Could Not Create the FishNet Chart - IFNP1"), qPrintable(run.errors));
    QVERIFY2(run.errors.contains("xvfb-run -a"), qPrintable(run.errors));
    QVERIFY(!QFile::exists(out));
}

void TestRenderCharts::fishNetOnTheXServer()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains("DISPLAY"))
        QSKIP("No X server: run under xvfb-run -a");
    environment.remove("QT_QPA_PLATFORM");
    const QString out = m_folder.filePath("fishnet.png");
    const CliRun run = render({"-o", out, "--plot", "fishnet", "--step", "3", "--item", "1"}, environment);
    QCOMPARE(run.status, 0);
    const QImage page(out);
    QCOMPARE(page.size(), QSize(1024, 768));
    QVERIFY(inkIn(page, page.rect(), 4) > 0.05);
}

QTEST_GUILESS_MAIN(TestRenderCharts)
#include "tst_RenderCharts.moc"
