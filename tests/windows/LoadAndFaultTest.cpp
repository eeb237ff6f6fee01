// The program under load and when things go wrong around it: consoles that
// come and go by the hundred or stop answering, a save killed half-way.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "Processes.h"
#include "TempDir.h"
#include "UiDriver.h"

using namespace vantry::testutil;
using namespace std::chrono_literals;

namespace {

// Every name in the folder, hidden and system files too, as a user's file
// manager set to show everything lists them.
std::vector<std::string> EverythingIn(const std::string& dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

}  // namespace

// Killed while a save is under way, again and again: the file is always one
// whole save, the old or the new, and nothing is left beside it.
TEST(KilledSave, LeavesTheOldOrTheNewFileWholeAndNoTemporaryFile) {
    TempDir dir;
    const std::string target = dir / "server.cfg";
    constexpr std::size_t size = 8u << 20;
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        ChildProcess saver('"' + BinDir() + "\\save-loop.exe\" \"" + target + "\" 8");
        ASSERT_TRUE(saver.started());
        // Half-way: the file is there from an earlier save and the next one
        // has begun beside it.
        ASSERT_TRUE(WaitFor([&] {
            return GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES && EverythingIn(dir.path()).size() > 1;
        }));
        saver.kill();

        const std::string bytes = ReadBytes(target);
        ASSERT_EQ(bytes.size(), size);
        EXPECT_TRUE(bytes == std::string(size, 'a') || bytes == std::string(size, 'b')) << "a mix of two saves";
        EXPECT_TRUE(WaitFor([&] { return EverythingIn(dir.path()).size() == 1; }, 3s))
            << "left beside it: " << EverythingIn(dir.path()).back();
    }
}
