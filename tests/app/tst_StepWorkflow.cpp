#include "app/CMainFrame.h"
#include "app/StepToolBar.h"
#include "data/CPlotDoc.h"
#include "resources/CommandIds.h"
#include "support/RecordingReporter.h"
#include "support/TestSeam.h"
#include "widgets/view/CPlotView.h"
#include "app_helpers.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

        // Esc stops it too, with no file being read.
        play->trigger();
        QVERIFY(play->isChecked());
        QTest::keyClick(&viewer.frame, Qt::Key_Escape);
        QTRY_VERIFY(!play->isChecked());
    }

    // The step keys step the plot wherever the focus is in the window: also in
    // the step or pace box after typing into it, and after a dialog closed.
    // Digits still go into the boxes.
    void stepKeysWorkWhereverTheFocusIs_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("step box") << "step";
        QTest::newRow("pace box") << "pace";
        QTest::newRow("after the About box") << "dialog";
        QTest::newRow("after a plot's options dialog") << "options";
        QTest::newRow("plot view") << "view";
    }
    void stepKeysWorkWhereverTheFocusIs()
    {
        QFETCH(QString, focus);
        Viewer viewer;
        viewer.frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&viewer.frame));
        QSpinBox *stepBox = viewer.toolBox("The step shown");
        QSpinBox *paceBox = viewer.toolBox("How many steps a second Play shows");
        if (focus == "step") {
            stepBox->setFocus();
            stepBox->selectAll();
            QTest::keyClicks(stepBox, "3");
            QTest::keyClick(stepBox, Qt::Key_Return);
            QTRY_COMPARE(viewer.stepText(), QString("Step 3 of 5"));
        } else if (focus == "pace") {
            paceBox->setFocus();
            paceBox->selectAll();
            QTest::keyClicks(paceBox, "12");
            QTest::keyClick(paceBox, Qt::Key_Return);
            QCOMPARE(paceBox->value(), 12);
        } else if (focus == "dialog" || focus == "options") {
            stepBox->setFocus();
            const int command = focus == "dialog" ? CommandId::appAbout : CommandId::coloredSquarePlot;
            QTimer::singleShot(100, [] {
                if (QWidget *dialog = QApplication::activeModalWidget())
                    QTest::keyClick(dialog, Qt::Key_Escape);
            });
            viewer.frame.action(command)->trigger();
            QTRY_VERIFY(viewer.frame.isActiveWindow());
        } else {
            viewer.frame.view()->setFocus();
        }
        const int start = viewer.frame.view()->settings().step;
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused && focused->window() == &viewer.frame);
        const auto press = [&](Qt::Key key) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QTest::qWait(20);
        };
        press(Qt::Key_PageDown);
        QTRY_COMPARE(viewer.frame.view()->settings().step, start + 1);
        press(Qt::Key_End);
        QTRY_COMPARE(viewer.frame.view()->settings().step, 5);
        press(Qt::Key_PageUp);
        QTRY_COMPARE(viewer.frame.view()->settings().step, 4);
        press(Qt::Key_Home);
        QTRY_COMPARE(viewer.frame.view()->settings().step, 1);
        QAction *play = viewer.frame.findChild<QAction *>("play");
        press(Qt::Key_Space);
        QVERIFY(play->isChecked());
        press(Qt::Key_Space);
        QVERIFY(!play->isChecked());
        // The keys took nothing away from the boxes: the pace typed, the step shown.
        if (focus == "pace")
            QCOMPARE(paceBox->value(), 12);
        QCOMPARE(stepBox->value(), viewer.frame.view()->settings().step);
    }

    // The pointer rests on a cell while Play runs: the status bar names the value of each step shown.
    void statusBarReadoutFollowsPlay()
    {
        Viewer viewer;
        CPlotView *view = viewer.frame.view();
        const QRect grid = view->readoutGeometry().gridDeviceRect;
        // Column 2 of 4, row 3 of 3.
        const QPoint point(grid.left() + 5 * grid.width() / 8, grid.top() + grid.height() / 6);
        QTest::mouseMove(view->viewport(), QPoint(1, 1));
        QTest::mouseMove(view->viewport(), point);
        QTRY_COMPARE(viewer.frame.statusBar()->currentMessage(), QString("x =   3, y =   3,          122"));
        viewer.frame.findChild<QAction *>("play")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(viewer.frame.statusBar()->currentMessage(), QString("x =   3, y =   3,          322"),
                                  5000);
        QTRY_COMPARE_WITH_TIMEOUT(viewer.frame.statusBar()->currentMessage(), QString("x =   3, y =   3,          522"),
                                  5000);
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
        // The Step toolbar's box of this tool tip.
        QSpinBox *toolBox(const QString &toolTip) const
        {
            for (QSpinBox *box : frame.findChildren<QSpinBox *>())
                if (box->toolTip() == toolTip)
                    return box;
            return nullptr;
        }
        QTemporaryDir folder;
        RecordingReporter reporter;
        CPlotDoc document{reporter};
        CMainFrame frame{document};
    };
};

QTEST_MAIN(TestStepWorkflow)
#include "tst_StepWorkflow.moc"
