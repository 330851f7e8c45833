#pragma once
// Temporary folders and whole-file reads and writes for the corvana-cli tests.

#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything
// in it at the end of the test.
class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    // The path of `name` inside the folder.
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    // The names of the folder's entries, sorted.
    std::vector<std::string> Entries() const;

private:
    std::filesystem::path path_;
};

// The names of a folder's entries, sorted.
std::vector<std::string> EntriesOf(const std::string& folder);

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
