// The start choice for any command line: one window, and a file to open only
// where the editor is the window.
#include "FakeFileSystem.h"
#include "FakePlatform.h"
#include "FuzzInput.h"
#include "core/startup/StartUp.h"

using namespace vantry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    fakes::FakeFileSystem fs;
    fs.addFile("C:\\HL\\valve\\server.cfg");
    fakes::FakeSettingsStore store;
    Settings settings{store};
    const std::string text = CommandLineText(line);
    FUZZ_CHECK(text.size() <= line.size());
    FUZZ_CHECK(CommandSwitch(text).size() <= 2);
    const StartPlan plan = PlanStart(text, settings, fs);
    FUZZ_CHECK(plan.filePath.empty() || plan.window == StartWindow::Cfg || plan.window == StartWindow::CfgOpenFile);
    return 0;
}
