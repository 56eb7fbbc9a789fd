#pragma once
// Whole-file reading and atomic replacement of a file, with the reasons of failures as codes.
#include <string>
#include <string_view>

#include "records/faults.h"
#include "records/file_identity.h"
#include "records/file_lock.h"
#include "records/file_replacement.h"

// Reads the regular file at path (anything else, such as a folder, a device or a named pipe,
// is refused). On failure returns false with the fault; ENOMEM when the file does not fit in
// memory. identity, when given, receives what the file was when it was read.
bool ReadWholeFile(const std::string& path, std::string& bytes, FileFault& fault,
                   FileIdentity* identity = nullptr);

// Replaces the file at path by bytes: a temporary file in the same folder is written, synced
// and renamed over the target, and the folder is synced (see FileReplacement). A target that
// is not a regular file is refused, unless options.intoDevices lets it be written into. A symbolic
// link is followed, so the file it points to is replaced. An existing file's permissions are kept;
// a file without write permission is refused, as it would be when written in place. The existing
// file's owner and group are kept as far as the saver may set them. Everything happens under the
// file's lock (see SaveOptions); temporary files that an interrupted save of the same file
// left behind are removed. On failure the temporary file is removed, the target is
// untouched, and fault says why; on success written, when given, receives the identity of
// the file written.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, FileFault& fault,
                         const SaveOptions& options = {}, FileIdentity* written = nullptr);
