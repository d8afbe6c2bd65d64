#include "support/ChoiceCompare.h"
#include "support/TestHeader.h"
#include "model/PlotCommands.h"
#include "model/PlotSettings.h"
#include "dialogs/ColSqOptions.h"
#include "dialogs/FishNetOptions.h"
#include "dialogs/HistoryOptions.h"
#include "dialogs/XSecOptions.h"

#include <QtTest>

namespace {

// Settings as a session leaves them: a step loaded, a chart shown before.
PlotSettings shownSettings()
{
    PlotSettings settings;
    settings.plotType = PlotType::CrossSection;
    settings.previousPlotType = PlotType::CrossSection;
    settings.stepReloadPending = false;
    settings.step = 3;
    settings.plotTitle = "Item 1";
    settings.colSq.itemIndex = 2;
    settings.colSq.palette = Palette::Roygbiv;
    settings.colSq.scaleMode = ScaleMode::MinToMax;
    settings.colSq.scaleMin = -1.5f;
    settings.colSq.scaleMax = 6.0f;
    settings.xsec.itemIndex = 1;
    settings.xsec.direction = CrossSectionDirection::ParallelToY;
    settings.xsec.location = 7;
    settings.history.itemIndex = 3;
    settings.history.mode = HistoryMode::Total;
    settings.history.minX = 2;
    settings.history.maxX = 5;
    settings.history.minY = 4;
    settings.history.maxY = 9;
    settings.fishNet.itemIndex = 4;
    return settings;
}

} // namespace

class TestPlotCommands : public QObject
{
    Q_OBJECT

private slots:
    void dialogsOpenWithTheSettings();
    void coloredSquareOk();
    void crossSectionOkWithTheSameStepDoesNotReload();
    void crossSectionOkWithAnotherStepReloads();
    void historyNeverTouchesTheStep();
    void fishNetOk();
};

void TestPlotCommands::dialogsOpenWithTheSettings()
{
    const PlotSettings settings = shownSettings();
    const SeamHeader header = makeHeader(10, 20, 20, 6);

    // Each dialog opens with the settings of its plot, those of one step with the shared step.
    const ColSqOptions colSq(settings.colSq, settings.step, header);
    QCOMPARE(colSq.choice(), (ColSqChoice{2, Palette::Roygbiv, ScaleMode::MinToMax, -1.5f, 6.0f}));
    QCOMPARE(colSq.step().value(), 3);
    const XSecOptions xsec(settings.xsec, settings.step, header);
    QCOMPARE(xsec.choice(), (XSecChoice{1, CrossSectionDirection::ParallelToY, 7}));
    QCOMPARE(xsec.step().value(), 3);
    QCOMPARE(HistoryOptions(settings.history, header).choice(), (HistoryChoice{3, HistoryMode::Total, 2, 5, 4, 9}));
    const FishNetOptions fishNet(settings.fishNet, settings.step, header);
    QCOMPARE(fishNet.choice(), (FishNetChoice{4}));
    QCOMPARE(fishNet.step().value(), 3);
}

void TestPlotCommands::coloredSquareOk()
{
    PlotSettings settings = shownSettings();
    PlotCommands::apply(settings, ColSqChoice{5, Palette::HotToCold, ScaleMode::Automatic, 2.0f, 3.0f}, 8,
                        makeHeader(10, 20, 20, 6));
    QVERIFY(settings.stepReloadPending);
    QCOMPARE(settings.step, 8);
    QCOMPARE(settings.colSq.itemIndex, 5);
    QCOMPARE(settings.colSq.palette, Palette::HotToCold);
    QCOMPARE(settings.colSq.scaleMode, ScaleMode::Automatic);
    QCOMPARE(settings.colSq.scaleMin, 2.0f);
    QCOMPARE(settings.colSq.scaleMax, 3.0f);
    QCOMPARE(settings.plotTitle, std::string("Item 5"));
    QCOMPARE(settings.previousPlotType, PlotType::CrossSection);
    QCOMPARE(settings.plotType, PlotType::ColoredSquare);
    // The colored square has no chart to refill.
    QVERIFY(!settings.xsecNeedsData);
    QVERIFY(!settings.histNeedsData);
    QVERIFY(!settings.fishnetNeedsData);
}

void TestPlotCommands::crossSectionOkWithTheSameStepDoesNotReload()
{
    PlotSettings settings = shownSettings();
    settings.plotType = PlotType::FishNet;
    PlotCommands::apply(settings, XSecChoice{0, CrossSectionDirection::ParallelToX, 10}, 3, makeHeader(10, 20, 20, 6));
    QVERIFY(!settings.stepReloadPending);
    QCOMPARE(settings.step, 3);
    QCOMPARE(settings.xsec.itemIndex, 0);
    QCOMPARE(settings.xsec.direction, CrossSectionDirection::ParallelToX);
    QCOMPARE(settings.xsec.location, 10);
    QCOMPARE(settings.plotTitle, std::string("Item 0"));
    QCOMPARE(settings.previousPlotType, PlotType::FishNet);
    QCOMPARE(settings.plotType, PlotType::CrossSection);
    QVERIFY(settings.xsecNeedsData);
}

void TestPlotCommands::crossSectionOkWithAnotherStepReloads()
{
    PlotSettings settings = shownSettings();
    PlotCommands::apply(settings, XSecChoice{0, CrossSectionDirection::ParallelToY, 10}, 4, makeHeader(10, 20, 20, 6));
    QVERIFY(settings.stepReloadPending);
    QCOMPARE(settings.step, 4);
}

void TestPlotCommands::historyNeverTouchesTheStep()
{
    PlotSettings settings = shownSettings();
    PlotCommands::apply(settings, HistoryChoice{1, HistoryMode::Average, 1, 3, 2, 6}, makeHeader(10, 20, 20, 6));
    QVERIFY(!settings.stepReloadPending);
    QCOMPARE(settings.step, 3);
    QCOMPARE(settings.history.itemIndex, 1);
    QCOMPARE(settings.history.mode, HistoryMode::Average);
    QCOMPARE(settings.history.minX, 1);
    QCOMPARE(settings.history.maxX, 3);
    QCOMPARE(settings.history.minY, 2);
    QCOMPARE(settings.history.maxY, 6);
    QCOMPARE(settings.plotTitle, std::string("Item 1"));
    QCOMPARE(settings.previousPlotType, PlotType::CrossSection);
    QCOMPARE(settings.plotType, PlotType::History);
    QVERIFY(settings.histNeedsData);
    QVERIFY(!settings.fishnetNeedsData);
}

void TestPlotCommands::fishNetOk()
{
    PlotSettings settings = shownSettings();
    PlotCommands::apply(settings, FishNetChoice{3}, 9, makeHeader(10, 20, 20, 6));
    QVERIFY(settings.stepReloadPending);
    QCOMPARE(settings.step, 9);
    QCOMPARE(settings.fishNet.itemIndex, 3);
    QCOMPARE(settings.plotTitle, std::string("Item 3"));
    QCOMPARE(settings.plotType, PlotType::FishNet);
    QVERIFY(settings.fishnetNeedsData);
    QVERIFY(!settings.histNeedsData);
}

QTEST_GUILESS_MAIN(TestPlotCommands)
#include "tst_PlotCommands.moc"
