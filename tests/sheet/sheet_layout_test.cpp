// Where a sheet's texts, picture and diagram go on pages of every size, orientation and margin:
// all inside the printable area, none over another, the footer under everything, long names
// whole.
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <gtest/gtest.h>

#include "sheet/qt_sheet_measure.h"

namespace {

constexpr const char* kLongName =
    "Anna-Lena \u00D6sterreicher-Vonh\u00F6ffenstein-Gro\u00DFkreutz von und zu Oberammergau";
constexpr int kResolution = 1200;

struct PageCase {
    QPageSize::PageSizeId size;
    QPageLayout::Orientation orientation;
    QMarginsF margins; // millimetres
};

std::string Describe(const PageCase& c) {
    return QPageSize::name(c.size).toStdString() +
           (c.orientation == QPageLayout::Landscape ? " landscape" : " portrait") + " margins " +
           std::to_string(c.margins.left()) + "/" + std::to_string(c.margins.top()) + "/" +
           std::to_string(c.margins.right()) + "/" + std::to_string(c.margins.bottom());
}

std::vector<PageCase> AllPages() {
    std::vector<PageCase> cases;
    for (const auto size : {QPageSize::A4, QPageSize::Letter, QPageSize::A5, QPageSize::A3}) {
        for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
            for (const QMarginsF& margins :
                 {QMarginsF(15, 15, 15, 15), QMarginsF(5, 5, 5, 5), QMarginsF(30, 10, 12, 35)}) {
                cases.push_back({size, orientation, margins});
            }
        }
    }
    return cases;
}

std::string Joined(const std::vector<SheetTextLine>& lines) {
    std::string text;
    for (const SheetTextLine& line : lines) {
        text += line.text;
    }
    return text;
}

std::string WithoutSpaces(std::string text) {
    std::erase(text, ' ');
    return text;
}

SheetContent Sheet(const std::string& name) {
    const BirthInput in{14, 3, 1985, 7, 30, 1, true, true};
    return MakeSheetContent({name, in, std::nullopt}, "08.12.2025");
}

// The boxes that must not overlap, each with what it is.
std::vector<std::pair<std::string, QRectF>> Boxes(const SheetLayout& layout) {
    std::vector<std::pair<std::string, QRectF>> boxes;
    for (const SheetText& t : layout.texts) {
        boxes.emplace_back(t.text, ToQt(t.box));
    }
    if (!layout.picture.Empty()) {
        boxes.emplace_back("picture", ToQt(layout.picture));
    }
    boxes.emplace_back("diagram", ToQt(layout.diagram));
    return boxes;
}

class SheetLayoutTest : public ::testing::Test {
  protected:
    // Lays sheet out on the printable area of the page as the PDF writer of the printed sheets
    // measures it.
    SheetLayout LayOut(const PageCase& c, const SheetContent& sheet) {
        buffer.setBuffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        writer = std::make_unique<QPdfWriter>(&buffer);
        writer->setResolution(kResolution);
        writer->setPageLayout(
            QPageLayout(QPageSize(c.size), c.orientation, c.margins, QPageLayout::Millimeter));
        area = writer->pageLayout().paintRectPixels(kResolution);
        return LayOutSheet(sheet, area, *writer);
    }

    QByteArray bytes;
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;
    QRectF area;
};

TEST_F(SheetLayoutTest, EveryBoxInsideThePageNoneOverAnotherFooterBelowAll) {
    // A hair of the device's units for rounding of the measured boxes.
    const double slack = 0.5;
    for (const PageCase& c : AllPages()) {
        SCOPED_TRACE(Describe(c));
        const SheetLayout layout = LayOut(c, Sheet(kLongName));
        const QRectF inside = area.adjusted(-slack, -slack, slack, slack);
        const auto boxes = Boxes(layout);
        for (const auto& [what, box] : boxes) {
            EXPECT_TRUE(inside.contains(box)) << what;
        }
        for (size_t i = 0; i < boxes.size(); ++i) {
            for (size_t j = i + 1; j < boxes.size(); ++j) {
                const QRectF common = boxes[i].second.intersected(boxes[j].second);
                EXPECT_FALSE(common.width() > slack && common.height() > slack)
                    << boxes[i].first << " over " << boxes[j].first;
            }
        }
        const auto footer =
            std::find_if(layout.texts.begin(), layout.texts.end(),
                         [](const SheetText& t) { return t.role == SheetText::Role::Footer; });
        ASSERT_NE(footer, layout.texts.end());
        const QRectF footerBox = ToQt(footer->box);
        EXPECT_NEAR(footerBox.bottom(), area.bottom(), area.height() * 0.01);
        for (const auto& [what, box] : boxes) {
            if (box != footerBox) {
                EXPECT_LE(box.bottom(), footerBox.top() + slack) << what;
            }
        }
        // The diagram keeps a readable share of the page, and the texts a readable size.
        EXPECT_GE(layout.diagram.height, 0.2 * area.height());
        EXPECT_GE(layout.diagram.width, 0.4 * area.width());
        EXPECT_GE(layout.scale, 0.55);
        // Axis numbers, both axis titles and the legend are all there.
        for (const SheetText::Role role : {SheetText::Role::AxisNumber, SheetText::Role::AxisTitle,
                                           SheetText::Role::Legend, SheetText::Role::Moment}) {
            EXPECT_TRUE(std::any_of(layout.texts.begin(), layout.texts.end(),
                                    [role](const SheetText& t) { return t.role == role; }))
                << static_cast<int>(role);
        }
    }
}

TEST_F(SheetLayoutTest, ALongNameIsOneTextWrappedWithinThePage) {
    for (const PageCase& c : AllPages()) {
        SCOPED_TRACE(Describe(c));
        const SheetLayout layout = LayOut(c, Sheet(kLongName));
        std::vector<const SheetText*> names;
        for (const SheetText& t : layout.texts) {
            if (t.role == SheetText::Role::Name) {
                names.push_back(&t);
            }
        }
        ASSERT_EQ(names.size(), 1u);
        EXPECT_EQ(names[0]->text, kLongName);
        // Its lines hold the whole name: nothing but the spaces where it breaks is left out.
        EXPECT_EQ(WithoutSpaces(Joined(names[0]->lines)), WithoutSpaces(kLongName));
        EXPECT_LE(names[0]->box.width, area.width() + 0.5);
    }
}

TEST_F(SheetLayoutTest, NamesTooLongForTwoLinesShrinkAndUnbreakableOnesBreakAnywhere) {
    const PageCase a5{QPageSize::A5, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15)};
    const std::string longer = std::string(kLongName) + " " + kLongName + " " + kLongName;
    const std::string unbroken(90, 'W');
    for (const std::string& name : {longer, unbroken}) {
        SCOPED_TRACE(name);
        const SheetLayout layout = LayOut(a5, Sheet(name));
        const auto it =
            std::find_if(layout.texts.begin(), layout.texts.end(),
                         [](const SheetText& t) { return t.role == SheetText::Role::Name; });
        ASSERT_NE(it, layout.texts.end());
        EXPECT_EQ(it->text, name);
        EXPECT_EQ(WithoutSpaces(Joined(it->lines)), WithoutSpaces(name));
        // Smaller than the name's full size at this sheet's scale, and within the page.
        EXPECT_LT(it->font.points, 14 * layout.scale - 0.1);
        EXPECT_LE(it->box.width, area.width() + 0.5);
        EXPECT_TRUE(area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(ToQt(it->box)));
    }
}

TEST_F(SheetLayoutTest, AnA4PortraitSheetKeepsItsFullSize) {
    const SheetLayout layout =
        LayOut({QPageSize::A4, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15)}, Sheet("Eva"));
    EXPECT_EQ(layout.scale, 1.0);
    // The diagram across nearly the whole width.
    EXPECT_GT(layout.diagram.width, 0.85 * area.width());
}

TEST_F(SheetLayoutTest, LandscapePutsTheDiagramBesideTheTexts) {
    const SheetLayout layout = LayOut(
        {QPageSize::Letter, QPageLayout::Landscape, QMarginsF(15, 15, 15, 15)}, Sheet("Eva"));
    for (const SheetText& t : layout.texts) {
        if (t.role == SheetText::Role::Value || t.role == SheetText::Role::Label) {
            EXPECT_LT(t.box.Right(), layout.diagram.left) << t.text;
        }
    }
    EXPECT_GT(layout.diagram.height, 0.3 * area.height());
}

} // namespace
