#include "charts/ChartPrintMapping.h"

#include <QtTest>

class TestChartPrintMapping : public QObject
{
    Q_OBJECT

private slots:
    void chartOnPage_data();
    void chartOnPage();
};

void TestChartPrintMapping::chartOnPage_data()
{
    QTest::addColumn<QSize>("chart");
    QTest::addColumn<QSize>("page");
    QTest::addColumn<QRect>("printed");
    // Wider than the page: the width fills it, 4800 / 800 = 6 times, centred vertically.
    QTest::newRow("800 x 600 on 4800 x 6000") << QSize(800, 600) << QSize(4800, 6000) << QRect(0, 1200, 4800, 3600);
    // Taller than the page: the height fills it, centred across.
    QTest::newRow("600 x 800 on 4800 x 3000") << QSize(600, 800) << QSize(4800, 3000) << QRect(1275, 0, 2250, 3000);
    QTest::newRow("same proportions") << QSize(400, 300) << QSize(4000, 3000) << QRect(0, 0, 4000, 3000);
    // 819 x 614 on 5100 x 6600: height 614 * 5100 / 819 = 3823.4, rounded; the centring truncates.
    QTest::newRow("odd sizes") << QSize(819, 614) << QSize(5100, 6600) << QRect(0, 1388, 5100, 3823);
    QTest::newRow("tall, centring truncates") << QSize(100, 300) << QSize(1001, 600) << QRect(400, 0, 200, 600);
    QTest::newRow("empty chart") << QSize(0, 600) << QSize(4800, 6000) << QRect();
    QTest::newRow("no page") << QSize(800, 600) << QSize(0, 0) << QRect();
}

void TestChartPrintMapping::chartOnPage()
{
    QFETCH(QSize, chart);
    QFETCH(QSize, page);
    QFETCH(QRect, printed);
    QCOMPARE(chartPrintRect(chart, page), printed);
}

QTEST_GUILESS_MAIN(TestChartPrintMapping)
#include "tst_ChartPrintMapping.moc"
