#include "DateTimeFormat.h"

#include <gtest/gtest.h>

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
// Thursday, 5 March 2026, 07:08:09
const QDateTime When(QDate(2026, 3, 5), QTime(7, 8, 9));

QString Format(const char* pattern, const QDateTime& when = When, const QLocale& locale = English)
{
    return FormatDateTime(QString::fromUtf8(pattern), when, locale);
}

} // namespace

TEST(DateTimeFormat, PrintOptionDefaultsAndNumericFields)
{
    EXPECT_EQ(Format("yyyy-mm-dd"), "2026-03-05");
    EXPECT_EQ(Format("hh:nn"), "07:08");
    EXPECT_EQ(Format("hh:nn:ss"), "07:08:09");
    EXPECT_EQ(Format("h:n:s"), "7:8:9");
    EXPECT_EQ(Format("d.m.yy"), "5.3.26");
    EXPECT_EQ(Format("h:nn", QDateTime(QDate(987, 12, 31), QTime(0, 0, 0))), "0:00");
    EXPECT_EQ(Format("yyyy yy", QDateTime(QDate(987, 12, 31), QTime(0, 0, 0))), "0987 87");
    EXPECT_EQ(Format("dd/mm hh", QDateTime(QDate(2026, 11, 23), QTime(23, 59, 0))), "23/11 23");
    EXPECT_EQ(Format(""), "");
}

TEST(DateTimeFormat, MonthAfterHourIsMinutes)
{
    EXPECT_EQ(Format("hh:mm"), "07:08");
    EXPECT_EQ(Format("h:m"), "7:8");
    EXPECT_EQ(Format("hh'h'mm"), "07h08"); // quoted text does not end the hour
    EXPECT_EQ(Format("mm hh"), "03 07");
    EXPECT_EQ(Format("hh x mm"), "07 x 03"); // another letter comes between
    EXPECT_EQ(Format("hh:mm:mm"), "07:08:03");
    EXPECT_EQ(Format("hh mmmm"), "07 March"); // names stay months
}

TEST(DateTimeFormat, NamesComeFromTheLocale)
{
    EXPECT_EQ(Format("d mmmm yyyy"), "5 March 2026");
    EXPECT_EQ(Format("ddd d mmm"), "Thu 5 Mar");
    EXPECT_EQ(Format("dddd"), "Thursday");
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(Format("dddd, d. mmmm", When, german), QString::fromUtf8("Donnerstag, 5. März"));
}

TEST(DateTimeFormat, LongestPatternFirstAndEitherCase)
{
    EXPECT_EQ(Format("ddddd"), "Thursday5");
    EXPECT_EQ(Format("yyy"), "26y");
    EXPECT_EQ(Format("y"), "y");
    EXPECT_EQ(Format("mmmmm"), "March3");
    EXPECT_EQ(Format("hhh"), "077");
    EXPECT_EQ(Format("YYYY-MM-DD HH:NN"), "2026-03-05 07:08");
}

TEST(DateTimeFormat, LiteralTextAndOtherCharacters)
{
    EXPECT_EQ(Format("'Printed' yyyy"), "Printed 2026");
    EXPECT_EQ(Format("\"at\" hh:nn"), "at 07:08");
    EXPECT_EQ(Format("'it''s' d"), "its 5");
    EXPECT_EQ(Format("\"'dd'\""), "'dd'");
    EXPECT_EQ(Format("yyyy 'rest mm dd"), "2026 rest mm dd"); // unmatched quote runs to the end
    EXPECT_EQ(Format("yyyy/mm/dd, [z] #1 t"), "2026/03/05, [z] #1 t");
    EXPECT_EQ(Format("'"), "");
}

TEST(DateTimeFormat, InvalidDateTimeGivesZerosNotACrash)
{
    EXPECT_EQ(Format("yyyy-mm-dd hh:nn:ss", QDateTime()), "0000-00-00 00:00:00");
    EXPECT_EQ(Format("dddd mmmm", QDateTime()), " ");
}
