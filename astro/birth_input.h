#pragma once
// Range checks of an entered birth moment, shared by the form and the command-line tool.
#include <cstdint>
#include <string>

// Texts of the checks, as the string table holds them (ids 2000 to 2005).
inline constexpr const char* kMsgEarlierCentury = "Calcul pour une date d'un siècle précédent ?";
inline constexpr const char* kMsgMonthRange = "Veuillez entrer un mois entre 1 et 12.";
inline constexpr const char* kMsgDayRange = "Veuillez entrer un jour entre 1 et 31.";
inline constexpr const char* kMsgHourRange = "Veuillez entrer une heure entre 0 et 24";
inline constexpr const char* kMsgMinuteRange = "Veuillez entrer les minutes entre 0 et 59";
inline constexpr const char* kMsgTimeZoneRange =
    "Le fuseau horaire doit être compris entre -12 et 12.";

struct BirthInput {
    int32_t day = 0;
    int32_t month = 0;
    int32_t year = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t timeZone = 0;
};

// True when the year lies before 1900 and the user must be asked whether to go on.
bool NeedsEarlierCenturyQuestion(const BirthInput& in);

// The message of the last failing check among month, day, hour, minute and time difference,
// in that order; empty when all pass. (The year is checked separately: IsSupportedYear and
// NeedsEarlierCenturyQuestion.)
std::string LastRangeMessage(const BirthInput& in);
