#pragma once
// Sheets and diagram pictures drawn with Qt's painter: PDF, printers, print preview, PNG.
#include "sheet/sheet_canvas.h"

class QPainter;

class QtSheetCanvas : public SheetCanvas {
  public:
    explicit QtSheetCanvas(QPainter& painter) : m_painter(painter) {}
    void FillRect(const PageRect& rect, uint32_t colour) override;
    void Polyline(const std::vector<PagePoint>& points, const SheetPen& pen) override;
    void Text(std::string_view text, const SheetFont& font, uint32_t colour,
              PagePoint origin) override;
    void BeginTurned(PagePoint centre) override;
    void EndTurned() override;
    void Picture(int32_t id, const PageRect& rect) override;
    void BeginClip(const PageRect& rect) override;
    void EndClip() override;

  private:
    QPainter& m_painter;
};
