// The JSON writer's output read back, through a JSON parser, as exactly what was written, in
// the layouts of the outputs.
#include "app/json_writer.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using json = nlohmann::ordered_json;

TEST(JsonWriter, ReadsBackExactly) {
    const std::string tricky = std::string("q\"b\\s/\n\r\t\x01\x1f\x7f", 12) +
                               std::string(1, '\0') +
                               "\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80\xC2\x9B";
    const double numbers[] = {0.1,    2451623.7916666665,    -0.0, 1e-300, 123456789012345678.0,
                              5e-324, 1.7976931348623157e308};
    const std::string texts[] = {"", "a,b"};
    for (const bool ascii : {false, true}) {
        std::string out;
        JsonWriter row(out, JsonLayout{-1, 1 << 30, ascii});
        row.BeginObject();
        row.Key("text").String(tricky);
        row.Key("k\"ey").String("v");
        row.Key("int").Integer(-2147483648LL);
        row.Key("numbers").Numbers(numbers, std::size(numbers));
        row.Key("texts").Strings(texts, 2);
        row.Key("nan").Number(std::numeric_limits<double>::quiet_NaN());
        row.Key("flag").Bool(false);
        row.EndObject();
        EXPECT_EQ(out.find('\n'), std::string::npos); // one line
        const json parsed = json::parse(out);
        EXPECT_EQ(parsed["text"], tricky);
        EXPECT_EQ(parsed["k\"ey"], "v");
        EXPECT_EQ(parsed["int"], -2147483648LL);
        for (size_t i = 0; i < std::size(numbers); ++i) {
            EXPECT_EQ(parsed["numbers"][i].get<double>(), numbers[i]) << i;
        }
        // The shortest text that reads back the same.
        EXPECT_NE(out.find("[0.1,2451623.7916666665,-0,1e-300,123456789012345680,5e-324,"),
                  std::string::npos)
            << out;
        EXPECT_EQ(parsed["texts"], json({"", "a,b"}));
        EXPECT_TRUE(parsed["nan"].is_null());
        EXPECT_EQ(parsed["flag"], false);
        if (ascii) { // nothing beyond ASCII, nothing a terminal would act on
            for (const char c : out) {
                EXPECT_TRUE(c >= 0x20 && c < 0x7F) << static_cast<int>(c);
            }
        }
    }
}

TEST(JsonWriter, MalformedUtf8BecomesReplacementCharacters) {
    for (const bool ascii : {false, true}) {
        std::string out;
        JsonWriter writer(out, JsonLayout{-1, 1 << 30, ascii});
        writer.String("a\xFF\xC3z");
        EXPECT_EQ(json::parse(out), "a\xEF\xBF\xBD\xEF\xBF\xBDz");
        EXPECT_EQ(out, ascii ? "\"a\\ufffd\\ufffdz\"" : "\"a\xEF\xBF\xBD\xEF\xBF\xBDz\"");
    }
}

// The same document written by the writer and by nlohmann-json.
std::string Written(JsonLayout layout) {
    std::string out;
    JsonWriter w(out, layout);
    w.BeginObject();
    w.Key("place").Null();
    w.Key("zone").String("Europe/Berlin");
    w.Key("empty").BeginArray();
    w.EndArray();
    w.Key("list").BeginArray();
    w.Integer(60);
    w.BeginObject();
    w.Key("dst").Bool(true);
    w.EndObject();
    w.EndArray();
    w.Key("none").BeginObject();
    w.EndObject();
    w.EndObject();
    return out;
}

TEST(JsonWriter, LayoutsOfTheOutputs) {
    const json document = json::parse(
        R"({"place":null,"zone":"Europe/Berlin","empty":[],"list":[60,{"dst":true}],"none":{}})");
    EXPECT_EQ(Written(JsonLayout{}), document.dump());
    EXPECT_EQ(Written(JsonLayout{2}), document.dump(2));
    // Pretty at the top, the containers inside on one line.
    EXPECT_EQ(Written(JsonLayout{2, 1}),
              "{\n  \"place\": null,\n  \"zone\": \"Europe/Berlin\",\n  \"empty\": [],\n"
              "  \"list\": [60, {\"dst\": true}],\n  \"none\": {}\n}");
}
