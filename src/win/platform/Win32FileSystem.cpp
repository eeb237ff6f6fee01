#include "win/platform/Win32FileSystem.h"

#include <windows.h>

#include <atomic>
#include <limits>

#include "win/platform/Handles.h"
#include "core/text/Paths.h"

namespace vantry::win {

std::vector<std::string> Win32FileSystem::list(const std::string& pattern, ListFilter filter) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    UniqueFindHandle find(FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &data,
                                           FindExSearchNameMatch, nullptr, 0));
    if (!find)
        return names;
    // The search also matches 8.3 short names ("*.bsp" would find "x.bsp2"), so
    // every long name is matched again against the pattern itself.
    const std::string namePattern = FileNameOf(pattern);
    do {
        const DWORD a = data.dwFileAttributes;
        if (a & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
            continue;
        if ((a & FILE_ATTRIBUTE_DIRECTORY) && filter != ListFilter::WithDirectories)
            continue;
        if (!WildcardMatch(namePattern, data.cFileName))
            continue;
        names.emplace_back(data.cFileName);
    } while (FindNextFileA(find.get(), &data));
    // NTFS lists in this order already; Wine on other file systems does not.
    SortListing(names);
    return names;
}

std::optional<std::uint32_t> Win32FileSystem::attributes(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return a;
}

std::optional<std::string> Win32FileSystem::readFile(const std::string& path) {
    UniqueKernelHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        return std::nullopt;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > std::numeric_limits<int>::max())
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got,
                      nullptr))
            return std::nullopt;
        if (got == 0)
            break;
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

namespace {

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return FlushFileBuffers(file) != 0;
}

}  // namespace

bool Win32FileSystem::writeFileAtomic(const std::string& path, const std::string& bytes) {
    const DWORD old = GetFileAttributesA(path.c_str());
    if (old != INVALID_FILE_ATTRIBUTES &&
        (old & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        return false;

    // Beside the target, so that the final rename stays on one volume.
    static std::atomic<unsigned> counter{0};
    const std::string temp = path + ".~" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(counter++) + ".tmp";
    {
        UniqueKernelHandle file(CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return false;
        if (!WriteAll(file.get(), bytes)) {
            file.reset();
            DeleteFileA(temp.c_str());
            return false;
        }
    }
    if (!MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temp.c_str());
        return false;
    }
    // A hidden or system file stays so after it was saved.
    if (old != INVALID_FILE_ATTRIBUTES && (old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
        SetFileAttributesA(path.c_str(), old);
    return true;
}

bool Win32FileSystem::createDirectory(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

}  // namespace vantry::win
