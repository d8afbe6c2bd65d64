#include "support/TestFiles.h"

#include "data/CPlotDoc.h"
#include "support/RecordingReporter.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

// Opening on a thread of its own: the new file shows once its step is read
// while the rest is still to come, its messages come in order with the reading
// held, and a cancel or another open brings back what was shown. A blank line
// holds the reading where a test looks: at its message.
class TestBackgroundOpen : public QObject
{
    Q_OBJECT

private slots:
    void stepShowsWhileTheRestIsRead();
    void messageHoldsTheReading();
    void cancelBringsThePreviousFileBack();
    void anotherOpenCancelsTheFirst();
    void discardingCancelsTheOpen();
    void stepsNotHeldWholeAreKnownAsTheyAreRead_data();
    void stepsNotHeldWholeAreKnownAsTheyAreRead();

private:
    // Three steps of 2 x 2 elements, element e of step s holding 10 s + e; a
    // blank line stands before step blankBefore.
    static QString writeThreeSteps(const QTemporaryDir &dir, int blankBefore)
    {
        std::string text = "3, 0, 1.0, 2, 2, 0.0, 0.0\n1, S\n1, U\n";
        for (int s = 1; s <= 3; ++s) {
            if (s == blankBefore)
                text += "\n";
            for (int e = 0; e < 4; ++e)
                text += std::to_string(10 * s + e) + "\n";
        }
        writeFile(dir.filePath("run.f1"), QByteArray::fromStdString(text));
        return dir.filePath("run.f1");
    }
    static CPlotDoc::OpenResult waitForEnd(QSignalSpy &ended)
    {
        if (ended.isEmpty() && !ended.wait(20000))
            return CPlotDoc::OpenResult::Failed;
        return ended.front().front().value<CPlotDoc::OpenResult>();
    }
};

// Runs a check at each message, as long as the message stands.
struct CheckingReporter : RecordingReporter
{
    std::function<void()> check;
    void report(const std::string &message) override
    {
        RecordingReporter::report(message);
        if (check)
            check();
    }
};

void TestBackgroundOpen::stepShowsWhileTheRestIsRead()
{
    QTemporaryDir dir;
    const QString path = writeThreeSteps(dir, 2);
    CheckingReporter reporter;
    CPlotDoc document(reporter);
    bool checked = false;
    reporter.check = [&] {
        // Held after step 2, which met the blank line and kept step 1's values:
        // the step to show, 2, is on screen already, step 3 is still to come.
        QVERIFY(document.isOpening());
        QVERIFY(document.isLoaded());
        QVERIFY(document.stepReady(2));
        QVERIFY(!document.stepReady(3));
        QVERIFY(document.loadStep(2));
        QCOMPARE(document.grid().values[1][1][0], 13.0f);
        checked = true;
    };
    QSignalSpy ended(&document, &CPlotDoc::openEnded);
    document.beginOpen(path.toStdString(), 2);
    QCOMPARE(waitForEnd(ended), CPlotDoc::OpenResult::OpenedWithErrors);
    QVERIFY(checked);
    QVERIFY(!document.isOpening());
    QVERIFY(document.stepReady(3));
}

void TestBackgroundOpen::messageHoldsTheReading()
{
    QTemporaryDir dir;
    const QString path = writeThreeSteps(dir, 2);
    CheckingReporter reporter;
    CPlotDoc document(reporter);
    long long before = -1;
    long long after = -1;
    reporter.check = [&] {
        before = document.openWatch()->bytesRead;
        QTest::qWait(100); // a box runs the event loop as long as it stands
        after = document.openWatch()->bytesRead;
    };
    QSignalSpy ended(&document, &CPlotDoc::openEnded);
    document.beginOpen(path.toStdString());
    QCOMPARE(waitForEnd(ended), CPlotDoc::OpenResult::OpenedWithErrors);
    QCOMPARE(reporter.messages, std::vector<std::string>{"Read an empty line in the input file - CGR2-1"});
    QVERIFY(before > 0);
    QCOMPARE(after, before);
}

void TestBackgroundOpen::cancelBringsThePreviousFileBack()
{
    QTemporaryDir first;
    QTemporaryDir dir;
    const QString path = writeThreeSteps(dir, 2);
    CheckingReporter reporter;
    CPlotDoc document(reporter);
    QCOMPARE(document.openFile(copyTestFile("five_steps.f3", first.path())), CPlotDoc::OpenResult::Opened);
    reporter.check = [&] {
        QCOMPARE(document.header().stepCount, 3); // the new file shows its step 1
        document.cancelOpen();
        QCOMPARE(document.fileName(), std::string("five_steps.f3"));
    };
    QSignalSpy ended(&document, &CPlotDoc::openEnded);
    document.beginOpen(path.toStdString());
    QCOMPARE(waitForEnd(ended), CPlotDoc::OpenResult::Cancelled);
    QCOMPARE(entriesOf(dir.path()), QStringList{"run.f1"});
    QVERIFY(document.loadStep(4));
    QCOMPARE(document.grid().values[0][0][0], 4.0f);
}

void TestBackgroundOpen::anotherOpenCancelsTheFirst()
{
    QTemporaryDir dir;
    QTemporaryDir other;
    const QString path = writeThreeSteps(dir, 2);
    CheckingReporter reporter;
    CPlotDoc document(reporter);
    reporter.check = [&] { document.beginOpen(copyTestFile("five_steps.f3", other.path())); };
    QSignalSpy ended(&document, &CPlotDoc::openEnded);
    document.beginOpen(path.toStdString());
    QTRY_COMPARE(ended.count(), 2);
    QCOMPARE(ended.at(0).at(0).value<CPlotDoc::OpenResult>(), CPlotDoc::OpenResult::Cancelled);
    QCOMPARE(ended.at(1).at(0).value<CPlotDoc::OpenResult>(), CPlotDoc::OpenResult::Opened);
    QCOMPARE(document.fileName(), std::string("five_steps.f3"));
    QCOMPARE(entriesOf(dir.path()), QStringList{"run.f1"});
}

void TestBackgroundOpen::discardingCancelsTheOpen()
{
    QTemporaryDir dir;
    const QString path = writeThreeSteps(dir, 2);
    CheckingReporter reporter;
    CPlotDoc document(reporter);
    reporter.check = [&] { document.DeleteContents(); };
    QSignalSpy ended(&document, &CPlotDoc::openEnded);
    document.beginOpen(path.toStdString());
    QCOMPARE(waitForEnd(ended), CPlotDoc::OpenResult::Cancelled);
    QVERIFY(!document.isLoaded());
    QCOMPARE(entriesOf(dir.path()), QStringList{"run.f1"});
}

void TestBackgroundOpen::stepsNotHeldWholeAreKnownAsTheyAreRead_data()
{
    QTest::addColumn<int>("blankBefore");
    QTest::addColumn<int>("completeSteps");
    QTest::newRow("blank before step 2") << 2 << 1;
    QTest::newRow("blank before step 3") << 3 << 2;
    QTest::newRow("no blank") << 0 << 3;
}

void TestBackgroundOpen::stepsNotHeldWholeAreKnownAsTheyAreRead()
{
    QFETCH(int, blankBefore);
    QFETCH(int, completeSteps);
    QTemporaryDir dir;
    const QString path = writeThreeSteps(dir, blankBefore);
    CheckingReporter reporter;
    CPlotDoc document(reporter);
    int whileTheMessageStands = -1;
    reporter.check = [&] {
        QVERIFY(document.isOpening());
        whileTheMessageStands = document.completeSteps();
    };
    QSignalSpy ended(&document, &CPlotDoc::openEnded);
    document.beginOpen(path.toStdString());
    QVERIFY(waitForEnd(ended) != CPlotDoc::OpenResult::Failed);
    QCOMPARE(whileTheMessageStands, blankBefore ? completeSteps : -1);
    QCOMPARE(document.completeSteps(), completeSteps);
}

QTEST_GUILESS_MAIN(TestBackgroundOpen)
#include "tst_BackgroundOpen.moc"
