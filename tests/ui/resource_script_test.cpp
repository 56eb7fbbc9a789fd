// The Windows resource script made from the resource tables: every dialog control, menu item,
// accelerator and string the Qt program takes from the same tables, in their order.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "res/form_template.h"
#include "res/menu_table.h"
#include "res/resource_script.h"
#include "res/string_table.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const size_t start = line.find_first_not_of(' ');
        lines.push_back(start == std::string::npos ? std::string() : line.substr(start));
    }
    return lines;
}

// Counts the lines that begin with any of the words.
size_t Count(const std::vector<std::string>& lines, std::initializer_list<const char*> words) {
    size_t n = 0;
    for (const std::string& line : lines) {
        for (const char* word : words) {
            n += line.rfind(word, 0) == 0 ? 1 : 0;
        }
    }
    return n;
}

std::string Rect(const ControlTemplate& c) {
    return std::to_string(c.x) + ", " + std::to_string(c.y) + ", " + std::to_string(c.cx) + ", " +
           std::to_string(c.cy);
}

TEST(ResourceScript, DialogsHoldEveryControlInTemplateOrderWithItsRectangle) {
    const std::vector<std::string> lines = Lines(ResourceScript("pictures"));
    for (const auto& [head, dialog] :
         {std::pair{"130 DIALOGEX 0, 0, 401, 280", &FormTemplate130()},
          std::pair{"100 DIALOGEX 0, 0, 217, 55", &AboutTemplate100()},
          std::pair{"102 DIALOGEX 0, 0, 217, 61", &FindTemplate102()},
          std::pair{"103 DIALOGEX 0, 0, 320, 332", &BirthplaceTemplate103()}}) {
        SCOPED_TRACE(head);
        auto at = std::find(lines.begin(), lines.end(), head);
        ASSERT_NE(at, lines.end());
        at = std::find(at, lines.end(), "FONT 8, \"MS Sans Serif\"");
        ASSERT_NE(at, lines.end());
        for (const ControlTemplate& c : dialog->controls) {
            const std::string rect = Rect(c);
            at = std::find_if(at, lines.end(), [&](const std::string& line) {
                return line.find(rect) != std::string::npos;
            });
            ASSERT_NE(at, lines.end()) << "control " << c.id << " at " << rect;
            if (c.text != nullptr && c.kind != ControlKind::Edit) {
                EXPECT_NE(at->find(std::string("\"") + c.text + "\""), std::string::npos) << *at;
            }
            EXPECT_EQ(at->find("NOT WS_VISIBLE") != std::string::npos, (c.style & kHidden) != 0)
                << *at;
            // A list of rows drawn by the program holds no strings and is never sorted by the
            // list box.
            EXPECT_EQ(at->find("LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_WANTKEYBOARDINPUT") !=
                          std::string::npos,
                      (c.style & kVirtualRows) != 0)
                << *at;
            if (c.style & kVirtualRows) {
                EXPECT_EQ(at->find("LBS_HASSTRINGS"), std::string::npos) << *at;
                EXPECT_EQ(at->find("LBS_SORT"), std::string::npos) << *at;
            }
            ++at;
        }
        EXPECT_EQ(at == lines.end() ? "" : *at, "END");
    }
    EXPECT_EQ(Count(lines, {"CAPTION \"A propos de Vexamo\""}), 1u);
    // The About box's and the birthplace dialog's.
    EXPECT_EQ(Count(lines, {"DEFPUSHBUTTON \"OK\", 1,"}), 2u);
    EXPECT_EQ(Count(lines, {"CAPTION \"Lieu de naissance\""}), 1u);
}

TEST(ResourceScript, MenuAcceleratorsStringsAndVersionFromTheirTables) {
    const std::string script = ResourceScript("pictures", "vexamo.manifest");
    const std::vector<std::string> lines = Lines(script);
    size_t items = 0;
    size_t popups = 0;
    for (const MenuItemTemplate& item : MenuTemplate128()) {
        items += (item.flags & kMenuPopup) == 0 ? 1 : 0;
        popups += (item.flags & kMenuPopup) != 0 ? 1 : 0;
    }
    EXPECT_EQ(Count(lines, {"MENUITEM "}), items);
    EXPECT_EQ(Count(lines, {"POPUP "}), popups);
    EXPECT_NE(script.find("MENUITEM \"&Nouveau\\tCtrl+N\", 57600\n"), std::string::npos);
    EXPECT_NE(script.find("MENUITEM \"Documents récents\", 57616, GRAYED\n"), std::string::npos);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) {
                                return line.find(", VIRTKEY") != std::string::npos;
                            }),
              static_cast<std::ptrdiff_t>(AcceleratorTable128().size()));
    EXPECT_NE(script.find("\"Z\", 57644, VIRTKEY, CONTROL, SHIFT, NOINVERT"), std::string::npos);
    EXPECT_NE(script.find("VK_BACK, 57643, VIRTKEY, ALT, NOINVERT"), std::string::npos);
    for (const int id : ResourceStringIds()) {
        EXPECT_EQ(Count(lines, {(std::to_string(id) + ", \"").c_str()}), 1u) << id;
    }
    // The document template's substrings stay apart.
    EXPECT_NE(script.find("\\nUnbenannt"), std::string::npos);
    for (const char* value :
         {"VALUE \"ProductName\", \"Orlinde Berechnung\"", "VALUE \"FileVersion\", \"1, 0, 0, 1\"",
          "FILEVERSION 1,0,0,1", "1 RT_MANIFEST \"vexamo.manifest\"",
          "131 BITMAP \"pictures/131.bmp\"", "128 ICON \"pictures/128.ico\""}) {
        EXPECT_NE(script.find(value), std::string::npos) << value;
    }
}

} // namespace
