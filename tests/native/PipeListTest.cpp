#include <gtest/gtest.h>

#include "core/catalogue/PipeList.h"

using vantry::PipeList;

TEST(PipeList, AddAppendsWithABarAndItemsAreOneBasedAsGiven) {
    PipeList list;
    list.Add("a");
    list.Add(" c ");
    list.Add("a");
    EXPECT_EQ(list.text(), "a| c |a|");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Item(2), " c ");
    for (int outside : {-1, 0, 5})
        EXPECT_EQ(list.Item(outside), "") << outside;
}

TEST(PipeList, CountStopsAtTheFirstBlankItemButItemReachesPastIt) {
    EXPECT_EQ(PipeList("a|  |b|").Count(), 1);
    EXPECT_EQ(PipeList("|a|").Count(), 0);
    EXPECT_EQ(PipeList("a|b").Count(), 2);  // a missing final bar still counts the last item
    EXPECT_EQ(PipeList("a||b|").Item(3), "b");
}

TEST(PipeList, RemoveRebuildsFromTheCountedItems) {
    PipeList abc("a|b|c|");
    abc.Remove(2);
    EXPECT_EQ(abc.text(), "a|c|");
    abc.Remove(1);
    abc.Remove(1);
    EXPECT_EQ(abc.text(), "");

    // Out of range removes nothing, but the rebuild still drops what follows a blank.
    PipeList tail("a|b||c|");
    tail.Remove(9);
    EXPECT_EQ(tail.text(), "a|b|");
    PipeList kept("x| y |");
    kept.Remove(0);
    EXPECT_EQ(kept.text(), "x| y |");
}
