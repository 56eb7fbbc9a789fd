#pragma once
// The version of the build.
#include <string>

// "vexamo-cli 1.0.0.1\n": the project's version as the build sets it, then one line naming the
// licence and the data and libraries the programs are made from (app/credits.h).
std::string VersionText();
