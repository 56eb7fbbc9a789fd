#pragma once
// Output of "vexamo-cli eval": the form's labels and texts, or one JSON object.
#include <string>

#include "astro/birth.h"

// One "label : text" line per result, in the form's order.
std::string EvalText(const BirthEvaluation& r);

// One JSON object; doubles carry 17 significant digits so that they read back exactly. The
// phase moments (Julian dates and phases_utc) are Universal Time. A non-empty timeZone (a JSON
// object) is added as the last key, "time_zone".
std::string EvalJson(const BirthEvaluation& r, const std::string& timeZone = {});
