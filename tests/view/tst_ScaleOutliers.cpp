#include "data/CPlotDoc.h"
#include "support/RecordingReporter.h"
#include "support/TestSeam.h"
#include "model/PlotSettings.h"
#include "view/ScaleOutliers.h"
#include "model/StepReload.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <limits>

// The status bar's count of the cells a Min-Max scale leaves out at this step.
class TestScaleOutliers : public QObject
{
    Q_OBJECT

private slots:
    void cellsBelowAndAbove_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<QString>("text");
        // Step 2 holds 200 + 10 ix + iy over 4 x 3 cells (200 .. 232).
        QTest::newRow("inside the data") << 210.0f << 221.0f << "3 cells below and 4 above the Min-Max scale";
        QTest::newRow("limits on values count them inside") << 200.0f << 232.0f
                                                            << "0 cells below and 0 above the Min-Max scale";
        QTest::newRow("all above") << -5.0f << 1.0f << "0 cells below and 12 above the Min-Max scale";
        QTest::newRow("upside down") << 231.0f << 201.0f << "10 cells below and 10 above the Min-Max scale";
        QTest::newRow("one below") << 201.0f << 300.0f << "1 cell below and 0 above the Min-Max scale";
    }
    void cellsBelowAndAbove()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        QFETCH(QString, text);
        QTemporaryDir folder;
        const std::string path = folder.filePath("run.f1").toStdString();
        writeSeamFile(path, TestSeam().sized(2, 4, 3).valued([](int s, int ix, int iy, int) {
            return float(s * 100 + ix * 10 + iy);
        }));
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        QCOMPARE(document.openFile(path), CPlotDoc::OpenResult::Opened);
        PlotSettings settings;
        settings.step = 2;
        settings.colSq.scaleMode = ScaleMode::MinToMax;
        settings.colSq.scaleMin = min;
        settings.colSq.scaleMax = max;
        QVERIFY(applyStepReload(document, settings));
        QCOMPARE(QString::fromStdString(ScaleOutliers::statusText(document, settings)), text);
        // Nothing to say under the Automatic scale, for a chart, or for a step not in the grid.
        settings.colSq.scaleMode = ScaleMode::Automatic;
        QCOMPARE(ScaleOutliers::statusText(document, settings), std::string());
        settings.colSq.scaleMode = ScaleMode::MinToMax;
        settings.plotType = PlotType::History;
        QCOMPARE(ScaleOutliers::statusText(document, settings), std::string());
        settings.plotType = PlotType::ColoredSquare;
        settings.step = 1;
        QCOMPARE(ScaleOutliers::statusText(document, settings), std::string());
    }

    // A NaN cell lies on neither side; only the item asked for counts.
    void notANumberCountsNowhere()
    {
        StepGrid grid;
        grid.setUp(2, 2, 1);
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float values[] = {nan, -100.0f, 5.0f, 100.0f};
        std::copy(std::begin(values), std::end(values), grid.data());
        const ScaleOutliers outliers = ScaleOutliers::count(grid, 0, 0.0f, 1.0f);
        QCOMPARE(outliers.below, 0LL);
        QCOMPARE(outliers.above, 1LL);
        QCOMPARE(ScaleOutliers::count(grid, 1, 0.0f, 1.0f).below, 1LL);
        QCOMPARE(ScaleOutliers::count(grid, 2, 0.0f, 1.0f).above, 0LL);
    }
};

QTEST_GUILESS_MAIN(TestScaleOutliers)
#include "tst_ScaleOutliers.moc"
