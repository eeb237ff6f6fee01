#pragma once

#include <string>

namespace vantry {

// An ordered list of text items kept in one text, each item followed by "|".
// Items are stored exactly as given (no trimming, duplicates allowed) and must
// not contain "|" themselves.
class PipeList {
public:
    PipeList() = default;
    explicit PipeList(std::string text) : text_(std::move(text)) {}

    void Add(const std::string& item);
    void Clear();
    // Items from the first up to, not including, the first blank one.
    int Count() const;
    // Item i (from 1) as stored; the empty text past the end.
    std::string Item(int i) const;
    // Rebuilds the list from items 1 to Count without item i; anything after a
    // blank item is dropped by the rebuild even when i is out of range.
    void Remove(int i);

    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// The catalogue lists that a catalogue rebuild fills and the tool windows read.
struct GameLists {
    PipeList GameEntries;  // "name;flag" entries, flag 1 offered, 0 not offered
    PipeList FoundDirs;    // game directories found on disk
    PipeList CfgLines;     // non-blank lines of games.cfg as read
    bool cfgUnreadable = false;  // games.cfg exists but could not be read at the last rebuild
};

void ClearGameLists(GameLists& lists);

}  // namespace vantry
