#include "charts/ChartTexts.h"
#include "model/PlotSettings.h"

#include <QtTest>

class TestChartTexts : public QObject
{
    Q_OBJECT

private slots:
    void crossSectionHeader_data();
    void crossSectionHeader();
    void historyHeader_data();
    void historyHeader();
    void valueAxisTitle();
};

void TestChartTexts::crossSectionHeader_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("location");
    QTest::addColumn<QString>("header");
    QTest::newRow("row 10") << 0 << 10 << "Vertical Stress\nCross Section Parallel to X at Grid Location 10";
    QTest::newRow("column 3") << 1 << 3 << "Vertical Stress\nCross Section Parallel to Y at Grid Location 3";
    QTest::newRow("four digits") << 1 << 1234 << "Vertical Stress\nCross Section Parallel to Y at Grid Location 1234";
}

void TestChartTexts::crossSectionHeader()
{
    QFETCH(int, direction);
    QFETCH(int, location);
    QFETCH(QString, header);
    PlotSettings settings;
    settings.plotTitle = "Vertical Stress";
    settings.xsec.direction = static_cast<CrossSectionDirection>(direction);
    settings.xsec.location = location;
    QCOMPARE(ChartTexts::crossSectionHeader(settings), header);
    // The chart's title keeps both lines and names the step on a third.
    settings.step = 12;
    QCOMPARE(ChartTexts::crossSectionTitle(settings), header + "\nStep 12");
}

void TestChartTexts::historyHeader_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("window");
    QTest::addColumn<QString>("header");
    QTest::newRow("average") << 0 << QList<int>{2, 13, 1, 40} << "Convergence (Average)\nX from 2 to 13 and Y from 1 to 40";
    QTest::newRow("total") << 1 << QList<int>{1, 1, 7, 9} << "Convergence (Summation)\nX from 1 to 1 and Y from 7 to 9";
    QTest::newRow("one row") << 0 << QList<int>{3, 8, 5, 5} << "Convergence (Average)\nX from 3 to 8 and Y from 5 to 5";
}

void TestChartTexts::historyHeader()
{
    QFETCH(int, mode);
    QFETCH(QList<int>, window);
    QFETCH(QString, header);
    PlotSettings settings;
    settings.plotTitle = "Convergence";
    settings.history.mode = static_cast<HistoryMode>(mode);
    settings.history.minX = window[0];
    settings.history.maxX = window[1];
    settings.history.minY = window[2];
    settings.history.maxY = window[3];
    QCOMPARE(ChartTexts::historyHeader(settings), header);
}

void TestChartTexts::valueAxisTitle()
{
    QCOMPARE(ChartTexts::valueAxisTitle("Energy Release Rate", "MJ/m^3"), QString("Energy Release Rate (MJ/m^3)"));
    QCOMPARE(ChartTexts::valueAxisTitle("Safety Factor", ""), QString("Safety Factor ()"));
}

QTEST_GUILESS_MAIN(TestChartTexts)
#include "tst_ChartTexts.moc"
