#include "sheet/gdi_sheet_pictures.h"

#include <cmath>

namespace {

BITMAPINFO TopDown32(int32_t width, int32_t height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

} // namespace

const GdiSheetPictures::Picture& GdiSheetPictures::Load(int32_t id) {
    if (const auto it = m_pictures.find(id); it != m_pictures.end()) {
        return it->second;
    }
    Picture& picture = m_pictures[id];
    const HMODULE module = m_module != nullptr ? m_module : GetModuleHandleW(nullptr);
    const auto bitmap = static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr) {
        return picture;
    }
    BITMAP bm{};
    if (GetObjectW(bitmap, sizeof(bm), &bm) == sizeof(bm) && bm.bmWidth > 0 && bm.bmHeight > 0) {
        BITMAPINFO info = TopDown32(bm.bmWidth, bm.bmHeight);
        std::vector<uint32_t> pixels(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
        const HDC screen = GetDC(nullptr);
        const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(bm.bmHeight), pixels.data(),
                                   &info, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        if (rows == bm.bmHeight) {
            picture = {bm.bmWidth, bm.bmHeight, std::move(pixels)};
        }
    }
    DeleteObject(bitmap);
    return picture;
}

PageSize GdiSheetPictures::Size(int32_t id) {
    const Picture& picture = Load(id);
    if (picture.pixels.empty()) {
        return {};
    }
    return {static_cast<double>(picture.width), static_cast<double>(picture.height)};
}

void GdiSheetPictures::Draw(HDC dc, int32_t id, const PageRect& rect) {
    const Picture& picture = Load(id);
    if (picture.pixels.empty() || rect.Empty()) {
        return;
    }
    const BITMAPINFO info = TopDown32(picture.width, picture.height);
    const int left = static_cast<int>(std::lround(rect.left));
    const int top = static_cast<int>(std::lround(rect.top));
    const int right = static_cast<int>(std::lround(rect.Right()));
    const int bottom = static_cast<int>(std::lround(rect.Bottom()));
    // Scaled up many times on a printer: averaged rather than pixels dropped when scaled down.
    const int previousMode = SetStretchBltMode(dc, HALFTONE);
    POINT origin{};
    SetBrushOrgEx(dc, 0, 0, &origin);
    StretchDIBits(dc, left, top, right - left, bottom - top, 0, 0, picture.width, picture.height,
                  picture.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
    SetStretchBltMode(dc, previousMode);
}
