#pragma once
// Lines of a result file: the text of column 0, then ";" and the text of each
// further written column, then CR LF. No quoting: cell texts hold no ";".

#include <string>
#include <string_view>

class TResultLineWriter {
public:
    explicit TResultLineWriter(std::string& out) : out_(out) {}
    void Cell(std::string_view text)
    {
        if (!first_)
            out_.push_back(';');
        out_.append(text);
        first_ = false;
    }
    void EndLine()
    {
        out_.append("\r\n");
        first_ = true;
    }

private:
    std::string& out_;
    bool first_ = true;
};
