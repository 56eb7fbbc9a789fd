#pragma once
// Every text the two programs show, looked up by id. The libraries below return codes; the
// programs choose the words here. Each text is the window's own (French or German, as the
// window shows it); vexamo-cli's messages and help also have an English text, through which
// they are translated into the user's language (app/message_language.h).
#include <initializer_list>
#include <span>
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
    NameNotStorable,       // %1: the name (malformed bytes as U+FFFD), %2: first bad byte (1-based)
    NameControlCharacter,  // %1: the name, %2: the character as U+XXXX
    RecordExists,          // %1: the name
    RecordMissing,         // %1: the name
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
    ErrnoNameTooLong,
    FileLockedByOther,
    NotRegularFile,
    WriteProtected,
    ArchiveTruncated,
    NameBytesBeyondEnd, // %1: the length
    NameCharsBeyondEnd, // %1: the length
    NameOutsideCp1252,
    NameCharNotCp1252, // %1: four hex digits
    CountTruncated,
    CountTooLarge,   // %1: the count
    NameTruncated,   // %1 of %2: the entry
    RecordTruncated, // %1 of %2: the entry
    EntryMalformed,  // %1 of %2: the entry, %3: what the archive found
    // Record files of the desktop program.
    FileChangedOnDiskQuestion, // %1: the path
    // The desktop program's own texts beside its string table.
    LayoutExtendedOffer, // the layout button while the simple layout is shown
    LayoutSimpleOffer,   // the layout button while the extended layout is shown
    RecordsLoading,      // %1: how many records
    DiagramDescription,  // %1: the birth moment, %2: the Moon's phase, %3: the Sun's phase
    ViewErrorCaption,
    DesktopHelp,
    DesktopVersion,
    // The "Lieu de naissance" dialog. Offsets are written "UTC+01:00" (with seconds when there
    // are any: "UTC+00:53:28").
    PlaceTitle,
    PlaceSearchLabel,
    PlaceSearchHint,
    ButtonOk, // also the OK button of the message boxes
    PlaceCancel,
    PlaceLine, // %1: name, region, country; %2: the zone
    PlaceTypeToSearch,
    PlaceNoneFound,
    PlaceListMissing, // %1: the place table's file
    PlaceListDamaged, // %1: the place table's file
    PlaceChoose,
    PlaceMomentAt,      // %1: date, %2: time, %3: place
    PlaceMomentInZone,  // %1: date, %2: time, %3: zone chosen by name
    PlaceOffsetInForce, // %1: offset, abbreviation and summer or standard time
    PlaceResult,        // %1: the value
    PlaceAmbiguous,
    PlaceChooseSummer,      // %1: offset and abbreviation, %2: the value
    PlaceChooseWinter,      // %1: offset and abbreviation, %2: the value
    PlaceNonexistent,       // %1, %2: offset and abbreviation before and after
    PlaceNotWholeHours,     // %1: offset, abbreviation and summer or standard time
    PlaceRoundChoice,       // %1: the rounded value, %2: the shift ("6 min 32 s plus tôt")
    PlaceOutOfRange,        // %1: offset and abbreviation, %2: the value it would need
    PlaceUnknownZone,       // %1: the zone of a place
    PlaceUnknownChosenZone, // %1: the zone chosen by name
    PlaceZoneLabel,
    PlaceZoneHint,
    PlaceNoZoneFound,
    PlaceNoZoneData,
    CliDstHint,
    CliRoundHint,
    // The time difference from a birthplace or a zone.
    ZoneLabelPlace,
    ZoneLabelZone,
    ZoneLabelOffset,
    ZoneLabelTimeDifference,
    ZoneSummerTime,
    ZoneStandardTime,
    ZoneLocalMeanTime,
    ZoneOffsetShort,       // %1 offset, %2 abbreviation
    ZoneOffsetDescription, // %1 offset and abbreviation, %2 summer/standard time
    ZoneNonexistent,       // %1, %2: the offsets before and after the gap
    ZoneAmbiguous,         // %1, %2: the offsets of the first and second occurrence
    ZoneNotWholeHours,     // %1 offset, %2 rounded value, %3 shift
    ZoneOutOfRange,        // %1 offset, %2 the value it would need
    ZoneUnknownPlace,      // %1 the name
    ZoneUnknownZone,       // %1 the zone
    ZoneDateNotCovered,    // %1 the zone
    ZoneSeveralPlaces,     // %1 the name, %2 the place taken
    ZoneRounded,           // %1 shift
    ZoneShiftEarlier,      // %1 duration
    ZoneShiftLater,        // %1 duration
    ZoneMinutes,           // %1 minutes
    ZoneMinutesSeconds,    // %1 minutes, %2 seconds
    CliFileBusy,           // %1: the file
    CliFileLockFailed,     // %1: the file, %2: the reason
    CliOutOfMemory,
    FieldNotFlag, // %1: the field's name
    // A birthplace's own local mean time, before its zone's first standard time.
    PlaceMeanTime,      // %1: the place's name
    PlaceMeanTimeVowel, // the same for a name that begins with a vowel
    // Printed sheets and diagram pictures.
    SheetSouthern, // the check box texts as a ticked option reads on the sheet
    SheetConstZone,
    SheetOptions,   // label of the ticked options
    SheetPhasesUtc, // the note under the phase moments
    SheetFooter,    // %1: the program's version, %2: the date printed
    SheetAxisPhase, // the diagram's vertical axis
    SheetAxisDays,  // the diagram's horizontal axis
    SheetLegendSun,
    SheetLegendMoon,
    SheetNoOptions,     // no option ticked
    CliSheetFormats,    // %1: the formats (extensions) a command writes
    CliSheetMissing,    // %1: the program that draws
    CliSheetNoTerminal, // a picture or PDF is not written to a terminal
    CliSheetScale,      // %1: the value given
    CliSheetOutputRequired,
    CliSheetNameAndFile,
    CliSheetFileOneName,
    CliSheetBirthOptionWithFile, // %1: the option
    // The system's time-zone database.
    ZoneDataDamaged, // %1: the zone
    // The zone files the Windows program ships beside it.
    ZoneFilesDamaged,   // %1: the zone
    SheetPdfFilter,     // the file chooser's filter for PDF files
    SheetNoRecords,     // "export all" with an empty record file
    SheetRecordRefused, // %1: the record's name, %2: why the form refuses it
    PrintFailed,
    PdfPrinterMissing, // %1: the printer that writes PDF files, which is not installed
    PreviewTitle,      // the print preview window
    PreviewPrint,
    PreviewClose,
    // "Export all" and the records before 1900.
    SheetEarlierRecords,      // %1: how many of %2 records are before 1900; Yes, No or Cancel
    SheetPagesWritten,        // %1: the pages written to the file
    SheetPagesWrittenWithout, // %1: the pages written, %2: the records before 1900 left out
    SheetOnlyEarlierRecords,  // every record is before 1900 and they were left out
    // The form's time difference explained: %1 the value, %2 the offset it means.
    TimeDifferenceMeaning,
    // The buttons of the desktop program's message boxes (beside ButtonOk).
    ButtonYes,
    ButtonNo,
    ButtonCancel,
    // Undo and redo, find, credits of the desktop program; the credits line of vexamo-cli.
    ActionAdd, // the actions as undo and redo name them
    ActionDelete,
    ActionDeleteAll,
    UndoCommand,    // %1: the action
    RedoCommand,    // %1: the action
    UndoNothing,    // nothing to undo
    RedoNothing,    // nothing to redo
    DeleteAllOne,   // "Tout supprimer" with one record
    DeleteAllCount, // %1: how many records
    FindTitle,
    FindLabel,
    FindNext,
    FindClose,
    FindNotFound, // %1: what was searched
    FindWrapped,  // the search went on from the top of the list
    FindMatch,    // %1: the row, %2: how many rows
    CreditsTitle,
    CreditsText,    // %1 version, %2 licence, %3 place data, %4 its licence, %5 its library,
                    // %6 zone data, %7 toolkit and its version
    CliCreditsLine, // the same arguments as CreditsText
    // Usage errors and CSV input of the command-line tool.
    CliUsageHint,
    CliMissingCommand,
    CliUnknownCommand,         // %1: the word
    CliUnknownOption,          // %1: the argument
    CliOptionNeedsValue,       // %1: the option
    CliNotInteger,             // %1: the option or DAY..MINUTE, %2: the value
    CliOptionExpectsNumber,    // %1: the option
    CliOptionExpectsNumberNot, // %1: the option, %2: its value
    CliBirthValueCount,        // %1: how many
    CliAddValueCount,
    CliOneZoneSource,
    CliDstExclusive,
    CliTzExcludes, // %1: place or zone
    CliZoneChoiceNeedsSource,
    CliExpects,      // %1: the words, e.g. FILE NAME
    CliFormatChoice, // %1: the formats, %2: the value
    CliExpectedQuery,
    CliExpectedZoneSource,
    CliLineMessage, // %1: the line, %2: the message
    CsvFieldCount,  // %1, %2: counts
    CsvNoHeader,
    CsvColumnTwice,   // %1: the column
    CsvColumnMissing, // %1: the column
    CsvQuoteMisplaced,
    CsvQuoteNotClosed,

    // CSV dialects and the checks of the CSV input.
    CsvColumnsAccepted,   // %1: the columns not known, %2: the accepted names
    CsvNamesAccepted,     // %1: the accepted names
    CsvColumnReserved,    // %1: the column
    CsvReadAsCp1252,      // %1: the file's name, or "-"
    StdinNotRead,         // %1: the reason
    CsvDelimiterChoice,   // %1: the value
    CsvImportControlName, // after NameControlCharacter in import
    // Output targets, the end of the drawing program and file size limits.
    ErrnoFileTooLarge,
    CliOutputFailedBecause,    // %1: the reason
    CliSheetNotStarted,        // %1: the program, %2: the reason
    SheetStartNoProcess,       // why a program cannot be started: EAGAIN
    CliSheetLibraryMissing,    // %1: the program, %2: the library
    CliSheetLibrariesMissing,  // %1: the program
    CliSheetOutOfMemory,       // %1: the program
    CliSheetSignal,            // %1: the program, %2: the signal's name, %3: what it means
    SignalMemoryAccess,        // SIGSEGV, SIGBUS
    SignalKilled,              // SIGKILL
    SignalFileSize,            // SIGXFSZ
    SignalAborted,             // SIGABRT
    SignalOther,               // any other signal
    CliSheetEndedUnexpectedly, // %1: the program, %2: its exit status
    // Record files with bytes after their last entry: read, but not written over unasked.
    TrailingByte,              // one byte follows the last entry
    TrailingBytes,             // %1: how many bytes follow the last entry
    CliNotRecordFileRefused,   // %1: the file, %2: TrailingByte(s)
    CliNotRecordFileWarning,   // %1: the file, %2: TrailingByte(s)
    NotRecordFileOpened,       // %1: the file, %2: TrailingByte(s)
    NotRecordFileSaveQuestion, // %1: the file, %2: TrailingByte(s)
    // Places and zone names: the places beyond those listed, the zones near an unknown one.
    PlacesMore,          // %1: how many more (CountText), two or more
    PlacesOneMore,       // one more
    ZoneSuggestions,     // %1: the zone names, separated by ", "
    CountGroupSeparator, // between groups of three digits in a count (CountText)
    // The CSV input: wide headers, one decoding per input, standard input.
    CsvMoreColumns,     // %1: the columns listed, %2: how many more
    CsvEncodingChanged, // after "line N: ", when a stream turns out not to be UTF-8
    StdinWriteOnly,     // the reason of StdinNotRead
    // The spreadsheet dialect of batch, import and export.
    CliSpreadsheetCsvOnly, // %1: the format asked for
    // Autumn's repeated hour in batch and import rows.
    CsvDstHint, // after the question of a time that occurs twice; %1: the dst column's name
    // vexamo-cli's own words where the window has its own: the lines of "zone" and the offsets
    // in its messages.
    CliZonePlaceLine,          // %1: the place
    CliZoneZoneLine,           // %1: the zone
    CliZoneOffsetLine,         // %1: the offset, its abbreviation and what it is
    CliZoneTimeDifferenceLine, // %1: the value
    CliZoneSummerTime,
    CliZoneStandardTime,
    CliZoneLocalMeanTime,      // a zone's own local mean time, that of its city
    CliZonePlaceMeanTime,      // %1: the place whose own mean time it is
    CliZonePlaceMeanTimeVowel, // the same for a name that begins with a vowel
    // Lists in a message: "png and svg", "csv, tsv or jsonl".
    CliListAnd, // %1: the items but the last, separated by ", ", %2: the last
    CliListOr,  // the same
    // Usage errors and the CSV input.
    CliOptionOneOrMore,   // %1: the option, %2: the value given
    CliAtMostOneFile,     // batch with more than one input
    CsvZoneColumnsFilled, // %1, %2: two of the columns tz, place and zone, as the header names them
    CliTzInstead,         // after a zone unknown or not covered, where --tz is an option
    CsvTzInstead,         // the same for a CSV row; %1: the tz column's name
    CliTwoClauses,        // %1, %2: two clauses of one message
    CliQuotedName,        // %1: a name from the user's input
    // The help of the command-line tool (its English only, translated).
    CliUsageTitle,
    CliUsageNotes,
    Last = CliUsageNotes,
};

// Zone data that cannot be read: what the user can do depends on where the files come from, the
// system's package on Linux, the program's own installation on Windows.
inline constexpr TextId kZoneDamagedText =
#ifdef _WIN32
    TextId::ZoneFilesDamaged;
#else
    TextId::ZoneDataDamaged;
#endif

// The text of id: the catalogue's own, or for a message of vexamo-cli while its language is in
// force (UseMessageLanguage) the translation for the user's locale.
const char* UserText(TextId id);

// Whether id is a message or help text of vexamo-cli, and so has an English text.
bool IsCliMessage(TextId id);

// The text of id with "%1", "%2", ... replaced by the arguments in turn.
std::string UserText(TextId id, std::initializer_list<std::string_view> args);
// The same for arguments gathered at run time.
std::string UserText(TextId id, std::span<const std::string_view> args);
