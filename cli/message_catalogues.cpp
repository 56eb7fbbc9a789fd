#include "cli/message_catalogues.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/message_language.h"
#include "cli_catalogue_dirs.h"

std::string MessageCatalogueDir() {
    if (const char* dir = std::getenv("VEXAMO_LOCALEDIR"); dir != nullptr && *dir != '\0') {
        return dir;
    }
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && std::filesystem::equivalent(self.parent_path(), kBuildProgramDir, error)) {
        return kBuildCatalogueDir;
    }
    return kInstalledCatalogueDir;
}

void UseUserLanguage() {
    UseMessageLanguage(MessageCatalogueDir());
}
