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

    const ColSqChoice colSq = ColSqOptions(PlotCommands::coloredSquareChoice(settings), header).choice();
    QCOMPARE(colSq.itemIndex, 2);
    QCOMPARE(colSq.stepNumber, 3);
    QCOMPARE(colSq.palette, Palette::Roygbiv);
    QCOMPARE(colSq.scaleMode, ScaleMode::MinToMax);
    QCOMPARE(colSq.scaleMin, -1.5f);
    QCOMPARE(colSq.scaleMax, 6.0f);

    const XSecChoice xsec = XSecOptions(PlotCommands::crossSectionChoice(settings), header).choice();
    QCOMPARE(xsec.itemIndex, 1);
    QCOMPARE(xsec.stepNumber, 3);
    QCOMPARE(xsec.direction, CrossSectionDirection::ParallelToY);
    QCOMPARE(xsec.location, 7);

    const HistoryChoice history = HistoryOptions(PlotCommands::historyChoice(settings), header).choice();
    QCOMPARE(history.itemIndex, 3);
    QCOMPARE(history.mode, HistoryMode::Total);
    QCOMPARE(history.minX, 2);
    QCOMPARE(history.maxX, 5);
    QCOMPARE(history.minY, 4);
    QCOMPARE(history.maxY, 9);

    const FishNetChoice fishNet = FishNetOptions(PlotCommands::fishNetChoice(settings), header).choice();
    QCOMPARE(fishNet.itemIndex, 4);
    QCOMPARE(fishNet.stepNumber, 3);
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
