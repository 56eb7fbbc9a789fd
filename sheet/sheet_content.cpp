#include "sheet/sheet_content.h"

#include "app/text_catalogue.h"
#include "app/zone_text.h"

#ifndef VEXAMO_VERSION_TEXT
#define VEXAMO_VERSION_TEXT "1.0"
#endif

namespace {

// A label of the form: the catalogue's word and the form's " :".
std::string FormLabel(TextId id) {
    return std::string(UserText(id)) + " :";
}

} // namespace

SheetContent MakeSheetContent(const SheetBirth& birth, const std::string& printedOn) {
    const BirthEvaluation r = Evaluate(birth.input);
    SheetContent s;
    s.title = UserText(TextId::AppTitle);
    s.name = birth.name;
    s.birth = {FormLabel(TextId::LabelBirth), r.m_strBirthMoment.str()};

    s.timeZone.push_back(
        {FormLabel(TextId::ZoneLabelTimeDifference), std::to_string(birth.input.timeZone)});
    if (birth.zone) {
        const ZoneResolution& z = *birth.zone;
        if (z.place) {
            s.timeZone.push_back({FormLabel(TextId::ZoneLabelPlace), PlaceText(*z.place)});
        }
        if (!z.zone.empty()) {
            s.timeZone.push_back({FormLabel(TextId::ZoneLabelZone), z.zone});
        }
        if (z.offset) {
            s.timeZone.push_back({FormLabel(TextId::ZoneLabelOffset),
                                  ZoneOffsetText(z, *z.offset, OffsetWords::Window)});
        }
    }

    std::string options;
    for (const auto& [ticked, id] : {std::pair{birth.input.southern, TextId::SheetSouthern},
                                     std::pair{birth.input.constZone, TextId::SheetConstZone}}) {
        if (ticked) {
            options += options.empty() ? "" : ", ";
            options += UserText(id);
        }
    }
    s.options = {FormLabel(TextId::SheetOptions),
                 options.empty() ? UserText(TextId::SheetNoOptions) : options};

    s.typeName = BirthTypeName(r.m_nType);
    s.typeBitmap = r.m_nTypeBitmap;
    s.results = {
        {FormLabel(TextId::LabelMoon), r.m_strMoonPercent},
        {FormLabel(TextId::LabelMondtag), r.m_strMoonDayPercent},
        {FormLabel(TextId::LabelSun), r.m_strSunPercent},
        {FormLabel(TextId::LabelEcart), r.m_strEcartPercent},
        {FormLabel(TextId::LabelJulian), r.m_strJulianDate},
    };
    s.phases = {
        {FormLabel(TextId::LabelLastNewMoon), r.m_strLastNewMoon.str()},
        {FormLabel(TextId::LabelFullMoon), r.m_strFullMoon.str()},
        {FormLabel(TextId::LabelNextNewMoon), r.m_strNextNewMoon.str()},
    };
    s.phaseNote = UserText(TextId::SheetPhasesUtc);
    s.centre = r.m_dJulianDate;
    s.southern = birth.input.southern ? 1 : 0;
    s.footer = UserText(TextId::SheetFooter, {VEXAMO_VERSION_TEXT, printedOn});
    return s;
}

std::vector<std::string> SheetTexts(const SheetContent& sheet) {
    std::vector<std::string> texts{sheet.title};
    if (!sheet.name.empty()) {
        texts.push_back(sheet.name);
    }
    const auto add = [&texts](const SheetLine& line) {
        texts.push_back(line.label);
        texts.push_back(line.text);
    };
    add(sheet.birth);
    for (const SheetLine& line : sheet.timeZone) {
        add(line);
    }
    add(sheet.options);
    texts.push_back(sheet.typeName);
    for (const SheetLine& line : sheet.results) {
        add(line);
    }
    for (const SheetLine& line : sheet.phases) {
        add(line);
    }
    texts.push_back(sheet.phaseNote);
    texts.push_back(sheet.footer);
    return texts;
}
