#include "zelMathParser.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace {

// What the driver does for a top state and a lookahead token.
enum class TActionKind : std::uint8_t { Shift, Reduce, Error, Accept, Stop, None };
struct TAction {
    TActionKind Kind = TActionKind::None;
    std::uint8_t Arg = 0; // the state to shift, the rule to reduce or the error code
};

constexpr TAction ShiftTo(int state) { return {TActionKind::Shift, std::uint8_t(state)}; }
constexpr TAction ReduceBy(int rule) { return {TActionKind::Reduce, std::uint8_t(rule)}; }
constexpr TAction Fail(int code) { return {TActionKind::Error, std::uint8_t(code)}; }

// Token kinds as numbered by the scanner (same order as TzelMathParser::TTokenType).
enum : int { tPlus, tMinus, tTimes, tDivide, tExpo, tOParen, tCParen, tNum, tFunc, tEol, tBad, tErr, tMod };

// States where an operand must come next; "!" there is a math error, not a syntax one.
constexpr bool IsOperandState(int state)
{
    switch (state) {
    case 0: case 9: case 12: case 13: case 14: case 15: case 16: case 20: case 40:
        return true;
    default:
        return false;
    }
}

// Shift or fail on the tokens that may start an operand.
constexpr TAction OperandAction(int token, int otherwise)
{
    switch (token) {
    case tNum: return ShiftTo(10);
    case tFunc: return ShiftTo(11);
    case tMinus: return ShiftTo(5);
    case tOParen: return ShiftTo(9);
    default: return Fail(otherwise);
    }
}

// After a complete term: "*" and "/" shift, anything else reduces by `rule`.
constexpr TAction TermAction(int token, int rule)
{
    if (token == tTimes) return ShiftTo(14);
    if (token == tDivide) return ShiftTo(15);
    return ReduceBy(rule);
}

// After a complete expression inside parentheses: "+", "-" shift, ")" shifts to `close`.
constexpr TAction InnerExprAction(int token, int close)
{
    if (token == tPlus) return ShiftTo(12);
    if (token == tMinus) return ShiftTo(13);
    if (token == tCParen) return ShiftTo(close);
    return Fail(TzelMathParser::peCloseExpected);
}

constexpr TAction ActionFor(int state, int token)
{
    if (IsOperandState(state)) {
        if (token == tErr) return {TActionKind::Stop, 0};
        return OperandAction(token, TzelMathParser::peOperandExpected);
    }
    switch (state) {
    case 1:
        if (token == tEol) return {TActionKind::Accept, 0};
        if (token == tPlus) return ShiftTo(12);
        if (token == tMinus) return ShiftTo(13);
        return Fail(TzelMathParser::peOperatorExpected);
    case 2: return TermAction(token, 3);
    case 3: return token == tMod ? ShiftTo(40) : ReduceBy(6);
    case 4: return token == tExpo ? ShiftTo(16) : ReduceBy(8);
    case 5: return OperandAction(token, TzelMathParser::peOperandExpected);
    case 6: return ReduceBy(10);
    case 8: return ReduceBy(12);
    case 10: return ReduceBy(15);
    case 11: return token == tOParen ? ShiftTo(20) : Fail(TzelMathParser::peParenExpected);
    case 17: return ReduceBy(9);
    case 19: return InnerExprAction(token, 27);
    case 21: return TermAction(token, 1);
    case 22: return TermAction(token, 2);
    case 23: return ReduceBy(4);
    case 24: return ReduceBy(5);
    case 25: return ReduceBy(7);
    case 27: return ReduceBy(14);
    case 28: return InnerExprAction(token, 29);
    case 29: return ReduceBy(16);
    case 80: return ReduceBy(100);
    default: return {TActionKind::None, 0};
    }
}

// The state pushed after reducing by `rule` with `uncovered` on top; 0 for any pair
// the grammar does not have.
constexpr int GotoFor(int rule, int uncovered)
{
    switch (rule) {
    case 1: case 2: case 3:
        return uncovered == 0 ? 1 : uncovered == 9 ? 19 : uncovered == 20 ? 28 : 0;
    case 4: case 5: case 6:
        if (uncovered == 0 || uncovered == 9 || uncovered == 20) return 2;
        return uncovered == 12 ? 21 : uncovered == 13 ? 22 : 0;
    case 7: case 8: case 100:
        switch (uncovered) {
        case 0: case 9: case 12: case 13: case 20: return 3;
        case 14: return 23;
        case 15: return 24;
        case 16: return 25;
        case 40: return 80;
        default: return 0;
        }
    case 9: case 10:
        return IsOperandState(uncovered) ? 4 : 0;
    case 12:
        return IsOperandState(uncovered) ? 6 : uncovered == 5 ? 17 : 0;
    case 14: case 15: case 16:
        return IsOperandState(uncovered) || uncovered == 5 ? 8 : 0;
    default:
        return 0;
    }
}

int PopsOf(int rule)
{
    switch (rule) {
    case 1: case 2: case 4: case 5: case 7: case 100: case 14: return 3;
    case 9: return 2;
    case 16: return 4;
    case 3: case 6: case 8: case 10: case 12: case 15: return 1;
    default: throw std::logic_error("Invalid reduction");
    }
}

// The tables above, laid out once at compile time so that each step of the driver
// is one lookup.
constexpr int StateCount = 81, TokenCount = 13, RuleCount = 101;

constexpr auto ActionTable = [] {
    std::array<std::array<TAction, TokenCount>, StateCount> table{};
    for (int state = 0; state < StateCount; ++state)
        for (int token = 0; token < TokenCount; ++token)
            table[state][token] = ActionFor(state, token);
    return table;
}();

constexpr auto GotoTable = [] {
    std::array<std::array<std::uint8_t, StateCount>, RuleCount> table{};
    for (int rule = 0; rule < RuleCount; ++rule)
        for (int state = 0; state < StateCount; ++state)
            table[rule][state] = std::uint8_t(GotoFor(rule, state));
    return table;
}();

// Nearest integer, ties to even, whatever the floating-point rounding mode.
long double RoundHalfEven(long double x)
{
    long double lower = std::floor(x);
    long double diff = x - lower;
    if (diff > 0.5L) return lower + 1;
    if (diff < 0.5L) return lower;
    return std::fmod(lower, 2.0L) == 0 ? lower : lower + 1;
}

bool InSignedRange(long double x)
{
    // Both bounds are exact in the 64-bit mantissa.
    return x >= -9223372036854775808.0L && x <= 9223372036854775807.0L;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char UpCase(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// 10^0 to 10^27: the powers of ten that are exact in a 64-bit mantissa.
constexpr int MaxExactPower = 27;
constexpr auto ExactPowersOfTen = [] {
    std::array<long double, MaxExactPower + 1> powers{};
    long double p = 1;
    for (auto& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// The common short number texts (at most 19 significant digits, a small decimal
// exponent) convert with one correctly rounded multiplication or division of two
// exact values, which gives the same value as the full conversion, only faster.
// Returns false when the text is not of that kind; the full conversion decides then.
bool ConvertShortDecimal(const char* p, const char* end, long double& value)
{
    std::uint64_t mantissa = 0;
    int significant = 0, scale = 0;
    bool dot = false, anyDigit = false;
    for (; p < end && (IsDigit(*p) || *p == '.'); ++p) {
        if (*p == '.') {
            dot = true;
            continue;
        }
        anyDigit = true;
        if (mantissa == 0 && *p == '0') {
            scale -= dot;
            continue;
        }
        if (significant == 19)
            return false;
        mantissa = mantissa * 10 + std::uint64_t(*p - '0');
        ++significant;
        scale -= dot;
    }
    if (!anyDigit)
        return false;
    if (p < end) {
        if (*p++ != 'E')
            return false;
        const bool negative = p < end && *p == '-';
        if (p < end && (*p == '-' || *p == '+'))
            ++p;
        int exponent = 0, digits = 0;
        for (; p < end && IsDigit(*p) && digits < 4; ++p, ++digits)
            exponent = exponent * 10 + (*p - '0');
        if (digits == 0 || p != end)
            return false;
        scale += negative ? -exponent : exponent;
    }
    if (mantissa == 0) {
        value = 0;
        return true;
    }
    if (scale < -MaxExactPower || scale > MaxExactPower)
        return false;
    const long double m = static_cast<long double>(mantissa);
    value = scale < 0 ? m / ExactPowersOfTen[-scale] : m * ExactPowersOfTen[scale];
    return true;
}

// Converts the whole of a number text ("." as decimal point, "E" exponent) whatever
// the user's locale; false when it does not convert entirely or lies beyond the
// extended range. `rejected` is where the conversion stopped.
bool ConvertNumberText(const char* first, const char* last, long double& value, const char*& rejected)
{
    if (ConvertShortDecimal(first, last, value))
        return true;
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    rejected = end;
    return ec == std::errc() && end == last;
}

} // namespace

void TzelMathParser::Parse()
{
    position_ = 0;
    stackTop_ = 0;
    maxStackDepth_ = 0;
    tokenError_ = 0;
    mathError_ = false;
    currentToken_ = TokenRecord{};
    Push();
    NextToken();

    bool finished = false; // accepted, or stopped by "!" where an operand belongs
    while (!finished && tokenError_ == 0) {
        const int state = parseStack_[stackTop_].State;
        const TAction action = state < StateCount ? ActionTable[state][tokenType_] : TAction{TActionKind::None, 0};
        switch (action.Kind) {
        case TActionKind::Shift: Shift(std::uint8_t(action.Arg)); break;
        case TActionKind::Reduce: Reduce(action.Arg); break;
        case TActionKind::Error: SetError(action.Arg); break;
        case TActionKind::Accept: finished = true; break;
        case TActionKind::Stop: mathError_ = true; finished = true; break;
        case TActionKind::None: throw std::logic_error("Bad token state");
        }
    }

    if (tokenError_ != 0 && OnParseError)
        OnParseError(this, tokenError_);
    parseFailed_ = mathError_ || tokenError_ != 0;
    parseValue_ = parseFailed_ ? 0 : parseStack_[stackTop_].Value;
}

void TzelMathParser::SetError(int code)
{
    tokenError_ = code;
    position_ -= tokenLen_;
}

void TzelMathParser::Push()
{
    if (stackTop_ == StackSize) {
        tokenError_ = peStackFull;
        return;
    }
    parseStack_[++stackTop_] = currentToken_;
    if (stackTop_ > maxStackDepth_)
        maxStackDepth_ = stackTop_;
}

void TzelMathParser::Shift(std::uint8_t state)
{
    currentToken_.State = state;
    Push();
    if (tokenError_ == 0)
        NextToken();
}

void TzelMathParser::Reduce(int rule)
{
    const int pops = PopsOf(rule);
    if (stackTop_ <= pops)
        throw std::logic_error("Invalid reduction");
    if (pops == 1) {
        // Popping one entry and pushing it back changes nothing but its state, so the
        // chain of single-entry rules every operand goes through works in place.
        const int next = GotoTable[rule][parseStack_[stackTop_ - 1].State];
        if (next == 0)
            SetError(peOperandExpected);
        else
            parseStack_[stackTop_].State = std::uint8_t(next);
        return;
    }
    const TokenRecord* top = &parseStack_[stackTop_];
    switch (rule) {
    case 1: currentToken_.Value = top[-2].Value + top[0].Value; break;
    case 2: currentToken_.Value = top[-2].Value - top[0].Value; break;
    case 4: currentToken_.Value = top[-2].Value * top[0].Value; break;
    case 5:
        if (top[0].Value == 0) {
            mathError_ = true;
            currentToken_.Value = 0;
        } else {
            currentToken_.Value = top[-2].Value / top[0].Value;
        }
        break;
    case 7: currentToken_.Value = Power(top[-2].Value, top[0].Value); break;
    case 100: currentToken_.Value = Modulo(top[-2].Value, top[0].Value); break;
    case 9: currentToken_.Value = -top[0].Value; break;
    case 14: currentToken_ = top[-1]; break;
    case 16:
        currentToken_ = top[-1];
        currentToken_.Value = ApplyFunction(top[-3].FuncName, top[-1].Value);
        break;
    }
    stackTop_ -= pops;

    const int next = GotoTable[rule][parseStack_[stackTop_].State];
    // A reduction without a successor state happens only for a signed operand after a
    // unary minus (--3). Pushing state 0 there would restart the grammar in mid-formula
    // and accept texts like --3-4 with a wrong value; it is the missing operand instead.
    if (next == 0) {
        SetError(peOperandExpected);
        return;
    }
    currentToken_.State = std::uint8_t(next);
    Push();
}

long double TzelMathParser::Power(long double base, long double exponent)
{
    if (base <= 0) {
        mathError_ = true;
        return 0;
    }
    const long double p = std::log(base) * exponent;
    if (p < -11356 || p > 11356) {
        mathError_ = true;
        return 0;
    }
    // e^p, computed as a power so that exact powers (2^9, 2^-1) come out exact.
    return std::pow(base, exponent);
}

long double TzelMathParser::Modulo(long double left, long double right)
{
    const long double l = RoundHalfEven(left);
    const long double r = RoundHalfEven(right);
    // NaN fails both range comparisons; out-of-range operands have no 64-bit value.
    if (!InSignedRange(l) || !InSignedRange(r) || r == 0) {
        mathError_ = true;
        return 0;
    }
    const auto dividend = static_cast<std::int64_t>(l);
    const auto divisor = static_cast<std::int64_t>(r);
    if (divisor == -1)
        return 0; // the smallest 64-bit value has no positive counterpart to divide into
    return static_cast<long double>(dividend % divisor);
}

long double TzelMathParser::ApplyFunction(TFuncName func, long double x)
{
    auto within = [&](long double limit) {
        if (x >= -limit && x <= limit) return true;
        mathError_ = true;
        return false;
    };
    switch (func) {
    case TFuncName::Abs: return std::fabs(x);
    case TFuncName::Atan: return std::atan(x);
    case TFuncName::Cos: return within(9E18L) ? std::cos(x) : 0;
    case TFuncName::Exp: return within(11356) ? std::exp(x) : 0;
    case TFuncName::Round: return within(1E9L) ? RoundHalfEven(x) : 0;
    case TFuncName::Sin: return within(9E18L) ? std::sin(x) : 0;
    case TFuncName::Sqr: return within(1E2466L) ? x * x : 0;
    case TFuncName::Trunc: return within(1E9L) ? std::trunc(x) : 0;
    case TFuncName::Ln:
        if (x > 0) return std::log(x);
        break;
    case TFuncName::Sqrt:
        if (x >= 0) return std::sqrt(x);
        break;
    case TFuncName::None:
        break;
    }
    mathError_ = true;
    return 0;
}

void TzelMathParser::NextToken()
{
    const std::string& s = parseString_;
    while (position_ < s.size() && s[position_] == ' ')
        ++position_;
    tokenLen_ = 0;
    if (position_ >= s.size()) {
        tokenType_ = Eol;
        return;
    }
    const char ch = UpCase(s[position_]);
    if (ch == '!') {
        tokenType_ = Err;
    } else if (IsDigit(ch) || ch == '.') {
        ScanNumber();
    } else if (IsLetter(ch)) {
        ScanIdentifier();
    } else {
        switch (ch) {
        case '(': tokenType_ = OParen; break;
        case ')': tokenType_ = CParen; break;
        case '*': tokenType_ = Times; break;
        case '+': tokenType_ = Plus; break;
        case '-': tokenType_ = Minus; break;
        case '/': tokenType_ = Divide; break;
        case '^': tokenType_ = Expo; break;
        default: tokenType_ = Bad; return;
        }
        ++position_;
        tokenLen_ = 1;
    }
}

void TzelMathParser::ScanNumber()
{
    constexpr int MaxNumberText = 80;
    const std::string& s = parseString_;
    const std::size_t start = position_;
    // One spare place in front for the "0" a number like ".5" gets for conversion.
    char buffer[MaxNumberText + 1] = {};
    char* text = buffer + 1;
    int n = 0;
    std::size_t i = start;

    bool dot = false;
    for (; i < s.size() && n < MaxNumberText; ++i) {
        if (s[i] == '.' && !dot)
            dot = true;
        else if (!IsDigit(s[i]))
            break;
        text[n++] = s[i];
    }
    if (n == 1 && text[0] == '.') {
        tokenType_ = Bad;
        return;
    }
    if (i < s.size() && n < MaxNumberText && UpCase(s[i]) == 'E') {
        text[n++] = 'E';
        ++i;
        if (i < s.size() && n < MaxNumberText && (s[i] == '+' || s[i] == '-'))
            text[n++] = s[i++];
        for (int digits = 0; digits < 4 && i < s.size() && n < MaxNumberText && IsDigit(s[i]); ++digits)
            text[n++] = s[i++];
    }

    char* first = text;
    if (text[0] == '.')
        *--first = '0';
    long double value = 0;
    const char* rejected = text;
    if (!ConvertNumberText(first, text + n, value, rejected)) {
        // The whole text must convert: "1E" is not 1, and 1E9999 has no extended value.
        mathError_ = true;
        tokenError_ = peBadNumber;
        tokenType_ = Bad;
        position_ = start + std::size_t(std::max(rejected - text, std::ptrdiff_t(0)));
        return;
    }
    currentToken_.Value = value;
    tokenType_ = Num;
    position_ = i;
    tokenLen_ = i - start;
}

void TzelMathParser::ScanIdentifier()
{
    static constexpr struct {
        const char* Name;
        TFuncName Func;
    } Functions[] = {
        {"ABS", TFuncName::Abs},   {"ATAN", TFuncName::Atan}, {"COS", TFuncName::Cos},
        {"EXP", TFuncName::Exp},   {"LN", TFuncName::Ln},     {"ROUND", TFuncName::Round},
        {"SIN", TFuncName::Sin},   {"SQRT", TFuncName::Sqrt}, {"SQR", TFuncName::Sqr},
        {"TRUNC", TFuncName::Trunc},
    };
    const std::string& s = parseString_;
    const std::size_t start = position_;
    std::size_t end = start;
    while (end < s.size() && (IsLetter(s[end]) || IsDigit(s[end]) || s[end] == '_'))
        ++end;
    const std::size_t length = end - start;

    auto isName = [&](const char* name) {
        std::size_t k = 0;
        for (; name[k] != '\0'; ++k)
            if (k >= length || UpCase(s[start + k]) != name[k])
                return false;
        return k == length;
    };
    position_ = end;
    tokenLen_ = length;
    for (const auto& f : Functions) {
        if (isName(f.Name)) {
            tokenType_ = Func;
            currentToken_.FuncName = f.Func;
            return;
        }
    }
    if (isName("MOD")) {
        tokenType_ = Mod;
        return;
    }

    bool found = false;
    if (OnGetVar)
        OnGetVar(this, s.substr(start, length), currentToken_.Value, found);
    if (found) {
        tokenType_ = Num;
    } else {
        tokenType_ = Bad;
        tokenLen_ = 0;
    }
}
