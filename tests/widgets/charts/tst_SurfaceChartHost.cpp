#include "screen_helpers.h"

#include "support/RefusingChart.h"

#include "charts/ChartRoutines.h"
#include "charts/ChartTemplates.h"
#include "view/PlotClipboard.h"
#include "model/PlotSettings.h"

#include <QApplication>
#include <QLabel>
#include <QtDataVisualization/Q3DCamera>
#include <QtDataVisualization/Q3DScene>
#include <QtDataVisualization/Q3DSurface>
#include <QtDataVisualization/QSurface3DSeries>
#include <QtDataVisualization/QSurfaceDataProxy>
#include <QtDataVisualization/QValue3DAxis>
#include <QtTest>

// The FishNet chart over Q3DSurface. Qt Data Visualization renders only on a real
// window system: with an X server (xvfb-run -a) these tests run on it, without one
// the surface cannot be created and only the failure is tested.
namespace {
// The application clipboard, which the copies go to as in the viewer.
SystemClipboard systemClipboard;
} // namespace

class TestSurfaceChartHost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void fishNetSurface();
    void fishNetSamplesLargeGridsAndSaysSo();
    void fishNetValueLabelsTellSmallValuesApart();
    void fishNetCameraSurvivesTheSwitch();
    void fishNetWithoutOpenGLReportsIFNP1();

private:
    bool m_openGL = false;
};

void TestSurfaceChartHost::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QWidget parent;
    SurfaceChartHost probe(&parent);
    m_openGL = probe.create();
}

void TestSurfaceChartHost::cleanup()
{
    QFile::remove(ChartTemplates::filePath(PlotType::FishNet));
}

void TestSurfaceChartHost::fishNetSurface()
{
    if (!m_openGL)
        QSKIP("No OpenGL window system: run under xvfb-run -a");
    ChartScreen screen;
    QVERIFY(screen.file.opened());
    screen.run(FishNetChoice{1}, 2);
    screen.draw();
    QVERIFY(screen.file.reporter.messages.empty());

    SurfaceChartHost &host = screen.charts.fishNetChart();
    Q3DSurface *surface = host.surface();
    QVERIFY(surface);
    QCOMPARE(surface->horizontalAspectRatio(), 2.0);
    QCOMPARE(surface->axisX()->title(), QString("X"));
    QCOMPARE(surface->axisZ()->title(), QString("Y"));
    QCOMPARE(surface->axisY()->title(), QString("Convergence (mm)"));
    QCOMPARE(host.header()->font().family(), QString("Arial"));
    QCOMPARE(host.header()->font().pointSize(), 18);
    QVERIFY(host.header()->font().bold());
    QVERIFY(host.header()->text().isEmpty());
    QVERIFY(host.header()->isHidden());

    QSurface3DSeries *series = surface->seriesList().first();
    QCOMPARE(series->drawMode(), QSurface3DSeries::DrawSurfaceAndWireframe);
    QSurfaceDataProxy *proxy = series->dataProxy();
    QCOMPARE(proxy->rowCount(), 20);
    QCOMPARE(proxy->columnCount(), 40);
    // Row 4, column 7 of step 2: -0.5 * 3 * 2.
    QCOMPARE(proxy->itemAt(3, 6)->position(), QVector3D(7, -3, 4));

    const QImage image = host.toImage();
    QCOMPARE(image.size(), QSize(800, 600));
    QVERIFY(inkIn(image, image.rect()) > 0.05);
}

void TestSurfaceChartHost::fishNetSamplesLargeGridsAndSaysSo()
{
    if (!m_openGL)
        QSKIP("No OpenGL window system: run under xvfb-run -a");
    TestSeam seam = TestSeam().sized(1, 800, 400)
        .valued([](int, int ix, int iy, int) { return static_cast<float>(ix + iy); });
    ChartScreen screen(seam);
    QVERIFY(screen.file.opened());
    screen.choose(PlotType::FishNet);
    screen.draw();

    SurfaceChartHost &host = screen.charts.fishNetChart();
    QVERIFY(host.surface());
    QCOMPARE(host.surface()->seriesList().first()->dataProxy()->columnCount(), 400);
    QCOMPARE(host.header()->text(), QString("Sampled surface: one column and row in 2 of the 800 x 400 elements"));
    QVERIFY(!host.header()->isHidden());

    // 400 x 200 wires in an 800 x 600 window would merge into a black block.
    QCOMPARE(host.surface()->seriesList().first()->drawMode(), QSurface3DSeries::DrawSurface);
    const QImage image = host.toImage();
    int ink = 0;
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QColor pixel = image.pixelColor(x, y);
            ink += pixel != Qt::white;
            dark += pixel.value() < 60;
        }
    }
    QVERIFY(ink > 0);
    QVERIFY2(dark < ink / 10, qPrintable(QString("%1 of %2 drawn pixels nearly black").arg(dark).arg(ink)));
}

void TestSurfaceChartHost::fishNetValueLabelsTellSmallValuesApart()
{
    if (!m_openGL)
        QSKIP("No OpenGL window system: run under xvfb-run -a");
    // Energy release rates of a few hundredths: two decimals would label several
    // levels alike ("0.01", "0.01", "0.02", "0.02").
    TestSeam seam = TestSeam().sized(1, 4, 3).valued([](int, int ix, int iy, int) { return 0.0025f * (ix * 3 + iy); });
    ChartScreen screen(seam);
    QVERIFY(screen.file.opened());
    screen.choose(PlotType::FishNet);
    screen.draw();
    Q3DSurface *surface = screen.charts.fishNetChart().surface();
    QVERIFY(surface);
    QVERIFY(!screen.charts.fishNetChart().toImage().isNull());

    const QStringList labels = surface->axisY()->labels();
    QVERIFY(labels.size() > 2);
    QCOMPARE(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
}

void TestSurfaceChartHost::fishNetCameraSurvivesTheSwitch()
{
    if (!m_openGL)
        QSKIP("No OpenGL window system: run under xvfb-run -a");
    ChartScreen screen;
    QVERIFY(screen.file.opened());
    screen.choose(PlotType::FishNet);
    screen.draw();
    SurfaceChartHost &host = screen.charts.fishNetChart();
    Q3DCamera *camera = host.surface()->scene()->activeCamera();
    camera->setXRotation(-20.0f);
    camera->setYRotation(35.0f);
    camera->setZoomLevel(150.0f);

    screen.choose(PlotType::ColoredSquare);
    screen.draw();
    QVERIFY(!host.exists());
    screen.settings.previousPlotType = PlotType::ColoredSquare;
    screen.settings.plotType = PlotType::FishNet; // no new data asked for
    screen.draw();

    QVERIFY(host.exists());
    const SurfaceViewState state = host.viewState();
    QCOMPARE(state.xRotation, -20.0f);
    QCOMPARE(state.yRotation, 35.0f);
    QCOMPARE(state.zoomLevel, 150.0f);
    QCOMPARE(host.surface()->seriesList().first()->dataProxy()->rowCount(), 20);
}

void TestSurfaceChartHost::fishNetWithoutOpenGLReportsIFNP1()
{
    ChartScreen screen;
    QVERIFY(screen.file.opened());
    // Without OpenGL the creation fails by itself; with it, a window in front of the host refuses it.
    RefusingSurfaceChart fishNet(screen.charts.fishNetChart());
    fishNet.refuse = m_openGL;
    ChartRoutines routines(screen.file.document, screen.settings, screen.file.reporter,
                           screen.charts.crossSectionChart(), screen.charts.historyChart(), fishNet);
    screen.choose(PlotType::FishNet);
    drawCharts(screen.file.document, screen.settings, routines);
    QCOMPARE(screen.file.reporter.messages, (std::vector<std::string>{"Could Not Create the FishNet Chart - IFNP1"}));
    QVERIFY(!screen.settings.fishnetChartCreated);
    QVERIFY(!screen.charts.CopyActiveChartToClipboard(systemClipboard));
}


int main(int argc, char *argv[])
{
    // The widget tests run offscreen; the surface needs the X server when there is one.
    if (qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    TestSurfaceChartHost test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_SurfaceChartHost.moc"
