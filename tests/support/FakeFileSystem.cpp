#include "FakeFileSystem.h"

#include "core/text/Paths.h"

namespace vantry::fakes {

namespace {

std::string ParentOf(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string NameOf(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

}  // namespace

void FakeFileSystem::addFile(const std::string& path, const std::string& bytes, std::uint32_t attributes) {
    addDir(ParentOf(path));
    put(path, attributes, bytes);
}

void FakeFileSystem::addDir(const std::string& path, std::uint32_t attributes) {
    if (path.empty() || find(path))
        return;
    addDir(ParentOf(path));
    put(path, attributes | attr::Directory, {});
}

std::vector<std::string> FakeFileSystem::list(const std::string& pattern, ListFilter filter) {
    std::vector<std::string> names;
    const std::string dir = ParentOf(pattern), namePattern = NameOf(pattern);
    if (!isDirectory(dir) || namePattern.empty())
        return names;
    const bool withDirs = filter == ListFilter::WithDirectories;
    // Every directory but a drive's root lists itself and its parent first.
    if (withDirs && dir.find('\\') != std::string::npos)
        for (const char* dots : {".", ".."})
            if (WildcardMatch(namePattern, dots))
                names.emplace_back(dots);
    for (const auto& [key, e] : entries_) {
        const bool wanted = !(e.attributes & (attr::Hidden | attr::System)) &&
                            (withDirs || !(e.attributes & attr::Directory));
        if (wanted && EqualsIgnoreCase(ParentOf(e.path), dir) && WildcardMatch(namePattern, NameOf(e.path)))
            names.push_back(NameOf(e.path));
    }
    SortListing(names);
    return names;
}

bool FakeFileSystem::writeFileAtomic(const std::string& path, const std::string& bytes) {
    const Entry* existing = find(path);
    if (failWrites || !isDirectory(ParentOf(path)) ||
        (existing && (existing->attributes & (attr::Directory | attr::ReadOnly))))
        return false;
    // A replaced file keeps the case of its name and its attributes.
    put(existing ? existing->path : path, existing ? existing->attributes : attr::Archive, bytes);
    return true;
}

bool FakeFileSystem::createDirectory(const std::string& path) {
    if (find(path) || !isDirectory(ParentOf(path)))
        return false;
    put(path, attr::Directory, {});
    return true;
}

}  // namespace vantry::fakes
