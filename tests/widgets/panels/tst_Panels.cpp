#include "widgets/charts/LineChartHost.h"
#include "model/ProbeSet.h"
#include "widgets/panels/HistoryPanel.h"
#include "widgets/panels/ProbesPanel.h"
#include "widgets/panels/SectionPanel.h"

#include <QApplication>
#include <QChart>
#include <QCheckBox>
#include <QClipboard>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

// The panels offscreen: their charts and table hold what they were given,
// and the keys and buttons do what they say.
class TestPanels : public QObject
{
    Q_OBJECT

private slots:
    void sectionSeriesHoldsThePointsGiven();
    void sectionToggles();
    void historyLinesTakeTheProbesColours();
    void historyStepLine_data();
    void historyStepLine();
    void probesCopyAndRemoveByKey();
    void probesSaveCsv();
};

namespace {

QList<QPointF> seriesPoints(QChart *chart, int index)
{
    return static_cast<QLineSeries *>(chart->series().at(index))->points();
}

ProbeTable twoProbes()
{
    ProbeTable table;
    table.header = {"step", "column", "row", "x", "y", "S"};
    table.rows = {{"2", "3", "4", "5", "7", "1.5"}, {"2", "1..2", "1..3", "2", "3", "-4"}};
    table.colours = {ProbeSet::colours[0], ProbeSet::colours[1]};
    return table;
}

} // namespace

void TestPanels::sectionSeriesHoldsThePointsGiven()
{
    SectionPanel panel;
    panel.resize(500, 400);
    panel.show();
    QList<QPointF> first;
    for (int i = 0; i < 1000; ++i)
        first.append(QPointF(i + 0.5, i % 7));
    panel.showSection({first, "Item 0\nCross Section Parallel to X at Grid Location 3\nStep 2", "Item 0 (MPa)",
                       sectionAxis(0.0, 1000.0)});
    QChart *chart = panel.chart().chart();
    QVERIFY(chart);
    QCOMPARE(seriesPoints(chart, 0), first);
    QVERIFY(chart->title().contains("Grid Location 3"));

    // The next pointer position replaces every point, fewer of them too.
    const QList<QPointF> second{{1.0, 2.0}, {3.0, -4.0}};
    panel.showSection({second, "t", "v", sectionAxis(0.0, 4.0)});
    QCOMPARE(seriesPoints(chart, 0), second);
    panel.showSection({});
    QVERIFY(seriesPoints(chart, 0).isEmpty());
}

void TestPanels::sectionToggles()
{
    SectionPanel panel;
    QSignalSpy directions(&panel, &SectionPanel::directionChanged);
    QSignalSpy follows(&panel, &SectionPanel::followPointerChanged);
    QCOMPARE(panel.direction(), CrossSectionDirection::ParallelToX);
    QVERIFY(!panel.followsPointer());

    panel.setDirection(CrossSectionDirection::ParallelToY);
    QCOMPARE(panel.direction(), CrossSectionDirection::ParallelToY);
    QCOMPARE(directions.size(), 1);
    QCOMPARE(directions.last().at(0).value<CrossSectionDirection>(), CrossSectionDirection::ParallelToY);

    auto *follow = panel.findChild<QCheckBox *>();
    QVERIFY(follow);
    QCOMPARE(follow->text(), QString("Follow Pointer"));
    QTest::mouseClick(follow, Qt::LeftButton);
    QVERIFY(panel.followsPointer());
    QCOMPARE(follows.size(), 1);
}

void TestPanels::historyLinesTakeTheProbesColours()
{
    HistoryPanel panel;
    panel.resize(500, 400);
    panel.show();
    panel.setHistories({{{1.0, 2.0, 4.0}, ProbeSet::colours[3], "column 1, row 1"},
                        {{-1.0, 0.5, 0.25}, ProbeSet::colours[5], "columns 1..2, rows 1..2"}},
                       "Item 0", "Item 0 (MPa)");
    QCOMPARE(panel.probeSeries().size(), 2);
    QCOMPARE(panel.probeSeries()[0]->points(), (QList<QPointF>{{1, 1.0}, {2, 2.0}, {3, 4.0}}));
    QCOMPARE(panel.probeSeries()[1]->points(), (QList<QPointF>{{1, -1.0}, {2, 0.5}, {3, 0.25}}));
    QCOMPARE(panel.probeSeries()[0]->pen().color(), QColor::fromRgb(ProbeSet::colours[3]));
    QCOMPARE(panel.probeSeries()[1]->pen().color(), QColor::fromRgb(ProbeSet::colours[5]));
    QCOMPARE(panel.probeSeries()[1]->name(), QString("columns 1..2, rows 1..2"));

    // One probe removed: its line goes, the other keeps its colour.
    panel.setHistories({{{-1.0, 0.5, 0.25}, ProbeSet::colours[5], "b"}}, "Item 0", "Item 0 (MPa)");
    QCOMPARE(panel.probeSeries().size(), 1);
    QCOMPARE(panel.chart()->series().size(), 2); // the probe's line and the step line
    QCOMPARE(panel.probeSeries()[0]->pen().color(), QColor::fromRgb(ProbeSet::colours[5]));
}

void TestPanels::historyStepLine_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("shown");
    QTest::newRow("first step") << 1 << true;
    QTest::newRow("last step") << 4 << true;
    QTest::newRow("past the histories") << 5 << false;
    QTest::newRow("no step") << 0 << false;
}

void TestPanels::historyStepLine()
{
    QFETCH(int, step);
    QFETCH(bool, shown);
    HistoryPanel panel;
    panel.setHistories({{{1.0, 2.0, 3.0, 4.0}, ProbeSet::colours[0], "a"}}, "t", "v");
    panel.setStep(step);
    const QList<QPointF> line = panel.stepLine()->points();
    QCOMPARE(line.isEmpty(), !shown);
    if (shown) {
        QCOMPARE(line.size(), 2);
        QCOMPARE(line[0].x(), double(step));
        QCOMPARE(line[1].x(), double(step));
        QVERIFY(line[0].y() <= 1.0 && line[1].y() >= 4.0);
        QCOMPARE(panel.stepLine()->pen().style(), Qt::DashLine);
    }
}

void TestPanels::probesCopyAndRemoveByKey()
{
    ProbesPanel panel;
    panel.show();
    panel.setTable(twoProbes());
    QCOMPARE(panel.view()->model()->rowCount(), 2);
    QCOMPARE(panel.view()->model()->headerData(5, Qt::Horizontal).toString(), QString("S"));
    QCOMPARE(panel.view()->model()->index(1, 1).data().toString(), QString("1..2"));
    QCOMPARE(panel.view()->model()->index(1, 0).data(Qt::DecorationRole).value<QColor>(),
             QColor::fromRgb(ProbeSet::colours[1]));

    QApplication::clipboard()->clear();
    panel.view()->setFocus();
    QTest::keyClick(panel.view(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("step\tcolumn\trow\tx\ty\tS\n"
                                                        "2\t3\t4\t5\t7\t1.5\n"
                                                        "2\t1..2\t1..3\t2\t3\t-4\n"));

    QSignalSpy removals(&panel, &ProbesPanel::removeRequested);
    QTest::keyClick(panel.view(), Qt::Key_Delete);
    QCOMPARE(removals.size(), 0); // nothing selected
    panel.view()->selectRow(1);
    QTest::keyClick(panel.view(), Qt::Key_Delete);
    QCOMPARE(removals.size(), 1);
    QCOMPARE(removals.last().at(0).toInt(), 1);
}

void TestPanels::probesSaveCsv()
{
    QTemporaryDir dir;
    ProbesPanel panel;
    panel.setTable(twoProbes());
    QString complaint;
    panel.setComplaint([&complaint](const QString &message) { complaint = message; });
    const std::string path = dir.filePath("probes.csv").toStdString();
    panel.setPathChooser([&path] { return path; });
    QVERIFY(panel.saveCsv());
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("step,column,row,x,y,S\r\n2,3,4,5,7,1.5\r\n2,1..2,1..3,2,3,-4\r\n"));
    QVERIFY(complaint.isEmpty());

    // A folder that is not there: the user is told, nothing is written.
    const std::string missing = dir.filePath("gone/probes.csv").toStdString();
    panel.setPathChooser([&missing] { return missing; });
    QVERIFY(!panel.saveCsv());
    QVERIFY(complaint.startsWith("Cannot write "));

    // A cancelled dialog writes nothing and says nothing.
    complaint.clear();
    panel.setPathChooser([] { return std::string(); });
    QVERIFY(!panel.saveCsv());
    QVERIFY(complaint.isEmpty());
}

QTEST_MAIN(TestPanels)
#include "tst_Panels.moc"
