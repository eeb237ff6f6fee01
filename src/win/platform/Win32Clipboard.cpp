#include "win/platform/Win32Clipboard.h"

#include <cstring>
#include <cwchar>

#include "win/platform/WideText.h"

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
    wchar_t* data() const { return static_cast<wchar_t*>(data_); }

private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace

HWND Win32Clipboard::owner() {
    if (!owner_)
        owner_.reset(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     GetModuleHandleW(nullptr), nullptr));
    return owner_.get();
}

std::optional<std::string> Win32Clipboard::text() {
    OpenClipboardScope clipboard(owner());
    if (!clipboard)
        return std::nullopt;
    // The clipboard keeps this memory; we only read it.
    // Asked for as Unicode, the system converts whatever another program put there.
    const HGLOBAL memory = GetClipboardData(CF_UNICODETEXT);
    if (!memory)
        return std::string();
    const GlobalLockScope lock(memory);
    if (!lock.data())
        return std::string();
    // The terminating NUL is not trusted to be inside the block.
    return Narrow(std::wstring_view(lock.data(), wcsnlen(lock.data(), GlobalSize(memory) / sizeof(wchar_t))));
}

bool Win32Clipboard::setText(const std::string& text) {
    const std::wstring wide = Widen(text);
    OpenClipboardScope clipboard(owner());
    if (!clipboard || !EmptyClipboard())
        return false;
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    UniqueGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory)
        return false;
    {
        const GlobalLockScope lock(memory.get());
        if (!lock.data())
            return false;
        std::memcpy(lock.data(), wide.c_str(), bytes);
    }
    // On success the memory is the clipboard's to free.
    if (!SetClipboardData(CF_UNICODETEXT, memory.get()))
        return false;
    memory.release();
    return true;
}

}  // namespace vantry::win
