#pragma once
// Whole-file reading and atomic replacement of a file, with the reasons of failures as codes.
#include <string>
#include <string_view>

#include "records/faults.h"

// Reads the regular file at path (anything else, such as a folder, a device or a named pipe,
// is refused). On failure returns false with the fault.
bool ReadWholeFile(const std::string& path, std::string& bytes, FileFault& fault);

// Replaces the file at path by bytes: a temporary file in the same folder is written, synced
// and renamed over the target, and the folder is synced. A symbolic link is followed, so the
// file it points to is replaced. An existing file's permissions are kept; a file without
// write permission is refused, as it would be when written in place. On failure the
// temporary file is removed, the target is untouched, and fault says why.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, FileFault& fault);
