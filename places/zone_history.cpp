// The zone files are read here for every platform rather than by the date library's compiled
// part, which Debian builds for Linux only and which reads the files of /usr/share/zoneinfo
// only. A local time is placed among the periods as that library placed it, so that the offsets
// stay those the program has always given.
#include "places/zone_history.h"

#include <algorithm>
#include <string>

namespace places {

namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::size_t kHeaderSize = 44;
// No offset reaches beyond a day and two hours, so a local time can only fall into a period
// that overlaps that much either side of it in Universal Time.
constexpr std::int64_t kOffsetReach = 26 * 3600;
constexpr std::size_t kMaxPeriods = 8;

std::uint64_t Unsigned(std::string_view bytes, std::size_t at, std::size_t size) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < size; ++i) {
        v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return v;
}

std::int64_t Signed(std::string_view bytes, std::size_t at, std::size_t size) {
    const std::uint64_t v = Unsigned(bytes, at, size);
    if (size == 4) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    }
    return static_cast<std::int64_t>(v);
}

struct Counts {
    std::size_t isUt, isStd, leaps, times, types, chars;

    std::size_t BlockSize(std::size_t timeSize) const {
        return times * timeSize + times + types * 6 + chars + leaps * (timeSize + 4) + isStd + isUt;
    }
};

std::optional<Counts> ReadCounts(std::string_view bytes, std::size_t at) {
    if (bytes.size() < at || bytes.size() - at < kHeaderSize || bytes.substr(at, 4) != "TZif") {
        return std::nullopt;
    }
    std::size_t c[6];
    for (std::size_t k = 0; k < 6; ++k) {
        c[k] = static_cast<std::size_t>(Unsigned(bytes, at + 20 + 4 * k, 4));
    }
    return Counts{c[0], c[1], c[2], c[3], c[4], c[5]};
}

} // namespace

std::optional<ZoneHistory> ZoneHistory::FromFile(std::string_view bytes) {
    std::optional<Counts> c = ReadCounts(bytes, 0);
    if (!c) {
        return std::nullopt;
    }
    const bool v1 = bytes[4] == '\0';
    std::size_t block = kHeaderSize;
    std::size_t timeSize = 4;
    if (!v1) {
        // The 64-bit data after the 32-bit data of the first header.
        const std::size_t second = kHeaderSize + c->BlockSize(4);
        c = ReadCounts(bytes, second);
        if (!c) {
            return std::nullopt;
        }
        block = second + kHeaderSize;
        timeSize = 8;
    }
    if (c->types == 0 || bytes.size() < block || bytes.size() - block < c->BlockSize(timeSize)) {
        return std::nullopt;
    }
    const std::size_t indices = block + c->times * timeSize;
    const std::size_t types = indices + c->times;
    const std::size_t chars = types + c->types * 6;
    ZoneHistory h;
    const std::string_view abbreviations = bytes.substr(chars, c->chars);
    for (std::size_t i = 0; i < c->types; ++i) {
        const std::size_t at = types + 6 * i;
        const std::size_t index = static_cast<unsigned char>(bytes[at + 5]);
        if (index >= abbreviations.size()) {
            return std::nullopt;
        }
        const std::string_view name = abbreviations.substr(index);
        h.m_times.push_back({static_cast<int>(Signed(bytes, at, 4)), bytes[at + 4] != 0,
                             std::string(name.substr(0, name.find('\0')))});
    }
    std::vector<Transition> file;
    for (std::size_t i = 0; i < c->times; ++i) {
        const std::size_t time = static_cast<unsigned char>(bytes[indices + i]);
        if (time >= c->types) {
            return std::nullopt;
        }
        file.push_back(
            {std::max(Signed(bytes, block + i * timeSize, timeSize), kEarliestTime), time});
    }
    // Before the first transition: the first standard time of the file (the first time of all
    // when it has none).
    if (file.empty() || file.front().when != kEarliestTime) {
        const auto standard = std::find_if(h.m_times.begin(), h.m_times.end(),
                                           [](const ZoneTime& t) { return !t.dst; });
        const std::size_t first = standard != h.m_times.end()
                                      ? static_cast<std::size_t>(standard - h.m_times.begin())
                                      : 0;
        file.insert(file.begin(), Transition{kEarliestTime, first});
    }
    // A transition to the clock time already in force is none.
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (i == 0 || h.m_times[file[i].time] != h.m_times[file[i - 1].time]) {
            h.m_transitions.push_back(file[i]);
        }
    }
    if (!v1) {
        const std::size_t footer = block + c->BlockSize(timeSize);
        const std::size_t end = bytes.find('\n', footer + 1);
        if (footer < bytes.size() && bytes[footer] == '\n' && end != std::string_view::npos) {
            h.m_rule = ZoneRule::Parse(bytes.substr(footer + 1, end - footer - 1));
        }
    }
    return h;
}

ZonePeriod ZoneHistory::Period(std::size_t i) const {
    const Transition& from = m_transitions[i - 1];
    std::int64_t end = kLatestTime;
    if (i < m_transitions.size()) {
        end = m_transitions[i].when;
    } else if (m_rule) {
        end = m_rule->PeriodAt(from.when).end;
    }
    return ZonePeriod{from.when, end, m_times[from.time]};
}

ZonePeriod ZoneHistory::PeriodAt(std::int64_t utc) const {
    const Transition& last = m_transitions.back();
    if (m_rule && utc >= last.when) {
        ZonePeriod p = m_rule->PeriodAt(utc);
        p.begin = std::max(p.begin, last.when);
        return p;
    }
    const auto after =
        std::upper_bound(m_transitions.begin(), m_transitions.end(), utc,
                         [](std::int64_t t, const Transition& tr) { return t < tr.when; });
    return Period(
        static_cast<std::size_t>(std::max<std::ptrdiff_t>(after - m_transitions.begin(), 1)));
}

LocalPeriods ZoneHistory::AtLocal(std::int64_t local) const {
    // The first transition whose clock time, read in the time it begins, lies after the local
    // time: the local time belongs to the period before it, or to the one before that when it
    // is repeated, or to none when it is skipped.
    const auto after = std::upper_bound(m_transitions.begin(), m_transitions.end(), local,
                                        [this](std::int64_t t, const Transition& tr) {
                                            return t - m_times[tr.time].offset < tr.when;
                                        });
    const std::size_t n = m_transitions.size();
    const auto i =
        static_cast<std::size_t>(std::max<std::ptrdiff_t>(after - m_transitions.begin(), 1));
    const Transition& last = m_transitions.back();
    if (m_rule && i == n && local - m_times[last.time].offset >= last.when + 2 * kDay) {
        return AtLocalByPeriods(local);
    }
    LocalPeriods r;
    r.first = Period(i);
    if (local - r.first.time.offset < r.first.begin + kDay && i >= 2) {
        const ZonePeriod before = Period(i - 1);
        if (local - before.time.offset < before.end) {
            r.kind = LocalPeriods::Kind::Ambiguous;
            r.second = r.first;
            r.first = before;
            return r;
        }
    } else if (local - r.first.time.offset >= r.first.end && i < n) {
        const ZonePeriod next = Period(i + 1);
        if (local - next.time.offset < next.begin) {
            r.kind = LocalPeriods::Kind::Nonexistent;
            r.second = next;
            return r;
        }
    }
    r.second = r.first;
    return r;
}

LocalPeriods ZoneHistory::AtLocalByPeriods(std::int64_t local) const {
    std::vector<ZonePeriod> periods{PeriodAt(local - kOffsetReach)};
    while (periods.back().end <= local + kOffsetReach && periods.size() < kMaxPeriods) {
        periods.push_back(PeriodAt(periods.back().end));
    }
    std::vector<std::size_t> holding;
    for (std::size_t k = 0; k < periods.size(); ++k) {
        const std::int64_t utc = local - periods[k].time.offset;
        if (periods[k].begin <= utc && utc < periods[k].end) {
            holding.push_back(k);
        }
    }
    LocalPeriods r;
    if (!holding.empty()) {
        r.kind = holding.size() > 1 ? LocalPeriods::Kind::Ambiguous : LocalPeriods::Kind::Unique;
        r.first = periods[holding.front()];
        r.second = periods[holding.size() > 1 ? holding[1] : holding.front()];
        return r;
    }
    for (std::size_t k = 0; k + 1 < periods.size(); ++k) {
        if (local - periods[k].time.offset >= periods[k].end &&
            local - periods[k + 1].time.offset < periods[k + 1].begin) {
            r.kind = LocalPeriods::Kind::Nonexistent;
            r.first = periods[k];
            r.second = periods[k + 1];
            return r;
        }
    }
    // Not reached with offsets within a day and two hours.
    r.first = r.second = periods.front();
    return r;
}

} // namespace places
