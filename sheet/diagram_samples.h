#pragma once
// The sampled Moon and Sun curves of the phase diagram, in pixel coordinates, and a cache that
// keeps them while the centre, the hemisphere flag and the size stay the same. Platform-free:
// every painter of the control draws these very points.
#include <cstddef>
#include <cstdint>
#include <vector>

// A pixel of the control: column and row from its top left corner.
struct DiagramPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const DiagramPoint&) const = default;
};

// One sample every 15 minutes: the double nearest 1/96 day.
inline constexpr double kDiagramSampleStep = 0.010416666666666666;

// The double v truncated toward zero to 32 bits; NaN and values out of range give INT32_MIN,
// as the processor's conversion does.
int32_t DiagramTrunc(double v);

// Column of the moment t for a plot of the given width centred on centre (four days wide).
int32_t DiagramX(double t, double centre, int32_t width);

// Row of the value v (1 at row 0, 0 at row height).
int32_t DiagramY(double v, int32_t height);

// The moments lo, lo + step, ... while below hi, each made by adding step to the previous one.
// Stops early (after maxCount moments, or when adding step no longer advances) so that no
// centre, however odd, can keep it running.
std::vector<double> DiagramMoments(double lo, double hi, double step, std::size_t maxCount);

// Samples of both curves for the four days around centre.
std::vector<DiagramPoint> SampleMoonCurve(double centre, int32_t width, int32_t height);
std::vector<DiagramPoint> SampleSunCurve(double centre, int32_t southern, int32_t width, int32_t height);

// The moments of both curves and the two values at each, unrounded: the same samples as above,
// for drawing the curves as vectors at any size.
struct DiagramCurveValues {
    std::vector<double> moments;
    std::vector<double> moon;
    std::vector<double> sun;
};
DiagramCurveValues SampleDiagramValues(double centre, int32_t southern);

class DiagramSampleCache {
  public:
    const std::vector<DiagramPoint>& Moon(double centre, int32_t width, int32_t height);
    const std::vector<DiagramPoint>& Sun(double centre, int32_t southern, int32_t width, int32_t height);

    // How often each curve has been computed (not served from the cache).
    int MoonComputations() const { return m_moonComputations; }
    int SunComputations() const { return m_sunComputations; }

  private:
    struct Key {
        uint64_t centreBits = 0;
        int32_t southern = 0;
        int32_t width = 0;
        int32_t height = 0;
        bool operator==(const Key&) const = default;
    };
    static Key MakeKey(double centre, int32_t southern, int32_t width, int32_t height);

    bool m_moonValid = false;
    Key m_moonKey;
    std::vector<DiagramPoint> m_moon;
    int m_moonComputations = 0;

    bool m_sunValid = false;
    Key m_sunKey;
    std::vector<DiagramPoint> m_sun;
    int m_sunComputations = 0;
};
