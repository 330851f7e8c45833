// OpenDocument spreadsheets (.ods): every sheet is a table of content.xml, and
// a cell carries the text the spreadsheet showed when it was saved in its
// paragraphs, beside the value itself. Rows and cells may stand for many
// repeated ones; merged cells hide the cells they cover.

#include "NumberFormat.h"
#include "SheetRows.h"
#include "WorkbookParts.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

const std::string kContentPart = "content.xml";

// How many times a row, cell or space stands repeated: at least once, at most
// as many times as a sheet has room for.
std::uint64_t Repeat(const TXmlAttributes& attributes, std::string_view name, std::uint64_t most)
{
    const std::string_view text = attributes.Value(name);
    std::uint64_t value = 1;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return std::clamp<std::uint64_t>(value, 1, most);
}

// Elements of a sheet whose text is no cell's: comments, notes, drawings.
bool IsPassedOver(std::string_view name)
{
    static constexpr std::string_view kNames[] = {"annotation", "table", "note", "shapes", "frame", "custom-shape",
                                                  "g", "rect", "ellipse", "line", "text-box"};
    return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

// Finds the sheets of content.xml, and reads the rows of the one wanted.
class TContentPart : public TPartHandler {
public:
    // Reads the sheet `wanted` into `sink`; without a sink, only collects the names.
    TContentPart(TRecordSink* sink, std::size_t wanted) : wanted_(wanted)
    {
        if (sink)
            rows_.emplace(*sink);
    }

    std::vector<std::string> Names;
    bool Found = false; // the wanted sheet was there

    void StartElement(std::string_view name, const TXmlAttributes& attributes) override
    {
        if (skip_ > 0) {
            ++skip_;
            return;
        }
        if (!inSheet_) {
            if (name == "table")
                StartSheet(attributes);
            return;
        }
        if (name == "table-row")
            StartRow(attributes);
        else if (name == "table-cell" || name == "covered-table-cell")
            StartCell(attributes, name == "covered-table-cell");
        else if (name == "p" && inCell_)
            StartParagraph();
        else if (name == "s" && inParagraph_)
            text_.append(Repeat(attributes, "c", 1024), ' ');
        else if (name == "tab" && inParagraph_)
            text_.push_back('\t');
        else if (name == "line-break" && inParagraph_)
            text_.push_back('\n');
        else if (IsPassedOver(name))
            skip_ = 1;
    }

    void EndElement(std::string_view name) override
    {
        if (skip_ > 0) {
            --skip_;
            return;
        }
        if (!inSheet_)
            return;
        if (name == "p" && inParagraph_) {
            inParagraph_ = false;
            Stream->WantText(false);
        } else if ((name == "table-cell" || name == "covered-table-cell") && inCell_) {
            EndCell();
        } else if (name == "table-row") {
            rows_->EndRow();
            if (rows_->Full())
                Stream->Stop();
        } else if (name == "table") {
            Stream->Stop(); // the wanted sheet is read
        }
    }

    void Text(std::string_view text) override { text_.append(text); }

private:
    void StartSheet(const TXmlAttributes& attributes)
    {
        const std::size_t index = Names.size();
        Names.emplace_back(attributes.Value("name"));
        if (rows_ && index == wanted_) {
            inSheet_ = Found = true;
            return;
        }
        skip_ = 1; // another sheet's rows
    }

    void StartRow(const TXmlAttributes& attributes)
    {
        rows_->StartRow(rows_->NextRow(), Repeat(attributes, "number-rows-repeated", kSheetRows));
        column_ = 0;
    }

    void StartCell(const TXmlAttributes& attributes, bool covered)
    {
        inCell_ = true;
        covered_ = covered;
        columnRepeat_ = Repeat(attributes, "number-columns-repeated", kSheetColumns);
        formula_ = attributes.Has("formula");
        valueType_ = attributes.Value("value-type");
        value_ = attributes.Value("value");
        dateValue_ = attributes.Value("date-value");
        booleanValue_ = attributes.Value("boolean-value");
        stringValue_ = attributes.Value("string-value");
        text_.clear();
        paragraphs_ = 0;
    }

    void StartParagraph()
    {
        if (paragraphs_++ > 0)
            text_.push_back('\n');
        inParagraph_ = true;
        Stream->WantText(true);
    }

    // What the cell shows: a date in ISO form, else its paragraphs, else its value.
    std::string Shown() const
    {
        if (valueType_ == "date" && !dateValue_.empty()) {
            std::string date = dateValue_.substr(0, dateValue_.find('.'));
            if (date.ends_with("T00:00:00"))
                date.resize(date.size() - 9);
            std::replace(date.begin(), date.end(), 'T', ' ');
            return date;
        }
        if (paragraphs_ > 0)
            return text_;
        if (valueType_ == "float" || valueType_ == "percentage" || valueType_ == "currency") {
            double value = 0;
            const auto [ptr, ec] = std::from_chars(value_.data(), value_.data() + value_.size(), value);
            return ec == std::errc() ? GeneralNumberText(value) : value_;
        }
        if (valueType_ == "boolean")
            return booleanValue_.empty() ? "" : booleanValue_ == "true" ? "TRUE" : "FALSE";
        return stringValue_;
    }

    void EndCell()
    {
        inCell_ = false;
        // A cell that a merged cell covers shows nothing, whatever it holds.
        const std::string shown = covered_ ? std::string() : Shown();
        if (!covered_ && (!shown.empty() || formula_))
            for (std::uint64_t k = 0; k < columnRepeat_ && column_ + k < kSheetColumns; ++k)
                rows_->Cell(std::size_t(column_ + k), shown, formula_);
        column_ += columnRepeat_;
    }

    std::optional<TSheetRows> rows_;
    std::size_t wanted_;
    int skip_ = 0; // the depth inside an element whose content is passed over
    bool inSheet_ = false, inCell_ = false, covered_ = false, inParagraph_ = false, formula_ = false;
    std::uint64_t columnRepeat_ = 1, column_ = 0;
    std::string valueType_, value_, dateValue_, booleanValue_, stringValue_;
    std::string text_;
    int paragraphs_ = 0;
};

class TOdsWorkbook : public TWorkbook {
public:
    explicit TOdsWorkbook(TZipArchive archive) : archive_(std::move(archive))
    {
        if (!archive_.Has(kContentPart))
            throw TWorkbookError("its part \"" + kContentPart + "\" is missing");
    }

    TWorkbookKind Kind() const override { return TWorkbookKind::Ods; }

    std::vector<std::string> SheetNames() override
    {
        if (!names_) {
            TContentPart content(nullptr, 0);
            ParsePart(archive_, kContentPart, kSheetPartLimit, content);
            names_ = std::move(content.Names);
        }
        return *names_;
    }

    void ReadSheet(std::size_t index, TRecordSink& sink) override
    {
        TContentPart content(&sink, index);
        ParsePart(archive_, kContentPart, kSheetPartLimit, content);
        if (!content.Found)
            throw TWorkbookError("it has no sheet " + std::to_string(index + 1));
    }

private:
    TZipArchive archive_;
    std::optional<std::vector<std::string>> names_;
};

} // namespace

std::unique_ptr<TWorkbook> OpenOdsWorkbook(TZipArchive archive)
{
    return std::make_unique<TOdsWorkbook>(std::move(archive));
}
