#include "app/form_fields.h"

#include <array>

#include "res/resource_ids.h"

namespace {

constexpr std::array<FormIntegerField, 6> kIntegerFields{{
    {IDC_DAY, &BirthInput::day},
    {IDC_HOUR, &BirthInput::hour},
    {IDC_MINUTE, &BirthInput::minute},
    {IDC_MONTH, &BirthInput::month},
    {IDC_YEAR, &BirthInput::year},
    {IDC_TIME_ZONE, &BirthInput::timeZone},
}};

constexpr std::array<FormCheckField, 2> kCheckFields{{
    {IDC_CONST_ZONE, &BirthInput::constZone},
    {IDC_SOUTHERN, &BirthInput::southern},
}};

template <auto kField> std::string_view FieldText(const BirthEvaluation& e) {
    return e.*kField;
}

std::string_view TypeText(const BirthEvaluation& e) {
    return BirthTypeName(e.m_nType);
}

constexpr std::array<FormResultText, 10> kResultTexts{{
    {IDC_JULIAN, FieldText<&BirthEvaluation::m_strJulianDate>},
    {IDC_MOON, FieldText<&BirthEvaluation::m_strMoonPercent>},
    {IDC_SUN, FieldText<&BirthEvaluation::m_strSunPercent>},
    {IDC_MONDTAG, FieldText<&BirthEvaluation::m_strMoonDayPercent>},
    {IDC_ECART, FieldText<&BirthEvaluation::m_strEcartPercent>},
    {IDC_LAST_NEW, FieldText<&BirthEvaluation::m_strLastNewMoon>},
    {IDC_FULL, FieldText<&BirthEvaluation::m_strFullMoon>},
    {IDC_NEXT_NEW, FieldText<&BirthEvaluation::m_strNextNewMoon>},
    {IDC_BIRTH, FieldText<&BirthEvaluation::m_strBirthMoment>},
    {IDC_TYPE_NAME, TypeText},
}};

} // namespace

std::span<const FormIntegerField> FormIntegerFields() {
    return kIntegerFields;
}

std::span<const FormCheckField> FormCheckFields() {
    return kCheckFields;
}

std::span<const FormResultText> FormResultTexts() {
    return kResultTexts;
}
