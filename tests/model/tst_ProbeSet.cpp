#include "model/ProbeSet.h"

#include <QtTest>

// The pinning rules, each case a sequence of actions and what the set then holds.
class TestProbeSet : public QObject
{
    Q_OBJECT

private slots:
    void pinning_data();
    void pinning();
    void revisionGrowsOnlyWithAChange();
    void sectionsRunThroughTheWindowsMiddle();
};

namespace {

// "cell C R", "window X1 Y1 X2 Y2" or "remove I"; the result as A (added), R
// (removed), F (refused), T or N (remove true or false).
char apply(ProbeSet &set, const QString &action)
{
    const QStringList words = action.split(' ');
    QList<int> n;
    for (int i = 1; i < words.size(); ++i)
        n.append(words[i].toInt());
    if (words[0] == "remove")
        return set.remove(n[0]) ? 'T' : 'N';
    const ProbeSet::PinResult result =
        words[0] == "cell" ? set.pinCell(n[0], n[1]) : set.pinWindow(n[0], n[1], n[2], n[3]);
    return result == ProbeSet::PinResult::Added ? 'A' : result == ProbeSet::PinResult::Removed ? 'R' : 'F';
}

QString held(const ProbeSet &set)
{
    QStringList probes;
    for (const Probe &probe : set.probes())
        probes.append(QString::fromStdString(probe.label()) + " #" + QString::number(probe.colour));
    return probes.join("; ");
}

QStringList eightCells()
{
    QStringList actions;
    for (int i = 1; i <= ProbeSet::maxProbes; ++i)
        actions.append(QString("cell %1 1").arg(i));
    return actions;
}

} // namespace

void TestProbeSet::pinning_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("results");
    QTest::addColumn<QString>("probes");

    QTest::newRow("a second click on a cell removes it")
        << QStringList{"cell 3 4", "cell 5 6", "cell 3 4"} << "AAR" << "column 5, row 6 #1";
    QTest::newRow("a new probe takes the first free colour; the others keep theirs")
        << QStringList{"cell 1 1", "cell 2 2", "cell 3 3", "remove 0", "cell 4 4"} << "AAATA"
        << "column 2, row 2 #1; column 3, row 3 #2; column 4, row 4 #0";
    QTest::newRow("a removed middle probe frees its colour only")
        << QStringList{"cell 1 1", "cell 2 2", "cell 3 3", "cell 2 2", "cell 9 9", "cell 8 8"} << "AAARAA"
        << "column 1, row 1 #0; column 3, row 3 #2; column 9, row 9 #1; column 8, row 8 #3";
    QTest::newRow("the ninth pin is refused") << eightCells() + QStringList{"cell 9 9"} << "AAAAAAAAF"
                                              << held([] {
                                                     ProbeSet set;
                                                     for (int i = 1; i <= 8; ++i)
                                                         set.pinCell(i, 1);
                                                     return set;
                                                 }());
    QTest::newRow("a full set still unpins by a click, then takes a new one")
        << eightCells() + QStringList{"cell 8 1", "cell 9 9"} << "AAAAAAAARA"
        << "column 1, row 1 #0; column 2, row 1 #1; column 3, row 1 #2; column 4, row 1 #3; column 5, row 1 #4; "
           "column 6, row 1 #5; column 7, row 1 #6; column 9, row 9 #7";
    QTest::newRow("window corners in any order; the same window again removes it")
        << QStringList{"window 5 2 3 4", "cell 4 3", "window 3 4 5 2"} << "AAR" << "column 4, row 3 #1";
    QTest::newRow("a window of one cell is that cell")
        << QStringList{"window 2 7 2 7", "cell 2 7"} << "AR" << "";
    QTest::newRow("removing a probe that is not there changes nothing")
        << QStringList{"cell 1 1", "remove 1", "remove -1"} << "ANN" << "column 1, row 1 #0";
}

void TestProbeSet::pinning()
{
    QFETCH(QStringList, actions);
    QFETCH(QString, results);
    QFETCH(QString, probes);

    ProbeSet set;
    QString got;
    for (const QString &action : actions)
        got += apply(set, action);

    QCOMPARE(got, results);
    QCOMPARE(held(set), probes);
    if (results.endsWith('F'))
        QVERIFY(QString::fromStdString(ProbeSet::refusalText()).contains("At most 8 probes"));
}

void TestProbeSet::revisionGrowsOnlyWithAChange()
{
    ProbeSet set;
    std::uint64_t last = set.revision();
    const auto changed = [&] {
        const bool grew = set.revision() > last;
        last = set.revision();
        return grew;
    };
    set.pinCell(1, 1);
    QVERIFY(changed());
    set.pinCell(1, 1);
    QVERIFY(changed());
    QVERIFY(!set.remove(0));
    QVERIFY(!changed());
    set.clear();
    QVERIFY(!changed());
    for (int i = 1; i <= 8; ++i)
        set.pinCell(i, 2);
    QVERIFY(changed());
    QCOMPARE(set.pinCell(9, 2), ProbeSet::PinResult::Refused);
    QVERIFY(!changed());
    set.clear();
    QVERIFY(changed());
    QVERIFY(set.empty());
}

void TestProbeSet::sectionsRunThroughTheWindowsMiddle()
{
    ProbeSet set;
    set.pinWindow(3, 2, 6, 4);
    set.pinCell(7, 9);
    QCOMPARE(set.probes()[0].centreColumn(), 4);
    QCOMPARE(set.probes()[0].centreRow(), 3);
    QCOMPARE(set.probes()[1].centreColumn(), 7);
    QCOMPARE(set.probes()[1].centreRow(), 9);
}

QTEST_APPLESS_MAIN(TestProbeSet)
#include "tst_ProbeSet.moc"
