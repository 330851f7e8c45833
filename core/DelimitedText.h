#pragma once
// Delimited text, as spreadsheets export it (RFC 4180): records of fields
// separated by ",", ";" or a tab, one record a line. A field that starts with a
// double quote is quoted: it ends at the next single double quote, a doubled one
// stands for one, and separators and line breaks inside it belong to the field.
// Records end with CR LF, LF or CR. Read leniently as spreadsheets do: a quote
// inside an unquoted field is a character, and text after a closing quote joins
// the field. A record longer than kLineLimit, or one in which bytes were no
// text, is rejected, and the rest of it passed over.

#include "ByteSet.h"
#include "PlateList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The separators a delimited list may use, in the order a tie between them is
// decided: a tab or ";" rarely stands inside a field, a comma often does.
inline constexpr char kListSeparators[] = {'\t', ';', ','};

// One record: its fields, its text, and the line of the text it starts on (from 1),
// or the row of a sheet.
struct TDelimitedRecord {
    std::vector<std::string_view> Fields;
    // The record as it stands in the text, without its line break, when it lies
    // whole there (most do); empty when it was put together from pieces.
    std::string_view Text;
    // The end of the text a whole record's fields lie in: bytes up to there
    // may be read. Null when the record was put together from pieces.
    const char* TextEnd = nullptr;
    std::uint64_t Line = 0;
    // The fields whose text a formula computed (a workbook's cells); ascending.
    std::vector<std::size_t> FormulaFields;
};

class TRecordSink {
public:
    virtual ~TRecordSink() = default;
    virtual void Record(const TDelimitedRecord& record) = 0;
    // A quoted field opened on `line` is still open at the end of the text: the
    // record it belongs to is incomplete and is not given.
    virtual void UnclosedQuote(std::uint64_t line) = 0;
    // The record that begins on `line` is not given, for `fault`; told as soon
    // as it is known, so an endless record is reported while it is read.
    virtual void RecordRejected(std::uint64_t line, TTextFault fault) = 0;
};

// Splits UTF-8 text that arrives in pieces into records. The separator is given,
// or 0 to detect it from the first lines (which are held back until enough of
// them have arrived).
class TDelimitedParser : public TTextSink {
public:
    TDelimitedParser(TRecordSink& sink, char separator);
    void Text(std::string_view utf8) override;
    void NotText(TTextFault fault) override;
    void End() override;
    // The separator in use; 0 while it is still to be detected.
    char Separator() const { return separator_; }

private:
    enum class TState : unsigned char { FieldStart, Unquoted, Quoted, QuoteInQuoted };
    void UseSeparator(char separator);
    bool SampleComplete();
    void DetectAndParseHead();
    void Parse(std::string_view text);
    const char* WholeRecord(const char* p, const char* end);
    void LineBreak(char c);
    void Keep(std::string_view text);
    void EndField();
    void CheckLength();
    void Reject(TTextFault fault);
    void EndRecord();

    TRecordSink& sink_;
    char separator_ = 0;
    TByteSet unquotedStops_{""}; // the bytes that end a run of plain text outside quotes
    TByteSet quotedStops_{"\"\r\n"}; // and inside
    TByteSetScan recordScan_{TByteSet("")}; // where a whole record's fields end in the text at hand
    std::string head_;        // text held back until the separator is detected
    std::vector<std::pair<std::size_t, TTextFault>> headFaults_; // where bytes in it were no text
    std::size_t sampleEnd_ = 0;    // how much of it the separator is detected from
    std::size_t sampleBreaks_ = 0; // the line breaks in that much
    std::string fieldText_;   // the texts of the record's fields, one after another
    std::vector<std::size_t> fieldEnds_;
    TDelimitedRecord record_;
    TState state_ = TState::FieldStart;
    bool recordOpen_ = false; // the current record has begun
    bool recordRejected_ = false; // and was rejected: the rest of it is passed over
    bool afterCr_ = false;    // the last character was a CR: a following LF is part of its break
    std::uint64_t line_ = 1;
    std::uint64_t quoteLine_ = 0; // where the open quoted field began
};

// The separator of a list from the text of its first lines: the one that splits
// the most records into one same number of fields (more than one); a comma when
// none splits any.
char DetectSeparator(std::string_view utf8Head);

// Watches the lines of a plain plate list on their way to `next` and counts
// those whose plate part (before the first ";") holds a comma or a tab: a list
// in which most lines do is a delimited list read as plain lines.
class TDelimiterLook : public TLineSink {
public:
    explicit TDelimiterLook(TLineSink* next = nullptr) : next_(next) {}
    void LinePiece(std::string_view utf8) override;
    void LineEnd() override;
    void Line(std::string_view utf8) override;
    void WholeLines(std::span<const std::string_view> lines, const char* textEnd) override;
    void LineRejected(std::uint64_t line, TTextFault fault) override;

    // Lines that hold anything (of those not rejected).
    std::uint64_t Lines() const { return lines_; }
    // ',' or '\t' when more than half of the lines hold it, else 0.
    char Suggested() const;
    // The lines that hold the suggested separator.
    std::uint64_t LinesWith(char separator) const { return separator == '\t' ? tabLines_ : commaLines_; }

private:
    void Look(std::string_view utf8);
    void LookShort(std::string_view line);
    void Count();

    TLineSink* next_;
    bool lineHasText_ = false, pastPlate_ = false, comma_ = false, tab_ = false;
    std::uint64_t lines_ = 0, commaLines_ = 0, tabLines_ = 0;
};

// What a separator is called in messages: "comma", "semicolon" or "tab".
std::string_view SeparatorName(char separator);
