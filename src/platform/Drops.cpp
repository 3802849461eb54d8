#include "Platform.h"
// After windows.h, which these need.
#include <ole2.h>
#include <shellapi.h>

#include "../base/Scoped.h"
#include "ComObject.h"

namespace {
// The head of a CF_HDROP block (the shell's DROPFILES, whose header asks for
// a newer system than ours).
struct FileListHead {
    DWORD NamesAt;
    POINT At;
    BOOL NonClient;
    BOOL Wide;
};

FORMATETC FileListFormat()
{
    FORMATETC f = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return f;
}

// Takes what a program drags over the window as a list of files, and posts
// it to the window as the WM_DROPFILES that Windows itself would send.
class FileDropTarget final : public ComObject<IDropTarget> {
public:
    explicit FileDropTarget(HWND wnd) : Wnd(wnd) {}

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override
    {
        FORMATETC f = FileListFormat();
        HasFiles = data->QueryGetData(&f) == S_OK;
        *effect = Takes() ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override
    {
        *effect = Takes() ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    // Posted, not handled here: the source waits for this call to return,
    // and the names are asked for in dialogs.
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL at, DWORD* effect) override
    {
        *effect = DROPEFFECT_NONE;
        if (!Takes())
            return S_OK;
        using Release = void(WINAPI*)(STGMEDIUM*);
        static const auto release = Late<Release>("ole32.dll", "ReleaseStgMedium");
        FORMATETC f = FileListFormat();
        STGMEDIUM medium = {};
        if (!release || data->GetData(&f, &medium) != S_OK)
            return S_OK;
        const SIZE_T size = GlobalSize(medium.hGlobal);
        HGLOBAL copy = size >= sizeof(FileListHead) ? GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size) : nullptr;
        if (copy) {
            void* from = GlobalLock(medium.hGlobal);
            auto* to = static_cast<FileListHead*>(GlobalLock(copy));
            memcpy(to, from, size);
            // The source knows nothing of where it landed.
            POINT p = {at.x, at.y};
            ScreenToClient(Wnd, &p);
            to->At = p;
            to->NonClient = FALSE;
            GlobalUnlock(copy);
            GlobalUnlock(medium.hGlobal);
            if (PostMessageA(Wnd, WM_DROPFILES, WPARAM(copy), 0))
                *effect = DROPEFFECT_COPY;
            else
                GlobalFree(copy);
        }
        release(&medium);
        return S_OK;
    }

private:
    // A window disabled under a modal dialog takes no input, a drop neither.
    bool Takes() const { return HasFiles && IsWindowEnabled(Wnd); }

    HWND Wnd;
    bool HasFiles = false;
};

bool OleReady()
{
    static const bool ready = [] {
        const auto init = Late<HRESULT(WINAPI*)(void*)>("ole32.dll", "OleInitialize");
        return init && SUCCEEDED(init(nullptr));
    }();
    return ready;
}
} // namespace

void AcceptDroppedFiles(HWND wnd)
{
    // What DragAcceptFiles does, without loading the shell at start-up.
    AddExStyle(wnd, WS_EX_ACCEPTFILES);
    if (!IsWine() || !OleReady())
        return;
    static const auto registerTarget = Late<HRESULT(WINAPI*)(HWND, IDropTarget*)>("ole32.dll", "RegisterDragDrop");
    if (!registerTarget)
        return;
    auto* target = new FileDropTarget(wnd);
    registerTarget(wnd, target);  // already registered: the window keeps its own
    target->Release();
}

void StopAcceptingDroppedFiles(HWND wnd)
{
    if (!IsWine() || !OleReady())
        return;
    static const auto revoke = Late<HRESULT(WINAPI*)(HWND)>("ole32.dll", "RevokeDragDrop");
    if (revoke)
        revoke(wnd);
}

DroppedFiles TakeDroppedFiles(HDROP drop)
{
    static const auto finish = Late<decltype(&DragFinish)>("shell32.dll", "DragFinish");
    const AtScopeEnd finishing([drop] {
        if (finish)
            finish(drop);
    });
    static const auto point = Late<decltype(&DragQueryPoint)>("shell32.dll", "DragQueryPoint");
    static const auto nameA = Late<decltype(&DragQueryFileA)>("shell32.dll", "DragQueryFileA");
    static const auto nameW = Late<decltype(&DragQueryFileW)>("shell32.dll", "DragQueryFileW");
    DroppedFiles out = {{-1, -1}, {}};
    if (!point || !nameA || !finish)
        return out;
    point(drop, &out.At);
    const bool unicode = IsNtFamily() && nameW;
    const UINT count = unicode ? nameW(drop, 0xFFFFFFFF, nullptr, 0) : nameA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        DroppedItem item;
        if (unicode) {
            std::vector<wchar_t> wide(nameW(drop, i, nullptr, 0) + 1, L'\0');
            nameW(drop, i, wide.data(), UINT(wide.size()));
            item.Path = StorablePath(wide.data());
        } else {
            std::vector<char> name(nameA(drop, i, nullptr, 0) + 1, '\0');
            nameA(drop, i, name.data(), UINT(name.size()));
            item.Path = name.data();
        }
        const DWORD attributes = GetFileAttributesA(item.Path.c_str());
        item.IsFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        out.Items.push_back(item);
    }
    return out;
}
