#include "model/PlotSettings.h"
#include "model/StepNavigation.h"

#include <QTest>

// Flicking through the steps: where the keys go, and what a step change does to the plot choices.
class TestStepNavigation : public QObject
{
    Q_OBJECT

private slots:
    void keysStayInsideTheSteps_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("stepCount");
        QTest::addColumn<int>("next");
        QTest::addColumn<int>("previous");
        QTest::addColumn<int>("playing");
        QTest::newRow("first") << 1 << 5 << 2 << 1 << 2;
        QTest::newRow("middle") << 3 << 5 << 4 << 2 << 4;
        QTest::newRow("last") << 5 << 5 << 5 << 4 << 1;
        QTest::newRow("one step") << 1 << 1 << 1 << 1 << 1;
    }
    void keysStayInsideTheSteps()
    {
        QFETCH(int, step);
        QFETCH(int, stepCount);
        QFETCH(int, next);
        QFETCH(int, previous);
        QFETCH(int, playing);
        QCOMPARE(StepNavigation::next(step, stepCount), next);
        QCOMPARE(StepNavigation::previous(step, stepCount), previous);
        QCOMPARE(StepNavigation::nextLooping(step, stepCount), playing);
    }

    // A changed step is read again and the charts that show it refill; the History Plot is not touched.
    void stepChangeMarksReloadAndRefill()
    {
        PlotSettings settings;
        settings.plotType = PlotType::History;
        settings.stepReloadPending = false;
        QVERIFY(!StepNavigation::changeStep(settings, 1, 10));
        QVERIFY(!settings.stepReloadPending && !settings.xsecNeedsData);
        QVERIFY(StepNavigation::changeStep(settings, 12, 10));
        QCOMPARE(settings.step, 10);
        QVERIFY(settings.stepReloadPending);
        QVERIFY(settings.xsecNeedsData && settings.fishnetNeedsData);
        QVERIFY(!settings.histNeedsData);
        QCOMPARE(settings.plotType, PlotType::History);
    }

    void statusTextNamesTheStepShown()
    {
        PlotSettings settings;
        settings.step = 3;
        QCOMPARE(StepNavigation::statusText(settings, true, 12, 12), std::string("Step 3 of 12"));
        QCOMPARE(StepNavigation::statusText(settings, false, 12, 12), std::string());
        settings.plotType = PlotType::History;
        QCOMPARE(StepNavigation::statusText(settings, true, 12, 12), std::string());
    }

    // A step after those the file holds whole says so, in the status bar and on the Step toolbar.
    void stepsNotInTheFileAreMarked_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("completeSteps");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("lastComplete");
        QTest::newRow("every step whole") << 8 << 8 << "Step 8 of 8" << "";
        QTest::newRow("last complete step") << 7 << 7 << "Step 7 of 8" << "Last complete step: 7";
        QTest::newRow("cut off") << 8 << 7 << "Step 8 of 8 - not in the file" << "Last complete step: 7";
        QTest::newRow("none whole") << 1 << 0 << "Step 1 of 8 - not in the file" << "No complete step";
    }
    void stepsNotInTheFileAreMarked()
    {
        QFETCH(int, step);
        QFETCH(int, completeSteps);
        QFETCH(QString, status);
        QFETCH(QString, lastComplete);
        PlotSettings settings;
        settings.step = step;
        QCOMPARE(QString::fromStdString(StepNavigation::statusText(settings, true, 8, completeSteps)), status);
        QCOMPARE(QString::fromStdString(StepNavigation::lastCompleteStepText(8, completeSteps)), lastComplete);
    }
};

QTEST_GUILESS_MAIN(TestStepNavigation)
#include "tst_StepNavigation.moc"
