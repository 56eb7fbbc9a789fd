#pragma once
// The words for a resolved time difference: offsets ("UTC+01:00", "UTC+00:53:28"), places, and
// why no time difference was determined. French, from the text catalogue.
#include <string>

#include "app/zone_resolution.h"

// "UTC+01:00", "UTC-03:30"; with seconds when there are any: "UTC+00:53:28".
std::string UtcOffsetText(int utcOffsetSeconds);

// "UTC+02:00 (CEST)".
std::string OffsetAbbreviationText(const places::ZoneOffset& offset);

// Whose words describe an offset: the window's own ("heure d'été"), or vexamo-cli's in the
// user's language ("summer time", "Sommerzeit", "heure d'été").
enum class OffsetWords { Window, Cli };

// "UTC+02:00 (CEST), heure d'été".
std::string ZoneOffsetText(const places::ZoneOffset& offset, OffsetWords words);

// An offset of a resolution, which names its place where the place keeps its own mean time:
// "UTC+06:56:16 (LMT), temps moyen local de Chengdu", "local mean time of Chengdu".
std::string ZoneOffsetText(const ZoneResolution& r, const places::ZoneOffset& offset,
                           OffsetWords words);

// The "Fuseau horaire" value an offset would need: "-1", or "-5:30" when it is not whole hours.
std::string NeededValueText(int utcOffsetSeconds);

// What a "Fuseau horaire" value means: "-1 = UTC+01:00", "0 = UTC+00:00", "5 = UTC-05:00".
std::string TimeDifferenceMeaningText(int timeDifference);

// "München, Bayern, Deutschland". An empty region or country is left out, and so is a region
// that only repeats the place's name ("Berlin, Deutschland", not "Berlin, Berlin, ..."); a place
// found by another of its names shows that name too: "Rome (Roma), Lazio, Italia".
std::string PlaceText(const places::Place& place);

// "München, Bayern, Deutschland — Europe/Berlin".
std::string PlaceLineText(const places::Place& place);

// How far taking the rounded hour moves the moment: "30 min plus tôt", "6 min 32 s plus tard".
std::string RoundingShiftText(int shiftSeconds);

// Why no time difference was determined (empty when one was), in vexamo-cli's words. The name
// is the place or zone name as given.
std::string ZoneRefusalText(const ZoneResolution& r, const std::string& name);

// For a place name that matched several places: which one was taken.
std::string SeveralPlacesText(const ZoneResolution& r, const std::string& name);

// For an accepted rounding: by how much it moves the moment (empty when nothing was rounded).
std::string RoundingNoteText(const ZoneResolution& r);

// What the birthplace dialog explains for a resolution at the local moment, one line each:
// "Le 15.1.1980 à 12:00 à München :" (for a zone chosen by name "Le 15.1.1980 à 12:00 dans
// le fuseau Europe/Berlin :"), what is in force or why no value follows, and the value
// when one is determined ("Fuseau horaire: -1").
std::string ZoneExplanationText(const ZoneResolution& r, const places::LocalMoment& local);

// The label of the summer-time (or winter-time) choice for a local time that occurs twice;
// empty for any other time.
std::string DstChoiceText(const ZoneResolution& r, bool summer);

// The label of the choice to round a non-whole-hour offset; empty for any other status.
std::string RoundChoiceText(const ZoneResolution& r);
