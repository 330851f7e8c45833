#pragma once
// Faults a test sets up on the real system: a small file system of its own made
// full, and work done as an ordinary user. Both need root (as CI runs the
// tests); elsewhere the tests that need them skip with the reason.

#include <stdexcept>
#include <string>
#include <sys/types.h>
#include <unistd.h>

constexpr uid_t kNobody = 65534; // the ordinary user of the tests (and its group)

// A small tmpfs mounted at a folder for the length of a test.
class TSmallFileSystem {
public:
    // Mounts a tmpfs of `bytes` bytes and `inodes` inodes at `folder` (made if
    // missing), with the folder's mode `mode`.
    TSmallFileSystem(const std::string& folder, std::size_t bytes, int inodes, mode_t mode = 0755);
    ~TSmallFileSystem();
    TSmallFileSystem(const TSmallFileSystem&) = delete;
    TSmallFileSystem& operator=(const TSmallFileSystem&) = delete;

    // Empty when mounted; otherwise why not.
    const std::string& Failure() const { return failure_; }

    // Takes every byte that is left (into one file) or every inode that is left
    // (with empty files).
    void FillBytes() const;
    void FillInodes() const;
    // Makes the file system read-only.
    bool MakeReadOnly() const;

private:
    std::string folder_;
    std::string failure_;
};

bool BecomeOrdinaryUser();
bool BecomeRootAgain();

// Runs `work` with the effective user "nobody" when the test runs as root, so
// that the kernel checks permissions as for anyone; as any other user it runs
// as that user.
template <class Work>
void AsOrdinaryUser(Work&& work)
{
    const bool root = ::geteuid() == 0;
    if (root && !BecomeOrdinaryUser())
        throw std::runtime_error("cannot act as nobody");
    work();
    if (root && !BecomeRootAgain())
        throw std::runtime_error("cannot act as root again");
}
