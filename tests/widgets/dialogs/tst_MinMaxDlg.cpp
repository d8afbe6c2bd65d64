#include "support/RecordingReporter.h"
#include "support/TestHeader.h"
#include "widgets/dialogs/CColSqOptionsDlg.h"
#include "widgets/dialogs/MinMaxDlg.h"
#include "data/StepRanges.h"
#include "support/DialogInput.h"

#include <QtTest>
#include <QtWidgets>

using Messages = std::vector<std::string>;

class TestMinMaxDlg : public QObject
{
    Q_OBJECT

private slots:
    void captionsAndValues();
    void titleShowsWhole();
    void anyTwoNumbers();
    void unreadableBoxStaysOpen_data();
    void unreadableBoxStaysOpen();
    void openedFromTheColoredSquareDialog();
    void cancelledFromTheColoredSquareDialog();
    void fillButtonsTakeTheItemAndStepShown_data();
    void fillButtonsTakeTheItemAndStepShown();
    void fillButtonsWaitForTheRanges();
};

void TestMinMaxDlg::captionsAndValues()
{
    RecordingReporter reporter;
    MinMaxDlg dialog(ScaleRange{0.0f, 1234.5678f}, reporter);
    QCOMPARE(dialog.windowTitle(), QString("Min-Max Scale"));
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        labels << label->text();
    QCOMPARE(labels, (QStringList{"Minimum Scale Value", "Maximum Scale Value"}));
    QCOMPARE(dialog.findChild<QLineEdit *>("minimumEdit")->text(), QString("0"));
    QCOMPARE(dialog.findChild<QLineEdit *>("maximumEdit")->text(), QString("1234.57"));
    QCOMPARE(dialog.findChild<QLineEdit *>("minimumEdit")->nextInFocusChain()->objectName(), QString("maximumEdit"));
}

// The window system shows the title with the application's name after it, in a
// bold face, centred between an icon and three buttons.
void TestMinMaxDlg::titleShowsWhole()
{
    QGuiApplication::setApplicationDisplayName("Sembla3_0");
    RecordingReporter reporter;
    MinMaxDlg dialog(ScaleRange{0.0f, 1.0f}, reporter);
    QVERIFY(showActive(dialog));
    QFont bold = dialog.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    QVERIFY(dialog.width() >= metrics.horizontalAdvance(QString::fromUtf8("Min-Max Scale \u2014 Sembla3_0"))
                                  + 7 * metrics.height());
    QGuiApplication::setApplicationDisplayName(QString());
}

void TestMinMaxDlg::anyTwoNumbers()
{
    RecordingReporter reporter;
    MinMaxDlg dialog(ScaleRange{0.0f, 1.0f}, reporter);
    QVERIFY(showActive(dialog));
    typeInto(dialog.findChild<QLineEdit *>("minimumEdit"), "5e2 or so");
    typeInto(dialog.findChild<QLineEdit *>("maximumEdit"), " -2.25");
    QTest::mouseClick(dialog.findChild<QPushButton *>("okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(reporter.messages.empty());
    QCOMPARE(dialog.range().min, 500.0f);
    QCOMPARE(dialog.range().max, -2.25f);
}

void TestMinMaxDlg::unreadableBoxStaysOpen_data()
{
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QString>("focused");
    QTest::newRow("empty minimum") << "" << "3" << "minimumEdit";
    QTest::newRow("nan maximum") << "1" << "nan" << "maximumEdit";
    QTest::newRow("both unreadable, maximum first") << "x" << "-inf" << "maximumEdit";
}

void TestMinMaxDlg::unreadableBoxStaysOpen()
{
    QFETCH(QString, minimum);
    QFETCH(QString, maximum);
    QFETCH(QString, focused);
    RecordingReporter reporter;
    MinMaxDlg dialog(ScaleRange{0.0f, 1.0f}, reporter);
    QVERIFY(showActive(dialog));
    typeInto(dialog.findChild<QLineEdit *>("minimumEdit"), minimum);
    typeInto(dialog.findChild<QLineEdit *>("maximumEdit"), maximum);
    QTest::keyClick(dialog.findChild<QLineEdit *>("maximumEdit"), Qt::Key_Return);
    QCOMPARE(reporter.messages, Messages{"Please enter a number."});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget()->objectName(), focused);
    QCOMPARE(dialog.range().max, 1.0f);
}

void TestMinMaxDlg::openedFromTheColoredSquareDialog()
{
    RecordingReporter reporter;
    CColSqOptionsDlg options(ColSqChoice{0, Palette::ColdToHot, ScaleMode::Automatic, 2.0f, 3.0f}, 1,
                             makeHeader(5, 5, 5, 5), reporter);
    QVERIFY(showActive(options));
    QString shown;
    // The real Min-Max dialog runs modally; act in it once its event loop runs.
    whenIdle([&] {
        auto *dialog = qobject_cast<MinMaxDlg *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shown = dialog->findChild<QLineEdit *>("minimumEdit")->text();
        dialog->findChild<QLineEdit *>("minimumEdit")->setText("-4");
        dialog->findChild<QLineEdit *>("maximumEdit")->setText("16.5");
        QTest::mouseClick(dialog->findChild<QPushButton *>("okButton"), Qt::LeftButton);
    });
    clickRadio(options.findChild<QRadioButton *>("minToMaxButton"));
    QCOMPARE(shown, QString("2"));
    QVERIFY(options.findChild<QRadioButton *>("minToMaxButton")->isChecked());
    QCOMPARE(options.choice().scaleMin, -4.0f);
    QCOMPARE(options.choice().scaleMax, 16.5f);
}

void TestMinMaxDlg::cancelledFromTheColoredSquareDialog()
{
    RecordingReporter reporter;
    CColSqOptionsDlg options(ColSqChoice{0, Palette::ColdToHot, ScaleMode::MinToMax, 2.0f, 3.0f}, 1,
                             makeHeader(5, 5, 5, 5), reporter);
    QVERIFY(showActive(options));
    whenIdle([] {
        auto *dialog = qobject_cast<MinMaxDlg *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QLineEdit *>("minimumEdit")->setText("-4");
        dialog->reject();
    });
    clickRadio(options.findChild<QRadioButton *>("minToMaxButton"));
    QVERIFY(options.findChild<QRadioButton *>("automaticButton")->isChecked());
    QCOMPARE(options.choice().scaleMode, ScaleMode::Automatic);
    QCOMPARE(options.choice().scaleMin, 2.0f);
}

void TestMinMaxDlg::fillButtonsTakeTheItemAndStepShown_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<float>("min");
    QTest::addColumn<float>("max");
    // Item 1 at step 3, the step the scroll bar moved to; over all steps its extremes.
    QTest::newRow("this step") << "thisStepButton" << -0.123456791f << 7.0e-8f;
    QTest::newRow("all steps") << "allStepsButton" << -50.25f << 12345.678f;
}

void TestMinMaxDlg::fillButtonsTakeTheItemAndStepShown()
{
    QFETCH(QString, button);
    QFETCH(float, min);
    QFETCH(float, max);
    // Three steps of two items; value i of a step belongs to item i % 2.
    StepRanges ranges(3, 2);
    const float step1[] = {1.0f, -50.25f, 2.0f, 12345.678f};
    const float step2[] = {3.0f, 4.0f, 5.0f, 6.0f};
    const float step3[] = {8.0f, -0.123456791f, 9.0f, 7.0e-8f};
    ranges.addValues(1, step1, 0, 4);
    ranges.addValues(2, step2, 0, 4);
    ranges.addValues(3, step3, 0, 4);
    RecordingReporter reporter;
    CColSqOptionsDlg options(ColSqChoice{1, Palette::ColdToHot, ScaleMode::Automatic, 0.0f, 0.0f}, 2,
                             makeHeader(3, 2, 2, 2), reporter);
    options.setStepRanges(&ranges);
    QVERIFY(showActive(options));
    options.findChild<QScrollBar *>("stepScrollBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    whenIdle([&] {
        auto *dialog = qobject_cast<MinMaxDlg *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton *>("okButton"), Qt::LeftButton);
    });
    clickRadio(options.findChild<QRadioButton *>("minToMaxButton"));
    QVERIFY(reporter.messages.empty());
    // The very floats, not six digits of them.
    QCOMPARE(options.choice().scaleMin, min);
    QCOMPARE(options.choice().scaleMax, max);
}

void TestMinMaxDlg::fillButtonsWaitForTheRanges()
{
    RecordingReporter reporter;
    MinMaxDlg dialog(ScaleRange{1.0f, 2.0f}, reporter);
    QVERIFY(!dialog.findChild<QPushButton *>("thisStepButton")->isEnabled());
    QVERIFY(!dialog.findChild<QPushButton *>("allStepsButton")->isEnabled());
    // An item with no number at this step: nothing to fill from it.
    StepRanges ranges(1, 1);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    ranges.addValues(1, &nan, 0, 1);
    dialog.setFillRanges(fillRangesFor(&ranges, 0, 1));
    QVERIFY(!dialog.findChild<QPushButton *>("thisStepButton")->isEnabled());
    dialog.setFillRanges(FillRanges{ScaleRange{-1.0f, 1.0f}, std::nullopt});
    QVERIFY(dialog.findChild<QPushButton *>("thisStepButton")->isEnabled());
    QTest::mouseClick(dialog.findChild<QPushButton *>("thisStepButton"), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QLineEdit *>("minimumEdit")->text(), QString("-1"));
    QCOMPARE(dialog.findChild<QLineEdit *>("maximumEdit")->text(), QString("1"));
}

QTEST_MAIN(TestMinMaxDlg)
#include "tst_MinMaxDlg.moc"
