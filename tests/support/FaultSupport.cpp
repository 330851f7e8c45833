#include "FaultSupport.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

TSmallFileSystem::TSmallFileSystem(const std::string& folder, std::size_t bytes, int inodes, mode_t mode)
    : folder_(folder)
{
    ::mkdir(folder.c_str(), 0755);
    char options[128];
    std::snprintf(options, sizeof options, "size=%zu,nr_inodes=%d,mode=%o", bytes, inodes, unsigned(mode));
    if (::mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options) != 0)
        failure_ = std::string("cannot mount a tmpfs of the test's own: ") + std::strerror(errno);
}

TSmallFileSystem::~TSmallFileSystem()
{
    if (failure_.empty())
        ::umount2(folder_.c_str(), MNT_DETACH);
}

void TSmallFileSystem::FillBytes() const
{
    const int fd = ::open((folder_ + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const std::string block(4096, 'f');
    while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);
}

void TSmallFileSystem::FillInodes() const
{
    for (int i = 0;; ++i) {
        const std::string name = folder_ + "/inode" + std::to_string(i);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0)
            return;
        ::close(fd);
    }
}

bool TSmallFileSystem::MakeReadOnly() const
{
    return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
}

bool BecomeOrdinaryUser()
{
    return ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
}

bool BecomeRootAgain()
{
    return ::seteuid(0) == 0 && ::setegid(0) == 0;
}
