#include "support/RecordingReporter.h"
#include "support/ChoiceCompare.h"
#include "support/TestHeader.h"
#include "widgets/dialogs/CHistoryPlotOptionsDlg.h"
#include "support/DialogInput.h"

#include <QtTest>
#include <QtWidgets>

using Messages = std::vector<std::string>;

class TestCHistoryPlotOptionsDlg : public QObject
{
    Q_OBJECT

private slots:
    void captionsAndControls();
    void barsFollowTheGrid();
    void cornerCheckAtOk();
    void zeroInMaximumY();
    void opensInsideTheGrid();
    void defaultsThenOk();
};

void TestCHistoryPlotOptionsDlg::captionsAndControls()
{
    RecordingReporter reporter;
    CHistoryPlotOptionsDlg dialog(HistoryChoice{1, HistoryMode::Total, 2, 3, 4, 5}, makeHeader(5, 15, 50, 4), reporter);
    QCOMPARE(dialog.windowTitle(), QString("History Plot"));
    QStringList groups;
    for (const QGroupBox *box : dialog.findChildren<QGroupBox *>())
        groups << box->title();
    QCOMPARE(groups, (QStringList{"Stress Item", "Stress Value"}));
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        labels << label->text();
    QCOMPARE(labels, (QStringList{"Minimum X Value", "Maximum X Value", "Minimum Y Value", "Maximum Y Value"}));
    QCOMPARE(dialog.findChild<QRadioButton *>("averageButton")->text(), QString("Average"));
    QCOMPARE(dialog.findChild<QRadioButton *>("totalButton")->text(), QString("Total"));
    QVERIFY(dialog.findChild<QRadioButton *>("totalButton")->isChecked());
    QCOMPARE(dialog.findChild<QLineEdit *>("minXEdit")->text(), QString("2"));
    QCOMPARE(dialog.findChild<QLineEdit *>("maxXEdit")->text(), QString("3"));
    QCOMPARE(dialog.findChild<QLineEdit *>("minYEdit")->text(), QString("4"));
    QCOMPARE(dialog.findChild<QLineEdit *>("maxYEdit")->text(), QString("5"));

    QStringList order;
    QWidget *widget = dialog.findChild<QRadioButton *>("itemButton17");
    while (order.size() < 13) {
        widget = widget->nextInFocusChain();
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
    }
    QCOMPARE(order, (QStringList{"minXEdit", "minXScrollBar", "maxXEdit", "maxXScrollBar", "minYEdit", "minYScrollBar",
                                 "maxYEdit", "maxYScrollBar", "averageButton", "totalButton", "okButton",
                                 "cancelButton", "defaultsButton"}));
}

void TestCHistoryPlotOptionsDlg::barsFollowTheGrid()
{
    // 15 columns (page 4), 50 rows (page 10).
    RecordingReporter reporter;
    CHistoryPlotOptionsDlg dialog(HistoryChoice{0, HistoryMode::Average, 1, 1, 1, 1},
                                  makeHeader(5, 15, 50, 4), reporter);
    QVERIFY(showActive(dialog));
    auto *maxXBar = dialog.findChild<QScrollBar *>("maxXScrollBar");
    auto *maxYBar = dialog.findChild<QScrollBar *>("maxYScrollBar");
    QCOMPARE(maxXBar->maximum(), 15);
    QCOMPARE(maxYBar->maximum(), 50);
    clickBar(maxXBar, QStyle::SC_ScrollBarAddPage);
    QCOMPARE(dialog.findChild<QLineEdit *>("maxXEdit")->text(), QString("5"));
    clickBar(maxYBar, QStyle::SC_ScrollBarAddPage);
    clickBar(maxYBar, QStyle::SC_ScrollBarAddLine);
    QCOMPARE(dialog.findChild<QLineEdit *>("maxYEdit")->text(), QString("12"));
    // The fields are independent while edited: a minimum may pass its maximum.
    auto *minXBar = dialog.findChild<QScrollBar *>("minXScrollBar");
    clickBar(minXBar, QStyle::SC_ScrollBarAddPage);
    clickBar(minXBar, QStyle::SC_ScrollBarAddPage);
    QCOMPARE(dialog.findChild<QLineEdit *>("minXEdit")->text(), QString("9"));
    QVERIFY(reporter.messages.empty());
}

void TestCHistoryPlotOptionsDlg::cornerCheckAtOk()
{
    RecordingReporter reporter;
    CHistoryPlotOptionsDlg dialog(HistoryChoice{0, HistoryMode::Average, 8, 3, 1, 1},
                                  makeHeader(5, 15, 50, 4), reporter);
    QVERIFY(showActive(dialog));
    auto *ok = dialog.findChild<QPushButton *>("okButton");
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(reporter.messages, Messages{"Your Minimum X Value is greater than your Maximum X Value"});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.findChild<QLineEdit *>("minXEdit")->text(), QString("1"));
    QCOMPARE(dialog.findChild<QScrollBar *>("minXScrollBar")->value(), 1);
    QCOMPARE(dialog.focusWidget(), dialog.findChild<QLineEdit *>("minXEdit"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.choice().minX, 1);
    QCOMPARE(dialog.choice().maxX, 3);
}

void TestCHistoryPlotOptionsDlg::zeroInMaximumY()
{
    RecordingReporter reporter;
    CHistoryPlotOptionsDlg dialog(HistoryChoice{0, HistoryMode::Average, 1, 1, 1, 6},
                                  makeHeader(5, 15, 50, 4), reporter);
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("maxYEdit");
    typeInto(box, "0");
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(reporter.messages, Messages{"The input for the Maximum Y value must be an integer"});
    QCOMPARE(box->text(), QString("1"));
    QCOMPARE(dialog.focusWidget(), box);
    // Minimum X's range message begins with a blank.
    auto *minX = dialog.findChild<QLineEdit *>("minXEdit");
    typeInto(minX, "16");
    QTest::keyClick(minX, Qt::Key_Tab);
    QCOMPARE(reporter.messages.back(), std::string(" Minimum X Values must be between 1 and 15"));
}

void TestCHistoryPlotOptionsDlg::opensInsideTheGrid()
{
    // A window of columns 20 to 40 kept from a larger grid, on a grid of 30 columns.
    RecordingReporter reporter;
    CHistoryPlotOptionsDlg dialog(HistoryChoice{0, HistoryMode::Average, 20, 40, 1, 2},
                                  makeHeader(5, 30, 50, 4), reporter);
    QCOMPARE(dialog.findChild<QLineEdit *>("minXEdit")->text(), QString("20"));
    QCOMPARE(dialog.findChild<QLineEdit *>("maxXEdit")->text(), QString("30"));
    QCOMPARE(dialog.findChild<QScrollBar *>("maxXScrollBar")->value(), 30);
    QVERIFY(reporter.messages.empty());
}

void TestCHistoryPlotOptionsDlg::defaultsThenOk()
{
    RecordingReporter reporter;
    CHistoryPlotOptionsDlg dialog(HistoryChoice{2, HistoryMode::Total, 3, 9, 4, 40},
                                  makeHeader(5, 15, 50, 4), reporter);
    QVERIFY(showActive(dialog));
    QTest::mouseClick(dialog.findChild<QPushButton *>("defaultsButton"), Qt::LeftButton);
    QVERIFY(dialog.findChild<QRadioButton *>("averageButton")->isChecked());
    QVERIFY(dialog.findChild<QRadioButton *>("itemButton0")->isChecked());
    for (const char *name : {"minXEdit", "maxXEdit", "minYEdit", "maxYEdit"})
        QCOMPARE(dialog.findChild<QLineEdit *>(name)->text(), QString("1"));
    QTest::mouseClick(dialog.findChild<QPushButton *>("okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.choice(), HistoryChoice{});
}

QTEST_MAIN(TestCHistoryPlotOptionsDlg)
#include "tst_CHistoryPlotOptionsDlg.moc"
