#include "OutputStream.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {
constexpr std::size_t kBufferSize = 1 << 16;
}

void TDescriptorOutput::Write(std::string_view data)
{
    if (buffer_.empty() && data.size() >= kBufferSize) {
        WriteAll(data); // a large piece goes straight from the caller's bytes
        return;
    }
    buffer_.append(data);
    if (buffer_.size() >= kBufferSize)
        Flush();
}

void TDescriptorOutput::Flush()
{
    WriteAll(buffer_);
    buffer_.clear();
}

void TDescriptorOutput::WriteAll(std::string_view data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd_, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EPIPE) {
                // Nobody reads any more: end as SIGPIPE ends the other tools.
                RestoreDefaultSigpipe();
                std::raise(SIGPIPE);
            }
            throw TWriteError(std::strerror(errno));
        }
        done += static_cast<std::size_t>(n);
    }
}

void RestoreDefaultSigpipe()
{
    std::signal(SIGPIPE, SIG_DFL);
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    sigprocmask(SIG_UNBLOCK, &pipe, nullptr);
}

// Errors of the file writer become output errors.
template <class F>
static void AsOutputError(F&& action)
{
    try {
        action();
    } catch (const TOutputError&) {
        throw;
    } catch (const TFileError& e) {
        throw TOutputError(e);
    }
}

TFileOutput::TFileOutput(const std::string& fileName)
{
    AsOutputError([&] { writer_ = std::make_unique<TAtomicFileWriter>(fileName); });
}

void TFileOutput::Write(std::string_view data)
{
    AsOutputError([&] { writer_->Write(data); });
}

void TFileOutput::Commit()
{
    AsOutputError([&] { writer_->Commit(); });
}
