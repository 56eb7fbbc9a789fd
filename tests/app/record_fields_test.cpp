// The table of stored fields: the outputs of a record and the CSV input agree on names, values
// and order.
#include "app/record_fields.h"

#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using json = nlohmann::ordered_json;

// Southern stored as 5: a record from elsewhere keeps its value in every output.
const VXDateStore kRecord(-1850, 13, 5, 25, -1, 5, 1, -12);

} // namespace

TEST(RecordFields, OutputsOfOneRecord) {
    std::string csv;
    AppendRecordCsvHeader(csv);
    csv += '\n';
    AppendRecordCsv(csv, "a,b", kRecord);
    EXPECT_EQ(csv, "name,day,month,year,hour,minute,tz,southern,const_zone\n"
                   "\"a,b\",5,13,-1850,25,-1,-12,5,1");

    std::string out;
    JsonWriter writer(out, JsonLayout{});
    writer.BeginObject();
    WriteRecordJson(writer, "Eva", kRecord);
    writer.EndObject();
    EXPECT_EQ(json::parse(out), json::parse(R"({"name":"Eva","day":5,"month":13,"year":-1850,
        "hour":25,"minute":-1,"tz":-12,"southern":5,"const_zone":1})"));

    const std::string show = RecordShowText("Eva", kRecord);
    const std::string expected =
        std::string(UserText(TextId::ShowName)) + "Eva\n" + UserText(TextId::ShowYear) + "-1850\n" +
        UserText(TextId::ShowMonth) + "13\n" + UserText(TextId::ShowDay) + "5\n" +
        UserText(TextId::ShowHour) + "25\n" + UserText(TextId::ShowMinute) + "-1\n" +
        UserText(TextId::ShowSouthern) + "5\n" + UserText(TextId::ShowConstZone) + "1\n" +
        UserText(TextId::ShowTimeZone) + "-12\n";
    EXPECT_EQ(show, expected);
}

TEST(RecordFields, ReadingInputFields) {
    struct Case {
        const char* key;
        const char* text;
        std::optional<TextId> refusal;
        BirthInput expected;
    };
    const BirthInput start{};
    BirthInput southern = start;
    southern.southern = true;
    BirthInput day = start;
    day.day = 7;
    BirthInput tz = start;
    tz.timeZone = -3;
    const Case cases[] = {
        {"day", " 7 ", std::nullopt, day},
        {"day", "", TextId::FieldNotInteger, start},
        {"day", "7.0", TextId::FieldNotInteger, start},
        {"tz", "", std::nullopt, start}, // empty: the form's 1
        {"tz", "-3", std::nullopt, tz},
        {"southern", "1", std::nullopt, southern},
        {"southern", "", std::nullopt, start},
        {"southern", " 1", TextId::FieldNotFlag, start},
        {"southern", "2", TextId::FieldNotFlag, start},
    };
    for (const Case& c : cases) {
        BirthInput in{};
        const RecordField* field = FindRecordField(c.key);
        ASSERT_NE(field, nullptr) << c.key;
        EXPECT_EQ(ReadRecordField(*field, c.text, in), c.refusal) << c.key << " '" << c.text << "'";
        EXPECT_EQ(in, c.expected) << c.key << " '" << c.text << "'";
    }
    EXPECT_EQ(FindRecordField("place"), nullptr);
}

TEST(RecordFields, HeaderNamesInThreeLanguages) {
    const struct {
        const char* header;
        const char* key; // nullptr: not a column of a birth
    } cases[] = {
        {"day", "day"},
        {" TAG ", "day"},
        {"jour", "day"},
        {"ANN\u00C9E", "year"},
        {"S\u00DCDHALBKUGEL", "southern"},
        {"H\u00E9misph\u00E8re Sud", "southern"},
        {"Zeitverschiebung", "tz"},
        {"fuseau horaire", "tz"},
        {"Konstante  Zone", nullptr}, // blanks inside count
        {"Lieu", "place"},
        {"ZONE", "zone"},
        {"", nullptr},
        {"Datum", nullptr},
        {"\u00D7", nullptr},
    };
    for (const auto& c : cases) {
        const InputColumn* column = FindInputColumn(c.header);
        if (c.key == nullptr) {
            EXPECT_EQ(column, nullptr) << c.header;
        } else {
            ASSERT_NE(column, nullptr) << c.header;
            EXPECT_EQ(column->key, c.key) << c.header;
        }
    }
    EXPECT_EQ(FoldedHeader("\t\u00C0b\u00D7C "), "\u00E0b\u00D7c");
}
