// Helper of out_of_memory_test: loads or saves a record file in a fresh process whose address
// space may grow only by a given amount beyond what it uses at start.
//   vexamo-oom-probe load FILE HEADROOM_MIB
//   vexamo-oom-probe save FILE RECORDS HEADROOM_MIB
// Exit status 0: the operation failed with the out-of-memory code, the document unchanged;
// 1: anything else. Being ended by a signal (an abort) is what the test catches.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/resource.h>

#include "records/vexamo_doc.h"

namespace {

size_t AddressSpaceInUse() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmSize:") {
            size_t kib = 0;
            status >> kib;
            return kib * 1024;
        }
    }
    return 0;
}

void LimitGrowth(const char* headroomMiB) {
    const struct rlimit noCore = {0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    const rlim_t limit = AddressSpaceInUse() + std::strtoull(headroomMiB, nullptr, 10) * 1048576;
    const struct rlimit space = {limit, limit};
    ::setrlimit(RLIMIT_AS, &space);
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    CVexamoDoc doc;
    DocFault error;
    if (mode == "load" && argc == 4) {
        doc.m_mapDateStore.SetAt("kept", VXDateStore());
        LimitGrowth(argv[3]);
        const bool failedCleanly = !doc.OpenDocument(argv[2], error) &&
                                   error.file.kind == FileFault::OutOfMemory &&
                                   doc.m_mapDateStore.GetCount() == 1 && doc.GetPathName().empty();
        std::printf("fault %d errno %d\n", static_cast<int>(error.file.kind),
                    error.file.errnoValue);
        return failedCleanly ? 0 : 1;
    }
    if (mode == "save" && argc == 5) {
        const long count = std::strtol(argv[3], nullptr, 10);
        for (long i = 0; i < count; ++i) {
            doc.m_mapDateStore.SetAt(std::to_string(i) + std::string(60, 'n'), VXDateStore());
        }
        doc.SetModifiedFlag();
        LimitGrowth(argv[4]);
        const bool failedCleanly = !doc.SaveDocument(argv[2], error) &&
                                   error.file.kind == FileFault::OutOfMemory && doc.IsModified() &&
                                   doc.m_mapDateStore.GetCount() == count;
        std::printf("fault %d errno %d\n", static_cast<int>(error.file.kind),
                    error.file.errnoValue);
        return failedCleanly ? 0 : 1;
    }
    std::fputs("usage: vexamo-oom-probe load FILE MIB | save FILE RECORDS MIB\n", stderr);
    return 2;
}
