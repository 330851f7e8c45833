#include "zelMathParser.h"

#include <charconv>
#include <cmath>
#include <random>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// One parse, with everything the parser reported.
struct TOutcome {
    long double Value = -1;
    bool Failed = false;
    std::vector<int> Errors;       // codes delivered through OnParseError
    std::vector<std::string> Asked; // names handed to OnGetVar, in order
    int MaxDepth = 0;
};

// Parses `text`; `vars` answers OnGetVar (names not in it are unknown).
TOutcome ParseText(const std::string& text, const std::map<std::string, long double>& vars = {})
{
    TOutcome out;
    TzelMathParser parser;
    parser.OnParseError = [&](TzelMathParser* sender, int code) {
        EXPECT_EQ(sender, &parser);
        out.Errors.push_back(code);
    };
    parser.OnGetVar = [&](TzelMathParser* sender, const std::string& name, long double& value, bool& found) {
        EXPECT_EQ(sender, &parser);
        EXPECT_FALSE(found);
        out.Asked.push_back(name);
        if (auto it = vars.find(name); it != vars.end()) {
            value = it->second;
            found = true;
        }
    };
    parser.SetParseString(text);
    parser.Parse();
    out.Value = parser.ParseValue();
    out.Failed = parser.ParseFailed();
    out.MaxDepth = parser.MaxStackDepth();
    return out;
}

void ExpectValue(const std::string& text, long double expected)
{
    TOutcome out = ParseText(text);
    EXPECT_FALSE(out.Failed) << text;
    EXPECT_TRUE(out.Errors.empty()) << text;
    EXPECT_EQ(out.Value, expected) << text; // exact, in extended precision
}

void ExpectSyntaxError(const std::string& text, int code)
{
    TOutcome out = ParseText(text);
    EXPECT_TRUE(out.Failed) << text;
    EXPECT_EQ(out.Value, 0) << text;
    EXPECT_EQ(out.Errors, std::vector<int>{code}) << text;
}

// A math error fails the parse without calling OnParseError.
void ExpectMathError(const std::string& text)
{
    TOutcome out = ParseText(text);
    EXPECT_TRUE(out.Failed) << text;
    EXPECT_EQ(out.Value, 0) << text;
    EXPECT_TRUE(out.Errors.empty()) << text;
}

} // namespace

TEST(MathParser, OperatorsGroupAndBindAsTheGrammarSays)
{
    ExpectValue("2^3^2", 512);
    ExpectValue("2*3+4", 10);
    ExpectValue("2+3*4", 14);
    ExpectValue("(1+2)*3", 9);
    ExpectValue("1-2-3", -4);
    ExpectValue("8/4/2", 1);
    ExpectValue("2^-1", 0.5L);
    ExpectValue("-(-3)", 3);
    ExpectValue("-2*-3", 6);
    ExpectValue("  1 +  2 ", 3);
}

TEST(MathParser, ModRoundsItsOperandsAndTruncates)
{
    ExpectValue("7 MOD 3", 1);
    ExpectValue("-7 MOD 3", -1);
    ExpectValue("7 MOD -3", 1);
    ExpectValue("7.5 MOD 2", 0);  // 7.5 rounds to 8
    ExpectValue("6.5 MOD 4", 2);  // 6.5 rounds to 6 (ties to even)
    ExpectValue("3 MOD 2*2", 2);
    ExpectValue("7 mod 4 Mod 2", 1);
    ExpectValue("2 MOD 3^2", 2);
    ExpectSyntaxError("2*3 MOD 2", 4);
    ExpectMathError("5 MOD 0");
    ExpectMathError("5 MOD 0.3");
    // Operands without a 64-bit value are math errors; x MOD -1 is 0 even for the
    // smallest 64-bit value, whose quotient by -1 does not exist.
    ExpectValue("5 MOD -1", 0);
    ExpectValue("-9223372036854775808 MOD -1", 0);
    ExpectValue("-9223372036854775808 MOD 10", -8);
    ExpectMathError("9223372036854775808 MOD 10");
    ExpectMathError("10 MOD 1E19");
    ExpectMathError("(1E4000*1E4000-1E4000*1E4000) MOD 2"); // not a number
}

TEST(MathParser, MathErrorsFailSilentlyAndTheParseGoesOn)
{
    ExpectMathError("-2^2"); // (-2)^2: the base is not positive
    ExpectMathError("0^2");
    ExpectMathError("10^4932"); // ln(10) * 4932 is beyond 11356
    ExpectMathError("1/0");
    ExpectMathError("sqrt(-1)");
    ExpectMathError("ln(0)");
    ExpectMathError("exp(11357)");
    ExpectMathError("round(1000000001)");
    ExpectMathError("trunc(-1000000001)");
    ExpectMathError("sqr(1E2467)");
    ExpectMathError("cos(1E19)");
    ExpectMathError("sin(-1E19)");
    ExpectMathError("!");
    ExpectMathError("1+!");
    ExpectSyntaxError("1!", 4);
    ExpectSyntaxError("-!", 3);

    // After a math error the rest of the text is still read and checked.
    TOutcome out = ParseText("1/0 + x", {{"x", 1}});
    EXPECT_TRUE(out.Failed);
    EXPECT_EQ(out.Asked, std::vector<std::string>{"x"});
    ExpectSyntaxError("1/0 +", 3);
}

TEST(MathParser, FunctionsApplyTheirDomainsAndIgnoreCase)
{
    ExpectValue("sqrt(16)", 4);
    ExpectValue("SQRT(16)", 4);
    ExpectValue("Sqr(3)", 9);
    ExpectValue("round(2.5)", 2);
    ExpectValue("round(3.5)", 4);
    ExpectValue("round(-2.5)", -2);
    ExpectValue("trunc(-2.7)", -2);
    ExpectValue("abs(-3)", 3);
    ExpectValue("exp(0)+ln(1)", 1);
    ExpectValue("cos(1)", std::cos(1.0L));
    ExpectValue("sin(1)", std::sin(1.0L));
    ExpectValue("atan(1)", std::atan(1.0L));
    ExpectValue("exp(1)", std::exp(1.0L));
    ExpectValue("ln(2)", std::log(2.0L));
    ExpectValue("sqrt(2)", std::sqrt(2.0L));
    ExpectValue("round(1000000000)+trunc(-1000000000)", 0);
    ExpectValue("sqrt(sqrt(16)*4)", 4);
    ExpectSyntaxError("sqrt 16", 5);
    ExpectSyntaxError("sqrt(4", 6);
    ExpectSyntaxError("sqrt()", 3);
}

TEST(MathParser, NumbersConvertWholeAndWithoutLocale)
{
    ExpectValue(".5+1", 1.5L);
    ExpectValue("0.1", 0.1L);
    ExpectValue("1E5", 100000);
    ExpectValue("1e-2", 1E-2L);
    ExpectValue("1.5E+3", 1500);
    ExpectValue("2.", 2);
    ExpectValue("12345678901234567890", 12345678901234567890.0L);
    ExpectValue("1E4932", 1E4932L);
    ExpectSyntaxError("1.2.3", 4); // 1.2 and .3 are two numbers in a row
    ExpectSyntaxError(".", 3);
    ExpectSyntaxError("1E", 7);
    ExpectSyntaxError("1E+", 7);
    ExpectSyntaxError("1E+12345", 4); // four exponent digits, then the number 5
    ExpectSyntaxError("1E9999", 7);    // beyond the extended range
    ExpectSyntaxError("1,5", 4); // the comma is no decimal point, whatever the locale
    ExpectSyntaxError(",5", 3);
    // A number text holds at most 80 characters; the rest starts another number.
    ExpectValue(std::string(79, '0') + "7", 7);
    ExpectSyntaxError(std::string(80, '0') + "7", 4);
}

// Every number text gives the correctly rounded extended value, whichever way the
// parser converts it.
TEST(MathParser, NumberTextsConvertCorrectlyRounded)
{
    std::mt19937 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int digits = 1 + int(random() % 24);
        for (int d = 0; d < digits; ++d)
            text += char('0' + random() % 10);
        if (random() % 2)
            text.insert(random() % (text.size() + 1), ".");
        if (text == ".")
            continue;
        if (random() % 2)
            text += "E" + std::to_string(int(random() % 81) - 40);
        std::string reference = text[0] == '.' ? "0" + text : text;
        long double expected = 0;
        std::from_chars(reference.data(), reference.data() + reference.size(), expected);
        TOutcome out = ParseText(text);
        ASSERT_FALSE(out.Failed) << text;
        ASSERT_EQ(out.Value, expected) << text;
    }
}

TEST(MathParser, VariablesReachTheOwnerAsWrittenInOrder)
{
    TOutcome out = ParseText("Abc+b_2*C-d", {{"Abc", 1}, {"b_2", 2}, {"C", 3}, {"d", 0.5L}});
    EXPECT_FALSE(out.Failed);
    EXPECT_EQ(out.Value, 6.5L);
    EXPECT_EQ(out.Asked, (std::vector<std::string>{"Abc", "b_2", "C", "d"}));

    out = ParseText("x+1");
    EXPECT_EQ(out.Errors, std::vector<int>{3});
    EXPECT_EQ(out.Asked, std::vector<std::string>{"x"});

    // Function names and MOD are never asked for; names that only start like them are.
    out = ParseText("sqrt(mods)+modx MOD sqrt2", {{"mods", 4}, {"modx", 7}, {"sqrt2", 4}});
    EXPECT_EQ(out.Value, 5);
    EXPECT_EQ(out.Asked, (std::vector<std::string>{"mods", "modx", "sqrt2"}));

    // The scan stops at the first syntax error: c is never asked for.
    out = ParseText("a b c", {{"a", 1}, {"b", 2}, {"c", 3}});
    EXPECT_EQ(out.Errors, std::vector<int>{4});
    EXPECT_EQ(out.Asked, (std::vector<std::string>{"a", "b"}));

    TzelMathParser parser; // no handler assigned
    int error = 0;
    parser.OnParseError = [&](TzelMathParser*, int code) { error = code; };
    parser.SetParseString("x+1");
    parser.Parse();
    EXPECT_EQ(error, 3);
    EXPECT_TRUE(parser.ParseFailed());
    EXPECT_EQ(parser.ParseString(), "x+1");
}

TEST(MathParser, SyntaxErrorsCarryTheirCodes)
{
    ExpectSyntaxError("", 3);
    ExpectSyntaxError("   ", 3);
    ExpectSyntaxError("(1+2", 6);
    ExpectSyntaxError("(1+2))", 4);
    ExpectSyntaxError("1+", 3);
    ExpectSyntaxError("1 2", 4);
    ExpectSyntaxError("--3", 3);
    ExpectSyntaxError("_", 3);
    ExpectSyntaxError("%", 3);
    ExpectSyntaxError("1\t+2", 4);
    ExpectSyntaxError("()", 3);
    ExpectSyntaxError("2*3 4", 4);
    // Two unary minus signs never come back as a value, whatever follows.
    ExpectSyntaxError("--3-4", 3);
    ExpectSyntaxError("--3 4", 3);
    ExpectSyntaxError("--3 (4)", 3);
}

TEST(MathParser, StackHoldsTwelveNestedParentheses)
{
    TOutcome out = ParseText(std::string(12, '(') + "7" + std::string(12, ')'));
    EXPECT_FALSE(out.Failed);
    EXPECT_EQ(out.Value, 7);
    EXPECT_EQ(out.MaxDepth, TzelMathParser::StackSize);

    out = ParseText(std::string(13, '(') + "7" + std::string(13, ')'));
    EXPECT_EQ(out.Errors, std::vector<int>{1});
    EXPECT_EQ(out.Value, 0);
    EXPECT_EQ(out.MaxDepth, TzelMathParser::StackSize);

    out = ParseText(std::string(40, '('));
    EXPECT_EQ(out.Errors, std::vector<int>{1});
}

TEST(MathParser, EveryParseStartsAfresh)
{
    TzelMathParser parser;
    std::vector<int> errors;
    parser.OnParseError = [&](TzelMathParser*, int code) { errors.push_back(code); };
    for (const char* text : {"1+", "1/0", "2*21", "1E", "6*7"}) {
        parser.SetParseString(text);
        parser.Parse();
    }
    EXPECT_FALSE(parser.ParseFailed());
    EXPECT_EQ(parser.ParseValue(), 42);
    EXPECT_EQ(errors, (std::vector<int>{3, 7}));
}
