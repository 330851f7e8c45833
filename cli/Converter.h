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

// Normalises plate lines, from files in pieces or whole from --plate, and
// passes each canonical plate on; rejected lines are only counted.
class TPlateLineSink : public TLineSink {
public:
    // One whole plate line given as 8-bit text (UTF-8 when valid, else Windows-1252).
    void ConvertPlateText(std::string_view text);

    void LinePiece(std::string_view utf8) override { normalizer_.Feed(utf8); }
    void LineEnd() override;

    std::size_t Accepted() const { return accepted_; }
    std::size_t Rejected() const { return rejected_; }

protected:
    virtual void TakePlate(const std::string& plate) = 0;

private:
    TPlateNormalizer normalizer_;
    std::size_t accepted_ = 0, rejected_ = 0;
};

// Turns each plate line into one result-file line of the chosen table; rejected
// lines write nothing.
class TConverter : public TPlateLineSink {
public:
    TConverter(int table, std::vector<int> columns, TOutputStream& out);

    void WriteHeader();

protected:
    void TakePlate(const std::string& plate) override;

private:
    template <class Cells>
    void WriteLine(const Cells& cells);

    int table_;
    std::vector<int> columns_;
    TOutputStream& out_;
    std::string line_;
};

// Reads every input in order into `sink`: --plate texts first, then the files
// ("-" is standard input; with no input at all, standard input).
void ReadInputs(const std::vector<TCliInput>& inputs, TPlateLineSink& sink);

// Runs corvana-cli with the arguments after the program name; returns the exit
// status. Messages go to `out` (help, version) and `err`.
int RunCorvanaCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
