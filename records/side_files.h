#pragma once
// The hidden files kept next to a record file: the lock file through which one writer at a
// time changes it, and the temporary file that a save writes and then renames over it. Their
// names are short (under 32 bytes, however long the record file's name is) and derived from
// the record file's name, so that what an interrupted save left behind can be found again.
#include <string>
#include <string_view>

// The file that a save replaces: a symbolic link is followed to the file it names; a path
// that is no link, or a link that leads nowhere, is taken as it is.
std::string ResolveSaveTarget(const std::string& path);

// The folder part of a path, "." for a bare file name.
std::string FolderOf(const std::string& path);

// ".vx" and 16 hexadecimal digits of a hash of the file name of target (without its folder).
std::string SideFileStem(const std::string& target);

// Folder of target + "/" + stem + ".lock".
std::string LockFilePath(const std::string& target);

// Number of hexadecimal digits after stem + "-" in a temporary file's name.
inline constexpr size_t kTempSuffixDigits = 8;

// Whether fileName (no folder) is a temporary file of a save of the file whose stem is
// given: stem, "-", then exactly kTempSuffixDigits lower-case hexadecimal digits.
bool IsTempFileName(std::string_view fileName, std::string_view stem);
