#include "Converter.h"

#include "Blanks.h"
#include "CliInputs.h"
#include "CollisionReport.h"
#include "DecodeReport.h"
#include "ShortBytes.h"
#include "ShownText.h"
#include "WorkbookOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <ostream>
#include <span>
#include <unistd.h>

namespace {

// Lines go to the output in pieces of kTextSize; each line takes at most
// kLineRoom bytes while it is written. Together they fill one huge page.
constexpr std::size_t kLineRoom = 7 * (kCellRoom + 1) + 2;
constexpr std::size_t kTextSize = (std::size_t(2) << 20) - kLineRoom;
// Plates computed together.
constexpr std::size_t kBatchSize = 256;

} // namespace

void TPlateLineSink::Take(bool accepted, const TPlateBytes& plate)
{
    if (!accepted) {
        ++rejected_;
        return;
    }
    ++accepted_;
    Plate(plate);
}

void TPlateLineSink::LineEnd()
{
    TPlateBytes plate;
    const bool accepted = normalizer_.FinishTo(plate);
    Take(accepted, plate);
}

void TPlateLineSink::LineRejected(std::uint64_t, TTextFault)
{
    TPlateBytes dropped;
    normalizer_.FinishTo(dropped); // what it took of the line goes
    ++rejected_;
}

void TPlateLineSink::Line(std::string_view utf8)
{
    TPlateBytes plate;
    const bool accepted = NormalizePlateTo(utf8, plate);
    Take(accepted, plate);
}

// The plates of whole lines go on together, a batch at a time.
void TPlateLineSink::WholeLines(std::span<const std::string_view> lines, const char* textEnd)
{
    constexpr std::size_t kBatch = 256;
    TPlateBytes plates[kBatch];
    while (!lines.empty()) {
        const std::span<const std::string_view> batch = lines.first(std::min(kBatch, lines.size()));
        std::size_t accepted = 0;
        for (const std::string_view line : batch)
            accepted += NormalizePlateTo(line, textEnd, plates[accepted]); // a rejected line leaves its slot to the next
        accepted_ += accepted;
        rejected_ += batch.size() - accepted;
        Plates(std::span<const TPlateBytes>(plates, accepted));
        lines = lines.subspan(batch.size());
    }
}

void TPlateLineSink::Plates(std::span<const TPlateBytes> plates)
{
    for (const TPlateBytes& plate : plates)
        Plate(plate);
}

void TPlateLineSink::ConvertPlateText(std::string_view text)
{
    Line(TextToUtf8(text));
}

TConverter::TConverter(TCodeTable table, std::vector<int> columns, TOutputStream& out, TLineFormat format,
                       bool awaitOtherColumns)
    : table_(table), columns_(std::move(columns)), out_(out),
      format_(format), separator_(format == TLineFormat::Csv ? ',' : ';'), columnsKnown_(!awaitOtherColumns),
      codes_(kBatchSize), text_(kTextSize + kLineRoom)
{
    writers_.push_back(RowCellWriter(table_, 0));
    for (int c : columns_)
        writers_.push_back(RowCellWriter(table_, static_cast<std::size_t>(c)));
    wholeRow_ = writers_.size() == ResultTable(table_).Columns.size();
    for (std::size_t c = 0; c < columns_.size(); ++c)
        wholeRow_ = wholeRow_ && columns_[c] == static_cast<int>(c + 1);
    batch_.reserve(kBatchSize);
    othersEnds_.reserve(kBatchSize);
}

char* TConverter::Room(std::size_t bytes)
{
    if (textSize_ + bytes > kTextSize + kLineRoom)
        HandOver();
    return text_.get() + textSize_;
}

void TConverter::HandOver()
{
    out_.Write(std::string_view(text_.get(), textSize_));
    textSize_ = 0;
}

void TConverter::Append(std::string_view bytes)
{
    if (bytes.size() > kLineRoom) {
        // A long text from another column goes out as it stands.
        HandOver();
        out_.Write(bytes);
        return;
    }
    std::memcpy(Room(bytes.size()), bytes.data(), bytes.size());
    textSize_ += bytes.size();
}

// The line of a plate: its computed cells written in place, then the texts of
// its other columns as they were taken. Computed cells never hold a
// separator, a quote or a line break (the canonical plate keeps no byte below
// "0" but the digits), so neither format quotes them.
void TConverter::WriteRow(const TPlateCodes& codes, std::string_view others)
{
    char* const begin = Room(kLineRoom);
    char* p = begin;
    if (wholeRow_) {
        p = WriteRowLine(table_, codes, separator_, p);
    } else {
        for (const TRowCellWriter write : writers_) {
            p = write(codes, p);
            *p++ = separator_;
        }
        --p; // no separator after the last
    }
    if (others.empty()) {
        // The line break fits in the line's room.
        p[0] = '\r';
        p[1] = '\n';
        textSize_ += static_cast<std::size_t>(p + 2 - begin);
    } else {
        textSize_ += static_cast<std::size_t>(p - begin);
        Append(others);
        Append("\r\n");
    }
    if (textSize_ >= kTextSize)
        HandOver();
}

void TConverter::ComputeBatch()
{
    ComputeTableCodesInBulk(table_, batch_, codes_.data());
    std::size_t othersBegin = 0;
    for (std::size_t i = 0; i < batch_.size(); ++i) {
        WriteRow(codes_[i], std::string_view(others_).substr(othersBegin, othersEnds_[i] - othersBegin));
        othersBegin = othersEnds_[i];
    }
    batch_.clear();
    others_.clear();
    othersEnds_.clear();
}

void TConverter::WriteHeader()
{
    headerWritten_ = true;
    std::string line;
    TResultLineWriter writer(line, format_);
    const auto& headers = table_ == TCodeTable::Wiegand26 ? std::span<const std::string_view>(Wiegand26Headers)
                                                          : std::span<const std::string_view>(Wiegand64Headers);
    writer.Cell(headers[0]);
    for (int c : columns_)
        writer.Cell(headers[static_cast<std::size_t>(c)]);
    for (const std::string& name : otherNames_)
        writer.TextCell(name);
    writer.EndLine();
    Append(line);
}

void TConverter::OtherColumns(const std::vector<std::string>& names)
{
    if (columnsKnown_)
        return;
    otherNames_ = names;
    columnsKnown_ = true;
    WriteWaiting();
}

void TConverter::WriteWaiting()
{
    if (!headerWritten_)
        WriteHeader();
    for (const TPlateBytes& plate : waiting_)
        PlateWithOthers(plate, {});
    waiting_.clear();
}

void TConverter::Finish()
{
    columnsKnown_ = true;
    WriteWaiting();
    ComputeBatch();
    HandOver();
}

void TConverter::Plates(std::span<const TPlateBytes> plates)
{
    if (!PlatesGoStraightToBatch()) {
        TPlateLineSink::Plates(plates); // each waits for the header or takes its other columns
        return;
    }
    // Plates without other columns join the batch in runs, up to its size.
    while (!plates.empty()) {
        const std::size_t run = std::min(kBatchSize - batch_.size(), plates.size());
        batch_.insert(batch_.end(), plates.begin(), plates.begin() + std::ptrdiff_t(run));
        othersEnds_.resize(batch_.size(), others_.size());
        plates = plates.subspan(run);
        if (batch_.size() == kBatchSize)
            ComputeBatch();
    }
}

void TConverter::Plate(const TPlateBytes& plate)
{
    if (PlatesGoStraightToBatch())
        Queue(plate);
    else
        PlateWithOthers(plate, {});
}

void TConverter::PlateWithOthers(const TPlateBytes& plate, const std::vector<std::string_view>& others)
{
    if (!headerWritten_) {
        if (!columnsKnown_) {
            waiting_.push_back(plate);
            return;
        }
        WriteHeader();
    }
    // The other columns' texts are only valid during this call: they wait in
    // the batch as the cells they become.
    if (!otherNames_.empty())
        AppendOthers(others);
    Queue(plate);
}

// Cells split at the output's own separator and holding no quote hold no
// separator or line break of their own; they are written as they stand unless
// the output quotes them for another reason.
bool TConverter::PlateWithCells(const TPlateBytes& plate, std::string_view cells)
{
    if (!headerWritten_ || cells.empty() || cells.front() != separator_ || !CellsWrittenAsIs(cells))
        return false;
    others_.append(cells);
    Queue(plate);
    return true;
}

// Whether cells, each after the output's separator, go out as they stand: the
// result file quotes a comma, a tab or a quote; CSV a ";", a tab, a quote, and
// a blank at either end of a cell, which stands beside a separator.
bool TConverter::CellsWrittenAsIs(std::string_view cells) const
{
    if (format_ == TLineFormat::Semicolon) {
        static constexpr TByteSet kQuotedInResultFile(",\t\"");
        return !kQuotedInResultFile.AnyIn(cells);
    }
    return TResultLineWriter::CsvCellsWrittenAsIs(cells);
}

// The plate waits in the batch, its other columns' cells at the end of others_.
void TConverter::Queue(const TPlateBytes& plate)
{
    batch_.push_back(plate);
    othersEnds_.push_back(others_.size());
    if (batch_.size() == kBatchSize || others_.size() >= kTextSize)
        ComputeBatch();
}

// The cells of the other columns, each after a separator. Most texts are
// written as they stand, and then all of them are copied in one go.
void TConverter::AppendOthers(const std::vector<std::string_view>& others)
{
    const auto other = [&](std::size_t i) { return i < others.size() ? others[i] : std::string_view(); };
    std::size_t bytes = otherNames_.size();
    for (std::size_t i = 0; i < otherNames_.size(); ++i) {
        if (!TResultLineWriter::WrittenAsIs(other(i), format_)) {
            others_.push_back(separator_);
            TResultLineWriter writer(others_, format_);
            for (std::size_t k = 0; k < otherNames_.size(); ++k)
                writer.TextCell(other(k));
            return;
        }
        bytes += other(i).size();
    }
    std::size_t at = others_.size();
    others_.resize(at + bytes);
    for (std::size_t i = 0; i < otherNames_.size(); ++i) {
        const std::string_view text = other(i);
        others_[at++] = separator_;
        if (text.size() <= 16)
            CopyShort(others_.data() + at, text.data(), text.size());
        else
            std::memcpy(others_.data() + at, text.data(), text.size());
        at += text.size();
    }
}

namespace {

void CheckReadable(const std::string& fileName)
{
    if (fileName == "-")
        return;
    TFilePtr file(std::fopen(fileName.c_str(), "rb"), &std::fclose);
    if (!file)
        throw TFileError(fileName, std::strerror(errno));
}

// Every input file must open before any output is written.
void CheckInputsReadable(const TCliOptions& options)
{
    for (const TCliCodes& codes : options.Decodes)
        if (codes.Kind == TCliCodes::TKind::File)
            CheckReadable(codes.Value);
    for (const TCliInput& input : options.Inputs)
        if (input.Kind == TCliInput::TKind::File)
            CheckReadable(input.Value);
}

// Codes a run decodes at most: an endless input of codes stops there.
constexpr std::size_t kMaxCodes = 1000000;

// The lines of a code file that hold more than blanks, each as UTF-8; those
// not read as text are reported with the lists' issues.
class TCodeLines : public TLineSink {
public:
    TCodeLines(std::vector<std::string>& codes, TCliInputs& inputs) : codes_(codes), inputs_(inputs) {}
    void Start(const std::string& name)
    {
        name_ = name;
        line_.clear();
    }
    void LinePiece(std::string_view utf8) override { line_.append(utf8); }
    void LineEnd() override
    {
        if (!TrimBlanks(line_).empty()) {
            if (codes_.size() == kMaxCodes)
                throw TListError(InputName(name_) + ": more than " + std::to_string(kMaxCodes) +
                                 " codes; decode them in parts");
            codes_.push_back(line_);
        }
        line_.clear();
    }
    void LineRejected(std::uint64_t line, TTextFault fault) override
    {
        line_.clear();
        inputs_.ReportLineFault(name_, line, fault);
    }

private:
    std::vector<std::string>& codes_;
    TCliInputs& inputs_;
    std::string name_;
    std::string line_;
};

// The codes of --decode and --decode-file, in the order given.
std::vector<std::string> ReadCodes(const std::vector<TCliCodes>& sources, TCliInputs& inputs)
{
    std::vector<std::string> codes;
    TCodeLines lines(codes, inputs);
    for (const TCliCodes& source : sources) {
        if (source.Kind == TCliCodes::TKind::Code) {
            codes.push_back(source.Value);
            continue;
        }
        TFilePtr file = OpenInput(source.Value);
        lines.Start(source.Value);
        try {
            ReadPlateList(file.get(), source.Value, lines);
        } catch (const TNotTextError& e) {
            throw TListError(NotTextMessage(source.Value, e, "a list of codes"));
        }
    }
    return codes;
}

void ReportCounts(const TCliOptions& options, const TPlateLineSink& sink, std::ostream& err)
{
    if (options.Verbose)
        err << "corvana-cli: " << sink.Accepted() << " accepted, " << sink.Rejected() << " rejected\n";
}

// The result file; with neither plates nor files, standard input is read.
int Convert(const TCliOptions& options, TCliInputs& inputs, TOutputStream& out, std::ostream& err)
{
    TConverter converter(options.Table, options.Columns, out, options.Format, options.Input != TInputKind::Plain);
    inputs.Read(converter, true);
    converter.Finish();
    out.Commit();
    ReportCounts(options, converter, err);
    return kExitDone;
}

// The result table as a workbook.
int ConvertToWorkbook(const TCliOptions& options, TCliInputs& inputs, TOutputStream& out, std::ostream& err)
{
    TWorkbookConverter converter(options.Table, options.Columns, options.Input != TInputKind::Plain);
    inputs.Read(converter, true);
    converter.Finish(out);
    out.Commit();
    ReportCounts(options, converter, err);
    return kExitDone;
}

// The decode report; only the plate lists given are searched.
int Decode(const TCliOptions& options, TCliInputs& inputs, TOutputStream& out, std::ostream& err)
{
    TDecodeReport report(options.Table, ReadCodes(options.Decodes, inputs));
    for (const TDecodeReport::TFailure& failure : report.Failures())
        err << "corvana-cli: cannot decode \"" << ShownText(failure.Text) << "\": " << failure.Reason << "\n";
    inputs.Read(report, false);
    report.Write(out, options.Format);
    out.Commit();
    ReportCounts(options, report, err);
    return report.Failures().empty() ? kExitDone : kExitFailure;
}

} // namespace

int RunCorvanaCli(const std::vector<std::string>& args, std::ostream& err)
{
    TCliOptions options;
    try {
        options = ParseCliOptions(args);
    } catch (const TUsageError& e) {
        err << "corvana-cli: " << e.what() << "\n" << kCliTryHelp;
        return kExitUsage;
    }

    try {
        std::unique_ptr<TOutputStream> output;
        if (options.Help || options.Version || options.OutputFile.empty())
            output = std::make_unique<TDescriptorOutput>(STDOUT_FILENO);
        if (options.Help || options.Version) {
            output->Write(options.Help ? kCliUsage : kCliVersion);
            output->Commit();
            return kExitDone;
        }
        if (options.Workbook && options.OutputFile.empty() && ::isatty(STDOUT_FILENO)) {
            err << "corvana-cli: --format xlsx writes a workbook, not text for a terminal; give -o FILE\n" << kCliTryHelp;
            return kExitUsage;
        }
        CheckInputsReadable(options);
        if (!output)
            output = OpenOutputFile(options.OutputFile);
        // The byte order mark tells spreadsheets that the text is UTF-8, not the
        // local code page.
        if (options.Format == TLineFormat::Csv && options.Bom && !options.Workbook)
            output->Write(kUtf8Bom);
        TCliInputs inputs(options, err);
        int status = kExitDone;
        if (options.Collisions)
            status = ReportCollisions(options, inputs, *output, err);
        else if (options.Workbook)
            status = ConvertToWorkbook(options, inputs, *output, err);
        else
            status = options.Decodes.empty() ? Convert(options, inputs, *output, err)
                                             : Decode(options, inputs, *output, err);
        return options.Strict && inputs.RejectedRecords() > 0 ? kExitFailure : status;
    } catch (const TListError& e) {
        err << "corvana-cli: " << e.what() << "\n";
    } catch (const TWriteError& e) {
        // Standard output, as GNU tools say it: no file is being created.
        err << "corvana-cli: write error: " << e.what() << "\n";
    } catch (const TOutputError& e) {
        err << "corvana-cli: cannot create file \"" << ShownFileName(e.FileName) << "\": " << e.Reason << "\n";
    } catch (const TXlsxError& e) {
        err << "corvana-cli: cannot write the workbook: " << e.what() << "\n";
    } catch (const TFileError& e) {
        err << "corvana-cli: cannot open file \"" << ShownFileName(e.FileName) << "\": " << e.Reason << "\n";
    }
    return kExitFailure;
}
