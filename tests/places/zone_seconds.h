#pragma once
// Zone offsets in the tests are written in hours of seconds.

inline constexpr int kHour = 3600;
