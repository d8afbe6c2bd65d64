#include "app/CMainFrame.h"
#include "app/StepToolBar.h"
#include "app/ViewPreferences.h"
#include "data/CPlotDoc.h"
#include "resources/CommandIds.h"
#include "support/RecordingReporter.h"
#include "widgets/view/CPlotView.h"
#include "app_helpers.h"

#include <QAction>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>

// The user's choices kept from one session to the next under the program's
// settings key.
class TestViewPreferences : public QObject
{
    Q_OBJECT

private slots:
    void init() { useTestSettings(); }

    void roundTrip()
    {
        ViewPreferences chosen;
        chosen.palette = Palette::Roygbiv;
        chosen.scaleMode = ScaleMode::MinToMax;
        chosen.scaleMin = -12.5f;
        chosen.scaleMax = 3.0e7f;
        chosen.scaleOverAllSteps = true;
        chosen.stepLabel = false;
        chosen.fitToWindow = false;
        chosen.zoom = 2.44140625;
        chosen.playPace = 17;
        chosen.windowGeometry = QByteArray("\x01\x00geometry", 10);
        chosen.windowState = QByteArray("state\xff", 6);
        {
            QSettings settings;
            chosen.save(settings);
        }
        // Read back by another settings object, from the file.
        QSettings settings;
        QCOMPARE(settings.organizationName(), QString("KESTR Application"));
        QCOMPARE(settings.applicationName(), QString("Sembla3_0"));
        const ViewPreferences read = ViewPreferences::load(settings);
        QCOMPARE(read.palette, chosen.palette);
        QCOMPARE(read.scaleMode, chosen.scaleMode);
        QCOMPARE(read.scaleMin, chosen.scaleMin);
        QCOMPARE(read.scaleMax, chosen.scaleMax);
        QCOMPARE(read.scaleOverAllSteps, true);
        QCOMPARE(read.stepLabel, false);
        QCOMPARE(read.fitToWindow, false);
        QCOMPARE(read.zoom, chosen.zoom);
        QCOMPARE(read.playPace, 17);
        QCOMPARE(read.windowGeometry, chosen.windowGeometry);
        QCOMPARE(read.windowState, chosen.windowState);
    }

    // Entries written by hand or by another program never reach the view as values it cannot show.
    void damagedEntriesFallBack_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("palette beyond the three") << "palette" << QVariant(7);
        QTest::newRow("palette not a number") << "palette" << QVariant("warm");
        QTest::newRow("scale mode negative") << "scaleMode" << QVariant(-1);
        QTest::newRow("scale minimum not finite") << "scaleMin" << QVariant("inf");
        QTest::newRow("zoom not a number") << "zoom" << QVariant("nan");
        QTest::newRow("pace of nothing") << "playPace" << QVariant("");
    }
    void damagedEntriesFallBack()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QSettings().setValue("Preferences/" + key, stored);
        const ViewPreferences read = ViewPreferences::load(QSettings());
        const ViewPreferences defaults;
        QCOMPARE(read.palette, defaults.palette);
        QCOMPARE(read.scaleMode, defaults.scaleMode);
        QCOMPARE(read.scaleMin, defaults.scaleMin);
        QCOMPARE(read.zoom, defaults.zoom);
        QCOMPARE(read.playPace, defaults.playPace);
    }

    void valuesBeyondTheirRangeAreClamped()
    {
        QSettings().setValue("Preferences/zoom", 1000.0);
        QSettings().setValue("Preferences/playPace", 0);
        const ViewPreferences read = ViewPreferences::load(QSettings());
        QCOMPARE(read.zoom, PageZoom::largest);
        QCOMPARE(read.playPace, ViewPreferences::slowestPace);
    }

    // Choices made in one window come back in the next one, as after a restart.
    void nextSessionStartsWithTheChoices()
    {
        {
            RecordingReporter reporter;
            CPlotDoc document(reporter);
            CMainFrame frame(document);
            frame.show();
            frame.view()->settings().colSq.palette = Palette::HotToCold;
            frame.action(CommandId::viewScaleOverAllSteps)->setChecked(true);
            frame.action(CommandId::viewStepLabel)->setChecked(false);
            frame.view()->zoomIn();
            frame.findChild<StepToolBar *>()->setPace(9);
            frame.findChild<QToolBar *>("toolBar")->hide();
            frame.resize(900, 640);
            frame.close();
        }
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        CMainFrame frame(document);
        frame.show();
        QCOMPARE(frame.view()->settings().colSq.palette, Palette::HotToCold);
        QVERIFY(frame.view()->settings().colSqScaleOverAllSteps);
        QVERIFY(frame.action(CommandId::viewScaleOverAllSteps)->isChecked());
        QVERIFY(!frame.view()->settings().stepLabel);
        QVERIFY(!frame.action(CommandId::viewStepLabel)->isChecked());
        QVERIFY(!frame.view()->zoom().fitsWindow());
        QCOMPARE(frame.findChild<StepToolBar *>()->pace(), 9);
        QVERIFY(frame.findChild<QToolBar *>("toolBar")->isHidden());
        QVERIFY(!frame.action(CommandId::viewToolbar)->isChecked());
        QCOMPARE(frame.size(), QSize(900, 640));
    }
};

QTEST_MAIN(TestViewPreferences)
#include "tst_ViewPreferences.moc"
