// SplitPath and the pipe lists on any text: a choice is a directory and a
// file name, and a list never holds more items than it counts.
#include "FuzzInput.h"
#include "core/catalogue/PipeList.h"
#include "core/text/Paths.h"
#include "core/text/Text.h"

using namespace vantry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::string path = input.part();
    const std::string split = SplitPath(path);
    // "|" is no character of a Windows path: the list's separator may stand in it.
    if (!split.empty() && path.find('|') == std::string::npos) {
        const auto pieces = SplitAt(split, '|');
        FUZZ_CHECK(pieces.size() == 3 && pieces[2].empty() && !pieces[1].empty() && pieces[0].back() == '\\');
    }
    FileNameOf(path);
    WildcardMatch(input.part(), path);

    PipeList list(input.part());
    const int count = list.Count();
    FUZZ_CHECK(count >= 0);
    for (int i = 0; i <= count + 1; ++i)
        list.Item(i);
    list.Remove(static_cast<int>(input.number() % (count + 2)));
    FUZZ_CHECK(list.Count() <= count);
    return 0;
}
