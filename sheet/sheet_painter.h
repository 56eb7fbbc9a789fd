#pragma once
// Printed sheets: one page per birth with its texts, its type picture and the diagram as vectors.
#include <QRectF>
#include <vector>

#include "sheet/sheet_content.h"

class QIODevice;
class QPagedPaintDevice;
class QPainter;

// Draws one sheet into page (in the painter's device units, margins already left out).
void PaintSheet(QPainter& painter, const QRectF& page, const SheetContent& sheet);

// Draws the sheets on device, one page each, within the device's page layout (a printer's page
// size and margins). Returns false when the device cannot be painted on.
bool PaintSheets(QPagedPaintDevice& device, const std::vector<SheetContent>& sheets);

// Writes the sheets to device (open for writing) as a PDF document on A4 pages with the fonts
// embedded, page by page as they are drawn. Returns false when nothing or not all was written.
bool WriteSheetsPdf(QIODevice& device, const std::vector<SheetContent>& sheets);
