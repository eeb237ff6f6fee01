#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/platform/DesktopWindows.h"

namespace vantry {

// A process this program started. Its id with its start time names it: the
// system gives a finished process's id to the next one soon.
struct ProcessId {
    std::uint32_t pid = 0;
    std::uint64_t startTime = 0;  // the system's own count, as it reports it
    bool operator==(const ProcessId&) const = default;
};

enum class ProcessState {
    Running,
    Ended,  // with its exit code
    Gone,   // not running, and how it ended is not known
};

struct ProcessStatus {
    ProcessState state = ProcessState::Gone;
    std::uint32_t exitCode = 0;
};

// The server processes the launcher starts, and what became of them.
class Processes {
public:
    virtual ~Processes() = default;

    // Runs the command line (the program, quoted, then its parameters) in the
    // directory, shown normally, with an error mode that keeps the system's
    // crash dialog away from it. Nothing when the system refused.
    virtual std::optional<ProcessId> start(const std::string& commandLine, const std::string& directory) = 0;
    // How the process stands. The exit code of one that ended is known once
    // the process was held: started in this run, or found running by an
    // earlier status() of this run; otherwise it is Gone.
    virtual ProcessStatus status(const ProcessId& process) = 0;
    // Whether the window is the process's own, or the console window of the
    // console the process is attached to (a real console belongs to the
    // console host, not to the program in it).
    virtual bool ownsWindow(const ProcessId& process, DesktopWindow window) = 0;
    // The process is no longer looked after: what was held for it goes.
    virtual void release(const ProcessId& process) = 0;
};

}  // namespace vantry
