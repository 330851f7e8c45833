#pragma once
// Plates from a delimited list: one column holds the plate, the others travel
// with it. Each record's plate field is normalised as a plate line is; a record
// whose plate is rejected says why, with its line, and never becomes another
// plate. Records whose fields are all empty are skipped without a word, as blank
// lines are. A spreadsheet's total row (a last record whose plate cell, or
// first cell, reads "Total", "Summe", ...) and a plate cell computed by a
// formula are no plates either: they are skipped with their reason.

#include "DelimitedText.h"
#include "PlateCodes.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Which column holds the plate: the one whose header reads like the plate
// column, a header name, or else a position from 0.
struct TPlateColumn {
    std::size_t Index = 0;
    std::string Name;
    bool FromHeader = false; // the header names it: "Plate", "Kennzeichen", ...
};

struct TDelimitedListOptions {
    char Separator = 0; // ',', ';', '\t', or 0 to detect it
    bool Header = false; // the first record names the columns
    TPlateColumn PlateColumn;
    bool SheetRows = false; // records are a workbook sheet's rows, and messages say so
};

// What can be wrong with a record. All but FieldsLeftOut reject it.
enum class TRecordProblem {
    NoPlateField,  // the record ends before the plate column
    EmptyPlate,    // the plate field holds nothing but blanks
    NothingLeft,   // only spaces, controls and punctuation, or nothing before a ";"
    PlateTooLong,  // more than 16 bytes after normalising
    HeaderText,    // "Number plate", or a header line the list was not said to have
    UnclosedQuote, // a quoted field runs to the end of the list
    NotUtf8,           // the line holds bytes that are not UTF-8 in a UTF-8 list
    UnpairedSurrogate, // it holds half of a UTF-16 surrogate pair
    HalfCharacter,     // a UTF-16 list ends in it in the middle of a character
    TooLong,           // it is longer than kLineLimit
    FieldsLeftOut, // fields beyond the list's columns, which have no place
    FormulaPlate,  // a formula computed the plate cell (workbooks)
    TotalRow,      // the last record's plate cell reads as a total: "Total", "Summe", ...
};
constexpr int kRecordProblemCount = 13;

struct TRecordIssue {
    std::uint64_t Line = 0;
    TRecordProblem Problem = TRecordProblem::NoPlateField;
    std::string Field;          // the plate field as it stands
    std::size_t PlateColumn = 0; // from 0
    bool SheetRow = false;       // Line is a sheet's row
};

inline bool RejectsRecord(TRecordProblem problem) { return problem != TRecordProblem::FieldsLeftOut; }
// The problem of a line or record that was not read as text.
TRecordProblem ProblemOf(TTextFault fault);
// "line 7: the plate field is empty" ("row 7: ..." for a sheet's row).
std::string IssueMessage(const TRecordIssue& issue);
// How records with the problem are counted: "without a plate field".
std::string_view ProblemSummary(TRecordProblem problem);

// The columns of a list: the header's names, or "Column 1", "Column 2", ...
// without a header; and the one that holds the plate.
struct TListColumns {
    std::vector<std::string> Names;
    std::size_t Plate = 0;
};

// The plate column a header does not have, or a position beyond the columns.
class TListColumnError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TListPlateSink {
public:
    virtual ~TListPlateSink() = default;
    // The list's columns, once, before its first plate.
    virtual void ListColumns(const TListColumns& columns) = 0;
    // An accepted record: its canonical plate and all its fields.
    virtual void ListPlate(const TPlateBytes& plate, const TDelimitedRecord& record) = 0;
    virtual void ListIssue(const TRecordIssue& issue) = 0;
};

// Turns the records of one list into plates for `sink`. The columns are settled
// by the first record that holds anything (the header, or the first data
// record); throws TListColumnError there when the plate column is not among them.
// A record whose plate reads as a total waits until the next record shows that
// it was not the last.
class TDelimitedPlateReader : public TRecordSink {
public:
    TDelimitedPlateReader(TListPlateSink& sink, const TDelimitedListOptions& options);
    void Record(const TDelimitedRecord& record) override;
    void UnclosedQuote(std::uint64_t line) override;
    void RecordRejected(std::uint64_t line, TTextFault fault) override;
    // The end of the list: a waiting total is skipped, and a list that had no
    // record gets its columns: none.
    void Finish();

private:
    void Settle(const TDelimitedRecord& first);
    void Issue(const TDelimitedRecord& record, TRecordProblem problem);
    void HoldTotal(const TPlateBytes& plate, const TDelimitedRecord& record, std::size_t label);
    void ReleaseTotal();

    TListPlateSink& sink_;
    TDelimitedListOptions options_;
    std::optional<TListColumns> columns_;
    // A record whose plate reads as a total, with its plate, until it proves not the last.
    struct THeldTotal {
        TPlateBytes Plate;
        std::size_t Label; // the field that reads as a total
        std::vector<std::string> Fields;
        TDelimitedRecord Record;
    };
    std::optional<THeldTotal> total_;
};

// Reads a delimited list file with bounded memory (see ReadListText), or one held
// in memory as its bytes or as UTF-8 text, into `sink`. Throw TFileError,
// TNotTextError (not for text), TListColumnError.
void ReadDelimitedList(std::FILE* file, const std::string& name, const TDelimitedListOptions& options,
                       TListPlateSink& sink);
void ReadDelimitedBytes(std::string_view bytes, const TDelimitedListOptions& options, TListPlateSink& sink);
void ReadDelimitedText(std::string_view utf8, const TDelimitedListOptions& options, TListPlateSink& sink);

// The names of a list's columns from its first record: the header's (an empty
// one and every one without a header as "Column 1", "Column 2", ...).
std::vector<std::string> ListColumnNames(const std::vector<std::string_view>& first, bool header);
// Whether a header names the plate column: "Plate", "Number plate", "Kennzeichen",
// "Registration" and the like, in any case and spelling of blanks and hyphens.
bool NamesPlateColumn(std::string_view header);
// Whether two column names are one: the same but for case and surrounding blanks.
bool SameColumnName(std::string_view a, std::string_view b);
// The column whose header reads like the plate column ("Plate", "Number plate",
// "Kennzeichen", "Registration", ...), preferring an exact name to one that
// only contains such a word; none when no header does.
std::optional<std::size_t> FindPlateColumn(const std::vector<std::string_view>& headers);
std::optional<std::size_t> FindPlateColumn(const std::vector<std::string>& headers);

// The other columns of the lists read into one table, by name, in order of
// first appearance: a later list's column lands where an earlier one of the
// same name did.
class TOtherColumns {
public:
    TOtherColumns() = default;
    explicit TOtherColumns(std::vector<std::string> names) : names_(std::move(names)) {}

    // For each column of a list, its place among the other columns: -1 for the
    // plate column, and for a name not yet there unless `grow` adds it.
    std::vector<int> Place(const TListColumns& columns, bool grow);
    const std::vector<std::string>& Names() const { return names_; }

private:
    std::vector<std::string> names_;
};

// Counts the issues of the lists read, by problem; the first few are to be
// listed one by one.
class TIssueTally {
public:
    static constexpr std::size_t kListed = 10;
    // Counts the issue; true while it is among the first kListed.
    bool Add(TRecordProblem problem);
    std::size_t Count(TRecordProblem problem) const { return counts_[int(problem)]; }
    std::size_t Issues() const { return issues_; }
    std::size_t Rejected() const { return issues_ - Count(TRecordProblem::FieldsLeftOut); }
    // "2 records skipped: 1 without a plate field, 1 with a plate longer than 16
    // bytes"; empty with no issue.
    std::string Summary() const;
    // The reasons of the rejected ones alone: "1 without a plate field, 1 ...".
    std::string Reasons() const;

private:
    std::size_t counts_[kRecordProblemCount] = {};
    std::size_t issues_ = 0;
};
