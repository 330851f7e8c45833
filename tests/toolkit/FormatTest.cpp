#include "Format.h"

#include <QLocale>

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace {

const TFormatSettings English; // "." and ","

TFormatSettings German()
{
    TFormatSettings settings;
    settings.DecimalSeparator = QStringLiteral(",");
    settings.ThousandSeparator = QStringLiteral(".");
    return settings;
}

QString F(const char* format, const TFormatArgs& args, const TFormatSettings& settings = English)
{
    return Format(QString::fromUtf8(format), args, settings);
}

} // namespace

TEST(Format, IntegersInDecimalAndUpperCaseHexadecimal)
{
    EXPECT_EQ(F("0x%.7x", {std::uint32_t(0x3019E2A)}), "0x3019E2A");
    EXPECT_EQ(F("0x%.8x %.8x", {std::uint32_t(0xA44F633C), std::uint32_t(0x50CCEB3E)}), "0xA44F633C 50CCEB3E");
    EXPECT_EQ(F("0x%.6x", {std::uint32_t(0x00CF15)}), "0x00CF15");
    EXPECT_EQ(F("0x%.16x", {std::uint64_t(0x600002191555EBDBull)}), "0x600002191555EBDB");
    EXPECT_EQ(F("%d", {std::uint64_t(0x600002191555EBDBull)}), "6917531334396472283");
    EXPECT_EQ(F("\\StringFileInfo\\%4.4x%4.4x\\%s", {0x0409, 0x04E4, "ProductName"}),
              "\\StringFileInfo\\040904E4\\ProductName");
    EXPECT_EQ(F("%X|%x", {255, 0}), "FF|0");
    // Negative integers are written in two's complement of their own width.
    EXPECT_EQ(F("%x", {-1}), "FFFFFFFF");
    EXPECT_EQ(F("%x", {std::int64_t(-2)}), "FFFFFFFFFFFFFFFE");
    EXPECT_EQ(F("%d;%.5d;%d", {8441621, -42, std::numeric_limits<std::int64_t>::min()}),
              "8441621;-00042;-9223372036854775808");
    EXPECT_EQ(F("%d", {std::numeric_limits<std::uint64_t>::max()}), "18446744073709551615");
    EXPECT_EQ(F("colwidth%d", {3}), "colwidth3");
}

TEST(Format, FixedAndGroupedUseTheGivenSeparators)
{
    EXPECT_EQ(F("%.2f", {3.14159L}), "3.14");
    EXPECT_EQ(F("%f", {2.5}), "2.50"); // two decimals unless told otherwise
    EXPECT_EQ(F("%.0f|%.1f", {7.0, -1.25}), "7|-1.2");
    EXPECT_EQ(F("%.3f", {-0.0004}), "0.000"); // no sign on a value shown as zero
    EXPECT_EQ(F("%.2f", {1E20L}), "100000000000000000000.00");
    const QString huge = F("%.1f", {1E4000L}); // just below 10^4000 in binary
    EXPECT_EQ(huge.size(), 4000 + 2);
    EXPECT_TRUE(huge.startsWith("9999999999999999999") && huge.endsWith(".0"));
    EXPECT_EQ(F("%n", {1234567.891L}), "1,234,567.89");
    EXPECT_EQ(F("%.0n|%.0n|%.1n", {999.0, 1000.0, -1234.5}), "999|1,000|-1,234.5");
    EXPECT_EQ(F("%n", {1234567.891L}, German()), "1.234.567,89");
    EXPECT_EQ(F("%.2f", {0.5}, German()), "0,50");
}

TEST(Format, GeneralGivesUpToFifteenSignificantDigits)
{
    EXPECT_EQ(F("%g", {0.1L}), "0.1");
    EXPECT_EQ(F("%g", {1.0L / 3}), "0.333333333333333");
    EXPECT_EQ(F("%g", {-2.0L / 3}), "-0.666666666666667");
    EXPECT_EQ(F("%g", {123456789012345.0L}), "123456789012345");
    EXPECT_EQ(F("%g", {1234567890123456.0L}), "1.23456789012346E15");
    EXPECT_EQ(F("%g|%g|%g", {100.0, 1E20, 0.00001}), "100|1E20|0.00001");
    EXPECT_EQ(F("%g|%g", {0.000001, -1.5E-300}), "1E-6|-1.5E-300");
    EXPECT_EQ(F("%g|%g|%g", {0.0, -0.0, 1E4000L}), "0|0|1E4000");
    EXPECT_EQ(F("%.3g|%.3g", {2.71828, 1234.5}), "2.72|1.23E3");
    EXPECT_EQ(F("%g", {2.5}, German()), "2,5");
    EXPECT_EQ(F("%g|%g|%f", {std::numeric_limits<long double>::quiet_NaN(),
                             std::numeric_limits<long double>::infinity(),
                             -std::numeric_limits<double>::infinity()}),
              "NAN|INF|-INF");
}

TEST(Format, ScientificTextsAndWidths)
{
    EXPECT_EQ(F("%e", {1234.5}), "1.23450000000000E+003");
    EXPECT_EQ(F("%.3e|%.2e", {-0.000123456, 0.0}), "-1.23E-004|0.0E+000");
    EXPECT_EQ(F("%.3e", {1E4000L}, German()), "1,00E+4000");
    EXPECT_EQ(F("[%8.2f][%-6d][%5s][%-5s][%.2s]", {3.14159, 42, "ab", "ab", "abc"}),
              "[    3.14][42    ][   ab][ab   ][ab]");
    EXPECT_EQ(F("100%% of %s", {QStringLiteral("Zürich")}), "100% of Zürich");
    EXPECT_EQ(F("OK: file %s saved", {"/tmp/a.txt"}), "OK: file /tmp/a.txt saved");
}

TEST(Format, MismatchedFormatsAreErrorsNeverGuesses)
{
    const struct {
        const char* Format;
        TFormatArgs Args;
    } cases[] = {
        {"%d", {2.5}},        {"%x", {2.5}},        {"%f", {5}},       {"%g", {"5"}},
        {"%s", {5}},          {"%d", {}},           {"%d %d", {1}},    {"abc", {1}},
        {"%q", {1}},          {"%", {1}},           {"%5", {1}},       {"%*d", {1, 2}},
        {"%1:d", {1}},        {"%99999d", {1}},     {"%.2000f", {1.0}}, {"%.2f%", {1.0}},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(TryFormat(c.Format, c.Args, English).has_value()) << c.Format;
        EXPECT_THROW(Format(c.Format, c.Args, English), EFormatError) << c.Format;
    }
    try {
        Format("%d", {2.5});
        FAIL();
    } catch (const EFormatError& error) {
        EXPECT_STREQ(error.what(), "Format '%d' invalid or incompatible with argument");
    }
    EXPECT_EQ(TryFormat("%.f|%1024s", {2.5, ""}, English)->size(), 1 + 1 + 1024);
}

TEST(Format, UserNumberFormatsFallBackToGeneral)
{
    EXPECT_EQ(FormatFloatOrGeneral("%.2f", 3.14159L, English), "3.14");
    EXPECT_EQ(FormatFloatOrGeneral("Total: %.1n", 1234.56L, German()), "Total: 1.234,6");
    for (const char* format : {"%d", "%.2f %.2f", "", "%s", "%.2f%"})
        EXPECT_EQ(FormatFloatOrGeneral(format, 2.5L, English), "2.5") << format;
}

TEST(Format, SystemSeparatorsComeFromTheLocale)
{
    const QLocale locale = QLocale::system();
    const TFormatSettings& system = TFormatSettings::System();
    EXPECT_EQ(system.DecimalSeparator, locale.decimalPoint().isEmpty() ? "." : locale.decimalPoint());
    EXPECT_EQ(system.ThousandSeparator, locale.groupSeparator().isEmpty() ? "," : locale.groupSeparator());
    EXPECT_EQ(Format("%.1f", {0.5}), "0" + system.DecimalSeparator + "5");
}
