#pragma once
// What the Linux program's window shows, pinned for the tests of both desktop programs: every
// result text of 500 births (form_births.inc), and the clipboard texts and record files of one
// session on the record list (record_session.inc). Both tables are written from the Qt window by
// tests/ui/desktop_tables_test.cpp (see there to remake them); tests/win/desktop_tables_test.cpp
// requires the same of the Windows program.
#include <cstddef>
#include <iterator>
#include <string>

#include "app/birth_input.h"

// As many texts as the form has result statics (FormResultTexts()).
inline constexpr std::size_t kFormBirthTextCount = 10;

struct FormBirth {
    BirthInput input;
    const char* texts[kFormBirthTextCount]; // of the controls kFormBirthControls, in order
};

#include "tests/desktop/form_births.inc"

static_assert(std::size(kFormBirthControls) == kFormBirthTextCount);

// One record of the session, entered in the form and added with "Ajouter".
struct SessionRecord {
    const char* name; // UTF-8 as typed
    BirthInput input;
};

// The session: the first record is evaluated with "Calculer" (its results stay shown while no
// other record evaluates); into the new document each record is added in this order, "Copier
// tout" is copied and the document saved as a new file. That file's bytes are opened again; each
// name of the list is selected and "Copier" copied (questions answered Yes); then the record of
// kSessionReplaced's name is replaced, kSessionRemoved selected and deleted, kSessionAdded
// added, the file saved and "Copier tout" copied again.
inline const SessionRecord kSessionRecords[] = {
    {"Muster", {20, 3, 2000, 8, 0, -1, false, false}},
    {"muster", {15, 8, 1987, 14, 30, 5, false, true}},
    {"Zo\u00EB", {29, 2, 2024, 23, 59, -2, true, false}},
    {"\u674E\u5C0F\u9F99", {27, 11, 1950, 7, 12, -8, false, false}},
    {"Jose\u0301", {1, 1, 1850, 12, 0, 0, false, true}}, // composed when stored
    {"\u00C6r\u00F8 \u00D8st", {31, 12, -4712, 24, 0, 12, true, true}},
    {"Euro \u20AC", {20, 13, 2000, 8, 5, 1, false, false}}, // month 13: stored unchecked
    {"Fern", {1, 1, 123456, 0, 0, 0, false, false}},        // a year the engine cannot take
    {"Aaron", {1, 10, 1975, 6, 30, 1, true, true}},         // first in the list in any language
    {"Smile \U0001F600", {5, 6, 1968, 3, 7, 4, true, false}},
    {"\u00DCnal", {1, 3, 99999, 0, 0, -12, true, false}},
};
inline const SessionRecord kSessionReplaced = {"Zo\u00EB", {1, 7, 1999, 0, 1, 3, false, true}};
inline const char* const kSessionRemoved = "muster";
inline const SessionRecord kSessionAdded = {"Neu", {1, 1, 2001, 12, 0, 0, false, false}};

// What the Qt program showed during the session.
struct SessionCopy {
    const char* name;     // selected in the list
    const char* messages; // the texts of the boxes shown meanwhile, each followed by a line feed
    const char* text;     // then "Copier"
};

struct RecordSession {
    const char* copyAll;       // "Copier tout" of the records as added
    const char* savedFile;     // the file then saved, in hexadecimal
    const char* openMessages;  // the boxes shown when it is opened again
    const char* const* listed; // the list's names after opening, top to bottom (the first one
                               // is shown; the others' order follows the user's language)
    std::size_t listedCount;
    const SessionCopy* copies; // for each listed name
    std::size_t copyCount;
    const char* changedFile;    // saved after the changes
    const char* changedCopyAll; // and "Copier tout" then
};

#include "tests/desktop/record_session.inc"

// The bytes of a hexadecimal text.
inline std::string BytesOfHex(const char* hex) {
    std::string bytes;
    for (const char* p = hex; p[0] != '\0' && p[1] != '\0'; p += 2) {
        bytes += static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16));
    }
    return bytes;
}
