#include "TempDir.h"

#include <windows.h>

#include <atomic>
#include <stdexcept>

#include "UiDriver.h"
#include "win/platform/Handles.h"
#include "win/platform/WideText.h"

namespace vantry::testutil {

using win::SystemPath;

namespace {

void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(SystemPath(dir + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = win::Narrow(data.cFileName);
            if (name == "." || name == "..")
                continue;
            const std::string path = dir + "\\" + name;
            SetFileAttributesW(SystemPath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileW(SystemPath(path).c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(SystemPath(dir).c_str());
}

}  // namespace

std::string TempFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::string path = win::Narrow(temp);
    return path.substr(0, path.size() - 1);
}

TempDir::TempDir(const std::string& dir, std::size_t length) {
    static std::atomic<int> counter{0};
    const std::string base = (dir.empty() ? TempFolder() : dir.back() == '\\' ? dir.substr(0, dir.size() - 1) : dir) + "\\";
    // Wine reuses process ids soon, and a folder that a finished test's child
    // process still held may be left over: take the next free name.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string path = base + "vantry-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(counter++);
        while (win::Widen(path).size() < length)
            path += 'x';
        if (MakeDirectory(path)) {
            path_ = path;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() { RemoveTree(path_); }

void WriteBytes(const std::string& path, const std::string& bytes) {
    win::UniqueKernelHandle file(CreateFileW(SystemPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
    win::UniqueKernelHandle file(CreateFileW(SystemPath(path).c_str(), GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                             OPEN_EXISTING, 0, nullptr));
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (file && ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    return bytes;
}

bool MakeDirectory(const std::string& path) { return CreateDirectoryW(SystemPath(path).c_str(), nullptr) != 0; }

std::optional<std::string> UnixShell(const std::string& dir, const std::string& command) {
    std::wstring line = L"Z:\\bin\\sh -c \"{ " + win::Widen(command) +
                        L"; } >.unix-output~ 2>&1; mv .unix-output~ .unix-output\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        SystemPath(dir).c_str(), &startup, &info))
        return std::nullopt;
    win::UniqueKernelHandle process(info.hProcess), thread(info.hThread);
    const std::string output = dir + "\\.unix-output";
    if (!WaitFor([&] { return GetFileAttributesW(SystemPath(output).c_str()) != INVALID_FILE_ATTRIBUTES; }))
        return std::nullopt;
    std::string text = ReadBytes(output);
    DeleteFileW(SystemPath(output).c_str());
    return text;
}

std::string BinDir() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n);
    return dir.substr(0, dir.rfind('\\'));
}

}  // namespace vantry::testutil
