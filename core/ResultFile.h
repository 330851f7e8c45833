#pragma once
// Lines of a result file and of the reports written like it: the text of column
// 0, then a separator and the text of each further written column, then CR LF.
// The result file separates with ";" and never quotes (cell texts hold no ";");
// CSV separates with "," and quotes a field that holds a comma, a double quote
// or a line break, doubling its quotes, so that any spreadsheet reads it back.
// Texts from outside (the other columns of a delimited list) may hold anything:
// TextCell keeps each line of the result file one row of its columns.

#include "ByteSet.h"

#include <string>
#include <string_view>

enum class TLineFormat { Semicolon, Csv };

// What CSV output starts with, so that spreadsheets read it as UTF-8 rather than
// in the local code page.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

class TResultLineWriter {
public:
    explicit TResultLineWriter(std::string& out, TLineFormat format = TLineFormat::Semicolon)
        : out_(out), format_(format)
    {
    }
    void Cell(std::string_view text)
    {
        if (!first_)
            out_.push_back(format_ == TLineFormat::Csv ? ',' : ';');
        first_ = false;
        static constexpr TByteSet kQuotedInCsv(",\"\r\n");
        if (format_ == TLineFormat::Csv && kQuotedInCsv.AnyIn(text))
            AppendQuoted(text);
        else
            out_.append(text);
    }
    // Whether TextCell writes `text` as it stands: it holds neither the
    // format's separator, nor a double quote, nor a line break.
    static bool WrittenAsIs(std::string_view text, TLineFormat format)
    {
        static constexpr TByteSet kChangedInCsv(",\"\r\n");
        static constexpr TByteSet kChangedInResultFile(";\"\r\n");
        return format == TLineFormat::Csv ? !kChangedInCsv.AnyIn(text) : !kChangedInResultFile.AnyIn(text);
    }
    // A text from outside. In the result file it is quoted, as CSV quotes, when
    // it holds a ";" or a double quote, and each of its line breaks is written as
    // a space, so that its line stays one row and the file a plate list; in CSV
    // it is a Cell. A computed cell is written the same by either.
    void TextCell(std::string_view text)
    {
        if (format_ == TLineFormat::Csv || WrittenAsIs(text, format_))
            return Cell(text);
        if (!first_)
            out_.push_back(';');
        first_ = false;
        const bool quoted = text.find_first_of(";\"") != std::string_view::npos;
        if (quoted)
            out_.push_back('"');
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '\r' || c == '\n') {
                out_.push_back(' ');
                if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
                continue;
            }
            if (c == '"')
                out_.push_back('"');
            out_.push_back(c);
        }
        if (quoted)
            out_.push_back('"');
    }
    void EndLine()
    {
        out_.append("\r\n");
        first_ = true;
    }

private:
    void AppendQuoted(std::string_view text)
    {
        out_.push_back('"');
        // The runs between quotes go as they stand; each quote is doubled.
        for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
            out_.append(text.substr(0, quote + 1));
            out_.push_back('"');
            text.remove_prefix(quote + 1);
        }
        out_.append(text);
        out_.push_back('"');
    }

    std::string& out_;
    TLineFormat format_;
    bool first_ = true;
};
