// The rule is read here rather than with the date library's Posix::time_zone (date/ptz.h): the
// version Debian packages does not compile as C++20 and refuses the change times below zero
// and above 24 hours that zone files of version 3 hold ("M3.5.0/-1" in America/Nuuk).
#include "places/zone_rule.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include "places/civil_days.h"

namespace places {

namespace {

constexpr std::int64_t kDay = kSecondsPerDay;

bool IsLeapYear(std::int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(std::int64_t year, int month) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// 0 Sunday .. 6 Saturday (1970-01-01 was a Thursday).
int Weekday(std::int64_t days) {
    const std::int64_t w = (days + 4) % 7;
    return static_cast<int>(w < 0 ? w + 7 : w);
}

class Text {
  public:
    explicit Text(std::string_view text) : m_text(text) {}
    bool AtEnd() const { return m_at == m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_at]; }
    bool Take(char c) {
        if (Peek() != c || AtEnd()) {
            return false;
        }
        ++m_at;
        return true;
    }

    // A number of at most `digits` digits.
    std::optional<int> Number(int digits) {
        int value = 0;
        int count = 0;
        while (count < digits && std::isdigit(static_cast<unsigned char>(Peek()))) {
            value = value * 10 + (m_text[m_at++] - '0');
            ++count;
        }
        return count > 0 ? std::optional<int>(value) : std::nullopt;
    }

    // [+-]hh[:mm[:ss]] in seconds, hours up to maxHours.
    std::optional<int> Duration(int maxHours) {
        const bool negative = Take('-');
        if (!negative) {
            Take('+');
        }
        const std::optional<int> hours = Number(3);
        if (!hours || *hours > maxHours) {
            return std::nullopt;
        }
        int seconds = *hours * 3600;
        for (const int unit : {60, 1}) {
            if (!Take(':')) {
                break;
            }
            const std::optional<int> part = Number(2);
            if (!part || *part > 59) {
                return std::nullopt;
            }
            seconds += *part * unit;
        }
        return negative ? -seconds : seconds;
    }

    // A name of three or more letters, or of letters, digits and signs within "<" and ">".
    std::optional<std::string> Name() {
        std::string name;
        if (Take('<')) {
            while (!AtEnd() && Peek() != '>') {
                const char c = m_text[m_at++];
                if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-') {
                    return std::nullopt;
                }
                name.push_back(c);
            }
            if (!Take('>')) {
                return std::nullopt;
            }
        } else {
            while (std::isalpha(static_cast<unsigned char>(Peek()))) {
                name.push_back(m_text[m_at++]);
            }
        }
        return name.size() >= 3 ? std::optional<std::string>(name) : std::nullopt;
    }

  private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace

std::optional<ZoneRule> ZoneRule::Parse(std::string_view source) {
    Text text(source);
    ZoneRule rule;
    const std::optional<std::string> standard = text.Name();
    // The offset is written west positive: "CET-1" is one hour ahead of Universal Time.
    const std::optional<int> standardWest = standard ? text.Duration(24) : std::nullopt;
    if (!standardWest) {
        return std::nullopt;
    }
    rule.m_standard = ZoneTime{-*standardWest, false, *standard};
    if (text.AtEnd()) {
        return rule;
    }
    const std::optional<std::string> summer = text.Name();
    if (!summer) {
        return std::nullopt;
    }
    int summerOffset = rule.m_standard.offset + 3600;
    if (text.Peek() != ',') {
        const std::optional<int> summerWest = text.Duration(24);
        if (!summerWest) {
            return std::nullopt;
        }
        summerOffset = -*summerWest;
    }
    rule.m_summer = ZoneTime{summerOffset, true, *summer};
    for (Change* change : {&rule.m_start, &rule.m_end}) {
        if (!text.Take(',')) {
            return std::nullopt;
        }
        if (text.Take('J')) {
            const std::optional<int> day = text.Number(3);
            if (!day || *day < 1 || *day > 365) {
                return std::nullopt;
            }
            *change = Change{Change::Day::Julian, *day};
        } else if (text.Take('M')) {
            const std::optional<int> month = text.Number(2);
            const std::optional<int> week = text.Take('.') ? text.Number(1) : std::nullopt;
            const std::optional<int> weekday = text.Take('.') ? text.Number(1) : std::nullopt;
            if (!month || !week || !weekday || *month < 1 || *month > 12 || *week < 1 ||
                *week > 5 || *weekday > 6) {
                return std::nullopt;
            }
            *change = Change{Change::Day::MonthWeek, 0, *month, *week, *weekday};
        } else {
            const std::optional<int> day = text.Number(3);
            if (!day || *day > 365) {
                return std::nullopt;
            }
            *change = Change{Change::Day::ZeroBased, *day};
        }
        if (text.Take('/')) {
            const std::optional<int> seconds = text.Duration(167);
            if (!seconds) {
                return std::nullopt;
            }
            change->seconds = *seconds;
        }
    }
    if (!text.AtEnd()) {
        return std::nullopt;
    }
    return rule;
}

std::int64_t ZoneRule::When(const Change& change, std::int64_t year, int offsetBefore) const {
    std::int64_t days = 0;
    switch (change.kind) {
    case Change::Day::Julian:
        // Day 60 is March 1 in every year.
        days = DaysFromCivil(year, 1, 1) + change.day - 1 +
               (IsLeapYear(year) && change.day >= 60 ? 1 : 0);
        break;
    case Change::Day::ZeroBased:
        days = DaysFromCivil(year, 1, 1) + change.day;
        break;
    case Change::Day::MonthWeek: {
        const std::int64_t first = DaysFromCivil(year, change.month, 1);
        int day = 1 + (change.weekday - Weekday(first) + 7) % 7 + 7 * (change.week - 1);
        while (day > DaysInMonth(year, change.month)) {
            day -= 7;
        }
        days = first + day - 1;
        break;
    }
    }
    return days * kDay + change.seconds - offsetBefore;
}

ZonePeriod ZoneRule::PeriodAt(std::int64_t utc) const {
    if (!m_summer) {
        return ZonePeriod{kEarliestTime, kLatestTime, m_standard};
    }
    // The changes of the years around the moment, in the order they happen; a change that
    // leaves the time as it was (summer time all year) is no change.
    struct Moment {
        std::int64_t when;
        bool summer;
    };
    std::vector<Moment> changes;
    const std::int64_t year = YearOfSeconds(utc);
    for (std::int64_t y = year - 3; y <= year + 3; ++y) {
        changes.push_back({When(m_start, y, m_standard.offset), true});
        changes.push_back({When(m_end, y, m_summer->offset), false});
    }
    std::stable_sort(changes.begin(), changes.end(),
                     [](const Moment& a, const Moment& b) { return a.when < b.when; });
    std::vector<Moment> kept;
    for (const Moment& m : changes) {
        // Of two changes at one moment the later of the year holds.
        if (!kept.empty() && kept.back().when == m.when) {
            kept.pop_back();
        }
        if (kept.empty() || kept.back().summer != m.summer) {
            kept.push_back(m);
        }
    }
    const auto after = std::upper_bound(kept.begin(), kept.end(), utc,
                                        [](std::int64_t t, const Moment& m) { return t < m.when; });
    const auto timeOf = [this](bool summer) { return summer ? *m_summer : m_standard; };
    ZonePeriod p;
    if (after == kept.end()) {
        p = ZonePeriod{kept.back().when, kLatestTime, timeOf(kept.back().summer)};
    } else if (after == kept.begin()) {
        p = ZonePeriod{kEarliestTime, after->when, timeOf(!after->summer)};
    } else {
        p = ZonePeriod{after[-1].when, after->when, timeOf(after[-1].summer)};
    }
    // A period of a yearly rule that reaches two years away from the moment does not end
    // there: the changes cancel out every year (summer time all year), up to the years
    // looked at.
    if (YearOfSeconds(p.end) >= year + 2) {
        p.end = kLatestTime;
    }
    if (YearOfSeconds(p.begin) <= year - 2) {
        p.begin = kEarliestTime;
    }
    return p;
}

} // namespace places
