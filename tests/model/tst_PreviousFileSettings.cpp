#include "model/PreviousFileSettings.h"

#include <QtTest>

namespace {

// The first file's choices: a cross section at step 5, with options off their defaults.
PlotSettings firstFileChoices()
{
    PlotSettings settings;
    settings.plotType = settings.previousPlotType = PlotType::CrossSection;
    settings.step = 5;
    settings.stepReloadPending = false;
    settings.plotTitle = "Item 1";
    settings.colSq.palette = Palette::Roygbiv;
    settings.colSq.scaleMode = ScaleMode::MinToMax;
    settings.colSq.scaleMax = 7.5f;
    settings.xsec.itemIndex = 1;
    settings.xsec.direction = CrossSectionDirection::ParallelToY;
    settings.xsec.location = 3;
    settings.xsecChartCreated = true;
    settings.history.maxX = 4;
    settings.history.mode = HistoryMode::Total;
    settings.fishNet.itemIndex = 2;
    return settings;
}

// What looking at the second file made of them: another step and plot, options
// pulled inside its counts, charts made and drawn.
void lookAtTheSecondFile(PlotSettings &settings)
{
    settings.plotType = settings.previousPlotType = PlotType::ColoredSquare;
    settings.step = 6;
    settings.stepReloadPending = false;
    settings.plotTitle = "S";
    settings.colSq.palette = Palette::ColdToHot;
    settings.xsec.itemIndex = 0;
    settings.xsec.location = 1;
    settings.history.maxX = 1;
    settings.fishNet.itemIndex = 0;
    settings.histChartCreated = true;
    settings.xsecNeedsData = settings.histNeedsData = settings.fishnetNeedsData = false;
    settings.colSqDrawn = true;
}

} // namespace

// The plot choices of a file that a file being read replaced on screen, and
// what of them comes back with the file.
class TestPreviousFileSettings : public QObject
{
    Q_OBJECT

private slots:
    void choicesComeBackWithTheFile_data()
    {
        // The document's events in turn: "shown" (the file being read replaced a
        // file shown), "shown alone" (it replaced none), "back" (the file before
        // it is shown again after a cancel or a failure).
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<bool>("restored");
        QTest::newRow("cancelled or failed once shown") << QStringList{"shown", "back"} << true;
        QTest::newRow("another open shown after the first came back")
            << QStringList{"shown", "back", "shown", "back"} << true;
        // A successful open leaves its predecessor's choices behind for good: a
        // later first file, after File New, that is cancelled brings none back.
        QTest::newRow("after a successful open") << QStringList{"shown", "shown alone", "back"} << false;
        QTest::newRow("first file cancelled") << QStringList{"shown alone", "back"} << false;
    }

    void choicesComeBackWithTheFile()
    {
        QFETCH(QStringList, events);
        QFETCH(bool, restored);
        PreviousFileSettings previous;
        PlotSettings settings = firstFileChoices();
        for (const QString &event : events) {
            if (event == "back") {
                previous.previousFileBack(settings);
            } else {
                previous.fileBeingReadShown(settings, event == "shown");
                lookAtTheSecondFile(settings);
            }
        }
        PlotSettings expected = firstFileChoices();
        if (!restored) {
            lookAtTheSecondFile(expected);
        } else {
            // What follows the screen stays: the type drawn last makes the next
            // draw switch the chart windows, and the charts made stay made.
            expected.previousPlotType = PlotType::ColoredSquare;
            expected.histChartCreated = true;
            // The step is read again and every chart refilled, from this file's data.
            expected.stepReloadPending = true;
            expected.xsecNeedsData = expected.histNeedsData = expected.fishnetNeedsData = true;
            expected.colSqDrawn = false;
        }
        QCOMPARE(settings.plotType, expected.plotType);
        QCOMPARE(settings.previousPlotType, expected.previousPlotType);
        QCOMPARE(settings.step, expected.step);
        QCOMPARE(settings.stepReloadPending, expected.stepReloadPending);
        QCOMPARE(settings.plotTitle, expected.plotTitle);
        QCOMPARE(settings.colSq.palette, expected.colSq.palette);
        QCOMPARE(settings.colSq.scaleMode, expected.colSq.scaleMode);
        QCOMPARE(settings.colSq.scaleMax, expected.colSq.scaleMax);
        QCOMPARE(settings.xsec.itemIndex, expected.xsec.itemIndex);
        QCOMPARE(settings.xsec.direction, expected.xsec.direction);
        QCOMPARE(settings.xsec.location, expected.xsec.location);
        QCOMPARE(settings.history.maxX, expected.history.maxX);
        QCOMPARE(settings.history.mode, expected.history.mode);
        QCOMPARE(settings.fishNet.itemIndex, expected.fishNet.itemIndex);
        QCOMPARE(settings.xsecChartCreated, expected.xsecChartCreated);
        QCOMPARE(settings.histChartCreated, expected.histChartCreated);
        QCOMPARE((QList<bool>{settings.xsecNeedsData, settings.histNeedsData, settings.fishnetNeedsData}),
                 (QList<bool>{expected.xsecNeedsData, expected.histNeedsData, expected.fishnetNeedsData}));
        QCOMPARE(settings.colSqDrawn, expected.colSqDrawn);
    }
};

QTEST_MAIN(TestPreviousFileSettings)
#include "tst_PreviousFileSettings.moc"
