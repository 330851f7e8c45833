#pragma once
// Writes a file safely: the data goes to a temporary file in the target's folder,
// which is renamed over the target only when everything was written, so a failure
// never leaves a truncated file behind. The target keeps its permissions; a
// target the user may not write is an error, never replaced; a symbolic link is
// followed; devices and pipes are written to directly.

#include "FileError.h"

#include <string>
#include <string_view>

class TAtomicFileWriter {
public:
    enum class TFallback {
        None,   // fail when no temporary file can be made
        InPlace // rewrite an existing writable target in place instead
    };

    // Throws TFileError naming the target when nothing can be written.
    explicit TAtomicFileWriter(std::string target, TFallback fallback = TFallback::None);
    ~TAtomicFileWriter();
    TAtomicFileWriter(const TAtomicFileWriter&) = delete;
    TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

    void Write(std::string_view data);
    // Flushes, syncs and renames over the target. Throws TFileError.
    void Commit();

    // Writes a whole file at once.
    static void WriteFile(const std::string& target, std::string_view data, TFallback fallback = TFallback::None);

private:
    void Flush();
    void WriteAll(std::string_view data);
    [[noreturn]] void Fail(int error);

    std::string target_; // the name given, used in errors
    std::string path_;   // where the data goes: the target with links followed
    std::string temp_;   // empty when writing in place
    std::string buffer_;
    int fd_ = -1;
    bool committed_ = false;
};
