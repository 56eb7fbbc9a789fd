// "&Copier tout" of a large store in the desktop program, through the real view (offscreen),
// against the text alone and against what `vexamo-cli export` does on the same file; and the
// clipboard's part on its own.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <string>

#include "app/export_text.h"
#include "records/vexamo_doc.h"
#include "res/resource_ids.h"
#include "ui/document_manager.h"
#include "ui/file_dialog_service.h"
#include "ui/main_frame.h"
#include "ui/main_view.h"
#include "ui/message_service.h"
#include "ui/vexamo_app.h"

namespace {

class NoMessages : public CMessageService {
  public:
    MessageAnswer Show(QWidget*, MessageKind, const QString&) override { return MessageAnswer::No; }
};

class NoFileDialogs : public CFileDialogService {
  public:
    std::optional<QString> GetOpenFileName(QWidget*, const QString&) override { return {}; }
    std::optional<QString> GetSaveFileName(QWidget*, const QString&, const QString&,
                                           const QString&) override {
        return {};
    }
};

// A ".dat" file of count records spread over 150 years, written once per count.
const std::string& ExportFile(int count) {
    static QTemporaryDir folder;
    static std::map<int, std::string> files;
    if (const auto found = files.find(count); found != files.end()) {
        return found->second;
    }
    CVexamoDoc document;
    for (int i = 0; i < count; ++i) {
        const unsigned x = static_cast<unsigned>(i) * 2654435761u;
        document.m_mapDateStore.SetAt("Person " + std::to_string(x % 1000003u) + "-" +
                                          std::to_string(i),
                                      VXDateStore(1900 + i % 150, 1 + i % 12, 1 + i % 28, i % 24,
                                                  i % 60, i % 2, (i / 2) % 2, i % 25 - 12));
    }
    const std::string path =
        QDir(folder.path()).filePath(QStringLiteral("export%1.dat").arg(count)).toStdString();
    DocFault fault;
    if (!document.SaveDocument(path, fault)) {
        std::abort();
    }
    return files.emplace(count, path).first->second;
}

// The shown window with the file opened, as File > Open leaves it.
struct WindowWithFile {
    explicit WindowWithFile(int count) {
        app = std::make_unique<CVexamoApp>(
            messages, files,
            CRecentFileList(QStringLiteral("Vexamo Bench"), QStringLiteral("copy all")));
        app->InitInstance({});
        QString error;
        app->Documents()->LoadDocument(QString::fromStdString(ExportFile(count)), error);
        QApplication::processEvents();
    }
    ~WindowWithFile() {
        app->Document().SetModifiedFlag(false);
        app.reset();
    }
    NoMessages messages;
    NoFileDialogs files;
    std::unique_ptr<CVexamoApp> app;
};

// "&Copier tout" from the menu: every record evaluated, the text built and placed on the
// clipboard.
void BM_CopyAllInWindow(benchmark::State& state) {
    WindowWithFile window(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        window.app->MainFrame()->CommandAction(ID_COPY_ALL)->trigger();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The same right after the window was painted, as when the user has just looked at it.
void BM_CopyAllInWindowAfterPaint(benchmark::State& state) {
    WindowWithFile window(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        benchmark::DoNotOptimize(window.app->MainFrame()->grab());
        state.ResumeTiming();
        window.app->MainFrame()->CommandAction(ID_COPY_ALL)->trigger();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The text alone, from the document already read.
void BM_CopyAllText(benchmark::State& state) {
    CVexamoDoc doc;
    DocFault fault;
    doc.OpenDocument(ExportFile(static_cast<int>(state.range(0))), fault);
    for (auto _ : state) {
        const std::string text = CopyAllText(doc.m_mapDateStore);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What `vexamo-cli export FILE` does, without writing the text out: read the file, build the
// text.
void BM_CliExport(benchmark::State& state) {
    const std::string& path = ExportFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CVexamoDoc doc;
        DocFault fault;
        doc.OpenDocument(path, fault);
        const std::string text = CopyAllText(doc.m_mapDateStore);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The clipboard's part: the finished text to a QString and onto the clipboard.
void BM_ClipboardOfCopyAll(benchmark::State& state) {
    WindowWithFile window(static_cast<int>(state.range(0)));
    const std::string text = CopyAllText(window.app->Document().m_mapDateStore);
    for (auto _ : state) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_CliExport)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyAllText)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyAllInWindow)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyAllInWindowAfterPaint)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClipboardOfCopyAll)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
