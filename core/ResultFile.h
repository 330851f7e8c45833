#pragma once
// Lines of a result file and of the reports written like it: the text of column
// 0, then a separator and the text of each further written column, then CR LF.
// The result file separates with ";" and never quotes (cell texts hold no ";");
// CSV separates with "," and quotes a field that holds a comma, a ";", a tab, a
// double quote or a line break, or that starts or ends with a blank, doubling
// its quotes: a spreadsheet's text import, which splits at tabs, commas and
// semicolons alike and drops blanks around fields, then reads it back as it was.
// Texts from outside (the other columns of a delimited list) may hold anything:
// TextCell keeps each line of the result file one row of its columns.

#include "ByteSet.h"

#include <algorithm>

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
        if (format_ == TLineFormat::Csv && QuotedInCsv(text))
            AppendQuoted(text);
        else
            out_.append(text);
    }
    // Whether TextCell writes `text` as it stands: nothing in it is quoted or
    // replaced in the format.
    static bool WrittenAsIs(std::string_view text, TLineFormat format)
    {
        return format == TLineFormat::Csv ? !QuotedInCsv(text)
                                          : !kQuotedInResultFile.AnyIn(text) && !kLineBreaks.AnyIn(text);
    }
    // Whether cells split at commas, each after its comma, go into CSV as they
    // stand: none holds a ";", a tab or a quote, and no blank stands beside a
    // comma or at the end (where it would start or end a field). Sixteen bytes
    // at a time, in one pass.
    static bool CsvCellsWrittenAsIs(std::string_view cells)
    {
        static constexpr TByteSet kQuoted(";\t\""), kBlank(" "), kComma(",");
        unsigned blankBefore = 0, commaBefore = 0; // the last byte of the sixteen before
        for (std::size_t i = 0; i < cells.size(); i += 16) {
            const char* p = cells.data() + i;
            const std::size_t n = std::min<std::size_t>(16, cells.size() - i);
            if (kQuoted.Members16(p, n))
                return false;
            const unsigned blanks = kBlank.Members16(p, n), commas = kComma.Members16(p, n);
            if ((blanks & (commas << 1 | commaBefore)) || (commas & (blanks << 1 | blankBefore)))
                return false;
            blankBefore = blanks >> 15 & 1;
            commaBefore = commas >> 15 & 1;
        }
        return cells.empty() || cells.back() != ' ';
    }
    // Whether a CSV field must be quoted to come back as it is.
    static bool QuotedInCsv(std::string_view text)
    {
        static constexpr TByteSet kSplitInCsv(",;\t\"");
        return kSplitInCsv.AnyIn(text) || kLineBreaks.AnyIn(text) ||
               (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    }
    // A text from outside. In the result file it is quoted, as CSV quotes, when
    // it holds a ";", a ",", a tab or a double quote (a spreadsheet's import
    // splits at each of the first three), and each of its line breaks is
    // written as a space, so that its line stays one row and the file a plate
    // list; in CSV it is a Cell. A computed cell is written the same by either.
    void TextCell(std::string_view text)
    {
        if (format_ == TLineFormat::Csv || WrittenAsIs(text, format_))
            return Cell(text);
        if (!first_)
            out_.push_back(';');
        first_ = false;
        const bool quoted = kQuotedInResultFile.AnyIn(text);
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
    static constexpr TByteSet kQuotedInResultFile{";,\t\""};
    static constexpr TByteSet kLineBreaks{"\r\n"};

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
