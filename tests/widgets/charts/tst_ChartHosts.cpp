#include "screen_helpers.h"

#include "support/RefusingChart.h"

#include "charts/ChartReadout.h"
#include "charts/ChartRoutines.h"
#include "charts/ChartTemplates.h"
#include "widgets/charts/ChartPlots.h"
#include "view/PlotClipboard.h"
#include "model/PlotSettings.h"

#include <QChart>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineSeries>
#include <QMimeData>
#include <QPainter>
#include <QValueAxis>
#include <QtTest>

namespace {

// The application clipboard, which the copies go to as in the viewer.
SystemClipboard systemClipboard;

QValueAxis *axis(QChart *chart, Qt::Orientation orientation)
{
    const auto axes = chart->axes(orientation);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis *>(axes.first());
}

} // namespace

class TestChartHosts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void crossSectionChartShowsPointsTitlesAndFonts();
    void historyChartShowsOnePointPerStep();
    void chartFillsItsParentAndFollowsItsSize();
    void batchHoldsChangesUntilReleased();
    void sameDataKeepsTheZoomOtherDataShowsItAll();
    void switchKeepsTheZoomInTheTemplateFile();
    void printingFillsTheWidthAndCentres();
    void copyPutsSvgAndBitmapOnTheClipboard();
    void refusedCreationReportsAndLaterDrawRetries();
    void fishNetOnTheOffscreenPlatformFailsCleanly();
};

void TestChartHosts::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestChartHosts::cleanup()
{
    for (PlotType type : {PlotType::CrossSection, PlotType::History, PlotType::FishNet})
        QFile::remove(ChartTemplates::filePath(type));
}

void TestChartHosts::crossSectionChartShowsPointsTitlesAndFonts()
{
    ChartScreen screen;
    QVERIFY(screen.file.opened());
    screen.run(XSecChoice{0, CrossSectionDirection::ParallelToX, 10}, 1);
    screen.draw();

    QChart *chart = screen.charts.crossSectionChart().chart();
    QVERIFY(chart);
    QCOMPARE(chart->title(), QString("Vertical Stress<br>Cross Section Parallel to X at Grid Location 10<br>Step 1"));
    QCOMPARE(chart->titleFont().family(), QString("Arial"));
    QCOMPARE(chart->titleFont().pointSize(), 14);
    QVERIFY(chart->titleFont().bold());
    QValueAxis *x = axis(chart, Qt::Horizontal);
    QValueAxis *y = axis(chart, Qt::Vertical);
    QVERIFY(x && y);
    QCOMPARE(x->titleText(), QString("Distance Along Cross Section"));
    QCOMPARE(x->titleFont().pointSize(), 12);
    QVERIFY(x->titleFont().bold());
    QCOMPARE(y->titleText(), QString("Vertical Stress (MPa)"));
    QVERIFY(x->isGridLineVisible() && y->isGridLineVisible());

    auto *series = qobject_cast<QLineSeries *>(chart->series().first());
    QCOMPARE(series->count(), 40);
    QCOMPARE(series->at(0), QPointF(1002.5, 10.0));
    QCOMPARE(series->at(39), QPointF(1197.5, 49.0));
    // The axes show every point.
    QVERIFY(x->min() <= 1002.5 && x->max() >= 1197.5);
    QVERIFY(y->min() <= 10.0 && y->max() >= 49.0);
}

void TestChartHosts::historyChartShowsOnePointPerStep()
{
    ChartScreen screen;
    QVERIFY(screen.file.opened());
    screen.run(HistoryChoice{1, HistoryMode::Total, 1, 2, 3, 3});
    screen.draw();

    QChart *chart = screen.charts.historyChart().chart();
    QVERIFY(chart);
    QCOMPARE(chart->title(), QString("Convergence (Summation)<br>X from 1 to 2 and Y from 3 to 3"));
    QCOMPARE(axis(chart, Qt::Horizontal)->titleText(), QString("Step Number"));
    QCOMPARE(axis(chart, Qt::Vertical)->titleText(), QString("Convergence (mm)"));
    auto *series = qobject_cast<QLineSeries *>(chart->series().first());
    QCOMPARE(series->points(), (QList<QPointF>{{1, -2.0}, {2, -4.0}}));
    // The axis starts after step 0, which does not exist, and the markers of the
    // first and the last step stand whole inside the plot.
    QValueAxis *steps = axis(chart, Qt::Horizontal);
    QVERIFY(steps->min() > 0.0 && steps->min() < 1.0);
    QVERIFY(steps->max() > 2.0 && steps->max() < 3.0);
    const QRectF plot = chart->plotArea();
    const double half = series->markerSize() / 2 + series->pen().widthF();
    for (const QPointF &point : series->points()) {
        const double x = chart->mapToPosition(point, series).x();
        QVERIFY2(x - half >= plot.left() && x + half <= plot.right(), qPrintable(QString::number(point.x())));
    }
    // A vertical line across the data marks the step the other plots show, and follows it.
    auto *marker = qobject_cast<QLineSeries *>(chart->series().at(1));
    QVERIFY(marker);
    QCOMPARE(marker->count(), 2);
    QCOMPARE(marker->at(0).x(), 1.0);
    QCOMPARE(marker->at(1).x(), 1.0);
    QCOMPARE(marker->at(0).y(), axis(chart, Qt::Vertical)->min());
    QCOMPARE(marker->at(1).y(), axis(chart, Qt::Vertical)->max());
    screen.settings.step = 2;
    screen.draw();
    QCOMPARE(marker->at(0).x(), 2.0);
    QCOMPARE(series->points().size(), 2);
}

void TestChartHosts::chartFillsItsParentAndFollowsItsSize()
{
    ChartScreen screen;
    QVERIFY(screen.file.opened());
    screen.choose(PlotType::CrossSection);
    screen.draw();
    QWidget *control = screen.charts.crossSectionChart().control();
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), &screen.parent);
    QCOMPARE(control->geometry(), screen.parent.rect());

    screen.parent.resize(1000, 450);
    QCOMPARE(control->geometry(), QRect(0, 0, 1000, 450));
    QCOMPARE(screen.charts.crossSectionChart().chartSize(), QSize(1000, 450));
}

void TestChartHosts::batchHoldsChangesUntilReleased()
{
    QWidget parent;
    parent.resize(400, 300);
    LineChartHost host(&parent, "Cross Section Plot", [](int index, const QPointF &point) {
        return ChartReadout::crossSectionText(CrossSectionDirection::ParallelToX, index, point);
    });
    QVERIFY(host.create());
    host.setBatch(true);
    host.setContent({{1, 2}, {3, 4}}, "Header", "Y (m)");
    QVERIFY(!host.control()->updatesEnabled());
    auto *series = qobject_cast<QLineSeries *>(host.chart()->series().first());
    QCOMPARE(series->count(), 0);
    QVERIFY(host.chart()->title().isEmpty());

    host.setBatch(false);
    QVERIFY(host.control()->updatesEnabled());
    QCOMPARE(series->count(), 2);
    QCOMPARE(host.chart()->title(), QString("Header"));

    // What a window holds outlives its control.
    host.destroy();
    QVERIFY(!host.exists());
    QVERIFY(host.create());
    QCOMPARE(qobject_cast<QLineSeries *>(host.chart()->series().first())->count(), 2);
}

void TestChartHosts::sameDataKeepsTheZoomOtherDataShowsItAll()
{
    ChartScreen screen;
    QVERIFY(screen.file.opened());
    screen.choose(PlotType::CrossSection);
    screen.draw();
    LineChartHost &host = screen.charts.crossSectionChart();
    QVERIFY(!host.viewState().zoomed);
    axis(host.chart(), Qt::Horizontal)->setRange(1050, 1100);
    QVERIFY(host.viewState().zoomed);

    // Every paint refills the cross section: with the same data the zoom stays.
    screen.draw();
    QCOMPARE(host.viewState().xMin, 1050.0);
    QVERIFY(host.viewState().zoomed);

    screen.settings.xsec.location = 2;
    screen.draw();
    QVERIFY(!host.viewState().zoomed);
}

void TestChartHosts::switchKeepsTheZoomInTheTemplateFile()
{
    ChartScreen screen;
    QVERIFY(screen.file.opened());
    screen.choose(PlotType::CrossSection);
    screen.draw();
    LineChartHost &host = screen.charts.crossSectionChart();
    axis(host.chart(), Qt::Horizontal)->setRange(1010, 1020);
    axis(host.chart(), Qt::Vertical)->setRange(15, 25);

    screen.choose(PlotType::History);
    screen.draw();
    QVERIFY(!host.exists());
    QVERIFY(QFileInfo::exists(ChartTemplates::filePath(PlotType::CrossSection)));

    // The command's OK asks for data again, which is the same data: the zoom comes back.
    screen.choose(PlotType::CrossSection);
    screen.draw();
    QVERIFY(host.exists());
    const LineChartViewState restored = host.viewState();
    QVERIFY(restored.zoomed);
    QCOMPARE(restored.xMin, 1010.0);
    QCOMPARE(restored.xMax, 1020.0);
    QCOMPARE(restored.yMin, 15.0);
    QCOMPARE(restored.yMax, 25.0);
    QVERIFY(screen.charts.historyChart().control() == nullptr);
}

void TestChartHosts::printingFillsTheWidthAndCentres()
{
    ChartScreen screen;
    QVERIFY(screen.file.opened());
    screen.choose(PlotType::History);
    screen.draw();
    QCOMPARE(screen.charts.historyChart().chartSize(), QSize(800, 600));

    // An 800 x 600 chart on a 480 x 600 page: 480 x 360 from y = 120.
    QImage page(480, 600, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        QVERIFY(screen.charts.PrintActiveChart(painter, page.rect()));
    }
    QCOMPARE(inkIn(page, QRect(0, 0, 480, 118)), 0.0);
    QCOMPARE(inkIn(page, QRect(0, 482, 480, 118)), 0.0);
    QVERIFY(inkIn(page, QRect(0, 120, 480, 360)) > 0.01);

    screen.choose(PlotType::ColoredSquare);
    screen.draw();
    QPainter painter(&page);
    QVERIFY(!screen.charts.PrintActiveChart(painter, page.rect()));
}

void TestChartHosts::copyPutsSvgAndBitmapOnTheClipboard()
{
    ChartScreen screen;
    QVERIFY(screen.file.opened());
    screen.run(XSecChoice{}, 1);
    screen.draw();
    QGuiApplication::clipboard()->clear();

    QVERIFY(screen.charts.CopyActiveChartToClipboard(systemClipboard));
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    const QByteArray svg = data->data("image/svg+xml");
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("<title>Sembla</title>"));
    QVERIFY(svg.contains("Cross Section Plot"));
    QVERIFY(data->hasImage());
    QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(), QSize(800, 600));

    // A chart without its control cannot be copied: the caller reports it.
    screen.choose(PlotType::ColoredSquare);
    screen.draw();
    screen.settings.plotType = PlotType::CrossSection;
    QVERIFY(!screen.charts.CopyActiveChartToClipboard(systemClipboard));
}

void TestChartHosts::refusedCreationReportsAndLaterDrawRetries()
{
    ChartScreen screen;
    QVERIFY(screen.file.opened());
    // The routines over the screen's hosts, the cross section's behind a window that refuses its creation.
    RefusingLineChart crossSection(screen.charts.crossSectionChart());
    ChartRoutines routines(screen.file.document, screen.settings, screen.file.reporter, crossSection,
                           screen.charts.historyChart(), screen.charts.fishNetChart());
    const auto draw = [&] { drawCharts(screen.file.document, screen.settings, routines); };
    screen.choose(PlotType::CrossSection);
    draw();
    QCOMPARE(screen.file.reporter.messages,
             (std::vector<std::string>{"Could Not Create the Cross Section Plot - DXSP1"}));
    QVERIFY(!screen.charts.crossSectionChart().exists());

    // The host kept what it was given while it had no control, and shows it once made.
    crossSection.refuse = false;
    draw();
    QVERIFY(screen.charts.crossSectionChart().exists());
    QCOMPARE(qobject_cast<QLineSeries *>(screen.charts.crossSectionChart().chart()->series().first())->count(), 40);

    // Refused again when the History Plot gives way to it once more.
    screen.choose(PlotType::History);
    draw();
    crossSection.refuse = true;
    screen.choose(PlotType::CrossSection);
    draw();
    QCOMPARE(screen.file.reporter.messages.back(), std::string("Could Not Create the Cross Section Plot - RW1"));
}

void TestChartHosts::fishNetOnTheOffscreenPlatformFailsCleanly()
{
    // With an X server the offscreen platform even offers an OpenGL context, on
    // which the surface would crash at its first frame: it must not be made.
    QCOMPARE(QGuiApplication::platformName(), QString("offscreen"));
    ChartScreen screen;
    QVERIFY(screen.file.opened());
    screen.choose(PlotType::FishNet);
    screen.draw();
    QCOMPARE(screen.file.reporter.messages, (std::vector<std::string>{"Could Not Create the FishNet Chart - IFNP1"}));
    QVERIFY(!screen.charts.fishNetChart().exists());
}

QTEST_MAIN(TestChartHosts)
#include "tst_ChartHosts.moc"
