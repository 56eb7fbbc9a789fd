#include "sheet/sheet_file.h"

#include <QSaveFile>
#include <cerrno>

#include "sheet/sheet_painter.h"

namespace {

int FailureOf(int error) {
    return error != 0 ? error : EIO;
}

} // namespace

int SaveSheetsPdf(const QString& path, const std::vector<SheetContent>& sheets) {
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        return FailureOf(errno);
    }
    if (!WriteSheetsPdf(file, sheets) || !file.flush()) {
        const int error = errno;
        file.cancelWriting();
        return FailureOf(error);
    }
    errno = 0;
    if (!file.commit()) {
        return FailureOf(errno);
    }
    return 0;
}
