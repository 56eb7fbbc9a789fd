// The diagram control drawn by the system's GDI shows, pixel for pixel, what the platform-free
// raster (and so the Qt control) shows.
#include "sheet/gdi_diagram_canvas.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "astro/birth.h"
#include "sheet/diagram_pixels.h"
#include "tests/sheet_gdi/dib_bitmap.h"

namespace {

using gdi_test::DibBitmap;

constexpr uint32_t kGrey = 0xff808080u;
constexpr uint32_t kBlack = 0xff000000u;
constexpr uint32_t kBlue = 0xff0000ffu;

// The pixels of the platform-free raster for the same calls.
struct RasterImage {
    RasterImage(int32_t width, int32_t height, uint32_t fill)
        : width(width), height(height), pixels(static_cast<size_t>(width) * height, fill) {}
    DiagramPixelBuffer Buffer() { return {pixels.data(), width, height, width}; }
    int32_t width;
    int32_t height;
    std::vector<uint32_t> pixels;
};

// Where two pictures of the same size differ: the count and the first few places, or "" when
// they are the same.
std::string Differences(const std::vector<uint32_t>& gdi, const std::vector<uint32_t>& raster,
                        int32_t width) {
    std::ostringstream out;
    int64_t count = 0;
    for (size_t i = 0; i < gdi.size(); ++i) {
        if (gdi[i] == raster[i]) {
            continue;
        }
        if (count < 8) {
            out << " (" << i % width << "," << i / width << ") gdi " << std::hex << gdi[i]
                << " raster " << raster[i] << std::dec;
        }
        ++count;
    }
    return count == 0 ? std::string() : std::to_string(count) + " pixels differ:" + out.str();
}

// Runs draw on both canvases over a grey ground and returns where they differ.
template <typename Draw>
std::string CompareDrawing(int32_t width, int32_t height, Draw draw,
                           uint32_t background = 0xffffffffu) {
    DibBitmap dib(width, height, kGrey);
    if (!dib.Valid()) {
        return "no bitmap";
    }
    {
        GdiDiagramCanvas gdi(dib.Dc(), background);
        draw(static_cast<DiagramCanvas&>(gdi));
    }
    RasterImage raster(width, height, kGrey);
    DiagramPixels pixels(raster.Buffer(), background);
    draw(static_cast<DiagramCanvas&>(pixels));
    return Differences(dib.Pixels(), raster.pixels, width);
}

struct Birth {
    int32_t day, month, year, hour, minute, timeZone, southern;
};

// Sixteen births over four centuries, both hemispheres, every Moon phase and season.
const Birth kBirths[] = {
    {1, 1, 1900, 0, 0, 0, 0},     {29, 2, 1904, 23, 59, -1, 0},   {14, 7, 1921, 6, 30, 5, 1},
    {21, 12, 1933, 12, 0, -9, 0}, {6, 6, 1944, 6, 30, -2, 0},     {3, 3, 1957, 18, 45, 3, 1},
    {20, 7, 1969, 20, 17, 4, 0},  {11, 11, 1975, 11, 11, -10, 1}, {26, 4, 1986, 1, 23, -4, 0},
    {9, 11, 1989, 19, 0, -1, 0},  {20, 3, 2000, 10, 0, -1, 0},    {11, 9, 2001, 8, 46, 4, 0},
    {26, 12, 2004, 7, 58, -7, 1}, {15, 8, 2023, 3, 33, -12, 1},   {1, 5, 2050, 16, 0, 12, 0},
    {31, 12, 2099, 23, 0, 0, 1},
};

struct Size {
    int32_t width, height;
};

// The form's size of the control, one of a large window and a small odd one.
const Size kSizes[] = {{261, 128}, {640, 317}, {97, 41}};

TEST(GdiDiagramCanvas, SixteenBirthsShowTheRastersPixels) {
    for (const Size size : kSizes) {
        for (const Birth& b : kBirths) {
            const double centre =
                BirthJulianDate(b.day, b.month, b.year, b.hour, b.minute, b.timeZone);
            const std::string differences =
                CompareDrawing(size.width, size.height, [&](DiagramCanvas& dc) {
                    DiagramSampleCache samples;
                    DrawDiagramControl(dc, centre, b.southern, size.width, size.height, samples);
                });
            EXPECT_EQ(differences, "") << b.day << "." << b.month << "." << b.year << " "
                                       << size.width << "x" << size.height;
        }
    }
}

// Lines of every octant and slope, the ties between two rows among them, from one centre.
TEST(GdiDiagramCanvas, SolidLinesOfEverySlopeLightTheRastersPixels) {
    for (int32_t dx = -9; dx <= 9; ++dx) {
        for (int32_t dy = -9; dy <= 9; ++dy) {
            const std::string differences = CompareDrawing(21, 21, [&](DiagramCanvas& dc) {
                dc.SelectPen({DiagramPen::Style::Solid, kBlue});
                dc.MoveTo(10, 10);
                dc.LineTo(10 + dx, 10 + dy);
            });
            EXPECT_EQ(differences, "") << dx << "," << dy;
        }
    }
}

// A curve of many short segments, partly outside the bitmap, as the control's curves are.
TEST(GdiDiagramCanvas, ConnectedSegmentsAndClippedOnesMatch) {
    const std::string differences = CompareDrawing(40, 30, [](DiagramCanvas& dc) {
        dc.SelectPen({DiagramPen::Style::Solid, kBlue});
        dc.MoveTo(-5, 35);
        const int32_t points[][2] = {{3, 20},  {4, 20},  {9, 2},   {10, -4}, {22, 15},
                                     {23, 15}, {39, 29}, {45, 31}, {20, 29}};
        for (const auto& p : points) {
            dc.LineTo(p[0], p[1]);
        }
    });
    EXPECT_EQ(differences, "");
}

TEST(GdiDiagramCanvas, RectangleOutlineAndFillMatch) {
    const std::string differences = CompareDrawing(30, 20, [](DiagramCanvas& dc) {
        dc.SelectPen({DiagramPen::Style::Solid, kBlack});
        dc.Rectangle(2, 3, 25, 17, 0xffffff00u);
        dc.SelectPen({DiagramPen::Style::Solid, kBlue});
        dc.Rectangle(-4, -4, 8, 9, 0xffffffffu); // partly outside
        dc.Rectangle(20, 10, 22, 12, kBlack);    // two by two: all outline
    });
    EXPECT_EQ(differences, "");
}

// The dotted pen: lines after a MoveTo in each direction, of odd and even lengths. (A dotted line
// going on from the end of another starts its dots anew under Wine's GDI; the control draws
// none.)
TEST(GdiDiagramCanvas, DottedLinesMatch) {
    struct Line {
        int32_t x0, y0, x1, y1;
        bool goOn; // continues from the previous end instead of moving
    };
    const Line lines[] = {
        {10, 0, 10, 30, false},
        {20, 30, 20, 5, false},
        {0, 12, 7, 12, false},
        {39, 25, 3, 25, false},
        {2, 2, 9, 6, false},
        // A half-way pixel in each octant.
        {20, 15, 28, 16, false},
        {20, 15, 21, 23, false},
        {20, 15, 19, 23, false},
        {20, 15, 12, 16, false},
        {20, 15, 12, 14, false},
        {20, 15, 19, 7, false},
        {20, 15, 21, 7, false},
        {20, 15, 28, 14, false},
    };
    for (const Line& l : lines) {
        const std::string differences = CompareDrawing(40, 31, [&](DiagramCanvas& dc) {
            dc.SelectPen({DiagramPen::Style::Dot, kBlack});
            if (l.goOn) {
                dc.MoveTo(2, 2);
                dc.LineTo(l.x0, l.y0);
            } else {
                dc.MoveTo(l.x0, l.y0);
            }
            dc.LineTo(l.x1, l.y1);
        });
        EXPECT_EQ(differences, "") << l.x0 << "," << l.y0 << " " << l.x1 << "," << l.y1;
    }
}

// The canvas gives the device context back as it found it.
TEST(GdiDiagramCanvas, DeviceContextGetsBackItsObjectsAndModes) {
    DibBitmap dib(8, 8, kGrey);
    ASSERT_TRUE(dib.Valid());
    const HGDIOBJ pen = GetCurrentObject(dib.Dc(), OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(dib.Dc(), OBJ_BRUSH);
    SetBkMode(dib.Dc(), TRANSPARENT);
    SetBkColor(dib.Dc(), RGB(1, 2, 3));
    {
        GdiDiagramCanvas canvas(dib.Dc());
        canvas.SelectPen({DiagramPen::Style::Dot, kBlue});
        canvas.Rectangle(0, 0, 4, 4, kBlack);
        EXPECT_NE(GetCurrentObject(dib.Dc(), OBJ_PEN), pen);
    }
    EXPECT_EQ(GetCurrentObject(dib.Dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dib.Dc(), OBJ_BRUSH), brush);
    EXPECT_EQ(GetBkMode(dib.Dc()), TRANSPARENT);
    EXPECT_EQ(GetBkColor(dib.Dc()), RGB(1, 2, 3));
}

TEST(GdiDiagramCanvas, SelectPenReturnsThePreviousPen) {
    DibBitmap dib(4, 4, kGrey);
    ASSERT_TRUE(dib.Valid());
    GdiDiagramCanvas canvas(dib.Dc());
    const DiagramPen dot{DiagramPen::Style::Dot, kBlue};
    const DiagramPen first = canvas.SelectPen(dot);
    EXPECT_EQ(first.style, DiagramPen::Style::Solid);
    EXPECT_EQ(first.colour, kBlack);
    const DiagramPen second = canvas.SelectPen({});
    EXPECT_EQ(second.style, DiagramPen::Style::Dot);
    EXPECT_EQ(second.colour, kBlue);
}

} // namespace
