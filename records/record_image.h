#pragma once
// The byte forms of one birth record.
#include <cstddef>
#include <cstdint>

#include "records/archive.h"
#include "records/vx_date_store.h"

// Tag written into the first four bytes of every record image in a ".dat" file. Readers
// ignore these bytes, so files carrying any other tag load the same.
inline constexpr uint32_t kRecordImageTag = 0x00000001;
inline constexpr size_t kRecordImageSize = 36;
inline constexpr size_t kRecordFieldsSize = 32;

// The eight fields in declaration order as 32-bit integers (32 bytes).
void SerializeRecord(ArchiveWriter& ar, const VXDateStore& record);
bool DeserializeRecord(ArchiveReader& ar, VXDateStore& record);

// The 36-byte image of the ".dat" files: the tag, then the eight fields.
void WriteRecordImage(ArchiveWriter& ar, const VXDateStore& record);
bool ReadRecordImage(ArchiveReader& ar, VXDateStore& record);
