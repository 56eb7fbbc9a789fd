#include "sheet/sheet_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QIODevice>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "app/text_catalogue.h"
#include "sheet/diagram_drawing.h"

namespace {

// Page margins of a PDF, in millimetres.
constexpr double kPdfMargin = 15.0;
// Pixels of the PDF's coordinate system per inch.
constexpr int kPdfResolution = 1200;

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

// The type pictures, loaded once so that a document with many pages holds each one once.
const QImage& TypePicture(int32_t id) {
    static QHash<int32_t, QImage> pictures;
    auto it = pictures.find(id);
    if (it == pictures.end()) {
        it = pictures.insert(id, QImage(QStringLiteral(":/images/%1.png").arg(id)));
    }
    return *it;
}

// Writes the lines of a block ("label : text") from the top of area, the texts aligned after
// the widest label; returns the height used.
double PaintLines(QPainter& p, const QRectF& area, const std::vector<SheetLine>& lines,
                  double labelWidth, double lineHeight) {
    double y = area.top();
    for (const SheetLine& line : lines) {
        p.drawText(QRectF(area.left(), y, labelWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   Text(line.label));
        p.drawText(QRectF(area.left() + labelWidth, y, area.width() - labelWidth, lineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, Text(line.text));
        y += lineHeight;
    }
    return y - area.top();
}

double WidestLabel(const QFontMetricsF& fm,
                   const std::vector<const std::vector<SheetLine>*>& blocks) {
    double widest = 0;
    for (const auto* block : blocks) {
        for (const SheetLine& line : *block) {
            widest = std::max(widest, fm.horizontalAdvance(Text(line.label)));
        }
    }
    return widest;
}

// The diagram with its scale numbers, axis titles and legend, across area's width; returns the
// height used.
double PaintDiagramBlock(QPainter& p, const QRectF& area, const SheetContent& s, double mm) {
    p.setFont(SheetFont(8));
    const QFontMetricsF fm(p.font(), p.device());
    const double text = fm.height();
    const double axisTitle = text * 1.4; // room for "Phase [%]", turned
    const double numbers = fm.horizontalAdvance(QStringLiteral("100")) + 1.5 * mm;
    const double left = area.left() + axisTitle + numbers;
    const double width = area.right() - left;
    const double height = width * kDiagramControlHeight / kDiagramControlWidth;
    const QRectF plot(left, area.top(), width, height);

    PaintDiagram(p, plot, MakeDiagramGeometry(s.centre, s.southern), 0.5);

    p.setPen(Qt::black);
    // Values along the left edge: 100 at the top, 50 in the middle, 0 at the bottom.
    const std::pair<double, const char*> values[] = {{0.0, "100"}, {0.5, "50"}, {1.0, "0"}};
    for (const auto& [at, label] : values) {
        const double y = plot.top() + at * height;
        p.drawText(QRectF(plot.left() - numbers, y - text / 2, numbers - 1.0 * mm, text),
                   Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(label));
    }
    p.save();
    p.translate(area.left() + text * 0.7, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-height / 2, -text / 2, height, text), Qt::AlignCenter,
               Text(TextId::SheetAxisPhase));
    p.restore();
    // Days along the lower edge: -2 at the left edge to +2 at the right one.
    const char* const days[] = {"-2", "-1", "0", "+1", "+2"};
    double y = plot.bottom() + 0.8 * mm;
    for (int k = 0; k < 5; ++k) {
        const double x = plot.left() + k * width / 4;
        p.drawText(QRectF(x - 10 * mm, y, 20 * mm, text), Qt::AlignCenter,
                   QString::fromLatin1(days[k]));
    }
    y += text;
    p.setFont(SheetFont(8, true));
    p.drawText(QRectF(plot.left(), y, width, text), Qt::AlignCenter, Text(TextId::SheetAxisDays));
    y += text;
    p.setFont(SheetFont(8));
    p.drawText(QRectF(plot.left(), y, width, text), Qt::AlignCenter, Text(s.birth.text));
    // The legend at the right, under the numbers.
    const double legendWidth = std::max(fm.horizontalAdvance(Text(TextId::SheetLegendSun)),
                                        fm.horizontalAdvance(Text(TextId::SheetLegendMoon))) +
                               9 * mm;
    const double legendTop = plot.bottom() + 0.8 * mm + text;
    const std::pair<QRgb, TextId> legend[] = {
        {DiagramStrokeColour(DiagramStroke::Kind::Sun), TextId::SheetLegendSun},
        {DiagramStrokeColour(DiagramStroke::Kind::Moon), TextId::SheetLegendMoon}};
    for (int k = 0; k < 2; ++k) {
        const double ly = legendTop + k * text + text / 2;
        const double lx = plot.right() - legendWidth;
        QPen pen{QColor::fromRgb(legend[k].first)};
        pen.setWidthF(0.35 * mm);
        p.setPen(pen);
        p.drawLine(QPointF(lx + 1 * mm, ly), QPointF(lx + 6 * mm, ly));
        p.setPen(QColor::fromRgb(legend[k].first));
        p.drawText(QRectF(lx + 7.5 * mm, ly - text / 2, legendWidth - 7.5 * mm, text),
                   Qt::AlignLeft | Qt::AlignVCenter, Text(legend[k].second));
    }
    p.setPen(Qt::black);
    return y + text - area.top();
}

} // namespace

void PaintSheet(QPainter& p, const QRectF& page, const SheetContent& s) {
    p.save();
    const double mm = p.device()->logicalDpiX() / 25.4;
    p.setPen(Qt::black);
    double y = page.top();

    p.setFont(SheetFont(20, true));
    double h = QFontMetricsF(p.font(), p.device()).height();
    p.drawText(QRectF(page.left(), y, page.width(), h), Qt::AlignLeft | Qt::AlignVCenter,
               Text(s.title));
    y += h;
    if (!s.name.empty()) {
        p.setFont(SheetFont(14, true));
        h = QFontMetricsF(p.font(), p.device()).height();
        p.drawText(QRectF(page.left(), y, page.width(), h), Qt::AlignLeft | Qt::AlignVCenter,
                   Text(s.name));
        y += h;
    }
    y += 2 * mm;
    QPen rule(Qt::black);
    rule.setWidthF(0.3 * mm);
    p.setPen(rule);
    p.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
    p.setPen(Qt::black);
    y += 4 * mm;

    p.setFont(SheetFont(10.5));
    const QFontMetricsF fm(p.font(), p.device());
    const double line = fm.height() * 1.35;
    const std::vector<SheetLine> birth = [&] {
        std::vector<SheetLine> lines{s.birth};
        lines.insert(lines.end(), s.timeZone.begin(), s.timeZone.end());
        lines.push_back(s.options);
        return lines;
    }();
    const double labelWidth =
        WidestLabel(fm, {&birth, &s.results, &s.phases}) + fm.horizontalAdvance(QChar(' ')) * 2;

    // The birth as entered on the left, the type picture and its name on the right.
    const double pictureWidth = 60 * mm;
    const QRectF left(page.left(), y, page.width() - pictureWidth - 6 * mm, page.height());
    const double birthHeight = PaintLines(p, left, birth, labelWidth, line);
    const QImage& picture = TypePicture(s.typeBitmap);
    const QRectF pictureRect(page.right() - pictureWidth, y, pictureWidth,
                             picture.isNull() ? 0.0
                                              : pictureWidth * picture.height() / picture.width());
    if (!picture.isNull()) {
        p.drawImage(pictureRect, picture);
    }
    p.setFont(SheetFont(12, true));
    const double typeHeight = QFontMetricsF(p.font(), p.device()).height();
    p.drawText(
        QRectF(pictureRect.left(), pictureRect.bottom() + 1.5 * mm, pictureWidth, typeHeight),
        Qt::AlignCenter, Text(s.typeName));
    p.setFont(SheetFont(10.5));
    y += std::max(birthHeight, pictureRect.height() + 1.5 * mm + typeHeight) + 4 * mm;

    const QRectF results(page.left(), y, page.width(), page.height());
    y += PaintLines(p, results, s.results, labelWidth, line) + 3 * mm;
    const QRectF phases(page.left(), y, page.width(), page.height());
    y += PaintLines(p, phases, s.phases, labelWidth, line);
    p.setFont(SheetFont(9, false, true));
    h = QFontMetricsF(p.font(), p.device()).height();
    p.drawText(QRectF(page.left(), y, page.width(), h), Qt::AlignLeft | Qt::AlignVCenter,
               Text(s.phaseNote));
    y += h + 8 * mm;

    PaintDiagramBlock(p, QRectF(page.left(), y, page.width(), page.bottom() - y), s, mm);

    p.setFont(SheetFont(8));
    h = QFontMetricsF(p.font(), p.device()).height();
    p.drawText(QRectF(page.left(), page.bottom() - h, page.width(), h),
               Qt::AlignLeft | Qt::AlignVCenter, Text(s.footer));
    p.restore();
}

bool PaintSheets(QPagedPaintDevice& device, const std::vector<SheetContent>& sheets) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    // The painter's origin is the corner of the printable area.
    const QRectF area(QPointF(0, 0), page.size());
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            return false;
        }
        PaintSheet(painter, area, sheets[i]);
    }
    return painter.end();
}

bool WriteSheetsPdf(QIODevice& device, const std::vector<SheetContent>& sheets) {
    if (sheets.empty()) {
        return false;
    }
    QPdfWriter writer(&device);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPdfMargin, kPdfMargin, kPdfMargin, kPdfMargin),
                                     QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("Vexamo"));
    writer.setTitle(QString::fromUtf8(UserText(TextId::AppTitle)));
    return PaintSheets(writer, sheets);
}
