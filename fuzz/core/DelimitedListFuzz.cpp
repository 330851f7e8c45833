// Any bytes as a delimited list: decoding and parsing never crash; the byte
// search and the byte scan find what the standard search finds; parsing in
// pieces gives the records parsing the whole gives; a record given with its
// text is that text parsed alone; every record written back with all its
// fields quoted parses to the same fields; every accepted plate keeps its
// invariants, and every rejected record names a line of the text, read from
// the text or from the bytes themselves.
#include "DelimitedPlateList.h"
#include "PlateInvariants.h"

#include <algorithm>

namespace {

struct TParsed {
    std::vector<std::vector<std::string>> records;
    std::vector<std::uint64_t> lines;
    std::vector<std::uint64_t> unclosed;
    std::vector<std::uint64_t> rejected;
    bool operator==(const TParsed&) const = default;
};

class TCollect : public TRecordSink {
public:
    void Record(const TDelimitedRecord& record) override
    {
        Require(!record.Fields.empty());
        Require(parsed.lines.empty() || record.Line > parsed.lines.back());
        parsed.records.emplace_back(record.Fields.begin(), record.Fields.end());
        parsed.lines.push_back(record.Line);
        texts.emplace_back(record.Text);
    }
    void UnclosedQuote(std::uint64_t line) override { parsed.unclosed.push_back(line); }
    void RecordRejected(std::uint64_t line, TTextFault) override { parsed.rejected.push_back(line); }
    TParsed parsed;
    std::vector<std::string> texts; // of whole records; empty for the others
};

TParsed Parse(std::string_view text, char separator, std::size_t step)
{
    TCollect collect;
    TDelimitedParser parser(collect, separator);
    for (std::size_t at = 0; at < text.size(); at += step)
        parser.Text(text.substr(at, step));
    parser.End();
    for (std::size_t i = 0; i < collect.texts.size(); ++i) {
        if (collect.texts[i].empty())
            continue;
        TCollect alone;
        TDelimitedParser again(alone, parser.Separator());
        again.Text(collect.texts[i]);
        again.End();
        Require(alone.parsed.records.size() == 1 && alone.parsed.records[0] == collect.parsed.records[i]);
    }
    return collect.parsed;
}

std::string WriteQuoted(const std::vector<std::vector<std::string>>& records, char separator)
{
    std::string text;
    for (const auto& record : records) {
        for (std::size_t i = 0; i < record.size(); ++i) {
            if (i > 0)
                text += separator;
            text += '"';
            for (char c : record[i])
                text += c == '"' ? std::string("\"\"") : std::string(1, c);
            text += '"';
        }
        text += "\r\n";
    }
    return text;
}

class TCheckPlates : public TListPlateSink {
public:
    explicit TCheckPlates(std::uint64_t lines) : lines_(lines) {}
    void ListColumns(const TListColumns& columns) override
    {
        Require(columns.Names.empty() || columns.Plate < columns.Names.size());
        columns_ = columns.Names.size();
    }
    void ListPlate(const TPlateBytes& plate, const TDelimitedRecord& record) override
    {
        CheckPlateAndCodes(std::string(plate));
        Require(record.Line >= 1 && record.Line <= lines_);
    }
    void ListIssue(const TRecordIssue& issue) override
    {
        Require(issue.Line >= 1 && issue.Line <= lines_);
        Require(IsValidUtf8(IssueMessage(issue)));
        tally_.Add(issue.Problem);
        Require(!tally_.Summary().empty());
    }

private:
    std::uint64_t lines_;
    std::size_t columns_ = 0;
    TIssueTally tally_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t control = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string text;
    bool isText = true;
    try {
        text = DecodeListText(bytes);
    } catch (const TNotTextError&) {
        isText = false;
        // No list, but its bytes as text still make a parser's input.
        Require(SniffContent(bytes) != TContentKind::Text);
        AppendWindows1252AsUtf8(text, bytes);
    }
    Require(IsValidUtf8(text));
    constexpr char kSeparators[] = {0, ',', ';', '\t'};
    const char separator = kSeparators[control & 3];

    // The byte search the parser and the CSV writer stand on finds what find_first_of finds.
    const std::string_view members = std::string_view(text).substr(0, control % (TByteSet::kMaxMembers + 1));
    const std::string_view searched = std::string_view(text).substr(members.size());
    Require(TByteSet(members).Find(searched) == searched.find_first_of(members));
    TByteSetScan scan{TByteSet(members)};
    const char* const end = searched.data() + searched.size();
    scan.Reset(searched.data(), end);
    for (std::size_t at = 0;; ++at) {
        const std::size_t expected = searched.find_first_of(members, at);
        const char* found = scan.Next(searched.data() + at);
        Require(found == (expected == std::string_view::npos ? end : searched.data() + expected));
        if (found == end)
            break;
        at = std::size_t(found - searched.data());
    }

    const TParsed whole = Parse(text, separator, std::max<std::size_t>(text.size(), 1));
    // In pieces of any size, the separator detected included.
    Require(Parse(text, separator, 1 + (control >> 2) % 7) == whole);

    if (separator != 0) {
        const TParsed again = Parse(WriteQuoted(whole.records, separator), separator, 64);
        Require(again.records == whole.records && again.unclosed.empty());
    }

    const std::uint64_t lines = 1 + std::count_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; });
    TCheckPlates check(lines);
    TDelimitedListOptions options;
    options.Separator = separator;
    options.Header = control & 0x10;
    options.PlateColumn.Index = (control >> 5) % 3;
    try {
        ReadDelimitedText(text, options, check);
    } catch (const TListColumnError&) {
    }
    TCheckPlates fromBytes(lines);
    try {
        if (isText)
            ReadDelimitedBytes(bytes, options, fromBytes);
    } catch (const TListColumnError&) {
    }
    return 0;
}
