#include "sheet/diagram_samples.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "astro/moon.h"
#include "astro/sun.h"
#include "astro/vector_state.h"

namespace {

// Four days of 15-minute steps are 385 moments at most; the margin only matters for centres
// so large that the additions round.
constexpr std::size_t kMaxSamples = 4 * 385;

template <typename Value>
std::vector<DiagramPoint> SampleCurve(double centre, int32_t width, int32_t height, Value value) {
    const double lo = centre - 2.0;
    const double hi = centre + 2.0;
    ClearUpperVectorState();
    std::vector<DiagramPoint> points;
    for (const double t : DiagramMoments(lo, hi, kDiagramSampleStep, kMaxSamples)) {
        points.push_back({DiagramX(t, centre, width), DiagramY(value(t), height)});
    }
    return points;
}

} // namespace

int32_t DiagramTrunc(double v) {
    // 2^31 is exact in double; every double strictly between -2^31 - 1 and 2^31 truncates in range.
    if (!(v > -2147483649.0 && v < 2147483648.0)) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(v);
}

int32_t DiagramX(double t, double centre, int32_t width) {
    return DiagramTrunc(((t + 2.0) - centre) * static_cast<double>(width) * 0.25);
}

int32_t DiagramY(double v, int32_t height) {
    const int64_t y = static_cast<int64_t>(height) - DiagramTrunc(v * static_cast<double>(height));
    return static_cast<int32_t>(std::clamp<int64_t>(y, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

std::vector<double> DiagramMoments(double lo, double hi, double step, std::size_t maxCount) {
    std::vector<double> moments;
    for (double t = lo; t < hi && moments.size() < maxCount;) {
        moments.push_back(t);
        const double next = t + step;
        if (!(next > t)) {
            break;
        }
        t = next;
    }
    return moments;
}

std::vector<DiagramPoint> SampleMoonCurve(double centre, int32_t width, int32_t height) {
    return SampleCurve(centre, width, height, [](double t) { return MoonIllumination(t); });
}

std::vector<DiagramPoint> SampleSunCurve(double centre, int32_t southern, int32_t width, int32_t height) {
    return SampleCurve(centre, width, height,
                       [southern](double t) { return SunPhase(t, southern); });
}

DiagramCurveValues SampleDiagramValues(double centre, int32_t southern) {
    DiagramCurveValues values;
    ClearUpperVectorState();
    values.moments = DiagramMoments(centre - 2.0, centre + 2.0, kDiagramSampleStep, kMaxSamples);
    values.moon.reserve(values.moments.size());
    values.sun.reserve(values.moments.size());
    for (const double t : values.moments) {
        values.moon.push_back(MoonIllumination(t));
    }
    for (const double t : values.moments) {
        values.sun.push_back(SunPhase(t, southern));
    }
    return values;
}

DiagramSampleCache::Key DiagramSampleCache::MakeKey(double centre, int32_t southern, int32_t width,
                                                    int32_t height) {
    return Key{std::bit_cast<uint64_t>(centre), southern, width, height};
}

const std::vector<DiagramPoint>& DiagramSampleCache::Moon(double centre, int32_t width, int32_t height) {
    // The Moon curve does not depend on the hemisphere.
    const Key key = MakeKey(centre, 0, width, height);
    if (!m_moonValid || !(key == m_moonKey)) {
        m_moon = SampleMoonCurve(centre, width, height);
        m_moonKey = key;
        m_moonValid = true;
        ++m_moonComputations;
    }
    return m_moon;
}

const std::vector<DiagramPoint>& DiagramSampleCache::Sun(double centre, int32_t southern, int32_t width,
                                                   int32_t height) {
    const Key key = MakeKey(centre, southern, width, height);
    if (!m_sunValid || !(key == m_sunKey)) {
        m_sun = SampleSunCurve(centre, southern, width, height);
        m_sunKey = key;
        m_sunValid = true;
        ++m_sunComputations;
    }
    return m_sun;
}
