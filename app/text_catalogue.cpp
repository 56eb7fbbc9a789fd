#include "app/text_catalogue.h"

#include <array>
#include <utility>

namespace {

// Nine substrings separated by line feeds: window title, untitled name, type name, filter
// name, extension, registry type id and name, and two that nothing reads.
constexpr const char* kDocTemplate = "Orlinde Berechnung\n"
                                     "Unbenannt\n"
                                     "Orlinde Datensatz\n"
                                     "Dateityp Vexamo (*.dat)\n"
                                     ".dat\n"
                                     "Vexamo.Document.1\n"
                                     "Vexamo Document \n"
                                     "Unbenannt\n"
                                     "Orlinde Dateien    ";

constexpr std::array kTexts = std::to_array<std::pair<TextId, const char*>>({
    {TextId::DocTemplate, kDocTemplate},
    {TextId::EarlierCentury, "Calcul pour une date d'un siècle précédent ?"},
    {TextId::MonthRange, "Veuillez entrer un mois entre 1 et 12."},
    {TextId::DayRange, "Veuillez entrer un jour entre 1 et 31."},
    {TextId::HourRange, "Veuillez entrer une heure entre 0 et 24"},
    {TextId::MinuteRange, "Veuillez entrer les minutes entre 0 et 59"},
    {TextId::TimeZoneRange, "Le fuseau horaire doit être compris entre -12 et 12."},
    {TextId::TipCalculate, "Calculer toutes les dates pour cet anniversaire."},
    {TextId::TipLayout, "Autres résultats et outils."},
    {TextId::TipName, "Nom."},
    {TextId::TipList, "Contenu de la base de données."},
    {TextId::TipSouthern, "Cette personne est-elle née dans l'hémisphère sud ?"},
    {TextId::TipConstZone,
     "Konst. Phase 6.6%  oder Phasendiff. eines Mondtages für Fragezeichenbereich"},
    {TextId::TipAdd, "Ajouter cette date de naissance dans la base de données."},
    {TextId::TipDelete, "Effacer la personne sélectionnée."},
    {TextId::TipDeleteAll, "Tout supprimer."},
    {TextId::TipTimeZone,
     "Zeitdiff. vom Geburtsort nach Greenwich (London). Hierbei Sommerzeit beachten!"},
    {TextId::AppTitle, "Calcul Orlinde"},
    {TextId::YearRange, "Veuillez entrer une année entre -99999 et 99999."},
    {TextId::NoName, "Bitte einen Namen eingeben!"},
    {TextId::NameNotStorableForm,
     "Der Name enthält Zeichen, die sich nicht speichern lassen. Bitte nur Buchstaben des "
     "westeuropäischen Zeichensatzes verwenden."},
    {TextId::NameNotStorableCli,
     "Der Name \u201E%1\u201C enthält Zeichen, die sich nicht in Windows-1252 speichern lassen."},
    {TextId::RecordExistsCli, "Der Datensatz '%1' existiert bereits; --replace ersetzt ihn."},
    {TextId::RecordMissingCli, "Der Datensatz '%1' existiert nicht."},
    {TextId::ReplaceRecordQuestion, "Soll der Datensatz '%1' ersetzt werden?"},
    {TextId::DeleteRecordQuestion, "Soll der Datensatz %1 gelöscht werden?"},
    {TextId::DeleteAllQuestion, "Sollen alle Daten gelöscht werden?"},
    {TextId::NoSelection, "Es ist kein Datensatz selektiert!"},
    {TextId::ProgrammingError, "Ein Programmierfehler der nicht auftreten dürfte."},
    {TextId::ClipboardUnavailable, "Zwischenablage läßt sich nicht öffnen"},
    {TextId::CliBefore1900Hint, "--before-1900 beantwortet diese Frage mit Ja."},
    {TextId::CliOutputFailed, "Die Ausgabe kann nicht geschrieben werden."},
    {TextId::CliNameControlCharacter,
     "Der Name \u201E%1\u201C enthält ein Steuerzeichen (%2) und wird nicht gespeichert."},
    {TextId::CliFileBusy,
     "Die Datei \u201E%1\u201C wird gerade von einem anderen Programm geändert; sie bleibt "
     "unverändert. Bitte später noch einmal versuchen."},
    {TextId::CliFileLockFailed, "Die Datei \u201E%1\u201C kann nicht gesperrt werden: %2."},
    {TextId::CliFileUnreadable, "Die Datei \u201E%1\u201C kann nicht gelesen werden: %2."},
    {TextId::CliOutOfMemory, "Nicht genug Arbeitsspeicher; nichts wurde geändert."},
    {TextId::FieldNotInteger, "Le champ « %1 » doit contenir un nombre entier."},
    {TextId::FieldNotFlag, "Le champ « %1 » doit contenir 0 ou 1."},
});

} // namespace

const char* UserText(TextId id) {
    for (const auto& [key, text] : kTexts) {
        if (key == id) {
            return text;
        }
    }
    return "";
}

std::string UserText(TextId id, std::initializer_list<std::string_view> args) {
    const std::string_view pattern = UserText(id);
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const size_t index = static_cast<size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            text.append(args.begin()[index]);
            ++i;
        } else {
            text.push_back(pattern[i]);
        }
    }
    return text;
}
