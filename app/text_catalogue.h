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
    // Command-line tool.
    CliBefore1900Hint,
    CliOutputFailed,
    CliNameControlCharacter, // %1: the name, %2: the character as U+XXXX
    CliFileBusy,             // %1: the file
    CliFileLockFailed,       // %1: the file, %2: the reason
    CliOutOfMemory,
    CliFileUnreadable, // %1: the file, %2: the reason
    FieldNotInteger,   // %1: the field's name
    FieldNotFlag,      // %1: the field's name
};

// The text of id.
const char* UserText(TextId id);

// The text of id with "%1", "%2", ... replaced by the arguments in turn.
std::string UserText(TextId id, std::initializer_list<std::string_view> args);
