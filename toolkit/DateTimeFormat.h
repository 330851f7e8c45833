#pragma once
// Date and time patterns as the print options write them ("yyyy-mm-dd", "hh:nn"):
//   yyyy  four-digit year           yy    two-digit year
//   m     month 1-12                mm    month 01-12
//   mmm   short month name          mmmm  long month name
//   d     day 1-31                  dd    day 01-31
//   ddd   short day name            dddd  long day name
//   h     hour 0-23                 hh    hour 00-23
//   n     minute 0-59               nn    minute 00-59
//   s     second 0-59               ss    second 00-59
// m and mm directly after h or hh (only non-letters such as ":" between them)
// are minutes. Letters match in either case, the longest pattern first. Text in
// single or double quotes is written without the quotes (an unmatched quote runs
// to the end); every other character is written as it stands. Names come from
// the locale; digits are always 0-9.

#include <QDateTime>
#include <QLocale>
#include <QString>

QString FormatDateTime(const QString& pattern, const QDateTime& when, const QLocale& locale = QLocale::system());
