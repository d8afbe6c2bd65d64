#include "support/RecordingReporter.h"
#include "support/ChoiceCompare.h"
#include "support/TestHeader.h"
#include "widgets/dialogs/XSecOptionsDlg.h"
#include "support/DialogInput.h"

#include <QtTest>
#include <QtWidgets>

using Messages = std::vector<std::string>;

class TestXSecOptionsDlg : public QObject
{
    Q_OBJECT

private slots:
    void captionsAndControls();
    void directionSetsTheLocationRange();
    void refusedLocationFocusesTheBar();
    void opensInsideTheGrid();
    void defaultsFromParallelToY();
    void enterChecksTheLocationBox();
};

void TestXSecOptionsDlg::captionsAndControls()
{
    RecordingReporter reporter;
    XSecOptionsDlg dialog(XSecChoice{2, CrossSectionDirection::ParallelToX, 10}, 3, makeHeader(5, 30, 12, 4), reporter);
    QCOMPARE(dialog.windowTitle(), QString("Cross Section Options"));
    QStringList groups;
    for (const QGroupBox *box : dialog.findChildren<QGroupBox *>())
        groups << box->title();
    QCOMPARE(groups, (QStringList{"Stress Item", "Cross Section Direction"}));
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        labels << label->text();
    QCOMPARE(labels, (QStringList{"Step Number:", "Cross-Section Location:"}));
    QCOMPARE(dialog.findChild<QRadioButton *>("parallelToXButton")->text(), QString("Parallel to X"));
    QCOMPARE(dialog.findChild<QRadioButton *>("parallelToYButton")->text(), QString("Parallel to Y"));
    QVERIFY(dialog.findChild<QRadioButton *>("parallelToXButton")->isChecked());
    QVERIFY(dialog.findChild<QRadioButton *>("itemButton2")->isChecked());
    QCOMPARE(dialog.findChild<QLineEdit *>("stepEdit")->text(), QString("3"));
    QCOMPARE(dialog.findChild<QLineEdit *>("locationEdit")->text(), QString("10"));
    QCOMPARE(dialog.findChild<QScrollBar *>("locationScrollBar")->maximum(), 12);

    QStringList order;
    QWidget *widget = dialog.findChild<QRadioButton *>("itemButton17");
    while (order.size() < 9) {
        widget = widget->nextInFocusChain();
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
    }
    QCOMPARE(order, (QStringList{"stepEdit", "stepScrollBar", "parallelToXButton", "parallelToYButton", "locationEdit",
                                 "locationScrollBar", "okButton", "cancelButton", "defaultsButton"}));
}

void TestXSecOptionsDlg::directionSetsTheLocationRange()
{
    // 30 columns and 12 rows.
    RecordingReporter reporter;
    XSecOptionsDlg dialog(XSecChoice{0, CrossSectionDirection::ParallelToX, 12}, 1, makeHeader(5, 30, 12, 4), reporter);
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("locationEdit");
    auto *bar = dialog.findChild<QScrollBar *>("locationScrollBar");
    clickBar(bar, QStyle::SC_ScrollBarSubPage);
    QCOMPARE(box->text(), QString("8")); // page 4 for 12 rows

    clickRadio(dialog.findChild<QRadioButton *>("parallelToYButton"));
    QCOMPARE(bar->maximum(), 30);
    QCOMPARE(box->text(), QString("8"));
    clickBar(bar, QStyle::SC_ScrollBarAddPage);
    QCOMPARE(box->text(), QString("13")); // page 5 for 30 columns
    typeInto(box, "25");
    clickRadio(dialog.findChild<QRadioButton *>("parallelToXButton"));
    QCOMPARE(bar->maximum(), 12);
    QCOMPARE(box->text(), QString("12"));
    QCOMPARE(bar->value(), 12);
    QVERIFY(reporter.messages.empty());

    QTest::mouseClick(dialog.findChild<QPushButton *>("okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.choice().direction, CrossSectionDirection::ParallelToX);
    QCOMPARE(dialog.choice().location, 12);
}

void TestXSecOptionsDlg::refusedLocationFocusesTheBar()
{
    RecordingReporter reporter;
    XSecOptionsDlg dialog(XSecChoice{0, CrossSectionDirection::ParallelToX, 3}, 1, makeHeader(5, 30, 12, 4), reporter);
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("locationEdit");
    typeInto(box, "20");
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(reporter.messages, Messages{"Cross Section Location must be between 1 and 12"});
    QCOMPARE(box->text(), QString("1"));
    QCOMPARE(dialog.focusWidget(), dialog.findChild<QScrollBar *>("locationScrollBar"));
}

void TestXSecOptionsDlg::opensInsideTheGrid()
{
    // Settings kept from a larger file.
    RecordingReporter reporter;
    XSecOptionsDlg dialog(XSecChoice{9, CrossSectionDirection::ParallelToX, 25}, 40,
                          makeHeader(5, 30, 12, 4), reporter);
    QCOMPARE(dialog.findChild<QLineEdit *>("stepEdit")->text(), QString("5"));
    QCOMPARE(dialog.findChild<QLineEdit *>("locationEdit")->text(), QString("12"));
    QVERIFY(dialog.findChild<QRadioButton *>("itemButton0")->isChecked());
    QCOMPARE(dialog.choice(), (XSecChoice{0, CrossSectionDirection::ParallelToX, 12}));
    QCOMPARE(dialog.stepNumber(), 5);
}

void TestXSecOptionsDlg::defaultsFromParallelToY()
{
    RecordingReporter reporter;
    XSecOptionsDlg dialog(XSecChoice{3, CrossSectionDirection::ParallelToY, 25}, 4, makeHeader(5, 30, 12, 4), reporter);
    QVERIFY(showActive(dialog));
    QTest::mouseClick(dialog.findChild<QPushButton *>("defaultsButton"), Qt::LeftButton);
    QVERIFY(dialog.findChild<QRadioButton *>("parallelToXButton")->isChecked());
    QVERIFY(dialog.findChild<QRadioButton *>("itemButton0")->isChecked());
    QCOMPARE(dialog.findChild<QLineEdit *>("stepEdit")->text(), QString("1"));
    QCOMPARE(dialog.findChild<QLineEdit *>("locationEdit")->text(), QString("1"));
    QCOMPARE(dialog.findChild<QScrollBar *>("locationScrollBar")->maximum(), 12);
    QTest::mouseClick(dialog.findChild<QPushButton *>("cancelButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestXSecOptionsDlg::enterChecksTheLocationBox()
{
    RecordingReporter reporter;
    XSecOptionsDlg dialog(XSecChoice{0, CrossSectionDirection::ParallelToY, 3}, 1, makeHeader(5, 30, 12, 4), reporter);
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("locationEdit");
    typeInto(box, "31");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(reporter.messages, Messages{"Cross Section Location must be between 1 and 30"});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), dialog.findChild<QScrollBar *>("locationScrollBar"));
    typeInto(box, "30");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.choice().location, 30);
}

QTEST_MAIN(TestXSecOptionsDlg)
#include "tst_XSecOptionsDlg.moc"
