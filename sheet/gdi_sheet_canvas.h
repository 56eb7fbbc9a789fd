#pragma once
// Sheets and diagram pictures drawn with the system's GDI on any device context: a printer, the
// print preview, a bitmap. Coordinates are the device context's logical units.
#include <windows.h>

#include <vector>

#include "sheet/gdi_sheet_pictures.h"
#include "sheet/sheet_canvas.h"

class GdiSheetCanvas : public SheetCanvas {
  public:
    // Draws on dc (which must outlive the canvas), a device of dpi units per inch (0: the
    // device's own), the type pictures taken from pictures.
    GdiSheetCanvas(HDC dc, GdiSheetPictures& pictures, double dpi = 0);
    ~GdiSheetCanvas() override;
    GdiSheetCanvas(const GdiSheetCanvas&) = delete;
    GdiSheetCanvas& operator=(const GdiSheetCanvas&) = delete;

    void FillRect(const PageRect& rect, uint32_t colour) override;
    void Polyline(const std::vector<PagePoint>& points, const SheetPen& pen) override;
    void Text(std::string_view text, const SheetFont& font, uint32_t colour,
              PagePoint origin) override;
    // Turned texts are drawn with fonts of 90 degrees' escapement, which every driver takes.
    void BeginTurned(PagePoint centre) override;
    void EndTurned() override;
    void Picture(int32_t id, const PageRect& rect) override;
    void BeginClip(const PageRect& rect) override;
    void EndClip() override;

  private:
    HDC m_dc;
    GdiSheetPictures& m_pictures;
    double m_dpi;
    std::vector<PagePoint> m_turns; // the centres of the turns under way
    int m_clips = 0;
    int m_savedDc = 0;
};

// The layout of sheet on page of dc, a device of dpi units per inch (0: its own), measured with
// its fonts.
SheetLayout LayOutSheet(const SheetContent& sheet, const PageRect& page, HDC dc,
                        GdiSheetPictures& pictures, double dpi = 0);

// Lays out and draws one sheet on page of dc.
void PaintSheet(HDC dc, const PageRect& page, const SheetContent& sheet, GdiSheetPictures& pictures,
                double dpi = 0);
