#pragma once
// The formula parser of the results grid: evaluates one arithmetic formula text to
// one extended-precision number. It is a table-driven shift-reduce parser that
// computes while it reduces (no syntax tree). Identifiers that are neither function
// names nor MOD are asked of the owner through OnGetVar; syntax errors are reported
// through OnParseError with a numeric code. Plain C++: it knows nothing of grids.

#include <cstdint>
#include <functional>
#include <string>

class TzelMathParser {
public:
    // Called for every identifier that is not a function name or MOD. VarName is the
    // identifier as written (case kept); Found is false on entry and the handler sets
    // it true and fills Value when it knows the name.
    using TGetVarEvent =
        std::function<void(TzelMathParser* Sender, const std::string& VarName, long double& Value, bool& Found)>;
    // Called once at the end of a parse that ended with a syntax error.
    using TParseErrorEvent = std::function<void(TzelMathParser* Sender, int ParseError)>;

    // Syntax error codes delivered through OnParseError.
    enum TParseErrorCode : int {
        peStackFull = 1,        // a push with all stack entries in use
        peOperandExpected = 3,  // number, known variable, function, "(" or unary "-" expected
        peOperatorExpected = 4, // after a complete expression only "+", "-" or the end
        peParenExpected = 5,    // a function name not followed by "("
        peCloseExpected = 6,    // inside parentheses only "+", "-" or ")"
        peBadNumber = 7,        // a number text that does not convert
    };

    static constexpr int StackSize = 15;

    TzelMathParser() = default;

    const std::string& ParseString() const { return parseString_; }
    void SetParseString(const std::string& value) { parseString_ = value; }

    // Parses and evaluates ParseString; afterwards ParseValue and ParseFailed hold the
    // outcome (ParseValue is 0 after any error).
    void Parse();
    long double ParseValue() const { return parseValue_; }
    bool ParseFailed() const { return parseFailed_; }
    // The most stack entries in use at once during the last parse (never above StackSize).
    int MaxStackDepth() const { return maxStackDepth_; }

    TGetVarEvent OnGetVar;
    TParseErrorEvent OnParseError;

private:
    enum TTokenType : std::uint8_t {
        Plus, Minus, Times, Divide, Expo, OParen, CParen, Num, Func, Eol, Bad, Err, Mod
    };
    enum class TFuncName : std::uint8_t { None, Abs, Atan, Cos, Exp, Ln, Round, Sin, Sqrt, Sqr, Trunc };

    struct TokenRecord {
        std::uint8_t State = 0;
        TFuncName FuncName = TFuncName::None;
        long double Value = 0;

        // Copied field by field: a whole-record copy reads the value freshly stored
        // by the x87 unit with a wider load, which stalls on store forwarding.
        TokenRecord() = default;
        TokenRecord(const TokenRecord& other) : State(other.State), FuncName(other.FuncName), Value(other.Value) {}
        TokenRecord& operator=(const TokenRecord& other)
        {
            State = other.State;
            FuncName = other.FuncName;
            Value = other.Value;
            return *this;
        }
    };

    void NextToken();
    void ScanNumber();
    void ScanIdentifier();
    void Push();
    void Shift(std::uint8_t state);
    void Reduce(int rule);
    void SetError(int code);
    long double ApplyFunction(TFuncName func, long double x);
    long double Power(long double base, long double exponent);
    long double Modulo(long double left, long double right);

    std::string parseString_;
    long double parseValue_ = 0;
    bool parseFailed_ = false;
    int maxStackDepth_ = 0;

    TokenRecord parseStack_[StackSize + 1]; // used from index 1
    int stackTop_ = 0;                      // 0 = empty
    TokenRecord currentToken_;
    TTokenType tokenType_ = Eol;
    std::size_t position_ = 0; // 0-based index of the next character
    std::size_t tokenLen_ = 0;
    int tokenError_ = 0;
    bool mathError_ = false;
};
