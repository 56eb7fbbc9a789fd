#pragma once
// A Julian date (Universal Time) as an ISO 8601 moment, for machine-readable output.
#include <string>

// "2000-03-06T05:19:12Z": the civil date and the time of day that the form's texts take from
// the Julian date (the same calendar and the same truncation to whole seconds), so the date,
// hour and minute always agree with the form's "6.3.2000 5:19Uhr". Years outside 0..9999 get
// a sign and at least four digits ("-0044-03-15T...", "+10000-01-01T...").
std::string IsoUtcText(double jd);
// The same text appended to out.
void AppendIsoUtcText(std::string& out, double jd);
