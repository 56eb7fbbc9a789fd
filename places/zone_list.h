#pragma once
// The zones of the build machine's zone folder, listed at build time (tools/zone_list_maker.cpp):
// the program knows them whatever the zone folder it reads, so that a zone the folder lacks is
// reported as damaged data rather than as a name nobody ever used.
#include <span>
#include <string_view>

namespace places {

// Sorted.
std::span<const std::string_view> BuildZoneNames();

} // namespace places
