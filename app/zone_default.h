#pragma once
// The form's time difference while the user has given none: that of the computer's own zone
// at the form's date and time.
#include <optional>
#include <string>
#include <string_view>

#include "places/zone_offset.h"

// The value of the zone at the local moment when it is a plain one: whole hours within
// -12..12 at a moment that occurs exactly once. Nothing for an empty or unknown zone, an offset
// that is not whole hours or lies beyond -12..12, or a moment that occurs twice or never: the
// form then keeps the value it holds, and nothing needs saying.
std::optional<int> DefaultTimeDifference(std::string_view zone, const places::LocalMoment& local);

// The name of the zone this computer runs in ("Europe/Berlin"), read anew at each call (TZ,
// then where /etc/localtime points, then /etc/timezone; on Windows the zone of the system's
// time settings, its Windows name mapped through CLDR's table); empty when the first of these
// present names no zone the database knows.
std::string ComputerZone();
