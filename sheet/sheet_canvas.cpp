#include "sheet/sheet_canvas.h"

void DrawDiagram(SheetCanvas& canvas, const PageRect& target, const DiagramGeometry& g,
                 double penWidth) {
    if (g.size.Empty() || target.Empty()) {
        return;
    }
    const double sx = target.width / g.size.width;
    const double sy = target.height / g.size.height;
    // A pen's width and dashes in page units; the diagram is scaled alike both ways.
    const double unit = (sx + sy) / 2;
    canvas.BeginClip(target);
    canvas.FillRect(target, 0xffffffffu);
    std::vector<PagePoint> points;
    for (const DiagramStroke& stroke : g.strokes) {
        if (stroke.points.size() < 2) {
            continue;
        }
        points.clear();
        for (const PagePoint& p : stroke.points) {
            points.push_back({target.left + p.x * sx, target.top + p.y * sy});
        }
        const bool grid = stroke.kind == DiagramStroke::Kind::Grid;
        // The grid dotted: one unit lit, one left out, as the control's dotted pen does.
        canvas.Polyline(
            points, {penWidth * unit, DiagramStrokeColour(stroke.kind), grid ? unit : 0.0, !grid});
    }
    canvas.EndClip();
}

void DrawSheet(SheetCanvas& canvas, const SheetLayout& layout, const SheetContent& sheet) {
    canvas.Polyline({layout.rule.from, layout.rule.to}, {layout.ruleWidth});
    if (!layout.picture.Empty()) {
        canvas.Picture(sheet.typeBitmap, layout.picture);
    }
    DrawDiagram(canvas, layout.diagram, MakeDiagramGeometry(sheet.centre, sheet.southern),
                layout.diagramPen);
    for (const SheetLegendLine& line : layout.legend) {
        canvas.Polyline({line.line.from, line.line.to}, {layout.legendPen, line.colour});
    }
    for (const SheetText& t : layout.texts) {
        if (t.turned) {
            canvas.BeginTurned(t.box.Centre());
        }
        for (const SheetTextLine& line : t.lines) {
            canvas.Text(line.text, t.font, t.colour, line.origin);
        }
        if (t.turned) {
            canvas.EndTurned();
        }
    }
}
