#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Cases.h"
#include "core/catalogue/SortedList.h"

using namespace vantry;
using Texts = std::vector<std::string>;

// The map names a list nobody sees keeps: byte order without regard to ASCII
// case (so "-" and digits come before "_", and "é" after "z"), equal names in
// the order they came, whether filled at once or added one by one.
TEST(SortedListTest, ByteOrderWithoutAsciiCaseEqualNamesInTheOrderTheyCame) {
    Texts names, sorted;
    for (const auto& c : cases::Read("sorted-names.txt"))
        names.push_back(c[0]), sorted.push_back(c[1]);
    SortedList atOnce, oneByOne;
    atOnce.add("stale");
    atOnce.fill(names);
    for (const auto& name : names)
        oneByOne.add(name);
    EXPECT_EQ(atOnce.rows(), sorted);
    EXPECT_EQ(oneByOne.rows(), sorted);
}
