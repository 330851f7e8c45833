#pragma once
// Pieces of the printed page that do not need a printer: the page text with its
// band number and the three footer parts.

#include <QDateTime>
#include <QString>
#include <QStringList>

// "Page 2" or, when the grid is printed in several column bands, "Page 2-3"
// (the second page of the third band).
QString PrintPageText(int pageInBand, int band, bool showBand);

// The footer template split at "|" into exactly three parts; in each, the first
// "date", then the first "time", then the first "page" are replaced.
QStringList PrintFooterParts(const QString& footer, const QString& dateFormat, const QString& timeFormat,
                             const QDateTime& now, const QString& pageText);
