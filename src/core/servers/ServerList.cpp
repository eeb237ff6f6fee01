#include "core/servers/ServerList.h"

#include <algorithm>
#include <charconv>

#include "core/text/Text.h"

namespace vantry {

namespace {

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

bool StartsWithIgnoreCase(const std::string& text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

void ServerList::lstServer_Add(DesktopWindow handle) { handles_.Add(std::to_string(handle)); }

std::string ServerList::lstServer_List(int index) const {
    if (index < 0 || index >= lstServer_Count())
        return {};
    return handles_.Item(index + 1);
}

void ServerList::lstServer_Remove(int index) { handles_.Remove(index + 1); }

namespace {

DesktopWindow HandleOf(const std::string& item) {
    const std::string trimmed = TrimSpaces(item);
    DesktopWindow handle = 0;
    std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), handle);
    return handle;
}

}  // namespace

DesktopWindow ServerList::handleAt(int index) const { return HandleOf(lstServer_List(index)); }

std::vector<DesktopWindow> ServerList::listedHandles() const {
    std::vector<DesktopWindow> handles;
    const auto items = SplitAt(handles_.text(), '|');
    const std::size_t n = std::min(items.size(), static_cast<std::size_t>(std::max(view_.lstServers().count(), 0)));
    handles.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        handles.push_back(HandleOf(items[i]));
    return handles;
}

std::string ServerList::WindowTitle(DesktopWindow handle) {
    return handle ? desktop_.title(handle) : std::string();
}

void ServerList::AddServerWindow(const std::string& title, DesktopWindow handle) {
    // Another copy of the program carries its name in its windows' titles.
    if (StartsWithIgnoreCase(title, "HLDS Vantry") || StartsWithIgnoreCase(title, "HLDSVantry"))
        return;
    const auto listed = listedHandles();
    if (std::find(listed.begin(), listed.end(), handle) != listed.end())
        return;
    // Whatever its title says, no window of a running copy of the program is
    // a server: hidden, another copy's question would leave that copy
    // waiting for an answer nobody can give. Asked only of a window not yet
    // listed, as the answer may walk every window on the desktop.
    if (desktop_.ofThisProgram(handle))
        return;
    std::string shown = title;
    if (onConsoleFound)
        onConsoleFound(handle, shown);
    // A console that was hidden when found stays hidden and is listed unticked.
    const bool wasVisible = desktop_.isVisible(handle);
    lstServer_Add(handle);
    view_.lstServers().add(shown, wasVisible);
    ShowServerDetails();
}

void ServerList::ShowServerDetails() {
    if (view_.lstServers().count() == 0)
        return;
    const int idx = view_.lstServers().current();
    if (idx < 0 || idx >= view_.lstServers().count())
        return;
    view_.setHideCaption(view_.lstServers().ticked(idx) ? mainwin::HideCaption : mainwin::UnhideCaption);
    view_.enableEntryButtons();
    detailsOf_ = handleAt(idx);
    const std::string text = view_.lstServers().text(idx);
    const auto at = text.find(mainwin::NameSeparator);
    view_.setName1(text.substr(0, at));
    std::string name;
    if (at != std::string::npos) {
        const std::string rest = text.substr(at + 3);
        name = rest.substr(0, rest.find(mainwin::NameSeparator));
    }
    view_.setName2(TrimSpaces(name).empty() ? std::string() : name);
}

Menu ServerList::BuildServerMenu(int firstCommand) {
    Menu items;
    const int n = view_.lstServers().count();
    for (int i = 0; i < n; ++i) {
        MenuItem item{firstCommand + i, view_.lstServers().text(i)};
        item.checked = view_.lstServers().ticked(i);
        items.push_back(std::move(item));
    }
    return items;
}

void ServerList::tChkNew() {
    // The whole window order, from the top: consoles of any class are found
    // wherever they stand.
    for (const DesktopWindow h : desktop_.topLevel()) {
        const std::string title = WindowTitle(h);
        if (StartsWith(title, mainwin::ConsolePrefix))
            AddServerWindow(title, h);
    }
}

void ServerList::chkAlive() {
    // Every closed console in one tick, from the last entry up so that the
    // places of those still to look at stay as they are. Dropping one a tick
    // could not keep up: with consoles closing faster than one in 1.5
    // seconds, the list filled with closed ones, each tick grew longer, and
    // the list caught up only minutes after the last had closed.
    const auto listed = listedHandles();
    bool detailsClosed = false;
    for (int i = static_cast<int>(listed.size()) - 1; i >= 0; --i) {
        const DesktopWindow h = listed[static_cast<std::size_t>(i)];
        if (WindowTitle(h).empty()) {
            view_.lstServers().remove(i);
            lstServer_Remove(i);
            detailsClosed = detailsClosed || h == detailsOf_;
            continue;
        }
        // A console that hid or showed after its command had given up on
        // it, or of its own accord, is marked as it now is.
        const bool visible = desktop_.isVisible(h);
        if (view_.lstServers().ticked(i) == visible)
            continue;
        view_.lstServers().setTicked(i, visible);
        if (i == view_.lstServers().current())
            view_.setHideCaption(visible ? mainwin::HideCaption : mainwin::UnhideCaption);
    }
    // The second field may hold a new name being typed for the console the
    // fields show: emptied when another closed, Enter would give that
    // console the bare prefix for a name.
    if (detailsClosed) {
        detailsOf_ = 0;
        if (!view_.name1().empty()) {
            view_.setName1("");
            view_.setName2("");
        }
    }
}

void ServerList::setShown(int index, bool shown, bool refreshText) {
    const DesktopWindow h = handleAt(index);
    desktop_.setVisible(h, shown);
    if (refreshText)
        view_.lstServers().setText(index, WindowTitle(h));
    // The mark is what the console did, not what it was asked: one that does
    // not answer stays as it was, and Exit must know a console still hidden.
    const bool visible = desktop_.isVisible(h);
    view_.lstServers().setTicked(index, visible);
    view_.setHideCaption(visible ? mainwin::HideCaption : mainwin::UnhideCaption);
}

void ServerList::onListClick() {
    const int idx = view_.lstServers().current();
    if (view_.lstServers().count() == 0 || idx < 0)
        return;
    // The user's click has already set the mark; the console follows it.
    const bool shown = view_.lstServers().ticked(idx);
    setShown(idx, shown, true);
    if (shown)
        view_.focusWindow();
}

std::string ServerList::contextMenuHideCaption() {
    const int idx = view_.lstServers().current();
    if (view_.lstServers().count() == 0 || idx < 0)
        return {};
    return view_.lstServers().ticked(idx) ? mainwin::HideServer : mainwin::UnhideServer;
}

void ServerList::toggleCurrent() {
    const int idx = view_.lstServers().current();
    if (view_.lstServers().count() == 0 || idx < 0)
        return;
    const bool show = !view_.lstServers().ticked(idx);
    setShown(idx, show, true);
    if (show)
        view_.focusWindow();
}

void ServerList::toggleEntry(int index) {
    if (index < 0 || index >= view_.lstServers().count())
        return;
    setShown(index, !view_.lstServers().ticked(index), true);
}

void ServerList::hideAll() {
    const int n = view_.lstServers().count();
    for (int i = 0; i < n; ++i)
        setShown(i, false, false);
}

void ServerList::unhideAll() {
    const int n = view_.lstServers().count();
    for (int i = 0; i < n; ++i)
        setShown(i, true, false);
    if (n > 0 && view_.windowVisible())
        view_.focusWindow();
}

void ServerList::rename() {
    const int idx = view_.lstServers().current();
    if (view_.lstServers().count() == 0 || idx < 0)
        return;
    const std::string name = TrimSpaces(view_.name2());
    const std::string title =
        name.empty() ? std::string(mainwin::ConsolePrefix)
                     : std::string(mainwin::ConsolePrefix) + mainwin::NameSeparator + name;
    // A console that does not answer in time keeps its title: the list shows
    // the one it has, not one it was asked to take.
    const DesktopWindow h = handleAt(idx);
    view_.lstServers().setText(idx, desktop_.setTitle(h, title) ? title : WindowTitle(h));
}

bool ServerList::anyHidden() {
    const int n = view_.lstServers().count();
    for (int i = 0; i < n; ++i)
        if (!view_.lstServers().ticked(i))
            return true;
    return false;
}

}  // namespace vantry
