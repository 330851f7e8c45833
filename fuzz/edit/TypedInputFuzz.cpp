// Pasted and assigned text reaches the typed-field rules unfiltered: every rule must
// take any text, in either separator convention, and keep its promises.

#include "EditSeparators.h"
#include "TypedInput.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace TypedInput;

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const bool commaDecimal = data[0] & 1;
    const bool grouped = data[0] & 2;
    const int caret = data[1];
    TEditSeparators::Set(commaDecimal ? ',' : '.', commaDecimal ? '.' : ',');
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));

    const int kind = ClassifyNumber(text);
    Check(kind == ncInteger || kind == ncFloat || kind == ncNotANumber || kind == ncHexadecimal);
    Check(!text.isEmpty() || kind == ncNotANumber);

    const long double value = ToFloat(text);
    Check(std::isfinite(value));
    const long double hex = HexValue(text);
    Check(!std::isnan(hex) && hex >= 0);
    Check(!HexText(hex).isEmpty() && !HexText(-hex).isEmpty());

    const QString regrouped = RegroupThousands(text, value, grouped);
    Check(regrouped.isEmpty() == text.isEmpty());

    Check(MixedCase(text).size() == text.size());
    Check(ToUpperSimple(text).size() == text.size());
    Check(ToLowerSimple(text).size() == text.size());

    (void)SeparatorCheck(text, caret);
    (void)DecimalsFull(text, caret, data[0] >> 4);
    (void)IsAlphaNumericText(text);
    return 0;
}
