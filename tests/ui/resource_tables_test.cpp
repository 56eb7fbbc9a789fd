// The resource tables and the conversion of dialog units.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/text_catalogue.h"
#include "res/form_template.h"
#include "res/menu_table.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/dialog_units.h"

TEST(DialogUnits, EdgesAreConvertedSeparatelyWithRounding) {
    // The diagram: left 313.5 -> 314, right 574.5 -> 575, top 199.875 -> 200, bottom 328.25.
    EXPECT_EQ(MapDialogRect(209, 123, 174, 79), QRect(314, 200, 261, 128));
    EXPECT_EQ(MapDialogRect(0, 0, 401, 280).size(), QSize(602, 455));
    EXPECT_EQ(MapDialogRect(19, 32, 40, 14), QRect(29, 52, 60, 23));
    // Twice the resolution gives twice the pixels (up to the rounding of each edge).
    EXPECT_EQ(MapDialogRect(209, 123, 174, 79, 192), QRect(627, 400, 522, 257));
    EXPECT_EQ(MulDiv(-3, 3, 2), -5);
    EXPECT_EQ(MulDiv(7, 1, 0), -1);
}

TEST(StringTable, IdsLookUpTheCatalogue) {
    EXPECT_STREQ(LoadResourceString(AFX_IDS_APP_TITLE), UserText(TextId::AppTitle));
    EXPECT_STREQ(LoadResourceString(IDR_MAINFRAME), UserText(TextId::DocTemplate));
    EXPECT_STREQ(LoadResourceString(IDS_EARLIER_CENTURY), UserText(TextId::EarlierCentury));
    EXPECT_STREQ(LoadResourceString(IDS_TIME_ZONE_RANGE), UserText(TextId::TimeZoneRange));
    EXPECT_STREQ(LoadResourceString(IDS_TIP_TIME_ZONE), UserText(TextId::TipTimeZone));
    // The messages and tooltips 2000..2015: each a text of its own, short enough for a tooltip.
    std::set<std::string> texts;
    for (int id = IDS_EARLIER_CENTURY; id <= IDS_TIP_TIME_ZONE; ++id) {
        ASSERT_NE(LoadResourceString(id), nullptr) << id;
        EXPECT_LT(std::string(LoadResourceString(id)).size(), 90u) << id;
        texts.insert(LoadResourceString(id));
    }
    EXPECT_EQ(texts.size(), 16u);
    EXPECT_EQ(LoadResourceString(IDS_TIP_TIME_ZONE + 1), nullptr);
    EXPECT_EQ(LoadResourceString(0), nullptr);
}

TEST(StringTable, DocumentTemplateSplitsAtLineFeeds) {
    std::string joined;
    for (int i = 0; i < 9; ++i) {
        const std::string part = DocTemplateSubstring(i);
        EXPECT_EQ(part.find('\n'), std::string::npos) << i;
        joined += (i == 0 ? "" : "\n") + part;
    }
    EXPECT_EQ(joined, LoadResourceString(IDR_MAINFRAME));
    EXPECT_STREQ(DocTemplateSubstring(4), ".dat"); // the extension the file dialogs add
    EXPECT_STREQ(DocTemplateSubstring(9), "");
    EXPECT_STREQ(DocTemplateSubstring(-1), "");
}

TEST(FormTemplate, TabOrderAndIds) {
    std::vector<int> tabOrder;
    std::set<int> ids;
    for (const ControlTemplate& c : FormTemplate130().controls) {
        if (c.style & kTabStop) {
            tabOrder.push_back(c.id);
        }
        if (c.id != -1) {
            EXPECT_TRUE(ids.insert(c.id).second) << "duplicate id " << c.id;
        }
    }
    EXPECT_EQ(tabOrder,
              (std::vector<int>{IDC_DAY, IDC_MONTH, IDC_YEAR, IDC_HOUR, IDC_MINUTE, IDC_CALCULATE,
                                IDC_NAME, IDC_ADD, IDC_LAYOUT, IDC_SOUTHERN, IDC_CONST_ZONE,
                                IDC_LIST_DATES, IDC_DELETE, IDC_TIME_ZONE, IDC_DELETE_ALL}));
    EXPECT_EQ(ids.size(), 29u);
    EXPECT_EQ(ToolTipStringId(IDC_TIME_ZONE), IDS_TIP_TIME_ZONE);
    EXPECT_EQ(ToolTipStringId(IDC_DAY), 0);
}

TEST(MenuTable, ItemsAndAccelerators) {
    std::vector<int> commands;
    int popups = 0;
    for (const MenuItemTemplate& item : MenuTemplate128()) {
        popups += (item.flags & kMenuPopup) ? 1 : 0;
        if (item.command != 0) {
            commands.push_back(item.command);
        }
    }
    EXPECT_EQ(popups, 4);
    const std::vector<int> expected{ID_FILE_NEW,
                                    ID_FILE_OPEN,
                                    ID_FILE_SAVE,
                                    ID_FILE_SAVE_AS,
                                    ID_FILE_PRINT,
                                    ID_FILE_PRINT_PREVIEW,
                                    ID_FILE_PRINT_SETUP,
                                    ID_FILE_EXPORT_PDF,
                                    ID_FILE_EXPORT_ALL_PDF,
                                    ID_FILE_MRU_FILE1,
                                    ID_APP_EXIT,
                                    ID_EDIT_COPY,
                                    ID_COPY_ALL,
                                    ID_EDIT_COPY_DIAGRAM,
                                    ID_EDIT_UNDO,
                                    ID_EDIT_REDO,
                                    ID_EDIT_FIND,
                                    ID_EDIT_REPEAT,
                                    ID_INSERT_CURRENT_DATE,
                                    ID_INSERT_BIRTHPLACE,
                                    ID_APP_ABOUT,
                                    ID_APP_CREDITS};
    EXPECT_EQ(commands, expected);
    // The table's fourteen keys, then redo (two), find and find next.
    EXPECT_EQ(AcceleratorTable128().size(), 18u);
    int copies = 0;
    for (const AcceleratorEntry& entry : AcceleratorTable128()) {
        copies += entry.command == ID_EDIT_COPY ? 1 : 0;
    }
    EXPECT_EQ(copies, 2);
}
