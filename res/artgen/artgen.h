#pragma once
// The picture generator's drawing functions: each returns one finished picture.
#include <QFont>
#include <QImage>
#include <QString>
#include <vector>

// The classic 16-colour palette.
namespace Vga {
inline constexpr QRgb Black = 0xff000000u;
inline constexpr QRgb Maroon = 0xff800000u;
inline constexpr QRgb Green = 0xff008000u;
inline constexpr QRgb Olive = 0xff808000u;
inline constexpr QRgb Navy = 0xff000080u;
inline constexpr QRgb Purple = 0xff800080u;
inline constexpr QRgb Teal = 0xff008080u;
inline constexpr QRgb Silver = 0xffc0c0c0u;
inline constexpr QRgb Grey = 0xff808080u;
inline constexpr QRgb Red = 0xffff0000u;
inline constexpr QRgb Lime = 0xff00ff00u;
inline constexpr QRgb Yellow = 0xffffff00u;
inline constexpr QRgb Blue = 0xff0000ffu;
inline constexpr QRgb Fuchsia = 0xffff00ffu;
inline constexpr QRgb Aqua = 0xff00ffffu;
inline constexpr QRgb White = 0xffffffffu;
} // namespace Vga

// All 16 colours, in the order above.
std::vector<QRgb> VgaPalette();

// image reduced to palette (nearest colour, no dithering): an indexed image. Fully transparent
// pixels map to a transparent palette entry when the palette has one.
QImage ToPalette(const QImage& image, const std::vector<QRgb>& palette);

// The fonts shipped with the system's DejaVu family, loaded from their files so that the
// output does not depend on the font configuration.
bool LoadFonts();
QFont SansFont(int pixelSize, bool bold = false, bool italic = false, bool smooth = false);
QFont CondensedFont(int pixelSize, bool bold = false);
QFont SerifFont(int pixelSize, bool bold = false, bool italic = false, bool smooth = false);

// Icon 128: a grey Moon with a yellow crescent on its right edge, 32 x 32, transparent.
QImage DrawIcon();
// The same icon for the desktop's icon theme: size x size, smooth edges, transparent.
QImage DrawIconAt(int size);
// The same icon as an SVG document (32 x 32 user units).
QString IconSvg();

// Type pictures, 160 x 32.
QImage DrawSolarPicture();    // 134
QImage DrawLunarPicture();    // 131
QImage DrawQuestionPicture(); // 133

// Form pictures.
QImage DrawFilingCabinet();  // 136, 33 x 34
QImage DrawScrollWithSeal(); // 137, 30 x 34

// Diagram labels 138 to 148, by id; at scale 2 the same picture with four pixels for each, for
// screens of twice the resolution.
QImage DrawDiagramLabel(int id, int scale = 1);
