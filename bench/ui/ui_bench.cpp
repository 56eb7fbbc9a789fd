// Opening large record files in the desktop program, through the real window (offscreen):
// the whole open (read, fill the list, show the first record), the list fill alone, and the
// work of `vexamo-cli list` on the same file for comparison.
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <string>

#include "records/name_key.h"
#include "records/vexamo_doc.h"
#include "res/resource_ids.h"
#include "ui/document_manager.h"
#include "ui/file_dialog_service.h"
#include "ui/main_view.h"
#include "ui/message_service.h"
#include "ui/record_list.h"
#include "ui/vexamo_app.h"

namespace {

class SilentMessages : public CMessageService {
  public:
    MessageAnswer Show(QWidget*, MessageKind, const QString&) override { return MessageAnswer::No; }
};

class NoFiles : public CFileDialogService {
  public:
    std::optional<QString> GetOpenFileName(QWidget*, const QString&) override { return {}; }
    std::optional<QString> GetSaveFileName(QWidget*, const QString&, const QString&,
                                           const QString&) override {
        return {};
    }
};

QTemporaryDir& Folder() {
    static QTemporaryDir folder;
    return folder;
}

// Names of mixed case, some with accented letters, in no particular order.
std::string RecordName(int i) {
    static const char* const kFirst[] = {"anna",   "Bert",     "\xC9lise", "zoe",
                                         "Muster", "\xE4rger", "Otto",     "m\xFCller"};
    unsigned x = static_cast<unsigned>(i) * 2654435761u;
    return std::string(kFirst[x % 8]) + " " + std::to_string(x % 1000003u) + "-" +
           std::to_string(i);
}

// A ".dat" file of count records, written once per count by the document's own code.
const std::string& RecordFile(int count) {
    static std::map<int, std::string> files;
    auto found = files.find(count);
    if (found != files.end()) {
        return found->second;
    }
    CVexamoDoc document;
    for (int i = 0; i < count; ++i) {
        document.m_mapDateStore.SetAt(RecordName(i),
                                      VXDateStore(1900 + i % 150, 1 + i % 12, 1 + i % 28, i % 24,
                                                  i % 60, i % 2, (i / 2) % 2, i % 25 - 12));
    }
    const std::string path =
        QDir(Folder().path()).filePath(QStringLiteral("r%1.dat").arg(count)).toStdString();
    DocFault error;
    if (!document.SaveDocument(path, error)) {
        std::fprintf(stderr, "cannot save %s (errno %d)\n", path.c_str(), error.file.errnoValue);
        std::abort();
    }
    return files.emplace(count, path).first->second;
}

struct StartedApp {
    SilentMessages messages;
    NoFiles files;
    std::unique_ptr<CVexamoApp> app;
    StartedApp() {
        app = std::make_unique<CVexamoApp>(
            messages, files, CRecentFileList(QStringLiteral("Vexamo Bench"), QStringLiteral("ui")));
        app->InitInstance({});
        QApplication::processEvents();
    }
    ~StartedApp() {
        app->Document().SetModifiedFlag(false);
        app.reset();
    }
};

// What `vexamo-cli list` does, without writing the text out.
void BM_CliList(benchmark::State& state) {
    const std::string& path = RecordFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CVexamoDoc doc;
        DocFault error;
        doc.OpenDocument(path, error);
        std::string text;
        NameKey name;
        VXDateStore record;
        DateStoreMap::Position pos = doc.m_mapDateStore.GetStartPosition();
        while (pos != nullptr) {
            doc.m_mapDateStore.GetNextAssoc(pos, name, record);
            text.append(NameKeyToUtf8(name)).append("\n");
        }
        benchmark::DoNotOptimize(text.data());
    }
}

// File > Open of the shown window: read, fill the list, show and evaluate the first record,
// paint.
void BM_OpenInWindow(benchmark::State& state) {
    const QString path = QString::fromStdString(RecordFile(static_cast<int>(state.range(0))));
    StartedApp started;
    for (auto _ : state) {
        QString error;
        if (!started.app->Documents()->LoadDocument(path, error)) {
            state.SkipWithError("cannot open");
        }
        QApplication::processEvents();
        state.PauseTiming();
        started.app->Documents()->NewDocument();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// Filling the list (and showing and evaluating the first record), from a document already
// read: the view's refill after a file was read, without reading it.
void BM_FillRecordList(benchmark::State& state) {
    const QString path = QString::fromStdString(RecordFile(static_cast<int>(state.range(0))));
    StartedApp started;
    DocFault error;
    started.app->Document().OpenDocument(path.toStdString(), error);
    CMainView& view = *started.app->View();
    auto& list = *view.findChild<QListWidget*>(QString::number(IDC_LIST_DATES));
    for (auto _ : state) {
        state.PauseTiming();
        ResetRecordList(list);
        state.ResumeTiming();
        view.OnInitialUpdate();
    }
}

// The same under a German locale, where the list sorts by the locale's collation rather than
// by case-folded code units as in the C locale.
template <void (*Benchmark)(benchmark::State&)> void German(benchmark::State& state) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Benchmark(state);
    QLocale::setDefault(previous);
}

BENCHMARK(BM_CliList)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenInWindow)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenInWindow)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillRecordList)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillRecordList)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(German<BM_OpenInWindow>)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(German<BM_OpenInWindow>)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(German<BM_FillRecordList>)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
