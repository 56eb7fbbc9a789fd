#pragma once
// Texts of the "Lieu de naissance" dialog. Placeholders %1, %2... are filled with QString::arg.
//
// Offsets are written "UTC+01:00" (with seconds when there are any: "UTC+00:53:28").

namespace birthplace_texts {

inline constexpr const char* kTitle = "Lieu de naissance";
inline constexpr const char* kSearchLabel = "&Lieu :";
inline constexpr const char* kSearchPlaceholder = "Nom de la ville, par ex. München";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Annuler";

// One place of the list: name, region, country, zone.
inline constexpr const char* kPlaceLine = "%1 — %2";

inline constexpr const char* kTypeToSearch =
    "Tapez le nom du lieu de naissance, puis choisissez-le dans la liste.";
inline constexpr const char* kNoPlaceFound = "Aucun lieu trouvé. Essayez un autre nom ou "
                                             "seulement le début du nom.";
inline constexpr const char* kChoosePlace = "Choisissez un lieu dans la liste.";

// %1 date, %2 time, %3 place.
inline constexpr const char* kMomentAt = "Le %1 à %2 à %3 :";
inline constexpr const char* kSummerTime = "heure d'été";
inline constexpr const char* kStandardTime = "heure normale";
inline constexpr const char* kLocalMeanTime = "temps moyen local";
// %1 offset, %2 abbreviation, %3 summer/standard time.
inline constexpr const char* kOffsetInForce = "%1 (%2), %3.";
// %1 value.
inline constexpr const char* kResult = "Fuseau horaire: %1";

inline constexpr const char* kAmbiguous =
    "Cette heure a eu lieu deux fois : les horloges ont été retardées ce jour-là. "
    "Choisissez s'il s'agit de l'heure d'été (avant le changement) ou de l'heure d'hiver "
    "(après).";
// %1 offset, %2 abbreviation, %3 value.
inline constexpr const char* kChooseSummer = "Heure d'&été : %1 (%2), fuseau horaire %3";
inline constexpr const char* kChooseWinter = "Heure d'&hiver : %1 (%2), fuseau horaire %3";

// %1 offset before, %2 its abbreviation, %3 offset after, %4 its abbreviation.
inline constexpr const char* kNonexistent =
    "Cette heure n'a pas existé : ce jour-là, les horloges sont passées de %1 (%2) à %3 (%4) "
    "et ont sauté l'heure entrée. Vérifiez l'heure de naissance et corrigez-la dans le "
    "formulaire.";

// %1 offset, %2 abbreviation, %3 summer/standard time.
inline constexpr const char* kNotWholeHours =
    "%1 (%2), %3 : ce décalage n'est pas un nombre entier d'heures, et le fuseau horaire "
    "n'accepte que des heures entières. Vous pouvez l'arrondir à l'heure la plus proche, "
    "ou convertir l'heure de naissance en heure de Greenwich et entrer le fuseau horaire 0.";
// %1 rounded value, %2 shift ("6 min 32 s plus tôt").
inline constexpr const char* kRoundChoice =
    "&Arrondir à l'heure la plus proche (fuseau horaire %1) : moment décalé de %2";
inline constexpr const char* kEarlier = "plus tôt";
inline constexpr const char* kLater = "plus tard";
// %1 minutes, %2 seconds.
inline constexpr const char* kMinutes = "%1 min";
inline constexpr const char* kMinutesSeconds = "%1 min %2 s";

// %1 offset, %2 abbreviation, %3 the value it would need.
inline constexpr const char* kOutOfRange =
    "%1 (%2) : il faudrait un fuseau horaire de %3, hors de l'intervalle de -12 à 12 que le "
    "formulaire accepte. Convertissez l'heure de naissance en heure de Greenwich et entrez le "
    "fuseau horaire 0.";

// %1 zone name.
inline constexpr const char* kUnknownZone =
    "Le fuseau « %1 » de ce lieu est absent de la base des fuseaux horaires de ce système. "
    "Entrez le fuseau horaire vous-même.";
inline constexpr const char* kNoZoneData =
    "La base des fuseaux horaires ne couvre pas cette date. Entrez le fuseau horaire "
    "vous-même.";

} // namespace birthplace_texts
