#pragma once
// One birth moment as the form and the command line take it.
#include <cstddef>
#include <cstdint>

#include "astro/birth.h"
#include "records/vx_date_store.h"

struct BirthInput {
    int32_t day = 0;
    int32_t month = 0;
    int32_t year = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t timeZone = 1; // hours from local time to Greenwich time; the form starts with 1
    bool southern = false;
    bool constZone = false;

    bool operator==(const BirthInput&) const = default;
};

// The stored record of an input, and back.
VXDateStore ToRecord(const BirthInput& in);
BirthInput FromRecord(const VXDateStore& record);

// Every result of the form for the input.
BirthEvaluation Evaluate(const BirthInput& in);
// The same into out, whose texts keep their storage (for many births in a row).
void EvaluateInto(const BirthInput& in, BirthEvaluation& out);

// Whether the engine can evaluate a stored record as it is (no range checks: records come from
// files and from "Ajouter" unchecked); the tables of all records leave the results of any
// other record empty.
bool CanEvaluate(const VXDateStore& record);
// Every result of a stored record, as the table of all records evaluates it; only when
// CanEvaluate.
BirthEvaluation EvaluateRecord(const VXDateStore& record);
void EvaluateRecordInto(const VXDateStore& record, BirthEvaluation& out);

// What the table of all records shows of a stored record's results, only when CanEvaluate:
// the Moon fraction, the Sun phase and the type (the day change only where it decides it).
struct RecordMoment {
    double moonFraction = 0;
    double sunPhase = 0;
    BirthType type = Solar;
};
RecordMoment EvaluateRecordMoment(const VXDateStore& record);
// The same for count records at once (their Moon fractions computed side by side, which takes
// much less time than one by one) into out.
void EvaluateRecordMoments(const VXDateStore* const* records, size_t count, RecordMoment* out);

// "Solar", "Lunar", "Fragezeichen"; empty for any other value.
const char* BirthTypeName(int32_t type);
