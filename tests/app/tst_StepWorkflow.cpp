#include "app/CMainFrame.h"
#include "app/StepToolBar.h"
#include "data/CPlotDoc.h"
#include "resources/CommandIds.h"
#include "support/RecordingReporter.h"
#include "support/TestSeam.h"
#include "view/widgets/CPlotView.h"
#include "app_helpers.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

// Flicking through steps as an engineer does: the keys, Play, and the status
// bar's "Step s of N".
class TestStepWorkflow : public QObject
{
    Q_OBJECT

private slots:
    void init() { useTestSettings(); }

    void keysFlickThroughTheSteps()
    {
        Viewer viewer;
        QCOMPARE(viewer.stepText(), QString("Step 1 of 5"));
        const auto press = [&](Qt::Key key) {
            QTest::keyClick(&viewer.frame, key);
            QTest::qWait(20);
        };
        press(Qt::Key_PageDown);
        QTRY_COMPARE(viewer.stepText(), QString("Step 2 of 5"));
        press(Qt::Key_End);
        QTRY_COMPARE(viewer.stepText(), QString("Step 5 of 5"));
        press(Qt::Key_PageDown);
        press(Qt::Key_Home);
        QTRY_COMPARE(viewer.stepText(), QString("Step 1 of 5"));
        press(Qt::Key_PageUp);
        QCOMPARE(viewer.frame.view()->settings().step, 1);
        // The cells drawn are those of the step named.
        press(Qt::Key_PageDown);
        QTRY_VERIFY(viewer.document.heldStep() == 2 && viewer.frame.view()->settings().colSqDrawn);
        // The History Plot has no step to name.
        viewer.frame.view()->settings().plotType = PlotType::History;
        viewer.frame.view()->OnDraw();
        QCOMPARE(viewer.stepText(), QString());
    }

    void playGoesRoundUntilACommand()
    {
        Viewer viewer;
        QAction *play = viewer.frame.findChild<QAction *>("play");
        QCOMPARE(play->shortcut(), QKeySequence(Qt::Key_Space));
        QElapsedTimer clock;
        clock.start();
        play->trigger();
        // Four steps a second: from step 1 round past the last (5) to step 2.
        QTRY_COMPARE_WITH_TIMEOUT(viewer.frame.view()->settings().step, 5, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(viewer.frame.view()->settings().step, 2, 5000);
        QVERIFY2(clock.elapsed() >= 1000, "too fast for four steps a second");
        viewer.frame.action(CommandId::viewActualSize)->trigger();
        QVERIFY(!play->isChecked());
        const int stopped = viewer.frame.view()->settings().step;
        QTest::qWait(600);
        QCOMPARE(viewer.frame.view()->settings().step, stopped);
    }

private:
    // A shown main window with a file of 5 steps open.
    struct Viewer
    {
        Viewer()
        {
            TestSeam seam = TestSeam().sized(5, 4, 3)
                .valued([](int step, int ix, int iy, int) { return float(step * 100 + ix * 10 + iy); });
            writeSeamFile(folder.filePath("run.f1").toStdString(), seam);
            frame.show();
            openAndWait(frame, document, folder.filePath("run.f1").toStdString());
            QTest::qWait(50);
        }
        QString stepText() const { return frame.findChild<QLabel *>("stepField")->text(); }
        QTemporaryDir folder;
        RecordingReporter reporter;
        CPlotDoc document{reporter};
        CMainFrame frame{document};
    };
};

QTEST_MAIN(TestStepWorkflow)
#include "tst_StepWorkflow.moc"
