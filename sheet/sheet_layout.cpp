#include "sheet/sheet_layout.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
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

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

QString Text(TextId id) {
    return QString::fromUtf8(UserText(id));
}

QFont SheetFont(double points, bool bold = false, bool italic = false) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    // No ligatures: the text of the PDF is searched and copied letter by letter.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// Lays the sheet out at one scale; fits tells whether everything found room.
class Composer {
  public:
    Composer(const SheetContent& s, const QRectF& page, const QPaintDevice& device, double scale)
        : m_s(s), m_device(device), m_k(scale), m_mm(device.logicalDpiX() / 25.4 * scale) {
        m_out.page = page;
        m_out.scale = scale;
    }

    SheetLayout Compose(bool& fits);

  private:
    QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, &m_device); }
    double Points(double pt) const { return pt * m_k; }

    // A text in area (flags as for drawText, wrapping included); returns its box.
    QRectF Add(Role role, const QString& text, const QFont& font, const QRectF& area, int flags,
               QRgb colour = 0xff000000u);
    // A text wrapped into width from (x, y), word by word, letter by letter for a word wider
    // than the width; returns its box.
    QRectF AddWrapped(Role role, const QString& text, const QFont& font, double x, double y,
                      double width, int align = Qt::AlignLeft);
    // The name: wrapped onto kNameLines lines at most, shrinking its font for more.
    double AddName(double y);
    // "label : text" rows from y across width, the texts after labelWidth; returns the bottom.
    double AddRows(const std::vector<SheetLine>& rows, double x, double y, double width,
                   double labelWidth);
    // The picture and its type name from (x, y) across width; returns the bottom.
    double AddPicture(double x, double y, double width);
    // The diagram with numbers, axis titles, moment and legend in area; false when the plot
    // gets too little room.
    bool AddDiagram(const QRectF& area);

    const SheetContent& m_s;
    const QPaintDevice& m_device;
    double m_k;
    double m_mm;
    SheetLayout m_out;
};

QRectF Composer::Add(Role role, const QString& text, const QFont& font, const QRectF& area,
                     int flags, QRgb colour) {
    const QRectF box = Metrics(font).boundingRect(area, flags, text);
    m_out.texts.push_back({role, text, font, flags, area, box, false, colour});
    return box;
}

QRectF Composer::AddWrapped(Role role, const QString& text, const QFont& font, double x, double y,
                            double width, int align) {
    const QFontMetricsF fm = Metrics(font);
    const QRectF room(x, y, width, 1e9);
    int flags = align | Qt::AlignTop | Qt::TextWordWrap;
    if (fm.boundingRect(room, flags, text).width() > width) {
        flags = align | Qt::AlignTop | Qt::TextWrapAnywhere;
    }
    const QRectF box = fm.boundingRect(room, flags, text);
    return Add(role, text, font, QRectF(x, y, width, box.height()), flags);
}

double Composer::AddName(double y) {
    const QRectF page = m_out.page;
    const QString name = Text(m_s.name);
    const double full = Points(14);
    double points = full;
    for (;;) {
        const QFont font = SheetFont(points, true);
        const QFontMetricsF fm = Metrics(font);
        const QRectF wrapped = fm.boundingRect(QRectF(page.left(), y, page.width(), 1e9),
                                               Qt::AlignLeft | Qt::TextWordWrap, name);
        const bool fits = wrapped.width() <= page.width() &&
                          wrapped.height() <= kNameLines * fm.lineSpacing() + fm.height() / 2;
        if (fits || points * kScaleStep < full * kSmallestName) {
            return AddWrapped(Role::Name, name, font, page.left(), y, page.width()).bottom();
        }
        points *= kScaleStep;
    }
}

double Composer::AddRows(const std::vector<SheetLine>& rows, double x, double y, double width,
                         double labelWidth) {
    const QFont font = SheetFont(Points(10.5));
    const QFontMetricsF fm = Metrics(font);
    const double line = fm.height() * 1.35;
    const double inset = (line - fm.height()) / 2;
    for (const SheetLine& row : rows) {
        Add(Role::Label, Text(row.label), font, QRectF(x, y, labelWidth, line),
            Qt::AlignLeft | Qt::AlignVCenter);
        const QRectF value = AddWrapped(Role::Value, Text(row.text), font, x + labelWidth,
                                        y + inset, std::max(width - labelWidth, fm.height()));
        y = std::max(y + line, value.bottom() + inset);
    }
    return y;
}

double Composer::AddPicture(double x, double y, double width) {
    const QImage& picture = SheetTypePicture(m_s.typeBitmap);
    if (!picture.isNull()) {
        m_out.picture = QRectF(x, y, width, width * picture.height() / picture.width());
        y = m_out.picture.bottom();
    }
    y += 1.5 * m_mm;
    return AddWrapped(Role::TypeName, Text(m_s.typeName), SheetFont(Points(12), true), x, y, width,
                      Qt::AlignHCenter)
        .bottom();
}

bool Composer::AddDiagram(const QRectF& area) {
    const QFont font = SheetFont(Points(8));
    const QFont bold = SheetFont(Points(8), true);
    const QFontMetricsF fm = Metrics(font);
    const double text = fm.height();
    const QString axisPhase = Text(TextId::SheetAxisPhase);
    const QString axisDays = Text(TextId::SheetAxisDays);
    const QString moment = Text(m_s.birth.text);
    const QString legend[] = {Text(TextId::SheetLegendSun), Text(TextId::SheetLegendMoon)};
    const QRgb legendColour[] = {DiagramStrokeColour(DiagramStroke::Kind::Sun),
                                 DiagramStrokeColour(DiagramStroke::Kind::Moon)};
    const char* const days[] = {"-2", "-1", "0", "+1", "+2"};

    const double gap = 0.8 * m_mm;
    const double numbers = fm.horizontalAdvance(QStringLiteral("100")) + 1.5 * m_mm;
    const double left = area.left() + text * 1.4 + numbers;
    // "+2" is centred under the right edge: half of it lies beyond.
    const double right = area.right() - fm.horizontalAdvance(QStringLiteral("+2")) / 2 - gap;
    const double legendWidth =
        std::max(fm.horizontalAdvance(legend[0]), fm.horizontalAdvance(legend[1])) + 7.5 * m_mm;
    const double titleWidth =
        std::max(Metrics(bold).horizontalAdvance(axisDays), fm.horizontalAdvance(moment));

    // The plot as wide as the area allows and as high as what is left under it; the legend
    // beside the centred titles when there is room, else under them.
    double width = right - left;
    bool legendBeside = true;
    double height = 0;
    for (int pass = 0; pass < 3; ++pass) {
        legendBeside = (width - titleWidth) / 2 >= legendWidth + 2 * m_mm;
        const double below = gap + text * (legendBeside ? 3 : 5);
        height =
            std::min(width * kDiagramControlHeight / kDiagramControlWidth, area.height() - below);
        width = std::min(width, height * kDiagramControlWidth / kDiagramControlHeight);
    }
    if (height <= 0 || width <= 0) {
        return false;
    }
    // Centred in what the numbers leave.
    const double x = left + (right - left - width) / 2;
    const QRectF plot(x, area.top(), width, height);
    m_out.diagram = plot;

    // Values along the left edge: 100 at the top, 50 in the middle, 0 at the bottom, each
    // within the plot's height so that the days under it keep their room.
    const double numberRight = plot.left() - 1.0 * m_mm;
    const std::pair<double, const char*> values[] = {
        {plot.top(), "100"}, {plot.center().y() - text / 2, "50"}, {plot.bottom() - text, "0"}};
    for (const auto& [y, label] : values) {
        Add(Role::AxisNumber, QString::fromLatin1(label), font,
            QRectF(area.left(), y, numberRight - area.left(), text),
            Qt::AlignRight | Qt::AlignVCenter);
    }
    // "Phase [%]", turned, left of the numbers.
    {
        const double titleLength = fm.horizontalAdvance(axisPhase);
        const QPointF centre(area.left() + text * 0.7, plot.center().y());
        const QRectF turnedArea(centre.x() - plot.height() / 2, centre.y() - text / 2,
                                plot.height(), text);
        const QRectF box(centre.x() - text / 2, centre.y() - titleLength / 2, text, titleLength);
        m_out.texts.push_back({Role::AxisTitle, axisPhase, font, Qt::AlignCenter, turnedArea, box,
                               true, 0xff000000u});
    }
    // Days along the lower edge, -2 at the left edge to +2 at the right one.
    double y = plot.bottom() + gap;
    for (int k = 0; k < 5; ++k) {
        const double at = plot.left() + k * width / 4;
        Add(Role::AxisNumber, QString::fromLatin1(days[k]), font,
            QRectF(at - 10 * m_mm, y, 20 * m_mm, text), Qt::AlignCenter);
    }
    y += text;
    Add(Role::AxisTitle, axisDays, bold, QRectF(plot.left(), y, width, text), Qt::AlignCenter);
    Add(Role::Moment, moment, font, QRectF(plot.left(), y + text, width, text), Qt::AlignCenter);
    // The legend at the right.
    const double legendTop = legendBeside ? y : y + 2 * text;
    const double lx = plot.right() - legendWidth;
    for (int k = 0; k < 2; ++k) {
        const double ly = legendTop + k * text + text / 2;
        m_out.legend.push_back({QLineF(lx, ly, lx + 6 * m_mm, ly), legendColour[k]});
        Add(Role::Legend, legend[k], font,
            QRectF(lx + 7.5 * m_mm, ly - text / 2, legendWidth - 7.5 * m_mm, text),
            Qt::AlignLeft | Qt::AlignVCenter, legendColour[k]);
    }
    m_out.legendPen = 0.35 * m_mm;
    // Too small a plot, or one shorter than its axis title, is worth shrinking the texts for.
    const double widest = (right - left) * kDiagramControlHeight / kDiagramControlWidth;
    return height >= std::min(0.22 * m_out.page.height(), 0.9 * widest) &&
           fm.horizontalAdvance(axisPhase) <= height;
}

SheetLayout Composer::Compose(bool& fits) {
    const QRectF page = m_out.page;
    double y = page.top();
    y = AddWrapped(Role::Title, Text(m_s.title), SheetFont(Points(20), true), page.left(), y,
                   page.width())
            .bottom();
    if (!m_s.name.empty()) {
        y = AddName(y);
    }
    y += 2 * m_mm;
    m_out.rule = QLineF(page.left(), y, page.right(), y);
    m_out.ruleWidth = 0.3 * m_mm;
    y += 4 * m_mm;

    // The footer at the bottom; everything else above it.
    const QFont footerFont = SheetFont(Points(8));
    const double footerHeight =
        Metrics(footerFont)
            .boundingRect(QRectF(0, 0, page.width(), 1e9), Qt::TextWordWrap, Text(m_s.footer))
            .height();
    const double footerTop = page.bottom() - footerHeight;
    AddWrapped(Role::Footer, Text(m_s.footer), footerFont, page.left(), footerTop, page.width());
    const double floor = footerTop - 3 * m_mm;

    const QFont body = SheetFont(Points(10.5));
    const QFontMetricsF fm = Metrics(body);
    std::vector<SheetLine> birth{m_s.birth};
    birth.insert(birth.end(), m_s.timeZone.begin(), m_s.timeZone.end());
    birth.push_back(m_s.options);
    double labelWidth = 0;
    for (const std::vector<SheetLine>* rows : {&std::as_const(birth), &m_s.results, &m_s.phases}) {
        for (const SheetLine& row : *rows) {
            labelWidth = std::max(labelWidth, fm.horizontalAdvance(Text(row.label)));
        }
    }
    labelWidth += fm.horizontalAdvance(QChar(' ')) * 2;

    const bool sideBySide = page.width() > kSideBySide * page.height();
    const double columnGap = 6 * m_mm;
    // Portrait: everything in one column, the picture beside the birth. Side by side: the texts
    // on the left; the picture and the diagram on the right.
    const double textWidth = sideBySide ? (page.width() - columnGap) * 0.38 : page.width();
    const double pictureWidth =
        sideBySide ? std::min(60 * m_mm, (page.width() - textWidth - columnGap) * 0.5)
                   : std::min(60 * m_mm, page.width() * 0.35);
    const double birthWidth = sideBySide ? textWidth : textWidth - pictureWidth - columnGap;
    const double top = y;
    double textBottom = AddRows(birth, page.left(), y, birthWidth, labelWidth);
    double diagramTop = 0;
    if (sideBySide) {
        const double x = page.left() + textWidth + columnGap;
        diagramTop = AddPicture(x, top, pictureWidth) + 6 * m_mm;
        y = textBottom + 4 * m_mm;
    } else {
        const double pictureBottom = AddPicture(page.right() - pictureWidth, top, pictureWidth);
        y = std::max(textBottom, pictureBottom) + 4 * m_mm;
    }
    y = AddRows(m_s.results, page.left(), y, textWidth, labelWidth) + 3 * m_mm;
    y = AddRows(m_s.phases, page.left(), y, textWidth, labelWidth);
    textBottom = AddWrapped(Role::PhaseNote, Text(m_s.phaseNote), SheetFont(Points(9), false, true),
                            page.left(), y, textWidth)
                     .bottom();
    QRectF diagramArea;
    if (sideBySide) {
        const double x = page.left() + textWidth + columnGap;
        diagramArea = QRectF(x, diagramTop, page.right() - x, floor - diagramTop);
    } else {
        diagramTop = textBottom + 8 * m_mm;
        diagramArea = QRectF(page.left(), diagramTop, page.width(), floor - diagramTop);
    }
    const bool diagramFits = AddDiagram(diagramArea);
    double bottom = textBottom;
    for (const SheetText& t : m_out.texts) {
        if (t.role != Role::Footer) {
            bottom = std::max(bottom, t.box.bottom());
        }
    }
    fits = diagramFits && bottom <= floor;
    return std::move(m_out);
}

} // namespace

const QImage& SheetTypePicture(int32_t id) {
    static QHash<int32_t, QImage> pictures;
    auto it = pictures.find(id);
    if (it == pictures.end()) {
        it = pictures.insert(id, QImage(QStringLiteral(":/images/%1.png").arg(id)));
    }
    return *it;
}

SheetLayout LayOutSheet(const SheetContent& sheet, const QRectF& page, const QPaintDevice& device) {
    // Full size when it fits; otherwise texts, gaps and diagram shrink together.
    for (double scale = 1.0;; scale *= kScaleStep) {
        bool fits = false;
        SheetLayout layout = Composer(sheet, page, device, scale).Compose(fits);
        if (fits || scale * kScaleStep < kSmallestScale) {
            return layout;
        }
    }
}
