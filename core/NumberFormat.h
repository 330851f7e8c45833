#pragma once
// The text a spreadsheet shows for a number in a cell, from the cell's number
// format: "General" as up to 15 significant digits (1234, never 1234.0), digits
// with leading zeros ("00000" shows 1 as 00001), fixed decimals, thousands
// grouping, percent, scientific notation and literal text around them; a date or
// time in ISO form (2026-12-09, 2026-12-09 08:30:00), whatever order the format
// gives its parts in, so that dates read the same in every locale.

#include <string>
#include <string_view>
#include <vector>

class TNumberFormat {
public:
    TNumberFormat() = default; // General
    // A format code such as "0.00", "00000", "#,##0 \"kg\"", "dd/mm/yyyy" or
    // "0;[Red]-0"; one that cannot be read shows numbers as General does.
    static TNumberFormat FromCode(std::string_view code);
    // One of the formats a workbook names by number alone (0 General, 1 "0",
    // 14 a date, 49 text, ...).
    static TNumberFormat Builtin(int id);

    // The text shown for `value`; dates count days from 1900 (with its
    // fictitious 29 February) or, when `date1904`, from 1904.
    std::string Show(double value, bool date1904 = false) const;

    enum class TKind : unsigned char { General, Number, Date };
    // What one section of a format shows.
    struct TSection {
        TKind Kind = TKind::General;
        std::string Prefix, Suffix; // literal text around the number
        int IntegerDigits = 0;      // at least this many, zero-filled
        int MinDecimals = 0, MaxDecimals = 0;
        bool Grouping = false, Percent = false, Scientific = false;
        bool HasDate = false, HasTime = false, Seconds = false; // for dates
    };

private:
    std::vector<TSection> sections_; // positive, negative, zero; none for General
};

// A number as "General" shows it: up to 15 significant digits, no trailing
// zeros, scientific notation (1.5E+20) for very large and very small numbers.
std::string GeneralNumberText(double value);
// A date serial number (days, with the time of day as the fraction) in ISO form.
std::string SerialDateText(double serial, bool date1904, bool withDate, bool withTime, bool seconds);
