#pragma once
// Where corvana-cli writes its result file: standard output, or a file that is
// replaced only when it was written completely.

#include "AtomicFile.h"
#include "PlateList.h"

#include <memory>
#include <stdexcept>
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

// Standard output could not be written; what() is the system's reason.
class TWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Buffered writes to a file descriptor (standard output). A closed pipe ends
// the process by SIGPIPE, quietly, as it ends every tool of a pipeline; any
// other failure throws TWriteError.
class TDescriptorOutput : public TOutputStream {
public:
    explicit TDescriptorOutput(int fd) : fd_(fd) {}
    void Write(std::string_view data) override;
    void Commit() override { Flush(); }

private:
    void Flush();
    void WriteAll(std::string_view data);
    int fd_;
    std::string buffer_;
};

// SIGPIPE as the system sets it, whatever the parent left: a closed output
// pipe then ends the process the way it ends GNU tools.
void RestoreDefaultSigpipe();

class TFileOutput : public TOutputStream {
public:
    explicit TFileOutput(const std::string& fileName);
    void Write(std::string_view data) override;
    void Commit() override;

private:
    std::unique_ptr<TAtomicFileWriter> writer_;
};
