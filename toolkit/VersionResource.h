#pragma once
// The version information an executable carries: a block laid out as VersionBlock.h
// describes, stored in the ELF section ".corvana.version". Three services, as the
// platform offers them: the block's size, reading the block, and looking a value up
// in it by a path such as "\StringFileInfo\040904B0\ProductName" (key names compare
// without regard to case).

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

class QIODevice;

class TVersionResource {
public:
    static constexpr const char* SectionName = ".corvana.version";

    // Size in bytes of the file's block; 0 when the file has none or cannot be read.
    static std::uint32_t Size(const QString& fileName);
    // Reads up to `size` bytes of the block into `data`; false when it cannot.
    static bool Read(const QString& fileName, std::uint32_t size, std::uint8_t* data);

    struct TValue {
        std::span<const std::uint8_t> Bytes;
        bool IsText = false;
        QString Text() const; // a text value up to its terminating 0
    };
    // The value of the node at `path` ("\" is the fixed file information), or nothing.
    static std::optional<TValue> Query(std::span<const std::uint8_t> block, QStringView path);
};

// Where a named section's bytes lie in an ELF file.
struct TElfSection {
    std::uint64_t Offset = 0;
    std::uint64_t Size = 0;
};
// Reads 32- and 64-bit ELF of either byte order; nothing when the file is not ELF,
// is damaged, or has no such section with contents.
std::optional<TElfSection> FindElfSection(QIODevice& file, std::string_view name);
