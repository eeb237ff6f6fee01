#include "core/catalogue/GameCatalogue.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_set>
#include <vector>

#include "core/text/Text.h"
#include "core/text/TextFile.h"

namespace vantry {

namespace {

// The items a loop from 1 to Count sees, split once.
std::vector<std::string> Items(const PipeList& list) {
    auto pieces = SplitAt(list.text(), '|');
    const auto blank = std::find_if(pieces.begin(), pieces.end(),
                                    [](const std::string& p) { return TrimSpaces(p).empty(); });
    pieces.erase(blank, pieces.end());
    return pieces;
}

PipeList ToPipeList(const std::vector<std::string>& items) {
    PipeList list;
    for (const auto& item : items)
        list.Add(item);
    return list;
}

std::string NameOfEntry(const std::string& entry) { return entry.substr(0, entry.find(';')); }

// How names are matched between the disk and games.cfg.
std::string GameKey(const std::string& name) { return ToLowerAscii(TrimSpaces(name)); }

// A flag's value read as a number; nothing when it is not one (or is missing).
std::optional<double> FlagValue(const std::string& entry) {
    const auto semicolon = entry.find(';');
    if (semicolon == std::string::npos)
        return std::nullopt;
    return ParseNumber<double>(std::string_view(entry).substr(semicolon + 1));
}

bool IsOffered(const std::string& entry) { return FlagValue(entry) == 1.0; }

bool IsExcludedDir(const std::string& name) {
    static constexpr std::array<const char*, 5> excluded{"~SIGSPat", "auth", "gldrv", "logos", "media"};
    return std::any_of(excluded.begin(), excluded.end(),
                       [&](const char* e) { return EqualsIgnoreCase(name, e); });
}

std::string GamesDir(const Settings& settings) { return settings.HLDSdir() + "games"; }

// Merges FoundDirs into CfgLines (new directories appended checked, entries
// whose directory is gone removed) and rebuilds GameEntries from it. Each list
// is split once and names are matched through sets, so a few hundred game
// directories stay immediate.
void Merge(GameLists& lists) {
    const std::vector<std::string> found = Items(lists.FoundDirs);
    std::vector<std::string> lines = Items(lists.CfgLines);

    std::unordered_set<std::string> listed;
    for (const auto& line : lines)
        listed.insert(GameKey(NameOfEntry(line)));
    std::unordered_set<std::string> onDisk;
    for (const auto& dir : found) {
        onDisk.insert(GameKey(dir));
        if (listed.insert(GameKey(dir)).second)
            lines.push_back(dir + ";1");
    }
    std::erase_if(lines, [&](const std::string& line) { return !onDisk.count(GameKey(NameOfEntry(line))); });
    lists.CfgLines = ToPipeList(lines);

    lists.GameEntries.Clear();
    for (const auto& line : lines) {
        const auto flag = FlagValue(line);
        // A missing or unreadable flag keeps the game once, not offered; a
        // number other than 0 and 1 drops it.
        if (!flag || *flag == 0)
            lists.GameEntries.Add(NameOfEntry(line) + ";0");
        else if (*flag == 1)
            lists.GameEntries.Add(NameOfEntry(line) + ";1");
    }
    lists.FoundDirs.Clear();
}

// The game directories under the base directory, each followed by ";", in
// listing order ("cstrike;tfc;valve;"); the empty text when there are none.
std::string FindGameDirs(FileSystem& fs, const std::string& baseDir) {
    const std::string base = TrimSpaces(baseDir);
    std::string result;
    for (const auto& name : fs.list(base + "*", ListFilter::WithDirectories)) {
        if (name == "." || name == "..")
            continue;
        const auto attributes = fs.attributes(base + name);
        if (!attributes || !(*attributes & attr::Directory) || IsExcludedDir(name))
            continue;
        // games.cfg and the lists keep a name between ";" and "|": a directory
        // whose name holds one would come back as games that do not exist.
        if (name.find_first_of(";|") != std::string::npos)
            continue;
        result += name;
        result += ';';
    }
    return result;
}

}  // namespace

std::string GamesCfg(const Settings& settings) { return GamesDir(settings) + "\\games.cfg"; }

LocateResult LoadGameCatalogue(CatalogueServices& s, GameLists& lists, WindowHandle window) {
    if (LocateServerExe(s.settings, s.fs, s.registry, s.dialogs, s.boxes, window) == LocateResult::EndNow ||
        LocateOwnExe(s.settings, s.fs, s.dialogs, s.boxes, window, s.startDir) == LocateResult::EndNow)
        return LocateResult::EndNow;

    const std::string games = GamesDir(s.settings);
    // Listing a directory's own path gives its name back.
    const auto existing = s.fs.list(games, ListFilter::WithDirectories);
    if (existing.empty() || ToUpperAscii(existing.front()) != "GAMES")
        s.fs.createDirectory(games);

    lists.FoundDirs.Clear();
    for (const auto& piece : SplitAt(FindGameDirs(s.fs, s.settings.HLdir()), ';')) {
        const std::string dir = TrimSpaces(piece);
        if (dir.empty())
            break;
        lists.FoundDirs.Add(dir);
    }

    lists.CfgLines.Clear();
    const std::string cfg = GamesCfg(s.settings);
    // Created only where nothing of that name exists: a hidden or system
    // games.cfg is the user's file too, and must not be replaced by an empty one.
    if (!s.fs.attributes(cfg))
        WriteTextLines(s.fs, cfg, {});
    const auto lines = ReadTextLines(s.fs, cfg);
    lists.cfgUnreadable = !lines;
    if (lines) {
        for (const auto& line : *lines) {
            // A "|" would split the line in two in the lists; no directory is
            // named like that, so such a line goes like a stale entry.
            if (!TrimSpaces(line).empty() && line.find('|') == std::string::npos)
                lists.CfgLines.Add(line);
        }
    }
    Merge(lists);
    // A catalogue that exists but cannot be read now (held open by another
    // program, say) would otherwise be overwritten with every game checked,
    // losing the user's choices.
    if (lines)
        WriteTextLines(s.fs, cfg, Items(lists.GameEntries));
    return LocateResult::Known;
}

bool WriteGamesCfgFromOptions(const Settings& settings, FileSystem& fs,
                              const CheckListControl& lstGames) {
    std::vector<std::string> lines;
    const int rows = lstGames.count();
    lines.reserve(static_cast<std::size_t>(std::max(rows, 0)));
    for (int row = 0; row < rows; ++row)
        lines.push_back(lstGames.text(row) + (lstGames.ticked(row) ? ";1" : ";0"));
    return WriteTextLines(fs, GamesCfg(settings), lines);
}

LocateResult FillGameSelector(CatalogueServices& services, GameLists& lists, WindowHandle window,
                              ListControl& cmbGame, NameFilter accepts) {
    if (LoadGameCatalogue(services, lists, window) == LocateResult::EndNow)
        return LocateResult::EndNow;
    cmbGame.clear();
    for (const auto& entry : Items(lists.GameEntries))
        if (IsOffered(entry) && (!accepts || accepts(NameOfEntry(entry))))
            cmbGame.add(NameOfEntry(entry));

    std::string wanted = ToLowerAscii(services.settings.defaultGameForSelectors());
    if (TrimSpaces(wanted).empty())
        wanted = BuiltInGame;
    const int rows = cmbGame.count();
    if (rows <= 0)
        return LocateResult::Known;
    int select = 0;
    for (int row = 0; row < rows; ++row) {
        if (ToLowerAscii(cmbGame.text(row)) == wanted) {
            select = row;
            break;
        }
    }
    cmbGame.setCurrent(select);
    return LocateResult::Known;
}

LocateResult FillOptionsGameList(CatalogueServices& services, GameLists& lists,
                                 WindowHandle frmOptions, CheckListControl& lstGames) {
    if (LoadGameCatalogue(services, lists, frmOptions) == LocateResult::EndNow)
        return LocateResult::EndNow;
    lstGames.clear();
    for (const auto& entry : Items(lists.GameEntries)) {
        const int row = lstGames.add(NameOfEntry(entry));
        lstGames.setTicked(row, IsOffered(entry));
    }
    return LocateResult::Known;
}

LocateResult RefreshGameSelectors(CatalogueServices& services, GameLists& lists,
                                  const ShownSelectors& shown) {
    const ShownSelector& s = shown.frmOptions;
    if (s.cmbGame && FillGameSelector(services, lists, s.window, *s.cmbGame) == LocateResult::EndNow)
        return LocateResult::EndNow;
    return LocateResult::Known;
}

}  // namespace vantry
