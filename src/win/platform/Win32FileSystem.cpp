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

namespace {

// The whole of a file just opened; nothing when it cannot be read or is too
// large to hold.
std::optional<std::string> ReadAll(HANDLE file) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart > std::numeric_limits<int>::max())
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr))
            return std::nullopt;
        if (got == 0)
            break;
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

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

// The file's bytes replaced by these, through the handle it is open by.
bool RewriteInPlace(HANDLE file, const std::string& bytes) {
    LARGE_INTEGER start{};
    return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && SetEndOfFile(file) && WriteAll(file, bytes);
}

bool MarkForDeletion(HANDLE file, bool deleted) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = deleted ? TRUE : FALSE;
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition) != 0;
}

// Renames the open file into the target's place through its own handle: no
// other program can open the new file between its last write and the rename.
// A file that took the place in the meantime is left alone.
bool RenameInto(HANDLE file, const std::wstring& target) {
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
    info->ReplaceIfExists = FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    std::copy(full.begin(), full.end(), info->FileName);
    return SetFileInformationByHandle(file, FileRenameInfo, info, static_cast<DWORD>(buffer.size())) != 0;
}

// A file of the save's own beside the target, made new and open for writing
// and deleting: "~vantry-XXXX.tmp", short whatever the target's name, so that
// a target the system can write can always have it beside it, and named so
// that a user who finds one left by a killed save can tell whose it is. A
// name that is taken (left by such a save, or another program's save under
// way) is passed over and left alone.
UniqueKernelHandle CreateOwnFile(const std::wstring& target, std::wstring& name) {
    static std::atomic<unsigned> counter{0};
    const auto slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        wchar_t own[24];
        const unsigned serial = static_cast<unsigned>(GetCurrentProcessId() << 8) + counter++;
        swprintf(own, 24, L"~vantry-%04x.tmp", serial & 0xFFFFu);
        name = folder + own;
        UniqueKernelHandle file(CreateFileW(name.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return {};
}

// Deleted through its handle; by name only where the system would not take
// the mark, since once the handle is closed the name may be another save's.
void DeleteOwnFile(UniqueKernelHandle& file, const std::wstring& name) {
    const bool marked = MarkForDeletion(file.get(), true);
    file.reset();
    if (!marked)
        DeleteFileW(name.c_str());
}

// A new file: written under a name of its own and renamed into place. Marked
// for deletion while it is written: if the program is killed before the
// rename, the system removes the half file with its last handle, and the user
// never finds it. The mark comes off just before the rename, which takes the
// file by its handle.
bool WriteNew(const std::wstring& target, const std::string& bytes) {
    std::wstring temp;
    UniqueKernelHandle file = CreateOwnFile(target, temp);
    if (!file)
        return false;
    const bool marked = MarkForDeletion(file.get(), true);
    if (!WriteAll(file.get(), bytes) || (marked && !MarkForDeletion(file.get(), false))) {
        DeleteOwnFile(file, temp);
        return false;
    }
    if (RenameInto(file.get(), target))
        return true;
    // A file system that cannot rename an open file gets the rename by name
    // once the file is closed.
    file.reset();
    if (MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temp.c_str());
    return false;
}

}  // namespace

std::optional<std::string> Win32FileSystem::readFile(const std::string& path) {
    UniqueKernelHandle file(CreateFileW(SystemPath(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        return std::nullopt;
    return ReadAll(file.get());
}

// A file that is there is rewritten in place rather than replaced by a new
// one: a new file renamed over it would cut a symbolic or hard link, and take
// the folder's owner and access list (under Wine, mode 0644 for a file of
// 0600) instead of the file's own.
bool Win32FileSystem::writeFile(const std::string& path, const std::string& bytes) {
    const std::wstring target = SystemPath(path);
    const DWORD old = GetFileAttributesW(target.c_str());
    if (old == INVALID_FILE_ATTRIBUTES)
        return WriteNew(target, bytes);
    if (old & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
        return false;

    // Opened first, so that a file that cannot be written (or that another
    // program holds without sharing its writing) is refused before anything
    // is made beside it; shared for reading only, so that nobody writes to
    // it between the copy of its bytes and their rewriting.
    UniqueKernelHandle file(CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    const std::optional<std::string> oldBytes = ReadAll(file.get());
    if (!oldBytes)
        return false;

    // The safety copy is marked for deletion only while it is being written:
    // a save killed then leaves the file untouched and no half copy. From the
    // moment the file is touched until it holds whole bytes again, the copy
    // is unmarked and flushed, so that it outlives a kill with the old bytes.
    std::wstring copyName;
    UniqueKernelHandle copy = CreateOwnFile(target, copyName);
    if (!copy)
        return false;
    const bool marked = MarkForDeletion(copy.get(), true);
    if (!WriteAll(copy.get(), *oldBytes) || (marked && !MarkForDeletion(copy.get(), false))) {
        DeleteOwnFile(copy, copyName);
        return false;
    }

    const bool saved = RewriteInPlace(file.get(), bytes);
    // The old bytes back where the new ones could not all go (a full disk,
    // a failing drive); where even that fails, the copy stays, and holds them.
    if (!saved && !RewriteInPlace(file.get(), *oldBytes))
        return false;
    DeleteOwnFile(copy, copyName);
    return saved;
}

bool Win32FileSystem::createDirectory(const std::string& path) {
    return CreateDirectoryW(SystemPath(path).c_str(), nullptr) != 0;
}

// Opened for appending only, every write goes to the end as it then is, so
// that a line written in one call lands whole after whatever another writer
// appended; readers may read the file meanwhile.
bool Win32FileSystem::appendFile(const std::string& path, const std::string& bytes) {
    UniqueKernelHandle file(CreateFileW(SystemPath(path).c_str(), FILE_APPEND_DATA,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || bytes.size() > std::numeric_limits<DWORD>::max())
        return false;
    DWORD written = 0;
    return bytes.empty() || (WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                                       nullptr) &&
                             written == bytes.size());
}

std::optional<std::string> Win32FileSystem::decodeAnsi(std::string_view bytes) {
    const auto text = FromAnsi(bytes);
    return text ? std::optional(Narrow(*text)) : std::nullopt;
}

std::optional<std::string> Win32FileSystem::encodeAnsi(std::string_view text) {
    return ToAnsi(Widen(text));
}

}  // namespace vantry::win
