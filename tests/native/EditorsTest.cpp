#include <gtest/gtest.h>

#include <set>

#include "Cases.h"
#include "core/editors/VariableCatalogue.h"

using namespace vantry;

TEST(VariableCatalogue, SeventyFourRowsWithUniqueCaptionsAndTheTrickyTextsExact) {
    std::set<std::string_view> captions;
    for (int i = 0; i < VariableCount; ++i)
        captions.insert(VariableAt(i).caption);
    EXPECT_EQ(captions.size(), 74u);
    EXPECT_THROW(VariableAt(VariableCount), std::out_of_range);

    for (const auto& row : cases::Read("variables.txt")) {
        const ServerVariable& got = VariableAt(std::stoi(row[0]) - 1);
        EXPECT_EQ(std::tuple(int(got.menu), got.caption, got.valueLine, got.commentLine),
                  std::tuple(std::stoi(row[1]), row[2], row[3], row[4])) << row[0];
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
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(std::pair(common[12 + i].caption, common[12 + i].submenu.size()),
                  std::pair(std::string(subs[i].first), subs[i].second));
    const MenuItem &sv = common[13].submenu.front(), &tfc = menus[1].submenu.back();
    EXPECT_EQ(std::tuple(sv.caption, sv.command, menus[1].submenu.size(), tfc.caption, tfc.command),
              std::tuple(std::string("sv_accelerate"), 100 + 22, std::size_t{14}, std::string("tfc_spam_penalty2"),
                         100 + 73));
}

TEST(VariableCatalogue, PlacementBelowTheCaretLineAtTheCaretOnTheLastOrOverTheSelection) {
    for (const auto& c : cases::Read("block-placement.txt")) {
        const Placement got = PlaceInsertedBlock(c[0], std::stoul(c[1]), std::stoul(c[2]));
        EXPECT_EQ(std::pair(got.start, got.replaced), std::pair(std::stoul(c[3]), std::stoul(c[4]))) << c[0];
    }
}
