#pragma once
// The form's fields as both desktop programs exchange them with their controls: the edits and
// check boxes of the entered birth, and the statics that show its results. Each front-end reads
// and shows the form from these tables alone, so both show a birth alike.
#include <cstdint>
#include <span>
#include <string_view>

#include "app/birth_input.h"
#include "astro/birth.h"

// An edit holding an integer of the birth.
struct FormIntegerField {
    int id; // the control (res/resource_ids.h)
    int32_t BirthInput::*member;
};

// A check box holding a flag of the birth.
struct FormCheckField {
    int id;
    bool BirthInput::*member;
};

// A static showing one text of an evaluation.
struct FormResultText {
    int id;
    std::string_view (*text)(const BirthEvaluation& e);
};

// Day, hour, minute, month, year, time difference: the order in which the form is read, so a
// field that holds no number is reported in this order.
std::span<const FormIntegerField> FormIntegerFields();

// The constant zone, the southern hemisphere.
std::span<const FormCheckField> FormCheckFields();

// Julian date, Moon, Sun, Mondtag, Ecart, last new moon, full moon, next new moon, birth moment
// and the type's name (the hidden static the clipboard line takes it from).
std::span<const FormResultText> FormResultTexts();
