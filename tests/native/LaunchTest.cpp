#include <gtest/gtest.h>

#include "servers/Launch.h"

using namespace vantry;

TEST(LaunchCommandLine, ParametersFirstThenGameMapAndPort) {
    EXPECT_EQ(LaunchCommandLine("valve", "crossfire", "27015", ""),
              " -game valve +map crossfire +port 27015");
    EXPECT_EQ(LaunchCommandLine("valve", "crossfire", "27015", "+maxplayers 16"),
              "+maxplayers 16  -game valve +map crossfire +port 27015");
    EXPECT_EQ(LaunchCommandLine("valve", "", "", ""), " -game valve");
    EXPECT_EQ(LaunchCommandLine("valve", "  ", "  ", "   "), " -game valve");
    EXPECT_EQ(LaunchCommandLine("cstrike", " de_dust ", " 27016 ", "  +maxplayers 8 "),
              "+maxplayers 8  -game cstrike +map de_dust +port 27016");
    EXPECT_EQ(LaunchCommandLine("", "", "27015", ""), " -game  +port 27015");
    // A pasted port is passed as it is, trimmed.
    EXPECT_EQ(LaunchCommandLine("valve", "", "27o15", ""), " -game valve +port 27o15");
}

TEST(LaunchCommandLine, PortFieldTakesDigitsAndBackspaceOnly) {
    for (char c : std::string("0123456789"))
        EXPECT_TRUE(PortFieldAccepts(c));
    EXPECT_TRUE(PortFieldAccepts(8));
    for (int c : {int{'a'}, int{' '}, int{'-'}, int{'+'}, int{'.'}, 13, 127, 0xB2})
        EXPECT_FALSE(PortFieldAccepts(c)) << c;
    EXPECT_EQ(LaunchRefusedMessage("C:\\HL\\hlds.exe"), "Could not start 'C:\\HL\\hlds.exe'.");
}
