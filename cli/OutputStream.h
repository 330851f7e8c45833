#pragma once
// Where corvana-cli writes its result file: standard output, a file that is
// replaced only when it was written completely, or a device or named pipe
// named with -o (/dev/null, /dev/stdout, a pipe to another program), written
// to as it stands, as the shell's redirection writes to it.

#include "AtomicFile.h"
#include "PlateList.h"
#include "UniqueFd.h"

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

// Buffered writes to a file descriptor: standard output, or a device or pipe
// named with -o, which it owns. A closed pipe ends the process by SIGPIPE,
// quietly, as it ends every tool of a pipeline; any other failure throws
// TWriteError on standard output, TOutputError naming the file otherwise.
class TDescriptorOutput : public TOutputStream {
public:
    explicit TDescriptorOutput(int fd) : fd_(fd) {}
    TDescriptorOutput(TUniqueFd owned, std::string fileName)
        : fd_(owned.Get()), owned_(std::move(owned)), fileName_(std::move(fileName))
    {
    }
    void Write(std::string_view data) override;
    void Commit() override { Flush(); }

private:
    void Flush();
    void WriteAll(std::string_view data);
    int fd_;
    TUniqueFd owned_;
    std::string fileName_; // empty for standard output
    std::string buffer_;
};

// SIGPIPE as the system sets it, whatever the parent left: a closed output
// pipe then ends the process the way it ends GNU tools.
void RestoreDefaultSigpipe();

// The output -o names: a regular file written safely (TFileOutput), or an
// existing device or named pipe written to directly. Throws TOutputError.
std::unique_ptr<TOutputStream> OpenOutputFile(const std::string& fileName);

class TFileOutput : public TOutputStream {
public:
    explicit TFileOutput(const std::string& fileName);
    void Write(std::string_view data) override;
    void Commit() override;

private:
    std::unique_ptr<TAtomicFileWriter> writer_;
};
