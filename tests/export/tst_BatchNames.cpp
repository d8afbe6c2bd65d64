#include "export/NumberedFileName.h"
#include "export/StepOutputs.h"
#include "export/StepSelection.h"

#include <QtTest>

// The step lists and numbered output names of the batch exports.
class TestBatchNames : public QObject
{
    Q_OBJECT

private slots:
    void stepSelection_data();
    void stepSelection();
    void numberedFileName_data();
    void numberedFileName();
    void stepOutputs_data();
    void stepOutputs();
};

void TestBatchNames::stepSelection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("steps"); // empty: refused
    QTest::newRow("one step") << "7" << QList<int>{7};
    QTest::newRow("range") << "3-5" << QList<int>{3, 4, 5};
    QTest::newRow("list, ascending, each once") << "9-10,1,5,4-5" << QList<int>{1, 4, 5, 9, 10};
    QTest::newRow("whole file") << "1-12" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    QTest::newRow("beyond the file") << "11-13" << QList<int>{};
    QTest::newRow("huge range of a short file") << "1-2000000000" << QList<int>{};
    QTest::newRow("step 0") << "0" << QList<int>{};
    QTest::newRow("backwards") << "5-3" << QList<int>{};
    QTest::newRow("empty piece") << "1,,2" << QList<int>{};
    QTest::newRow("empty text") << "" << QList<int>{};
    QTest::newRow("blank") << "1, 2" << QList<int>{};
    QTest::newRow("not a number") << "a-b" << QList<int>{};
    QTest::newRow("too large for int") << "99999999999" << QList<int>{};
}

void TestBatchNames::stepSelection()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, steps);
    const auto parsed = StepSelection::parse(text.toStdString(), 12);
    if (steps.isEmpty()) {
        QVERIFY(std::holds_alternative<std::string>(parsed));
        QVERIFY(!std::get<std::string>(parsed).empty());
    } else {
        QVERIFY(std::holds_alternative<StepSelection>(parsed));
        const std::vector<int> &got = std::get<StepSelection>(parsed).steps;
        QCOMPARE(QList<int>(got.begin(), got.end()), steps);
    }
}

void TestBatchNames::numberedFileName_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name7"); // empty: no pattern
    QTest::addColumn<bool>("meantAsPattern");
    QTest::newRow("plain") << "run-%d.tif" << "run-7.tif" << true;
    QTest::newRow("zero padded") << "frames/step-%03d.png" << "frames/step-007.png" << true;
    QTest::newRow("%i, left aligned") << "s%-3i.svg" << "s7  .svg" << true;
    QTest::newRow("literal percent kept") << "100%%-%d.png" << "100%-7.png" << true;
    QTest::newRow("only a literal percent") << "100%%.png" << "" << false;
    QTest::newRow("no conversion") << "step.png" << "" << false;
    QTest::newRow("two conversions") << "%d-%d.png" << "" << true;
    QTest::newRow("a string conversion") << "%s.png" << "" << true;
    QTest::newRow("a precision") << "%.3d.png" << "" << true;
    QTest::newRow("too wide") << "%9999d.png" << "" << true;
    QTest::newRow("a lone percent at the end") << "step%d%" << "" << true;
}

void TestBatchNames::numberedFileName()
{
    QFETCH(QString, pattern);
    QFETCH(QString, name7);
    QFETCH(bool, meantAsPattern);
    const auto name = NumberedFileName::fromPattern(pattern.toStdString());
    QCOMPARE(name.has_value(), !name7.isEmpty());
    if (name)
        QCOMPARE(QString::fromStdString(name->nameFor(7)), name7);
    QCOMPARE(NumberedFileName::looksLikePattern(pattern.toStdString()), meantAsPattern);
}

void TestBatchNames::stepOutputs_data()
{
    QTest::addColumn<QString>("steps"); // "none": no step list
    QTest::addColumn<QString>("out");
    QTest::addColumn<QStringList>("planned"); // "step path"; empty: refused
    QTest::newRow("current step to a plain name") << "none" << "a.png" << QStringList{"3 a.png"};
    QTest::newRow("current step numbered") << "none" << "a%d.png" << QStringList{"3 a3.png"};
    QTest::newRow("one listed step to a plain name") << "5" << "a.png" << QStringList{"5 a.png"};
    QTest::newRow("a list numbered") << "1,4-5" << "f/%02d.svg" << QStringList{"1 f/01.svg", "4 f/04.svg", "5 f/05.svg"};
    QTest::newRow("a list to one plain name") << "1-2" << "a.png" << QStringList{};
    QTest::newRow("a bad conversion") << "none" << "a%s.png" << QStringList{};
    QTest::newRow("a bad list") << "1-x" << "a%d.png" << QStringList{};
}

void TestBatchNames::stepOutputs()
{
    QFETCH(QString, steps);
    QFETCH(QString, out);
    QFETCH(QStringList, planned);
    const std::optional<std::string> list = steps == "none" ? std::nullopt : std::optional(steps.toStdString());
    const auto plan = PlanStepOutputs(list, out.toStdString(), 9, 3);
    QStringList got;
    if (const auto *outputs = std::get_if<std::vector<StepOutput>>(&plan))
        for (const StepOutput &output : *outputs)
            got << QString::number(output.step) + " " + QString::fromStdString(output.path);
    QCOMPARE(got, planned);
}

QTEST_GUILESS_MAIN(TestBatchNames)
#include "tst_BatchNames.moc"
