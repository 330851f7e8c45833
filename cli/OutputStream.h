#pragma once
// Where corvana-cli writes its result file: standard output, or a file that is
// replaced only when it was written completely.

#include "AtomicFile.h"
#include "PlateList.h"

#include <memory>
#include <string>
#include <string_view>

// The output could not be written (as opposed to an input that could not be read).
class TOutputError : public TFileError {
public:
    explicit TOutputError(const TFileError& e) : TFileError(e) {}
};

class TOutputStream {
public:
    virtual ~TOutputStream() = default;
    virtual void Write(std::string_view data) = 0;
    // Finishes the output; only a committed file replaces its target.
    virtual void Commit() = 0;
};

// Buffered writes to a file descriptor (standard output); a failure such as a
// closed pipe throws TFileError naming `name`.
class TDescriptorOutput : public TOutputStream {
public:
    TDescriptorOutput(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}
    void Write(std::string_view data) override;
    void Commit() override { Flush(); }

private:
    void Flush();
    void WriteAll(std::string_view data);
    int fd_;
    std::string name_;
    std::string buffer_;
};

class TFileOutput : public TOutputStream {
public:
    explicit TFileOutput(const std::string& fileName);
    void Write(std::string_view data) override;
    void Commit() override;

private:
    std::unique_ptr<TAtomicFileWriter> writer_;
};
