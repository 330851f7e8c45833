#pragma once
// Plate lists, result files and settings are regular files. A named pipe, a
// device or a socket in their place is refused before anything waits on it:
// opening a pipe waits for its other end, and a device may never end.

#include <string>
#include <sys/types.h>

// Why a file of this type is neither read nor written ("A named pipe, not a
// regular file", or the system's "Is a directory"); empty for a regular file.
std::string NotARegularFileReason(mode_t mode);

// Opens an existing regular file for reading. Nothing waits: the file is looked
// at before it is opened, and opened without waiting in case it was swapped for
// a pipe meanwhile. Throws TFileError naming `fileName`.
int OpenRegularFileForReading(const std::string& fileName);
