#pragma once
// Writes a file whole or not at all. The data goes to a new file in the target's
// folder (see SaveTemporary.h), which takes the target's place only when it is
// complete and on disk; then the folder is synced (where the user may read it),
// so that the new name survives a power cut too. Whatever fails, and whenever
// the process dies, the target is the complete old file or the complete new
// one: when no new file can be made (no space, no inode, a folder the user may
// not write) that is the error, and the target is never rewritten in place.
//
// A file saved over keeps its owner and group where the user may set them (root
// always may) and its permissions, without setuid, setgid and sticky bits. A
// target the user may not write is refused, never replaced; so are named pipes,
// devices and sockets, and links the save's reach does not follow (SaveTarget.h).

#include "FileError.h"
#include "SaveTarget.h"
#include "SaveTemporary.h"

#include <string>
#include <string_view>

class TAtomicFileWriter {
public:
    // Throws TFileError naming the target when nothing can be written.
    explicit TAtomicFileWriter(std::string target, TSaveReach reach = TSaveReach::Chosen);
    TAtomicFileWriter(const TAtomicFileWriter&) = delete;
    TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

    // Throws TFileError; after a failure every call does.
    void Write(std::string_view data);
    // Puts the written file in the target's place. Throws TFileError; the target
    // is then as it was.
    void Commit();

    // Writes a whole file at once.
    static void WriteFile(const std::string& target, std::string_view data, TSaveReach reach = TSaveReach::Chosen);

    // Whether a save to `target` would be allowed and could make its new file:
    // the reach's rules hold, the folder may be written and an existing target
    // replaced.
    static bool CanSave(const std::string& target, TSaveReach reach);

private:
    // How the new file took the target's name, and so how to take it back.
    enum class TPlaced { AsNewName, Exchanged, Renamed };

    void Flush();
    void WriteAll(std::string_view data);
    void KeepOwnerAndMode();
    TPlaced Place();
    void TakeBack(TPlaced how);
    [[noreturn]] void Fail(int error);

    std::string target_; // the name given, used in errors
    TSaveTarget place_;
    TSaveTemporary file_;
    std::string buffer_;
    int failure_ = 0; // the first failure's error number
};
