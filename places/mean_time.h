#pragma once
// The mean solar time of a longitude: the Sun crosses the meridian four minutes later for each
// degree west, so a place's local mean time is its longitude times four minutes ahead of
// Universal Time.
namespace places {

// Local mean time minus Universal Time, in seconds, for a longitude in degrees (east positive):
// 240 seconds a degree, to the nearest second, halves away from zero (a symmetric rule, so a
// place west of Greenwich is exactly as far behind as its mirror east is ahead).
int MeanTimeOffsetSeconds(double longitude);

// The same, moved by whole days to lie nearest the given offset: a place near the date line
// keeps the calendar day of its zone (170° W is 11:20 behind, or 12:40 ahead where the zone
// counts the day from the west).
int MeanTimeOffsetSecondsNear(double longitude, int utcOffsetSeconds);

} // namespace places
