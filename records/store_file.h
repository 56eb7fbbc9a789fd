#pragma once
// The file form of the store: the entry count, then per entry the name and the 36-byte
// record image, in the store's iteration order.
#include <cstddef>
#include <string>

#include "records/archive.h"
#include "records/date_store_map.h"
#include "records/faults.h"

void StoreDateStoreMap(ArchiveWriter& ar, const DateStoreMap& store);

// Inserts the archive's entries into store in file order (a later duplicate name replaces
// the earlier record). On failure returns false with the fault; the store then holds the
// entries read so far, so callers load into a fresh store. Memory is taken for the entries the
// bytes hold, never for more that the count claims. On success ar stands after the last entry.
bool LoadDateStoreMap(ArchiveReader& ar, DateStoreMap& store, ParseFault& fault);

// Parses a whole file image. On success the store is replaced and notice, when given, says
// whether bytes follow the last entry (they are not read); on failure the store is untouched.
bool ParseDateStoreFile(const void* data, size_t size, DateStoreMap& store, ParseFault& fault,
                        ParseNotice* notice = nullptr);
