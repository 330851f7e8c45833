#include "Converter.h"

#include "CliInputs.h"
#include "CollisionReport.h"
#include "DecodeReport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <ostream>
#include <unistd.h>

void TPlateLineSink::LineEnd()
{
    const std::optional<std::string> plate = normalizer_.Finish();
    if (!plate) {
        ++rejected_;
        return;
    }
    ++accepted_;
    Plate(*plate);
}

void TPlateLineSink::ConvertPlateText(std::string_view text)
{
    normalizer_.Feed(TextToUtf8(text));
    LineEnd();
}

TConverter::TConverter(TCodeTable table, std::vector<int> columns, TOutputStream& out, TLineFormat format,
                       bool awaitOtherColumns)
    : table_(table), columns_(std::move(columns)), out_(out), format_(format), columnsKnown_(!awaitOtherColumns)
{
}

template <class Cells>
void TConverter::WriteLine(const Cells& cells, const std::vector<std::string_view>& others)
{
    line_.clear();
    TResultLineWriter writer(line_, format_);
    writer.Cell(cells[0]);
    for (int c : columns_)
        writer.Cell(cells[static_cast<std::size_t>(c)]);
    for (std::size_t i = 0; i < otherNames_.size(); ++i)
        writer.TextCell(i < others.size() ? others[i] : std::string_view());
    writer.EndLine();
    out_.Write(line_);
}

void TConverter::WriteHeader()
{
    headerWritten_ = true;
    const std::vector<std::string_view> names(otherNames_.begin(), otherNames_.end());
    if (table_ == TCodeTable::Wiegand26)
        WriteLine(Wiegand26Headers, names);
    else
        WriteLine(Wiegand64Headers, names);
}

void TConverter::OtherColumns(const std::vector<std::string>& names)
{
    if (columnsKnown_)
        return;
    otherNames_ = names;
    Finish();
}

void TConverter::Finish()
{
    columnsKnown_ = true;
    if (!headerWritten_)
        WriteHeader();
    for (const std::string& plate : waiting_)
        PlateWithOthers(plate, {});
    waiting_.clear();
}

void TConverter::PlateWithOthers(const std::string& plate, const std::vector<std::string_view>& others)
{
    if (!headerWritten_) {
        if (!columnsKnown_) {
            waiting_.push_back(plate);
            return;
        }
        WriteHeader();
    }
    const TPlateCodes codes = ComputePlateCodes(plate);
    if (table_ == TCodeTable::Wiegand26)
        WriteLine(Wiegand26RowCells(codes), others);
    else
        WriteLine(Wiegand64RowCells(codes), others);
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

// The lines of a code file that hold more than blanks, each as UTF-8.
class TCodeLines : public TLineSink {
public:
    explicit TCodeLines(std::vector<std::string>& codes) : codes_(codes) {}
    void LinePiece(std::string_view utf8) override { line_.append(utf8); }
    void LineEnd() override
    {
        if (!TrimBlanks(line_).empty())
            codes_.push_back(line_);
        line_.clear();
    }

private:
    std::vector<std::string>& codes_;
    std::string line_;
};

// The codes of --decode and --decode-file, in the order given.
std::vector<std::string> ReadCodes(const std::vector<TCliCodes>& sources)
{
    std::vector<std::string> codes;
    TCodeLines lines(codes);
    for (const TCliCodes& source : sources) {
        if (source.Kind == TCliCodes::TKind::Code) {
            codes.push_back(source.Value);
        } else {
            TFilePtr file = OpenInput(source.Value);
            ReadPlateList(file.get(), source.Value, lines);
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
    TConverter converter(options.Table, options.Columns, out, options.Format, options.CsvInput);
    inputs.Read(converter, true);
    converter.Finish();
    out.Commit();
    ReportCounts(options, converter, err);
    return kExitDone;
}

// The decode report; only the plate lists given are searched.
int Decode(const TCliOptions& options, TCliInputs& inputs, TOutputStream& out, std::ostream& err)
{
    TDecodeReport report(options.Table, ReadCodes(options.Decodes));
    for (const TDecodeReport::TFailure& failure : report.Failures())
        err << "corvana-cli: cannot decode \"" << failure.Text << "\": " << failure.Reason << "\n";
    inputs.Read(report, false);
    report.Write(out, options.Format);
    out.Commit();
    ReportCounts(options, report, err);
    return report.Failures().empty() ? kExitDone : kExitFailure;
}

} // namespace

int RunCorvanaCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    TCliOptions options;
    try {
        options = ParseCliOptions(args);
    } catch (const TUsageError& e) {
        err << "corvana-cli: " << e.what() << "\n" << kCliTryHelp;
        return kExitUsage;
    }
    if (options.Help) {
        out << kCliUsage;
        return kExitDone;
    }
    if (options.Version) {
        out << kCliVersion;
        return kExitDone;
    }

    try {
        CheckInputsReadable(options);
    } catch (const TFileError& e) {
        err << "corvana-cli: cannot open file \"" << e.FileName << "\": " << e.Reason << "\n";
        return kExitFailure;
    }

    try {
        std::unique_ptr<TOutputStream> output;
        if (options.OutputFile.empty())
            output = std::make_unique<TDescriptorOutput>(STDOUT_FILENO, "-");
        else
            output = std::make_unique<TFileOutput>(options.OutputFile);
        // The byte order mark tells spreadsheets that the text is UTF-8, not the
        // local code page.
        if (options.Format == TLineFormat::Csv && options.Bom)
            output->Write(kUtf8Bom);
        TCliInputs inputs(options, err);
        int status = kExitDone;
        if (options.Collisions)
            status = ReportCollisions(options, inputs, *output, err);
        else
            status = options.Decodes.empty() ? Convert(options, inputs, *output, err)
                                             : Decode(options, inputs, *output, err);
        return options.Strict && inputs.RejectedRecords() > 0 ? kExitFailure : status;
    } catch (const TListError& e) {
        err << "corvana-cli: " << e.what() << "\n";
        return kExitFailure;
    } catch (const TOutputError& e) {
        err << "corvana-cli: cannot create file \"" << e.FileName << "\": " << e.Reason << "\n";
        return kExitFailure;
    } catch (const TFileError& e) {
        err << "corvana-cli: cannot open file \"" << e.FileName << "\": " << e.Reason << "\n";
        return kExitFailure;
    }
}
