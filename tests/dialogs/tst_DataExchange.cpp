#include "support/RecordingReporter.h"
#include "dialogs/DataExchange.h"
#include "dialogs/MinMaxScale.h"

#include <QtTest>

#include <cfloat>

class TestDataExchange : public QObject
{
    Q_OBJECT

private slots:
    void readInteger_data();
    void readInteger();
    void readNumber_data();
    void readNumber();
    void writeNumber_data();
    void writeNumber();

    void minMaxShowsWhatItWasGiven();
    void minMaxTakesAnyTwoNumbers();
    void minMaxRefusesMaximumFirst();
    void minMaxRefusedBoxKeepsTheRangeHandedIn();
    void minMaxRefusesNotANumber_data();
    void minMaxRefusesNotANumber();
};

void TestDataExchange::readInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "42" << true << 42;
    QTest::newRow("blanks and plus") << " \t+42" << true << 42;
    QTest::newRow("minus") << "-7" << true << -7;
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("trailing text") << "12abc" << true << 12;
    QTest::newRow("saturates") << "12345678901234" << true << INT_MAX;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("blank") << " " << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("sign then blank") << "+ 1" << false << 0;
    QTest::newRow("double sign") << "--1" << false << 0;
}

void TestDataExchange::readInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(int, value);
    const auto read = DataExchange::readInteger(text.toStdString());
    QCOMPARE(bool(read), readable);
    if (readable)
        QCOMPARE(*read, value);
}

void TestDataExchange::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<float>("value");
    QTest::newRow("integer") << "3" << true << 3.0f;
    QTest::newRow("decimal") << "-2.5" << true << -2.5f;
    QTest::newRow("blanks and plus") << "  +0.125" << true << 0.125f;
    QTest::newRow("point first") << ".5" << true << 0.5f;
    QTest::newRow("point last") << "5." << true << 5.0f;
    QTest::newRow("exponent") << "1.5e3" << true << 1500.0f;
    QTest::newRow("exponent without digits is left over") << "2e" << true << 2.0f;
    QTest::newRow("trailing text") << "7.25 psi" << true << 7.25f;
    QTest::newRow("D is no exponent here") << "1.5D+03" << true << 1.5f;
    QTest::newRow("hexadecimal") << "0x10" << true << 16.0f;
    QTest::newRow("rounded to float") << "0.1" << true << 0.1f;
    QTest::newRow("underflow reads as zero") << "1e-400" << true << 0.0f;
    QTest::newRow("largest float") << "3.4028234e38" << true << FLT_MAX;
    QTest::newRow("empty") << "" << false << 0.0f;
    QTest::newRow("letters") << "abc" << false << 0.0f;
    QTest::newRow("point alone") << "." << false << 0.0f;
    QTest::newRow("sign alone") << "-" << false << 0.0f;
    QTest::newRow("double sign") << "+-1" << false << 0.0f;
    QTest::newRow("nan") << "nan" << false << 0.0f;
    QTest::newRow("NAN with sign") << "-NAN" << false << 0.0f;
    QTest::newRow("inf") << "inf" << false << 0.0f;
    QTest::newRow("infinity") << "-Infinity" << false << 0.0f;
    QTest::newRow("beyond double") << "1e999" << false << 0.0f;
    QTest::newRow("beyond float") << "1e39" << false << 0.0f;
}

void TestDataExchange::readNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(float, value);
    const auto read = DataExchange::readNumber(text.toStdString());
    QCOMPARE(bool(read), readable);
    if (readable)
        QCOMPARE(*read, value);
}

void TestDataExchange::writeNumber_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("integer") << 250.0f << "250";
    QTest::newRow("six digits") << 1234.5678f << "1234.57";
    QTest::newRow("negative fraction") << -0.125f << "-0.125";
    QTest::newRow("float of a tenth") << 0.1f << "0.1";
    QTest::newRow("large") << 1.5e10f << "1.5e+010";
    QTest::newRow("small") << 2.5e-7f << "2.5e-007";
}

void TestDataExchange::writeNumber()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(DataExchange::writeNumber(value)), text);
}

void TestDataExchange::minMaxShowsWhatItWasGiven()
{
    const MinMaxScale scale(ScaleRange{-12.5f, 0.0f});
    QCOMPARE(scale.minText(), std::string("-12.5"));
    QCOMPARE(scale.maxText(), std::string("0"));
}

void TestDataExchange::minMaxTakesAnyTwoNumbers()
{
    // No order is demanded: a minimum above the maximum is handed back as entered.
    MinMaxScale scale(ScaleRange{0.0f, 1.0f});
    scale.editMin("  9.5 units");
    scale.editMax("-3");
    RecordingReporter reporter;
    QVERIFY(!scale.ok(reporter));
    QVERIFY(reporter.messages.empty());
    QCOMPARE(scale.range().min, 9.5f);
    QCOMPARE(scale.range().max, -3.0f);
}

void TestDataExchange::minMaxRefusesMaximumFirst()
{
    MinMaxScale scale(ScaleRange{0.0f, 1.0f});
    scale.editMin("");
    scale.editMax("x");
    RecordingReporter reporter;
    QCOMPARE(scale.ok(reporter), std::optional(MinMaxScale::Box::Maximum));
    scale.editMax("4");
    QCOMPARE(scale.ok(reporter), std::optional(MinMaxScale::Box::Minimum));
    QCOMPARE(reporter.messages, (std::vector<std::string>{"Please enter a number.", "Please enter a number."}));
}

void TestDataExchange::minMaxRefusedBoxKeepsTheRangeHandedIn()
{
    MinMaxScale scale(ScaleRange{2.0f, 3.0f});
    scale.editMax("7");
    scale.editMin("none");
    RecordingReporter reporter;
    QVERIFY(scale.ok(reporter));
    QCOMPARE(scale.range().min, 2.0f);
    QCOMPARE(scale.range().max, 3.0f);
}

void TestDataExchange::minMaxRefusesNotANumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("nan") << "nan";
    QTest::newRow("inf") << "inf";
    QTest::newRow("overflow") << "1e40";
}

void TestDataExchange::minMaxRefusesNotANumber()
{
    QFETCH(QString, text);
    MinMaxScale scale(ScaleRange{0.0f, 1.0f});
    scale.editMin(text.toStdString());
    RecordingReporter reporter;
    QCOMPARE(scale.ok(reporter), std::optional(MinMaxScale::Box::Minimum));
    QCOMPARE(reporter.messages, std::vector<std::string>{"Please enter a number."});
}

QTEST_GUILESS_MAIN(TestDataExchange)
#include "tst_DataExchange.moc"
