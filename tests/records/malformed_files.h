#pragma once
// File images that are no store, with the fault the loader reports for each and the reason
// the programs show for it.
#include <cstdint>
#include <string>
#include <vector>

#include "records/archive.h"
#include "records/faults.h"
#include "records/record_image.h"
#include "records/vx_date_store.h"
#include "tests/records/byte_string.h"

// The 36-byte image of a record as files hold it.
inline std::string RecordImageBytes(const VXDateStore& r, uint32_t tag = kRecordImageTag) {
    ArchiveWriter w;
    for (const int32_t v : {static_cast<int32_t>(tag), r.m_nYear, r.m_nMonth, r.m_nDay, r.m_nHour,
                            r.m_nMinute, r.m_bSouthern, r.m_bConstZone, r.m_nTimeZone}) {
        w.WriteInt32(v);
    }
    return w.Bytes();
}

struct MalformedFile {
    const char* what;
    std::string bytes;
    ParseFault::Kind kind;
    uint64_t entry;     // 1-based; 0 where no entry is concerned
    const char* reason; // as the programs word it
};

inline std::vector<MalformedFile> MalformedFiles() {
    const std::string image = RecordImageBytes(VXDateStore(2000, 3, 20, 8, 0, 0, 0, -1));
    const std::string good = Bytes({1}) + "a" + image;
    return {
        {"empty file", "", ParseFault::CountTruncated, 0,
         "die Datei endet vorzeitig in der Anzahl der Einträge"},
        {"inside the count", Bytes({1}), ParseFault::CountTruncated, 0,
         "die Datei endet vorzeitig in der Anzahl der Einträge"},
        {"inside the long count", Bytes({0xFF, 0xFF, 2, 0}), ParseFault::CountTruncated, 0,
         "die Datei endet vorzeitig in der Anzahl der Einträge"},
        {"count larger than data", Bytes({2, 0}) + good, ParseFault::CountTooLarge, 0,
         "die Anzahl der Einträge (2) ist größer, als die Datei Einträge enthalten kann"},
        {"huge count",
         Bytes(
             {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) +
             good,
         ParseFault::CountTooLarge, 0,
         "die Anzahl der Einträge (18446744073709551615) ist größer, als die Datei Einträge "
         "enthalten kann"},
        {"inside a name", Bytes({1, 0, 50}) + "abc" + std::string(34, '\0'),
         ParseFault::EntryMalformed, 1,
         "Eintrag 1 von 1: die Längenangabe eines Namens (50 Bytes) reicht über das Dateiende "
         "hinaus"},
        {"inside the second name", Bytes({2, 0, 40}) + std::string(40, 'n') + image + Bytes({0xFF}),
         ParseFault::NameTruncated, 2, "die Datei endet vorzeitig im Namen von Eintrag 2 von 2"},
        {"inside the second record",
         Bytes({2, 0, 40}) + std::string(40, 'n') + image + Bytes({1, 'b'}) + image.substr(0, 10),
         ParseFault::RecordTruncated, 2,
         "die Datei endet vorzeitig im Datensatz von Eintrag 2 von 2"},
        {"wide name longer than the file", Bytes({1, 0, 0xFF, 0xFE, 0xFF, 40, 0x42, 0}) + image,
         ParseFault::EntryMalformed, 1,
         "Eintrag 1 von 1: die Längenangabe eines Namens (40 Zeichen) reicht über das Dateiende "
         "hinaus"},
    };
}
