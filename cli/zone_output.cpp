#include "cli/zone_output.h"

#include <nlohmann/json.hpp>

#include "app/text_catalogue.h"
#include "app/zone_text.h"

namespace {

using Json = nlohmann::ordered_json;

// Whole minutes as an integer; an offset with seconds (local mean time) as a fraction.
Json Minutes(int seconds) {
    if (seconds % 60 == 0) {
        return seconds / 60;
    }
    return seconds / 60.0;
}

void Line(std::string& out, TextId label, const std::string& text) {
    out += UserText(label);
    out += " : ";
    out += text;
    out += '\n';
}

void Message(CliStreams& io, const std::string& text) {
    if (!text.empty()) {
        io.err << "vexamo-cli: " << text << "\n";
    }
}

} // namespace

std::string PlacesText(const std::vector<places::Place>& found) {
    std::string out;
    for (const places::Place& p : found) {
        out += PlaceLineText(p);
        out += '\n';
    }
    return out;
}

std::string PlacesJson(const std::vector<places::Place>& found) {
    Json list = Json::array();
    for (const places::Place& p : found) {
        list.push_back({{"name", p.name},
                        {"region", p.region},
                        {"country", p.country},
                        {"country_code", p.countryCode},
                        {"zone", p.zone},
                        {"latitude", p.latitude},
                        {"longitude", p.longitude},
                        {"population", p.population}});
    }
    return list.dump(2) + "\n";
}

std::string ZoneText(const ZoneResolution& r) {
    std::string out;
    if (r.place) {
        Line(out, TextId::ZoneLabelPlace, PlaceText(*r.place));
    }
    Line(out, TextId::ZoneLabelZone, r.zone);
    if (r.offset) {
        Line(out, TextId::ZoneLabelOffset, ZoneOffsetText(*r.offset));
    }
    if (r.timeDifference) {
        Line(out, TextId::ZoneLabelTimeDifference, std::to_string(*r.timeDifference));
    }
    return out;
}

std::string ZoneJson(const ZoneResolution& r, int indent) {
    Json j;
    j["place"] = r.place ? Json(PlaceText(*r.place)) : Json(nullptr);
    j["zone"] = r.zone;
    j["utc_offset_minutes"] = r.offset ? Minutes(r.offset->utcOffsetSeconds) : Json(nullptr);
    j["abbreviation"] = r.offset ? Json(r.offset->abbreviation) : Json(nullptr);
    j["dst"] = r.offset ? Json(r.offset->dst) : Json(nullptr);
    j["time_difference"] = r.timeDifference ? Json(*r.timeDifference) : Json(nullptr);
    j["status"] = ZoneStatusKey(r.status);
    Json candidates = Json::array();
    for (const places::ZoneOffset& c : r.candidates) {
        candidates.push_back(Minutes(c.utcOffsetSeconds));
    }
    j["candidates"] = candidates;
    return j.dump(indent);
}

void PrintZoneMessages(CliStreams& io, const ZoneResolution& r, const std::string& name) {
    Message(io, SeveralPlacesText(r, name));
    Message(io, RoundingNoteText(r));
    Message(io, ZoneRefusalText(r, name));
    if (!r.Determined()) {
        if (r.status == ZoneStatus::Ambiguous) {
            Message(io, UserText(TextId::CliDstHint));
        } else if (r.status == ZoneStatus::NotWholeHours) {
            Message(io, UserText(TextId::CliRoundHint));
        }
    }
    io.err.flush();
}

bool ApplyBirthZone(const ZoneSource& source, const ZoneChoice& choice, BirthInput& input,
                    CliStreams& io, ZoneResolution& r) {
    r = ResolveZone(source, LocalMomentOf(input), choice);
    PrintZoneMessages(io, r, source.name);
    if (!r.Determined()) {
        return false;
    }
    input.timeZone = *r.timeDifference;
    return true;
}
