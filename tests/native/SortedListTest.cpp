#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalogue/SortedList.h"

using namespace vantry;
using Texts = std::vector<std::string>;

// The map names a list nobody sees keeps: byte order without regard to ASCII
// case (so "-" and digits come before "_", and "é" after "z"), equal names in
// the order they came, whether filled at once or added one by one.
TEST(SortedListTest, ByteOrderWithoutAsciiCaseEqualNamesInTheOrderTheyCame) {
    const Texts names = {"de_dust2", "De-Dust", "dedust", "DE_DUST", "de_aztec", "_test", "-test",
                         "Test", "2fort", "10x10", "\xC3\xA9t\xC3\xA9", "ete", "Zz", "zZ",
                         "de_dust", "aa", "b", "AA", "Aa", "aA"};
    const Texts sorted = {"-test", "10x10", "2fort", "_test", "aa", "AA", "Aa", "aA", "b", "De-Dust",
                          "de_aztec", "DE_DUST", "de_dust", "de_dust2", "dedust", "ete", "Test", "Zz",
                          "zZ", "\xC3\xA9t\xC3\xA9"};
    SortedList atOnce, oneByOne;
    atOnce.add("stale");
    atOnce.fill(names);
    for (const auto& name : names)
        oneByOne.add(name);
    EXPECT_EQ(atOnce.rows(), sorted);
    EXPECT_EQ(oneByOne.rows(), sorted);
}
