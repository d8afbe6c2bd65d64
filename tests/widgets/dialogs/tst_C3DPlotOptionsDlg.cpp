#include "support/RecordingReporter.h"
#include "support/TestHeader.h"
#include "widgets/dialogs/C3DPlotOptionsDlg.h"
#include "support/DialogInput.h"

#include <QtTest>
#include <QtWidgets>

using Messages = std::vector<std::string>;

class TestC3DPlotOptionsDlg : public QObject
{
    Q_OBJECT

private slots:
    void captionsAndControls();
    void troughJumpsToTheEnds();
    void stepBeyondTheFile();
    void opensInsideTheSteps();
    void defaultsThenCancel();
};

void TestC3DPlotOptionsDlg::captionsAndControls()
{
    RecordingReporter reporter;
    C3DPlotOptionsDlg dialog(FishNetChoice{2}, 5, makeHeader(12, 5, 5, 3), reporter);
    QCOMPARE(dialog.windowTitle(), QString("FishNet Plot Options"));
    QStringList groups;
    for (const QGroupBox *box : dialog.findChildren<QGroupBox *>())
        groups << box->title();
    QCOMPARE(groups, QStringList{"Stress item"});
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        labels << label->text();
    QCOMPARE(labels, QStringList{"Step Number"});
    QVERIFY(dialog.findChild<QRadioButton *>("itemButton2")->isChecked());
    QVERIFY(dialog.findChild<QRadioButton *>("itemButton3")->isHidden());
    QCOMPARE(dialog.findChild<QLineEdit *>("stepEdit")->text(), QString("5"));
    QCOMPARE(dialog.findChild<QPushButton *>("defaultsButton")->text(), QString("Defaults"));
}

void TestC3DPlotOptionsDlg::troughJumpsToTheEnds()
{
    RecordingReporter reporter;
    C3DPlotOptionsDlg dialog(FishNetChoice{0}, 5, makeHeader(12, 5, 5, 3), reporter);
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("stepEdit");
    auto *bar = dialog.findChild<QScrollBar *>("stepScrollBar");
    clickBar(bar, QStyle::SC_ScrollBarSubPage);
    QCOMPARE(box->text(), QString("1"));
    clickBar(bar, QStyle::SC_ScrollBarAddPage);
    QCOMPARE(box->text(), QString("12"));
    QCOMPARE(bar->value(), 12);
    clickBar(bar, QStyle::SC_ScrollBarSubLine);
    QCOMPARE(box->text(), QString("11"));
    QCOMPARE(dialog.stepNumber(), 11);
}

void TestC3DPlotOptionsDlg::stepBeyondTheFile()
{
    RecordingReporter reporter;
    C3DPlotOptionsDlg dialog(FishNetChoice{0}, 5, makeHeader(12, 5, 5, 3), reporter);
    QVERIFY(showActive(dialog));
    auto *box = dialog.findChild<QLineEdit *>("stepEdit");
    typeInto(box, "13");
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(reporter.messages, Messages{"Step Number must be between 1 and 12"});
    QCOMPARE(box->text(), QString("1"));
    QCOMPARE(dialog.focusWidget(), box);
}

void TestC3DPlotOptionsDlg::opensInsideTheSteps()
{
    RecordingReporter reporter;
    C3DPlotOptionsDlg dialog(FishNetChoice{0}, 20, makeHeader(12, 5, 5, 3), reporter);
    QCOMPARE(dialog.findChild<QLineEdit *>("stepEdit")->text(), QString("12"));
    auto *bar = dialog.findChild<QScrollBar *>("stepScrollBar");
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(reporter.messages.empty());
}

void TestC3DPlotOptionsDlg::defaultsThenCancel()
{
    RecordingReporter reporter;
    C3DPlotOptionsDlg dialog(FishNetChoice{2}, 7, makeHeader(12, 5, 5, 3), reporter);
    QVERIFY(showActive(dialog));
    QTest::mouseClick(dialog.findChild<QPushButton *>("defaultsButton"), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QLineEdit *>("stepEdit")->text(), QString("1"));
    QVERIFY(dialog.findChild<QRadioButton *>("itemButton0")->isChecked());
    QTest::mouseClick(dialog.findChild<QPushButton *>("cancelButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestC3DPlotOptionsDlg)
#include "tst_C3DPlotOptionsDlg.moc"
