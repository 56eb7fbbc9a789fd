#include "records/archive.h"

namespace {

const ArchiveFault kTruncated{ArchiveFault::Truncated, 0};

} // namespace

void ArchiveWriter::WriteUInt16(uint16_t value) {
    m_bytes.push_back(static_cast<char>(value & 0xFF));
    m_bytes.push_back(static_cast<char>(value >> 8));
}

void ArchiveWriter::WriteUInt32(uint32_t value) {
    char bytes[4];
    for (int k = 0; k < 4; ++k) {
        bytes[k] = static_cast<char>((value >> (8 * k)) & 0xFF);
    }
    m_bytes.append(bytes, sizeof bytes);
}

void ArchiveWriter::WriteUInt64(uint64_t value) {
    char bytes[8];
    for (int k = 0; k < 8; ++k) {
        bytes[k] = static_cast<char>((value >> (8 * k)) & 0xFF);
    }
    m_bytes.append(bytes, sizeof bytes);
}

void ArchiveWriter::WriteInt32(int32_t value) {
    WriteUInt32(static_cast<uint32_t>(value));
}

void ArchiveWriter::Write(const void* data, size_t size) {
    m_bytes.append(static_cast<const char*>(data), size);
}

void ArchiveWriter::WriteCount(uint64_t count) {
    if (count < 0xFFFF) {
        WriteUInt16(static_cast<uint16_t>(count));
        return;
    }
    WriteUInt16(0xFFFF);
    if (count < 0xFFFFFFFF) {
        WriteUInt32(static_cast<uint32_t>(count));
        return;
    }
    WriteUInt32(0xFFFFFFFF);
    WriteUInt64(count);
}

void ArchiveWriter::WriteLength(uint64_t length) {
    if (length < 0xFF) {
        m_bytes.push_back(static_cast<char>(length));
        return;
    }
    m_bytes.push_back(static_cast<char>(0xFF));
    if (length < 0xFFFE) {
        WriteUInt16(static_cast<uint16_t>(length));
        return;
    }
    WriteUInt16(0xFFFF);
    if (length < 0xFFFFFFFF) {
        WriteUInt32(static_cast<uint32_t>(length));
        return;
    }
    WriteUInt32(0xFFFFFFFF);
    WriteUInt64(length);
}

void ArchiveWriter::WriteString(std::string_view text) {
    WriteLength(text.size());
    m_bytes.append(text);
}

void ArchiveWriter::WriteName(NameKeyView name) {
    if (!name.IsWide()) {
        WriteString(name.Bytes());
        return;
    }
    m_bytes.push_back(static_cast<char>(0xFF));
    WriteUInt16(0xFFFE);
    WriteLength(name.UnitCount());
    m_bytes.append(name.Bytes());
}

bool ArchiveReader::Fail(ArchiveFault fault, size_t restorePos) {
    m_fault = fault;
    m_nPos = restorePos;
    return false;
}

bool ArchiveReader::Read(void* data, size_t size) {
    if (Remaining() < size) {
        return Fail(kTruncated, m_nPos);
    }
    if (size > 0) {
        const unsigned char* from = m_pData + m_nPos;
        auto* to = static_cast<unsigned char*>(data);
        for (size_t i = 0; i < size; ++i) {
            to[i] = from[i];
        }
    }
    m_nPos += size;
    return true;
}

bool ArchiveReader::Skip(size_t size) {
    if (Remaining() < size) {
        return Fail(kTruncated, m_nPos);
    }
    m_nPos += size;
    return true;
}

bool ArchiveReader::ReadUInt8(uint8_t& value) {
    if (Remaining() < 1) {
        return Fail(kTruncated, m_nPos);
    }
    value = m_pData[m_nPos++];
    return true;
}

bool ArchiveReader::ReadUInt16(uint16_t& value) {
    if (Remaining() < 2) {
        return Fail(kTruncated, m_nPos);
    }
    value = static_cast<uint16_t>(m_pData[m_nPos] | (m_pData[m_nPos + 1] << 8));
    m_nPos += 2;
    return true;
}

bool ArchiveReader::ReadUInt32(uint32_t& value) {
    if (Remaining() < 4) {
        return Fail(kTruncated, m_nPos);
    }
    value = 0;
    for (int k = 3; k >= 0; --k) {
        value = (value << 8) | m_pData[m_nPos + static_cast<size_t>(k)];
    }
    m_nPos += 4;
    return true;
}

bool ArchiveReader::ReadUInt64(uint64_t& value) {
    if (Remaining() < 8) {
        return Fail(kTruncated, m_nPos);
    }
    value = 0;
    for (int k = 7; k >= 0; --k) {
        value = (value << 8) | m_pData[m_nPos + static_cast<size_t>(k)];
    }
    m_nPos += 8;
    return true;
}

bool ArchiveReader::ReadInt32(int32_t& value) {
    uint32_t raw = 0;
    if (!ReadUInt32(raw)) {
        return false;
    }
    value = static_cast<int32_t>(raw);
    return true;
}

bool ArchiveReader::ReadCount(uint64_t& count) {
    const size_t start = m_nPos;
    uint16_t word = 0;
    if (!ReadUInt16(word)) {
        return Fail(kTruncated, start);
    }
    if (word != 0xFFFF) {
        count = word;
        return true;
    }
    uint32_t dword = 0;
    if (!ReadUInt32(dword)) {
        return Fail(kTruncated, start);
    }
    if (dword != 0xFFFFFFFF) {
        count = dword;
        return true;
    }
    if (!ReadUInt64(count)) {
        return Fail(kTruncated, start);
    }
    return true;
}

// The rest of a length prefix whose first byte has been read. A word 0xFFFE right after the
// first byte of an 8-bit prefix is the wide-string marker; the caller tells it from a length.
bool ArchiveReader::ReadLengthAfterByte(uint8_t first, uint64_t& length) {
    if (first < 0xFF) {
        length = first;
        return true;
    }
    uint16_t word = 0;
    if (!ReadUInt16(word)) {
        return false;
    }
    if (word < 0xFFFF) {
        length = word;
        return true;
    }
    uint32_t dword = 0;
    if (!ReadUInt32(dword)) {
        return false;
    }
    if (dword < 0xFFFFFFFF) {
        length = dword;
        return true;
    }
    return ReadUInt64(length);
}

bool ArchiveReader::TakeName(NameSpan& span) {
    const size_t start = m_nPos;
    uint8_t first = 0;
    uint64_t length = 0;
    if (!ReadUInt8(first) || !ReadLengthAfterByte(first, length)) {
        return Fail(kTruncated, start);
    }
    span.wide = first == 0xFF && length == 0xFFFE && m_nPos - start == 3;
    if (!span.wide) {
        if (length > Remaining()) {
            return Fail({ArchiveFault::NameBytesBeyondEnd, length}, start);
        }
        span.data = m_pData + m_nPos;
        span.size = static_cast<size_t>(length);
        m_nPos += span.size;
        return true;
    }

    if (!ReadUInt8(first) || !ReadLengthAfterByte(first, length)) {
        return Fail(kTruncated, start);
    }
    if (length > Remaining() / 2) {
        return Fail({ArchiveFault::NameCharsBeyondEnd, length}, start);
    }
    span.data = m_pData + m_nPos;
    span.size = static_cast<size_t>(length) * 2;
    m_nPos += span.size;
    return true;
}

bool ArchiveReader::ReadName(NameKey& name) {
    NameSpan span;
    if (!TakeName(span)) {
        return false;
    }
    const std::string_view bytes{reinterpret_cast<const char*>(span.data), span.size};
    if (span.wide) {
        name.AssignUtf16Bytes(bytes);
    } else {
        name.AssignCp1252(bytes);
    }
    return true;
}

bool ArchiveReader::SkipName() {
    NameSpan span;
    return TakeName(span);
}
