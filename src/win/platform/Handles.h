#pragma once

#include <windows.h>

#include <utility>

namespace vantry::win {

// One owner for every kind of Win32 handle: move-only, closed exactly once.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : handle_(h) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return Traits::valid(handle_); }
    Handle release() { return std::exchange(handle_, Traits::empty()); }
    void reset(Handle h = Traits::empty()) {
        if (Traits::valid(handle_))
            Traits::close(handle_);
        handle_ = h;
    }
    // For calls that hand out a handle through a pointer.
    Handle* put() {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::empty();
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle empty() { return nullptr; }
    // CreateFile gives INVALID_HANDLE_VALUE, most others NULL: both mean none.
    static bool valid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(Handle h) { CloseHandle(h); }
};

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle empty() { return INVALID_HANDLE_VALUE; }
    static bool valid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(Handle h) { FindClose(h); }
};

struct RegKeyTraits {
    using Handle = HKEY;
    static Handle empty() { return nullptr; }
    static bool valid(Handle h) { return h != nullptr; }
    static void close(Handle h) { RegCloseKey(h); }
};

struct GdiObjectTraits {
    using Handle = HGDIOBJ;
    static Handle empty() { return nullptr; }
    static bool valid(Handle h) { return h != nullptr; }
    static void close(Handle h) { DeleteObject(h); }
};

struct IconTraits {
    using Handle = HICON;
    static Handle empty() { return nullptr; }
    static bool valid(Handle h) { return h != nullptr; }
    static void close(Handle h) { DestroyIcon(h); }
};

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle empty() { return nullptr; }
    static bool valid(Handle h) { return h != nullptr; }
    static void close(Handle h) { FreeLibrary(h); }
};

// A popup menu; destroying it destroys the submenus attached to it.
struct MenuTraits {
    using Handle = HMENU;
    static Handle empty() { return nullptr; }
    static bool valid(Handle h) { return h != nullptr; }
    static void close(Handle h) { DestroyMenu(h); }
};

// Global memory that has not been handed over, for example to the clipboard.
struct GlobalMemoryTraits {
    using Handle = HGLOBAL;
    static Handle empty() { return nullptr; }
    static bool valid(Handle h) { return h != nullptr; }
    static void close(Handle h) { GlobalFree(h); }
};

// A bare helper window that no window object of ours owns.
struct WindowTraits {
    using Handle = HWND;
    static Handle empty() { return nullptr; }
    static bool valid(Handle h) { return h != nullptr; }
    static void close(Handle h) { DestroyWindow(h); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;
using UniqueRegKey = UniqueHandle<RegKeyTraits>;
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueGlobalMemory = UniqueHandle<GlobalMemoryTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;

// A window's device context for one scope.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_)
            ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// A WM_PAINT's device context, from BeginPaint to EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
    ~PaintDC() { EndPaint(hwnd_, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Selects a GDI object into a device context for one scope.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~ScopedSelect() { SelectObject(dc_, old_); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace vantry::win
