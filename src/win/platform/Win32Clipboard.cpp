#include "win/platform/Win32Clipboard.h"

#include <cstring>

namespace vantry::win {

namespace {

// Open for one scope; another program may hold the clipboard for a moment,
// so a few short tries, never more than a fraction of a second in all.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) {
        for (int attempt = 0; attempt < 5 && !open_; ++attempt) {
            if (attempt > 0)
                Sleep(20);
            open_ = OpenClipboard(owner) != FALSE;
        }
    }
    ~OpenClipboardScope() {
        if (open_)
            CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

// Unlocks global memory locked for one scope.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
    ~GlobalLockScope() {
        if (data_)
            GlobalUnlock(memory_);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    char* data() const { return static_cast<char*>(data_); }

private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace

HWND Win32Clipboard::owner() {
    if (!owner_)
        owner_.reset(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     GetModuleHandleA(nullptr), nullptr));
    return owner_.get();
}

std::string Win32Clipboard::text() {
    OpenClipboardScope clipboard(owner());
    if (!clipboard)
        return {};
    // The clipboard keeps this memory; we only read it.
    const HGLOBAL memory = GetClipboardData(CF_TEXT);
    if (!memory)
        return {};
    const GlobalLockScope lock(memory);
    if (!lock.data())
        return {};
    // The terminating NUL is not trusted to be inside the block.
    return std::string(lock.data(), strnlen(lock.data(), GlobalSize(memory)));
}

bool Win32Clipboard::setText(const std::string& text) {
    OpenClipboardScope clipboard(owner());
    if (!clipboard || !EmptyClipboard())
        return false;
    UniqueGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!memory)
        return false;
    {
        const GlobalLockScope lock(memory.get());
        if (!lock.data())
            return false;
        std::memcpy(lock.data(), text.c_str(), text.size() + 1);
    }
    // On success the memory is the clipboard's to free.
    if (!SetClipboardData(CF_TEXT, memory.get()))
        return false;
    memory.release();
    return true;
}

}  // namespace vantry::win
