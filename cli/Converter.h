#pragma once
// The batch conversion of corvana-cli: plate lines in, result file out.

#include "CliOptions.h"
#include "OutputStream.h"
#include "PlateCodes.h"
#include "PlateList.h"
#include "ResultFile.h"

#include <iosfwd>
#include <string>
#include <vector>

// Turns each plate line into one result-file line of the chosen table; rejected
// lines write nothing.
class TConverter : public TLineSink {
public:
    TConverter(int table, std::vector<int> columns, TOutputStream& out);

    void WriteHeader();
    // One whole plate line given as 8-bit text (UTF-8 when valid, else Windows-1252).
    void ConvertPlateText(std::string_view text);

    void LinePiece(std::string_view utf8) override { normalizer_.Feed(utf8); }
    void LineEnd() override;

    std::size_t Accepted() const { return accepted_; }
    std::size_t Rejected() const { return rejected_; }

private:
    template <class Cells>
    void WriteLine(const Cells& cells);

    int table_;
    std::vector<int> columns_;
    TOutputStream& out_;
    TPlateNormalizer normalizer_;
    std::string line_;
    std::size_t accepted_ = 0, rejected_ = 0;
};

// Runs corvana-cli with the arguments after the program name; returns the exit
// status. Messages go to `out` (help, version) and `err`.
int RunCorvanaCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
