#pragma once
// What one printed sheet says about one birth: every text in the order it is printed, the type
// picture's id and what the diagram is drawn from. Built from the entered values, so that the
// window, the command line and a record file give the same sheet.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/birth_input.h"
#include "app/zone_resolution.h"

// One "label : text" line.
struct SheetLine {
    std::string label; // with its colon, as on the form: "Lune :"
    std::string text;
};

struct SheetBirth {
    std::string name; // UTF-8; empty when the birth has none
    BirthInput input; // must pass the form's checks
    // The birthplace or zone the time difference came from, when it came from one.
    std::optional<ZoneResolution> zone;
};

struct SheetContent {
    std::string title;
    std::string name;
    SheetLine birth;                 // the birth moment as entered (local time)
    std::vector<SheetLine> timeZone; // "Fuseau horaire", then place, zone and offset when given
    SheetLine options;               // the ticked check boxes' texts
    std::string typeName;            // "Solar", "Lunar", "Fragezeichen"
    int32_t typeBitmap = 0;          // the type picture's resource id
    std::vector<SheetLine> results;  // Lune, Mondtag, Soleil, Ecart, Calendrier Julien
    std::vector<SheetLine> phases;   // the three phase moments
    std::string phaseNote;           // that phase moments are Universal Time
    double centre = 0.0;             // the diagram's centre (Julian date of the birth)
    int32_t southern = 0;            // the diagram's hemisphere flag
    std::string footer;
};

// The sheet of a birth; printedOn is the date of printing as it is to be shown.
SheetContent MakeSheetContent(const SheetBirth& birth, const std::string& printedOn);

// Every text of the sheet, in the order printed (for searching and tests).
std::vector<std::string> SheetTexts(const SheetContent& sheet);
