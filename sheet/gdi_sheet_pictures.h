#pragma once
// The type pictures of printed sheets from the program's bitmap resources, as 32-bit top-down
// pixels that StretchDIBits draws on any device (a printer as well as the screen).
#include <windows.h>

#include <cstdint>
#include <map>
#include <vector>

#include "sheet/page_units.h"

class GdiSheetPictures {
  public:
    // Pictures from the resources of module (nullptr: the program's own).
    explicit GdiSheetPictures(HMODULE module = nullptr) : m_module(module) {}

    // The picture's size in pixels; empty when there is none with this id.
    PageSize Size(int32_t id);
    // Draws the picture scaled into rect; nothing when there is none.
    void Draw(HDC dc, int32_t id, const PageRect& rect);

  private:
    struct Picture {
        int32_t width = 0;
        int32_t height = 0;
        std::vector<uint32_t> pixels; // empty: no such picture
    };
    const Picture& Load(int32_t id);

    HMODULE m_module;
    std::map<int32_t, Picture> m_pictures;
};
