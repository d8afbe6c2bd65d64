#include "app/CMainFrame.h"
#include "app/PanelDocks.h"
#include "app/ProbePanelsBinding.h"
#include "charts/HistoryValues.h"
#include "model/PlotCommands.h"
#include "charts/ProbeSection.h"
#include "data/CPlotDoc.h"
#include "model/ProbeTable.h"
#include "support/RecordingReporter.h"
#include "support/SlowPipe.h"
#include "support/TestSeam.h"
#include "widgets/charts/LineChartHost.h"
#include "widgets/panels/HistoryPanel.h"
#include "widgets/panels/ProbesPanel.h"
#include "widgets/panels/SectionPanel.h"
#include "widgets/view/CPlotView.h"
#include "widgets/view/MapProbes.h"
#include "app_helpers.h"

#include <QAction>
#include <QChart>
#include <QDockWidget>
#include <QLineSeries>
#include <QTemporaryDir>
#include <QTest>

// The panels beside the map in the real main window: after pinning, a step
// change, an item change and another file they hold the numbers a whole-step
// read and the History Plot's sums give; the docks toggle and come back where
// they were left.
class TestProbePanels : public QObject
{
    Q_OBJECT

private slots:
    void init() { useTestSettings(); }
    void panelsHoldTheFilesNumbers();
    void followPointerShowsTheLineUnderThePointer_data();
    void followPointerShowsTheLineUnderThePointer();
    void historyWhileTheFileIsRead();
    void docksToggleAndComeBack();
};

namespace {

// Every value tells its step, cell and item apart.
TestSeam seam()
{
    return TestSeam().sized(6, 5, 4, 2).valued(
        [](int step, int ix, int iy, int k) { return float(k * 1000 + step * 100 + ix * 10 + iy); });
}

struct Viewer
{
    explicit Viewer(const QString &name = "run.f1")
    {
        writeSeamFile(path(name), seam());
        frame.resize(1400, 900);
        frame.show();
        for (QDockWidget *dock : frame.panelDocks().docks())
            dock->show();
        openAndWait(frame, document, path(name));
        draw();
    }
    std::string path(const QString &name) const { return folder.filePath(name).toStdString(); }
    CPlotView &view() const { return *frame.view(); }
    PanelDocks &panels() const { return frame.panelDocks(); }
    // The view's draw dispatch, run now.
    void draw() const
    {
        view().OnUpdate();
        QTest::qWait(20);
    }

    QTemporaryDir folder;
    RecordingReporter reporter;
    CPlotDoc document{reporter};
    CMainFrame frame{document};
};

// The same file in a document of its own: the whole-step reads to compare with.
struct Reference
{
    explicit Reference(const std::string &path) { document.openFile(path); }
    const StepGrid &step(int step)
    {
        document.loadStep(step);
        return document.grid();
    }
    std::vector<double> historyAverages(const Probe &probe, int item)
    {
        PlotSettings settings;
        settings.history = {item, HistoryMode::Average, probe.minX, probe.maxX, probe.minY, probe.maxY};
        return ComputeHistoryValues(document, settings).averages;
    }
    RecordingReporter reporter;
    CPlotDoc document{reporter};
};

QList<QPointF> sectionPoints(SectionPanel &panel)
{
    return static_cast<QLineSeries *>(panel.chart().chart()->series().constFirst())->points();
}

std::vector<double> lineValues(const QLineSeries *series)
{
    std::vector<double> values;
    for (const QPointF &point : series->points())
        values.push_back(point.y());
    return values;
}

// What every panel must show of the probes at the step and item, against the reference.
void checkPanels(Viewer &viewer, Reference &reference, int step, int item)
{
    const ProbeSet &probes = viewer.panels().binding().probes();
    const StepGrid &grid = reference.step(step);
    QCOMPARE(viewer.document.heldStep(), step);
    QCOMPARE(viewer.panels().probes().table().rows,
             ProbeTable::of(probes, reference.document.header(), grid, step).rows);

    const Probe &last = probes.probes().back();
    const ProbeSection section{viewer.panels().section().direction(), last.centreColumn(), last.centreRow(), item};
    QCOMPARE(sectionPoints(viewer.panels().section()), section.points(reference.document.header(), grid));

    const QList<QLineSeries *> &lines = viewer.panels().history().probeSeries();
    QCOMPARE(lines.size(), probes.size());
    for (int i = 0; i < probes.size(); ++i)
        QCOMPARE(lineValues(lines[i]), reference.historyAverages(probes.probes()[static_cast<std::size_t>(i)], item));
    const QList<QPointF> stepLine = viewer.panels().history().stepLine()->points();
    QVERIFY(!stepLine.isEmpty());
    QCOMPARE(stepLine.constFirst().x(), double(step));
}

} // namespace

void TestProbePanels::panelsHoldTheFilesNumbers()
{
    Viewer viewer;
    Reference reference(viewer.path("run.f1"));
    ProbePanelsBinding &binding = viewer.panels().binding();
    // A cell and a window pinned on the map: the panels follow at once.
    viewer.view().probes().pin(2, 2, 3, 3);
    viewer.view().probes().pin(1, 3, 1, 2);
    checkPanels(viewer, reference, 1, 0);
    QVERIFY(!QTest::currentTestFailed());
    const int reads = binding.historyReads();

    // A step: the map and every panel at the new step, the histories not read again.
    viewer.view().changeStep(4);
    viewer.draw();
    checkPanels(viewer, reference, 4, 0);
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(binding.historyReads(), reads);

    // The map's item is the panels' item.
    viewer.view().settings().colSq.itemIndex = 1;
    viewer.draw();
    checkPanels(viewer, reference, 4, 1);
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(binding.historyReads(), reads + 1);
    QVERIFY(viewer.panels().probes().table().header.size() > 4);

    // The History Plot reads every step and leaves the last held: the panels still show the plots' step.
    PlotCommands::apply(viewer.view().settings(), HistoryChoice{1, HistoryMode::Average, 1, 5, 1, 4},
                        viewer.document.header());
    viewer.draw();
    QVERIFY(viewer.view().settings().histChartCreated);
    checkPanels(viewer, reference, 4, 1);
    QVERIFY(!QTest::currentTestFailed());

    // Another file: its cells are not the probes' cells.
    writeSeamFile(viewer.path("other.f1"), seam());
    openAndWait(viewer.frame, viewer.document, viewer.path("other.f1"));
    viewer.draw();
    QVERIFY(binding.probes().empty());
    QVERIFY(viewer.panels().probes().table().rows.empty());
    QVERIFY(viewer.panels().history().probeSeries().isEmpty());
    QVERIFY(sectionPoints(viewer.panels().section()).isEmpty());
}

void TestProbePanels::followPointerShowsTheLineUnderThePointer_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("row 3") << int(CrossSectionDirection::ParallelToX) << 2 << 3;
    QTest::newRow("column 5") << int(CrossSectionDirection::ParallelToY) << 5 << 1;
}

void TestProbePanels::followPointerShowsTheLineUnderThePointer()
{
    QFETCH(int, direction);
    QFETCH(int, column);
    QFETCH(int, row);
    Viewer viewer;
    Reference reference(viewer.path("run.f1"));
    SectionPanel &panel = viewer.panels().section();
    panel.setDirection(static_cast<CrossSectionDirection>(direction));
    panel.setFollowPointer(true);
    emit viewer.view().probes().pinning().pointerCell(column, row);
    const ProbeSection expected{static_cast<CrossSectionDirection>(direction), column, row, 0};
    QCOMPARE(sectionPoints(panel), expected.points(reference.document.header(), reference.step(1)));
    // Off the map there is no line, never the last one.
    emit viewer.view().probes().pinning().pointerLeft();
    QVERIFY(sectionPoints(panel).isEmpty());
}

void TestProbePanels::historyWhileTheFileIsRead()
{
    Viewer viewer;
    const QString slow = viewer.folder.filePath("slow.f1");
    SlowPipe pipe(slow);
    if (!pipe.made())
        QSKIP("no named pipe here");
    viewer.frame.openDocument(slow.toStdString());
    QTRY_COMPARE_WITH_TIMEOUT(viewer.document.fileName(), std::string("slow.f1"), 20000);
    QVERIFY(viewer.document.isOpening());
    viewer.view().probes().pin(40, 40, 60, 60);
    // The line grows as the steps are read, and ends at a step read: every value is the file's 1.5.
    const QLineSeries *line = viewer.panels().history().probeSeries().value(0);
    QVERIFY(line);
    const qsizetype first = line->count();
    QVERIFY(first > 0 && first < 500);
    QTRY_VERIFY_WITH_TIMEOUT(line->count() > first, 10000);
    const QList<QPointF> points = line->points();
    QVERIFY(viewer.document.stepReady(int(points.size())));
    for (const QPointF &point : points)
        QCOMPARE(point.y(), 1.5);
    viewer.frame.findChild<QAction *>("cancelReading")->trigger();
}

void TestProbePanels::docksToggleAndComeBack()
{
    {
        RecordingReporter reporter;
        CPlotDoc document{reporter};
        CMainFrame frame{document};
        frame.show();
        const QList<QAction *> toggles = frame.panelDocks().toggleActions();
        QCOMPARE(toggles.size(), 3);
        const QList<QDockWidget *> &docks = frame.panelDocks().docks();
        // The first start shows the map alone.
        for (QDockWidget *dock : docks)
            QVERIFY(!dock->isVisible());
        toggles[0]->trigger();
        toggles[2]->trigger();
        QVERIFY(docks[0]->isVisible() && !docks[1]->isVisible() && docks[2]->isVisible());
        docks[2]->setFloating(true);
        frame.close();
    }
    RecordingReporter reporter;
    CPlotDoc document{reporter};
    CMainFrame frame{document};
    frame.show();
    const QList<QDockWidget *> &docks = frame.panelDocks().docks();
    QTRY_VERIFY(docks[0]->isVisible());
    QVERIFY(!docks[1]->isVisible());
    QVERIFY(docks[2]->isVisible() && docks[2]->isFloating());
    QVERIFY(!docks[0]->isFloating());
    QVERIFY(frame.panelDocks().toggleActions()[2]->isChecked());
}

QTEST_MAIN(TestProbePanels)
#include "tst_ProbePanels.moc"
