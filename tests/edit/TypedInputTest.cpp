// The text rules of typed fields, with both separator conventions: "." decimal and
// "," thousands, and "," decimal and "." thousands.

#include "EditSeparators.h"
#include "TypedInput.h"
#include "TypedLocale.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace TypedInput;

class TypedInputRules : public TypedLocaleTest {};

TEST_P(TypedInputRules, ClassifyNumberSortsIntegersFloatsHexAndTheRest)
{
    EXPECT_EQ(ClassifyNumber(""), ncNotANumber);
    EXPECT_EQ(ClassifyNumber("-12"), ncInteger);
    EXPECT_EQ(ClassifyNumber(L("1,234.5")), ncFloat);
    EXPECT_EQ(ClassifyNumber(L("1.2.3")), ncNotANumber);
    EXPECT_EQ(ClassifyNumber("--1"), ncNotANumber);
    EXPECT_EQ(ClassifyNumber("FF"), ncHexadecimal);
    EXPECT_EQ(ClassifyNumber("12AB"), ncHexadecimal);
    EXPECT_EQ(ClassifyNumber(L(",123")), ncNotANumber);
    // Thousands separators need two characters between them; a blank is no digit.
    EXPECT_EQ(ClassifyNumber(L("1,,2")), ncNotANumber);
    EXPECT_EQ(ClassifyNumber("1 2"), ncNotANumber);
    EXPECT_EQ(ClassifyNumber("-fe"), ncHexadecimal);
    EXPECT_EQ(ClassifyNumber("12G"), ncNotANumber);
}

TEST_P(TypedInputRules, ToFloatReadsTheLocaleNotationAndGivesZeroOtherwise)
{
    EXPECT_EQ(ToFloat(L("1,234.5")), 1234.5L);
    EXPECT_EQ(ToFloat(L("-0.25")), -0.25L);
    EXPECT_EQ(ToFloat(L("12.")), 12.0L);
    EXPECT_EQ(ToFloat(L("1.5E3")), 1500.0L);
    for (const char* bad : {"", "-", "abc", "1-2", "1e", "0x10"})
        EXPECT_EQ(ToFloat(L(bad)), 0.0L) << bad;
    // Thousands separators are dropped wherever they stand.
    EXPECT_EQ(ToFloat(L("1,5")), 15.0L);
}

TEST_P(TypedInputRules, HexValuesAndHexTexts)
{
    EXPECT_EQ(HexValue("FF"), 255.0L);
    EXPECT_EQ(HexValue("-1a"), 26.0L);  // the sign counts as a digit 0
    EXPECT_EQ(HexValue("1G"), 16.0L);
    // Far beyond 64 bits, and past the extended range, without a NaN.
    EXPECT_EQ(HexValue("1" + QString(20, '0')), std::ldexp(1.0L, 80));
    EXPECT_TRUE(std::isinf(HexValue("F" + QString(5000, '0'))));
    EXPECT_EQ(HexValue(QString(5000, '0') + "A"), 10.0L);

    // No "-0", and no sign on a value too large to write.
    EXPECT_EQ(HexText(-0.5L), "0");
    EXPECT_EQ(HexText(-std::ldexp(1.0L, 70)), "0");
    EXPECT_EQ(HexText(qint64(0)), "0");
}

TEST_P(TypedInputRules, RegroupThousandsRewritesOnlyTheIntegerPart)
{
    EXPECT_EQ(RegroupThousands("1234", 1234, true), L("1,234"));
    EXPECT_EQ(RegroupThousands(L("-1234567.5"), -1234567.5L, true), L("-1,234,567.5"));
    EXPECT_EQ(RegroupThousands(L("1,234.50"), 1234.5L, false), L("1234.50"));
    EXPECT_EQ(RegroupThousands(L("12."), 12, true), L("12."));
    EXPECT_EQ(RegroupThousands("", 0, true), "");
}

TEST_P(TypedInputRules, SeparatorsOnlyWhereTheNearestGroupIsThreeAway)
{
    EXPECT_TRUE(SeparatorCheck("1234", 1));
    EXPECT_TRUE(SeparatorCheck(L("1,234"), 5));
    EXPECT_FALSE(SeparatorCheck(L("1,234"), 3));
    EXPECT_FALSE(SeparatorCheck(L("1,234567"), 7));
    EXPECT_TRUE(SeparatorCheck(L("1,234,567"), 9));
    EXPECT_FALSE(SeparatorCheck(L("1,234,567"), 5));

    EXPECT_TRUE(DecimalsFull(L("1.25"), 3, 2));
    EXPECT_TRUE(DecimalsFull(L("1.25"), 4, 2));
    EXPECT_FALSE(DecimalsFull(L("1.25"), 1, 2));
    EXPECT_FALSE(DecimalsFull(L("1.2"), 3, 2));
    EXPECT_FALSE(DecimalsFull(L("1.25"), 3, 0));
}

INSTANTIATE_TYPED_LOCALES(TypedInputRules);

TEST(TypedInputCasing, MixedCaseCapitalisesNamesMcAndRomanNumerals)
{
    EXPECT_EQ(MixedCase("o'neil-smith jr."), "O'Neil-Smith Jr.");
    EXPECT_EQ(MixedCase("mcdonald"), "McDonald");
    EXPECT_EQ(MixedCase("peter mcgregor"), "Peter McGregor");
    EXPECT_EQ(MixedCase("HENRY viii"), "Henry Viii");
    EXPECT_EQ(MixedCase("john smith ii"), "John Smith II");
    EXPECT_EQ(MixedCase("john smith iii"), "John Smith III");
    // Only the first " Mc" counts; non-ASCII letters keep their case.
    EXPECT_EQ(MixedCase("ann mcrae mcbride"), "Ann McRae Mcbride");
    EXPECT_EQ(MixedCase("ÉMILE"), "Émile");
    EXPECT_EQ(MixedCase(""), "");
}

TEST(TypedInputCasing, SimpleCaseMappingKeepsTheLength)
{
    EXPECT_EQ(ToUpperSimple("straße"), "STRAßE");
    EXPECT_EQ(ToLowerSimple("İSTANBUL").size(), 8);
    const QString deseretSmall = QString::fromUcs4(U"\U00010428x");
    const QString deseretCapital = QString::fromUcs4(U"\U00010400X");
    EXPECT_EQ(ToUpperSimple(deseretSmall), deseretCapital);
    EXPECT_EQ(ToLowerSimple(deseretCapital), deseretSmall);
    // A lone surrogate half stays as it is.
    const QString lone = QString(QChar(0xD801)) + "a";
    EXPECT_EQ(ToUpperSimple(lone), QString(QChar(0xD801)) + "A");
    EXPECT_TRUE(IsAlphaNumericText("AB12z"));
    EXPECT_FALSE(IsAlphaNumericText("AB-12"));
    EXPECT_FALSE(IsAlphaNumericText("Ä1"));
}
