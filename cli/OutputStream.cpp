#include "OutputStream.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
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
            if (!fileName_.empty())
                throw TOutputError(TFileError(fileName_, std::strerror(errno)));
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

std::unique_ptr<TOutputStream> OpenOutputFile(const std::string& fileName)
{
    std::unique_ptr<TOutputStream> output;
    AsOutputError([&] {
        // Found as the kernel finds it: a link planted in a sticky folder leads nowhere.
        const TSaveTarget target(fileName, TSaveReach::Chosen);
        const auto& existing = target.Existing();
        if (existing && (S_ISCHR(existing->st_mode) || S_ISFIFO(existing->st_mode))) {
            // Opened without waiting: a named pipe nobody reads is an error, not a hang.
            TUniqueFd fd(::openat(target.Folder(), target.Name().c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
            if (!fd)
                throw TFileError(fileName, errno == ENXIO ? "A named pipe that nobody reads" : std::strerror(errno));
            ::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
            output = std::make_unique<TDescriptorOutput>(std::move(fd), fileName);
        } else {
            output = std::make_unique<TFileOutput>(fileName);
        }
    });
    return output;
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
