#pragma once
// What a record file was when it was opened or saved, so that a later save can tell whether
// another program has changed it on disk in the meantime.
#include <cstdint>
#include <string>

struct FileIdentity {
    bool exists = false;
    uint64_t device = 0; // the volume's serial number on Windows
    uint64_t inode = 0;  // the file index on Windows; a save by rename gives the file a new one
    int64_t size = 0;
    int64_t mtimeNs = 0; // modification time, nanoseconds since the epoch

    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file at path (a symbolic link followed); exists is false when there is
// no such file.
FileIdentity FileIdentityOf(const std::string& path);

// The identity of an open file: IdentityOfOpenFile (records/native_file.h).

// Whether the file at path is no longer the one recorded: replaced, rewritten, resized,
// touched, removed, or created where none was. Permission and owner changes do not count.
bool ChangedOnDisk(const FileIdentity& recorded, const std::string& path);
