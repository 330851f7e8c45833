#include "ResultFile.h"

#include <gtest/gtest.h>

TEST(TResultLineWriter, SeparatesBySemicolonOrQuotesCommaSeparatedValues)
{
    const auto write = [](TLineFormat format) {
        std::string out;
        TResultLineWriter line(out, format);
        for (const char* cell : {"plain", "a,b", "say \"hi\"", "two\r\nlines", "", " spaced "})
            line.Cell(cell);
        line.EndLine();
        line.Cell("next");
        line.EndLine();
        return out;
    };
    EXPECT_EQ(write(TLineFormat::Semicolon), "plain;a,b;say \"hi\";two\r\nlines;; spaced \r\nnext\r\n");
    EXPECT_EQ(write(TLineFormat::Csv), "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",,\" spaced \"\r\nnext\r\n");
}
