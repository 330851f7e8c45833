#include "AtomicFile.h"

#include "PlateList.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Small pieces are gathered up to kBufferSize; a piece of kStraightPiece or
// more goes to the file straight from the caller's bytes, with no copy into
// the buffer (whose fresh pages would cost more than the copy).
constexpr std::size_t kBufferSize = 1 << 20;
constexpr std::size_t kStraightPiece = 64 << 10;

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The mode a new file gets: 0666 less the process's umask.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

namespace {

// The file the data finally lands in: a symbolic link is followed, so that the
// file it points to is replaced and the link stays.
std::string ResolvedPath(const std::string& target)
{
    struct stat st;
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return target;
    char* resolved = ::realpath(target.c_str(), nullptr);
    if (!resolved)
        return target; // a dangling link is replaced by the file
    std::string path(resolved);
    std::free(resolved);
    return path;
}

// Devices, pipes and the like are written to directly: they cannot be replaced
// by renaming a file over them (and must not be).
bool IsSpecialFile(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
}

} // namespace

TAtomicFileWriter::TAtomicFileWriter(std::string target, TFallback fallback)
    : target_(std::move(target)), path_(ResolvedPath(target_))
{
    if (IsSpecialFile(path_)) {
        fd_ = ::open(path_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd_ < 0)
            Fail(errno);
        return;
    }
    // Renaming over the target could replace a file the user may not write (one
    // made read-only to protect it): that is an error, as writing it would be.
    // The check is made as the kernel makes it, for the effective user.
    if (::faccessat(AT_FDCWD, path_.c_str(), F_OK, AT_EACCESS) == 0 &&
        ::faccessat(AT_FDCWD, path_.c_str(), W_OK, AT_EACCESS) != 0)
        Fail(errno);
    std::string pattern = FolderOf(path_) + "/." + BaseNameOf(path_) + ".XXXXXX";
    fd_ = ::mkstemp(pattern.data());
    if (fd_ >= 0) {
        temp_ = pattern;
        return;
    }
    const int error = errno;
    if (fallback == TFallback::InPlace && ::faccessat(AT_FDCWD, path_.c_str(), W_OK, AT_EACCESS) == 0) {
        fd_ = ::open(path_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd_ >= 0)
            return;
    }
    // Say why the target itself cannot be written when that is the cause.
    const int targetFd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (targetFd < 0 && errno != ENOENT)
        Fail(errno);
    if (targetFd >= 0)
        ::close(targetFd);
    Fail(error);
}

TAtomicFileWriter::~TAtomicFileWriter()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_ && !temp_.empty())
        ::unlink(temp_.c_str());
}

void TAtomicFileWriter::Fail(int error)
{
    throw TFileError(target_, std::strerror(error));
}

void TAtomicFileWriter::Write(std::string_view data)
{
    if (data.size() >= kStraightPiece || buffer_.size() + data.size() > kBufferSize)
        Flush();
    if (data.size() >= kStraightPiece)
        WriteAll(data);
    else
        buffer_.append(data);
}

void TAtomicFileWriter::Flush()
{
    WriteAll(buffer_);
    buffer_.clear();
}

void TAtomicFileWriter::WriteAll(std::string_view data)
{
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd_, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
}

void TAtomicFileWriter::Commit()
{
    Flush();
    if (!temp_.empty()) {
        struct stat st;
        const mode_t mode = ::stat(path_.c_str(), &st) == 0 ? (st.st_mode & 07777) : NewFileMode();
        if (::fchmod(fd_, mode) != 0)
            Fail(errno);
    }
    if (::fsync(fd_) != 0 && errno != EINVAL)
        Fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        Fail(errno);
    if (!temp_.empty() && ::rename(temp_.c_str(), path_.c_str()) != 0)
        Fail(errno);
    committed_ = true;
}

void TAtomicFileWriter::WriteFile(const std::string& target, std::string_view data, TFallback fallback)
{
    TAtomicFileWriter writer(target, fallback);
    writer.Write(data);
    writer.Commit();
}
