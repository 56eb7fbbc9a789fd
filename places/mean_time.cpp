#include "places/mean_time.h"

#include <cmath>

namespace places {

namespace {

constexpr double kSecondsPerDegree = 240.0;
constexpr int kDay = 86400;

} // namespace

int MeanTimeOffsetSeconds(double longitude) {
    // std::lround rounds halves away from zero.
    return static_cast<int>(std::lround(longitude * kSecondsPerDegree));
}

int MeanTimeOffsetSecondsNear(double longitude, int utcOffsetSeconds) {
    const int own = MeanTimeOffsetSeconds(longitude);
    const long days = std::lround(static_cast<double>(utcOffsetSeconds - own) / kDay);
    return own + static_cast<int>(days) * kDay;
}

} // namespace places
