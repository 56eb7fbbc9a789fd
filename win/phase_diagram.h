#pragma once
// The diagram control (id 1010): the Moon-phase and Sun-phase curves over the four days around
// the birth, drawn in its paint handler. It takes the place of the form's placeholder.
#include <cstdint>

#include <windows.h>

#include "sheet/diagram_samples.h"

class CPhaseDiagram {
  public:
    // Registers the window class; once per process.
    static bool Register(HINSTANCE instance);
    // Makes the control in place of the form's placeholder control of that id (same id,
    // rectangle and place in the tab order) and removes the placeholder.
    static CPhaseDiagram* ReplacePlaceholder(HWND form, int id);

    HWND Window() const { return m_hWnd; }
    // The birth at the centre and the hemisphere; the control is repainted.
    void Show(double centreJD, int32_t southern);

    double m_dCentreJD = 0.0;
    int32_t m_bSouthern = 0;

    // Draws the control of width x height into dc (also for pictures of it) by the GDI, one
    // device pixel a pixel of the control.
    void Draw(HDC dc, int width, int height);

    // Device pixels to a pixel of the control: the screen's resolution over 96 dots an inch.
    double Ratio() const;
    // Draws the control's client area into dc as the screen shows it: at ratio 1 as Draw does,
    // above it the lines as vectors at the device's resolution (the control's size in its own
    // pixels is the client area's over the ratio).
    void Render(HDC dc, int width, int height, double ratio);
    // The client area as Render draws it, as a packed DIB (BITMAPINFOHEADER and 32-bit rows
    // from the bottom) in movable global memory for the clipboard; nullptr when none can be had.
    HGLOBAL PackedPicture();

  private:
    static LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();

    HWND m_hWnd = nullptr;
    DiagramSampleCache m_samples;
};
