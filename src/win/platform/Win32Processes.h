#pragma once

#include <windows.h>

#include <map>
#include <utility>

#include "core/platform/Processes.h"
#include "win/platform/Handles.h"

namespace vantry::win {

// Server processes through kernel32. A process is held (its handle kept) from
// its start, or from the first status() that finds it running, so that its
// exit code can still be read after it ends; release() lets it go.
class Win32Processes : public Processes {
public:
    std::optional<ProcessId> start(const std::string& commandLine, const std::string& directory) override;
    ProcessStatus status(const ProcessId& process) override;
    bool ownsWindow(const ProcessId& process, DesktopWindow window) override;
    void release(const ProcessId& process) override;

private:
    struct Held {
        UniqueKernelHandle handle;
        // The window of the console the process is attached to (null for
        // none), once looked for: a console keeps its window while it lives,
        // and a server has its console, or none, from its start.
        std::optional<HWND> console;
    };
    // By id and start time: a record of an earlier process with the same id
    // never touches what is held for the one that has it now.
    std::map<std::pair<std::uint32_t, std::uint64_t>, Held> held_;
};

}  // namespace vantry::win
