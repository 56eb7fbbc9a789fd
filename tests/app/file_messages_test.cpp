#include "app/file_messages.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include <gtest/gtest.h>

#include "records/store_file.h"
#include "tests/records/malformed_files.h"

namespace {

TEST(FileMessages, EveryMalformedFileHasItsReason) {
    for (const MalformedFile& c : MalformedFiles()) {
        DateStoreMap store;
        ParseFault fault;
        ASSERT_FALSE(ParseDateStoreFile(c.bytes.data(), c.bytes.size(), store, fault)) << c.what;
        EXPECT_EQ(ParseFaultText(fault), c.reason) << c.what;
    }
}

TEST(FileMessages, SystemRefusalsInGermanOtherwiseTheSystemsWords) {
    EXPECT_EQ(ErrnoText(ENOENT), "die Datei oder der Ordner existiert nicht");
    EXPECT_EQ(ErrnoText(EACCES), "keine Berechtigung");
    EXPECT_EQ(ErrnoText(EPERM), "keine Berechtigung");
    EXPECT_EQ(ErrnoText(EISDIR), "es ist ein Ordner, keine Datei");
    EXPECT_EQ(ErrnoText(ENOTDIR), "ein Teil des Pfades ist kein Ordner");
    EXPECT_EQ(ErrnoText(ENOSPC), "kein Speicherplatz mehr frei");
    EXPECT_EQ(ErrnoText(EROFS), "das Dateisystem ist schreibgeschützt");
    EXPECT_EQ(ErrnoText(EIO), "Ein-/Ausgabefehler");
    EXPECT_EQ(ErrnoText(ENOMEM), "nicht genügend Arbeitsspeicher");
    EXPECT_EQ(ErrnoText(EMFILE), std::strerror(EMFILE));
    EXPECT_EQ(FileFaultText({FileFault::NotRegularFile, EINVAL}), "es ist keine gewöhnliche Datei");
    EXPECT_EQ(FileFaultText({FileFault::WriteProtected, 0}), "die Datei ist schreibgeschützt");
    EXPECT_EQ(FileFaultText({FileFault::Errno, ENOSPC}), "kein Speicherplatz mehr frei");
    EXPECT_EQ(ErrnoText(ENAMETOOLONG), "der Dateiname ist zu lang");
    EXPECT_EQ(FileFaultText({FileFault::LockTimedOut, 0}),
              "ein anderes Programm ändert sie gerade");
    EXPECT_EQ(FileFaultText({FileFault::OutOfMemory, ENOMEM}), "nicht genügend Arbeitsspeicher");
}

TEST(FileMessages, TrailingBytesCountedInGroupsOfThree) {
    const struct {
        uint64_t bytes;
        const char* text;
    } cases[] = {
        {1, "1 Byte folgt auf ihren letzten Eintrag"},
        {2, "2 Bytes folgen auf ihren letzten Eintrag"},
        {999, "999 Bytes folgen auf ihren letzten Eintrag"},
        {1000, "1.000 Bytes folgen auf ihren letzten Eintrag"},
        {123456, "123.456 Bytes folgen auf ihren letzten Eintrag"},
        {2774962, "2.774.962 Bytes folgen auf ihren letzten Eintrag"},
        {18446744073709551615u,
         "18.446.744.073.709.551.615 Bytes folgen auf ihren letzten Eintrag"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrailingBytesText(c.bytes), c.text);
    }
}

TEST(FileMessages, OpenAndSaveNameTheFileAndTheReason) {
    DocFault fault;
    fault.file = {FileFault::Errno, ENOENT};
    EXPECT_EQ(OpenFailureMessage("/tmp/x.dat", fault),
              "Die Datei \u201E/tmp/x.dat\u201C kann nicht gelesen werden: die Datei oder der "
              "Ordner existiert nicht.");
    fault.file = {FileFault::WriteProtected, 0};
    EXPECT_EQ(SaveFailureMessage("a.dat", fault),
              "Die Datei \u201Ea.dat\u201C kann nicht gespeichert werden: die Datei ist "
              "schreibgeschützt.");
    fault = DocFault{};
    fault.parse.kind = ParseFault::RecordTruncated;
    fault.parse.entry = 3;
    fault.parse.count = 7;
    EXPECT_EQ(OpenFailureMessage("b.dat", fault),
              "Die Datei \u201Eb.dat\u201C kann nicht gelesen werden: die Datei endet vorzeitig "
              "im Datensatz von Eintrag 3 von 7.");
}

TEST(FileMessages, DocumentFileWrappersWordTheFailure) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vexamo-app-files-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string broken = (dir / "broken.dat").string();
    std::ofstream(broken, std::ios::binary)
        << std::string("\x01\x00\x32", 3) + "abc" + std::string(34, '\0');
    CVexamoDoc doc;
    std::string error;
    EXPECT_FALSE(OpenRecordDocument(doc, broken, error));
    EXPECT_EQ(error, "Die Datei \u201E" + broken +
                         "\u201C kann nicht gelesen werden: Eintrag 1 von 1: die Längenangabe "
                         "eines Namens (50 Bytes) reicht über das Dateiende hinaus.");
    EXPECT_FALSE(SaveRecordDocument(doc, dir.string(), error));
    EXPECT_EQ(error, "Die Datei \u201E" + dir.string() +
                         "\u201C kann nicht gespeichert werden: es ist ein Ordner, keine Datei.");
    const std::string good = (dir / "good.dat").string();
    EXPECT_TRUE(SaveRecordDocument(doc, good, error));
    EXPECT_TRUE(OpenRecordDocument(doc, good, error));
    std::filesystem::remove_all(dir);
}

} // namespace
