#include "sheet/sheet_file.h"

#include <QFile>
#include <QIODevice>
#include <cerrno>

#include "sheet/sheet_painter.h"

namespace {

// The PDF writer's device: each piece goes straight into the file, whose first failure (and
// its errno) is kept.
class ReplacementDevice : public QIODevice {
  public:
    explicit ReplacementDevice(FileReplacement& file) : m_file(file) {}

  protected:
    qint64 readData(char* /*data*/, qint64 /*maxSize*/) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        return m_file.Write({data, static_cast<size_t>(size)}) ? size : -1;
    }

  private:
    FileReplacement& m_file;
};

} // namespace

FileFault WriteSheetsPdfInto(FileReplacement& file, const std::vector<SheetContent>& sheets) {
    ReplacementDevice device(file);
    device.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    const bool drawn = WriteSheetsPdf(device, sheets);
    device.close();
    FileFault fault;
    if (!drawn) {
        // A failed write is the reason; otherwise the drawing itself failed, for which the
        // system gives none.
        fault =
            file.Fault().kind != FileFault::None ? file.Fault() : FileFault{FileFault::Errno, EIO};
        file.Cancel();
        return fault;
    }
    file.Commit(fault);
    return fault;
}

FileFault SaveSheetsPdf(const QString& path, const std::vector<SheetContent>& sheets,
                        const SaveOptions& options) {
    FileReplacement file;
    FileFault fault;
    if (!file.Open(QFile::encodeName(path).toStdString(), fault, options)) {
        return fault;
    }
    return WriteSheetsPdfInto(file, sheets);
}
