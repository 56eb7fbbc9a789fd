#include "app/text_catalogue.h"

#include <array>

#include "app/message_language.h"
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

constexpr const char* kDesktopHelp =
    "Usage: vexamo [FILE.dat]\n"
    "       vexamo -- FILE.dat\n"
    "Calcul Orlinde: the Moon phase, the Sun phase and the type of a moment of birth,\n"
    "with the lunation around it and a diagram of both curves over four days.\n"
    "Named persons are kept in \".dat\" record files.\n"
    "\n"
    "Arguments:\n"
    "  FILE.dat       open this record file at start; the program ends when the\n"
    "                 file cannot be read; after \"--\" a name starting with \"-\"\n"
    "                 is a file too\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "Qt's own options are accepted as well, for example -platform NAME, -style NAME.\n"
    "The tool vexamo-cli evaluates birth moments and edits record files without a\n"
    "window.\n";

constexpr const char* kDesktopVersion =
    "vexamo 1.0\n"
    "Copyright (C) 2026 the Vexamo developers.\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

constexpr std::array kTexts = std::to_array<std::pair<TextId, const char*>>({
    {TextId::DocTemplate, kDocTemplate},
    {TextId::EarlierCentury, "Calcul pour une date d'un siècle précédent ?"},
    {TextId::MonthRange, "Veuillez entrer un mois entre 1 et 12."},
    {TextId::DayRange, "Veuillez entrer un jour entre 1 et %1."},
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
    {TextId::NameNotStorable,
     "Der Name \u201E%1\u201C ist kein gültiges UTF-8 (ungültiges Byte an Stelle %2)."},
    {TextId::NameControlCharacter,
     "Der Name \u201E%1\u201C enthält ein Steuerzeichen (%2) und wird nicht gespeichert."},
    {TextId::RecordExists, "Der Datensatz '%1' existiert bereits; --replace ersetzt ihn."},
    {TextId::RecordMissing,
     "Der Datensatz '%1' existiert nicht; list zeigt die gespeicherten Namen."},
    {TextId::ReplaceRecordQuestion, "Soll der Datensatz '%1' ersetzt werden?"},
    {TextId::DeleteRecordQuestion, "Soll der Datensatz %1 gelöscht werden?"},
    {TextId::DeleteAllQuestion, "Sollen alle Daten gelöscht werden?"},
    {TextId::NoSelection, "Es ist kein Datensatz selektiert!"},
    {TextId::ProgrammingError, "Ein Programmierfehler der nicht auftreten dürfte."},
    {TextId::ClipboardUnavailable, "Zwischenablage läßt sich nicht öffnen"},
    {TextId::SaveChangesQuestion, "Änderungen an %1 speichern?"},
    {TextId::FieldNotInteger, "Le champ « %1 » doit contenir un nombre entier."},
    {TextId::CliBefore1900Hint, "--before-1900 beantwortet diese Frage mit Ja."},
    {TextId::CliOutputFailed, "Die Ausgabe kann nicht geschrieben werden."},
    {TextId::TypeSolar, "Solar"},
    {TextId::TypeLunar, "Lunar"},
    {TextId::TypeFragezeichen, "Fragezeichen"},
    {TextId::LabelJulian, "Calendrier Julien"},
    {TextId::LabelMoon, "Lune"},
    {TextId::LabelSun, "Soleil"},
    {TextId::LabelMondtag, "Mondtag"},
    {TextId::LabelEcart, "Ecart"},
    {TextId::LabelType, "Type"},
    {TextId::LabelLastNewMoon, "Der. nouv. lune"},
    {TextId::LabelFullMoon, "Pleine lune"},
    {TextId::LabelNextNewMoon, "Proch. nouv. lune"},
    {TextId::LabelBirth, "Naissance"},
    {TextId::ShowName, "Nom : "},
    {TextId::ShowYear, "Année : "},
    {TextId::ShowMonth, "Mois : "},
    {TextId::ShowDay, "Jour : "},
    {TextId::ShowHour, "Heure : "},
    {TextId::ShowMinute, "Minute : "},
    {TextId::ShowSouthern, "Hémisphère Sud : "},
    {TextId::ShowConstZone, "Zone indéfinie constante : "},
    {TextId::ShowTimeZone, "Fuseau horaire : "},
    {TextId::FileNotRead, "Die Datei \u201E%1\u201C kann nicht gelesen werden: %2."},
    {TextId::FileNotSaved, "Die Datei \u201E%1\u201C kann nicht gespeichert werden: %2."},
    {TextId::ErrnoNoEntry, "die Datei oder der Ordner existiert nicht"},
    {TextId::ErrnoAccess, "keine Berechtigung"},
    {TextId::ErrnoIsDirectory, "es ist ein Ordner, keine Datei"},
    {TextId::ErrnoNotDirectory, "ein Teil des Pfades ist kein Ordner"},
    {TextId::ErrnoNoSpace, "kein Speicherplatz mehr frei"},
    {TextId::ErrnoReadOnlyFileSystem, "das Dateisystem ist schreibgeschützt"},
    {TextId::ErrnoIo, "Ein-/Ausgabefehler"},
    {TextId::ErrnoNoMemory, "nicht genügend Arbeitsspeicher"},
    {TextId::ErrnoNameTooLong, "der Dateiname ist zu lang"},
    {TextId::FileLockedByOther, "ein anderes Programm ändert sie gerade"},
    {TextId::NotRegularFile, "es ist keine gewöhnliche Datei"},
    {TextId::WriteProtected, "die Datei ist schreibgeschützt"},
    {TextId::ArchiveTruncated, "die Datei endet vorzeitig"},
    {TextId::NameBytesBeyondEnd,
     "die Längenangabe eines Namens (%1 Bytes) reicht über das Dateiende hinaus"},
    {TextId::NameCharsBeyondEnd,
     "die Längenangabe eines Namens (%1 Zeichen) reicht über das Dateiende hinaus"},
    {TextId::NameOutsideCp1252, "ein Name enthält ein Zeichen außerhalb von Windows-1252"},
    {TextId::NameCharNotCp1252,
     "ein Name enthält das Zeichen U+%1, das in Windows-1252 nicht darstellbar ist"},
    {TextId::CountTruncated, "die Datei endet vorzeitig in der Anzahl der Einträge"},
    {TextId::CountTooLarge,
     "die Anzahl der Einträge (%1) ist größer, als die Datei Einträge enthalten kann"},
    {TextId::NameTruncated, "die Datei endet vorzeitig im Namen von Eintrag %1 von %2"},
    {TextId::RecordTruncated, "die Datei endet vorzeitig im Datensatz von Eintrag %1 von %2"},
    {TextId::EntryMalformed, "Eintrag %1 von %2: %3"},
    {TextId::FileChangedOnDiskQuestion,
     "Die Datei \u201E%1\u201C wurde seit dem Öffnen oder letzten Speichern von einem anderen "
     "Programm geändert. Trotzdem überschreiben?"},
    {TextId::LayoutExtendedOffer, "Extras >> "},
    {TextId::LayoutSimpleOffer, "Einfach << "},
    {TextId::RecordsLoading, "%1 Datensätze werden geladen …"},
    {TextId::DiagramDescription, "%1, Lune : %2, Soleil : %3"},
    {TextId::ViewErrorCaption, "Orlinde-Rechner"},
    {TextId::DesktopHelp, kDesktopHelp},
    {TextId::DesktopVersion, kDesktopVersion},
    {TextId::PlaceTitle, "Lieu de naissance"},
    {TextId::PlaceSearchLabel, "&Lieu :"},
    {TextId::PlaceSearchHint, "Nom de la ville, par ex. München"},
    {TextId::ButtonOk, "OK"},
    {TextId::PlaceCancel, "Annuler"},
    {TextId::PlaceLine, "%1 — %2"},
    {TextId::PlaceTypeToSearch,
     "Tapez le nom du lieu de naissance, puis choisissez-le dans la liste."},
    {TextId::PlaceListMissing,
     "La liste des lieux « %1 » est introuvable ; réinstallez Vexamo. Le fuseau se choisit "
     "encore par son nom."},
    {TextId::PlaceListDamaged,
     "La liste des lieux « %1 » est endommagée ; réinstallez Vexamo. Le fuseau se choisit "
     "encore par son nom."},
    {TextId::PlaceNoneFound,
     "Aucun lieu trouvé. Essayez un autre nom ou seulement le début du nom."},
    {TextId::PlaceChoose, "Choisissez un lieu dans la liste."},
    {TextId::PlaceMomentAt, "Le %1 à %2 à %3 :"},
    {TextId::PlaceMomentInZone, "Le %1 à %2 dans le fuseau %3 :"},
    {TextId::PlaceOffsetInForce, "%1."},
    {TextId::PlaceResult, "Fuseau horaire: %1"},
    {TextId::PlaceAmbiguous,
     "Cette heure a eu lieu deux fois : les horloges ont été retardées ce jour-là. Choisissez "
     "s'il s'agit de l'heure d'été (avant le changement) ou de l'heure d'hiver (après)."},
    {TextId::PlaceChooseSummer, "Heure d'&été : %1, fuseau horaire %2"},
    {TextId::PlaceChooseWinter, "Heure d'&hiver : %1, fuseau horaire %2"},
    {TextId::PlaceNonexistent,
     "Cette heure n'a pas existé : ce jour-là, les horloges sont passées de %1 à %2 et "
     "ont sauté l'heure entrée. Vérifiez l'heure de naissance et corrigez-la dans le "
     "formulaire."},
    {TextId::PlaceNotWholeHours,
     "%1 : ce décalage n'est pas un nombre entier d'heures, et le fuseau horaire "
     "n'accepte que des heures entières. Vous pouvez l'arrondir à l'heure la plus proche, ou "
     "convertir l'heure de naissance en heure de Greenwich et entrer le fuseau horaire 0."},
    {TextId::PlaceRoundChoice,
     "&Arrondir à l'heure la plus proche (fuseau horaire %1) : moment décalé de %2"},
    {TextId::PlaceOutOfRange,
     "%1 : il faudrait un fuseau horaire de %2, hors de l'intervalle de -12 à 12 que le "
     "formulaire accepte. Convertissez l'heure de naissance en heure de Greenwich et entrez le "
     "fuseau horaire 0."},
    {TextId::PlaceUnknownZone,
     "Le fuseau « %1 » de ce lieu est absent de la base des fuseaux horaires de ce système. "
     "Entrez le fuseau horaire vous-même."},
    {TextId::PlaceUnknownChosenZone,
     "Le fuseau « %1 » est absent de la base des fuseaux horaires de ce système. Choisissez-en "
     "un autre, ou entrez le fuseau horaire vous-même."},
    {TextId::PlaceZoneLabel, "Lieu absent de la liste ? Choisissez son &fuseau :"},
    {TextId::PlaceZoneHint, "Nom du fuseau, par ex. Europe/Berlin"},
    {TextId::PlaceNoZoneFound,
     "Aucun fuseau trouvé. Les fuseaux portent le nom d'une grande ville : essayez celle de la "
     "région, par ex. Europe/Paris."},
    {TextId::PlaceNoZoneData,
     "La base des fuseaux horaires ne couvre pas cette date. Entrez le fuseau horaire "
     "vous-même."},
    {TextId::CliDstHint, "--dst choisit l'heure d'été, --no-dst l'heure d'hiver."},
    {TextId::CliRoundHint, "--round accepte l'heure la plus proche."},
    {TextId::ZoneLabelPlace, "Lieu"},
    {TextId::ZoneLabelZone, "Zone"},
    {TextId::ZoneLabelOffset, "Décalage"},
    {TextId::ZoneLabelTimeDifference, "Fuseau horaire"},
    {TextId::ZoneSummerTime, "heure d'été"},
    {TextId::ZoneStandardTime, "heure normale"},
    {TextId::ZoneLocalMeanTime, "temps moyen local"},
    {TextId::ZoneOffsetShort, "%1 (%2)"},
    {TextId::ZoneOffsetDescription, "%1, %2"},
    {TextId::ZoneNonexistent,
     "Cette heure n'a pas existé : ce jour-là, les horloges sont passées de %1 à %2 et ont "
     "sauté l'heure entrée. Vérifiez l'heure de naissance."},
    {TextId::ZoneAmbiguous,
     "Cette heure a eu lieu deux fois, les horloges ayant été retardées : d'abord en %1, puis "
     "en %2. Choisissez l'heure d'été ou l'heure d'hiver."},
    {TextId::ZoneNotWholeHours,
     "%1 : ce décalage n'est pas un nombre entier d'heures, et le fuseau horaire n'accepte que "
     "des heures entières. L'heure la plus proche donne le fuseau horaire %2 (moment décalé de "
     "%3)."},
    {TextId::ZoneOutOfRange,
     "%1 : il faudrait un fuseau horaire de %2, hors de l'intervalle de -12 à 12. Convertissez "
     "l'heure de naissance en heure de Greenwich et entrez le fuseau horaire 0."},
    {TextId::ZoneUnknownPlace,
     "Aucun lieu ne correspond à « %1 » ; essayez une autre orthographe ou le nom dans la langue "
     "du lieu, ou donnez son fuseau avec --zone (par ex. Europe/Berlin)."},
    {TextId::ZoneUnknownZone,
     "Le fuseau « %1 » est absent de la base des fuseaux horaires ; les fuseaux portent le nom "
     "d'une grande ville, par ex. Europe/Paris."},
    {TextId::ZoneDateNotCovered,
     "La base des fuseaux horaires ne couvre pas cette date pour « %1 »."},
    {TextId::ZoneSeveralPlaces, "« %1 » désigne plusieurs lieux ; le plus peuplé est pris : %2."},
    {TextId::ZoneRounded, "Arrondi à l'heure la plus proche : moment décalé de %1."},
    {TextId::ZoneShiftEarlier, "%1 plus tôt"},
    {TextId::ZoneShiftLater, "%1 plus tard"},
    {TextId::ZoneMinutes, "%1 min"},
    {TextId::ZoneMinutesSeconds, "%1 min %2 s"},
    {TextId::CliFileBusy,
     "Die Datei \u201E%1\u201C wird gerade von einem anderen Programm geändert; sie bleibt "
     "unverändert. Bitte später noch einmal versuchen."},
    {TextId::CliFileLockFailed, "Die Datei \u201E%1\u201C kann nicht gesperrt werden: %2."},
    {TextId::CliOutOfMemory, "Nicht genug Arbeitsspeicher; nichts wurde geändert."},
    {TextId::FieldNotFlag, "Le champ « %1 » doit contenir 0 ou 1."},
    // A birthplace's own local mean time.
    {TextId::PlaceMeanTime, "temps moyen local de %1"},
    {TextId::PlaceMeanTimeVowel, "temps moyen local d'%1"},
    // Printed sheets and diagram pictures.
    {TextId::SheetSouthern, "Hémisphère Sud"},
    {TextId::SheetConstZone, "Zone indéfinie constante"},
    {TextId::SheetOptions, "Options"},
    {TextId::SheetPhasesUtc, "Les moments des phases sont en temps universel (UT)."},
    {TextId::SheetFooter, "Vexamo, Version %1 — imprimé le %2"},
    {TextId::SheetAxisPhase, "Phase [%]"},
    {TextId::SheetAxisDays, "Datum [Tage]"},
    {TextId::SheetLegendSun, "Sonnenphase"},
    {TextId::SheetLegendMoon, "Mondphase"},
    {TextId::SheetNoOptions, "aucune"},
    {TextId::CliSheetFormats,
     "les formats possibles sont %1 ; le format se lit à l'extension de SORTIE (ou --format)."},
    {TextId::CliSheetMissing,
     "Le programme de dessin « %1 » est introuvable ; réinstallez Vexamo."},
    {TextId::CliSheetNoTerminal, "Un PDF ou une image ne s'écrit pas sur un terminal ; redirigez "
                                 "la sortie ou donnez -o FICHIER."},
    {TextId::CliSheetScale, "--scale attend un entier de 1 à 16, pas « %1 »."},
    {TextId::CliSheetOutputRequired, "-o OUT is required"},
    {TextId::CliSheetNameAndFile, "--name and --file exclude each other"},
    {TextId::CliSheetFileOneName, "--file expects one NAME"},
    {TextId::CliSheetBirthOptionWithFile, "%1 describes a birth; it has no use with --file"},
    // The system's time-zone database.
    {TextId::ZoneDataDamaged,
     "Les données du fuseau horaire « %1 » sont endommagées ou illisibles : réinstallez le "
     "paquet tzdata."},
    {TextId::ZoneFilesDamaged,
     "Les fichiers du fuseau horaire « %1 » livrés avec le programme manquent ou sont "
     "endommagés : réinstallez Vexamo."},
    {TextId::SheetPdfFilter, "Document PDF (*.pdf)"},
    {TextId::SheetNoRecords, "Die Datei enthält keine Einträge; es gibt nichts zu exportieren."},
    {TextId::SheetRecordRefused, "\u201E%1\u201C: %2"},
    {TextId::PrintFailed, "Der Druck ist nicht gelungen; der Drucker nimmt die Seiten nicht an."},
    {TextId::PdfPrinterMissing,
     "Der Drucker \u201E%1\u201C ist auf diesem Rechner nicht eingerichtet; ohne ihn wird kein "
     "PDF geschrieben. Er l\u00E4sst sich unter \u201EWindows-Features\u201C einschalten."},
    {TextId::PreviewTitle, "Aperçu avant impression"},
    {TextId::PreviewPrint, "&Imprimer..."},
    {TextId::PreviewClose, "&Fermer"},
    // "Export all" and the records before 1900.
    {TextId::SheetEarlierRecords,
     "%1 von %2 Einträgen liegen vor 1900.\n\nJa: sie werden mit exportiert.\nNein: sie werden "
     "weggelassen, die übrigen werden exportiert.\nAbbrechen: es wird nichts exportiert."},
    {TextId::SheetPagesWritten, "PDF-Datei geschrieben, Seiten: %1."},
    {TextId::SheetPagesWrittenWithout,
     "PDF-Datei geschrieben, Seiten: %1; weggelassene Einträge vor 1900: %2."},
    {TextId::SheetOnlyEarlierRecords,
     "Alle Einträge liegen vor 1900 und wurden weggelassen; es wurde keine Datei geschrieben."},
    {TextId::TimeDifferenceMeaning, "%1 = %2"},
    {TextId::ButtonYes, "&Ja"},
    {TextId::ButtonNo, "&Nein"},
    {TextId::ButtonCancel, "Abbrechen"},
    // Undo and redo, find, credits.
    {TextId::ActionAdd, "Ajouter"},
    {TextId::ActionDelete, "Supprimer"},
    {TextId::ActionDeleteAll, "Tout supprimer"},
    {TextId::UndoCommand, "&Annuler %1"},
    {TextId::RedoCommand, "&Rétablir %1"},
    {TextId::UndoNothing, "&Annuler"},
    {TextId::RedoNothing, "&Rétablir"},
    {TextId::DeleteAllOne, "Soll der einzige Datensatz gelöscht werden?"},
    {TextId::DeleteAllCount, "Sollen alle %1 Datensätze gelöscht werden?"},
    {TextId::FindTitle, "Rechercher"},
    {TextId::FindLabel, "&Nom contenant :"},
    {TextId::FindNext, "&Suivant"},
    {TextId::FindClose, "Fermer"},
    {TextId::FindNotFound, "Aucun nom ne contient « %1 »."},
    {TextId::FindWrapped, "Recherche reprise au début de la liste."},
    {TextId::FindMatch, "Nom %1 sur %2."},
    {TextId::CreditsTitle, "Licences et sources"},
    {TextId::CreditsText, "Vexamo, version %1\n"
                          "Licence : %2\n"
                          "Lieux de naissance : %3 (%4), lus par %5\n"
                          "Fuseaux horaires : %6\n"
                          "Interface : %7"},
    {TextId::CliCreditsLine, "Licence %2; birthplaces from %3 (%4) through %5; time zones from "
                             "%6; the window uses %7."},
    {TextId::CliUsageHint, "Try 'vexamo-cli --help'."},
    {TextId::CliMissingCommand, "missing command"},
    {TextId::CliUnknownCommand, "unknown command '%1'"},
    {TextId::CliUnknownOption, "unknown option '%1'"},
    {TextId::CliOptionNeedsValue, "%1 needs a value"},
    {TextId::CliNotInteger, "%1 must be an integer, not '%2'"},
    {TextId::CliOptionExpectsNumber, "%1 expects a number"},
    {TextId::CliOptionExpectsNumberNot, "%1 expects a number, not '%2'"},
    {TextId::CliBirthValueCount, "expected DAY MONTH YEAR HOUR MINUTE, got %1 value(s)"},
    {TextId::CliAddValueCount, "expects DAY MONTH YEAR HOUR MINUTE after FILE NAME"},
    {TextId::CliOneZoneSource, "give only one --place or --zone"},
    {TextId::CliDstExclusive, "--dst and --no-dst exclude each other"},
    {TextId::CliTzExcludes, "--tz and --%1 exclude each other"},
    {TextId::CliZoneChoiceNeedsSource, "--dst, --no-dst and --round need --place or --zone"},
    {TextId::CliExpects, "expects %1"},
    {TextId::CliFormatChoice, "--format expects %1, not '%2'"},
    {TextId::CliExpectedQuery, "expected QUERY"},
    {TextId::CliExpectedZoneSource, "expected --place NAME or --zone ZONE"},
    {TextId::CliLineMessage, "line %1: %2"},
    {TextId::CsvFieldCount, "%1 fields where the header has %2"},
    {TextId::CsvNoHeader, "no header row"},
    {TextId::CsvColumnTwice, "the column '%1' appears twice"},
    {TextId::CsvColumnMissing, "the column '%1' is missing"},
    {TextId::CsvQuoteMisplaced,
     "malformed CSV: a quote inside an unquoted field, or text after a closing quote"},
    {TextId::CsvQuoteNotClosed, "malformed CSV: a quoted field is not closed"},

    // CSV dialects and the checks of the CSV input.
    {TextId::CsvColumnsAccepted, "columns not known: %1; accepted names: %2"},
    {TextId::CsvNamesAccepted, "accepted names: %1"},
    {TextId::CsvColumnReserved,
     "the column '%1' has the name of an output column; rename it in the header"},
    {TextId::CsvReadAsCp1252, "%1 is not UTF-8: read as Windows-1252"},
    {TextId::StdinNotRead, "cannot read standard input: %1"},
    {TextId::CsvDelimiterChoice, "--delimiter expects ',', ';' or tab, not '%1'"},
    {TextId::CsvImportControlName,
     " Older record files may hold such names; export writes them as they are, but import "
     "takes only names a new entry may have: change the name in the CSV, or leave the row out."},
    // Output targets, the end of the drawing program and file size limits.
    {TextId::ErrnoFileTooLarge, "die Datei würde die Größenbeschränkung überschreiten"},
    {TextId::CliOutputFailedBecause, "Die Ausgabe kann nicht geschrieben werden: %1."},
    {TextId::CliSheetNotStarted, "Le programme de dessin « %1 » ne peut pas être lancé : %2."},
    {TextId::SheetStartNoProcess, "le système n'admet pas d'autre processus"},
    {TextId::CliSheetLibraryMissing,
     "Le programme de dessin « %1 » ne peut pas être lancé : la bibliothèque %2 ne peut pas être "
     "chargée ; réinstallez Vexamo."},
    {TextId::CliSheetLibrariesMissing,
     "Le programme de dessin « %1 » ne peut pas être lancé : une bibliothèque dont il a besoin ne "
     "peut pas être chargée ; réinstallez Vexamo."},
    {TextId::CliSheetOutOfMemory,
     "Le programme de dessin « %1 » manque de mémoire ; la sortie n'est pas écrite."},
    {TextId::CliSheetSignal, "Le programme de dessin « %1 » a été arrêté par le signal %2 (%3) ; "
                             "la sortie n'est pas écrite."},
    {TextId::SignalMemoryAccess, "accès mémoire invalide, par exemple faute de mémoire"},
    {TextId::SignalKilled, "tué, par exemple faute de mémoire"},
    {TextId::SignalFileSize, "la taille maximale de fichier est dépassée"},
    {TextId::SignalAborted, "abandon"},
    {TextId::SignalOther, "signal inattendu"},
    {TextId::CliSheetEndedUnexpectedly,
     "Le programme de dessin « %1 » s'est terminé de façon inattendue (code de sortie %2) ; la "
     "sortie n'est pas écrite."},

    // Record files with bytes after their last entry.
    {TextId::TrailingByte, "1 Byte folgt auf ihren letzten Eintrag"},
    {TextId::TrailingBytes, "%1 Bytes folgen auf ihren letzten Eintrag"},
    {TextId::CliNotRecordFileRefused,
     "%1 ist keine Vexamo-Datensatzdatei: %2; nichts wurde geändert."},
    {TextId::CliNotRecordFileWarning, "Warnung: %1 ist keine Vexamo-Datensatzdatei: %2; ihre "
                                      "Datensätze werden gelesen, der Rest wird übergangen."},
    {TextId::NotRecordFileOpened,
     "Die Datei \u201E%1\u201C ist keine Vexamo-Datensatzdatei: %2. Ihre Datensätze werden "
     "gelesen; was darauf folgt, bleibt unbeachtet und ginge beim Speichern verloren."},
    {TextId::NotRecordFileSaveQuestion,
     "Die Datei \u201E%1\u201C ist keine Vexamo-Datensatzdatei: %2. Speichern schreibt nur die "
     "gelesenen Datensätze hinein; der Rest geht verloren. Trotzdem überschreiben?"},

    // Places and zone names: the places beyond those listed, the zones near an unknown one.
    {TextId::PlacesMore, "\u2026 and %1 more places; give --limit N or a longer name"},
    {TextId::PlacesOneMore, "\u2026 and 1 more place; give --limit N or a longer name"},
    {TextId::ZoneSuggestions, "Did you mean %1?"},
    {TextId::CountGroupSeparator, "."},
    // The CSV input: wide headers, one decoding per input, standard input.
    {TextId::CsvMoreColumns, "%1 and %2 more"},
    {TextId::CsvEncodingChanged,
     "not UTF-8, but non-ASCII text before it was already read as UTF-8; convert the input to "
     "UTF-8, or give it as a file, which is read in one encoding"},
    {TextId::StdinWriteOnly, "it is not open for reading"},
    // The spreadsheet dialect of batch, import and export.
    {TextId::CliSpreadsheetCsvOnly, "--spreadsheet writes CSV, not %1"},
    // Autumn's repeated hour in batch and import rows.
    {TextId::CsvDstHint,
     " Fill the row's column \u201C%1\u201D with 1 (summer time) or 0 (winter time), or give "
     "--dst or --no-dst for every row."},
});

// The messages and the help of vexamo-cli by their English text, the key of their translations
// (po/de.po, po/fr.po). Where the window shows a message, its German or French translation is
// the text above; kSameText: the text above is the English one.
constexpr const char* kSameText = nullptr;

constexpr std::array kCliTexts = std::to_array<std::pair<TextId, const char*>>({
    {TextId::EarlierCentury, "Evaluate a date of an earlier century?"},
    {TextId::MonthRange, "Please enter a month between 1 and 12."},
    {TextId::DayRange, "Please enter a day between 1 and %1."},
    {TextId::HourRange, "Please enter an hour between 0 and 24"},
    {TextId::MinuteRange, "Please enter the minutes between 0 and 59"},
    {TextId::TimeZoneRange, "The time difference must be between -12 and 12."},
    {TextId::YearRange, "Please enter a year between -99999 and 99999."},
    {TextId::FieldNotInteger, "The field \u201C%1\u201D must hold a whole number."},
    {TextId::FieldNotFlag, "The field \u201C%1\u201D must hold 0 or 1."},
    {TextId::CliBefore1900Hint, "--before-1900 answers this question with yes."},
    {TextId::NoName, "Please enter a name!"},
    {TextId::NameNotStorable,
     "The name \u201C%1\u201D is not valid UTF-8 (invalid byte at position %2)."},
    {TextId::NameControlCharacter,
     "The name \u201C%1\u201D holds a control character (%2) and is not stored."},
    {TextId::RecordExists, "The record '%1' already exists; --replace replaces it."},
    {TextId::RecordMissing, "The record '%1' does not exist; list shows the stored names."},
    {TextId::FileNotRead, "The file \u201C%1\u201D cannot be read: %2."},
    {TextId::FileNotSaved, "The file \u201C%1\u201D cannot be saved: %2."},
    {TextId::ErrnoNoEntry, "the file or folder does not exist"},
    {TextId::ErrnoAccess, "permission denied"},
    {TextId::ErrnoIsDirectory, "it is a folder, not a file"},
    {TextId::ErrnoNotDirectory, "a part of the path is not a folder"},
    {TextId::ErrnoNoSpace, "no space left on the device"},
    {TextId::ErrnoReadOnlyFileSystem, "the file system is read-only"},
    {TextId::ErrnoIo, "input/output error"},
    {TextId::ErrnoNoMemory, "not enough memory"},
    {TextId::ErrnoNameTooLong, "the file name is too long"},
    {TextId::FileLockedByOther, "another program is changing it"},
    {TextId::NotRegularFile, "it is not a regular file"},
    {TextId::WriteProtected, "the file is write-protected"},
    {TextId::ArchiveTruncated, "the file ends early"},
    {TextId::NameBytesBeyondEnd,
     "the length of a name (%1 bytes) reaches beyond the end of the file"},
    {TextId::NameCharsBeyondEnd,
     "the length of a name (%1 characters) reaches beyond the end of the file"},
    {TextId::NameOutsideCp1252, "a name holds a character outside Windows-1252"},
    {TextId::NameCharNotCp1252,
     "a name holds the character U+%1, which Windows-1252 cannot represent"},
    {TextId::CountTruncated, "the file ends early in the number of entries"},
    {TextId::CountTooLarge, "the number of entries (%1) is larger than the file can hold"},
    {TextId::NameTruncated, "the file ends early in the name of entry %1 of %2"},
    {TextId::RecordTruncated, "the file ends early in the record of entry %1 of %2"},
    {TextId::EntryMalformed, "entry %1 of %2: %3"},
    {TextId::CliFileBusy, "The file \u201C%1\u201D is being changed by another program; it stays "
                          "unchanged. Please try again later."},
    {TextId::CliFileLockFailed, "The file \u201C%1\u201D cannot be locked: %2."},
    {TextId::CliOutOfMemory, "Not enough memory; nothing was changed."},
    {TextId::CliOutputFailed, "The output cannot be written."},
    {TextId::SheetNoRecords, "The file holds no entries; there is nothing to export."},
    {TextId::ZoneNonexistent, "This time did not exist: that day the clocks went from %1 to %2 and "
                              "skipped the time entered. Check the time of birth."},
    {TextId::ZoneAmbiguous, "This time occurred twice, the clocks having been put back: first in "
                            "%1, then in %2. Choose summer or winter time."},
    {TextId::ZoneNotWholeHours,
     "%1: this offset is not a whole number of hours, and the time difference takes whole hours "
     "only. The nearest hour gives the time difference %2 (moment shifted by %3)."},
    {TextId::ZoneOutOfRange,
     "%1: it would need a time difference of %2, outside the range -12 to 12. Convert the time of "
     "birth to Greenwich time and give the time difference 0."},
    {TextId::ZoneUnknownPlace,
     "No place matches \u201C%1\u201D; try another spelling or the name in the place's own "
     "language, or give its time zone with --zone (e.g. Europe/Berlin)."},
    {TextId::ZoneUnknownZone, "The zone \u201C%1\u201D is not in the time-zone database; zones are "
                              "named after a large city, e.g. Europe/Paris."},
    {TextId::ZoneDateNotCovered,
     "The time-zone database does not cover this date for \u201C%1\u201D."},
    {TextId::ZoneSeveralPlaces,
     "\u201C%1\u201D names several places; the most populous is taken: %2."},
    {TextId::ZoneRounded, "Rounded to the nearest hour: moment shifted by %1."},
    {TextId::ZoneShiftEarlier, "%1 earlier"},
    {TextId::ZoneShiftLater, "%1 later"},
    {TextId::CliDstHint, "--dst takes summer time, --no-dst winter time."},
    {TextId::CliRoundHint, "--round accepts the nearest hour."},
    {TextId::ZoneDataDamaged, "The time-zone data for \u201C%1\u201D is damaged or unreadable: "
                              "reinstall the tzdata package."},
    {TextId::ZoneFilesDamaged, "The program's time-zone files for \u201C%1\u201D are missing or "
                               "damaged: reinstall Vexamo."},
    {TextId::CliSheetFormats,
     "the possible formats are %1; the format is read from the extension of OUT (or --format)."},
    {TextId::PlaceListMissing,
     "The place list \u201C%1\u201D cannot be found; reinstall Vexamo. A zone can still be "
     "given by its name."},
    {TextId::PlaceListDamaged,
     "The place list \u201C%1\u201D is damaged; reinstall Vexamo. A zone can still be given by "
     "its name."},
    {TextId::CliSheetMissing,
     "The drawing program \u201C%1\u201D cannot be found; reinstall Vexamo."},
    {TextId::PdfPrinterMissing,
     "The printer \u201C%1\u201D is not installed on this computer; without it no PDF is "
     "written. It can be turned on under \u201CWindows Features\u201D."},
    {TextId::CliSheetNoTerminal,
     "A PDF or a picture is not written to a terminal; redirect the output or give -o FILE."},
    {TextId::CliSheetScale, "--scale expects a whole number from 1 to 16, not \u201C%1\u201D."},
    {TextId::CliSheetOutputRequired, kSameText},
    {TextId::CliSheetNameAndFile, kSameText},
    {TextId::CliSheetFileOneName, kSameText},
    {TextId::CliSheetBirthOptionWithFile, kSameText},
    {TextId::CliUsageHint, kSameText},
    {TextId::CliMissingCommand, kSameText},
    {TextId::CliUnknownCommand, kSameText},
    {TextId::CliUnknownOption, kSameText},
    {TextId::CliOptionNeedsValue, kSameText},
    {TextId::CliNotInteger, kSameText},
    {TextId::CliOptionExpectsNumber, kSameText},
    {TextId::CliOptionExpectsNumberNot, kSameText},
    {TextId::CliBirthValueCount, kSameText},
    {TextId::CliAddValueCount, kSameText},
    {TextId::CliOneZoneSource, kSameText},
    {TextId::CliDstExclusive, kSameText},
    {TextId::CliTzExcludes, kSameText},
    {TextId::CliZoneChoiceNeedsSource, kSameText},
    {TextId::CliExpects, kSameText},
    {TextId::CliFormatChoice, kSameText},
    {TextId::CliExpectedQuery, kSameText},
    {TextId::CliExpectedZoneSource, kSameText},
    {TextId::CliLineMessage, kSameText},
    {TextId::CsvFieldCount, kSameText},
    {TextId::CsvNoHeader, kSameText},
    {TextId::CsvColumnTwice, kSameText},
    {TextId::CsvColumnMissing, kSameText},
    {TextId::CsvQuoteMisplaced, kSameText},
    {TextId::CsvQuoteNotClosed, kSameText},
    {TextId::CsvColumnsAccepted, kSameText},
    {TextId::CsvNamesAccepted, kSameText},
    {TextId::CsvColumnReserved, kSameText},
    {TextId::CsvReadAsCp1252, kSameText},
    {TextId::StdinNotRead, kSameText},
    {TextId::CsvDelimiterChoice, kSameText},
    {TextId::CsvImportControlName, kSameText},
    {TextId::TrailingByte, "1 byte follows its last entry"},
    {TextId::TrailingBytes, "%1 bytes follow its last entry"},
    {TextId::CliNotRecordFileRefused, "%1 is not a Vexamo record file: %2; nothing was changed."},
    {TextId::CliNotRecordFileWarning,
     "warning: %1 is not a Vexamo record file: %2; its records are read, the rest is ignored."},
    // Places and zone names.
    {TextId::PlacesMore, kSameText},
    {TextId::PlacesOneMore, kSameText},
    {TextId::ZoneSuggestions, kSameText},
    {TextId::CountGroupSeparator, ","},
    {TextId::CsvMoreColumns, kSameText},
    {TextId::CsvEncodingChanged, kSameText},
    {TextId::StdinWriteOnly, kSameText},
    {TextId::CliCreditsLine, kSameText},
    {TextId::CliSpreadsheetCsvOnly, kSameText},
    {TextId::CsvDstHint, kSameText},
    // The lines of "zone" and the offsets in vexamo-cli's messages.
    {TextId::CliZonePlaceLine, "Place: %1"},
    {TextId::CliZoneZoneLine, "Time zone: %1"},
    {TextId::CliZoneOffsetLine, "Offset: %1"},
    {TextId::CliZoneTimeDifferenceLine, "Time difference: %1"},
    {TextId::CliZoneSummerTime, "summer time"},
    {TextId::CliZoneStandardTime, "standard time"},
    {TextId::CliZoneLocalMeanTime, "local mean time"},
    {TextId::CliZonePlaceMeanTime, "local mean time of %1"},
    {TextId::CliZonePlaceMeanTimeVowel, "local mean time of %1"},
    {TextId::CliListAnd, "%1 and %2"},
    {TextId::CliListOr, "%1 or %2"},
    {TextId::CliOptionOneOrMore, "%1 expects 1 or more, not '%2'"},
    {TextId::CliAtMostOneFile, "expects at most one FILE"},
    {TextId::CliTzInstead, "--tz N gives the time difference instead."},
    {TextId::CsvTzInstead, " Fill the row's column \u201C%1\u201D instead."},
    {TextId::CliTwoClauses, "%1; %2"},
    {TextId::CliQuotedName, "'%1'"},
    {TextId::CsvZoneColumnsFilled,
     "Only one of the fields \u201C%1\u201D and \u201C%2\u201D may be filled in."},
    {TextId::CliUsageTitle, "Usage:\n"},
    {TextId::CliUsageNotes,
     "  vexamo-cli --help | --version\n\n--place NAME or --zone ZONE (e.g. Europe/Berlin) instead "
     "of --tz: the time difference in\nforce there at the local DAY MONTH YEAR HOUR MINUTE. For a "
     "time that occurs twice --dst\ntakes summer time, --no-dst winter time; --round accepts the "
     "nearest whole hour for an\noffset such as UTC+05:30.\nOptions may come before, between or "
     "after the other words; after \"--\" every word is a\nFILE, NAME or value, so a NAME that "
     "begins with '-' is given as \"-- NAME\".\nbatch reads births as CSV (a header row; columns "
     "day, month, year, hour, minute, and\noptionally tz or place or zone, southern, const_zone, "
     "name) from FILE or standard input\nand writes one result row per input row; import adds such "
     "rows (name required) to FILE,\nall or none. Phase moments are Universal Time.\n\nExit "
     "status: 0 success, 1 input refused, file unreadable, place or zone unknown or no\ntime "
     "difference determined (batch: some row refused), 2 usage error (batch, import: also\na "
     "malformed CSV).\n"},
    // Output targets, the end of the drawing program and file size limits.
    {TextId::ErrnoFileTooLarge, "the file would exceed the size limit"},
    {TextId::CliOutputFailedBecause, "The output cannot be written: %1."},
    {TextId::CliSheetNotStarted, "The drawing program \u201C%1\u201D cannot be started: %2."},
    {TextId::SheetStartNoProcess, "the system allows no further process"},
    {TextId::CliSheetLibraryMissing, "The drawing program \u201C%1\u201D cannot be started: the "
                                     "library %2 cannot be loaded; reinstall Vexamo."},
    {TextId::CliSheetLibrariesMissing, "The drawing program \u201C%1\u201D cannot be started: a "
                                       "library it needs cannot be loaded; reinstall Vexamo."},
    {TextId::CliSheetOutOfMemory,
     "The drawing program \u201C%1\u201D ran out of memory; the output is not written."},
    {TextId::CliSheetSignal, "The drawing program \u201C%1\u201D was ended by the signal %2 (%3); "
                             "the output is not written."},
    {TextId::SignalMemoryAccess, "invalid memory access, for instance for lack of memory"},
    {TextId::SignalKilled, "killed, for instance for lack of memory"},
    {TextId::SignalFileSize, "the file size limit was exceeded"},
    {TextId::SignalAborted, "aborted"},
    {TextId::SignalOther, "an unexpected signal"},
    {TextId::CliSheetEndedUnexpectedly, "The drawing program \u201C%1\u201D ended unexpectedly "
                                        "(exit status %2); the output is not written."},
});

// The messages whose English is the key of more than one translation, told apart by a context
// (gettext's msgctxt): French writes "d'Avignon" but "de Chengdu".
constexpr std::array kCliContexts = std::to_array<std::pair<TextId, const char*>>({
    {TextId::CliZonePlaceMeanTimeVowel, "before a vowel"},
});

constexpr size_t kTextCount = static_cast<size_t>(TextId::Last) + 1;

// The texts indexed by their id: exports ask for a type's name once per record.
struct TextIndex {
    std::array<const char*, kTextCount> own{};
    std::array<const char*, kTextCount> english{};
    std::array<bool, kTextCount> cli{};
    std::array<const char*, kTextCount> context{};
};

const TextIndex& Index() {
    static const TextIndex index = [] {
        TextIndex built;
        for (const auto& [key, text] : kTexts) {
            built.own[static_cast<size_t>(key)] = text;
        }
        for (const auto& [key, english] : kCliTexts) {
            const auto at = static_cast<size_t>(key);
            built.cli[at] = true;
            built.english[at] = english != kSameText ? english : built.own[at];
        }
        for (const auto& [key, context] : kCliContexts) {
            built.context[static_cast<size_t>(key)] = context;
        }
        return built;
    }();
    return index;
}

const char* OwnText(TextId id) {
    return Index().own[static_cast<size_t>(id)];
}

// The English text of a message of vexamo-cli, or nullptr.
const char* EnglishText(TextId id) {
    const auto at = static_cast<size_t>(id);
    return Index().cli[at] ? Index().english[at] : nullptr;
}

} // namespace

bool IsCliMessage(TextId id) {
    return EnglishText(id) != nullptr;
}

const char* UserText(TextId id) {
    const char* own = OwnText(id);
    const char* english = EnglishText(id);
    if (english != nullptr && MessagesTranslated()) {
        const char* context = Index().context[static_cast<size_t>(id)];
        return context != nullptr ? TranslatedMessage(context, english)
                                  : TranslatedMessage(english);
    }
    if (own != nullptr) {
        return own;
    }
    return english != nullptr ? english : "";
}

std::string UserText(TextId id, std::initializer_list<std::string_view> args) {
    return UserText(id, std::span<const std::string_view>(args.begin(), args.size()));
}

std::string UserText(TextId id, std::span<const std::string_view> args) {
    const std::string_view pattern = UserText(id);
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const size_t index = static_cast<size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            text.append(args[index]);
            ++i;
        } else {
            text.push_back(pattern[i]);
        }
    }
    return text;
}
