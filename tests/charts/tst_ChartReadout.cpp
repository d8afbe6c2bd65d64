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

    void crossSectionTexts_data()
    {
        QTest::addColumn<CrossSectionDirection>("direction");
        QTest::addColumn<int>("index");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<QString>("text");
        // A section parallel to X is a row: its points run over the columns, and the other way round.
        QTest::newRow("first column") << CrossSectionDirection::ParallelToX << 0 << QPointF(12.5, 1.5e-7)
                                      << QString("column 1, position 12.5, value 1.5e-007");
        QTest::newRow("twelfth column") << CrossSectionDirection::ParallelToX << 11 << QPointF(-3, 2)
                                        << QString("column 12, position -3, value 2");
        QTest::newRow("seventh row") << CrossSectionDirection::ParallelToY << 6 << QPointF(650, -0.5)
                                     << QString("row 7, position 650, value -0.5");
    }

    void crossSectionTexts()
    {
        QFETCH(CrossSectionDirection, direction);
        QFETCH(int, index);
        QFETCH(QPointF, point);
        QFETCH(QString, text);
        QCOMPARE(ChartReadout::crossSectionText(direction, index, point), text);
    }

    void texts()
    {
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
