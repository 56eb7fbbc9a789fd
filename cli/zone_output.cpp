#include "cli/zone_output.h"

#include "app/count_text.h"
#include "app/json_writer.h"
#include "app/text_catalogue.h"
#include "app/text_guards.h"
#include "app/zone_text.h"
#include "cli/output.h"

namespace {

// Whole minutes as an integer; an offset with seconds (local mean time) as a fraction.
void Minutes(JsonWriter& json, int seconds) {
    if (seconds % 60 == 0) {
        json.Integer(seconds / 60);
    } else {
        json.Number(seconds / 60.0);
    }
}

void Line(std::string& out, TextId line, const std::string& text, bool terminal) {
    out += UserText(line, {TerminalText(text, terminal)});
    out += '\n';
}

void Message(CliStreams& io, const std::string& text) {
    if (!text.empty()) {
        PrintMessage(io, text);
    }
}

} // namespace

std::string PlacesText(const std::vector<places::Place>& found, bool terminal) {
    std::string out;
    for (const places::Place& p : found) {
        out += TerminalText(PlaceLineText(p), terminal);
        out += '\n';
    }
    return out;
}

void PrintMorePlaces(CliStreams& io, std::size_t more) {
    if (more == 1) {
        PrintMessage(io, UserText(TextId::PlacesOneMore));
    } else if (more > 1) {
        PrintMessage(io, UserText(TextId::PlacesMore, {CountText(more)}));
    }
}

std::string PlacesJson(const std::vector<places::Place>& found, bool terminal) {
    std::string out;
    JsonWriter json(out, JsonLayout{2, 1 << 30, terminal});
    json.BeginArray();
    for (const places::Place& p : found) {
        json.BeginObject();
        json.Key("name").String(p.name);
        json.Key("region").String(p.region);
        json.Key("country").String(p.country);
        json.Key("country_code").String(p.countryCode);
        json.Key("zone").String(p.zone);
        json.Key("latitude").Number(p.latitude);
        json.Key("longitude").Number(p.longitude);
        json.Key("population").Integer(p.population);
        json.EndObject();
    }
    json.EndArray();
    return out + "\n";
}

std::string ZoneText(const ZoneResolution& r, bool terminal) {
    std::string out;
    if (r.place) {
        Line(out, TextId::CliZonePlaceLine, PlaceText(*r.place), terminal);
    }
    Line(out, TextId::CliZoneZoneLine, r.zone, terminal);
    if (r.offset) {
        Line(out, TextId::CliZoneOffsetLine, ZoneOffsetText(r, *r.offset, OffsetWords::Cli),
             terminal);
    }
    if (r.timeDifference) {
        Line(out, TextId::CliZoneTimeDifferenceLine, std::to_string(*r.timeDifference), terminal);
    }
    return out;
}

std::string ZoneJson(const ZoneResolution& r, int indent, bool terminal) {
    std::string out;
    JsonWriter json(out, JsonLayout{indent, 1 << 30, terminal});
    json.BeginObject();
    json.Key("place");
    r.place ? json.String(PlaceText(*r.place)) : json.Null();
    json.Key("zone").String(r.zone);
    json.Key("utc_offset_minutes");
    r.offset ? Minutes(json, r.offset->utcOffsetSeconds) : json.Null();
    json.Key("abbreviation");
    r.offset ? json.String(r.offset->abbreviation) : json.Null();
    json.Key("dst");
    r.offset ? json.Bool(r.offset->dst) : json.Null();
    json.Key("time_difference");
    r.timeDifference ? json.Integer(*r.timeDifference) : json.Null();
    json.Key("status").String(ZoneStatusKey(r.status));
    json.Key("candidates").BeginArray();
    for (const places::ZoneOffset& c : r.candidates) {
        Minutes(json, c.utcOffsetSeconds);
    }
    json.EndArray();
    json.EndObject();
    return out;
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
        if (r.status == ZoneStatus::UnknownZone || r.status == ZoneStatus::DateNotCovered) {
            Message(io, UserText(TextId::CliTzInstead));
        }
        return false;
    }
    input.timeZone = *r.timeDifference;
    return true;
}
