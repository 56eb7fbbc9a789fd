#pragma once
// Saving printed sheets as a PDF file: written page by page into a temporary file beside the
// target, which replaces the target only when complete (a failed write leaves no partial file).
#include <QString>
#include <vector>

#include "sheet/sheet_content.h"

// Writes the sheets to path. Returns 0 when saved, otherwise the errno of the failure (EIO when
// the system gave none).
int SaveSheetsPdf(const QString& path, const std::vector<SheetContent>& sheets);
