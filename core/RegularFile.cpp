#include "RegularFile.h"

#include "FileError.h"
#include "UniqueFd.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

std::string NotARegularFileReason(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return std::strerror(EISDIR);
    if (S_ISFIFO(mode))
        return "A named pipe, not a regular file";
    if (S_ISSOCK(mode))
        return "A socket, not a regular file";
    return "A device, not a regular file";
}

namespace {

void RefuseUnlessRegular(const std::string& fileName, mode_t mode)
{
    const std::string reason = NotARegularFileReason(mode);
    if (!reason.empty())
        throw TFileError(fileName, reason);
}

} // namespace

int OpenRegularFileForReading(const std::string& fileName)
{
    // A look first: opening a device may already act on it.
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0)
        throw TFileError(fileName, std::strerror(errno));
    RefuseUnlessRegular(fileName, info.st_mode);
    TUniqueFd fd(::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd)
        throw TFileError(fileName, std::strerror(errno));
    if (::fstat(fd.Get(), &info) != 0)
        throw TFileError(fileName, std::strerror(errno));
    RefuseUnlessRegular(fileName, info.st_mode);
    ::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
    return fd.Release();
}
