#include "support/RecordingReporter.h"
#include "support/TestHeader.h"
#include "widgets/dialogs/CHistoryPlotOptionsDlg.h"
#include "widgets/dialogs/XSecOptionsDlg.h"
#include "model/PlotCommands.h"
#include "model/PlotSettings.h"
#include "support/DialogInput.h"

#include <QtTest>
#include <QtWidgets>

// A plot command as the view runs it: open the dialog from the settings and
// the header, run it modally, and apply its choice on OK only.
class TestPlotCommandRuns : public QObject
{
    Q_OBJECT

private slots:
    void crossSectionOk();
    void historyCancelChangesNothing();
};

void TestPlotCommandRuns::crossSectionOk()
{
    const SeamHeader header = makeHeader(6, 30, 12, 4);
    PlotSettings settings;
    settings.stepReloadPending = false;
    RecordingReporter reporter;
    XSecOptionsDlg dialog(settings.xsec, settings.step, header, reporter);
    whenIdle([&] {
        // Focus changes deliver their events only to the active window.
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        clickRadio(dialog.findChild<QRadioButton *>("itemButton3"));
        typeInto(dialog.findChild<QLineEdit *>("stepEdit"), "3");
        typeInto(dialog.findChild<QLineEdit *>("locationEdit"), "10");
        QTest::keyClick(dialog.findChild<QLineEdit *>("locationEdit"), Qt::Key_Return);
    });
    if (dialog.exec() == QDialog::Accepted)
        PlotCommands::apply(settings, dialog.choice(), dialog.stepNumber(), header);
    QCOMPARE(settings.plotType, PlotType::CrossSection);
    QCOMPARE(settings.xsec.itemIndex, 3);
    QCOMPARE(settings.step, 3);
    QVERIFY(settings.stepReloadPending);
    QCOMPARE(settings.xsec.location, 10);
    QCOMPARE(settings.plotTitle, std::string("Item 3"));
    QVERIFY(settings.xsecNeedsData);
}

void TestPlotCommandRuns::historyCancelChangesNothing()
{
    const SeamHeader header = makeHeader(6, 30, 12, 4);
    PlotSettings settings;
    settings.history.minX = 2;
    settings.history.maxX = 7;
    RecordingReporter reporter;
    CHistoryPlotOptionsDlg dialog(settings.history, header, reporter);
    whenIdle([&] {
        QTest::mouseClick(dialog.findChild<QPushButton *>("defaultsButton"), Qt::LeftButton);
        clickRadio(dialog.findChild<QRadioButton *>("totalButton"));
        QTest::mouseClick(dialog.findChild<QPushButton *>("cancelButton"), Qt::LeftButton);
    });
    if (dialog.exec() == QDialog::Accepted)
        PlotCommands::apply(settings, dialog.choice(), header);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(settings.history.minX, 2);
    QCOMPARE(settings.history.maxX, 7);
    QCOMPARE(settings.history.mode, HistoryMode::Average);
    QCOMPARE(settings.plotType, PlotType::ColoredSquare);
    QVERIFY(!settings.histNeedsData);
    QVERIFY(settings.plotTitle.empty());
}

QTEST_MAIN(TestPlotCommandRuns)
#include "tst_PlotCommandRuns.moc"
