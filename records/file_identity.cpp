#include "records/file_identity.h"

#include <sys/stat.h>

namespace {

FileIdentity FromStat(const struct stat& st) {
    FileIdentity id;
    id.exists = true;
    id.device = static_cast<uint64_t>(st.st_dev);
    id.inode = static_cast<uint64_t>(st.st_ino);
    id.size = static_cast<int64_t>(st.st_size);
    id.mtimeNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 +
                 static_cast<int64_t>(st.st_mtim.tv_nsec);
    return id;
}

} // namespace

FileIdentity FileIdentityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return FileIdentity{};
    }
    return FromStat(st);
}

FileIdentity FileIdentityOfOpenFile(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return FileIdentity{};
    }
    return FromStat(st);
}

bool ChangedOnDisk(const FileIdentity& recorded, const std::string& path) {
    return FileIdentityOf(path) != recorded;
}
