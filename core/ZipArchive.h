#pragma once
// The ZIP container of a workbook, read with libzip. A workbook comes from
// outside, so what its parts unpack to is bounded: a part that would unpack to
// more than it may is refused before or while it unpacks, never after.

#include "UniqueFd.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

struct zip;

// A workbook that cannot be read: damaged, hostile, or not a workbook at all.
// The message says why, in words for the person who gave it.
class TWorkbookError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TZipArchive {
public:
    // The archive of a file; a file that is no regular file (a pipe, standard
    // input) is read into memory first, up to `memoryLimit` bytes. Throws
    // TFileError when it cannot be read, TWorkbookError when it is no ZIP archive.
    static TZipArchive OpenFile(const std::string& fileName, std::size_t memoryLimit);
    // The archive of bytes held in memory. Throws TWorkbookError.
    static TZipArchive FromBytes(std::string bytes);

    // Another handle on the same archive, for reading it in a second thread.
    // Throws TWorkbookError.
    TZipArchive Twin() const;

    TZipArchive(TZipArchive&&) noexcept;
    TZipArchive& operator=(TZipArchive&&) noexcept;
    ~TZipArchive();

    // Whether the archive holds a part of this name (names compare without case).
    bool Has(const std::string& name) const;
    // Unpacks a part and hands its bytes to `take` in pieces, until the part ends
    // or `take` returns false; at most `limit` bytes. A large part unpacks in a
    // thread of its own meanwhile. Throws TWorkbookError when the part is
    // missing, damaged, or unpacks to more than `limit`.
    void Read(const std::string& name, std::uint64_t limit, const std::function<bool(std::string_view)>& take) const;
    // A small part whole.
    std::string ReadWhole(const std::string& name, std::uint64_t limit) const;

private:
    struct TState;
    static TZipArchive OpenDescriptor(TUniqueFd fd);
    static TZipArchive FromShared(std::shared_ptr<const std::string> bytes);
    void Unpack(std::uint64_t index, const std::string& name, std::uint64_t limit,
                const std::function<bool(std::string_view)>& take) const;
    explicit TZipArchive(std::unique_ptr<TState> state);
    std::unique_ptr<TState> state_;
};
