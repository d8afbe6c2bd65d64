#include "data/NumberFormat.h"

#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void general_data();
    void general();
    void fixed_data();
    void fixed();
    void integer_data();
    void integer();
    void generalAgreesWithTheCLibrary_data();
    void generalAgreesWithTheCLibrary();
    void fixedAgreesWithTheCLibrary();
    void appendsToWhatIsThere();
};

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// The C library's "%.{p}g", its exponent widened to three digits, then padded to
// the width: the width of the three-digit form counts, as on the platform the
// files come from.
QString libraryGeneral(double value, int precision, int width)
{
    char text[512];
    std::snprintf(text, sizeof text, "%.*g", precision, value);
    QString result = QString::fromLatin1(text);
    static const QRegularExpression twoDigitExponent("e([+-])(\\d\\d)$");
    result.replace(twoDigitExponent, "e\\10\\2");
    return result.rightJustified(width, ' ');
}

} // namespace

void TestNumberFormat::general_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");

    // "%g"
    QTest::newRow("zero") << 0.0 << 6 << 0 << "0";
    QTest::newRow("negative zero") << -0.0 << 6 << 0 << "-0";
    QTest::newRow("12.5") << 12.5 << 6 << 0 << "12.5";
    QTest::newRow("six digits stay plain") << 123456.0 << 6 << 0 << "123456";
    QTest::newRow("rounded to six digits") << 3.14159265 << 6 << 0 << "3.14159";
    QTest::newRow("1e6 switches to exponent") << 1e6 << 6 << 0 << "1e+006";
    QTest::newRow("seven digits round") << 1234567.0 << 6 << 0 << "1.23457e+006";
    QTest::newRow("1.5e10") << 1.5e10 << 6 << 0 << "1.5e+010";
    QTest::newRow("1e-4 stays plain") << 1e-4 << 6 << 0 << "0.0001";
    QTest::newRow("1e-5") << 1e-5 << 6 << 0 << "1e-005";
    QTest::newRow("-2.5e100 has three digits already") << -2.5e100 << 6 << 0 << "-2.5e+100";
    QTest::newRow("largest double") << 1.7976931348623157e308 << 6 << 0 << "1.79769e+308";
    QTest::newRow("smallest subnormal") << 4.9406564584124654e-324 << 6 << 0 << "4.94066e-324";
    QTest::newRow("float 0.1 as double") << static_cast<double>(0.1f) << 6 << 0 << "0.1";
    QTest::newRow("rounding carries into the exponent") << 999999.5 << 6 << 0 << "1e+006";
    QTest::newRow("infinity") << inf << 6 << 0 << "inf";
    QTest::newRow("minus infinity") << -inf << 6 << 0 << "-inf";
    QTest::newRow("nan") << std::nan("") << 6 << 0 << "nan";
    // "%12g"
    QTest::newRow("%12g zero") << 0.0 << 6 << 12 << "           0";
    QTest::newRow("%12g exponent") << 1.5e10 << 6 << 12 << "    1.5e+010";
    QTest::newRow("%12g negative") << -0.000123456 << 6 << 12 << "-0.000123456";
    QTest::newRow("%12g wider than the width") << -1.23456e-100 << 6 << 12 << "-1.23456e-100";
    // "%15.6g" and "%15.6lg"
    QTest::newRow("%15.6g zero") << 0.0 << 6 << 15 << "              0";
    QTest::newRow("%15.6g 12.5") << 12.5 << 6 << 15 << "           12.5";
    QTest::newRow("%15.6g small") << 1.23456789e-7 << 6 << 15 << "   1.23457e-007";
    // "%12.5g"
    QTest::newRow("%12.5g pi") << 3.14159265 << 5 << 12 << "      3.1416";
    QTest::newRow("%12.5g exponent") << 123456.0 << 5 << 12 << " 1.2346e+005";
    QTest::newRow("%.0g is one digit") << 26.0 << 0 << 0 << "3e+001";
}

void TestNumberFormat::general()
{
    QFETCH(double, value);
    QFETCH(int, precision);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(NumberFormat::general(value, precision, width)), expected);
}

void TestNumberFormat::fixed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    // "%12f"
    QTest::newRow("zero") << 0.0 << "    0.000000";
    QTest::newRow("1.5") << 1.5 << "    1.500000";
    QTest::newRow("negative") << -0.25 << "   -0.250000";
    QTest::newRow("rounded at six decimals") << 2.0000005000001 << "    2.000001";
    QTest::newRow("float 0.1") << static_cast<double>(0.1f) << "    0.100000";
    QTest::newRow("wider than the width") << 1e10 << "10000000000.000000";
    QTest::newRow("never an exponent") << 1e-7 << "    0.000000";
    QTest::newRow("infinity") << inf << "         inf";
}

void TestNumberFormat::fixed()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(NumberFormat::fixed(value, 6, 12)), expected);
}

void TestNumberFormat::integer_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::newRow("%i") << 7 << 0 << "7";
    QTest::newRow("%i negative") << -12 << 0 << "-12";
    QTest::newRow("%3i 0") << 0 << 3 << "  0";
    QTest::newRow("%3i 10") << 10 << 3 << " 10";
    QTest::newRow("%3i 100") << 100 << 3 << "100";
    QTest::newRow("%3i wider") << 1234 << 3 << "1234";
    QTest::newRow("%i lowest") << std::numeric_limits<int>::min() << 0 << "-2147483648";
}

void TestNumberFormat::integer()
{
    QFETCH(int, value);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(NumberFormat::integer(value, width)), expected);
}

void TestNumberFormat::generalAgreesWithTheCLibrary_data()
{
    QTest::addColumn<int>("precision");
    QTest::addColumn<int>("width");
    QTest::newRow("%g") << 6 << 0;
    QTest::newRow("%12g") << 6 << 12;
    QTest::newRow("%15.6g") << 6 << 15;
    QTest::newRow("%12.5g") << 5 << 12;
}

void TestNumberFormat::generalAgreesWithTheCLibrary()
{
    QFETCH(int, precision);
    QFETCH(int, width);
    // Random bit patterns cover every magnitude; floats and values near the
    // rounding edge of six digits cover what the files hold.
    std::mt19937_64 random(20240607);
    std::uniform_real_distribution<double> nearEdge(0.5, 1.5);
    for (int i = 0; i < 50000; ++i) {
        double value = 0.0;
        const std::uint64_t bits = random();
        switch (i % 4) {
        case 0:
            std::memcpy(&value, &bits, sizeof value);
            break;
        case 1: {
            float single = 0.0f;
            const auto half = static_cast<std::uint32_t>(bits);
            std::memcpy(&single, &half, sizeof single);
            value = single;
            break;
        }
        case 2:
            value = std::ldexp(nearEdge(random), static_cast<int>(bits % 80) - 40);
            break;
        default:
            value = std::round(nearEdge(random) * 1e6) * std::pow(10.0, static_cast<int>(bits % 24) - 12) + 0.5;
            break;
        }
        const QString ours = QString::fromStdString(NumberFormat::general(value, precision, width));
        const QString library = libraryGeneral(value, precision, width);
        if (ours != library)
            QFAIL(qPrintable(QString("%1: ours '%2', C library '%3'").arg(value, 0, 'g', 17).arg(ours, library)));
    }
}

void TestNumberFormat::fixedAgreesWithTheCLibrary()
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    for (int i = 0; i < 50000; ++i) {
        const double value = std::ldexp(mantissa(random), static_cast<int>(random() % 120) - 60);
        char text[512];
        std::snprintf(text, sizeof text, "%12f", value);
        const std::string ours = NumberFormat::fixed(value, 6, 12);
        if (ours != text)
            QFAIL(qPrintable(QString("%1: ours '%2', C library '%3'")
                                 .arg(value, 0, 'g', 17)
                                 .arg(QString::fromStdString(ours), QString::fromLatin1(text))));
    }
}

void TestNumberFormat::appendsToWhatIsThere()
{
    std::string line = "X Max ";
    NumberFormat::appendGeneral(line, 25.0);
    line += ", ";
    NumberFormat::appendInteger(line, 4, 3);
    line += ", ";
    NumberFormat::appendFixed(line, 1.0, 6, 12);
    QCOMPARE(QString::fromStdString(line), QString("X Max 25,   4,     1.000000"));
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_NumberFormat.moc"
