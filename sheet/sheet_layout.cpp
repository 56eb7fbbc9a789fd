#include "sheet/sheet_layout.h"

#include <algorithm>
#include <utility>

#include "app/text_catalogue.h"
#include "sheet/diagram_geometry.h"

namespace {

using Role = SheetText::Role;

// The smallest scale the texts and gaps shrink to; below it a sheet is printed as it comes.
constexpr double kSmallestScale = 0.4;
constexpr double kScaleStep = 0.95;
// A name wraps onto at most this many lines before its font shrinks, down to this share.
constexpr int kNameLines = 2;
constexpr double kSmallestName = 0.6;
// A page this much wider than high takes the texts on the left, the diagram on the right.
constexpr double kSideBySide = 1.15;

enum class Across { Left, Centre, Right };
enum class Down { Top, Centre };

std::string Text(TextId id) {
    return UserText(id);
}

// Lays the sheet out at one scale; fits tells whether everything found room.
class Composer {
  public:
    Composer(const SheetContent& s, const PageRect& page, double dpi, const SheetMeasure& measure,
             PageSize picture, double scale)
        : m_s(s), m_measure(measure), m_picture(picture), m_k(scale), m_mm(dpi / 25.4 * scale) {
        m_out.page = page;
        m_out.scale = scale;
    }

    SheetLayout Compose(bool& fits);

  private:
    double Points(double pt) const { return pt * m_k; }
    double Advance(const std::string& text, const SheetFont& font) const {
        return m_measure.Advance(text, font);
    }

    // Where a line of text begins across area (a line may be wider than the area).
    static double LineLeft(const PageRect& area, double advance, Across across);
    // A text on one line in area; returns its box.
    PageRect Add(Role role, const std::string& text, const SheetFont& font, const PageRect& area,
                 Across across, Down down, uint32_t colour = 0xff000000u);
    // A text wrapped into width from (x, y); returns its box.
    PageRect AddWrapped(Role role, const std::string& text, const SheetFont& font, double x,
                        double y, double width, Across across = Across::Left);
    // The name: wrapped onto kNameLines lines at most, shrinking its font for more.
    double AddName(double y);
    // "label : text" rows from y across width, the texts after labelWidth; returns the bottom.
    double AddRows(const std::vector<SheetLine>& rows, double x, double y, double width,
                   double labelWidth);
    // The picture and its type name from (x, y) across width; returns the bottom.
    double AddPicture(double x, double y, double width);
    // The diagram with numbers, axis titles, moment and legend in area; false when the plot
    // gets too little room.
    bool AddDiagram(const PageRect& area);

    const SheetContent& m_s;
    const SheetMeasure& m_measure;
    PageSize m_picture;
    double m_k;
    double m_mm;
    SheetLayout m_out;
};

double Composer::LineLeft(const PageRect& area, double advance, Across across) {
    switch (across) {
    case Across::Left:
        break;
    case Across::Centre:
        return area.left + (area.width - advance) / 2;
    case Across::Right:
        return area.Right() - advance;
    }
    return area.left;
}

PageRect Composer::Add(Role role, const std::string& text, const SheetFont& font,
                       const PageRect& area, Across across, Down down, uint32_t colour) {
    const SheetFontMetrics fm = m_measure.Metrics(font);
    const double advance = Advance(text, font);
    const double top = down == Down::Top ? area.top : area.top + (area.height - fm.Height()) / 2;
    const double left = LineLeft(area, advance, across);
    const PageRect box{left, top, advance, fm.Height()};
    m_out.texts.push_back(
        {role, text, font, {{text, {left, top + fm.ascent}}}, box, false, colour});
    return box;
}

PageRect Composer::AddWrapped(Role role, const std::string& text, const SheetFont& font, double x,
                              double y, double width, Across across) {
    const SheetFontMetrics fm = m_measure.Metrics(font);
    SheetText t{role, text, font, {}, {x, y, 0, 0}, false, 0xff000000u};
    const PageRect area{x, y, width, 0};
    double left = x + width;
    double right = x;
    double top = y;
    for (std::string& line : WrapText(text, width, font, m_measure)) {
        const double advance = Advance(line, font);
        const double lineLeft = LineLeft(area, advance, across);
        left = std::min(left, lineLeft);
        right = std::max(right, lineLeft + advance);
        t.lines.push_back({std::move(line), {lineLeft, top + fm.ascent}});
        top += fm.lineSpacing;
    }
    if (!t.lines.empty()) {
        t.box = {left, y, right - left, (top - fm.lineSpacing) + fm.Height() - y};
    }
    m_out.texts.push_back(std::move(t));
    return m_out.texts.back().box;
}

double Composer::AddName(double y) {
    const PageRect page = m_out.page;
    const double full = Points(14);
    double points = full;
    for (;;) {
        const SheetFont font{points, true};
        bool brokeWord = false;
        const size_t lines = WrapText(m_s.name, page.width, font, m_measure, &brokeWord).size();
        const bool fits = !brokeWord && lines <= kNameLines;
        if (fits || points * kScaleStep < full * kSmallestName) {
            return AddWrapped(Role::Name, m_s.name, font, page.left, y, page.width).Bottom();
        }
        points *= kScaleStep;
    }
}

double Composer::AddRows(const std::vector<SheetLine>& rows, double x, double y, double width,
                         double labelWidth) {
    const SheetFont font{Points(10.5)};
    const SheetFontMetrics fm = m_measure.Metrics(font);
    const double line = fm.Height() * 1.35;
    const double inset = (line - fm.Height()) / 2;
    for (const SheetLine& row : rows) {
        Add(Role::Label, row.label, font, {x, y, labelWidth, line}, Across::Left, Down::Centre);
        const PageRect value = AddWrapped(Role::Value, row.text, font, x + labelWidth, y + inset,
                                          std::max(width - labelWidth, fm.Height()));
        y = std::max(y + line, value.Bottom() + inset);
    }
    return y;
}

double Composer::AddPicture(double x, double y, double width) {
    if (!m_picture.Empty()) {
        m_out.picture = {x, y, width, width * m_picture.height / m_picture.width};
        y = m_out.picture.Bottom();
    }
    y += 1.5 * m_mm;
    return AddWrapped(Role::TypeName, m_s.typeName, SheetFont{Points(12), true}, x, y, width,
                      Across::Centre)
        .Bottom();
}

bool Composer::AddDiagram(const PageRect& area) {
    const SheetFont font{Points(8)};
    const SheetFont bold{Points(8), true};
    const SheetFontMetrics fm = m_measure.Metrics(font);
    const double text = fm.Height();
    const std::string axisPhase = Text(TextId::SheetAxisPhase);
    const std::string axisDays = Text(TextId::SheetAxisDays);
    const std::string& moment = m_s.birth.text;
    const std::string legend[] = {Text(TextId::SheetLegendSun), Text(TextId::SheetLegendMoon)};
    const uint32_t legendColour[] = {DiagramStrokeColour(DiagramStroke::Kind::Sun),
                                     DiagramStrokeColour(DiagramStroke::Kind::Moon)};
    const char* const days[] = {"-2", "-1", "0", "+1", "+2"};

    const double gap = 0.8 * m_mm;
    const double numbers = Advance("100", font) + 1.5 * m_mm;
    const double left = area.left + text * 1.4 + numbers;
    // "+2" is centred under the right edge: half of it lies beyond.
    const double right = area.Right() - Advance("+2", font) / 2 - gap;
    const double legendWidth =
        std::max(Advance(legend[0], font), Advance(legend[1], font)) + 7.5 * m_mm;
    const double titleWidth = std::max(Advance(axisDays, bold), Advance(moment, font));

    // The plot as wide as the area allows and as high as what is left under it; the legend
    // beside the centred titles when there is room, else under them.
    double width = right - left;
    bool legendBeside = true;
    double height = 0;
    for (int pass = 0; pass < 3; ++pass) {
        legendBeside = (width - titleWidth) / 2 >= legendWidth + 2 * m_mm;
        const double below = gap + text * (legendBeside ? 3 : 5);
        height =
            std::min(width * kDiagramControlHeight / kDiagramControlWidth, area.height - below);
        width = std::min(width, height * kDiagramControlWidth / kDiagramControlHeight);
    }
    if (height <= 0 || width <= 0) {
        return false;
    }
    // Centred in what the numbers leave.
    const double x = left + (right - left - width) / 2;
    const PageRect plot{x, area.top, width, height};
    m_out.diagram = plot;

    // Values along the left edge: 100 at the top, 50 in the middle, 0 at the bottom, each
    // within the plot's height so that the days under it keep their room.
    const double numberRight = plot.left - 1.0 * m_mm;
    const std::pair<double, const char*> values[] = {
        {plot.top, "100"}, {plot.Centre().y - text / 2, "50"}, {plot.Bottom() - text, "0"}};
    for (const auto& [y, label] : values) {
        Add(Role::AxisNumber, label, font, {area.left, y, numberRight - area.left, text},
            Across::Right, Down::Centre);
    }
    // "Phase [%]", turned, left of the numbers: laid out across, then turned about the centre
    // of the box it covers.
    {
        const double titleLength = Advance(axisPhase, font);
        const PagePoint centre{area.left + text * 0.7, plot.Centre().y};
        const PageRect box{centre.x - text / 2, centre.y - titleLength / 2, text, titleLength};
        const PagePoint origin{centre.x - titleLength / 2, centre.y - text / 2 + fm.ascent};
        m_out.texts.push_back(
            {Role::AxisTitle, axisPhase, font, {{axisPhase, origin}}, box, true, 0xff000000u});
    }
    // Days along the lower edge, -2 at the left edge to +2 at the right one.
    double y = plot.Bottom() + gap;
    for (int k = 0; k < 5; ++k) {
        const double at = plot.left + k * width / 4;
        Add(Role::AxisNumber, days[k], font, {at - 10 * m_mm, y, 20 * m_mm, text}, Across::Centre,
            Down::Centre);
    }
    y += text;
    Add(Role::AxisTitle, axisDays, bold, {plot.left, y, width, text}, Across::Centre, Down::Centre);
    Add(Role::Moment, moment, font, {plot.left, y + text, width, text}, Across::Centre,
        Down::Centre);
    // The legend at the right.
    const double legendTop = legendBeside ? y : y + 2 * text;
    const double lx = plot.Right() - legendWidth;
    for (int k = 0; k < 2; ++k) {
        const double ly = legendTop + k * text + text / 2;
        m_out.legend.push_back({{{lx, ly}, {lx + 6 * m_mm, ly}}, legendColour[k]});
        Add(Role::Legend, legend[k], font,
            {lx + 7.5 * m_mm, ly - text / 2, legendWidth - 7.5 * m_mm, text}, Across::Left,
            Down::Centre, legendColour[k]);
    }
    m_out.legendPen = 0.35 * m_mm;
    // Too small a plot, or one shorter than its axis title, is worth shrinking the texts for.
    const double widest = (right - left) * kDiagramControlHeight / kDiagramControlWidth;
    return height >= std::min(0.22 * m_out.page.height, 0.9 * widest) &&
           Advance(axisPhase, font) <= height;
}

SheetLayout Composer::Compose(bool& fits) {
    const PageRect page = m_out.page;
    double y = page.top;
    y = AddWrapped(Role::Title, m_s.title, SheetFont{Points(20), true}, page.left, y, page.width)
            .Bottom();
    if (!m_s.name.empty()) {
        y = AddName(y);
    }
    y += 2 * m_mm;
    m_out.rule = {{page.left, y}, {page.Right(), y}};
    m_out.ruleWidth = 0.3 * m_mm;
    y += 4 * m_mm;

    // The footer at the bottom; everything else above it.
    const SheetFont footerFont{Points(8)};
    const SheetFontMetrics footerMetrics = m_measure.Metrics(footerFont);
    const size_t footerLines =
        std::max<size_t>(1, WrapText(m_s.footer, page.width, footerFont, m_measure).size());
    const double footerHeight =
        static_cast<double>(footerLines - 1) * footerMetrics.lineSpacing + footerMetrics.Height();
    const double footerTop = page.Bottom() - footerHeight;
    AddWrapped(Role::Footer, m_s.footer, footerFont, page.left, footerTop, page.width);
    const double floor = footerTop - 3 * m_mm;

    const SheetFont body{Points(10.5)};
    std::vector<SheetLine> birth{m_s.birth};
    birth.insert(birth.end(), m_s.timeZone.begin(), m_s.timeZone.end());
    birth.push_back(m_s.options);
    double labelWidth = 0;
    for (const std::vector<SheetLine>* rows : {&std::as_const(birth), &m_s.results, &m_s.phases}) {
        for (const SheetLine& row : *rows) {
            labelWidth = std::max(labelWidth, Advance(row.label, body));
        }
    }
    labelWidth += Advance(" ", body) * 2;

    const bool sideBySide = page.width > kSideBySide * page.height;
    const double columnGap = 6 * m_mm;
    // Portrait: everything in one column, the picture beside the birth. Side by side: the texts
    // on the left; the picture and the diagram on the right.
    const double textWidth = sideBySide ? (page.width - columnGap) * 0.38 : page.width;
    const double pictureWidth =
        sideBySide ? std::min(60 * m_mm, (page.width - textWidth - columnGap) * 0.5)
                   : std::min(60 * m_mm, page.width * 0.35);
    const double birthWidth = sideBySide ? textWidth : textWidth - pictureWidth - columnGap;
    const double top = y;
    double textBottom = AddRows(birth, page.left, y, birthWidth, labelWidth);
    double diagramTop = 0;
    if (sideBySide) {
        const double x = page.left + textWidth + columnGap;
        diagramTop = AddPicture(x, top, pictureWidth) + 6 * m_mm;
        y = textBottom + 4 * m_mm;
    } else {
        const double pictureBottom = AddPicture(page.Right() - pictureWidth, top, pictureWidth);
        y = std::max(textBottom, pictureBottom) + 4 * m_mm;
    }
    y = AddRows(m_s.results, page.left, y, textWidth, labelWidth) + 3 * m_mm;
    y = AddRows(m_s.phases, page.left, y, textWidth, labelWidth);
    textBottom = AddWrapped(Role::PhaseNote, m_s.phaseNote, SheetFont{Points(9), false, true},
                            page.left, y, textWidth)
                     .Bottom();
    PageRect diagramArea;
    if (sideBySide) {
        const double x = page.left + textWidth + columnGap;
        diagramArea = {x, diagramTop, page.Right() - x, floor - diagramTop};
    } else {
        diagramTop = textBottom + 8 * m_mm;
        diagramArea = {page.left, diagramTop, page.width, floor - diagramTop};
    }
    const bool diagramFits = AddDiagram(diagramArea);
    double bottom = textBottom;
    for (const SheetText& t : m_out.texts) {
        if (t.role != Role::Footer) {
            bottom = std::max(bottom, t.box.Bottom());
        }
    }
    fits = diagramFits && bottom <= floor;
    return std::move(m_out);
}

} // namespace

SheetLayout LayOutSheet(const SheetContent& sheet, const PageRect& page, double dpi,
                        const SheetMeasure& measure, PageSize picture) {
    // Full size when it fits; otherwise texts, gaps and diagram shrink together.
    for (double scale = 1.0;; scale *= kScaleStep) {
        bool fits = false;
        SheetLayout layout = Composer(sheet, page, dpi, measure, picture, scale).Compose(fits);
        if (fits || scale * kScaleStep < kSmallestScale) {
            return layout;
        }
    }
}
