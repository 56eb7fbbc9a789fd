#include "records/file_identity.h"

#include "records/native_file.h"

FileIdentity FileIdentityOf(const std::string& path) {
    return IdentityOfPath(path);
}

bool ChangedOnDisk(const FileIdentity& recorded, const std::string& path) {
    return FileIdentityOf(path) != recorded;
}
