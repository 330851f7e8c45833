#pragma once
// The batch conversion of corvana-cli: plate lines in, result file out.

#include "CliOptions.h"
#include "OutputStream.h"
#include "PlateCodes.h"
#include "PlateList.h"
#include "ResultFile.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// Normalises every plate line it receives and hands on its canonical plate;
// counts the accepted and rejected lines.
class TPlateLineSink : public TLineSink {
public:
    // One whole plate line given as 8-bit text (UTF-8 when valid, else Windows-1252).
    void ConvertPlateText(std::string_view text);

    void LinePiece(std::string_view utf8) override { normalizer_.Feed(utf8); }
    void LineEnd() override;

    std::size_t Accepted() const { return accepted_; }
    std::size_t Rejected() const { return rejected_; }

protected:
    virtual void Plate(const std::string& plate) = 0;

private:
    TPlateNormalizer normalizer_;
    std::size_t accepted_ = 0, rejected_ = 0;
};

// Turns each plate line into one result-file line of the chosen table; rejected
// lines write nothing.
class TConverter : public TPlateLineSink {
public:
    TConverter(int table, std::vector<int> columns, TOutputStream& out,
               TLineFormat format = TLineFormat::Semicolon);

    void WriteHeader();

protected:
    void Plate(const std::string& plate) override;

private:
    template <class Cells>
    void WriteLine(const Cells& cells);

    int table_;
    std::vector<int> columns_;
    TOutputStream& out_;
    TLineFormat format_;
    std::string line_;
};

// Feeds the inputs to `sink`: the --plate texts first, then each file in order
// ("-" is standard input). Throws TFileError.
void ReadCliInputs(const std::vector<TCliInput>& inputs, TPlateLineSink& sink);

// Runs corvana-cli with the arguments after the program name; returns the exit
// status. Messages go to `out` (help, version) and `err`.
int RunCorvanaCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
