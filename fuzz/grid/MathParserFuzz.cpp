// Feeds arbitrary formula texts to the grid's formula parser, with a variable handler
// that knows some names (with ordinary and extreme values) and not others. Checks that
// the parser never crashes or reaches undefined behaviour, never uses more than its
// 15 stack entries, and reports outcomes consistently.
#include "zelMathParser.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Names starting with a to m are known; the value depends on the name.
void AnswerVariable(TzelMathParser*, const std::string& name, long double& value, bool& found)
{
    Check(!found && !name.empty());
    const char first = name[0];
    if (first < 'a' || first > 'm')
        return;
    static const long double values[] = {
        0.0L, -0.0L, 1.0L, -1.0L, 2.5L, 1E9L, 9.3E18L, -9.3E18L,
        std::numeric_limits<long double>::max(), std::numeric_limits<long double>::lowest(),
        std::numeric_limits<long double>::denorm_min(), std::numeric_limits<long double>::infinity(),
        -std::numeric_limits<long double>::infinity(), std::numeric_limits<long double>::quiet_NaN(),
    };
    value = values[name.size() % (sizeof values / sizeof values[0])];
    found = true;
}

struct TResult {
    long double Value;
    bool Failed;
    int Errors;
    int LastError;
};

TResult ParseOnce(TzelMathParser& parser)
{
    TResult result{0, false, 0, 0};
    parser.OnParseError = [&](TzelMathParser*, int code) {
        ++result.Errors;
        result.LastError = code;
    };
    parser.Parse();
    result.Value = parser.ParseValue();
    result.Failed = parser.ParseFailed();
    Check(parser.MaxStackDepth() >= 1 && parser.MaxStackDepth() <= TzelMathParser::StackSize);
    return result;
}

bool SameValue(long double a, long double b)
{
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TzelMathParser parser;
    parser.OnGetVar = AnswerVariable;
    parser.SetParseString(std::string(reinterpret_cast<const char*>(data), size));

    const TResult first = ParseOnce(parser);
    Check(first.Errors <= 1);
    if (first.Errors == 1) {
        const int code = first.LastError;
        Check(code == 1 || (code >= 3 && code <= 7));
        Check(first.Failed);
    }
    if (first.Failed)
        Check(first.Value == 0 && !std::signbit(first.Value));

    // Nothing of one parse carries over into the next.
    const TResult second = ParseOnce(parser);
    Check(second.Failed == first.Failed && second.Errors == first.Errors && second.LastError == first.LastError);
    Check(SameValue(second.Value, first.Value));
    return 0;
}
