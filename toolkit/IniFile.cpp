#include "IniFile.h"

#include "AtomicFile.h"
#include "Blanks.h"
#include "FileError.h"
#include "PlateList.h" // TextToUtf8

#include <QFile>
#include <QCoreApplication>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// Far more than any ini file holds; a larger file is not read whole into memory.
constexpr std::size_t kIniLimit = 16 << 20;

// Lines written on Windows may be in its code page; keys and values read the same.
QString Decode(std::string_view bytes) { return QString::fromStdString(TextToUtf8(bytes)); }

// The line's content with a leading byte order mark and blanks removed.
std::string_view Content(const std::string& text)
{
    std::string_view s = text;
    if (s.starts_with(kUtf8Bom))
        s.remove_prefix(kUtf8Bom.size());
    return TrimBlanks(s);
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// A value must stay on its line: a line break in it would start new keys or sections.
QString OneLine(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

int DigitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    const int value = u >= '0' && u <= '9' ? u - '0'
                      : u >= 'a' && u <= 'f' ? u - 'a' + 10
                      : u >= 'A' && u <= 'F' ? u - 'A' + 10
                                             : -1;
    return value < base ? value : -1;
}

// The digits as a number no larger than `limit`; nothing when one is not a digit or
// the number exceeds the limit.
std::optional<std::uint64_t> ParseDigits(QStringView digits, int base, std::uint64_t limit)
{
    if (digits.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

} // namespace

EIniFileException::EIniFileException(const QString& fileName, const QString& reason)
    : std::runtime_error(QCoreApplication::translate("TIniFile", "Unable to write to %1").arg(fileName).toStdString()),
      fileName_(fileName), reason_(reason)
{
}

TIniDocument::TIniDocument(std::string_view bytes)
{
    while (!bytes.empty()) {
        const auto brk = bytes.find_first_of("\r\n");
        if (brk == std::string_view::npos) {
            lines_.push_back({std::string(bytes), ""});
            break;
        }
        const std::size_t endLength = bytes.substr(brk).starts_with("\r\n") ? 2 : 1;
        lines_.push_back({std::string(bytes.substr(0, brk)), std::string(bytes.substr(brk, endLength))});
        bytes.remove_prefix(brk + endLength);
    }
}

std::optional<QString> TIniDocument::SectionName(const std::string& text)
{
    const std::string_view s = Content(text);
    if (!s.starts_with('['))
        return std::nullopt;
    const auto close = s.find(']');
    return Decode(TrimBlanks(s.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
}

std::optional<TIniDocument::TKeyLine> TIniDocument::KeyLine(const std::string& text)
{
    const std::string_view s = Content(text);
    if (s.starts_with(';') || s.starts_with('#') || s.starts_with('['))
        return std::nullopt;
    const auto equals = s.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return TKeyLine{Decode(TrimBlanks(s.substr(0, equals))), Decode(TrimBlanks(s.substr(equals + 1)))};
}

int TIniDocument::FindSection(const QString& section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i].text);
        if (name && SameName(*name, section))
            return static_cast<int>(i);
    }
    return -1;
}

int TIniDocument::FindKey(int header, const QString& key) const
{
    for (std::size_t i = header + 1; i < lines_.size() && !SectionName(lines_[i].text); ++i) {
        const auto line = KeyLine(lines_[i].text);
        if (line && SameName(line->key, key))
            return static_cast<int>(i);
    }
    return -1;
}

int TIniDocument::InsertionPoint(int header) const
{
    int point = header + 1;
    for (std::size_t i = header + 1; i < lines_.size() && !SectionName(lines_[i].text); ++i)
        if (KeyLine(lines_[i].text))
            point = static_cast<int>(i) + 1;
    return point;
}

std::optional<QString> TIniDocument::Value(const QString& section, const QString& key) const
{
    const int header = FindSection(section);
    const int line = header < 0 ? -1 : FindKey(header, key);
    if (line < 0)
        return std::nullopt;
    return KeyLine(lines_[line].text)->value;
}

bool TIniDocument::HasSection(const QString& section) const { return FindSection(section) >= 0; }

std::string TIniDocument::NewLineEnd() const
{
    // Follow the file's own convention; a new file gets LF.
    for (const TLine& line : lines_)
        if (!line.end.empty())
            return line.end;
    return "\n";
}

void TIniDocument::SetValue(const QString& section, const QString& key, const QString& value)
{
    const std::string end = NewLineEnd();
    const std::string newValue = OneLine(value).toStdString();
    int header = FindSection(section);
    if (header >= 0) {
        const int line = FindKey(header, key);
        if (line >= 0) {
            // Keep the key as the file spells it; only the value changes.
            lines_[line].text = KeyLine(lines_[line].text)->key.toStdString() + "=" + newValue;
            return;
        }
    } else {
        if (!lines_.empty() && lines_.back().end.empty())
            lines_.back().end = end;
        lines_.push_back({"[" + section.toStdString() + "]", end});
        header = static_cast<int>(lines_.size()) - 1;
    }
    const int point = InsertionPoint(header);
    if (lines_[point - 1].end.empty())
        lines_[point - 1].end = end;
    lines_.insert(lines_.begin() + point, TLine{key.toStdString() + "=" + newValue, end});
}

std::string TIniDocument::Bytes() const
{
    std::string bytes;
    for (const TLine& line : lines_)
        bytes.append(line.text).append(line.end);
    return bytes;
}

std::optional<int> ParseIniInteger(const QString& text)
{
    const QStringView s(text);
    std::optional<QStringView> hexDigits;
    if ((s.startsWith(QLatin1String("0x")) || s.startsWith(QLatin1String("0X"))) && s.size() > 2)
        hexDigits = s.mid(2);
    else if (s.startsWith(QLatin1Char('$')))
        hexDigits = s.mid(1);
    if (hexDigits) {
        const auto value = ParseDigits(*hexDigits, 16, 0xFFFFFFFFu);
        if (!value)
            return std::nullopt;
        return static_cast<int>(static_cast<std::uint32_t>(*value));
    }
    const bool negative = s.startsWith(QLatin1Char('-'));
    const auto value = ParseDigits(negative ? s.mid(1) : s, 10, negative ? 0x80000000u : 0x7FFFFFFFu);
    if (!value)
        return std::nullopt;
    return negative ? static_cast<int>(-static_cast<std::int64_t>(*value)) : static_cast<int>(*value);
}

TIniFile::TIniFile(QString fileName) : fileName_(std::move(fileName)) { Load(nullptr); }

std::optional<TIniDocument> ReadIniDocument(const QString& fileName, QString* reason)
{
    if (!QFile::exists(fileName))
        return TIniDocument();
    try {
        const std::optional<std::string> bytes = ReadFileUpTo(QFile::encodeName(fileName).toStdString(), kIniLimit);
        if (bytes)
            return TIniDocument(*bytes);
        if (reason)
            *reason = QCoreApplication::translate("TIniFile", "File too large");
    } catch (const TFileError& error) {
        if (reason)
            *reason = QString::fromStdString(error.Reason);
    }
    return std::nullopt;
}

void WriteIniDocument(const QString& fileName, const TIniDocument& document)
{
    try {
        TAtomicFileWriter::WriteFile(QFile::encodeName(fileName).toStdString(), document.Bytes(),
                                     TSaveReach::Settings);
    } catch (const TFileError& error) {
        throw EIniFileException(fileName, QString::fromStdString(error.Reason));
    }
}

bool TIniFile::Load(QString* reason)
{
    std::optional<TIniDocument> document = ReadIniDocument(fileName_, reason);
    if (!document)
        return false;
    document_ = std::move(*document);
    return true;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return document_.Value(section, key).value_or(defaultValue);
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const auto text = document_.Value(section, key);
    return text ? ParseIniInteger(*text).value_or(defaultValue) : defaultValue;
}

bool TIniFile::SectionExists(const QString& section) const { return document_.HasSection(section); }

bool TIniFile::ValueExists(const QString& section, const QString& key) const
{
    return document_.Value(section, key).has_value();
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    QString reason;
    // A file we cannot read back would be replaced by our keys alone: refuse instead.
    if (!Load(&reason))
        throw EIniFileException(fileName_, reason);
    const TIniDocument before = document_;
    document_.SetValue(section, key, value);
    try {
        Store();
    } catch (...) {
        document_ = before;
        throw;
    }
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::Store()
{
    WriteIniDocument(fileName_, document_);
}
