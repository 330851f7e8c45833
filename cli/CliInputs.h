#pragma once
// The inputs of corvana-cli: --plate texts, then plate lists, read as plain
// lists, as delimited lists (--input csv) or as workbooks' sheets (--input xlsx|ods). What a reader should know goes to
// standard error: the records of delimited lists that were rejected, with their
// lines (the first few one by one, then a count), the lines of plain lists
// that were not read (not text, or too long) in the same way, and plain lists
// that look delimited. A list that is not text at all stops the run.

#include "CliOptions.h"
#include "Converter.h"

#include <cstdio>
#include <iosfwd>
#include <memory>
#include <stdexcept>

// A list that cannot be read as asked (it is not text; a delimited list lacks
// its plate column); the message names the list.
class TListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TCliInputs {
public:
    TCliInputs(const TCliOptions& options, std::ostream& err) : options_(options), err_(err) {}

    // Feeds the inputs to `sink`: the --plate texts first, then each file in
    // order ("-" is standard input); with neither, standard input when
    // `standardInputByDefault`. Throws TFileError, TListError.
    void Read(TPlateLineSink& sink, bool standardInputByDefault);
    // The records rejected by the lists read.
    std::size_t RejectedRecords() const { return tally_.Rejected(); }

    // Reports a line of list `name` that was not read as text.
    void ReportLineFault(const std::string& name, std::uint64_t line, TTextFault fault);

private:
    friend class TListReader;
    void ReadPlainList(std::FILE* file, const std::string& name, TPlateLineSink& sink);
    void ReadDelimitedList(std::FILE* file, const std::string& name, TPlateLineSink& sink);
    void ReadWorkbook(const std::string& name, TPlateLineSink& sink);
    TListError ColumnError(const std::string& name, const TListColumnError& error) const;
    void ReportIssue(const std::string& name, const TRecordIssue& issue);
    void ReportTally();

    const TCliOptions& options_;
    std::ostream& err_;
    TIssueTally tally_;
    TOtherColumns others_;
    bool othersSettled_ = false;
};

// How standard input and files are named in messages.
std::string InputName(const std::string& fileName);
// The message of a file that is not text: what it is, that it is not `what`
// ("a plate list"), and what reads it when a workbook option does.
std::string NotTextMessage(const std::string& fileName, const TNotTextError& error, std::string_view what);

using TFilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
// An input file opened for reading; "-" is standard input, read as it comes.
// Throws TFileError.
TFilePtr OpenInput(const std::string& fileName);
