#pragma once
// Lines of a result file and of the reports written like it: the text of column
// 0, then a separator and the text of each further written column, then CR LF.
// The result file separates with ";" and never quotes (cell texts hold no ";");
// CSV separates with "," and quotes a field that holds a comma, a double quote
// or a line break, doubling its quotes, so that any spreadsheet reads it back.

#include <string>
#include <string_view>

enum class TLineFormat { Semicolon, Csv };

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
        if (format_ == TLineFormat::Csv && text.find_first_of(",\"\r\n") != std::string_view::npos)
            AppendQuoted(text);
        else
            out_.append(text);
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
        for (char c : text) {
            if (c == '"')
                out_.push_back('"');
            out_.push_back(c);
        }
        out_.push_back('"');
    }

    std::string& out_;
    TLineFormat format_;
    bool first_ = true;
};
