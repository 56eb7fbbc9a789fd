#pragma once
// Saving printed sheets as a PDF file: written page by page into a temporary file beside the
// target, which replaces the target only when complete (a failed write leaves no partial file);
// a device or a named pipe, when options allow it, is written into directly.
#include <QString>
#include <vector>

#include "records/faults.h"
#include "records/file_replacement.h"
#include "sheet/sheet_content.h"

// Writes the sheets into file (open) and completes it; on failure it is cancelled. Returns the
// fault, kind None when saved.
FileFault WriteSheetsPdfInto(FileReplacement& file, const std::vector<SheetContent>& sheets);

// Opens path and writes the sheets into it.
FileFault SaveSheetsPdf(const QString& path, const std::vector<SheetContent>& sheets,
                        const SaveOptions& options = {});
