// The hand-written JSON rows read back, through a JSON parser, as exactly what was written.
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/json_row.h"

using json = nlohmann::json;

TEST(JsonRow, ReadsBackExactly) {
    const std::string tricky = std::string("q\"b\\s/\n\r\t\x01\x1f\x7f", 12) +
                               std::string(1, '\0') +
                               "\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80\xC2\x9B";
    const double numbers[] = {0.1, 2451623.7916666665, -0.0, 1e-300, 123456789012345678.0};
    const std::string texts[] = {"", "a,b"};
    for (const bool ascii : {false, true}) {
        std::string out;
        JsonRowWriter row(out, ascii);
        row.String("text", tricky);
        row.String("k\"ey", "v");
        row.Integer("int", -2147483648LL);
        row.NumberArray("numbers", numbers, 5);
        row.StringArray("texts", texts, 2);
        row.Number("nan", std::numeric_limits<double>::quiet_NaN());
        row.End();
        ASSERT_EQ(out.back(), '\n');
        EXPECT_EQ(out.find('\n'), out.size() - 1); // one line
        const json parsed = json::parse(out);
        EXPECT_EQ(parsed["text"], tricky);
        EXPECT_EQ(parsed["k\"ey"], "v");
        EXPECT_EQ(parsed["int"], -2147483648LL);
        for (size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(parsed["numbers"][i].get<double>(), numbers[i]);
        }
        EXPECT_NE(out.find("[0.1,2451623.7916666665,-0,1e-300,"), std::string::npos) << out;
        EXPECT_EQ(parsed["texts"], json({"", "a,b"}));
        EXPECT_TRUE(parsed["nan"].is_null());
        if (ascii) { // nothing beyond ASCII, nothing a terminal would act on
            for (const char c : out.substr(0, out.size() - 1)) {
                EXPECT_TRUE(c >= 0x20 && c < 0x7F) << static_cast<int>(c);
            }
        }
    }
}

TEST(JsonRow, MalformedUtf8BecomesReplacementCharacters) {
    std::string out;
    JsonRowWriter row(out, false);
    row.String("t", "a\xFF\xC3z");
    row.End();
    EXPECT_EQ(json::parse(out)["t"], "a\xEF\xBF\xBD\xEF\xBF\xBDz");
    std::string ascii;
    JsonRowWriter escaped(ascii, true);
    escaped.String("t", "\xFF");
    escaped.End();
    EXPECT_EQ(ascii, "{\"t\":\"\\ufffd\"}\n");
}
