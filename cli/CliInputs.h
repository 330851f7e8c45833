#pragma once
// The inputs of corvana-cli: --plate texts, then plate lists, read as plain
// lists, as delimited lists (--input csv) or as workbooks' sheets (--input xlsx|ods). What a reader should know goes to
// standard error: the records of delimited lists that were rejected, with their
// lines (the first few one by one, then a count), and plain lists that look
// delimited.

#include "CliOptions.h"
#include "Converter.h"

#include <cstdio>
#include <iosfwd>
#include <memory>
#include <stdexcept>

// A delimited list that cannot be read as asked (its plate column is missing);
// the message names the list.
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

using TFilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
// An input file opened for reading; "-" is standard input, copied to a
// temporary file so that it can be read twice. Throws TFileError.
TFilePtr OpenInput(const std::string& fileName);
