#include "charts/ChartReadout.h"
#include "charts/FishNetData.h"

#include <QTest>

// What the status bar says of the chart point under the pointer.
class TestChartReadout : public QObject
{
    Q_OBJECT

private slots:
    void nearestPointAlongX()
    {
        const QList<QPointF> points{{5, 1}, {15, 2}, {25, 3}};
        QCOMPARE(ChartReadout::nearestPoint(points, -100), 0);
        QCOMPARE(ChartReadout::nearestPoint(points, 19.9), 1);
        QCOMPARE(ChartReadout::nearestPoint(points, 20.1), 2);
        QCOMPARE(ChartReadout::nearestPoint({}, 3), -1);
    }

    void texts()
    {
        QCOMPARE(ChartReadout::crossSectionText(QPointF(12.5, 1.5e-7)), QString("position 12.5, value 1.5e-007"));
        QCOMPARE(ChartReadout::historyText(QPointF(7, -3.25)), QString("step 7, value -3.25"));
        FishNetTable table;
        table.stride = 3;
        table.columns = 2;
        table.rows = 2;
        table.heights = {1, 2, 3, 4};
        // Table entry (1, 0) of a sample every third element is grid column 4, row 1.
        QCOMPARE(ChartReadout::surfaceText(table, 1, 0), QString("column 4, row 1, value 3"));
        QCOMPARE(ChartReadout::surfaceText(table, 2, 0), QString());
    }
};

QTEST_GUILESS_MAIN(TestChartReadout)
#include "tst_ChartReadout.moc"
