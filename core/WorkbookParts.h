#pragma once
// What the two kinds of workbook share inside core/: reading a part of the ZIP
// container as XML, and finding the parts a relationship names.

#include "Workbook.h"
#include "XmlStream.h"

#include <memory>
#include <string>
#include <string_view>

// What a part that is read whole (the workbook, its relationships, its styles)
// may unpack to.
inline constexpr std::uint64_t kSmallPartLimit = std::uint64_t(64) << 20;

// A handler of one part's XML; it may ask the stream for text or stop it.
class TPartHandler : public TXmlHandler {
public:
    TXmlStream* Stream = nullptr;
    void Text(std::string_view) override {}
};

// Streams a part of the archive through `handler`. Throws TWorkbookError.
void ParsePart(const TZipArchive& archive, const std::string& part, std::uint64_t limit, TPartHandler& handler);

// The name of the part a relationship of `fromPart` points to: a target
// relative to the folder of `fromPart`, or from the archive's root with "/".
std::string ResolvePartName(std::string_view fromPart, std::string_view target);

std::unique_ptr<TWorkbook> OpenXlsxWorkbook(TZipArchive archive);
std::unique_ptr<TWorkbook> OpenOdsWorkbook(TZipArchive archive);
