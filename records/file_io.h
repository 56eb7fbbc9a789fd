#pragma once
// Whole-file reading and atomic replacement of a file, with reasons worded for the user.
#include <string>
#include <string_view>

// Reads the regular file at path (anything else, such as a folder, a device or a named pipe,
// is refused). On failure returns false with errnoValue set and reason
// describing it (German).
bool ReadWholeFile(const std::string& path, std::string& bytes, int& errnoValue,
                   std::string& reason);

// Replaces the file at path by bytes: a temporary file in the same folder is written, synced
// and renamed over the target, and the folder is synced. A symbolic link is followed, so the
// file it points to is replaced. An existing file's permissions are kept; a file without
// write permission is refused, as it would be when written in place. On failure the
// temporary file is removed, the target is untouched, and reason says why (German).
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason);

// German description of an errno value.
std::string DescribeErrno(int errnoValue);
