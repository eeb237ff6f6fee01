#include <gtest/gtest.h>

#include "catalogue/PipeList.h"

using vantry::PipeList;

TEST(PipeList, AddAppendsWithABarAndKeepsItemsAsGiven) {
    PipeList list;
    EXPECT_EQ(list.Count(), 0);
    list.Add("a");
    list.Add("b");
    list.Add(" c ");
    list.Add("a");
    EXPECT_EQ(list.text(), "a|b| c |a|");
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Item(2), "b");
    EXPECT_EQ(list.Item(3), " c ");
    EXPECT_EQ(list.Item(5), "");
    EXPECT_EQ(list.Item(0), "");
    EXPECT_EQ(list.Item(-1), "");
}

TEST(PipeList, CountStopsAtTheFirstBlankItem) {
    EXPECT_EQ(PipeList("a||b|").Count(), 1);
    EXPECT_EQ(PipeList("a|  |b|").Count(), 1);
    EXPECT_EQ(PipeList("|a|").Count(), 0);
    EXPECT_EQ(PipeList("a|b").Count(), 2);  // a missing final bar still counts the last item
    // Item still reaches past the blank one.
    EXPECT_EQ(PipeList("a||b|").Item(3), "b");
}

TEST(PipeList, RemoveRebuildsFromTheCountedItems) {
    PipeList abc("a|b|c|");
    abc.Remove(2);
    EXPECT_EQ(abc.text(), "a|c|");
    abc.Remove(1);
    EXPECT_EQ(abc.text(), "c|");
    abc.Remove(1);
    EXPECT_EQ(abc.text(), "");

    PipeList blank("a||b|");
    blank.Remove(1);
    EXPECT_EQ(blank.text(), "");

    // Out of range removes nothing, but the rebuild still drops what follows a blank.
    PipeList tail("a|b||c|");
    tail.Remove(9);
    EXPECT_EQ(tail.text(), "a|b|");
    PipeList kept("x| y |");
    kept.Remove(0);
    EXPECT_EQ(kept.text(), "x| y |");
}

TEST(PipeList, ClearGameListsEmptiesAllThree) {
    vantry::GameLists lists;
    lists.GameEntries.Add("valve;1");
    lists.FoundDirs.Add("valve");
    lists.CfgLines.Add("valve;1");
    vantry::ClearGameLists(lists);
    EXPECT_EQ(lists.GameEntries.text() + lists.FoundDirs.text() + lists.CfgLines.text(), "");
}
