// The table of results: every output written from it names and orders the same fields.
#include "app/result_fields.h"

#include <set>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/birth_input.h"

namespace {

using json = nlohmann::ordered_json;

const BirthEvaluation& Sample() {
    static const BirthEvaluation r = Evaluate(BirthInput{20, 3, 2000, 8, 0, 1, false, false});
    return r;
}

size_t CountOf(const std::string& text, char c) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), c));
}

} // namespace

TEST(ResultFields, KeysAreUniqueAndLabelledFieldsAreTexts) {
    std::set<std::string> keys;
    for (const ResultField& field : ResultFields()) {
        EXPECT_TRUE(keys.insert(field.key).second) << field.key;
        if (field.label) {
            EXPECT_EQ(field.kind, ResultKind::Text) << field.key;
        }
    }
    EXPECT_EQ(keys.size(), 19u);
}

TEST(ResultFields, JsonCsvAndLabelTextFollowTheTable) {
    const BirthEvaluation& r = Sample();
    std::string out;
    JsonWriter writer(out, JsonLayout{});
    writer.BeginObject();
    WriteResultJson(writer, r);
    writer.EndObject();
    const json parsed = json::parse(out);
    ASSERT_EQ(parsed.size(), ResultFields().size());
    size_t k = 0;
    for (const auto& [key, value] : parsed.items()) {
        EXPECT_EQ(key, ResultFields()[k++].key);
    }
    EXPECT_EQ(parsed["julian_date"].get<double>(), r.m_dJulianDate);
    EXPECT_EQ(parsed["moon_percent_text"], r.m_strMoonPercent);
    EXPECT_EQ(parsed["phases"].size(), r.m_phases.size());
    EXPECT_EQ(parsed["phases"][2].get<double>(), r.m_phases[2]);
    EXPECT_EQ(parsed["phases_utc"].size(), r.m_phases.size());
    EXPECT_EQ(parsed["type_text"], BirthTypeName(r.m_nType));

    std::string header;
    AppendResultCsvHeader(header);
    std::string row;
    AppendResultCsv(row, r);
    std::string empty;
    AppendEmptyResultCsv(empty);
    EXPECT_EQ(CountOf(header, ','), ResultFields().size());
    EXPECT_EQ(CountOf(row, ','), ResultFields().size());
    EXPECT_EQ(empty, std::string(ResultFields().size(), ','));
    EXPECT_EQ(header.rfind(",julian_date,julian_date_text,", 0), 0u);

    const std::string lines = ResultLabelText(r);
    EXPECT_EQ(CountOf(lines, '\n'), 10u);
    EXPECT_EQ(lines.rfind(
                  std::string(UserText(TextId::LabelJulian)) + " : " + r.m_strJulianDate + "\n", 0),
              0u);
}
