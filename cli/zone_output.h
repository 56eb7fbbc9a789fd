#pragma once
// Output of "vexamo-cli places" and "vexamo-cli zone", and the time zone an evaluation used.
#include <cstddef>
#include <string>
#include <vector>

#include "app/zone_resolution.h"
#include "cli/commands.h"

// One line per place: "München, Bayern, Deutschland — Europe/Berlin".
// The names escaped on a terminal (TerminalText).
std::string PlacesText(const std::vector<places::Place>& found, bool terminal);

// On io.err, after a place list that stops short: how many more places match ("… and 1,234
// more places; give --limit N or a longer name"); nothing when none does.
void PrintMorePlaces(CliStreams& io, std::size_t more);

// A JSON array of objects: name, region, country, country_code, zone, latitude, longitude,
// population; every character beyond ASCII escaped on a terminal.
std::string PlacesJson(const std::vector<places::Place>& found, bool terminal);

// One line each for what was determined, in the user's language: the place, the zone, the offset
// and the time difference, the form's "Fuseau horaire" value ("Place: München, ...").
// The place and zone escaped on a terminal.
std::string ZoneText(const ZoneResolution& r, bool terminal);

// The keys place (null for a zone name), zone, utc_offset_minutes, abbreviation, dst (these
// three null when no offset is in force), time_difference (null when none is determined),
// status and candidates (the offsets in minutes of a time that occurs twice). Pretty-printed
// with `indent` spaces, or on one line for a negative indent.
std::string ZoneJson(const ZoneResolution& r, int indent = 2, bool terminal = false);

// Prints on io.err which of several places was taken, by how much rounding moves the moment,
// and, when no time difference was determined, why and how to choose. `name` is the place or
// zone name as given.
void PrintZoneMessages(CliStreams& io, const ZoneResolution& r, const std::string& name);

// For "eval" and "add" with --place or --zone: resolves the time difference for the entered
// date and time and stores it in the input. Returns false, after printing why (and, where the
// zone is the trouble, that --tz would do), when none is determined.
bool ApplyBirthZone(const ZoneSource& source, const ZoneChoice& choice, BirthInput& input,
                    CliStreams& io, ZoneResolution& r);
