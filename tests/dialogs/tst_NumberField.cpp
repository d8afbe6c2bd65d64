#include "support/RecordingReporter.h"
#include "dialogs/NumberField.h"
#include "dialogs/ScrollRules.h"

#include <QtTest>

#include <climits>

Q_DECLARE_METATYPE(ScrollAction)

namespace {

const char *const integerMessage = "The input for the Step Number must be an integer";
const char *const rangeMessage = "Step Number must be between 1 and %d";

NumberField field(int upperBound, int pageStep, int value)
{
    NumberField f(integerMessage, rangeMessage);
    f.setRange(upperBound, pageStep);
    f.setValue(value);
    return f;
}

} // namespace

class TestNumberField : public QObject
{
    Q_OBJECT

private slots:
    void clampToRange_data();
    void clampToRange();
    void pageStepFor_data();
    void pageStepFor();

    void acceptedText_data();
    void acceptedText();
    void refusedText_data();
    void refusedText();
    void refusalResetsTheWholeField();
    void upperBoundOfOneAcceptsOnlyOne();

    void scroll_data();
    void scroll();
    void scrollOverwritesTypedText();
    void pageStepNearIntMaxDoesNotOverflow();

    void newRangePullsValueInside_data();
    void newRangePullsValueInside();
    void programValuesAreClamped();

    void okChecksOnlyTheFocusedField();
    void okRefusesTextWithoutInteger_data();
    void okRefusesTextWithoutInteger();
};

void TestNumberField::clampToRange_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("result");
    QTest::newRow("inside") << 5 << 1 << 10 << 5;
    QTest::newRow("at low") << 1 << 1 << 10 << 1;
    QTest::newRow("at high") << 10 << 1 << 10 << 10;
    QTest::newRow("below") << -3 << 1 << 10 << 1;
    QTest::newRow("above") << 11 << 1 << 10 << 10;
    QTest::newRow("empty range gives high") << 5 << 1 << 0 << 0;
    QTest::newRow("empty range, value below") << -5 << 1 << 0 << 0;
    QTest::newRow("extremes") << INT_MIN << 1 << INT_MAX << 1;
}

void TestNumberField::clampToRange()
{
    QFETCH(int, value);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, result);
    QCOMPARE(ClampToRange(value, low, high), result);
}

void TestNumberField::pageStepFor_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("step");
    QTest::newRow("1") << 1 << 2;
    QTest::newRow("10") << 10 << 2;
    QTest::newRow("11") << 11 << 4;
    QTest::newRow("20") << 20 << 4;
    QTest::newRow("21") << 21 << 5;
    QTest::newRow("40") << 40 << 5;
    QTest::newRow("41") << 41 << 10;
    QTest::newRow("80") << 80 << 10;
    QTest::newRow("81") << 81 << 25;
    QTest::newRow("200") << 200 << 25;
    QTest::newRow("201") << 201 << 50;
    QTest::newRow("400") << 400 << 50;
    QTest::newRow("401 pages by one") << 401 << 1;
    QTest::newRow("500 pages by one") << 500 << 1;
}

void TestNumberField::pageStepFor()
{
    QFETCH(int, count);
    QFETCH(int, step);
    QCOMPARE(PageStepFor(count), step);
}

// Texts that lie in 1..20 once read like atoi: the value takes them and the box keeps them.
void TestNumberField::acceptedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "7" << 7;
    QTest::newRow("upper bound") << "20" << 20;
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("leading blanks") << "   12" << 12;
    QTest::newRow("leading tab and newline") << "\t\n3" << 3;
    QTest::newRow("plus sign") << "+9" << 9;
    QTest::newRow("digits then letters") << "12abc" << 12;
    QTest::newRow("digits then blank and more") << "4 5" << 4;
    QTest::newRow("digits then point") << "6.9" << 6;
}

void TestNumberField::acceptedText()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    NumberField f = field(20, 1, 3);
    RecordingReporter reporter;
    f.edit(text.toStdString());
    QVERIFY(f.focusLost(reporter));
    QCOMPARE(reporter.messages.size(), std::size_t(0));
    QCOMPARE(f.value(), value);
    QCOMPARE(QString::fromStdString(f.text()), text);
}

void TestNumberField::refusedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString integer = integerMessage;
    const QString range = "Step Number must be between 1 and 20";
    QTest::newRow("empty") << "" << integer;
    QTest::newRow("blanks only") << "   " << integer;
    QTest::newRow("zero") << "0" << integer;
    QTest::newRow("zeros") << "000" << integer;
    QTest::newRow("minus zero") << "-0" << integer;
    QTest::newRow("letters") << "abc" << integer;
    QTest::newRow("letters then digits") << "x12" << integer;
    QTest::newRow("sign alone") << "+" << integer;
    QTest::newRow("blank between sign and digits") << "- 5" << integer;
    QTest::newRow("point first") << ".5" << integer;
    QTest::newRow("negative") << "-3" << range;
    QTest::newRow("above") << "21" << range;
    QTest::newRow("far above") << "25" << range;
    QTest::newRow("above then letters") << "99x" << range;
    QTest::newRow("beyond int") << "99999999999999" << range;
    QTest::newRow("below int") << "-99999999999999" << range;
}

void TestNumberField::refusedText()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    NumberField f = field(20, 1, 8);
    RecordingReporter reporter;
    f.edit(text.toStdString());
    QVERIFY(!f.focusLost(reporter));
    QCOMPARE(reporter.messages.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(reporter.messages[0]), message);
    QCOMPARE(f.value(), 1);
    QCOMPARE(f.text(), std::string("1"));
}

void TestNumberField::refusalResetsTheWholeField()
{
    NumberField f = field(40, 5, 30);
    RecordingReporter reporter;
    f.edit("41");
    QVERIFY(!f.focusLost(reporter));
    // The reset is to 1, not back to the value before typing; the next arrow moves from there.
    f.scroll(ScrollAction::LineRight);
    QCOMPARE(f.value(), 2);
    QCOMPARE(f.text(), std::string("2"));
    // A second focus loss on the reset text is quiet.
    f.edit("1");
    QVERIFY(f.focusLost(reporter));
    QCOMPARE(reporter.messages.size(), std::size_t(1));
}

void TestNumberField::upperBoundOfOneAcceptsOnlyOne()
{
    NumberField f = field(1, 1, 1);
    RecordingReporter reporter;
    f.edit("2");
    QVERIFY(!f.focusLost(reporter));
    QCOMPARE(reporter.messages, std::vector<std::string>{"Step Number must be between 1 and 1"});
    f.edit("1");
    QVERIFY(f.focusLost(reporter));
}

void TestNumberField::scroll_data()
{
    QTest::addColumn<int>("upperBound");
    QTest::addColumn<int>("pageStep");
    QTest::addColumn<int>("start");
    QTest::addColumn<ScrollAction>("action");
    QTest::addColumn<int>("tracked");
    QTest::addColumn<int>("result");
    QTest::newRow("line left") << 12 << 4 << 5 << ScrollAction::LineLeft << 0 << 4;
    QTest::newRow("line right") << 12 << 4 << 5 << ScrollAction::LineRight << 0 << 6;
    QTest::newRow("line left at 1") << 12 << 4 << 1 << ScrollAction::LineLeft << 0 << 1;
    QTest::newRow("line right at top") << 12 << 4 << 12 << ScrollAction::LineRight << 0 << 12;
    QTest::newRow("page left") << 12 << 4 << 9 << ScrollAction::PageLeft << 0 << 5;
    QTest::newRow("page right") << 12 << 4 << 5 << ScrollAction::PageRight << 0 << 9;
    QTest::newRow("page left clamps") << 12 << 4 << 3 << ScrollAction::PageLeft << 0 << 1;
    QTest::newRow("page right clamps") << 12 << 4 << 10 << ScrollAction::PageRight << 0 << 12;
    QTest::newRow("page of one") << 20 << 1 << 5 << ScrollAction::PageRight << 0 << 6;
    QTest::newRow("page of all steps, left") << 12 << 12 << 5 << ScrollAction::PageLeft << 0 << 1;
    QTest::newRow("page of all steps, right") << 12 << 12 << 5 << ScrollAction::PageRight << 0 << 12;
    QTest::newRow("thumb track") << 12 << 4 << 5 << ScrollAction::ThumbTrack << 11 << 11;
    QTest::newRow("thumb track above") << 12 << 4 << 5 << ScrollAction::ThumbTrack << 30 << 12;
    QTest::newRow("thumb track below") << 12 << 4 << 5 << ScrollAction::ThumbTrack << -2 << 1;
    QTest::newRow("other keeps the position") << 12 << 4 << 5 << ScrollAction::Other << 9 << 5;
}

void TestNumberField::scroll()
{
    QFETCH(int, upperBound);
    QFETCH(int, pageStep);
    QFETCH(int, start);
    QFETCH(ScrollAction, action);
    QFETCH(int, tracked);
    QFETCH(int, result);
    NumberField f = field(upperBound, pageStep, start);
    f.scroll(action, tracked);
    QCOMPARE(f.value(), result);
    QCOMPARE(f.text(), std::to_string(result));
}

void TestNumberField::scrollOverwritesTypedText()
{
    NumberField f = field(12, 4, 5);
    f.edit("0x");
    // Even a scroll that keeps the position writes the value into the box.
    f.scroll(ScrollAction::Other);
    QCOMPARE(f.text(), std::string("5"));
}

void TestNumberField::pageStepNearIntMaxDoesNotOverflow()
{
    NumberField f = field(INT_MAX, INT_MAX, INT_MAX - 1);
    f.scroll(ScrollAction::PageRight);
    QCOMPARE(f.value(), INT_MAX);
    f.scroll(ScrollAction::PageLeft);
    QCOMPARE(f.value(), 1);
}

void TestNumberField::newRangePullsValueInside_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("newBound");
    QTest::addColumn<int>("result");
    QTest::newRow("inside stays") << 12 << 30 << 12;
    QTest::newRow("beyond becomes the bound") << 25 << 12 << 12;
    QTest::newRow("at the bound stays") << 12 << 12 << 12;
}

void TestNumberField::newRangePullsValueInside()
{
    QFETCH(int, value);
    QFETCH(int, newBound);
    QFETCH(int, result);
    NumberField f = field(30, 5, value);
    f.setRange(newBound, 4);
    QCOMPARE(f.value(), result);
    QCOMPARE(f.text(), std::to_string(result));
    QCOMPARE(f.upperBound(), newBound);
    QCOMPARE(f.pageStep(), 4);
}

void TestNumberField::programValuesAreClamped()
{
    NumberField f = field(12, 4, 20);
    QCOMPARE(f.value(), 12);
    f.setValue(0);
    QCOMPARE(f.value(), 1);
    QCOMPARE(f.text(), std::string("1"));
}

void TestNumberField::okChecksOnlyTheFocusedField()
{
    NumberField focused = field(12, 4, 5);
    NumberField other = field(12, 4, 5);
    RecordingReporter reporter;
    other.edit("30"); // typed but not yet left: only the focused box is checked
    focused.edit("13");
    const auto refused = checkFocusedField(&focused, reporter);
    QVERIFY(refused);
    QCOMPARE(refused->field, &focused);
    QCOMPARE(refused->target, FocusTarget::Box);
    QCOMPARE(reporter.messages, std::vector<std::string>{"Step Number must be between 1 and 12"});
    QCOMPARE(focused.text(), std::string("1"));

    focused.edit("12");
    QVERIFY(!checkFocusedField(&focused, reporter));
    QCOMPARE(focused.value(), 12);
    QVERIFY(!checkFocusedField(nullptr, reporter));
    QCOMPARE(reporter.messages.size(), std::size_t(1));
}

void TestNumberField::okRefusesTextWithoutInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");
    QTest::newRow("integer") << "5" << false;
    QTest::newRow("blanks and sign") << "  -5" << false;
    QTest::newRow("integer then letters") << "5a" << false;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("letters") << "a5" << true;
    QTest::newRow("sign alone") << "-" << true;
}

void TestNumberField::okRefusesTextWithoutInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, refused);
    NumberField first = field(12, 4, 5);
    NumberField second(integerMessage, rangeMessage, FocusTarget::Bar);
    second.setRange(12, 4);
    second.edit(text.toStdString());
    RecordingReporter reporter;
    const auto result = transferIntegers({&first, &second}, reporter);
    QCOMPARE(bool(result), refused);
    if (refused) {
        QCOMPARE(result->field, &second);
        // The framework focuses the box itself, whatever the field's own target.
        QCOMPARE(result->target, FocusTarget::Box);
        QCOMPARE(reporter.messages, std::vector<std::string>{"Please enter an integer."});
    } else {
        QVERIFY(reporter.messages.empty());
    }
}

QTEST_GUILESS_MAIN(TestNumberField)
#include "tst_NumberField.moc"
