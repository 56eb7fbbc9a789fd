#pragma once
// A top-down 32-bit DIB section selected into a memory device context: what the GDI draws on it
// is read back as 0xAARRGGBB words (the alpha set opaque).
#include <windows.h>

#include <cstdint>
#include <vector>

namespace gdi_test {

class DibBitmap {
  public:
    DibBitmap(int32_t width, int32_t height, uint32_t fill) : m_width(width), m_height(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // rows from the top
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<uint32_t*>(bits);
        m_dc = CreateCompatibleDC(nullptr);
        m_original = SelectObject(m_dc, m_bitmap);
        for (int64_t i = 0; m_bits && i < int64_t{width} * height; ++i) {
            m_bits[i] = fill & 0x00ffffffu;
        }
    }
    ~DibBitmap() {
        SelectObject(m_dc, m_original);
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    DibBitmap(const DibBitmap&) = delete;
    DibBitmap& operator=(const DibBitmap&) = delete;

    bool Valid() const { return m_bits != nullptr && m_dc != nullptr; }
    HDC Dc() const { return m_dc; }
    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    uint32_t* Bits() const { return m_bits; }
    // The pixels as drawn so far, row by row.
    std::vector<uint32_t> Pixels() const {
        GdiFlush();
        std::vector<uint32_t> pixels(m_bits, m_bits + int64_t{m_width} * m_height);
        for (uint32_t& p : pixels) {
            p |= 0xff000000u;
        }
        return pixels;
    }

  private:
    int32_t m_width;
    int32_t m_height;
    HBITMAP m_bitmap = nullptr;
    uint32_t* m_bits = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_original = nullptr;
};

} // namespace gdi_test
