// The version reader over arbitrary files: the ELF headers are found or rejected
// without reading outside the input, and a block found is looked up safely.
#include "VersionResource.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    if (const auto section = FindElfSection(file, TVersionResource::SectionName)) {
        if (section->Offset > size || section->Size > size - section->Offset)
            return 0; // the size is known; reading it would fail
        std::span<const std::uint8_t> block(data + section->Offset, section->Size);
        TVersionResource::Query(block, u"\\StringFileInfo\\040904B0\\ProductName");
    }
    // The input itself as a block.
    const std::span<const std::uint8_t> block(data, size);
    for (const char16_t* path : {u"\\", u"\\VarFileInfo\\Translation", u"\\StringFileInfo\\040904E4\\LegalCopyRight"})
        if (const auto value = TVersionResource::Query(block, path)) {
            if (value->Bytes.data() < data || value->Bytes.data() + value->Bytes.size() > data + size)
                std::abort();
            value->Text();
        }
    return 0;
}
