// A map cycle of any bytes read through the file system and written back
// reads as the same entries, empty ones included, in the same order; one
// that is no text (a NUL byte, UTF-16, bytes the code page would not give
// back) reads as none.
#include "FakeFileSystem.h"
#include "FuzzInput.h"
#include "core/text/TextFile.h"

using namespace vantry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fakes::FakeFileSystem fs;
    fs.addDir("C:\\HL\\valve");
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fs.addFile("C:\\HL\\valve\\mapcycle.txt", bytes);
    const auto cycle = ReadTextLines(fs, "C:\\HL\\valve\\mapcycle.txt");
    if (!DecodeFileText(fs, bytes)) {
        FUZZ_CHECK(!cycle);
        return 0;
    }
    FUZZ_CHECK(cycle && WriteTextLines(fs, "C:\\HL\\valve\\mapcycle.txt", *cycle));
    const auto again = ReadTextLines(fs, "C:\\HL\\valve\\mapcycle.txt");
    FUZZ_CHECK(again == (cycle->empty() ? std::vector<std::string>{""} : *cycle));
    return 0;
}
