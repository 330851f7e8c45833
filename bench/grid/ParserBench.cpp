// Parsing and evaluating one typical formula of about 30 characters; the budget is
// 2 microseconds a formula.
#include "zelMathParser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Cell-like names answered the way a grid answers them: a quick lookup by name.
void AnswerCells(TzelMathParser*, const std::string& name, long double& value, bool& found)
{
    if (name.size() == 2 && name[0] >= 'A' && name[0] <= 'Z' && name[1] >= '0' && name[1] <= '9') {
        value = (name[0] - 'A' + 1) * 10 + (name[1] - '0');
        found = true;
    }
}

void ParseFormula(benchmark::State& state, const char* formula)
{
    TzelMathParser parser;
    parser.OnGetVar = AnswerCells;
    parser.SetParseString(formula);
    for (auto _ : state) {
        parser.Parse();
        benchmark::DoNotOptimize(parser.ParseValue());
    }
    if (parser.ParseFailed())
        state.SkipWithError("formula failed");
    state.SetLabel(std::to_string(std::string(formula).size()) + " characters");
}

} // namespace

BENCHMARK_CAPTURE(ParseFormula, cell_references, "(A5*2+C5)/4-B7 MOD 3+SQRT(D2)");
BENCHMARK_CAPTURE(ParseFormula, numbers, "1.5*(2.25+3.125)/4-2^3+ROUND(7.5)");
BENCHMARK_CAPTURE(ParseFormula, nested, "((A1+B2)*(C3-D4))/((E5+1)*2.5)");
