#pragma once
// The diagram control's drawing calls on a device context: a small canvas of this front-end's
// own, to be replaced by the shared GDI canvas of sheet/ once it exists.
#include <cstdint>

#include <windows.h>

#include "sheet/diagram_control.h"

class CInterimGdiCanvas : public DiagramCanvas {
  public:
    explicit CInterimGdiCanvas(HDC dc);
    ~CInterimGdiCanvas() override;
    CInterimGdiCanvas(const CInterimGdiCanvas&) = delete;
    CInterimGdiCanvas& operator=(const CInterimGdiCanvas&) = delete;

    DiagramPen SelectPen(const DiagramPen& pen) override;
    void MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom,
                   uint32_t brush) override;

  private:
    HDC m_dc;
    DiagramPen m_pen;
    HPEN m_hPen = nullptr;
    HGDIOBJ m_oldPen = nullptr;
};

// 0xAARRGGBB as a COLORREF.
COLORREF ToColorRef(uint32_t argb);
