#include "support/RecordingReporter.h"
#include "support/ChoiceCompare.h"
#include "support/TestHeader.h"
#include "widgets/dialogs/CColSqOptionsDlg.h"
#include "widgets/dialogs/MinMaxDlg.h"
#include "support/DialogInput.h"

#include <QtTest>
#include <QtWidgets>

using Messages = std::vector<std::string>;

namespace {

ColSqChoice someChoice()
{
    return ColSqChoice{1, Palette::HotToCold, ScaleMode::Automatic, 0.5f, 2.5f};
}
constexpr int someStep = 4;

} // namespace

class TestCColSqOptionsDlg : public QObject
{
    Q_OBJECT

private slots:
    void captionsAndControls();
    void stressItemColumnShowsTheFileItems_data();
    void stressItemColumnShowsTheFileItems();
    void tabOrderFollowsTheLayout();
    void oneStepDisablesTheBar();
    void typingThenTabChecksTheStep();
    void emptiedBoxThenClickOnARadioButton();
    void lettersCannotBeTypedButPastedDigitsCount();
    void barArrowsAndTroughMoveByOne();
    void enterChecksTheBoxBeforeClosing();
    void clickOnOkChecksTheBoxBeforeClosing();
    void clickOnTheBarKeepsTheFocusInTheBox();
    void minToMaxOkKeepsItSelected();
    void minToMaxCancelSelectsAutomatic();
    void minToMaxOpensAgainWhenAlreadySelected();
    void defaultsThenOk();
    void cancelHandsNothingBack();
    void refusalUnderARealMessageBoxKeepsTheFocus();
};

void TestCColSqOptionsDlg::captionsAndControls()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(someChoice(), someStep, makeHeader(20, 5, 5, 5), reporter);
    QCOMPARE(dialog.windowTitle(), QString("Colored Square Plot Options"));
    QStringList groups;
    for (const QGroupBox *box : dialog.findChildren<QGroupBox *>())
        groups << box->title();
    QCOMPARE(groups, (QStringList{"Stress Item", "Color Palette", "Scale"}));
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        labels << label->text();
    QCOMPARE(labels, QStringList{"Step Number:"});
    QCOMPARE(dialog.findChild<QRadioButton *>("coldToHotButton")->text(), QString("Cold to Hot"));
    QCOMPARE(dialog.findChild<QRadioButton *>("hotToColdButton")->text(), QString("Hot to Cold"));
    QCOMPARE(dialog.findChild<QRadioButton *>("roygbivButton")->text(), QString("ROYGBIV"));
    QCOMPARE(dialog.findChild<QRadioButton *>("automaticButton")->text(), QString("Automatic"));
    QCOMPARE(dialog.findChild<QRadioButton *>("minToMaxButton")->text(), QString("Min. to Max."));
    auto *ok = dialog.findChild<QPushButton *>("okButton");
    QCOMPARE(ok->text(), QString("OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(dialog.findChild<QPushButton *>("cancelButton")->text(), QString("Cancel"));
    QCOMPARE(dialog.findChild<QPushButton *>("defaultsButton")->text(), QString("Defaults"));

    // The values handed in are shown.
    QCOMPARE(dialog.findChild<QLineEdit *>("stepEdit")->text(), QString("4"));
    auto *bar = dialog.findChild<QScrollBar *>("stepScrollBar");
    QCOMPARE(bar->minimum(), 1);
    QCOMPARE(bar->maximum(), 20);
    QCOMPARE(bar->value(), 4);
    QVERIFY(dialog.findChild<QRadioButton *>("itemButton1")->isChecked());
    QVERIFY(dialog.findChild<QRadioButton *>("hotToColdButton")->isChecked());
    QVERIFY(dialog.findChild<QRadioButton *>("automaticButton")->isChecked());
}

void TestCColSqOptionsDlg::stressItemColumnShowsTheFileItems_data()
{
    QTest::addColumn<int>("itemCount");
    QTest::newRow("5 items") << 5;
    QTest::newRow("18 items") << 18;
}

void TestCColSqOptionsDlg::stressItemColumnShowsTheFileItems()
{
    QFETCH(int, itemCount);
    RecordingReporter reporter;
    SeamHeader header = makeHeader(20, 5, 5, itemCount);
    header.itemNames[2] = "S&T Stress";
    CColSqOptionsDlg dialog(someChoice(), someStep, header, reporter);
    for (int k = 0; k < 18; ++k) {
        const QRadioButton *button = dialog.findChild<QRadioButton *>(QString("itemButton%1").arg(k));
        QVERIFY(button);
        QCOMPARE(!button->isHidden(), k < itemCount);
        if (k < itemCount && k != 2)
            QCOMPARE(button->text(), QString("Item %1").arg(k));
    }
    // An ampersand in a name shows as itself.
    QCOMPARE(dialog.findChild<QRadioButton *>("itemButton2")->text(), QString("S&&T Stress"));
}

void TestCColSqOptionsDlg::tabOrderFollowsTheLayout()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(someChoice(), someStep, makeHeader(20, 5, 5, 18), reporter);
    QStringList names;
    QWidget *widget = dialog.findChild<QRadioButton *>("itemButton17");
    while (names.size() < 10) {
        widget = widget->nextInFocusChain();
        if (widget->focusPolicy() & Qt::TabFocus)
            names << widget->objectName();
    }
    QCOMPARE(names, (QStringList{"stepEdit", "stepScrollBar", "coldToHotButton", "hotToColdButton", "roygbivButton",
                                 "automaticButton", "minToMaxButton", "okButton", "cancelButton", "defaultsButton"}));
}

void TestCColSqOptionsDlg::oneStepDisablesTheBar()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(ColSqChoice{}, 1, makeHeader(1, 5, 5, 5), reporter);
    QVERIFY(showActive(dialog));
    QVERIFY(!dialog.findChild<QScrollBar *>("stepScrollBar")->isEnabled());
    auto *box = dialog.findChild<QLineEdit *>("stepEdit");
    typeInto(box, "2");
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(reporter.messages, Messages{"Step Number must be between 1 and 1"});
}

void TestCColSqOptionsDlg::typingThenTabChecksTheStep()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(someChoice(), someStep, makeHeader(20, 5, 5, 5), reporter);
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("stepEdit");
    typeInto(box, "25");
    QVERIFY(reporter.messages.empty()); // nothing while typing
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(reporter.messages, Messages{"Step Number must be between 1 and 20"});
    QCOMPARE(box->text(), QString("1"));
    QCOMPARE(dialog.findChild<QScrollBar *>("stepScrollBar")->value(), 1);
    QCOMPARE(dialog.focusWidget(), box);
    // The reset text is selected: typing replaces it.
    QTRY_COMPARE(box->selectedText(), QString("1"));
    QTest::keyClicks(box, "12");
    QCOMPARE(box->text(), QString("12"));

    typeInto(box, "07");
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(reporter.messages.size(), std::size_t(1));
    QCOMPARE(box->text(), QString("07")); // the typed text stays
    QCOMPARE(dialog.findChild<QScrollBar *>("stepScrollBar")->value(), 7);
    QCOMPARE(dialog.focusWidget()->objectName(), QString("stepScrollBar"));
    QCOMPARE(dialog.stepNumber(), 7);
}

void TestCColSqOptionsDlg::emptiedBoxThenClickOnARadioButton()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(someChoice(), someStep, makeHeader(20, 5, 5, 5), reporter);
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("stepEdit");
    typeInto(box, "");
    auto *roygbiv = dialog.findChild<QRadioButton *>("roygbivButton");
    clickRadio(roygbiv);
    QCOMPARE(reporter.messages, Messages{"The input for the Step Number must be an integer"});
    QCOMPARE(box->text(), QString("1"));
    QCOMPARE(dialog.focusWidget(), box);
}

void TestCColSqOptionsDlg::lettersCannotBeTypedButPastedDigitsCount()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(someChoice(), someStep, makeHeader(20, 5, 5, 5), reporter);
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("stepEdit");
    typeInto(box, "1x2-");
    QCOMPARE(box->text(), QString("12"));

    // Pasting inserts the clipboard's text as it stands (the offscreen platform has no clipboard).
    box->selectAll();
    box->insert("9abc");
    QTest::keyClick(box, Qt::Key_Tab);
    QVERIFY(reporter.messages.empty());
    QCOMPARE(box->text(), QString("9abc"));
    QCOMPARE(dialog.stepNumber(), 9);
}

void TestCColSqOptionsDlg::barArrowsAndTroughMoveByOne()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(someChoice(), someStep, makeHeader(20, 5, 5, 5), reporter);
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("stepEdit");
    auto *bar = dialog.findChild<QScrollBar *>("stepScrollBar");
    clickBar(bar, QStyle::SC_ScrollBarAddLine);
    QCOMPARE(box->text(), QString("5"));
    clickBar(bar, QStyle::SC_ScrollBarAddPage);
    QCOMPARE(box->text(), QString("6"));
    clickBar(bar, QStyle::SC_ScrollBarSubPage);
    clickBar(bar, QStyle::SC_ScrollBarSubPage);
    QCOMPARE(box->text(), QString("4"));
    clickBar(bar, QStyle::SC_ScrollBarSubLine);
    QCOMPARE(bar->value(), 3);
    QCOMPARE(dialog.stepNumber(), 3);
    // The keys of a focused bar: Home is no scroll the dialog knows.
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(bar->value(), 3);
    QCOMPARE(box->text(), QString("3"));
    QVERIFY(reporter.messages.empty());
}

void TestCColSqOptionsDlg::enterChecksTheBoxBeforeClosing()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(someChoice(), someStep, makeHeader(20, 5, 5, 5), reporter);
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("stepEdit");
    typeInto(box, "99");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(reporter.messages, Messages{"Step Number must be between 1 and 20"});
    QVERIFY(dialog.isVisible());
    QCOMPARE(box->text(), QString("1"));
    QCOMPARE(dialog.focusWidget(), box);

    typeInto(box, "12");
    QTest::keyClick(box, Qt::Key_Enter);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.stepNumber(), 12);
    QCOMPARE(reporter.messages.size(), std::size_t(1));
}

void TestCColSqOptionsDlg::clickOnOkChecksTheBoxBeforeClosing()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(someChoice(), someStep, makeHeader(20, 5, 5, 5), reporter);
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("stepEdit");
    auto *ok = dialog.findChild<QPushButton *>("okButton");
    typeInto(box, "21");
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(reporter.messages, Messages{"Step Number must be between 1 and 20"});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), box);
    QVERIFY(!ok->isDown());
    typeInto(box, "20");
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.stepNumber(), 20);
}

void TestCColSqOptionsDlg::clickOnTheBarKeepsTheFocusInTheBox()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(someChoice(), someStep, makeHeader(20, 5, 5, 5), reporter);
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("stepEdit");
    typeInto(box, "");
    // The scroll writes its value over what was typed; the box never lost the focus.
    clickBar(dialog.findChild<QScrollBar *>("stepScrollBar"), QStyle::SC_ScrollBarAddLine);
    QCOMPARE(box->text(), QString("5"));
    QCOMPARE(dialog.focusWidget(), box);
    QVERIFY(reporter.messages.empty());
}

void TestCColSqOptionsDlg::minToMaxOkKeepsItSelected()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(someChoice(), someStep, makeHeader(20, 5, 5, 5), reporter);
    std::vector<std::pair<float, float>> openedWith;
    dialog.setMinMaxOpener([&](ScaleRange current) -> std::optional<ScaleRange> {
        openedWith.emplace_back(current.min, current.max);
        return ScaleRange{9.0f, -1.0f};
    });
    QVERIFY(showActive(dialog));
    auto *minToMax = dialog.findChild<QRadioButton *>("minToMaxButton");
    clickRadio(minToMax);
    QCOMPARE(openedWith, (std::vector<std::pair<float, float>>{{0.5f, 2.5f}}));
    QVERIFY(minToMax->isChecked());
    QTest::mouseClick(dialog.findChild<QPushButton *>("okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const ColSqChoice choice = dialog.choice();
    QCOMPARE(choice.scaleMode, ScaleMode::MinToMax);
    QCOMPARE(choice.scaleMin, 9.0f);
    QCOMPARE(choice.scaleMax, -1.0f);
}

void TestCColSqOptionsDlg::minToMaxCancelSelectsAutomatic()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(someChoice(), someStep, makeHeader(20, 5, 5, 5), reporter);
    dialog.setMinMaxOpener([](ScaleRange) { return std::optional<ScaleRange>(); });
    QVERIFY(showActive(dialog));
    clickRadio(dialog.findChild<QRadioButton *>("minToMaxButton"));
    QVERIFY(dialog.findChild<QRadioButton *>("automaticButton")->isChecked());
    QVERIFY(!dialog.findChild<QRadioButton *>("minToMaxButton")->isChecked());
    const ColSqChoice choice = dialog.choice();
    QCOMPARE(choice.scaleMode, ScaleMode::Automatic);
    QCOMPARE(choice.scaleMin, 0.5f);
    QCOMPARE(choice.scaleMax, 2.5f);
}

void TestCColSqOptionsDlg::minToMaxOpensAgainWhenAlreadySelected()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(ColSqChoice{0, Palette::ColdToHot, ScaleMode::MinToMax, 1.0f, 2.0f}, 1,
                            makeHeader(20, 5, 5, 5), reporter);
    int opened = 0;
    dialog.setMinMaxOpener([&](ScaleRange current) -> std::optional<ScaleRange> {
        ++opened;
        return ScaleRange{current.min + 1.0f, current.max};
    });
    QVERIFY(showActive(dialog));
    auto *minToMax = dialog.findChild<QRadioButton *>("minToMaxButton");
    QVERIFY(minToMax->isChecked());
    clickRadio(minToMax);
    clickRadio(minToMax);
    QCOMPARE(opened, 2);
    QCOMPARE(dialog.choice().scaleMin, 3.0f);
}

void TestCColSqOptionsDlg::defaultsThenOk()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(ColSqChoice{3, Palette::Roygbiv, ScaleMode::MinToMax, 4.0f, 8.0f}, 9,
                            makeHeader(20, 5, 5, 5), reporter);
    QVERIFY(showActive(dialog));
    QTest::mouseClick(dialog.findChild<QPushButton *>("defaultsButton"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.findChild<QLineEdit *>("stepEdit")->text(), QString("1"));
    QCOMPARE(dialog.findChild<QScrollBar *>("stepScrollBar")->value(), 1);
    QVERIFY(dialog.findChild<QRadioButton *>("itemButton0")->isChecked());
    QVERIFY(dialog.findChild<QRadioButton *>("coldToHotButton")->isChecked());
    QVERIFY(dialog.findChild<QRadioButton *>("automaticButton")->isChecked());
    QTest::mouseClick(dialog.findChild<QPushButton *>("okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.choice(), ColSqChoice{});
    QCOMPARE(dialog.stepNumber(), 1);
    QVERIFY(reporter.messages.empty());
}

void TestCColSqOptionsDlg::cancelHandsNothingBack()
{
    RecordingReporter reporter;
    CColSqOptionsDlg dialog(someChoice(), someStep, makeHeader(20, 5, 5, 5), reporter);
    dialog.setMinMaxOpener([](ScaleRange) { return std::optional<ScaleRange>(ScaleRange{1.0f, 2.0f}); });
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("stepEdit");
    typeInto(box, "30");
    // Escape closes without checking the box that holds 30.
    QTest::keyClick(box, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    // Neither does a click on Cancel.
    QVERIFY(showActive(dialog));
    typeInto(box, "0");
    QTest::mouseClick(dialog.findChild<QPushButton *>("cancelButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QVERIFY(reporter.messages.empty());
}

// The real message box is modal: it takes the focus from the box while it is
// shown, and the focus must still end in the box after it is closed.
void TestCColSqOptionsDlg::refusalUnderARealMessageBoxKeepsTheFocus()
{
    class ModalReporter : public Reporter
    {
    public:
        void report(const std::string &message) override
        {
            messages.push_back(message);
            whenIdle([] {
                if (QWidget *box = QApplication::activeModalWidget())
                    box->close();
            });
            QMessageBox box(QMessageBox::NoIcon, "Sembla3_0", QString::fromStdString(message), QMessageBox::Ok,
                            QApplication::activeWindow());
            box.exec();
        }
        Messages messages;
    } reporter;
    CColSqOptionsDlg dialog(someChoice(), someStep, makeHeader(20, 5, 5, 5), reporter);
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("stepEdit");
    typeInto(box, "0");
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(reporter.messages, Messages{"The input for the Step Number must be an integer"});
    // Giving the activation back after a box closes is the window manager's part, which offscreen has not.
    QVERIFY(showActive(dialog));
    QCOMPARE(dialog.focusWidget(), box);
    QCOMPARE(box->text(), QString("1"));

    // Enter with a refused text: one message, not a second one from the box losing the focus to it.
    typeInto(box, "50");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(reporter.messages.size(), std::size_t(2));
    QVERIFY(dialog.isVisible());
    QVERIFY(showActive(dialog));
    QCOMPARE(dialog.focusWidget(), box);
    QCOMPARE(box->text(), QString("1"));
    QCOMPARE(reporter.messages.size(), std::size_t(2));
}

QTEST_MAIN(TestCColSqOptionsDlg)
#include "tst_CColSqOptionsDlg.moc"
