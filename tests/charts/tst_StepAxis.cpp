#include "charts/StepAxis.h"

#include <QtTest>

class TestStepAxis : public QObject
{
    Q_OBJECT

private slots:
    void stepsWithRoomAndRoundTicks_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("interval");
        QTest::newRow("one step") << 1 << 1.0;
        QTest::newRow("eleven steps") << 11 << 1.0;
        QTest::newRow("twelve steps") << 12 << 2.0;
        QTest::newRow("thirty steps") << 30 << 5.0;
        QTest::newRow("ninety-nine steps") << 99 << 10.0;
    }
    void stepsWithRoomAndRoundTicks()
    {
        QFETCH(int, count);
        QFETCH(double, interval);
        const std::optional<AxisSpan> axis = stepAxis(count);
        QVERIFY(axis);
        QVERIFY(axis->min > 0.0 && axis->min < 1.0);
        QVERIFY(axis->max > count && axis->max < count + 1);
        QCOMPARE(axis->tickInterval, interval);
    }

    void noStepsNoAxis() { QVERIFY(!stepAxis(0)); }
};

QTEST_APPLESS_MAIN(TestStepAxis)
#include "tst_StepAxis.moc"
