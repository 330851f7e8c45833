#include "DelimitedPlateList.h"

#include "Blanks.h"
#include "PlateCodes.h"
#include "ShownText.h"
#include "Utf8.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <array>

namespace {

// Calls `take(char32_t)` for every code point of UTF-8 text.
template <class Take>
void ForEachCodePoint(std::string_view utf8, Take&& take)
{
    auto bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    for (std::size_t i = 0, n = utf8.size(); i < n;) {
        char32_t cp = bytes[i];
        i += cp < 0x80 ? 1 : DecodeUtf8(bytes + i, n - i, cp, true);
        take(cp);
    }
}

// A field as a message quotes it: its first characters, controls escaped.
std::string Quoted(std::string_view field) { return "\"" + ShownText(field) + "\""; }

// A header name reduced to its letters and digits, in upper case.
std::string NameKey(std::string_view name)
{
    std::string key;
    ForEachCodePoint(name, [&](char32_t cp) {
        if (u_isalnum(UChar32(cp)))
            AppendUtf8(key, char32_t(u_toupper(UChar32(cp))));
    });
    return key;
}

// Names of the plate column in the languages of the lists we meet.
constexpr std::array<std::string_view, 28> kPlateNames = {
    "PLATE",          "NUMBERPLATE",     "PLATENUMBER",       "PLATENO",          "LICENSEPLATE",
    "LICENCEPLATE",   "LICENSEPLATENUMBER", "LICENCEPLATENUMBER", "REGISTRATION", "REGISTRATIONNUMBER",
    "REGISTRATIONNO", "REGNO",           "REGNR",             "VRN",              "VRM",
    "KENNZEICHEN",    "KFZKENNZEICHEN",  "AMTLICHESKENNZEICHEN", "NUMMERNSCHILD", "KENTEKEN",
    "PLAQUE",         "IMMATRICULATION", "MATRICULA",         "MATR\xC3\x8D" "CULA", "TARGA",
    "TABLICA",        "SPZ",             "REKISTERINUMERO",
};
// Words a longer name of the plate column contains.
constexpr std::array<std::string_view, 6> kPlateWords = {"PLATE", "KENNZEICHEN", "REGISTRATION",
                                                         "NUMMERNSCHILD", "KENTEKEN", "IMMATRICULATION"};

// 2 for a name of the plate column, 1 for a name that contains such a word.
int PlateNameScore(std::string_view name)
{
    const std::string key = NameKey(name);
    if (std::find(kPlateNames.begin(), kPlateNames.end(), key) != kPlateNames.end())
        return 2;
    for (std::string_view word : kPlateWords)
        if (key.find(word) != std::string::npos)
            return 1;
    return 0;
}

// Names as a message lists them: "Nr.", "Name", "Kennzeichen".
std::string QuotedList(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + Quoted(name);
    return list;
}

std::string ColumnNumberName(std::size_t index) { return "Column " + std::to_string(index + 1); }

bool AllEmpty(const TDelimitedRecord& record)
{
    return std::all_of(record.Fields.begin(), record.Fields.end(), [](std::string_view f) { return f.empty(); });
}

// Plates that the total row of a spreadsheet has in its plate cell, in the
// languages of the lists we meet ("Total:", "Grand total", "Summe", ...).
bool ReadsAsTotal(std::string_view plate)
{
    static constexpr std::string_view kTotals[] = {
        "TOTAL", "TOTALS", "GRANDTOTAL", "SUM", "SUMME", "GESAMT", "GESAMTSUMME", "INSGESAMT", "TOTAAL", "SOM",
        "SOMME", "SUMA", "TOTALE", "RAZEM", "OG\xC3\x93\xC5\x81" "EM", "TOTALT", "SUMMA", "YHTEENS\xC3\x84", "\xCE\xA3"};
    // Every plate of a list comes here: the lengths the totals have, by their
    // first byte, turn nearly all of them away at a glance.
    static constexpr auto kLengths = [] {
        std::array<std::uint16_t, 256> lengths{};
        for (const std::string_view total : kTotals)
            lengths[static_cast<unsigned char>(total.front())] |= std::uint16_t(1u << total.size());
        return lengths;
    }();
    if (plate.empty() || !((kLengths[static_cast<unsigned char>(plate.front())] >> plate.size()) & 1))
        return false;
    return std::find(std::begin(kTotals), std::end(kTotals), plate) != std::end(kTotals);
}

// The field that labels a record as a spreadsheet's total row: its plate
// field, or its first field that holds anything, when it reads as a total.
std::optional<std::size_t> TotalLabel(const TDelimitedRecord& record, std::size_t plateColumn, const TPlateBytes& plate)
{
    if (ReadsAsTotal(plate))
        return plateColumn;
    const auto first = std::find_if(record.Fields.begin(), record.Fields.end(),
                                    [](std::string_view field) { return !IsBlank(field); });
    const auto index = std::size_t(first - record.Fields.begin());
    TPlateBytes label;
    if (first == record.Fields.end() || index == plateColumn || !NormalizePlateTo(*first, label) || !ReadsAsTotal(label))
        return std::nullopt;
    return index;
}

bool IsFormula(const TDelimitedRecord& record, std::size_t field)
{
    return std::binary_search(record.FormulaFields.begin(), record.FormulaFields.end(), field);
}

} // namespace

std::string IssueMessage(const TRecordIssue& issue)
{
    std::string message = (issue.SheetRow ? "row " : "line ") + std::to_string(issue.Line) + ": ";
    switch (issue.Problem) {
    case TRecordProblem::NoPlateField:
        return message + "no field in column " + std::to_string(issue.PlateColumn + 1) + " for the plate";
    case TRecordProblem::EmptyPlate:
        return message + "the plate field is empty";
    case TRecordProblem::NothingLeft:
        return message + "no plate is left of " + Quoted(issue.Field) + " once spaces and punctuation are removed";
    case TRecordProblem::PlateTooLong:
        return message + Quoted(issue.Field) + " is longer than 16 bytes as a plate";
    case TRecordProblem::HeaderText:
        return message + Quoted(issue.Field) + " reads as a column header, not a plate";
    case TRecordProblem::UnclosedQuote:
        return message + "a quote opened here is never closed; the rest of the list is not read";
    case TRecordProblem::NotUtf8:
        return message + "it holds bytes that are not UTF-8, the encoding of the list";
    case TRecordProblem::UnpairedSurrogate:
        return message + "it holds half of a UTF-16 surrogate pair, which is no character";
    case TRecordProblem::HalfCharacter:
        return message + "the list ends here in the middle of a UTF-16 character (an odd number of bytes)";
    case TRecordProblem::TooLong:
        return message + "longer than 64 KiB; passed over up to its end";
    case TRecordProblem::FieldsLeftOut:
        return message + "the record has more fields than the list has columns; they are left out";
    case TRecordProblem::FormulaPlate:
        return message + "a formula computes the plate cell " + Quoted(issue.Field) + "; a plate is typed, not computed";
    case TRecordProblem::TotalRow:
        return message + "the last record reads as a total row (" + Quoted(issue.Field) + "), not as a vehicle";
    }
    return message;
}

std::string_view ProblemSummary(TRecordProblem problem)
{
    switch (problem) {
    case TRecordProblem::NoPlateField:
        return "without a plate field";
    case TRecordProblem::EmptyPlate:
        return "with an empty plate field";
    case TRecordProblem::NothingLeft:
        return "with only spaces and punctuation for a plate";
    case TRecordProblem::PlateTooLong:
        return "with a plate longer than 16 bytes";
    case TRecordProblem::HeaderText:
        return "reading as a column header";
    case TRecordProblem::UnclosedQuote:
        return "with a quote never closed (the rest of the list)";
    case TRecordProblem::NotUtf8:
        return "with bytes that are not UTF-8";
    case TRecordProblem::UnpairedSurrogate:
        return "with half of a UTF-16 surrogate pair";
    case TRecordProblem::HalfCharacter:
        return "ending in half a UTF-16 character";
    case TRecordProblem::TooLong:
        return "longer than 64 KiB";
    case TRecordProblem::FieldsLeftOut:
        return "with fields beyond the columns, left out";
    case TRecordProblem::FormulaPlate:
        return "with a formula for a plate";
    case TRecordProblem::TotalRow:
        return "reading as a total row";
    }
    return {};
}

TRecordProblem ProblemOf(TTextFault fault)
{
    switch (fault) {
    case TTextFault::NotUtf8:
        return TRecordProblem::NotUtf8;
    case TTextFault::UnpairedSurrogate:
        return TRecordProblem::UnpairedSurrogate;
    case TTextFault::HalfCharacter:
        return TRecordProblem::HalfCharacter;
    case TTextFault::TooLong:
        break;
    }
    return TRecordProblem::TooLong;
}

// ---- records to plates ------------------------------------------------------------

TDelimitedPlateReader::TDelimitedPlateReader(TListPlateSink& sink, const TDelimitedListOptions& options)
    : sink_(sink), options_(options)
{
}

std::vector<std::string> ListColumnNames(const std::vector<std::string_view>& first, bool header)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < first.size(); ++i) {
        const std::string_view name = header ? TrimBlanks(first[i]) : std::string_view();
        names.push_back(name.empty() ? ColumnNumberName(i) : std::string(name));
    }
    return names;
}

bool NamesPlateColumn(std::string_view header) { return PlateNameScore(header) == 2; }

void TDelimitedPlateReader::Settle(const TDelimitedRecord& first)
{
    TListColumns columns;
    columns.Names = ListColumnNames(first.Fields, options_.Header);
    const TPlateColumn& plate = options_.PlateColumn;
    if (plate.FromHeader && options_.Header) {
        const std::optional<std::size_t> named = FindPlateColumn(columns.Names);
        if (!named)
            throw TListColumnError("no column of the header reads like the plate column (its columns: " +
                                   QuotedList(columns.Names) + ")");
        columns.Plate = *named;
    } else if (!plate.Name.empty()) {
        const auto named = std::find_if(columns.Names.begin(), columns.Names.end(),
                                        [&](const std::string& name) { return SameColumnName(name, plate.Name); });
        if (!options_.Header || named == columns.Names.end())
            throw TListColumnError("no column " + Quoted(plate.Name) + " in the header" +
                                   (options_.Header ? " (its columns: " + QuotedList(columns.Names) + ")" : std::string()));
        columns.Plate = std::size_t(named - columns.Names.begin());
    } else if (plate.Index >= columns.Names.size()) {
        throw TListColumnError("the list has " + std::to_string(columns.Names.size()) +
                               (columns.Names.size() == 1 ? " column" : " columns") + "; the plate column " +
                               std::to_string(plate.Index + 1) + " is not among them");
    } else {
        columns.Plate = plate.Index;
    }
    columns_ = std::move(columns);
    sink_.ListColumns(*columns_);
}

void TDelimitedPlateReader::Record(const TDelimitedRecord& record)
{
    if (AllEmpty(record))
        return;
    ReleaseTotal(); // a record follows, so the total was not the last
    const bool first = !columns_;
    if (first) {
        Settle(record);
        if (options_.Header)
            return;
    }
    const std::size_t plateColumn = columns_->Plate;
    if (record.Fields.size() > columns_->Names.size() &&
        std::any_of(record.Fields.begin() + std::ptrdiff_t(columns_->Names.size()), record.Fields.end(),
                    [](std::string_view f) { return !IsBlank(f); }))
        Issue(record, TRecordProblem::FieldsLeftOut);
    if (plateColumn >= record.Fields.size())
        return Issue(record, TRecordProblem::NoPlateField);
    const std::string_view field = record.Fields[plateColumn];
    if (IsFormula(record, plateColumn))
        return Issue(record, TRecordProblem::FormulaPlate);
    if (IsBlank(field))
        return Issue(record, TRecordProblem::EmptyPlate);
    // A first line that names the plate column is a header the list was not said to have.
    if (first && std::any_of(record.Fields.begin(), record.Fields.end(), NamesPlateColumn))
        return Issue(record, TRecordProblem::HeaderText);
    TPlateRejection why = TPlateRejection::None;
    TPlateBytes plate;
    if (record.TextEnd)
        NormalizePlateTo(field, record.TextEnd, plate, &why);
    else
        NormalizePlateTo(field, plate, &why);
    switch (why) {
    case TPlateRejection::None:
        if (const std::optional<std::size_t> label = TotalLabel(record, plateColumn, plate))
            return HoldTotal(plate, record, *label);
        sink_.ListPlate(plate, record);
        return;
    case TPlateRejection::NothingLeft:
        return Issue(record, TRecordProblem::NothingLeft);
    case TPlateRejection::TooLong:
        return Issue(record, TRecordProblem::PlateTooLong);
    case TPlateRejection::HeaderText:
        return Issue(record, TRecordProblem::HeaderText);
    }
}

void TDelimitedPlateReader::Issue(const TDelimitedRecord& record, TRecordProblem problem)
{
    const std::size_t plateColumn = columns_ ? columns_->Plate : options_.PlateColumn.Index;
    TRecordIssue issue;
    issue.Line = record.Line;
    issue.Problem = problem;
    if (plateColumn < record.Fields.size())
        issue.Field = record.Fields[plateColumn];
    issue.PlateColumn = plateColumn;
    issue.SheetRow = options_.SheetRows;
    sink_.ListIssue(issue);
}

void TDelimitedPlateReader::HoldTotal(const TPlateBytes& plate, const TDelimitedRecord& record, std::size_t label)
{
    THeldTotal& held = total_.emplace();
    held.Plate = plate;
    held.Label = label;
    held.Fields.assign(record.Fields.begin(), record.Fields.end());
    held.Record.Line = record.Line;
    for (const std::string& field : held.Fields)
        held.Record.Fields.emplace_back(field);
}

void TDelimitedPlateReader::ReleaseTotal()
{
    if (!total_)
        return;
    sink_.ListPlate(total_->Plate, total_->Record);
    total_.reset();
}

void TDelimitedPlateReader::UnclosedQuote(std::uint64_t line)
{
    TRecordIssue issue;
    issue.Line = line;
    issue.Problem = TRecordProblem::UnclosedQuote;
    issue.PlateColumn = columns_ ? columns_->Plate : options_.PlateColumn.Index;
    issue.SheetRow = options_.SheetRows;
    sink_.ListIssue(issue);
}

void TDelimitedPlateReader::RecordRejected(std::uint64_t line, TTextFault fault)
{
    TRecordIssue issue;
    issue.Line = line;
    issue.Problem = ProblemOf(fault);
    issue.PlateColumn = columns_ ? columns_->Plate : options_.PlateColumn.Index;
    sink_.ListIssue(issue);
}

void TDelimitedPlateReader::Finish()
{
    if (total_) {
        TRecordIssue issue;
        issue.Line = total_->Record.Line;
        issue.Problem = TRecordProblem::TotalRow;
        issue.Field = total_->Fields[total_->Label];
        issue.PlateColumn = columns_->Plate;
        issue.SheetRow = options_.SheetRows;
        sink_.ListIssue(issue);
        total_.reset();
    }
    if (columns_)
        return;
    columns_.emplace(); // a list without records has no columns and no plates
    sink_.ListColumns(*columns_);
}

namespace {

// Parses text into records, and the records into plates.
class TDelimitedPlateParser : public TTextSink {
public:
    TDelimitedPlateParser(const TDelimitedListOptions& options, TListPlateSink& sink)
        : reader_(sink, options), parser_(reader_, options.Separator)
    {
    }
    void Text(std::string_view utf8) override { parser_.Text(utf8); }
    void NotText(TTextFault fault) override { parser_.NotText(fault); }
    void End() override
    {
        parser_.End();
        reader_.Finish();
    }

private:
    TDelimitedPlateReader reader_;
    TDelimitedParser parser_;
};

} // namespace

void ReadDelimitedList(std::FILE* file, const std::string& name, const TDelimitedListOptions& options,
                       TListPlateSink& sink)
{
    TDelimitedPlateParser parser(options, sink);
    ReadListText(file, name, parser);
}

void ReadDelimitedBytes(std::string_view bytes, const TDelimitedListOptions& options, TListPlateSink& sink)
{
    TDelimitedPlateParser parser(options, sink);
    TListDecoder decoder(parser);
    decoder.Feed(bytes);
    decoder.Finish();
}

void ReadDelimitedText(std::string_view utf8, const TDelimitedListOptions& options, TListPlateSink& sink)
{
    TDelimitedPlateParser parser(options, sink);
    parser.Text(utf8);
    parser.End();
}

// ---- column names --------------------------------------------------------------------

bool SameColumnName(std::string_view a, std::string_view b)
{
    const auto folded = [](std::string_view name) {
        std::string text;
        ForEachCodePoint(TrimBlanks(name),
                         [&](char32_t cp) { AppendUtf8(text, char32_t(u_foldCase(UChar32(cp), U_FOLD_CASE_DEFAULT))); });
        return text;
    };
    return folded(a) == folded(b);
}

std::optional<std::size_t> FindPlateColumn(const std::vector<std::string_view>& headers)
{
    std::optional<std::size_t> found;
    int best = 0;
    for (std::size_t i = 0; i < headers.size(); ++i) {
        const int score = PlateNameScore(headers[i]);
        if (score > best) {
            best = score;
            found = i;
        }
    }
    return found;
}

std::optional<std::size_t> FindPlateColumn(const std::vector<std::string>& headers)
{
    return FindPlateColumn(std::vector<std::string_view>(headers.begin(), headers.end()));
}

std::vector<int> TOtherColumns::Place(const TListColumns& columns, bool grow)
{
    std::vector<int> places(columns.Names.size(), -1);
    std::vector<bool> taken(names_.size(), false); // by an earlier column of this list
    for (std::size_t i = 0; i < columns.Names.size(); ++i) {
        if (i == columns.Plate)
            continue;
        for (std::size_t k = 0; k < names_.size(); ++k) {
            if (!taken[k] && SameColumnName(names_[k], columns.Names[i])) {
                places[i] = int(k);
                taken[k] = true;
                break;
            }
        }
        if (places[i] < 0 && grow) {
            places[i] = int(names_.size());
            names_.push_back(columns.Names[i]);
            taken.push_back(true);
        }
    }
    return places;
}

// ---- counting issues ----------------------------------------------------------------

bool TIssueTally::Add(TRecordProblem problem)
{
    ++counts_[int(problem)];
    return ++issues_ <= kListed;
}

std::string TIssueTally::Reasons() const
{
    std::string rejected;
    for (int p = 0; p < kRecordProblemCount; ++p) {
        const auto problem = TRecordProblem(p);
        if (!RejectsRecord(problem) || counts_[p] == 0)
            continue;
        rejected += (rejected.empty() ? "" : ", ") + std::to_string(counts_[p]) + " " + std::string(ProblemSummary(problem));
    }
    return rejected;
}

std::string TIssueTally::Summary() const
{
    const std::string rejected = Reasons();
    const auto records = [](std::size_t n) { return std::to_string(n) + (n == 1 ? " record " : " records "); };
    std::string summary;
    if (Rejected() > 0)
        summary = records(Rejected()) + "skipped: " + rejected;
    if (const std::size_t leftOut = Count(TRecordProblem::FieldsLeftOut); leftOut > 0)
        summary += (summary.empty() ? "" : "; ") + records(leftOut) +
                   std::string(ProblemSummary(TRecordProblem::FieldsLeftOut));
    return summary;
}
