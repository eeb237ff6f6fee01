// The line convention: any bytes, split into lines and written back, read as
// the same lines again; the editors' text of a file saves as the file, with
// one final line end where it had none.
#include "FuzzInput.h"
#include "core/text/TextFile.h"

using namespace vantry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = SplitTextLines(bytes);
    const auto again = SplitTextLines(JoinTextLines(lines));
    FUZZ_CHECK(lines.empty() ? again == std::vector<std::string>{""} : again == lines);
    const std::string saved = DocumentBytes(DocumentText(bytes));
    FUZZ_CHECK(SplitTextLines(saved) == (lines.empty() ? std::vector<std::string>{""} : lines));
    return 0;
}
