#include "core/catalogue/PipeList.h"

#include "core/text/Text.h"

namespace vantry {

void PipeList::Add(const std::string& item) {
    text_ += item;
    text_ += '|';
}

void PipeList::Clear() { text_.clear(); }

int PipeList::Count() const {
    int count = 0;
    for (const auto& piece : SplitAt(text_, '|')) {
        if (TrimSpaces(piece).empty())
            break;
        ++count;
    }
    return count;
}

std::string PipeList::Item(int i) const {
    const auto pieces = SplitAt(text_, '|');
    if (i < 1 || static_cast<std::size_t>(i) > pieces.size())
        return {};
    return pieces[static_cast<std::size_t>(i) - 1];
}

void PipeList::Remove(int i) {
    const auto pieces = SplitAt(text_, '|');
    const int count = Count();
    std::string rebuilt;
    for (int k = 1; k <= count; ++k) {
        if (k == i)
            continue;
        rebuilt += pieces[static_cast<std::size_t>(k) - 1];
        rebuilt += '|';
    }
    text_ = std::move(rebuilt);
}

void ClearGameLists(GameLists& lists) {
    lists.FoundDirs.Clear();
    lists.GameEntries.Clear();
    lists.CfgLines.Clear();
    lists.cfgUnreadable = false;
}

}  // namespace vantry
