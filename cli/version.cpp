#include "cli/version.h"

#include "app/credits.h"
#include "cli_build_version.h"

std::string VersionText() {
    return std::string("vexamo-cli ") + kBuildVersion + "\n" + CliCreditsLine(kBuildQtVersion) +
           "\n";
}
