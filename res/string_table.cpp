#include "res/string_table.h"

#include <array>
#include <cstring>
#include <utility>

#include "astro/birth_input.h"
#include "res/resource_ids.h"

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

constexpr std::array<std::pair<int, const char*>, 18> kStrings{{
    {IDR_MAINFRAME, kDocTemplate},
    {IDS_EARLIER_CENTURY, kMsgEarlierCentury},
    {IDS_MONTH_RANGE, kMsgMonthRange},
    {IDS_DAY_RANGE, kMsgDayRange},
    {IDS_HOUR_RANGE, kMsgHourRange},
    {IDS_MINUTE_RANGE, kMsgMinuteRange},
    {IDS_TIME_ZONE_RANGE, kMsgTimeZoneRange},
    {IDS_TIP_CALCULATE, "Calculer toutes les dates pour cet anniversaire."},
    {IDS_TIP_LAYOUT, "Autres résultats et outils."},
    {IDS_TIP_NAME, "Nom."},
    {IDS_TIP_LIST, "Contenu de la base de données."},
    {IDS_TIP_SOUTHERN, "Cette personne est-elle née dans l'hémisphère sud ?"},
    {IDS_TIP_CONST_ZONE,
     "Konst. Phase 6.6%  oder Phasendiff. eines Mondtages für Fragezeichenbereich"},
    {IDS_TIP_ADD, "Ajouter cette date de naissance dans la base de données."},
    {IDS_TIP_DELETE, "Effacer la personne sélectionnée."},
    {IDS_TIP_DELETE_ALL, "Tout supprimer."},
    {IDS_TIP_TIME_ZONE,
     "Zeitdiff. vom Geburtsort nach Greenwich (London). Hierbei Sommerzeit beachten!"},
    {AFX_IDS_APP_TITLE, "Calcul Orlinde"},
}};

// The document template string split once into its substrings.
struct TemplateParts {
    std::array<std::array<char, 32>, 9> parts{};
    TemplateParts() {
        const char* p = kDocTemplate;
        for (auto& part : parts) {
            const char* end = std::strchr(p, '\n');
            const std::size_t n = end ? static_cast<std::size_t>(end - p) : std::strlen(p);
            std::memcpy(part.data(), p, n < part.size() - 1 ? n : part.size() - 1);
            if (!end) {
                break;
            }
            p = end + 1;
        }
    }
};

} // namespace

const char* LoadResourceString(int id) {
    for (const auto& [key, text] : kStrings) {
        if (key == id) {
            return text;
        }
    }
    return nullptr;
}

const char* DocTemplateSubstring(int index) {
    static const TemplateParts parts;
    if (index < 0 || index >= static_cast<int>(parts.parts.size())) {
        return "";
    }
    return parts.parts[static_cast<std::size_t>(index)].data();
}
