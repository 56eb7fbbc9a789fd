// The credits both programs show name the same facts.
#include "app/credits.h"

#include <gtest/gtest.h>

TEST(Credits, BothWordingsNameEveryFact) {
    const Credits& c = ProgramCredits();
    EXPECT_EQ(c.version, "1.0.0.1");
    for (const std::string& text : {CreditsText("6.4.2"), CliCreditsLine("6.4.2")}) {
        for (const std::string_view fact :
             {c.licence, c.placeData, c.placeLicence, c.placeLibrary, c.zoneData}) {
            EXPECT_NE(text.find(fact), std::string::npos) << fact << " in " << text;
        }
        EXPECT_NE(text.find(std::string(c.toolkit) + " 6.4.2"), std::string::npos) << text;
        EXPECT_EQ(text.find('%'), std::string::npos) << text; // every mark replaced
    }
    EXPECT_NE(CreditsText("").find("Vexamo, version 1.0.0.1"), std::string::npos);
    EXPECT_EQ(CliCreditsLine("").find('\n'), std::string::npos); // one line
    EXPECT_NE(CliCreditsLine("").find("uses " + std::string(c.toolkit) + "."), std::string::npos);
#ifdef _WIN32
    EXPECT_EQ(std::string_view(c.toolkit), "Win32"); // vexamo.exe has no Qt
#endif
}
