#pragma once
// Every French and German text the two programs show, looked up by id. The libraries below
// return codes; the programs choose the words here.
#include <initializer_list>
#include <string>
#include <string_view>

enum class TextId {
    // The string table of the desktop program.
    DocTemplate,
    EarlierCentury,
    MonthRange,
    DayRange,
    HourRange,
    MinuteRange,
    TimeZoneRange,
    TipCalculate,
    TipLayout,
    TipName,
    TipList,
    TipSouthern,
    TipConstZone,
    TipAdd,
    TipDelete,
    TipDeleteAll,
    TipTimeZone,
    AppTitle,
    // The year-range guard of both programs.
    YearRange,
    // Record commands.
    NoName,
    NameNotStorableForm,   // desktop program
    NameNotStorableCli,    // %1: the name
    RecordExistsCli,       // %1: the name
    RecordMissingCli,      // %1: the name
    ReplaceRecordQuestion, // %1: the name
    DeleteRecordQuestion,  // %1: the name
    DeleteAllQuestion,
    NoSelection,
    ProgrammingError,
    ClipboardUnavailable,
    SaveChangesQuestion, // %1: the document's title
    FieldNotInteger,     // %1: the field's label
    // Command-line tool.
    CliBefore1900Hint,
    CliOutputFailed,
    // The names of the three birth types.
    TypeSolar,
    TypeLunar,
    TypeFragezeichen,
    // The results as "vexamo-cli eval" labels them, in the form's order.
    LabelJulian,
    LabelMoon,
    LabelSun,
    LabelMondtag,
    LabelEcart,
    LabelType,
    LabelLastNewMoon,
    LabelFullMoon,
    LabelNextNewMoon,
    LabelBirth,
    // The fields of a record as "vexamo-cli show" prints them, label and separator.
    ShowName,
    ShowYear,
    ShowMonth,
    ShowDay,
    ShowHour,
    ShowMinute,
    ShowSouthern,
    ShowConstZone,
    ShowTimeZone,
    // Record files: the message and its reasons.
    FileNotRead,  // %1: the path, %2: the reason
    FileNotSaved, // %1: the path, %2: the reason
    ErrnoNoEntry,
    ErrnoAccess,
    ErrnoIsDirectory,
    ErrnoNotDirectory,
    ErrnoNoSpace,
    ErrnoReadOnlyFileSystem,
    ErrnoIo,
    ErrnoNoMemory,
    NotRegularFile,
    WriteProtected,
    ArchiveTruncated,
    NameBytesBeyondEnd, // %1: the length
    NameCharsBeyondEnd, // %1: the length
    NameOutsideCp1252,
    NameCharNotCp1252, // %1: four hex digits
    CountTruncated,
    CountTooLarge,           // %1: the count
    NameTruncated,           // %1 of %2: the entry
    RecordTruncated,         // %1 of %2: the entry
    EntryMalformed,          // %1 of %2: the entry, %3: what the archive found
    NameHasNul,              // %1 of %2: the entry
    CliNameControlCharacter, // %1: the name, %2: the character as U+XXXX
    CliFileBusy,             // %1: the file
    CliFileLockFailed,       // %1: the file, %2: the reason
    CliOutOfMemory,
    FieldNotFlag, // %1: the field's name
    FileLockedByOther,
    ErrnoNameTooLong,
    Last = ErrnoNameTooLong,
};

// The text of id.
const char* UserText(TextId id);

// The text of id with "%1", "%2", ... replaced by the arguments in turn.
std::string UserText(TextId id, std::initializer_list<std::string_view> args);
