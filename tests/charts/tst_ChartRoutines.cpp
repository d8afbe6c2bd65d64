#include "support/ChartDraws.h"

#include "charts/ChartRoutines.h"
#include "charts/ChartTemplates.h"
#include "charts/ChartWindow.h"

#include <QtTest>

#include <memory>

namespace {

// One log for all three windows, so a test sees the order across them.
using CallLog = QStringList;

// Records what the routines ask of a window; creation can be refused.
template<typename Base>
class RecordingWindow : public Base
{
public:
    RecordingWindow(const QString &name, CallLog &log) : m_name(name), m_log(log) {}

    bool exists() const override { return m_exists; }
    bool create() override
    {
        m_log << m_name + " create";
        if (refuseCreation)
            return false;
        m_exists = true;
        return true;
    }
    void destroy() override
    {
        m_log << m_name + " destroy";
        m_exists = false;
    }
    void setBatch(bool held) override
    {
        m_log << m_name + (held ? " hold" : " release");
        batchHeld = held;
    }
    void saveViewState(const QString &filePath) override { m_log << m_name + " save " + QFileInfo(filePath).fileName(); savedTo = filePath; }
    void loadViewState(const QString &filePath) override { m_log << m_name + " load " + QFileInfo(filePath).fileName(); loadedFrom = filePath; }

    bool refuseCreation = false;
    bool batchHeld = false;
    QString savedTo;
    QString loadedFrom;

protected:
    void log(const QString &call) { m_log << m_name + " " + call; }

private:
    QString m_name;
    CallLog &m_log;
    bool m_exists = false;
};

class RecordingLineChart : public RecordingWindow<LineChartWindow>
{
public:
    using RecordingWindow::RecordingWindow;
    void setXTitle(const QString &title) override { log("x title " + title); }
    void setXAxis(const std::optional<AxisSpan> &span) override { xAxis = span; }
    void setContent(const QList<QPointF> &newPoints, const QString &newHeader, const QString &newYTitle) override
    {
        log("content");
        points = newPoints;
        header = newHeader;
        yTitle = newYTitle;
    }
    void setMarker(std::optional<double> x) override { marker = x; }
    QList<QPointF> points;
    QString header;
    std::optional<double> marker;
    QString yTitle;
    std::optional<AxisSpan> xAxis;
};

class RecordingSurfaceChart : public RecordingWindow<SurfaceChartWindow>
{
public:
    using RecordingWindow::RecordingWindow;
    void setHorizontalTitles(const QString &x, const QString &y) override { log("titles " + x + " " + y); }
    void setAspect(const FishNetAspect &newAspect) override
    {
        log("aspect");
        aspect = newAspect;
    }
    void setContent(const FishNetTable &newTable, const QString &newTitle) override
    {
        log("content");
        table = newTable;
        valueTitle = newTitle;
    }
    FishNetAspect aspect;
    FishNetTable table;
    QString valueTitle;
};

// A 4 x 2 grid of two items over three steps; value = step * 100 + column * 10 + row (1-based), item 1 negated.
TestSeam smallSeam()
{
    return TestSeam().sized(3, 4, 2, 2).cells(10.0f).named({"Vertical Stress", "Convergence"}, {"MPa", "mm"})
        .valued([](int step, int ix, int iy, int k) {
            const float v = step * 100.0f + (ix + 1) * 10.0f + (iy + 1);
            return k == 0 ? v : -v;
        });
}

// The view's side: the document, its settings, the three windows and the routines over them.
struct Bench
{
    explicit Bench(const TestSeam &seam = smallSeam()) : file(seam) {}
    OpenedSeam file;
    PlotSettings settings;
    CallLog log;
    RecordingLineChart crossSection{"xsec", log};
    RecordingLineChart history{"hist", log};
    RecordingSurfaceChart fishNet{"fish", log};
    ChartRoutines routines{file.document, settings, file.reporter, crossSection, history, fishNet};

    // The window of a chart plot type.
    ChartWindow &window(PlotType type)
    {
        const std::array<ChartWindow *, 3> windows{&crossSection, &history, &fishNet};
        return *windows[chartFactsOf(type)->chartIndex];
    }

    void choose(PlotType type) { chooseChart(settings, type); }
    // A plot command's OK with the dialog's choice.
    // The step follows the choice of a plot that shows one.
    template<typename Choice, typename... Step>
    void run(const Choice &choice, Step... step)
    {
        PlotCommands::apply(settings, choice, step..., file.document.header());
    }
    void draw() { drawCharts(file.document, settings, routines); }
};

} // namespace

class TestChartRoutines : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void crossSectionIsCreatedOnceAndRefilledAtEveryDraw();
    void crossSectionFillWritesPointsAndTitles();
    void crossSectionAxisSpansTheElements_data();
    void crossSectionAxisSpansTheElements();
    void refillWithOtherOptionsKeepsTheCreationSettings();
    void crossSectionOutsideTheGridReportsOnce();
    void historyIsFilledOnceAndLeavesTheStepForReloading();
    void historyTotalsAndOneStepFile();
    void fishNetGetsAspectTitlesAndTable();
    void fishNetItemOutsideTheFileIsReported();
    void creationFailureMessages_data();
    void creationFailureMessages();
    void nothingWithoutAFile();
    void switchSavesTheOldChartAndRestoresTheNew();
    void switchToAChartNeverCreatedCreatesItAtTheDraw();
    void failedRecreationReportsRW1();
    void coloredSquareDrawsNoChart();
};

void TestChartRoutines::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestChartRoutines::crossSectionIsCreatedOnceAndRefilledAtEveryDraw()
{
    Bench bench;
    QVERIFY(bench.file.opened());
    bench.choose(PlotType::CrossSection);
    bench.settings.previousPlotType = PlotType::CrossSection; // no switch: the chart is new
    bench.draw();
    QCOMPARE(bench.log, (CallLog{"xsec create", "xsec hold", "xsec x title Distance Along Cross Section", "xsec hold",
                                 "xsec content", "xsec release"}));
    QVERIFY(bench.settings.xsecChartCreated);
    QVERIFY(bench.settings.xsecNeedsData);

    bench.log.clear();
    bench.draw();
    QCOMPARE(bench.log, (CallLog{"xsec hold", "xsec content", "xsec release"}));
    QVERIFY(!bench.crossSection.batchHeld);
}

void TestChartRoutines::crossSectionFillWritesPointsAndTitles()
{
    Bench bench;
    QVERIFY(bench.file.opened());
    bench.run(XSecChoice{1, CrossSectionDirection::ParallelToX, 2}, 2);
    bench.draw();

    const QList<QPointF> expected{{5, -212}, {15, -222}, {25, -232}, {35, -242}};
    QCOMPARE(bench.crossSection.points, expected);
    QCOMPARE(bench.crossSection.header, QString("Convergence\nCross Section Parallel to X at Grid Location 2\nStep 2"));
    QCOMPARE(bench.crossSection.yTitle, QString("Convergence (mm)"));
    QVERIFY(bench.file.reporter.messages.empty());
}

// The X axis runs from the first element's outer edge to the last one's, not to a round number beyond.
void TestChartRoutines::crossSectionAxisSpansTheElements_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("tickInterval");
    // 4 columns and 2 rows of 10.
    QTest::newRow("parallel to X, 4 columns") << int(CrossSectionDirection::ParallelToX) << 40.0 << 5.0;
    QTest::newRow("parallel to Y, 2 rows") << int(CrossSectionDirection::ParallelToY) << 20.0 << 2.0;
}
void TestChartRoutines::crossSectionAxisSpansTheElements()
{
    QFETCH(int, direction);
    QFETCH(double, max);
    QFETCH(double, tickInterval);
    Bench bench;
    QVERIFY(bench.file.opened());
    bench.run(XSecChoice{0, static_cast<CrossSectionDirection>(direction), 1}, 1);
    bench.draw();
    QVERIFY(bench.crossSection.xAxis.has_value());
    QCOMPARE(bench.crossSection.xAxis->min, 0.0);
    QCOMPARE(bench.crossSection.xAxis->max, max);
    QCOMPARE(bench.crossSection.xAxis->tickInterval, tickInterval);
}

void TestChartRoutines::refillWithOtherOptionsKeepsTheCreationSettings()
{
    Bench bench;
    QVERIFY(bench.file.opened());
    bench.run(XSecChoice{}, 1);
    bench.draw();
    bench.log.clear();

    // The command again: column 3 of item 1 at step 3.
    bench.run(XSecChoice{1, CrossSectionDirection::ParallelToY, 3}, 3);
    bench.draw();

    QCOMPARE(bench.log, (CallLog{"xsec hold", "xsec content", "xsec release"}));
    QCOMPARE(bench.crossSection.points, (QList<QPointF>{{5, -331}, {15, -332}}));
    QCOMPARE(bench.crossSection.header, QString("Convergence\nCross Section Parallel to Y at Grid Location 3\nStep 3"));
    QCOMPARE(bench.crossSection.yTitle, QString("Convergence (mm)"));
}

void TestChartRoutines::crossSectionOutsideTheGridReportsOnce()
{
    Bench bench;
    QVERIFY(bench.file.opened());
    bench.settings.xsec.location = 3; // the grid has 2 rows
    bench.choose(PlotType::CrossSection);
    bench.draw();
    bench.draw();
    bench.draw();

    QCOMPARE(bench.file.reporter.messages.size(), std::size_t(1));
    QVERIFY(bench.crossSection.points.isEmpty());
    QCOMPARE(bench.crossSection.header, QString("\nCross Section Parallel to X at Grid Location 3\nStep 1"));

    // Mended and broken again: the problem is news once more.
    bench.settings.xsec.location = 1;
    bench.draw();
    bench.settings.xsec.location = 3;
    bench.draw();
    QCOMPARE(bench.file.reporter.messages.size(), std::size_t(2));
}

void TestChartRoutines::historyIsFilledOnceAndLeavesTheStepForReloading()
{
    Bench bench;
    QVERIFY(bench.file.opened());
    bench.settings.step = 2;
    bench.run(HistoryChoice{0, HistoryMode::Average, 2, 3, 1, 2});
    bench.draw();

    QCOMPARE(bench.log, (CallLog{"hist create", "hist hold", "hist x title Step Number", "hist hold", "hist content",
                                 "hist release"}));
    QVERIFY(bench.settings.histChartCreated);
    QVERIFY(!bench.settings.histNeedsData);
    QVERIFY(bench.settings.stepReloadPending);
    QCOMPARE(bench.settings.step, 2);
    // Columns 2-3, rows 1-2 at step s: s21, s22, s31, s32.
    QCOMPARE(bench.history.points, (QList<QPointF>{{1, 126.5}, {2, 226.5}, {3, 326.5}}));
    QCOMPARE(bench.history.header, QString("Vertical Stress (Average)\nX from 2 to 3 and Y from 1 to 2"));
    QCOMPARE(bench.history.yTitle, QString("Vertical Stress (MPa)"));
    // The line across the history marks the step the other plots show.
    QCOMPARE(bench.history.marker, std::optional<double>(bench.settings.step));

    bench.log.clear();
    bench.draw();
    QCOMPARE(bench.log, (CallLog{"hist release"}));
    // That draw read the view's step back.
    QVERIFY(!bench.settings.stepReloadPending);
    QCOMPARE(bench.file.document.grid().values[0][0][0], 211.0f);
}

void TestChartRoutines::historyTotalsAndOneStepFile()
{
    TestSeam seam = smallSeam();
    seam.steps = 1;
    Bench bench(seam);
    QVERIFY(bench.file.opened());
    bench.run(HistoryChoice{1, HistoryMode::Total, 1, 4, 2, 2});
    bench.draw();

    QCOMPARE(bench.history.points, (QList<QPointF>{{1, -(112.0 + 122 + 132 + 142)}}));
    QCOMPARE(bench.history.header, QString("Convergence (Summation)\nX from 1 to 4 and Y from 2 to 2"));
    QCOMPARE(bench.history.yTitle, QString("Convergence (mm)"));
}

void TestChartRoutines::fishNetGetsAspectTitlesAndTable()
{
    Bench bench;
    QVERIFY(bench.file.opened());
    bench.run(FishNetChoice{1}, 3);
    bench.draw();

    QCOMPARE(bench.log, (CallLog{"fish create", "fish hold", "fish titles X Y", "fish aspect", "fish hold",
                                 "fish aspect", "fish content", "fish release"}));
    QCOMPARE(bench.fishNet.aspect.xPercent, 200.0);
    QCOMPARE(bench.fishNet.aspect.yPercent, 100.0);
    QCOMPARE(bench.fishNet.table.heights, (std::vector<double>{-311, -312, -321, -322, -331, -332, -341, -342}));
    QCOMPARE(bench.fishNet.valueTitle, QString("Convergence (mm)"));
    QVERIFY(!bench.settings.fishnetNeedsData);
    QVERIFY(bench.settings.fishnetChartCreated);

    bench.log.clear();
    bench.draw();
    QCOMPARE(bench.log, (CallLog{"fish release"}));
}

void TestChartRoutines::fishNetItemOutsideTheFileIsReported()
{
    Bench bench;
    QVERIFY(bench.file.opened());
    bench.settings.fishNet.itemIndex = 5;
    bench.choose(PlotType::FishNet);
    bench.draw();
    bench.draw();
    // Items are numbered from 0 here too, as in the exports' messages and sembla-cli's --item.
    QCOMPARE(bench.file.reporter.messages,
             std::vector<std::string>{"The FishNet Plot's stress item 5 is not an item of this file."});
    QVERIFY(bench.fishNet.table.heights.empty());
    QVERIFY(!bench.settings.fishnetNeedsData);
}

void TestChartRoutines::creationFailureMessages_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("message");
    QTest::newRow("cross section") << 1 << "Could Not Create the Cross Section Plot - DXSP1";
    QTest::newRow("history") << 2 << "Could not create the 2D History chart(1)";
    QTest::newRow("fishnet") << 3 << "Could Not Create the FishNet Chart - IFNP1";
}

void TestChartRoutines::creationFailureMessages()
{
    QFETCH(int, type);
    QFETCH(QString, message);
    Bench bench;
    QVERIFY(bench.file.opened());
    const PlotType plot = static_cast<PlotType>(type);
    ChartWindow &window = bench.window(plot);
    bench.crossSection.refuseCreation = bench.history.refuseCreation = bench.fishNet.refuseCreation = true;
    bench.choose(plot);
    bench.draw();
    bench.draw();

    // Every draw tries again and says so again; the fill of each draw still runs.
    QCOMPARE(bench.file.reporter.messages, (std::vector<std::string>(2, message.toStdString())));
    QVERIFY(!bench.settings.xsecChartCreated && !bench.settings.histChartCreated && !bench.settings.fishnetChartCreated);
    QVERIFY(bench.log.contains(bench.log.first().section(' ', 0, 0) + " content"));
    QVERIFY(!window.exists());

    bench.crossSection.refuseCreation = bench.history.refuseCreation = bench.fishNet.refuseCreation = false;
    bench.draw();
    QVERIFY(window.exists());
    QCOMPARE(bench.file.reporter.messages.size(), std::size_t(2));
}

void TestChartRoutines::nothingWithoutAFile()
{
    RecordingReporter reporter;
    CPlotDoc document(reporter);
    PlotSettings settings;
    CallLog log;
    RecordingLineChart crossSection("xsec", log);
    RecordingLineChart history("hist", log);
    RecordingSurfaceChart fishNet("fish", log);
    ChartRoutines routines(document, settings, reporter, crossSection, history, fishNet);

    routines.CreateCrossSectionChart();
    routines.FillCrossSectionChart();
    routines.CreateHistoryChart();
    routines.FillHistoryChart();
    routines.CreateFishNetChart();
    routines.FillFishNetChart();

    QVERIFY(log.isEmpty());
    QVERIFY(reporter.messages.empty());
    QVERIFY(!settings.xsecChartCreated && !settings.histChartCreated && !settings.fishnetChartCreated);
}

void TestChartRoutines::switchSavesTheOldChartAndRestoresTheNew()
{
    Bench bench;
    QVERIFY(bench.file.opened());
    bench.choose(PlotType::CrossSection);
    bench.draw();
    bench.choose(PlotType::History);
    bench.draw();
    bench.log.clear();

    bench.choose(PlotType::CrossSection);
    bench.draw();

    QCOMPARE(bench.log, (CallLog{"hist save HistoryChart2d.dat", "hist destroy", "xsec create",
                                 "xsec load XSecChart2d.dat", "xsec hold", "xsec content", "xsec release"}));
    QCOMPARE(bench.history.savedTo, ChartTemplates::filePath(PlotType::History));
    QCOMPARE(bench.crossSection.loadedFrom, ChartTemplates::filePath(PlotType::CrossSection));
    QVERIFY(!bench.history.exists());
    QVERIFY(bench.settings.histChartCreated);
    QCOMPARE(bench.settings.previousPlotType, PlotType::CrossSection);

    // Back to the Colored Square: the chart keeps its view and goes; nothing new is made.
    bench.log.clear();
    bench.choose(PlotType::ColoredSquare);
    bench.draw();
    QCOMPARE(bench.log, (CallLog{"xsec save XSecChart2d.dat", "xsec destroy"}));
}

void TestChartRoutines::switchToAChartNeverCreatedCreatesItAtTheDraw()
{
    Bench bench;
    QVERIFY(bench.file.opened());
    bench.choose(PlotType::FishNet);
    bench.draw();
    QCOMPARE(bench.log.first(), QString("fish create"));
    QVERIFY(!bench.log.join(',').contains("load"));
    QVERIFY(!bench.log.join(',').contains("save"));
}

void TestChartRoutines::failedRecreationReportsRW1()
{
    Bench bench;
    QVERIFY(bench.file.opened());
    bench.choose(PlotType::FishNet);
    bench.draw();
    bench.choose(PlotType::ColoredSquare);
    bench.draw();
    bench.fishNet.refuseCreation = true;
    bench.log.clear();

    bench.choose(PlotType::FishNet);
    bench.draw();

    QCOMPARE(bench.file.reporter.messages, (std::vector<std::string>{"Could Not Create the Cross Section Plot - RW1"}));
    QCOMPARE(bench.log, (CallLog{"fish create", "fish hold", "fish aspect", "fish content", "fish release"}));
    QVERIFY(!bench.fishNet.exists());
}

void TestChartRoutines::coloredSquareDrawsNoChart()
{
    Bench bench;
    QVERIFY(bench.file.opened());
    bench.draw();
    bench.routines.DrawActiveChart();
    QVERIFY(bench.log.isEmpty());

    // A plot type that is none of the four draws nothing either.
    bench.settings.plotType = static_cast<PlotType>(4);
    bench.routines.SwitchChartWindows();
    bench.routines.DrawActiveChart();
    QVERIFY(bench.log.isEmpty());
    QVERIFY(bench.file.reporter.messages.empty());
}

QTEST_GUILESS_MAIN(TestChartRoutines)
#include "tst_ChartRoutines.moc"
