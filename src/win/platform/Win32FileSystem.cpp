#include "win/platform/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <limits>
#include <vector>

#include "core/text/Paths.h"
#include "win/platform/Handles.h"
#include "win/platform/WideText.h"

namespace vantry::win {

std::vector<std::string> Win32FileSystem::list(const std::string& pattern, ListFilter filter) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW data;
    UniqueFindHandle find(FindFirstFileExW(SystemPath(pattern).c_str(), FindExInfoBasic, &data,
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
        std::string name = Narrow(data.cFileName);
        if (!WildcardMatch(namePattern, name))
            continue;
        names.push_back(std::move(name));
    } while (FindNextFileW(find.get(), &data));
    // NTFS lists in this order already; Wine on other file systems does not.
    SortListing(names);
    return names;
}

std::optional<std::uint32_t> Win32FileSystem::attributes(const std::string& path) {
    const DWORD a = GetFileAttributesW(SystemPath(path).c_str());
    if (a == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return a;
}

std::optional<std::string> Win32FileSystem::readFile(const std::string& path) {
    UniqueKernelHandle file(CreateFileW(SystemPath(path).c_str(), GENERIC_READ,
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

bool MarkForDeletion(HANDLE file, bool deleted) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = deleted ? TRUE : FALSE;
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition) != 0;
}

// Renames the open file over the target through its own handle: no other
// program can open the new file between its last write and the rename.
bool RenameOver(HANDLE file, const std::wstring& target) {
    std::wstring full = target;
    if (full.rfind(L"\\\\?\\", 0) != 0) {
        const DWORD fullLength = GetFullPathNameW(target.c_str(), 0, nullptr, nullptr);
        if (fullLength == 0)
            return false;
        full.assign(fullLength, L'\0');
        full.resize(GetFullPathNameW(target.c_str(), fullLength, full.data(), nullptr));
        if (full.empty())
            return false;
    }

    const std::size_t nameBytes = full.size() * sizeof(wchar_t);
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = TRUE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    std::copy(full.begin(), full.end(), info->FileName);
    return SetFileInformationByHandle(file, FileRenameInfo, info, static_cast<DWORD>(buffer.size())) != 0;
}

// A name of its own beside the target, short whatever the target's name, so
// that a target the system can write can always have it beside it.
std::wstring TempName(const std::wstring& target, unsigned serial) {
    wchar_t name[24];
    swprintf(name, 24, L"~%lx%03x.tmp", static_cast<unsigned long>(GetCurrentProcessId()), serial & 0xFFFu);
    const auto slash = target.find_last_of(L"\\/");
    return (slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1)) + name;
}

}  // namespace

bool Win32FileSystem::writeFileAtomic(const std::string& path, const std::string& bytes) {
    const std::wstring target = SystemPath(path);
    const DWORD old = GetFileAttributesW(target.c_str());
    if (old != INVALID_FILE_ATTRIBUTES &&
        (old & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        return false;

    // Beside the target, so that the final rename stays on one volume. A
    // name that is taken (left by a program that died in the moment between
    // the two steps before its rename, whose process number is ours now) is
    // passed over.
    static std::atomic<unsigned> counter{0};
    std::wstring temp;
    UniqueKernelHandle file;
    for (int attempt = 0; attempt < 100 && !file; ++attempt) {
        temp = TempName(target, counter++);
        file.reset(CreateFileW(temp.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file && GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    if (!file)
        return false;
    // Marked for deletion while it is written: if the program is killed
    // before the rename, the system removes the half file with its last
    // handle, and the user never finds it. The mark comes off just before the
    // rename, which takes the file by its handle.
    const bool marked = MarkForDeletion(file.get(), true);
    if (!WriteAll(file.get(), bytes) || (marked && !MarkForDeletion(file.get(), false))) {
        MarkForDeletion(file.get(), true);
        file.reset();
        DeleteFileW(temp.c_str());  // where the mark did not take
        return false;
    }
    if (!RenameOver(file.get(), target)) {
        // A file system that cannot rename an open file gets the rename by
        // name once the file is closed; a target that cannot be replaced
        // refuses that too.
        file.reset();
        if (!MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            DeleteFileW(temp.c_str());
            return false;
        }
    }
    file.reset();
    // A hidden or system file stays so after it was saved.
    if (old != INVALID_FILE_ATTRIBUTES && (old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
        SetFileAttributesW(target.c_str(), old);
    return true;
}

bool Win32FileSystem::createDirectory(const std::string& path) {
    return CreateDirectoryW(SystemPath(path).c_str(), nullptr) != 0;
}

std::optional<std::string> Win32FileSystem::decodeAnsi(std::string_view bytes) {
    const auto text = FromAnsi(bytes);
    return text ? std::optional(Narrow(*text)) : std::nullopt;
}

std::optional<std::string> Win32FileSystem::encodeAnsi(std::string_view text) {
    return ToAnsi(Widen(text));
}

}  // namespace vantry::win
