#pragma once
// Little-endian archive of the ".dat" files: counts, names, 32-bit integers and raw bytes. The
// writer appends to a byte buffer; the reader works over bytes already in memory and checks every
// length against what is left before it takes or allocates anything.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/faults.h"
#include "records/name_key.h"

class ArchiveWriter {
  public:
    // Entry count: below 0xFFFF one 16-bit word; else the word 0xFFFF and a 32-bit count
    // (below 0xFFFFFFFF), else also the 32-bit 0xFFFFFFFF and a 64-bit count.
    void WriteCount(uint64_t count);
    // 8-bit string: a length prefix, then the bytes without terminator. The prefix is one byte
    // below 255; else 0xFF and a 16-bit length below 0xFFFE; else 0xFF, 0xFFFF and a 32-bit
    // length below 0xFFFFFFFF; else 0xFF, 0xFFFF, 0xFFFFFFFF and a 64-bit length.
    void WriteString(std::string_view text);
    // A name: an 8-bit key as an 8-bit string; a wide key as the byte 0xFF, the word 0xFFFE,
    // the same length prefix counting 16-bit units, then the units low byte first.
    void WriteName(NameKeyView name);
    void WriteInt32(int32_t value);
    void WriteUInt16(uint16_t value);
    void WriteUInt32(uint32_t value);
    void WriteUInt64(uint64_t value);
    void Write(const void* data, size_t size);
    // Room for this many bytes in all, so that a large file is built without reallocation.
    void Reserve(size_t size) { m_bytes.reserve(size); }

    const std::string& Bytes() const { return m_bytes; }
    std::string& Bytes() { return m_bytes; }

  private:
    void WriteLength(uint64_t length);

    std::string m_bytes;
};

class ArchiveReader {
  public:
    ArchiveReader(const void* data, size_t size)
        : m_pData(static_cast<const unsigned char*>(data)), m_nSize(size) {}

    // Each returns false, leaving the position where the failing item began, when the bytes
    // run out or are malformed; Fault() then says why.
    bool ReadCount(uint64_t& count);
    // A name in either form (see WriteName). A wide name whose every unit is a character
    // with a Windows-1252 byte gives the 8-bit key; any other keeps its units exactly.
    bool ReadName(NameKey& name);
    // Passes over a name as ReadName would take it, failing where ReadName fails.
    bool SkipName();
    bool ReadInt32(int32_t& value);
    bool ReadUInt8(uint8_t& value);
    bool ReadUInt16(uint16_t& value);
    bool ReadUInt32(uint32_t& value);
    bool ReadUInt64(uint64_t& value);
    bool Read(void* data, size_t size);
    // Passes over size bytes.
    bool Skip(size_t size);

    size_t Remaining() const { return m_nSize - m_nPos; }
    size_t Position() const { return m_nPos; }
    const ArchiveFault& Fault() const { return m_fault; }
    // Whether the last failure was the end of the bytes (rather than a malformed item).
    bool Truncated() const { return m_fault.kind == ArchiveFault::Truncated; }

  private:
    // Where a name's bytes (8-bit) or units (wide, two bytes each) lie.
    struct NameSpan {
        const unsigned char* data = nullptr;
        size_t size = 0;
        bool wide = false;
    };
    bool TakeName(NameSpan& span);
    bool Fail(ArchiveFault fault, size_t restorePos);
    bool ReadLengthAfterByte(uint8_t first, uint64_t& length);

    const unsigned char* m_pData;
    size_t m_nSize;
    size_t m_nPos = 0;
    ArchiveFault m_fault;
};
