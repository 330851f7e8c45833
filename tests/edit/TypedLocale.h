#pragma once
// Runs a test with both separator conventions. Texts in the tests are written with
// "." as decimal and "," as thousands separator; L() swaps them for the other one.

#include "EditSeparators.h"

#include <QString>
#include <gtest/gtest.h>
#include <ostream>

struct TTypedLocale {
    QChar decimal;
    QChar thousand;
    const char* name;
};

inline void PrintTo(const TTypedLocale& locale, std::ostream* out)
{
    *out << locale.name;
}

class TypedLocaleTest : public ::testing::TestWithParam<TTypedLocale> {
protected:
    void SetUp() override { TEditSeparators::Set(GetParam().decimal, GetParam().thousand); }
    void TearDown() override { TEditSeparators::Reset(); }

    static QChar Decimal() { return GetParam().decimal; }
    static QChar Thousand() { return GetParam().thousand; }

    static QString L(const QString& text)
    {
        QString local = text;
        for (QChar& c : local) {
            if (c == '.')
                c = Decimal();
            else if (c == ',')
                c = Thousand();
        }
        return local;
    }
};

#define INSTANTIATE_TYPED_LOCALES(suite)                                                                  \
    INSTANTIATE_TEST_SUITE_P(Separators, suite,                                                         \
                             ::testing::Values(TTypedLocale{'.', ',', "PointDecimal"},                  \
                                               TTypedLocale{',', '.', "CommaDecimal"}),                 \
                             [](const ::testing::TestParamInfo<TTypedLocale>& info) {                   \
                                 return std::string(info.param.name);                                   \
                             })
