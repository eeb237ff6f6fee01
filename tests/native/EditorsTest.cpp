#include <gtest/gtest.h>

#include <set>

#include "core/editors/VariableCatalogue.h"

using namespace vantry;

TEST(VariableCatalogue, SeventyFourRowsWithUniqueCaptionsAndTheTrickyTextsExact) {
    std::set<std::string_view> captions;
    for (int i = 0; i < VariableCount; ++i)
        captions.insert(VariableAt(i).caption);
    EXPECT_EQ(captions.size(), 74u);
    EXPECT_THROW(VariableAt(VariableCount), std::out_of_range);

    struct Row {
        int number;  // 1-based, in menu order
        VariableMenu menu;
        std::string_view caption, valueLine, commentLine;
    };
    const Row rows[] = {
        {1, VariableMenu::Common, "cl_timeout", "cl_timeout 300", "// Set time of inactivity before client timeout"},
        {5, VariableMenu::Common, "hostname", "hostname \"\"", "// set the name of the server"},
        {12, VariableMenu::Common, "setmaster", "setmaster half-life.east.won.net 27010",
         "// sets the master for server listings"},
        {22, VariableMenu::CommonMp, "mp_weaponstay", "mp_weaponstay",
         "// toggles whether weapons stay after a player picks it up"},
        {39, VariableMenu::CommonSv, "sv_maxspectators", "sv_maxspectators 8", "// sets the maximum number of spectators"},
        {73, VariableMenu::Tfc, "tfc_spam_penalty1", "tfc_spam_penalty1 8", "// sets spam penalty level 1"},
        {74, VariableMenu::Tfc, "tfc_spam_penalty2", "tfc_spam_penalty2 2", "// sets spam penalty level2"},
    };
    for (const Row& row : rows) {
        const ServerVariable& got = VariableAt(row.number - 1);
        EXPECT_EQ(std::tuple(got.menu, got.caption, got.valueLine, got.commentLine),
                  std::tuple(row.menu, row.caption, row.valueLine, row.commentLine)) << row.number;
    }
}

TEST(VariableCatalogue, MenusNestMpSvAndTeamUnderCommonAfterItsOwnEntries) {
    const Menu menus = VariableMenus(100);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[0].caption + " / " + menus[1].caption, "Common Server Variables / TFC Server Variables");
    const std::vector<MenuItem>& common = menus[0].submenu;
    ASSERT_EQ(common.size(), 15u);
    EXPECT_EQ(std::pair(common[0].command, common[11].caption), std::pair(100, std::string("setmaster")));
    const std::pair<const char*, std::size_t> subs[] = {{"mp_", 10}, {"sv_", 29}, {"team", 9}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(std::pair(common[12 + i].caption, common[12 + i].submenu.size()),
                  std::pair(std::string(subs[i].first), subs[i].second));
    }
    const MenuItem &sv = common[13].submenu.front(), &tfc = menus[1].submenu.back();
    EXPECT_EQ(std::tuple(sv.caption, sv.command, menus[1].submenu.size(), tfc.caption, tfc.command),
              std::tuple(std::string("sv_accelerate"), 100 + 22, std::size_t{14}, std::string("tfc_spam_penalty2"),
                         100 + 73));
}

TEST(VariableCatalogue, PlacementBelowTheCaretLineAtTheCaretOnTheLastOrOverTheSelection) {
    struct Case {
        const char* name;
        std::string_view text;
        std::size_t selStart, selLength, start, replaced;
    };
    const Case cases[] = {
        {"empty document", "", 0, 0, 0, 0},
        {"caret inside the first of two lines", "a\r\nb", 1, 0, 3, 0},
        {"caret inside the last line", "a\r\nbc", 4, 0, 4, 0},
        {"caret right after a line end is on the next line", "a\r\nb\r\nc", 3, 0, 6, 0},
        {"caret at the end after a final line end", "a\r\n", 3, 0, 3, 0},
        {"caret between CR and LF is on the line before", "a\r\nb\r\nc", 2, 0, 3, 0},
        {"an LF alone ends no line", "a\nb", 1, 0, 1, 0},
        {"selection over several lines is replaced", "ab\r\ncd\r\nef", 1, 6, 1, 6},
        {"caret past the end is at the end", "a\r\nb", 9, 0, 4, 0},
        {"selection past the end stops there", "a\r\nbc", 3, 9, 3, 2},
    };
    for (const Case& c : cases) {
        const Placement got = PlaceInsertedBlock(c.text, c.selStart, c.selLength);
        EXPECT_EQ(got.start, c.start) << c.name;
        EXPECT_EQ(got.replaced, c.replaced) << c.name;
    }
}
