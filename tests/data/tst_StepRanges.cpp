#include "data/CPlotDoc.h"
#include "data/StepRanges.h"
#include "support/RecordingReporter.h"
#include "support/TestSeam.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

// The plain computation: every step read back from its cache file and scanned.
ValueRange scanned(CPlotDoc &document, int step, int item)
{
    ValueRange range;
    if (!document.loadStep(step))
        return range;
    const StepGrid &grid = document.grid();
    for (int ix = 0; ix < grid.columnCount(); ++ix)
        for (int iy = 0; iy < grid.rowCount(); ++iy)
            range.add(grid.values[ix][iy][item]);
    return range;
}

bool same(const ValueRange &a, const ValueRange &b)
{
    return a.known == b.known && (!a.known || (a.min == b.min && a.max == b.max));
}

QString describe(const ValueRange &range)
{
    return range.known ? QString("%1..%2").arg(range.min).arg(range.max) : QString("unknown");
}

} // namespace

// The ranges the open gathers, against reading every step again.
class TestStepRanges : public QObject
{
    Q_OBJECT

private slots:
    void rangesEqualAPlainScan_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<double>("keptFraction"); // of the file's bytes; 1 keeps it whole
        QTest::newRow("whole file") << 5 << 1.0;
        QTest::newRow("one step") << 1 << 1.0;
        QTest::newRow("cut in the middle of step 3") << 6 << 0.42;
        QTest::newRow("cut after a few lines") << 5 << 0.07;
    }
    void rangesEqualAPlainScan()
    {
        QFETCH(int, steps);
        QFETCH(double, keptFraction);
        QTemporaryDir folder;
        const QString path = folder.filePath("run.f1");
        writeSeamFile(path.toStdString(), TestSeam().sized(steps, 7, 5, 3).valued([](int s, int ix, int iy, int k) {
            return float(std::sin(s * 1.7 + ix * 0.3 - iy * 0.9 + k) * (k + 1) * 100.0);
        }));
        if (keptFraction < 1.0) {
            QFile file(path);
            QVERIFY(file.resize(qint64(file.size() * keptFraction)));
        }
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        QVERIFY(document.openFile(path.toStdString()) != CPlotDoc::OpenResult::Failed);
        const StepRanges *ranges = document.stepRanges();
        QVERIFY(ranges);
        for (int item = 0; item < 3; ++item) {
            ValueRange overAll;
            for (int step = 1; step <= steps; ++step) {
                const ValueRange plain = scanned(document, step, item);
                overAll.add(plain);
                QVERIFY2(same(ranges->atStep(step, item), plain),
                         qPrintable(QString("step %1 item %2: %3, the scan says %4")
                                        .arg(step).arg(item).arg(describe(ranges->atStep(step, item)), describe(plain))));
            }
            QVERIFY2(same(ranges->overAllSteps(item), overAll), qPrintable("item " + QString::number(item)));
        }
        QVERIFY(!ranges->atStep(0, 0).known && !ranges->atStep(steps + 1, 0).known && !ranges->atStep(1, 3).known);
    }

    // The file format has no NaN, but a grid may: NaN takes no part, and an item
    // that is NaN at every value of a step has no range there.
    void notANumberTakesNoPart()
    {
        const float nan = std::numeric_limits<float>::quiet_NaN();
        StepRanges ranges(2, 2);
        const float step1[] = {nan, nan, 4.0f, nan, -1.0f, nan};
        const float step2[] = {7.0f, 8.0f};
        ranges.addValues(1, step1, 0, 3);
        ranges.addValues(1, step1, 3, 6); // in two parts, as the reading goes
        ranges.addValues(2, step2, 0, 2);
        QCOMPARE(ranges.atStep(1, 0).min, -1.0f);
        QCOMPARE(ranges.atStep(1, 0).max, 4.0f);
        QVERIFY(!ranges.atStep(1, 1).known);
        QCOMPARE(ranges.overAllSteps(1).min, 8.0f);
        QCOMPARE(ranges.overAllSteps(0).max, 7.0f);
    }

    // Steps a header claims beyond the end of the file hold what the last step read holds.
    void stepsBeyondTheEndRepeatTheLast()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("claims.f1");
        writeSeamFile(path.toStdString(), TestSeam().sized(2, 2, 2, 1).valued([](int s, int, int, int) {
            return float(s);
        }));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray text = file.readAll();
        text.replace(0, text.indexOf(","), "100000");
        file.resize(0);
        file.write(text);
        file.close();
        RecordingReporter reporter;
        CPlotDoc document(reporter);
        QVERIFY(document.openFile(path.toStdString()) != CPlotDoc::OpenResult::Failed);
        QVERIFY(document.stepRanges());
        QCOMPARE(document.stepRanges()->atStep(99999, 0).max, 2.0f);
        QCOMPARE(document.stepRanges()->overAllSteps(0).min, 1.0f);
    }
};

QTEST_GUILESS_MAIN(TestStepRanges)
#include "tst_StepRanges.moc"
