// A sheet drawn with the GDI painter into a bitmap at a printer's resolution keeps every text and
// the diagram on the page, on A4 and Letter paper, upright and sideways.
#include "sheet/gdi_sheet_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "sheet/sheet_content.h"
#include "tests/sheet_gdi/dib_bitmap.h"

namespace {

using gdi_test::DibBitmap;

constexpr double kDpi = 150;
constexpr double kMarginInches = 15.0 / 25.4;
constexpr uint32_t kWhite = 0xffffffffu;

struct Paper {
    const char* name;
    double width, height; // inches
};

const Paper kPapers[] = {
    {"A4 portrait", 210 / 25.4, 297 / 25.4},
    {"A4 landscape", 297 / 25.4, 210 / 25.4},
    {"Letter portrait", 8.5, 11},
    {"Letter landscape", 11, 8.5},
};

SheetContent LongSheet() {
    BirthInput in;
    in.day = 20;
    in.month = 3;
    in.year = 2000;
    in.hour = 10;
    in.timeZone = -1;
    in.southern = true;
    return MakeSheetContent(
        {"Anna-Lena \u00D6sterreicher-Vonh\u00F6ffenstein von und zu Oberammergau", in,
         std::nullopt},
        "09.12.2026");
}

bool Inside(const PageRect& inner, const PageRect& outer) {
    return inner.left >= outer.left - 0.5 && inner.top >= outer.top - 0.5 &&
           inner.Right() <= outer.Right() + 0.5 && inner.Bottom() <= outer.Bottom() + 0.5;
}

// Whether any pixel within r (in whole pixels) is not white.
bool HasInk(const std::vector<uint32_t>& pixels, int32_t width, const PageRect& r) {
    const int64_t height = static_cast<int64_t>(pixels.size()) / width;
    for (int64_t y = std::max<int64_t>(0, std::lround(r.top));
         y < std::min<int64_t>(height, std::lround(r.Bottom())); ++y) {
        for (int64_t x = std::max<int64_t>(0, std::lround(r.left));
             x < std::min<int64_t>(width, std::lround(r.Right())); ++x) {
            if (pixels[static_cast<size_t>(y * width + x)] != kWhite) {
                return true;
            }
        }
    }
    return false;
}

TEST(GdiSheetPage, EveryTextAndTheDiagramStayOnThePage) {
    const SheetContent sheet = LongSheet();
    for (const Paper& paper : kPapers) {
        const auto width = static_cast<int32_t>(std::lround(paper.width * kDpi));
        const auto height = static_cast<int32_t>(std::lround(paper.height * kDpi));
        DibBitmap dib(width, height, kWhite);
        ASSERT_TRUE(dib.Valid()) << paper.name;
        const double margin = kMarginInches * kDpi;
        const PageRect page{margin, margin, width - 2 * margin, height - 2 * margin};
        GdiSheetPictures pictures;
        const SheetLayout layout = LayOutSheet(sheet, page, dib.Dc(), pictures, kDpi);
        PaintSheet(dib.Dc(), page, sheet, pictures, kDpi);
        const std::vector<uint32_t> pixels = dib.Pixels();

        EXPECT_TRUE(Inside(layout.diagram, page)) << paper.name;
        EXPECT_TRUE(HasInk(pixels, width, layout.diagram)) << paper.name;
        ASSERT_FALSE(layout.texts.empty());
        for (const SheetText& t : layout.texts) {
            EXPECT_TRUE(Inside(t.box, page)) << paper.name << ": " << t.text;
            EXPECT_TRUE(HasInk(pixels, width, t.box)) << paper.name << ": " << t.text;
        }
        // Nothing at all in the margins.
        const PageRect margins[] = {{0, 0, double(width), margin - 1},
                                    {0, page.Bottom() + 1, double(width), margin},
                                    {0, 0, margin - 1, double(height)},
                                    {page.Right() + 1, 0, margin, double(height)}};
        for (const PageRect& m : margins) {
            EXPECT_FALSE(HasInk(pixels, width, m)) << paper.name;
        }
    }
}

} // namespace
