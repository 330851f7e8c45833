#pragma once
// Where a save lands: the folder and the name in it that a file name leads to,
// found one step at a time as the kernel finds it, so that the rules on links
// hold whatever the system's own settings are. Resolving a link by hand into a
// path (as realpath does) would step around them.

#include "UniqueFd.h"

#include <optional>
#include <string>
#include <sys/stat.h>

// How far a save may be led.
enum class TSaveReach {
    // A file the user named: links are followed, except one in a sticky folder
    // anyone may write that belongs neither to the user nor to the folder's owner
    // (it may have been planted there to lead the save elsewhere).
    Chosen,
    // The program's own settings: as Chosen, and only onto the user's own file
    // (through a link of the user's own, if any), into a folder of the user's
    // own outside the system's folders (/usr, /etc, /opt, ...), whoever the user
    // is, root included.
    Settings,
};

class TSaveTarget {
public:
    // Throws TFileError naming `name` when the name leads nowhere a save may go.
    TSaveTarget(const std::string& name, TSaveReach reach);

    // The folder, open for reading where the user may (then it can be synced and
    // listed), otherwise open as a path only.
    int Folder() const { return folder_.Get(); }
    bool FolderReadable() const { return folderReadable_; }
    const struct stat& FolderInfo() const { return folderInfo_; }
    // The target's name in the folder.
    const std::string& Name() const { return name_; }
    // What is there now; none when the target does not exist yet.
    const std::optional<struct stat>& Existing() const { return existing_; }

    // Refuses, with TFileError, an existing target a save may not replace: not a
    // regular file, not writable by the user, or in a sticky folder another
    // user's file that only its owner may replace.
    void CheckReplaceable() const;

    // The reason for a save that only rewriting the file in place could make (a
    // writable file in a folder the user may not write): a save never does.
    static std::string OnlyInPlaceReason(int error);

private:
    [[noreturn]] void Refuse(int error, const char* why = nullptr) const;
    // Makes the folder `part` (a folder inside the present one, "..", or "/")
    // the present one.
    void Enter(const char* part);
    // `namesTheFile`: the link stands for the target itself, not for a folder
    // on the way.
    void CheckLink(const struct stat& link, bool namesTheFile) const;
    std::string ReadLink(const std::string& part) const;
    void CheckSettingsPlace(const std::string& path) const;

    std::string given_; // the name as given, for errors
    TSaveReach reach_;
    TUniqueFd folder_;
    bool folderReadable_ = false;
    struct stat folderInfo_ {};
    std::string name_;
    std::optional<struct stat> existing_;
};
