// A sheet laid out and drawn without a platform: a recording canvas sees every line of every
// text inside the page, the turned and clipped parts closed again, and the diagram's lines
// within the plot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/sheet_canvas.h"
#include "tests/sheet/counting_measure.h"

namespace {

struct Recording : SheetCanvas {
    std::vector<std::string> texts;
    std::vector<PagePoint> textOrigins;
    std::vector<std::vector<PagePoint>> lines;
    std::vector<int32_t> pictures;
    int turned = 0;
    int clipped = 0;
    int deepest = 0;
    void FillRect(const PageRect&, uint32_t) override {}
    void Polyline(const std::vector<PagePoint>& points, const SheetPen&) override {
        lines.push_back(points);
    }
    void Text(std::string_view text, const SheetFont&, uint32_t, PagePoint origin) override {
        texts.emplace_back(text);
        textOrigins.push_back(origin);
    }
    void BeginTurned(PagePoint) override { deepest = std::max(deepest, ++turned); }
    void EndTurned() override { --turned; }
    void Picture(int32_t id, const PageRect&) override { pictures.push_back(id); }
    void BeginClip(const PageRect&) override { deepest = std::max(deepest, ++clipped); }
    void EndClip() override { --clipped; }
};

bool Inside(PagePoint p, const PageRect& r) {
    const double slack = 1e-9;
    return p.x >= r.left - slack && p.x <= r.Right() + slack && p.y >= r.top - slack &&
           p.y <= r.Bottom() + slack;
}

TEST(SheetCanvasDrawing, EveryTextLineOnceEveryLineInsideEveryPairClosed) {
    const BirthInput in{14, 3, 1985, 7, 30, 1, true, true};
    const SheetContent sheet =
        MakeSheetContent({"Anna-Lena \u00D6sterreicher-Vonh\u00F6ffenstein von und zu Oberammergau",
                          in, std::nullopt},
                         "08.12.2025");
    // Portrait and landscape pages of 72 units an inch, every character 0.6 units a point wide:
    // wider than the sheet's real font.
    for (const PageRect page : {PageRect{40, 40, 515, 762}, PageRect{40, 40, 762, 515}}) {
        SCOPED_TRACE(page.width);
        const CountingMeasure measure(0.6);
        const SheetLayout layout = LayOutSheet(sheet, page, 72, measure, {160, 32});
        Recording canvas;
        DrawSheet(canvas, layout, sheet);
        size_t expected = 0;
        for (const SheetText& t : layout.texts) {
            expected += t.lines.size();
            EXPECT_TRUE(Inside({t.box.left, t.box.top}, page) &&
                        Inside({t.box.Right(), t.box.Bottom()}, page))
                << t.text;
        }
        EXPECT_EQ(canvas.texts.size(), expected);
        EXPECT_EQ(canvas.turned, 0);
        EXPECT_EQ(canvas.clipped, 0);
        EXPECT_EQ(canvas.deepest, 1);
        EXPECT_EQ(canvas.pictures, std::vector<int32_t>{sheet.typeBitmap});
        // The rule and the two legend lines, then frame, grid and curves inside the plot.
        const PageRect plot = layout.diagram;
        size_t inPlot = 0;
        for (const auto& line : canvas.lines) {
            bool all = true;
            for (const PagePoint& p : line) {
                all = all && Inside(p, plot);
            }
            inPlot += all ? 1 : 0;
        }
        EXPECT_EQ(canvas.lines.size(), inPlot + 3);
        EXPECT_GE(inPlot, 4u);
    }
}

} // namespace
