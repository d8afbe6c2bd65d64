#include "support/RecordingReporter.h"
#include "support/TestHeader.h"
#include "dialogs/widgets/CColSqOptionsDlg.h"
#include "dialogs/widgets/MinMaxDlg.h"
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
    CColSqOptionsDlg options(ColSqChoice{0, 1, Palette::ColdToHot, ScaleMode::Automatic, 2.0f, 3.0f},
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
    CColSqOptionsDlg options(ColSqChoice{0, 1, Palette::ColdToHot, ScaleMode::MinToMax, 2.0f, 3.0f},
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

QTEST_MAIN(TestMinMaxDlg)
#include "tst_MinMaxDlg.moc"
