#pragma once
// Ini files: sections in square brackets and key=value lines. Section and key names
// compare without regard to case. Writing a key rewrites only its own line (or adds
// one), so comments, blank lines and foreign keys stay exactly as they were.

#include <QString>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A failed write; the message names the file that could not be written.
class EIniFileException : public std::runtime_error {
public:
    EIniFileException(const QString& fileName, const QString& reason);
    QString FileName() const { return fileName_; }
    QString Reason() const { return reason_; }

private:
    QString fileName_;
    QString reason_;
};

// The lines of one ini file, kept byte for byte with their line ends.
class TIniDocument {
public:
    TIniDocument() = default;
    explicit TIniDocument(std::string_view bytes);

    std::optional<QString> Value(const QString& section, const QString& key) const;
    bool HasSection(const QString& section) const;
    // Rewrites the first line of the key, or adds the key at the end of its section,
    // or adds the section at the end of the document.
    void SetValue(const QString& section, const QString& key, const QString& value);
    std::string Bytes() const;

private:
    struct TLine {
        std::string text; // without the line end
        std::string end;  // "\n", "\r\n", "\r" or "" for a last line without one
    };
    struct TKeyLine {
        QString key;
        QString value;
    };
    static std::optional<QString> SectionName(const std::string& text);
    static std::optional<TKeyLine> KeyLine(const std::string& text);
    // Index of the section's header line, or -1.
    int FindSection(const QString& section) const;
    // Index of the key's line within the section starting at `header`, or -1.
    int FindKey(int header, const QString& key) const;
    // One past the last key line of the section (the header itself when it has none).
    int InsertionPoint(int header) const;
    std::string NewLineEnd() const;

    std::vector<TLine> lines_;
};

// Reads a whole number as an ini file stores it: 0x or 0X followed by hexadecimal
// digits, $ followed by hexadecimal digits, or decimal with an optional minus sign.
// Hexadecimal values are 32-bit patterns ($FFFFFFFF is -1); anything else, or a value
// that does not fit 32 bits, is unreadable.
std::optional<int> ParseIniInteger(const QString& text);

// Reads an ini file; a missing file reads as empty. Nullopt, with the reason,
// when the file exists but cannot be read: it is not a regular file (a named
// pipe is never waited on), it cannot be opened, or it is larger than any ini
// file should be.
std::optional<TIniDocument> ReadIniDocument(const QString& fileName, QString* reason = nullptr);
// Replaces the file with the document, whole or not at all, where settings may
// go (TSaveReach::Settings). Throws EIniFileException naming the file.
void WriteIniDocument(const QString& fileName, const TIniDocument& document);

class TIniFile {
public:
    // Reads the file now; a missing or unreadable file reads as empty.
    explicit TIniFile(QString fileName);

    QString FileName() const { return fileName_; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // A missing, empty or unreadable value gives the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;

    // Write the key to the file at once. The file is read again first, so a write
    // never undoes changes made to it meanwhile. Throws EIniFileException naming the
    // file; the file is then unchanged.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);

private:
    // Loads the file; false when it exists but cannot be read.
    bool Load(QString* reason);
    void Store();

    QString fileName_;
    TIniDocument document_;
};
