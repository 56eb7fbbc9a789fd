#include "app/export_text.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "app/birth_input.h"
#include "app/csv_text.h"
#include "app/export_head_start.h"
#include "app/ordered_blocks.h"
#include "app/record_commands.h"
#include "app/record_fields.h"
#include "app/result_fields.h"
#include "app/text_guards.h"
#include "astro/birth.h"
#include "astro/text_format.h"
#include "astro/vector_state.h"

namespace {

const char* const kHeader = "Name:\tTypus:\tGeburtstag:\tMondphase:\tSonnenphase:\n";

// "%d.%d.%d %d:%d Uhr " of the values as entered, written at p; returns the end. Five numbers of
// at most 11 characters, four separators and " Uhr ".
constexpr int kMomentRoom = 5 * 11 + 4 + 5;
char* PutBirthMoment(char* p, const VXDateStore& r) {
    p = PutIntText(p, r.m_nDay);
    *p++ = '.';
    p = PutIntText(p, r.m_nMonth);
    *p++ = '.';
    p = PutIntText(p, r.m_nYear);
    *p++ = ' ';
    p = PutIntText(p, r.m_nHour);
    *p++ = ':';
    p = PutIntText(p, r.m_nMinute);
    return std::copy_n(" Uhr ", 5, p);
}

// The name as a spreadsheet field, escaped as well for a terminal. A key of printable ASCII, the
// usual case, is its own UTF-8 and has nothing a terminal would act on.
void AppendNameField(std::string& out, NameKeyView key, bool terminal) {
    if (!key.IsWide() && IsPrintableAscii(key.Bytes())) {
        AppendSpreadsheetField(out, key.Bytes());
    } else if (terminal) {
        out.append(TerminalText(SpreadsheetField(NameOfKey(key)), true));
    } else {
        AppendSpreadsheetField(out, NameOfKey(key));
    }
}

// The line of a record; moment holds its results, nullptr for a record the engine cannot
// evaluate.
void AppendRecordLine(std::string& out, NameKeyView key, const VXDateStore& r,
                      const RecordMoment* moment, bool terminal) {
    AppendNameField(out, key, terminal);
    out.push_back('\t');
    if (moment == nullptr) {
        // Values the engine cannot evaluate: the moment as entered, the rest left empty.
        std::array<char, kMomentRoom + 4> line;
        char* p = line.data();
        *p++ = '\t';
        p = PutBirthMoment(p, r);
        out.append(line.data(), std::copy_n("\t\t\n", 3, p));
        return;
    }
    out.append(BirthTypeName(moment->type));
    // The rest of the line in one piece: the moment, both percentages and the separators.
    std::array<char, kMomentRoom + 2 * kPercentTextRoom + 8> line;
    char* p = line.data();
    *p++ = '\t';
    p = PutBirthMoment(p, r);
    *p++ = '\t';
    *p++ = ' ';
    p = PutPercentText(p, moment->moonFraction * 100.0);
    *p++ = '\t';
    p = PutPercentText(p, moment->sunPhase * 100.0);
    *p++ = '\n';
    out.append(line.data(), p);
}

using Entry = std::pair<NameKeyView, const VXDateStore*>;

// The lines of consecutive records, a group at a time: the results headStart has ready are
// looked up together, and the others are evaluated together (their Moon fractions side by side).
void AppendRecordLines(std::string& out, const Entry* entries, size_t count,
                       const ExportHeadStart* headStart, bool terminal) {
    constexpr size_t kGroup = 16;
    std::array<const RecordMoment*, kGroup> found{};
    std::array<const VXDateStore*, kGroup> open{};
    std::array<RecordMoment, kGroup> evaluated; // the results of open, filled below
    for (size_t first = 0; first < count; first += kGroup) {
        const size_t n = std::min(kGroup, count - first);
        const Entry* group = entries + first;
        if (headStart != nullptr) {
            for (size_t i = 0; i < n; ++i) {
                headStart->Prefetch(*group[i].second);
            }
        }
        size_t opened = 0;
        for (size_t i = 0; i < n; ++i) {
            const VXDateStore& r = *group[i].second;
            found[i] = nullptr;
            if (!CanEvaluate(r)) {
                continue;
            }
            found[i] = headStart != nullptr ? headStart->Find(r) : nullptr;
            if (found[i] == nullptr) {
                found[i] = &evaluated[opened];
                open[opened++] = &r;
            }
        }
        EvaluateRecordMoments(open.data(), opened, evaluated.data());
        for (size_t i = 0; i < n; ++i) {
            AppendRecordLine(out, group[i].first, *group[i].second, found[i], terminal);
        }
    }
}

void AppendRecordCsvLine(std::string& out, NameKeyView key, const VXDateStore& r, char delimiter,
                         bool terminal) {
    AppendRecordCsv(out, terminal ? TerminalText(NameOfKey(key), true) : NameOfKey(key), r,
                    delimiter);
    if (CanEvaluate(r)) {
        thread_local BirthEvaluation evaluation; // its texts keep their storage
        EvaluateRecordInto(r, evaluation);
        AppendResultCsv(out, evaluation, delimiter);
    } else {
        AppendEmptyResultCsv(out, delimiter);
    }
    out.append("\r\n");
}

// The same in a spreadsheet's dialect. The guard comes before the terminal's escapes, so that
// what a terminal shows is what a file receives.
void AppendRecordSheetLine(std::string& out, NameKeyView key, const VXDateStore& r,
                           const SpreadsheetDialect& dialect, bool terminal) {
    if (terminal) {
        AppendRecordCsv(out, TerminalText(GuardedText(NameOfKey(key)), true), r, dialect.delimiter);
    } else {
        AppendRecordCsv(out, NameOfKey(key), r, dialect);
    }
    if (CanEvaluate(r)) {
        thread_local BirthEvaluation evaluation; // its texts keep their storage
        EvaluateRecordInto(r, evaluation);
        AppendResultCsv(out, evaluation, dialect);
    } else {
        AppendEmptyResultCsv(out, dialect.delimiter);
    }
    out.append("\r\n");
}

void AppendRecordJsonLine(std::string& out, NameKeyView key, const VXDateStore& r, bool asciiOnly) {
    JsonWriter json(out, JsonLayout{-1, 1 << 30, asciiOnly});
    json.BeginObject();
    json.Key("format").Integer(kOutputFormatVersion);
    WriteRecordJson(json, NameOfKey(key), r);
    if (CanEvaluate(r)) {
        thread_local BirthEvaluation evaluation; // its texts keep their storage
        EvaluateRecordInto(r, evaluation);
        WriteResultJson(json, evaluation);
    }
    json.EndObject();
    out.push_back('\n');
}

// Records per piece: enough to keep every thread busy, few enough to bound the text held.
constexpr size_t kBlockRecords = 8192;

} // namespace

bool WriteRecords(const DateStoreMap& store, RecordsFormat format, const RecordsStyle& style,
                  unsigned jobs, const std::function<bool(std::string_view piece)>& sink,
                  const ExportHeadStart* headStart) {
    ClearUpperVectorState();
    std::string text;
    if (format == RecordsFormat::Tsv) {
        text = kHeader;
    } else if (format == RecordsFormat::Csv) {
        if (style.byteOrderMark || style.spreadsheet) {
            text.append(kUtf8ByteOrderMark);
        }
        AppendRecordCsvHeader(text, style.delimiter);
        AppendResultCsvHeader(text, style.delimiter);
        text.append("\r\n");
    }
    const auto lines = [&](const std::vector<Entry>& block) {
        return [&block, format, &style, headStart](size_t begin, size_t end, std::string& out) {
            ClearUpperVectorState();
            switch (format) {
            case RecordsFormat::Tsv:
                AppendRecordLines(out, block.data() + begin, end - begin, headStart,
                                  style.terminal);
                break;
            case RecordsFormat::Csv:
                if (style.spreadsheet) {
                    const SpreadsheetDialect dialect{style.delimiter, style.decimal};
                    for (size_t i = begin; i < end; ++i) {
                        AppendRecordSheetLine(out, block[i].first, *block[i].second, dialect,
                                              style.terminal);
                    }
                    break;
                }
                for (size_t i = begin; i < end; ++i) {
                    AppendRecordCsvLine(out, block[i].first, *block[i].second, style.delimiter,
                                        style.terminal);
                }
                break;
            case RecordsFormat::Jsonl:
                for (size_t i = begin; i < end; ++i) {
                    AppendRecordJsonLine(out, block[i].first, *block[i].second, style.asciiOnly);
                }
                break;
            }
        };
    };
    auto next = store.begin();
    const auto gather = [&](std::vector<Entry>& block) {
        block.clear();
        for (; next != store.end() && block.size() < kBlockRecords; ++next) {
            const auto& entry = *next;
            block.emplace_back(entry.name, &entry.record);
        }
    };
    // Two pieces in turn: while the other threads write one, this thread hands the text of the
    // one before to the sink and gathers the records of the next.
    std::array<std::vector<Entry>, 2> blocks;
    std::array<std::string, 2> texts{std::move(text), std::string()};
    for (auto& block : blocks) {
        block.reserve(kBlockRecords);
    }
    size_t now = 0;
    gather(blocks[now]);
    for (;;) {
        const size_t other = 1 - now;
        OrderedWork work;
        const bool background =
            work.Start(blocks[now].size(), jobs, lines(blocks[now]), texts[now]);
        if (!texts[other].empty()) {
            if (!sink(texts[other])) {
                return false;
            }
            texts[other].clear();
        }
        gather(blocks[other]);
        if (background) {
            work.Finish();
        }
        if (blocks[other].empty()) {
            return sink(texts[now]);
        }
        now = other;
    }
}

namespace {

std::string RecordsText(const DateStoreMap& store, RecordsFormat format,
                        const RecordsStyle& style) {
    std::string all;
    WriteRecords(store, format, style, DefaultJobs(), [&](std::string_view piece) {
        all += piece;
        return true;
    });
    return all;
}

} // namespace

std::string CopyAllText(const DateStoreMap& store) {
    return RecordsText(store, RecordsFormat::Tsv, {});
}

std::string CopyLineText(const std::string& name, const std::string& type, const std::string& moon,
                         const std::string& sun) {
    std::string text;
    const std::string field = SpreadsheetField(name);
    text.reserve(field.size() + type.size() + moon.size() + sun.size() + 3);
    text.append(field).append("\t").append(type).append("\t").append(moon).append("\t").append(sun);
    return text;
}

std::string RecordsCsv(const DateStoreMap& store, char delimiter, bool byteOrderMark) {
    return RecordsText(store, RecordsFormat::Csv, {false, delimiter, byteOrderMark});
}

std::string RecordsJsonl(const DateStoreMap& store, bool asciiOnly) {
    return RecordsText(store, RecordsFormat::Jsonl, {asciiOnly});
}
