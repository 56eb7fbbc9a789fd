// The second process of the Windows seam tests (modes in child_process.h).
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>
#include <vector>
#include <windows.h>

#include "app/console.h"
#include "records/file_io.h"
#include "records/file_lock.h"
#include "records/utf8_paths.h"
#include "records/vexamo_doc.h"
#include "tests/windows/child_process.h"

namespace {

using namespace std::chrono_literals;

// Load, add one record, save, all under the file's lock.
bool AddUnderLock(const std::string& path, const std::string& name) {
    FileLock lock;
    if (lock.Acquire(path, 60s) != LockStatus::kLocked) {
        return false;
    }
    CVexamoDoc doc;
    DocFault error;
    if (FileIdentityOf(path).exists && !doc.OpenDocument(path, error)) {
        return false;
    }
    doc.m_mapDateStore.SetAt(name, VXDateStore(1990, 5, 17, 6, 30, 0, 0, 1));
    return doc.SaveDocument(path, error, &lock);
}

int Add(const std::string& path, const std::string& prefix, int rounds) {
    int failures = 0;
    for (int i = 0; i < rounds; ++i) {
        failures += AddUnderLock(path, prefix + std::to_string(i)) ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}

int Hold(const std::string& path, const std::string& event) {
    FileLock lock;
    if (lock.Acquire(path) != LockStatus::kLocked) {
        return 1;
    }
    std::wstring name;
    WideOfUtf8(event, name);
    const HANDLE held = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, name.c_str());
    if (held == nullptr || !::SetEvent(held)) {
        return 1;
    }
    ::Sleep(INFINITE); // until killed
    return 0;
}

int Saves(const std::string& path) {
    for (int turn = 0;; ++turn) {
        FileFault fault;
        if (!WriteFileAtomically(path, SavedContent(turn), fault)) {
            return 1;
        }
    }
}

int WriteTo(const std::string& path, const std::string& text) {
    FileFault fault;
    return WriteFileAtomically(path, text, fault) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    UseStandardStreamsAsBytes();
    const std::vector<std::string> args = Utf8Arguments(argc, argv);
    const std::string mode = args.size() > 1 ? args[1] : "";
    if (mode == kChildAdd && args.size() == 5) {
        return Add(args[2], args[3], std::stoi(args[4]));
    }
    if (mode == kChildHold && args.size() == 4) {
        return Hold(args[2], args[3]);
    }
    if (mode == kChildSaves && args.size() == 3) {
        return Saves(args[2]);
    }
    if (mode == kChildArgs && args.size() >= 3) {
        std::string all;
        for (size_t i = 3; i < args.size(); ++i) {
            all += args[i] + "\n";
        }
        return WriteTo(args[2], all);
    }
    if (mode == kChildConsole && args.size() == 4) {
        const Utf8Console console;
        // In pieces that cut characters apart, as a stream's buffer may.
        const std::string& text = args[3];
        for (size_t at = 0; at < text.size(); at += 3) {
            std::cout << text.substr(at, 3) << std::flush;
        }
        std::cout << "\n";
        std::cerr << text << "\n";
        const std::string report = std::string("stdout ") + (IsTerminal(1) ? "console" : "other") +
                                   "\nstderr " + (IsTerminal(2) ? "console" : "other") + "\n";
        return WriteTo(args[2], report);
    }
    std::fputs("vexamo-seam-child: unknown mode\n", stderr);
    return 2;
}
