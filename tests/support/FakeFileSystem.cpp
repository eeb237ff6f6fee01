#include "FakeFileSystem.h"

#include "core/text/Paths.h"
#include "core/text/Text.h"

namespace vantry::fakes {

namespace {

std::string ParentOf(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void FakeFileSystem::addFile(const std::string& path, const std::string& bytes,
                             std::uint32_t attributes) {
    if (!ParentOf(path).empty())
        addDir(ParentOf(path));
    entries_[ToUpperAscii(path)] = Entry{path, attributes, bytes};
}

void FakeFileSystem::addDir(const std::string& path, std::uint32_t attributes) {
    if (path.empty() || find(path))
        return;
    if (!ParentOf(path).empty())
        addDir(ParentOf(path));
    entries_[ToUpperAscii(path)] = Entry{path, attributes | attr::Directory, {}};
}

void FakeFileSystem::remove(const std::string& path) { entries_.erase(ToUpperAscii(path)); }

std::optional<std::string> FakeFileSystem::bytes(const std::string& path) const {
    const Entry* e = find(path);
    if (!e || (e->attributes & attr::Directory))
        return std::nullopt;
    return e->bytes;
}

const FakeFileSystem::Entry* FakeFileSystem::find(const std::string& path) const {
    const auto it = entries_.find(ToUpperAscii(path));
    return it == entries_.end() ? nullptr : &it->second;
}

bool FakeFileSystem::isDirectory(const std::string& path) const {
    const Entry* e = find(path);
    return e && (e->attributes & attr::Directory);
}

std::vector<std::string> FakeFileSystem::list(const std::string& pattern, ListFilter filter) {
    std::vector<std::string> names;
    const std::string dir = ParentOf(pattern);
    const std::string namePattern = NameOf(pattern);
    if (!isDirectory(dir) || namePattern.empty())
        return names;
    const auto wanted = [&](std::uint32_t a) {
        if (a & (attr::Hidden | attr::System))
            return false;
        return filter == ListFilter::WithDirectories || !(a & attr::Directory);
    };
    if (filter == ListFilter::WithDirectories && dir.find('\\') != std::string::npos) {
        for (const char* dots : {".", ".."})
            if (WildcardMatch(namePattern, dots))
                names.emplace_back(dots);
    }
    const std::string upperDir = ToUpperAscii(dir);
    for (const auto& [key, entry] : entries_) {
        if (ToUpperAscii(ParentOf(entry.path)) != upperDir)
            continue;
        const std::string name = NameOf(entry.path);
        if (wanted(entry.attributes) && WildcardMatch(namePattern, name))
            names.push_back(name);
    }
    SortListing(names);
    return names;
}

std::optional<std::uint32_t> FakeFileSystem::attributes(const std::string& path) {
    const Entry* e = find(path);
    if (!e)
        return std::nullopt;
    return e->attributes;
}

std::optional<std::string> FakeFileSystem::readFile(const std::string& path) { return bytes(path); }

bool FakeFileSystem::writeFileAtomic(const std::string& path, const std::string& bytes) {
    ++writeCount;
    const Entry* existing = find(path);
    if (failWrites || !isDirectory(ParentOf(path)) ||
        (existing && (existing->attributes & (attr::Directory | attr::ReadOnly))))
        return false;
    const std::uint32_t attributes = existing ? existing->attributes : attr::Archive;
    const std::string name = existing ? existing->path : path;
    entries_[ToUpperAscii(path)] = Entry{name, attributes, bytes};
    return true;
}

bool FakeFileSystem::createDirectory(const std::string& path) {
    if (find(path) || !isDirectory(ParentOf(path)))
        return false;
    entries_[ToUpperAscii(path)] = Entry{path, attr::Directory, {}};
    return true;
}

}  // namespace vantry::fakes
