#pragma once
// Why a record file could not be read, parsed or written: codes with their details. The
// programs word them (app/file_messages.h).
#include <cstdint>

// Reading a whole file or replacing it.
struct FileFault {
    enum Kind {
        None,
        Errno,          // errnoValue says what the system refused
        NotRegularFile, // a device, a named pipe, a socket
        WriteProtected, // an existing file without write permission
        LockTimedOut,   // another writer held the file's lock for the whole wait
        OutOfMemory,    // the file or its store does not fit in memory
    };
    Kind kind = None;
    int errnoValue = 0;
};

// An item the archive reader could not take.
struct ArchiveFault {
    enum Kind {
        None,
        Truncated,          // the bytes end within the item
        NameBytesBeyondEnd, // length: an 8-bit name's length in bytes
        NameCharsBeyondEnd, // length: a wide name's length in 16-bit units
    };
    Kind kind = None;
    uint64_t length = 0;
};

// A file image that is not a store.
struct ParseFault {
    enum Kind {
        None,
        CountTruncated,  // the file ends within the entry count
        CountTooLarge,   // count: more entries than the file can hold
        NameTruncated,   // entry of count: the file ends within the name
        RecordTruncated, // entry of count: the file ends within the record
        EntryMalformed,  // entry of count: the name or record is malformed (archive says how)
    };
    Kind kind = None;
    uint64_t count = 0;
    uint64_t entry = 0; // 1-based
    ArchiveFault archive;
};

// A file image that loads but holds more than the program writes: bytes after its last entry
// (a count smaller than the entries that follow, or a file of another kind that happens to
// begin like a store). The programs read it, but do not write over it unasked, which would
// lose the rest.
struct ParseNotice {
    enum Kind {
        None,
        TrailingBytes, // trailingBytes: how many follow the last entry
    };
    Kind kind = None;
    uint64_t trailingBytes = 0;
};

// Opening or saving a document: one of the two is set.
struct DocFault {
    FileFault file;
    ParseFault parse;
};
