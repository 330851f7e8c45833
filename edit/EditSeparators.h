#pragma once
// The decimal and thousands separators the edit counts and types with: the user's
// locale at start-up, "." and "," when the locale sets none.

#include <QChar>

struct TEditSeparators {
    static QChar Decimal();
    static QChar Thousand();
    // Replaces both (tests); Reset returns to the locale's.
    static void Set(QChar decimal, QChar thousand);
    static void Reset();
};
