#include "CliInputs.h"

#include "ShownText.h"
#include "Workbook.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <ostream>

namespace {

int LeaveOpen(std::FILE*) { return 0; }

} // namespace

TFilePtr OpenInput(const std::string& fileName)
{
    if (fileName == "-")
        return TFilePtr(stdin, &LeaveOpen);
    TFilePtr file(std::fopen(fileName.c_str(), "rb"), &std::fclose);
    if (!file)
        throw TFileError(fileName, std::strerror(errno));
    return file;
}

std::string InputName(const std::string& fileName)
{
    return fileName == "-" ? "standard input" : ShownFileName(fileName);
}

std::string NotTextMessage(const std::string& fileName, const TNotTextError& error, std::string_view what)
{
    std::string message = InputName(fileName) + ": " + error.what() + ", not " + std::string(what);
    switch (error.Kind) {
    case TContentKind::ExcelWorkbook:
        return message + "; read it with --input xlsx";
    case TContentKind::OpenDocumentSpreadsheet:
        return message + "; read it with --input ods";
    case TContentKind::OldOfficeDocument:
        return message + "; save it as an .xlsx workbook or as CSV first";
    case TContentKind::Utf16WithoutMark:
        return message + "; save it as UTF-8, or as UTF-16 with a byte order mark";
    default:
        return message;
    }
}

// The lines of a plain list on their way to the plate sink; those not read as
// text are reported.
class TReportedLines : public TLineSink {
public:
    TReportedLines(TCliInputs& inputs, const std::string& name, TPlateLineSink& sink)
        : inputs_(inputs), name_(name), sink_(sink)
    {
    }
    void LinePiece(std::string_view utf8) override { sink_.LinePiece(utf8); }
    void LineEnd() override { sink_.LineEnd(); }
    void Line(std::string_view utf8) override { sink_.Line(utf8); }
    void WholeLines(std::span<const std::string_view> lines, const char* textEnd) override
    {
        sink_.WholeLines(lines, textEnd);
    }
    void LineRejected(std::uint64_t line, TTextFault fault) override
    {
        sink_.LineRejected(line, fault);
        inputs_.ReportLineFault(name_, line, fault);
    }

private:
    TCliInputs& inputs_;
    const std::string& name_;
    TPlateLineSink& sink_;
};

// One delimited list on its way into the sink: its other columns are placed
// among those of the first list, and its issues reported.
class TListReader : public TListPlateSink {
public:
    TListReader(TCliInputs& inputs, const std::string& name, TPlateLineSink& sink)
        : inputs_(inputs), name_(name), sink_(sink)
    {
    }

    void ListColumns(const TListColumns& columns) override
    {
        // The first list with columns settles the output's; later lists fit into them.
        const bool settle = !inputs_.othersSettled_ && !columns.Names.empty();
        places_ = inputs_.others_.Place(columns, settle);
        if (settle) {
            inputs_.othersSettled_ = true;
            sink_.OtherColumns(inputs_.others_.Names());
        }
        others_.assign(inputs_.others_.Names().size(), std::string_view());
        inOrder_ = columns.Plate == 0 && places_.size() == others_.size() + 1;
        for (std::size_t i = 1; inOrder_ && i < places_.size(); ++i)
            inOrder_ = places_[i] == int(i - 1);
        for (std::size_t i = 0; i < columns.Names.size(); ++i)
            if (i != columns.Plate && places_[i] < 0)
                Warn("its column " + Name(columns.Names[i]) + " is not among the first list's columns; it is left out");
    }

    void ListPlate(const TPlateBytes& plate, const TDelimitedRecord& record) override
    {
        if (inOrder_ && record.Fields.size() == places_.size() && !record.Text.empty() &&
            sink_.ConvertListPlateCells(plate, CellsAfterPlate(record)))
            return;
        const std::size_t fields = std::min(record.Fields.size(), places_.size());
        for (std::size_t i = 0; i < fields; ++i)
            if (places_[i] >= 0)
                others_[std::size_t(places_[i])] = record.Fields[i];
        sink_.ConvertListPlate(plate, others_);
        std::fill(others_.begin(), others_.end(), std::string_view());
    }

    void ListIssue(const TRecordIssue& issue) override
    {
        if (RejectsRecord(issue.Problem))
            sink_.CountRejected();
        inputs_.ReportIssue(name_, issue);
    }

private:
    // The text of a whole record after its plate field (and the plate's closing
    // quote): the other fields, each after the separator.
    static std::string_view CellsAfterPlate(const TDelimitedRecord& record)
    {
        const std::string_view plate = record.Fields.front();
        std::size_t after = std::size_t(plate.data() + plate.size() - record.Text.data());
        if (after < record.Text.size() && record.Text[after] == '"')
            ++after;
        return record.Text.substr(after);
    }

    void Warn(const std::string& text) { inputs_.err_ << "corvana-cli: " << InputName(name_) << ": " << text << "\n"; }
    static std::string Name(const std::string& name) { return "\"" + ShownText(name) + "\""; }

    TCliInputs& inputs_;
    const std::string& name_;
    TPlateLineSink& sink_;
    std::vector<int> places_;
    std::vector<std::string_view> others_;
    bool inOrder_ = false; // the list's other columns are the output's, in order, after the plate
};

void TCliInputs::Read(TPlateLineSink& sink, bool standardInputByDefault)
{
    std::vector<TCliInput> ordered = options_.Inputs;
    if (ordered.empty() && standardInputByDefault)
        ordered.push_back({TCliInput::TKind::File, "-"});
    // Plate arguments come first, wherever they stand among the files.
    std::stable_partition(ordered.begin(), ordered.end(),
                          [](const TCliInput& input) { return input.Kind == TCliInput::TKind::Plate; });
    for (const TCliInput& input : ordered) {
        if (input.Kind == TCliInput::TKind::Plate) {
            sink.ConvertPlateText(input.Value);
            continue;
        }
        if (options_.Input == TInputKind::Workbook) {
            ReadWorkbook(input.Value, sink);
            continue;
        }
        TFilePtr file = OpenInput(input.Value);
        const bool delimited = options_.Input == TInputKind::Csv;
        try {
            if (delimited)
                ReadDelimitedList(file.get(), input.Value, sink);
            else
                ReadPlainList(file.get(), input.Value, sink);
        } catch (const TNotTextError& e) {
            throw TListError(NotTextMessage(input.Value, e, delimited ? "a delimited list" : "a plate list"));
        }
    }
    ReportTally();
}

void TCliInputs::ReadPlainList(std::FILE* file, const std::string& name, TPlateLineSink& sink)
{
    TReportedLines reported(*this, name, sink);
    TDelimiterLook look(&reported);
    ReadPlateList(file, name, look);
    const char separator = look.Suggested();
    if (separator == 0)
        return;
    const std::string what(SeparatorName(separator));
    err_ << "corvana-cli: " << InputName(name) << ": " << look.LinesWith(separator) << " of " << look.Lines()
         << " lines hold a " << what << ", so it looks like a " << what
         << "-separated list; read it with --input csv (and --header when its first line names the columns)\n";
}

void TCliInputs::ReadDelimitedList(std::FILE* file, const std::string& name, TPlateLineSink& sink)
{
    TListReader reader(*this, name, sink);
    try {
        ::ReadDelimitedList(file, name, options_.List, reader);
    } catch (const TListColumnError& e) {
        throw ColumnError(name, e);
    }
}

void TCliInputs::ReadWorkbook(const std::string& name, TPlateLineSink& sink)
{
    TListReader reader(*this, name, sink);
    TDelimitedPlateReader plates(reader, options_.List);
    try {
        const std::unique_ptr<TWorkbook> workbook = TWorkbook::OpenFile(name);
        const std::size_t sheet = options_.Sheet.empty() ? 0 : FindSheet(workbook->SheetNames(), options_.Sheet);
        ReadSheetAlongside(*workbook, sheet, plates);
        plates.Finish();
    } catch (const TWorkbookError& e) {
        // Its reason may quote the workbook's own texts.
        throw TListError(InputName(name) + ": cannot read the workbook: " + ShownText(e.what(), std::string::npos));
    } catch (const TListColumnError& e) {
        throw ColumnError(name, e);
    }
}

TListError TCliInputs::ColumnError(const std::string& name, const TListColumnError& error) const
{
    std::string message = InputName(name) + ": " + error.what();
    if (options_.List.PlateColumn.FromHeader)
        message += "; choose the plate column with --plate-column N|NAME";
    return TListError(message);
}

void TCliInputs::ReportIssue(const std::string& name, const TRecordIssue& issue)
{
    if (tally_.Add(issue.Problem))
        err_ << "corvana-cli: " << InputName(name) << ": " << IssueMessage(issue) << "\n";
}

void TCliInputs::ReportLineFault(const std::string& name, std::uint64_t line, TTextFault fault)
{
    TRecordIssue issue;
    issue.Line = line;
    issue.Problem = ProblemOf(fault);
    ReportIssue(name, issue);
}

void TCliInputs::ReportTally()
{
    const bool unlisted = tally_.Issues() > TIssueTally::kListed;
    if (!unlisted && !(options_.Strict && tally_.Rejected() > 0))
        return;
    err_ << "corvana-cli: " << tally_.Summary();
    if (unlisted)
        err_ << " (the first " << TIssueTally::kListed << " are listed above)";
    err_ << "\n";
}
