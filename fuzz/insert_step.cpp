// The insert step's placement for any text and selection: inside the text,
// replacing only a selection, and at a line's start unless at the caret.
#include "FuzzInput.h"
#include "core/editors/VariableCatalogue.h"

using namespace vantry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::size_t start = input.number(), length = input.number();
    const std::string text(input.rest);
    const Placement at = PlaceInsertedBlock(text, start, length);
    FUZZ_CHECK(at.start <= text.size() && at.replaced <= text.size() - at.start);
    if (at.replaced == 0 && at.start != std::min(start, text.size()))
        FUZZ_CHECK(at.start >= 2 && text.compare(at.start - 2, 2, "\r\n") == 0);
    return 0;
}
