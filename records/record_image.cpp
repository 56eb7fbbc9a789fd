#include "records/record_image.h"

void SerializeRecord(ArchiveWriter& ar, const VXDateStore& record) {
    ar.WriteInt32(record.m_nYear);
    ar.WriteInt32(record.m_nMonth);
    ar.WriteInt32(record.m_nDay);
    ar.WriteInt32(record.m_nHour);
    ar.WriteInt32(record.m_nMinute);
    ar.WriteInt32(record.m_bSouthern);
    ar.WriteInt32(record.m_bConstZone);
    ar.WriteInt32(record.m_nTimeZone);
}

bool DeserializeRecord(ArchiveReader& ar, VXDateStore& record) {
    if (ar.Remaining() < kRecordFieldsSize) {
        return ar.Read(nullptr, kRecordFieldsSize); // reports the truncation
    }
    VXDateStore read;
    ar.ReadInt32(read.m_nYear);
    ar.ReadInt32(read.m_nMonth);
    ar.ReadInt32(read.m_nDay);
    ar.ReadInt32(read.m_nHour);
    ar.ReadInt32(read.m_nMinute);
    ar.ReadInt32(read.m_bSouthern);
    ar.ReadInt32(read.m_bConstZone);
    ar.ReadInt32(read.m_nTimeZone);
    record = read;
    return true;
}

void WriteRecordImage(ArchiveWriter& ar, const VXDateStore& record) {
    ar.WriteUInt32(kRecordImageTag);
    SerializeRecord(ar, record);
}

bool ReadRecordImage(ArchiveReader& ar, VXDateStore& record) {
    if (ar.Remaining() < kRecordImageSize) {
        return ar.Read(nullptr, kRecordImageSize); // reports the truncation
    }
    uint32_t tag = 0;
    ar.ReadUInt32(tag);
    return DeserializeRecord(ar, record);
}
