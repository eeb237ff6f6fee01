#include "win/platform/Win32Processes.h"

#include "win/platform/WideText.h"

namespace vantry::win {

namespace {

std::uint64_t StartTime(HANDLE process) {
    FILETIME creation{}, exit{}, kernel{}, user{};
    if (!GetProcessTimes(process, &creation, &exit, &kernel, &user))
        return 0;
    return (static_cast<std::uint64_t>(creation.dwHighDateTime) << 32) | creation.dwLowDateTime;
}

// The window of the console the process is attached to: none for a process
// without one, nothing where this program could not look. A program can be
// attached to one console at most: this one has none of its own (it is a GUI
// program), borrows the process's for a moment, and always lets it go again.
// A host with a console of its own cannot look.
std::optional<HWND> ConsoleWindowOf(DWORD pid) {
    // Attaching hands the process the console's standard handles, and letting
    // go closes them (under Wine) but leaves their stale values in place,
    // where a later handle could take one of them; the old ones come back.
    const DWORD ids[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    HANDLE saved[std::size(ids)];
    for (std::size_t i = 0; i < std::size(ids); ++i)
        saved[i] = GetStdHandle(ids[i]);
    if (!AttachConsole(pid))
        return GetLastError() == ERROR_ACCESS_DENIED ? std::nullopt : std::optional<HWND>(nullptr);
    const HWND window = GetConsoleWindow();
    FreeConsole();
    for (std::size_t i = 0; i < std::size(ids); ++i)
        SetStdHandle(ids[i], saved[i]);
    return window;
}

std::pair<std::uint32_t, std::uint64_t> Key(const ProcessId& process) { return {process.pid, process.startTime}; }

}  // namespace

std::optional<ProcessId> Win32Processes::start(const std::string& commandLine, const std::string& directory) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION info{};
    std::wstring line = Widen(commandLine);  // CreateProcessW may write into it
    const std::wstring folder = Widen(directory);

    // A server that crashes must end, not wait on the system's crash dialog
    // for a user who may be away for hours: the child inherits the error mode
    // in force when it is made. This program's own mode comes back at once,
    // so its own faults are still reported as the user expects.
    const UINT ownMode = GetErrorMode();
    SetErrorMode(ownMode | SEM_NOGPFAULTERRORBOX);
    // A console program of its own console, so that the server gets a window
    // of its own as the shell gave it before.
    const BOOL started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                                        folder.empty() ? nullptr : folder.c_str(), &startup, &info);
    SetErrorMode(ownMode);
    if (!started)
        return std::nullopt;
    CloseHandle(info.hThread);
    UniqueKernelHandle handle(info.hProcess);
    const ProcessId id{info.dwProcessId, StartTime(handle.get())};
    held_[Key(id)].handle = std::move(handle);
    return id;
}

ProcessStatus Win32Processes::status(const ProcessId& process) {
    const auto it = held_.find(Key(process));
    if (it == held_.end() || !it->second.handle) {
        // Not held: the id may be another process's by now, which its start
        // time tells. One found running is held from now on.
        UniqueKernelHandle handle(
            OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, process.pid));
        if (!handle || StartTime(handle.get()) != process.startTime ||
            WaitForSingleObject(handle.get(), 0) != WAIT_TIMEOUT)
            return {ProcessState::Gone, 0};
        held_[Key(process)].handle = std::move(handle);
        return {ProcessState::Running, 0};
    }
    const HANDLE handle = it->second.handle.get();
    // The handle, not the exit code: a process may end with STILL_ACTIVE (259) as its code.
    switch (WaitForSingleObject(handle, 0)) {
    case WAIT_TIMEOUT:
        return {ProcessState::Running, 0};
    case WAIT_OBJECT_0: {
        DWORD code = 0;
        if (GetExitCodeProcess(handle, &code))
            return {ProcessState::Ended, code};
        break;
    }
    }
    return {ProcessState::Gone, 0};
}

bool Win32Processes::ownsWindow(const ProcessId& process, DesktopWindow window) {
    const HWND hwnd = reinterpret_cast<HWND>(window);
    DWORD owner = 0;
    if (!GetWindowThreadProcessId(hwnd, &owner))
        return false;
    if (owner == process.pid)
        return true;
    // A real console's window belongs to the console host, not to the
    // program in it (under Wine always; on Windows with some terminals).
    // Looked for once, as each look costs a round trip to the console; again
    // only when the window found has gone.
    Held& held = held_[Key(process)];
    if (!held.console || (*held.console && !IsWindow(*held.console)))
        held.console = ConsoleWindowOf(process.pid);
    return held.console && *held.console == hwnd;
}

void Win32Processes::release(const ProcessId& process) {
    held_.erase(Key(process));
}

}  // namespace vantry::win
