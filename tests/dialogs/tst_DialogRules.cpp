#include "support/RecordingReporter.h"
#include "support/ChoiceCompare.h"
#include "support/TestHeader.h"
#include "dialogs/ColSqOptions.h"
#include "dialogs/FishNetOptions.h"
#include "dialogs/HistoryOptions.h"
#include "dialogs/XSecOptions.h"

#include <QtTest>

using Messages = std::vector<std::string>;

class TestDialogRules : public QObject
{
    Q_OBJECT

private slots:
    // Colored square options
    void colSqOpensInsideTheFile();
    void colSqMinToMaxOkTakesTheValues();
    void colSqMinToMaxCancelSelectsAutomatic();
    void colSqDefaults();
    void colSqOkChecksTheFocusedStepBox();
    void colSqPageMovesByOneStep();

    // Cross-section options
    void xsecLocationFollowsTheDirection();
    void xsecRefusedLocationFocusesTheBar();
    void xsecLargeGridPagesByOne();
    void xsecDefaultsSwitchToParallelToX();
    void xsecOpensInsideTheGrid_data();
    void xsecOpensInsideTheGrid();

    // History options
    void historyBarsFollowTheGrid();
    void historyOpeningClamp();
    void historyMinimumXAboveMaximum();
    void historyMinimumYAboveMaximumFocusesMinimumX();
    void historyWrongBothWaysTakesTwoOks();
    void historyEqualBoundsPass();
    void historyEnterConfirmsBeforeTheCornerCheck();
    void historyZeroInMaximumY();
    void historyRangeMessages_data();
    void historyRangeMessages();
    void historyDefaults();

    // FishNet options
    void fishNetTroughJumpsToTheEnds();
    void fishNetRefusesAStepBeyondTheFile();
    void fishNetOpeningClamp();
    void fishNetDefaults();
};

void TestDialogRules::colSqOpensInsideTheFile()
{
    const ColSqOptions options(ColSqChoice{7, Palette::Roygbiv, ScaleMode::MinToMax, -1.0f, 4.0f}, 30,
                               makeHeader(20, 5, 5, 5));
    // Item 7 is not offered by a file of 5 items, nor step 30 by one of 20 steps.
    QCOMPARE(options.choice(), (ColSqChoice{0, Palette::Roygbiv, ScaleMode::MinToMax, -1.0f, 4.0f}));
    QCOMPARE(options.step().value(), 20);
    QCOMPARE(options.step().text(), std::string("20"));
}

void TestDialogRules::colSqMinToMaxOkTakesTheValues()
{
    ColSqOptions options(ColSqChoice{}, 1, makeHeader(3, 5, 5, 5));
    QCOMPARE(options.scale().max, 0.0f);
    // Minimum above maximum is accepted as entered.
    options.minToMaxClosed(ScaleRange{8.0f, 2.0f});
    QCOMPARE(options.scaleMode(), ScaleMode::MinToMax);
    const ColSqChoice choice = options.choice();
    QCOMPARE(choice.scaleMode, ScaleMode::MinToMax);
    QCOMPARE(choice.scaleMin, 8.0f);
    QCOMPARE(choice.scaleMax, 2.0f);
}

void TestDialogRules::colSqMinToMaxCancelSelectsAutomatic()
{
    ColSqOptions options(ColSqChoice{0, Palette::ColdToHot, ScaleMode::MinToMax, 1.0f, 9.0f}, 1,
                         makeHeader(3, 5, 5, 5));
    options.minToMaxClosed(std::nullopt);
    const ColSqChoice choice = options.choice();
    QCOMPARE(choice.scaleMode, ScaleMode::Automatic);
    // The stored values stay and are still handed back.
    QCOMPARE(choice.scaleMin, 1.0f);
    QCOMPARE(choice.scaleMax, 9.0f);
}

void TestDialogRules::colSqDefaults()
{
    ColSqOptions options(ColSqChoice{3, Palette::Roygbiv, ScaleMode::MinToMax, 1.0f, 9.0f}, 4, makeHeader(8, 5, 5, 5));
    options.defaults();
    QCOMPARE(options.choice(), ColSqChoice{});
    QCOMPARE(options.step().value(), 1);
    QCOMPARE(options.step().text(), std::string("1"));
}

void TestDialogRules::colSqOkChecksTheFocusedStepBox()
{
    ColSqOptions options(ColSqChoice{0, Palette::ColdToHot, ScaleMode::Automatic, 0.0f, 0.0f}, 4,
                         makeHeader(20, 5, 5, 5));
    RecordingReporter reporter;
    options.step().edit("25");
    const auto refused = options.ok(reporter, &options.step());
    QVERIFY(refused);
    QCOMPARE(refused->field, &options.step());
    QCOMPARE(reporter.messages, Messages{"Step Number must be between 1 and 20"});
    QCOMPARE(options.step().value(), 1);

    options.step().edit("17");
    QVERIFY(!options.ok(reporter, &options.step()));
    QCOMPARE(options.step().value(), 17);
    QCOMPARE(reporter.messages.size(), std::size_t(1));
}

void TestDialogRules::colSqPageMovesByOneStep()
{
    ColSqOptions options(ColSqChoice{0, Palette::ColdToHot, ScaleMode::Automatic, 0.0f, 0.0f}, 4,
                         makeHeader(20, 5, 5, 5));
    options.step().scroll(ScrollAction::PageRight);
    QCOMPARE(options.step().value(), 5);
}

void TestDialogRules::xsecLocationFollowsTheDirection()
{
    // 30 columns, 12 rows.
    XSecOptions options(XSecChoice{0, CrossSectionDirection::ParallelToX, 12}, 1, makeHeader(5, 30, 12, 4));
    QCOMPARE(options.location().upperBound(), 12);
    QCOMPARE(options.location().pageStep(), 4);
    options.location().scroll(ScrollAction::PageLeft);
    QCOMPARE(options.location().value(), 8);
    options.location().scroll(ScrollAction::PageRight);

    options.chooseDirection(CrossSectionDirection::ParallelToY);
    QCOMPARE(options.location().upperBound(), 30);
    QCOMPARE(options.location().pageStep(), 5);
    QCOMPARE(options.location().value(), 12);

    options.location().scroll(ScrollAction::ThumbTrack, 25);
    options.chooseDirection(CrossSectionDirection::ParallelToX);
    QCOMPARE(options.location().value(), 12);
    QCOMPARE(options.location().text(), std::string("12"));
    QCOMPARE(options.choice().direction, CrossSectionDirection::ParallelToX);

    // A click on the direction already checked changes nothing.
    options.chooseDirection(CrossSectionDirection::ParallelToX);
    QCOMPARE(options.location().value(), 12);
}

void TestDialogRules::xsecRefusedLocationFocusesTheBar()
{
    XSecOptions options(XSecChoice{0, CrossSectionDirection::ParallelToX, 3}, 1, makeHeader(5, 30, 12, 4));
    RecordingReporter reporter;
    options.location().edit("20");
    QVERIFY(!options.location().focusLost(reporter));
    QCOMPARE(reporter.messages, Messages{"Cross Section Location must be between 1 and 12"});
    QCOMPARE(options.location().text(), std::string("1"));

    options.location().edit("");
    const auto refused = options.ok(reporter, &options.location());
    QVERIFY(refused);
    QCOMPARE(refused->field, &options.location());
    QCOMPARE(refused->target, FocusTarget::Bar);
    QCOMPARE(reporter.messages.back(), std::string("The input for the Cross Section Location must be an integer"));
}

void TestDialogRules::xsecLargeGridPagesByOne()
{
    const XSecOptions options(XSecChoice{0, CrossSectionDirection::ParallelToX, 1}, 1, makeHeader(5, 30, 500, 4));
    QCOMPARE(options.location().pageStep(), 1);
}

void TestDialogRules::xsecDefaultsSwitchToParallelToX()
{
    XSecOptions options(XSecChoice{2, CrossSectionDirection::ParallelToY, 25}, 4, makeHeader(5, 30, 12, 4));
    options.defaults();
    QCOMPARE(options.choice(), XSecChoice{});
    QCOMPARE(options.step().value(), 1);
    QCOMPARE(options.location().upperBound(), 12);
    QCOMPARE(options.location().pageStep(), 4);
}

void TestDialogRules::xsecOpensInsideTheGrid_data()
{
    QTest::addColumn<CrossSectionDirection>("direction");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("location");
    QTest::addColumn<int>("openStep");
    QTest::addColumn<int>("openLocation");
    const auto alongX = CrossSectionDirection::ParallelToX;
    const auto alongY = CrossSectionDirection::ParallelToY;
    QTest::newRow("inside") << alongX << 3 << 10 << 3 << 10;
    QTest::newRow("row beyond the rows") << alongX << 3 << 25 << 3 << 12;
    QTest::newRow("column inside the columns") << alongY << 3 << 25 << 3 << 25;
    QTest::newRow("step beyond the steps") << alongY << 9 << 1 << 5 << 1;
}

void TestDialogRules::xsecOpensInsideTheGrid()
{
    QFETCH(CrossSectionDirection, direction);
    QFETCH(int, step);
    QFETCH(int, location);
    QFETCH(int, openStep);
    QFETCH(int, openLocation);
    const XSecOptions options(XSecChoice{0, direction, location}, step, makeHeader(5, 30, 12, 4));
    QCOMPARE(options.step().value(), openStep);
    QCOMPARE(options.choice().location, openLocation);
    QCOMPARE(options.location().text(), std::to_string(openLocation));
}

void TestDialogRules::historyBarsFollowTheGrid()
{
    const HistoryOptions options(HistoryChoice{}, makeHeader(5, 15, 50, 4));
    QCOMPARE(options.minX().upperBound(), 15);
    QCOMPARE(options.maxX().upperBound(), 15);
    QCOMPARE(options.minX().pageStep(), 4);
    QCOMPARE(options.maxX().pageStep(), 4);
    QCOMPARE(options.minY().upperBound(), 50);
    QCOMPARE(options.maxY().upperBound(), 50);
    QCOMPARE(options.minY().pageStep(), 10);
    QCOMPARE(options.maxY().pageStep(), 10);
}

void TestDialogRules::historyOpeningClamp()
{
    const HistoryOptions options(HistoryChoice{0, HistoryMode::Average, 20, 40, 2, 70}, makeHeader(5, 30, 60, 4));
    QCOMPARE(options.minX().text(), std::string("20"));
    QCOMPARE(options.maxX().text(), std::string("30"));
    QCOMPARE(options.maxY().text(), std::string("60"));
    const HistoryChoice choice = options.choice();
    QCOMPARE(choice.minX, 20);
    QCOMPARE(choice.maxX, 30);
    QCOMPARE(choice.minY, 2);
    QCOMPARE(choice.maxY, 60);
}

void TestDialogRules::historyMinimumXAboveMaximum()
{
    HistoryOptions options(HistoryChoice{0, HistoryMode::Average, 8, 3, 1, 1}, makeHeader(5, 15, 50, 4));
    RecordingReporter reporter;
    const auto refused = options.ok(reporter, nullptr);
    QVERIFY(refused);
    QCOMPARE(refused->field, &options.minX());
    QCOMPARE(refused->target, FocusTarget::Box);
    QCOMPARE(reporter.messages, Messages{"Your Minimum X Value is greater than your Maximum X Value"});
    QCOMPARE(options.minX().text(), std::string("1"));

    QVERIFY(!options.ok(reporter, nullptr));
    QCOMPARE(options.choice().minX, 1);
    QCOMPARE(options.choice().maxX, 3);
}

void TestDialogRules::historyMinimumYAboveMaximumFocusesMinimumX()
{
    HistoryOptions options(HistoryChoice{0, HistoryMode::Average, 1, 5, 9, 2}, makeHeader(5, 15, 50, 4));
    RecordingReporter reporter;
    const auto refused = options.ok(reporter, nullptr);
    QVERIFY(refused);
    QCOMPARE(refused->field, &options.minX());
    QCOMPARE(reporter.messages, Messages{"Your Minimum Y Value is greater than your Maximum Y Value"});
    QCOMPARE(options.minY().value(), 1);
    QCOMPARE(options.minY().text(), std::string("1"));
    QCOMPARE(options.minX().value(), 1);
    QCOMPARE(options.maxX().value(), 5);
}

void TestDialogRules::historyWrongBothWaysTakesTwoOks()
{
    HistoryOptions options(HistoryChoice{0, HistoryMode::Average, 9, 2, 7, 3}, makeHeader(5, 15, 50, 4));
    RecordingReporter reporter;
    QVERIFY(options.ok(reporter, nullptr));
    QVERIFY(options.ok(reporter, nullptr));
    QVERIFY(!options.ok(reporter, nullptr));
    QCOMPARE(reporter.messages, (Messages{"Your Minimum X Value is greater than your Maximum X Value",
                                          "Your Minimum Y Value is greater than your Maximum Y Value"}));
    const HistoryChoice choice = options.choice();
    QCOMPARE(choice.minX, 1);
    QCOMPARE(choice.maxX, 2);
    QCOMPARE(choice.minY, 1);
    QCOMPARE(choice.maxY, 3);
}

void TestDialogRules::historyEqualBoundsPass()
{
    HistoryOptions options(HistoryChoice{0, HistoryMode::Total, 4, 4, 15, 15}, makeHeader(5, 15, 50, 4));
    RecordingReporter reporter;
    QVERIFY(!options.ok(reporter, nullptr));
    QVERIFY(reporter.messages.empty());
    QCOMPARE(options.choice().mode, HistoryMode::Total);
}

void TestDialogRules::historyEnterConfirmsBeforeTheCornerCheck()
{
    // 8 typed into Minimum X and confirmed with Enter: checked, taken, then compared.
    HistoryOptions options(HistoryChoice{0, HistoryMode::Average, 1, 3, 1, 1}, makeHeader(5, 15, 50, 4));
    RecordingReporter reporter;
    options.minX().edit("8");
    QVERIFY(options.ok(reporter, &options.minX()));
    QCOMPARE(reporter.messages, Messages{"Your Minimum X Value is greater than your Maximum X Value"});
    QCOMPARE(options.minX().value(), 1);
}

void TestDialogRules::historyZeroInMaximumY()
{
    HistoryOptions options(HistoryChoice{0, HistoryMode::Average, 1, 3, 1, 7}, makeHeader(5, 15, 50, 4));
    RecordingReporter reporter;
    options.maxY().edit("0");
    QVERIFY(!options.maxY().focusLost(reporter));
    QCOMPARE(reporter.messages, Messages{"The input for the Maximum Y value must be an integer"});
    QCOMPARE(options.maxY().text(), std::string("1"));
}

void TestDialogRules::historyRangeMessages_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("message");
    QTest::newRow("minimum X, with its leading blank") << 0 << " Minimum X Values must be between 1 and 15";
    QTest::newRow("maximum X") << 1 << "Maximum X Values must be between 1 and 15";
    QTest::newRow("minimum Y") << 2 << "Minimum Y Values must be between 1 and 50";
    QTest::newRow("maximum Y") << 3 << "Maximum Y Values must be between 1 and 50";
}

void TestDialogRules::historyRangeMessages()
{
    QFETCH(int, field);
    QFETCH(QString, message);
    HistoryOptions options(HistoryChoice{}, makeHeader(5, 15, 50, 4));
    NumberField *const fields[] = {&options.minX(), &options.maxX(), &options.minY(), &options.maxY()};
    RecordingReporter reporter;
    fields[field]->edit("51");
    QVERIFY(!fields[field]->focusLost(reporter));
    QCOMPARE(reporter.messages, Messages{message.toStdString()});
}

void TestDialogRules::historyDefaults()
{
    HistoryOptions options(HistoryChoice{3, HistoryMode::Total, 2, 9, 4, 40}, makeHeader(5, 15, 50, 4));
    options.defaults();
    QCOMPARE(options.choice(), HistoryChoice{});
    QCOMPARE(options.maxY().text(), std::string("1"));
}

void TestDialogRules::fishNetTroughJumpsToTheEnds()
{
    FishNetOptions options(FishNetChoice{0}, 5, makeHeader(12, 5, 5, 3));
    QCOMPARE(options.step().pageStep(), 12);
    options.step().scroll(ScrollAction::PageLeft);
    QCOMPARE(options.step().value(), 1);
    options.step().scroll(ScrollAction::PageRight);
    QCOMPARE(options.step().value(), 12);
    options.step().scroll(ScrollAction::ThumbTrack, 5);
    options.step().scroll(ScrollAction::LineLeft);
    QCOMPARE(options.step().value(), 4);
    options.step().scroll(ScrollAction::LineRight);
    options.step().scroll(ScrollAction::LineRight);
    QCOMPARE(options.step().value(), 6);
}

void TestDialogRules::fishNetRefusesAStepBeyondTheFile()
{
    FishNetOptions options(FishNetChoice{0}, 5, makeHeader(12, 5, 5, 3));
    RecordingReporter reporter;
    options.step().edit("13");
    QVERIFY(options.ok(reporter, &options.step()));
    QCOMPARE(reporter.messages, Messages{"Step Number must be between 1 and 12"});
    QCOMPARE(options.step().text(), std::string("1"));
}

void TestDialogRules::fishNetOpeningClamp()
{
    const FishNetOptions options(FishNetChoice{2}, 20, makeHeader(12, 5, 5, 3));
    QCOMPARE(options.step().value(), 12);
    QCOMPARE(options.step().text(), std::string("12"));
    QCOMPARE(options.choice().itemIndex, 2);
}

void TestDialogRules::fishNetDefaults()
{
    FishNetOptions options(FishNetChoice{2}, 9, makeHeader(12, 5, 5, 3));
    options.defaults();
    QCOMPARE(options.choice(), FishNetChoice{});
    QCOMPARE(options.step().value(), 1);
}

QTEST_GUILESS_MAIN(TestDialogRules)
#include "tst_DialogRules.moc"
