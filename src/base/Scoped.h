// Move-only owners of Win32 handles, so that an early return or an exception
// never leaks one; a selection into a device context undone by scope.
#pragma once
#include <windows.h>

#include <utility>

template <typename Traits>
class Scoped {
public:
    using Handle = typename Traits::Handle;
    Scoped() = default;
    explicit Scoped(Handle h) : H(h) {}
    ~Scoped() { Reset(); }
    Scoped(Scoped&& other) noexcept : H(other.Release()) {}
    Scoped& operator=(Scoped&& other) noexcept
    {
        if (this != &other) {
            Reset();
            H = other.Release();
        }
        return *this;
    }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;

    Handle Get() const { return H; }
    explicit operator bool() const { return Traits::Valid(H); }
    Handle Release()
    {
        const Handle h = H;
        H = Handle();
        return h;
    }
    void Reset()
    {
        if (Traits::Valid(H))
            Traits::Close(H);
        H = Handle();
    }

private:
    Handle H = Handle();
};

// Kernel handles: CreateFile fails with INVALID_HANDLE_VALUE, most others
// with nullptr.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static bool Valid(HANDLE h) { return h && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
using ScopedHandle = Scoped<KernelHandleTraits>;

struct FindHandleTraits {
    using Handle = HANDLE;
    static bool Valid(HANDLE h) { return h && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { FindClose(h); }
};
using ScopedFind = Scoped<FindHandleTraits>;

struct KeyTraits {
    using Handle = HKEY;
    static bool Valid(HKEY k) { return k != nullptr; }
    static void Close(HKEY k) { RegCloseKey(k); }
};
using ScopedKey = Scoped<KeyTraits>;

template <typename H>
struct GdiObjectTraits {
    using Handle = H;
    static bool Valid(H h) { return h != nullptr; }
    static void Close(H h) { DeleteObject(h); }
};
using ScopedBrush = Scoped<GdiObjectTraits<HBRUSH>>;
using ScopedPen = Scoped<GdiObjectTraits<HPEN>>;
using ScopedBitmap = Scoped<GdiObjectTraits<HBITMAP>>;
using ScopedFont = Scoped<GdiObjectTraits<HFONT>>;

// A device context of our own making (CreateCompatibleDC); one from GetDC is
// a WindowDC.
struct MemoryDCTraits {
    using Handle = HDC;
    static bool Valid(HDC dc) { return dc != nullptr; }
    static void Close(HDC dc) { DeleteDC(dc); }
};
using ScopedDC = Scoped<MemoryDCTraits>;

// Destroying a menu destroys its submenus too.
struct MenuTraits {
    using Handle = HMENU;
    static bool Valid(HMENU m) { return m != nullptr; }
    static void Close(HMENU m) { DestroyMenu(m); }
};
using ScopedMenu = Scoped<MenuTraits>;

// A timer of the thread, not of a window (SetTimer with no window): its
// identifier is the handle.
struct ThreadTimerTraits {
    using Handle = UINT_PTR;
    static bool Valid(UINT_PTR id) { return id != 0; }
    static void Close(UINT_PTR id) { KillTimer(nullptr, id); }
};
using ScopedThreadTimer = Scoped<ThreadTimerTraits>;

// A window-event hook. Windows 95 has none: there no hook is ever made, and
// so none is undone.
struct WinEventHookTraits {
    using Handle = HWINEVENTHOOK;
    static bool Valid(HWINEVENTHOOK h) { return h != nullptr; }
    static void Close(HWINEVENTHOOK h)
    {
        using Unhook = BOOL(WINAPI*)(HWINEVENTHOOK);
        static const auto unhook = reinterpret_cast<Unhook>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "UnhookWinEvent")));
        if (unhook)
            unhook(h);
    }
};
using ScopedWinEventHook = Scoped<WinEventHookTraits>;

// Runs `undo` as the scope ends, however it ends.
template <typename Undo>
class AtScopeEnd {
public:
    explicit AtScopeEnd(Undo undo) : Action(std::move(undo)) {}
    ~AtScopeEnd() { Action(); }
    AtScopeEnd(const AtScopeEnd&) = delete;
    AtScopeEnd& operator=(const AtScopeEnd&) = delete;

private:
    Undo Action;
};

// An object selected into a device context for the scope's length.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) : Dc(dc), Old(SelectObject(dc, object)) {}
    ~ScopedSelection() { SelectObject(Dc, Old); }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC Dc;
    HGDIOBJ Old;
};

// A window's device context from GetDC, released by scope.
class WindowDC {
public:
    explicit WindowDC(HWND wnd) : Wnd(wnd), Dc(GetDC(wnd)) {}
    ~WindowDC() { ReleaseDC(Wnd, Dc); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    operator HDC() const { return Dc; }

private:
    HWND Wnd;
    HDC Dc;
};
