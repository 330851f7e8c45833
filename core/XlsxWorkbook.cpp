// Office Open XML workbooks (.xlsx): the workbook part lists the sheets and
// where each lives; cells hold numbers (shown through the number format of
// their style), indexes into the shared strings, inline strings, booleans,
// errors and formulas with the value they last computed.

#include "NumberFormat.h"
#include "SharedStringTable.h"
#include "SheetRows.h"
#include "Utf8.h"
#include "WorkbookParts.h"

#include <charconv>
#include <map>
#include <optional>
#include <thread>

namespace {

bool EndsWith(std::string_view text, std::string_view end) { return text.ends_with(end); }

template <class T>
std::optional<T> ParseNumber(std::string_view text)
{
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

// A cell text as a workbook stores it: characters XML cannot hold are written
// _xHHHH_ (a carriage return _x000D_, an underscore before such a form _x005F_).
void AppendUnescaped(std::string& out, std::string_view text)
{
    for (std::size_t at; (at = text.find("_x")) != std::string_view::npos;) {
        out.append(text.substr(0, at));
        const std::string_view code = text.substr(at + 2, 4);
        unsigned unit = 0;
        const auto [ptr, ec] = std::from_chars(code.data(), code.data() + code.size(), unit, 16);
        if (code.size() == 4 && ec == std::errc() && ptr == code.data() + 4 && text.size() > at + 6 && text[at + 6] == '_') {
            AppendUtf8(out, char32_t(unit));
            text.remove_prefix(at + 7);
        } else {
            out.append("_x");
            text.remove_prefix(at + 2);
        }
    }
    out.append(text);
}

// The column of a cell reference such as "AB12": 27 (from 0); none without letters.
std::optional<std::size_t> ReferenceColumn(std::string_view reference)
{
    std::size_t column = 0, letters = 0;
    for (char c : reference) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c < 'A' || c > 'Z')
            break;
        column = column * 26 + std::size_t(c - 'A' + 1);
        if (++letters > 4)
            return kSheetColumns; // beyond any sheet
    }
    if (letters == 0)
        return std::nullopt;
    return column - 1;
}

// The relationships of a part: by id, the part each points to and its type.
class TRelationships : public TPartHandler {
public:
    explicit TRelationships(std::string fromPart) : fromPart_(std::move(fromPart)) {}
    void StartElement(std::string_view name, const TXmlAttributes& attributes) override
    {
        if (name != "Relationship" || attributes.Value("TargetMode") == "External")
            return;
        Targets[std::string(attributes.Value("Id"))] = {ResolvePartName(fromPart_, attributes.Value("Target")),
                                                        std::string(attributes.Value("Type"))};
    }
    void EndElement(std::string_view) override {}

    struct TTarget {
        std::string Part, Type;
    };
    std::map<std::string, TTarget> Targets;

    // The part of the first relationship whose type ends with `typeEnd`.
    std::string PartOfType(std::string_view typeEnd) const
    {
        for (const auto& [id, target] : Targets)
            if (EndsWith(target.Type, typeEnd))
                return target.Part;
        return {};
    }

private:
    std::string fromPart_;
};

// The relationships of a part, read from its ".rels" part when there is one.
TRelationships ReadRelationships(const TZipArchive& archive, const std::string& part)
{
    const std::size_t slash = part.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
    const std::string rels = folder + "_rels/" + part.substr(folder.size()) + ".rels";
    TRelationships relationships(part);
    if (archive.Has(rels))
        ParsePart(archive, rels, kSmallPartLimit, relationships);
    return relationships;
}

// The workbook part: its sheets in order and its date system.
class TWorkbookPart : public TPartHandler {
public:
    void StartElement(std::string_view name, const TXmlAttributes& attributes) override
    {
        if (name == "sheet")
            Sheets.push_back({std::string(attributes.Value("name")), std::string(attributes.Value("id"))});
        else if (name == "workbookPr")
            Date1904 = attributes.Value("date1904") == "1" || attributes.Value("date1904") == "true";
    }
    void EndElement(std::string_view) override {}

    struct TSheetEntry {
        std::string Name, RelationshipId;
    };
    std::vector<TSheetEntry> Sheets;
    bool Date1904 = false;
};

// The number formats of the cell styles, by style index.
class TStylesPart : public TPartHandler {
public:
    void StartElement(std::string_view name, const TXmlAttributes& attributes) override
    {
        if (name == "numFmt") {
            if (const auto id = ParseNumber<int>(attributes.Value("numFmtId")))
                custom_[*id] = std::string(attributes.Value("formatCode"));
        } else if (name == "cellXfs") {
            inCellFormats_ = true;
        } else if (name == "xf" && inCellFormats_) {
            formatIds_.push_back(ParseNumber<int>(attributes.Value("numFmtId")).value_or(0));
        }
    }
    void EndElement(std::string_view name) override
    {
        if (name == "cellXfs")
            inCellFormats_ = false;
    }
    std::vector<TNumberFormat> Formats() const
    {
        std::vector<TNumberFormat> formats;
        for (const int id : formatIds_) {
            const auto custom = custom_.find(id);
            formats.push_back(custom != custom_.end() ? TNumberFormat::FromCode(custom->second)
                                                      : TNumberFormat::Builtin(id));
        }
        return formats;
    }

private:
    std::map<int, std::string> custom_;
    std::vector<int> formatIds_;
    bool inCellFormats_ = false;
};

// Texts of <t> elements inside a string item (<si> or <is>), runs of rich text
// joined, phonetic hints (<rPh>) left out.
class TStringItemText {
public:
    // True when the element belongs to the item's text handling.
    bool Start(std::string_view name, TXmlStream& stream)
    {
        if (IsNamed(name, "rPh")) {
            ++phonetic_;
        } else if (IsNamed(name, "t") && phonetic_ == 0) {
            stream.WantText(true);
        } else {
            return false;
        }
        return true;
    }
    bool End(std::string_view name, TXmlStream& stream)
    {
        if (IsNamed(name, "rPh")) {
            --phonetic_;
        } else if (IsNamed(name, "t")) {
            stream.WantText(false);
        } else {
            return false;
        }
        return true;
    }
    void Text(std::string_view text) { raw_.append(text); }
    // The item's text, escapes decoded; the next item starts empty.
    void TakeInto(std::string& out)
    {
        AppendUnescaped(out, raw_);
        raw_.clear();
    }
    void Clear() { raw_.clear(); }

private:
    std::string raw_;
    int phonetic_ = 0;
};

// The shared strings part: every string item's text, in order, into the table.
class TSharedStrings : public TPartHandler {
public:
    explicit TSharedStrings(TSharedStringTable& table) : table_(table) {}
    void StartElement(std::string_view name, const TXmlAttributes&) override { item_.Start(name, *Stream); }
    void EndElement(std::string_view name) override
    {
        if (item_.End(name, *Stream) || !IsNamed(name, "si"))
            return;
        text_.clear();
        item_.TakeInto(text_);
        table_.Add(text_);
    }
    void Text(std::string_view text) override { item_.Text(text); }

private:
    TSharedStringTable& table_;
    TStringItemText item_;
    std::string text_;
};

// A sheet's cells into rows.
class TSheetPart : public TPartHandler {
public:
    TSheetPart(TRecordSink& sink, TSharedStringTable& strings, const std::vector<TNumberFormat>& formats,
               bool date1904)
        : rows_(sink), strings_(strings), formats_(formats), date1904_(date1904)
    {
    }

    void StartElement(std::string_view name, const TXmlAttributes& attributes) override
    {
        if (IsNamed(name, "c"))
            return StartCell(attributes);
        if (IsNamed(name, "v")) {
            inValue_ = true;
            Stream->WantText(true);
        } else if (IsNamed(name, "f")) {
            formula_ = true;
        } else if (IsNamed(name, "is")) {
            inlineString_ = true;
        } else if (inlineString_ && item_.Start(name, *Stream)) {
        } else if (IsNamed(name, "row")) {
            StartRow(attributes);
        }
    }

    void EndElement(std::string_view name) override
    {
        if (IsNamed(name, "c")) {
            EndCell();
        } else if (IsNamed(name, "v")) {
            inValue_ = false;
            Stream->WantText(false);
        } else if (inlineString_ && item_.End(name, *Stream)) {
        } else if (IsNamed(name, "is")) {
            inlineString_ = false;
        } else if (IsNamed(name, "row")) {
            rows_.EndRow();
            if (rows_.Full())
                Stream->Stop();
        }
    }

    void Text(std::string_view text) override
    {
        if (inValue_)
            value_.append(text);
        else
            item_.Text(text);
    }

private:
    void StartRow(const TXmlAttributes& attributes)
    {
        const auto number = ParseNumber<std::uint64_t>(attributes.Value("r"));
        rows_.StartRow(number.value_or(rows_.NextRow()));
        column_ = 0;
    }

    void StartCell(const TXmlAttributes& attributes)
    {
        // Its reference, type and style, in one pass over its attributes: a
        // sheet has millions of cells.
        std::optional<std::size_t> column;
        type_ = 'n';
        style_ = 0;
        for (std::size_t i = 0; i < attributes.Count(); ++i) {
            const std::string_view name = attributes.Name(i);
            if (name.size() != 1)
                continue;
            const std::string_view value = attributes.ValueAt(i);
            if (name[0] == 'r')
                column = ReferenceColumn(value);
            else if (name[0] == 't' && !value.empty())
                type_ = value == "inlineStr" ? 'i' : value == "str" ? 'f' : value.front();
            else if (name[0] == 's')
                style_ = ParseNumber<std::size_t>(value).value_or(0);
        }
        cellColumn_ = column ? *column : column_;
        column_ = cellColumn_ + 1;
        formula_ = false;
        value_.clear();
        item_.Clear();
    }

    void EndCell()
    {
        text_.clear();
        switch (type_) {
        case 's': // most cells: their text goes on from the shared strings as it stands
            rows_.Cell(cellColumn_, strings_.At(ParseNumber<std::size_t>(value_).value_or(std::size_t(-1))), formula_);
            return;
        case 'i':
            item_.TakeInto(text_);
            break;
        case 'f': // the text a formula computed
            AppendUnescaped(text_, value_);
            break;
        case 'b':
            text_ = value_.empty() ? "" : value_ == "0" ? "FALSE" : "TRUE";
            break;
        case 'e':
            text_ = value_;
            break;
        case 'd': // a date written in ISO form
            text_ = value_.substr(0, value_.find('.'));
            if (text_.ends_with("T00:00:00"))
                text_.resize(text_.size() - 9);
            std::replace(text_.begin(), text_.end(), 'T', ' ');
            break;
        default:
            if (const auto number = ParseNumber<double>(value_))
                text_ = style_ < formats_.size() ? formats_[style_].Show(*number, date1904_) : GeneralNumberText(*number);
            else
                text_ = value_;
        }
        rows_.Cell(cellColumn_, text_, formula_);
    }

    TSheetRows rows_;
    TSharedStringTable& strings_;
    const std::vector<TNumberFormat>& formats_;
    bool date1904_;
    std::size_t column_ = 0, cellColumn_ = 0, style_ = 0;
    char type_ = 'n';
    bool formula_ = false, inValue_ = false, inlineString_ = false;
    std::string value_, text_;
    TStringItemText item_;
};

class TXlsxWorkbook : public TWorkbook {
public:
    explicit TXlsxWorkbook(TZipArchive archive) : archive_(std::move(archive))
    {
        std::string workbookPart = ReadRelationships(archive_, "").PartOfType("/officeDocument");
        if (workbookPart.empty())
            workbookPart = "xl/workbook.xml";
        if (!archive_.Has(workbookPart))
            throw TWorkbookError("it is an Office document, but no workbook");
        TWorkbookPart workbook;
        ParsePart(archive_, workbookPart, kSmallPartLimit, workbook);
        date1904_ = workbook.Date1904;
        const TRelationships relationships = ReadRelationships(archive_, workbookPart);
        for (const TWorkbookPart::TSheetEntry& entry : workbook.Sheets) {
            const auto target = relationships.Targets.find(entry.RelationshipId);
            // Chart sheets and the like hold no cells.
            if (target != relationships.Targets.end() && EndsWith(target->second.Type, "/worksheet"))
                sheets_.push_back({entry.Name, target->second.Part});
        }
        sharedStringsPart_ = relationships.PartOfType("/sharedStrings");
        stylesPart_ = relationships.PartOfType("/styles");
    }

    TWorkbookKind Kind() const override { return TWorkbookKind::Xlsx; }

    std::vector<std::string> SheetNames() override
    {
        std::vector<std::string> names;
        for (const TSheet& sheet : sheets_)
            names.push_back(sheet.Name);
        return names;
    }

    ~TXlsxWorkbook() override { StopStrings(); }

    void ReadSheet(std::size_t index, TRecordSink& sink) override
    {
        if (index >= sheets_.size())
            throw TWorkbookError("it has no sheet " + std::to_string(index + 1));
        LoadShared();
        try {
            TSheetPart sheet(sink, *strings_, formats_, date1904_);
            ParsePart(archive_, sheets_[index].Part, kSheetPartLimit, sheet);
        } catch (...) {
            StopStrings(); // read again, whole, for the next sheet
            throw;
        }
    }

private:
    // The styles, read once; and the shared strings, read once in a thread of
    // their own beside the sheets that use them.
    void LoadShared()
    {
        if (!stylesRead_ && !stylesPart_.empty() && archive_.Has(stylesPart_)) {
            TStylesPart styles;
            ParsePart(archive_, stylesPart_, kSmallPartLimit, styles);
            formats_ = styles.Formats();
        }
        stylesRead_ = true;
        if (strings_)
            return;
        strings_ = std::make_unique<TSharedStringTable>();
        if (sharedStringsPart_.empty() || !archive_.Has(sharedStringsPart_)) {
            strings_->Finish(nullptr);
            return;
        }
        stringsReader_ = std::thread([this, table = strings_.get(), twin = archive_.Twin()] {
            try {
                TSharedStrings strings(*table);
                ParsePart(twin, sharedStringsPart_, kSharedStringsLimit, strings);
                table->Finish(nullptr);
            } catch (...) {
                table->Finish(std::current_exception());
            }
        });
    }

    void StopStrings()
    {
        if (strings_)
            strings_->Stop();
        if (stringsReader_.joinable())
            stringsReader_.join();
        strings_.reset();
    }

    struct TSheet {
        std::string Name, Part;
    };
    TZipArchive archive_;
    std::vector<TSheet> sheets_;
    bool date1904_ = false;
    std::string sharedStringsPart_, stylesPart_;
    bool stylesRead_ = false;
    std::vector<TNumberFormat> formats_;
    std::unique_ptr<TSharedStringTable> strings_;
    std::thread stringsReader_;
};

} // namespace

std::unique_ptr<TWorkbook> OpenXlsxWorkbook(TZipArchive archive)
{
    return std::make_unique<TXlsxWorkbook>(std::move(archive));
}
