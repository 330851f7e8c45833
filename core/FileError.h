#pragma once
// The error of a file that cannot be read or written, as every part that reads
// plate lists or writes files throws it.

#include <stdexcept>
#include <string>

// A file that cannot be read or written: the file's name and the system's reason.
class TFileError : public std::runtime_error {
public:
    TFileError(std::string fileName, std::string reason)
        : std::runtime_error(fileName + ": " + reason), FileName(std::move(fileName)), Reason(std::move(reason))
    {
    }
    std::string FileName;
    std::string Reason;
};
