#include "data/NumberParsing.h"

#include <QTest>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

// The seam format's atoi and atof, checked against the C library itself:
// every value must be bit for bit what strtod makes of the number the format
// spells at the start of the same text (and, for the values of a data line,
// that double rounded to float).
class TestNumberParsing : public QObject
{
    Q_OBJECT

private slots:
    void leadingInt_data();
    void leadingInt();
    void leadingIntMatchesStrtol();

    void leadingDouble_data();
    void leadingDouble();
    void randomDecimalsMatchStrtod();
    void randomHexAndSpecialsReadOnlyDecimals();
    void longFortranMantissaComesBackIntoRange();
    void fieldValuesOfRandomLinesMatchStrtod();
    void printedValuesMatchStrtod_data();
    void printedValuesMatchStrtod();

    void trimmed_data();
    void trimmed();
};

namespace {

std::uint64_t bitsOf(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::uint32_t bitsOf(float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// strtod of the text with every D spelt as e: what atof of a Fortran number
// means, for the numbers of the seam format only. Where no digit (or point and
// digit) follows the blanks and the sign, as in nan, inf and infinity, nothing
// is read; of a hexadecimal number only its leading 0.
double referenceValue(std::string text)
{
    const std::size_t start = text.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string::npos)
        return 0.0;
    const std::size_t digits = text[start] == '+' || text[start] == '-' ? start + 1 : start;
    const bool number = digits < text.size()
                        && (isDigit(text[digits]) || (text[digits] == '.' && digits + 1 < text.size()
                                                      && isDigit(text[digits + 1])));
    if (!number)
        return 0.0;
    if (text.compare(digits, 2, "0x") == 0 || text.compare(digits, 2, "0X") == 0)
        text.resize(digits + 1);
    std::replace_if(text.begin(), text.end(), [](char c) { return c == 'd' || c == 'D'; }, 'e');
    return std::strtod(text.c_str(), nullptr);
}

class TextMaker
{
public:
    explicit TextMaker(std::uint64_t seed) : m_random(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }

    std::string digits(int count, const char *alphabet = "0123456789")
    {
        const int size = static_cast<int>(std::strlen(alphabet));
        std::string text;
        for (int i = 0; i < count; ++i)
            text += alphabet[below(size)];
        return text;
    }

    std::string blanks()
    {
        static const char spaces[] = {' ', '\t', '\v', '\f', '\r', '\n'};
        std::string text;
        for (int n = chance(30) ? below(4) : 0; n > 0; --n)
            text += spaces[below(6)];
        return text;
    }

    std::string sign()
    {
        const int roll = below(10);
        return roll < 3 ? "-" : roll < 5 ? "+" : "";
    }

    // An exponent value spread over the whole range, with extra weight at the
    // edges where doubles overflow, turn subnormal and underflow.
    int exponent()
    {
        static const int edges[] = {308, 309, -307, -308, -310, -320, -323, -324, -325, -330, 0, 22, 23, -22};
        if (chance(40))
            return edges[below(14)] + below(5) - 2;
        return below(801) - 400;
    }

    std::string garbageSuffix()
    {
        static const char *const suffixes[] = {"", "", "", ",", " ", "abc", "e", "E+", "d", "D-", ".", "..5", "x", "+1", "e5e5"};
        return suffixes[below(15)];
    }

    std::string decimal()
    {
        std::string text = blanks() + sign();
        const int whole = chance(10) ? 0 : below(chance(10) ? 40 : 9);
        text += chance(20) ? std::string(static_cast<std::size_t>(below(4)), '0') + digits(whole) : digits(whole);
        if (chance(70)) {
            text += '.';
            text += digits(below(chance(10) ? 40 : 10));
        }
        if (chance(70)) {
            static const char marks[] = {'e', 'E', 'd', 'D'};
            text += marks[below(4)];
            const int value = exponent();
            text += value < 0 ? "-" : (chance(50) ? "+" : "");
            const std::string number = std::to_string(std::abs(value));
            text += (chance(20) ? "00" : "") + number;
        }
        return text + garbageSuffix();
    }

    std::string hexOrSpecial()
    {
        std::string text = blanks() + sign();
        switch (below(4)) {
        case 0: {
            static const char *const names[] = {"inf", "INF", "Infinity", "infinit", "nan", "NaN", "nan()", "nan(12)", "nan(abc_1)", "nan(", "in", "na"};
            return text + names[below(12)] + garbageSuffix();
        }
        case 1:
        case 2: {
            text += chance(50) ? "0x" : "0X";
            text += digits(below(18), "0123456789abcdefABCDEF");
            if (chance(50))
                text += "." + digits(below(16), "0123456789abcdef");
            if (chance(70)) {
                text += chance(50) ? 'p' : 'P';
                text += sign() + std::to_string(below(2300) - 1150);
            }
            return text + garbageSuffix();
        }
        default:
            return text + digits(below(6), "0123456789.eE+-xX, \tabcdnNiI");
        }
    }

private:
    std::mt19937_64 m_random;
};

} // namespace

void TestNumberParsing::leadingInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << "42" << 42;
    QTest::newRow("leading blanks and tab") << " \t 42" << 42;
    QTest::newRow("stops at the first non-digit") << "42abc" << 42;
    QTest::newRow("decimal point ends it") << "3.9" << 3;
    QTest::newRow("leading zeros stay decimal") << "007" << 7;
    QTest::newRow("hex is not read") << "0x10" << 0;
    QTest::newRow("negative") << "-17" << -17;
    QTest::newRow("plus sign") << "+5" << 5;
    QTest::newRow("blank after the sign") << "- 5" << 0;
    QTest::newRow("two signs") << "--5" << 0;
    QTest::newRow("no digits") << "names" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("trailing blank kept out") << "18 " << 18;
    QTest::newRow("saturates high") << "99999999999999999999" << INT_MAX;
    QTest::newRow("saturates low") << "-99999999999999999999" << INT_MIN;
    QTest::newRow("largest") << "2147483647" << INT_MAX;
    QTest::newRow("smallest") << "-2147483648" << INT_MIN;
}

void TestNumberParsing::leadingInt()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(NumberParsing::leadingInt(text.toStdString()), expected);
}

void TestNumberParsing::leadingIntMatchesStrtol()
{
    TextMaker maker(7);
    for (int i = 0; i < 20000; ++i) {
        const std::string text = maker.blanks() + maker.sign() + maker.digits(maker.below(10)) + maker.garbageSuffix();
        const long expected = std::strtol(text.c_str(), nullptr, 10);
        QVERIFY2(NumberParsing::leadingInt(text) == static_cast<int>(expected), text.c_str());
    }
}

void TestNumberParsing::leadingDouble_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("E exponent") << "1.5E+03" << 1500.0;
    QTest::newRow("e exponent") << "1.5e3" << 1500.0;
    QTest::newRow("D exponent") << "1.5D+03" << 1500.0;
    QTest::newRow("d exponent") << "1.5d-3" << 0.0015;
    QTest::newRow("D without digits ends the number") << "2.5D" << 2.5;
    QTest::newRow("D and sign without digits") << "2.5D+" << 2.5;
    QTest::newRow("leading blanks") << "   -7.25" << -7.25;
    QTest::newRow("only a point and digits") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("stops at a blank") << "1.0 2.0" << 1.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("not a number") << "abc" << 0.0;
    // Only what the format's grammar spells is a number.
    QTest::newRow("hexadecimal reads its 0") << "0x1A" << 0.0;
    QTest::newRow("hexadecimal with a point") << "-0x1.8p3" << -0.0;
    QTest::newRow("0x alone is the 0") << "0x" << 0.0;
    QTest::newRow("nan") << "nan" << 0.0;
    QTest::newRow("NaN with payload") << "NaN(12)" << 0.0;
    QTest::newRow("inf") << "inf" << 0.0;
    QTest::newRow("negative infinity") << " -Infinity" << 0.0;
    QTest::newRow("a point alone") << "." << 0.0;
    QTest::newRow("overflow") << "1e400" << HUGE_VAL;
    QTest::newRow("negative overflow") << "-1.0D999" << -HUGE_VAL;
    QTest::newRow("underflow") << "1e-400" << 0.0;
    QTest::newRow("zero with a huge exponent") << "0e999" << 0.0;
}

void TestNumberParsing::leadingDouble()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double value = NumberParsing::leadingDouble(text.toStdString());
    QCOMPARE(bitsOf(value), bitsOf(expected));
}

void TestNumberParsing::randomDecimalsMatchStrtod()
{
    TextMaker maker(20240611);
    for (int i = 0; i < 200000; ++i) {
        const std::string text = maker.decimal();
        const double value = NumberParsing::leadingDouble(text);
        const double expected = referenceValue(text);
        if (bitsOf(value) != bitsOf(expected))
            QFAIL(qPrintable(QString("\"%1\": %2 instead of %3").arg(QString::fromStdString(text)).arg(value, 0, 'g', 17).arg(expected, 0, 'g', 17)));
        // The grid keeps float32: atof's double rounded once more.
        QCOMPARE(bitsOf(static_cast<float>(value)), bitsOf(static_cast<float>(expected)));
    }
}

void TestNumberParsing::randomHexAndSpecialsReadOnlyDecimals()
{
    TextMaker maker(99);
    for (int i = 0; i < 50000; ++i) {
        const std::string text = maker.hexOrSpecial();
        const double value = NumberParsing::leadingDouble(text);
        const double expected = referenceValue(text);
        if (bitsOf(value) != bitsOf(expected))
            QFAIL(qPrintable(QString("\"%1\": %2 instead of %3").arg(QString::fromStdString(text)).arg(value, 0, 'g', 17).arg(expected, 0, 'g', 17)));
    }
}

void TestNumberParsing::longFortranMantissaComesBackIntoRange()
{
    // 400 digits overflow on their own; the D exponent brings the value back to 1e99.
    const std::string big = "1" + std::string(399, '0') + "D-300";
    QCOMPARE(NumberParsing::leadingDouble(big), referenceValue(big));
    QCOMPARE(NumberParsing::leadingDouble(big), 1e99);
    const std::string tiny = "0." + std::string(399, '0') + "1d+400";
    QCOMPARE(NumberParsing::leadingDouble(tiny), referenceValue(tiny));
    QCOMPARE(NumberParsing::leadingDouble(tiny), 1.0);
}

void TestNumberParsing::fieldValuesOfRandomLinesMatchStrtod()
{
    // Lines of every kind of field, plain and not, each read where the last ended.
    TextMaker maker(4711);
    for (int line = 0; line < 20000; ++line) {
        std::vector<std::string> fields;
        std::string text;
        for (int n = maker.below(6); n >= 0; --n) {
            std::string field = maker.chance(80) ? maker.decimal() : maker.hexOrSpecial();
            field.erase(std::remove(field.begin(), field.end(), ','), field.end());
            text += (fields.empty() ? "" : ",") + field;
            fields.push_back(field);
        }
        // One more value than fields: a missing field reads 0.
        std::vector<float> values(fields.size() + 1, -1.0f);
        NumberParsing::fieldValues(text, values.data(), static_cast<int>(values.size()));
        for (std::size_t k = 0; k < fields.size(); ++k) {
            const float expected = static_cast<float>(referenceValue(fields[k]));
            if (bitsOf(values[k]) != bitsOf(expected))
                QFAIL(qPrintable(QString("\"%1\" in \"%2\": %3 instead of %4").arg(QString::fromStdString(fields[k]), QString::fromStdString(text)).arg(values[k], 0, 'g', 9).arg(expected, 0, 'g', 9)));
        }
        QCOMPARE(bitsOf(values.back()), bitsOf(0.0f));
        // The same line as it stands in a file, followed by its line end.
        for (const char *lineEnd : {"\n", "\r\n"}) {
            const std::string inFile = text + lineEnd;
            std::vector<float> fromFile(values.size(), -1.0f);
            NumberParsing::fieldValuesBeforeLineEnd(std::string_view(inFile.data(), text.size()), fromFile.data(),
                                                    static_cast<int>(fromFile.size()));
            for (std::size_t k = 0; k < values.size(); ++k)
                QVERIFY2(bitsOf(fromFile[k]) == bitsOf(values[k]), inFile.c_str());
        }
    }
}

void TestNumberParsing::printedValuesMatchStrtod_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("nearFloatMidpoints");
    QTest::newRow("Fortran E") << "%12.5E" << false;
    QTest::newRow("Fortran D") << "%15.8D" << false;
    QTest::newRow("shortest that reads back") << "%.17g" << false;
    QTest::newRow("fixed") << "%f" << false;
    QTest::newRow("few digits") << "%.2e" << false;
    QTest::newRow("float precision") << "%.9g" << false;
    // Where a double one unit off would round to the other float.
    QTest::newRow("halfway between two floats") << "%.16g" << true;
}

void TestNumberParsing::printedValuesMatchStrtod()
{
    // Numbers as programs print them, over the whole range of magnitudes, so that
    // the fast path and the full reading both meet their edges.
    QFETCH(QString, format);
    QFETCH(bool, nearFloatMidpoints);
    const bool fortran = format.endsWith('D');
    const std::string printf = fortran ? format.chopped(1).toStdString() + "E" : format.toStdString();
    std::mt19937_64 random(1234);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-330, 308);
    char text[400];
    for (int i = 0; i < 100000; ++i) {
        double number = mantissa(random) * std::pow(10.0, i % 2 ? exponent(random) : exponent(random) / 15);
        if (nearFloatMidpoints) {
            const float below = static_cast<float>(mantissa(random) * std::pow(10.0, exponent(random) / 9));
            number = (static_cast<double>(below) + std::nextafter(below, HUGE_VALF)) / 2.0;
        }
        std::snprintf(text, sizeof text, printf.c_str(), number);
        if (fortran)
            std::replace(text, text + std::strlen(text), 'E', 'D');
        // Alone, and as the first of many fields (the window reads past it, into the line).
        const std::string line = std::string(text) + ", 1.0, 2.0, 3.0, 4.0, 5.0, 6.0";
        const float expected = static_cast<float>(referenceValue(text));
        float values[2] = {};
        NumberParsing::fieldValues(std::string_view(text), values, 1);
        NumberParsing::fieldValues(std::string_view(line), values + 1, 1);
        QVERIFY2(bitsOf(values[0]) == bitsOf(expected), text);
        QVERIFY2(bitsOf(values[1]) == bitsOf(expected), text);
    }
}

void TestNumberParsing::trimmed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("both ends, inner blanks kept") << "  Vertical  Stress \t" << "Vertical  Stress";
    QTest::newRow("nothing to trim") << "MPa" << "MPa";
    QTest::newRow("blanks only") << " \t " << "";
    QTest::newRow("carriage return") << "mm\r" << "mm";
}

void TestNumberParsing::trimmed()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const std::string value = text.toStdString();
    QCOMPARE(QString::fromStdString(std::string(NumberParsing::trimmed(value))), expected);
}

QTEST_GUILESS_MAIN(TestNumberParsing)
#include "tst_NumberParsing.moc"
