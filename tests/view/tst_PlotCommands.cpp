#include "support/ChoiceCompare.h"
#include "support/TestHeader.h"
#include "view/PlotCommands.h"
#include "view/PlotSettings.h"

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
    settings.colSqItem = 2;
    settings.colSqPalette = Palette::Roygbiv;
    settings.colSqScaleMode = ScaleMode::MinToMax;
    settings.colSqScaleMin = -1.5f;
    settings.colSqScaleMax = 6.0f;
    settings.xsecItem = 1;
    settings.xsecDirection = CrossSectionDirection::ParallelToY;
    settings.xsecLocation = 7;
    settings.histItem = 3;
    settings.histMode = HistoryMode::Total;
    settings.histMinX = 2;
    settings.histMaxX = 5;
    settings.histMinY = 4;
    settings.histMaxY = 9;
    settings.fishnetItem = 4;
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

    // Each dialog opens with the settings of its plot.
    QCOMPARE(ColSqOptions(PlotCommands::coloredSquareChoice(settings), header).choice(),
             (ColSqChoice{2, 3, Palette::Roygbiv, ScaleMode::MinToMax, -1.5f, 6.0f}));
    QCOMPARE(XSecOptions(PlotCommands::crossSectionChoice(settings), header).choice(),
             (XSecChoice{1, 3, CrossSectionDirection::ParallelToY, 7}));
    QCOMPARE(HistoryOptions(PlotCommands::historyChoice(settings), header).choice(),
             (HistoryChoice{3, HistoryMode::Total, 2, 5, 4, 9}));
    QCOMPARE(FishNetOptions(PlotCommands::fishNetChoice(settings), header).choice(), (FishNetChoice{4, 3}));
}

void TestPlotCommands::coloredSquareOk()
{
    PlotSettings settings = shownSettings();
    PlotCommands::apply(settings, ColSqChoice{5, 8, Palette::HotToCold, ScaleMode::Automatic, 2.0f, 3.0f},
                        makeHeader(10, 20, 20, 6));
    QVERIFY(settings.stepReloadPending);
    QCOMPARE(settings.step, 8);
    QCOMPARE(settings.colSqItem, 5);
    QCOMPARE(settings.colSqPalette, Palette::HotToCold);
    QCOMPARE(settings.colSqScaleMode, ScaleMode::Automatic);
    QCOMPARE(settings.colSqScaleMin, 2.0f);
    QCOMPARE(settings.colSqScaleMax, 3.0f);
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
    PlotCommands::apply(settings, XSecChoice{0, 3, CrossSectionDirection::ParallelToX, 10}, makeHeader(10, 20, 20, 6));
    QVERIFY(!settings.stepReloadPending);
    QCOMPARE(settings.step, 3);
    QCOMPARE(settings.xsecItem, 0);
    QCOMPARE(settings.xsecDirection, CrossSectionDirection::ParallelToX);
    QCOMPARE(settings.xsecLocation, 10);
    QCOMPARE(settings.plotTitle, std::string("Item 0"));
    QCOMPARE(settings.previousPlotType, PlotType::FishNet);
    QCOMPARE(settings.plotType, PlotType::CrossSection);
    QVERIFY(settings.xsecNeedsData);
}

void TestPlotCommands::crossSectionOkWithAnotherStepReloads()
{
    PlotSettings settings = shownSettings();
    PlotCommands::apply(settings, XSecChoice{0, 4, CrossSectionDirection::ParallelToY, 10}, makeHeader(10, 20, 20, 6));
    QVERIFY(settings.stepReloadPending);
    QCOMPARE(settings.step, 4);
}

void TestPlotCommands::historyNeverTouchesTheStep()
{
    PlotSettings settings = shownSettings();
    PlotCommands::apply(settings, HistoryChoice{1, HistoryMode::Average, 1, 3, 2, 6}, makeHeader(10, 20, 20, 6));
    QVERIFY(!settings.stepReloadPending);
    QCOMPARE(settings.step, 3);
    QCOMPARE(settings.histItem, 1);
    QCOMPARE(settings.histMode, HistoryMode::Average);
    QCOMPARE(settings.histMinX, 1);
    QCOMPARE(settings.histMaxX, 3);
    QCOMPARE(settings.histMinY, 2);
    QCOMPARE(settings.histMaxY, 6);
    QCOMPARE(settings.plotTitle, std::string("Item 1"));
    QCOMPARE(settings.previousPlotType, PlotType::CrossSection);
    QCOMPARE(settings.plotType, PlotType::History);
    QVERIFY(settings.histNeedsData);
    QVERIFY(!settings.fishnetNeedsData);
}

void TestPlotCommands::fishNetOk()
{
    PlotSettings settings = shownSettings();
    PlotCommands::apply(settings, FishNetChoice{3, 9}, makeHeader(10, 20, 20, 6));
    QVERIFY(settings.stepReloadPending);
    QCOMPARE(settings.step, 9);
    QCOMPARE(settings.fishnetItem, 3);
    QCOMPARE(settings.plotTitle, std::string("Item 3"));
    QCOMPARE(settings.plotType, PlotType::FishNet);
    QVERIFY(settings.fishnetNeedsData);
    QVERIFY(!settings.histNeedsData);
}

QTEST_GUILESS_MAIN(TestPlotCommands)
#include "tst_PlotCommands.moc"
