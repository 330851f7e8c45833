#pragma once
// The file a save writes before it takes the target's place, in the target's
// folder. Where the file system allows it has no name until the save is
// complete, so it vanishes with its process whatever happens; otherwise it has
// a name of ours (".NAME.corvana-XXXXXXXX") and is locked while its save lives,
// so that a later save in that folder can tell one left by a save that died
// from one still being written, and removes only the former.

#include "UniqueFd.h"

#include <string>

class TSaveTemporary {
public:
    TSaveTemporary() = default;
    // A temporary that is not kept loses its name.
    ~TSaveTemporary() { Remove(); }
    TSaveTemporary(const TSaveTemporary&) = delete;
    TSaveTemporary& operator=(const TSaveTemporary&) = delete;
    // Makes the file in `folder` for a target called `targetName`. Returns
    // false, with errno set, when it cannot be made.
    bool Make(int folder, const std::string& targetName);

    int Fd() const { return file_.Get(); }
    // The name it has in the folder; empty while it has none.
    const std::string& Name() const { return name_; }

    // Gives an unnamed file the name `name`, which must not exist yet. Returns
    // false with errno set (EEXIST when it does).
    bool LinkAs(const std::string& name);
    // Gives an unnamed file a name of ours; a named one keeps its own.
    bool LinkUnderOurName(const std::string& targetName);
    // Closes the file; false, with errno set, when the system reports a failure.
    bool Close();
    // The name no longer stands for a temporary (it was renamed, or holds the
    // only copy of a file): it is left alone.
    void Forget() { name_.clear(); }
    // Removes the name, if any.
    void Remove();

private:
    bool MakeNamed(const std::string& targetName);

    int folder_ = -1;
    TUniqueFd file_;
    std::string name_;
};

// Removes the temporaries of ours in `folder` that saves left when their
// process died: only regular files of ours by name, the user's own, that no
// living save holds. Failures are left alone.
void RemoveStaleTemporaries(int folder);
