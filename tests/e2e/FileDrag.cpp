#include "FileDrag.h"

#include <ole2.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "Harness.h"

namespace {
// A CF_HDROP block in Unicode, as the shell makes one.
HGLOBAL FileList(const std::vector<std::string>& paths)
{
    std::wstring names;
    for (const std::string& p : paths) {
        wchar_t wide[MAX_PATH * 2] = L"";
        MultiByteToWideChar(CP_ACP, 0, p.c_str(), -1, wide, MAX_PATH * 2);
        names += wide;
        names += L'\0';
    }
    names += L'\0';
    struct Head {
        DWORD NamesAt;
        POINT At;
        BOOL NonClient, Wide;
    } head = {sizeof(Head), {0, 0}, FALSE, TRUE};
    const size_t size = sizeof head + names.size() * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    char* to = static_cast<char*>(GlobalLock(block));
    memcpy(to, &head, sizeof head);
    memcpy(to + sizeof head, names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(block);
    return block;
}

bool IsFileList(const FORMATETC* f)
{
    return f->cfFormat == CF_HDROP && (f->tymed & TYMED_HGLOBAL) && f->dwAspect == DVASPECT_CONTENT;
}

class Files final : public IDataObject, public IDropSource {
public:
    explicit Files(std::vector<std::string> paths) : Paths(std::move(paths)) {}
    std::atomic<bool> Started{false};

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override
    {
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDataObject))
            *out = static_cast<IDataObject*>(this);
        else if (IsEqualIID(id, IID_IDropSource))
            *out = static_cast<IDropSource*>(this);
        else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    // Lives on the stack of the drag's thread, past the drag.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* f, STGMEDIUM* m) override
    {
        if (!IsFileList(f))
            return DV_E_FORMATETC;
        m->tymed = TYMED_HGLOBAL;
        m->hGlobal = FileList(Paths);
        m->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* f) override { return IsFileList(f) ? S_OK : DV_E_FORMATETC; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

    // As Explorer's: the release of the button drops.
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override
    {
        Started = true;
        if (escape)
            return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    std::vector<std::string> Paths;
};

Files* Dragged = nullptr;

LRESULT CALLBACK SourceProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_LBUTTONDOWN && Dragged) {
        DWORD effect = 0;
        DoDragDrop(Dragged, Dragged, DROPEFFECT_COPY, &effect);
        DestroyWindow(wnd);
        return 0;
    }
    if (msg == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(wnd, msg, wParam, lParam);
}
} // namespace

bool DragFilesTo(const std::vector<std::string>& paths, POINT at)
{
    Files files(paths);
    std::atomic<HWND> source{nullptr};
    std::atomic<bool> ended{false};
    std::thread drag([&] {
        OleInitialize(nullptr);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = SourceProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = HBRUSH(GetStockObject(GRAY_BRUSH));
        wc.lpszClassName = "QvDragSource";
        RegisterClassA(&wc);
        Dragged = &files;
        HWND w = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "QvDragSource", "Files", WS_POPUP | WS_VISIBLE,
                                 GetSystemMetrics(SM_CXSCREEN) - 60, 10, 48, 48, nullptr, nullptr, wc.hInstance,
                                 nullptr);
        source = w;
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0)
            DispatchMessageA(&msg);
        Dragged = nullptr;
        OleUninitialize();
        ended = true;
    });
    WaitFor([&] { return source.load() != nullptr; }, 5000);
    const POINT from = Middle(source);
    PressOrRelease(from.x, from.y, true);
    const bool started = WaitFor([&] { return files.Started.load(); }, 3000);
    // On the way, as a hand moves, then a rest on the point before the
    // release.
    for (int step = 1; step <= 4; ++step)
        MoveMouse(from.x + (at.x - from.x) * step / 4, from.y + (at.y - from.y) * step / 4);
    Sleep(300);
    PressOrRelease(at.x, at.y, false);
    if (!WaitFor([&] { return ended.load(); }, 5000))
        PostMessageA(source, WM_CLOSE, 0, 0);
    drag.join();
    return started && ended;
}
