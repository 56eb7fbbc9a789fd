#pragma once
// The program's resources for Windows as a resource script (.rc, UTF-8) that the resource
// compiler takes: dialogs 130 and 100, menu and accelerator table 128, the string table, the
// version resource and the pictures, all from the same tables as the Qt program's.
#include <string>
#include <string_view>

// pictureFolder: where <id>.bmp for each bitmap and 128.ico lie; manifest: the application
// manifest's file, or empty for none.
std::string ResourceScript(std::string_view pictureFolder, std::string_view manifest = {});

// The ids of the bitmap resources, in the order of their ids.
inline constexpr int kBitmapIds[] = {131, 133, 134, 136, 137, 138, 139, 140,
                                     141, 142, 143, 144, 145, 146, 147, 148};
