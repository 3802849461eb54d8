#include "Accessible.h"
// After windows.h, which it needs.
#include <oleacc.h>

#include <exception>

#include "../platform/ComObject.h"
#include "../platform/Platform.h"
#include "Form.h"

namespace {
using AllocString = BSTR(WINAPI*)(const OLECHAR*, UINT);

// A tool's call comes from another process through COM: the thread must be
// in an apartment, which only Wine's drag and drop made so far.
bool ComReady()
{
    static const bool ready = [] {
        const auto init = Late<HRESULT(WINAPI*)(void*)>("ole32.dll", "CoInitialize");
        return init && SUCCEEDED(init(nullptr));
    }();
    return ready;
}

AllocString StringAllocator()
{
    static const auto alloc = Late<AllocString>("oleaut32.dll", "SysAllocStringLen");
    return alloc;
}

// A text of the program (the system's ANSI code page) as a tool reads it;
// nothing for "".
HRESULT AnswerText(const std::string& text, BSTR* out)
{
    *out = nullptr;
    if (text.empty())
        return S_FALSE;
    const std::wstring wide = Widened(CP_ACP, text.c_str(), text.size());
    *out = StringAllocator()(wide.c_str(), UINT(wide.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

void SetNumber(VARIANT* v, LONG value)
{
    v->vt = VT_I4;
    v->lVal = value;
}

// The description of one form, for as long as some tool keeps it; it reads
// the form anew at every call and answers nothing once the window is gone.
class PartsAccessible final : public ComObject<IAccessible, IDispatch> {
public:
    explicit PartsAccessible(HWND wnd) : Wnd(wnd) {}

    // Tools call IAccessible directly; nothing is named through IDispatch.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        *parent = nullptr;
        using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
        static const auto fromWindow = Late<FromWindow>("oleacc.dll", "AccessibleObjectFromWindow");
        if (!IsWindow(Wnd))
            return RPC_E_DISCONNECTED;
        if (!fromWindow)
            return E_FAIL;
        return fromWindow(Wnd, DWORD(OBJID_WINDOW), __uuidof(IDispatch), reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override
    {
        *count = 0;
        return Answer([&](const AccessibleParts&, const std::vector<PartBox>& parts) {
            *count = LONG(parts.size());
            return S_OK;
        });
    }
    // The parts are simple elements: the tool asks this object about them.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override
    {
        *out = nullptr;
        return AboutPart(child, [](const AccessibleParts&, const std::vector<PartBox>&, int part) {
            return part ? S_FALSE : E_INVALIDARG;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        *name = nullptr;
        return AboutPart(child, [&](const AccessibleParts& form, const std::vector<PartBox>&, int part) {
            return AnswerText(part ? form.PartName(part) : form.Name(), name);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override
    {
        *value = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        *description = nullptr;
        return AboutPart(child, [&](const AccessibleParts& form, const std::vector<PartBox>&, int part) {
            return AnswerText(part ? form.PartDescription(part) : "", description);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        role->vt = VT_EMPTY;
        return AboutPart(child, [&](const AccessibleParts&, const std::vector<PartBox>&, int part) {
            SetNumber(role, part ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_TOOLBAR);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        state->vt = VT_EMPTY;
        return AboutPart(child, [&](const AccessibleParts& form, const std::vector<PartBox>& parts, int part) {
            LONG s = 0;
            const bool focused = GetFocus() == Wnd;
            if (!IsWindowVisible(Wnd) || (part && (!parts[part - 1].Width || !parts[part - 1].Height)))
                s |= STATE_SYSTEM_INVISIBLE;
            if (!IsWindowEnabled(Wnd))
                s |= STATE_SYSTEM_UNAVAILABLE;
            if (part && form.PartsTakeKeyboard())
                s |= STATE_SYSTEM_FOCUSABLE;
            if (focused && form.MarkedPart() == part)
                s |= STATE_SYSTEM_FOCUSED;
            SetNumber(state, s);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override
    {
        *help = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override
    {
        *file = nullptr;
        *topic = 0;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override
    {
        *shortcut = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    // The marked part while the form has the keyboard, else the form itself.
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        focus->vt = VT_EMPTY;
        return Answer([&](const AccessibleParts& form, const std::vector<PartBox>&) {
            if (GetFocus() != Wnd)
                return S_FALSE;
            SetNumber(focus, form.MarkedPart());
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        selection->vt = VT_EMPTY;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        *action = nullptr;
        return AboutPart(child, [&](const AccessibleParts&, const std::vector<PartBox>&, int part) {
            return part ? AnswerText("Press", action) : DISP_E_MEMBERNOTFOUND;
        });
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    // In screen coordinates.
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        *left = *top = *width = *height = 0;
        return AboutPart(child, [&](const AccessibleParts&, const std::vector<PartBox>& parts, int part) {
            RECT client;
            GetClientRect(Wnd, &client);
            POINT at = {0, 0};
            if (part) {
                const PartBox& b = parts[part - 1];
                at = {b.Left, b.Top};
                *width = b.Width;
                *height = b.Height;
            } else {
                *width = client.right;
                *height = client.bottom;
            }
            ClientToScreen(Wnd, &at);
            *left = at.x;
            *top = at.y;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        end->vt = VT_EMPTY;
        return AboutPart(start, [&](const AccessibleParts&, const std::vector<PartBox>& parts, int part) {
            const int count = int(parts.size());
            int to = 0;
            switch (direction) {
            case NAVDIR_FIRSTCHILD: to = part ? 0 : 1; break;
            case NAVDIR_LASTCHILD: to = part ? 0 : count; break;
            case NAVDIR_NEXT: to = part ? part + 1 : 0; break;
            case NAVDIR_PREVIOUS: to = part ? part - 1 : 0; break;
            case NAVDIR_UP: to = PartToward(parts, part, Toward::Up); break;
            case NAVDIR_DOWN: to = PartToward(parts, part, Toward::Down); break;
            case NAVDIR_LEFT: to = PartToward(parts, part, Toward::Left); break;
            case NAVDIR_RIGHT: to = PartToward(parts, part, Toward::Right); break;
            default: return E_INVALIDARG;
            }
            // The form's own neighbours are its parent's to tell.
            if (to < 1 || to > count)
                return S_FALSE;
            SetNumber(end, to);
            return S_OK;
        });
    }
    // In screen coordinates; nothing outside the client area.
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override
    {
        hit->vt = VT_EMPTY;
        return Answer([&](const AccessibleParts&, const std::vector<PartBox>& parts) {
            POINT at = {x, y};
            ScreenToClient(Wnd, &at);
            RECT client;
            GetClientRect(Wnd, &client);
            if (!PtInRect(&client, at))
                return S_FALSE;
            SetNumber(hit, PartAt(parts, at.x, at.y));
            return S_OK;
        });
    }
    // Posted: the action may open a menu or a dialog, and the tool waits for
    // this call to return.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return AboutPart(child, [&](const AccessibleParts&, const std::vector<PartBox>&, int part) {
            if (!part)
                return DISP_E_MEMBERNOTFOUND;
            return PostMessageA(Wnd, WM_APP_PRESSPART, WPARAM(part), 0) ? S_OK : E_FAIL;
        });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    // The form and its parts as they are now. Nothing escapes to the tool:
    // an error is its answer.
    template <typename F>
    HRESULT Answer(F answer) const
    {
        const auto* form = dynamic_cast<const AccessibleParts*>(IsWindow(Wnd) ? Form::Of(Wnd) : nullptr);
        if (!form)
            return RPC_E_DISCONNECTED;
        try {
            return answer(*form, form->Parts());
        } catch (const std::exception&) {
            return E_FAIL;
        }
    }
    // The same for the form itself (number 0) or one of its parts.
    template <typename F>
    HRESULT AboutPart(const VARIANT& child, F answer) const
    {
        return Answer([&](const AccessibleParts& form, const std::vector<PartBox>& parts) {
            if (child.vt != VT_I4 || child.lVal < 0 || size_t(child.lVal) > parts.size())
                return E_INVALIDARG;
            return answer(form, parts, int(child.lVal));
        });
    }

    HWND Wnd;
};
} // namespace

LRESULT AccessibleObjectOf(HWND wnd, WPARAM wParam, LPARAM lParam)
{
    if (LONG(lParam) != OBJID_CLIENT || !dynamic_cast<AccessibleParts*>(Form::Of(wnd)))
        return 0;
    using FromObject = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    static const auto fromObject = Late<FromObject>("oleacc.dll", "LresultFromObject");
    if (!fromObject || !StringAllocator() || !ComReady())
        return 0;
    auto* object = new PartsAccessible(wnd);
    const LRESULT answer = fromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return answer > 0 ? answer : 0;
}

void PressAccessiblePart(HWND wnd, int part)
{
    if (auto* form = dynamic_cast<AccessibleParts*>(Form::Of(wnd)))
        if (IsWindowVisible(wnd) && IsWindowEnabled(wnd) && part >= 1 && size_t(part) <= form->Parts().size())
            form->PressPart(part);
}

void TellPartMarked(HWND wnd, int part)
{
    static const auto notify = Late<void(WINAPI*)(DWORD, HWND, LONG, LONG)>("user32.dll", "NotifyWinEvent");
    if (notify)
        notify(EVENT_OBJECT_FOCUS, wnd, OBJID_CLIENT, part);
}

bool HighContrastOn()
{
    static const bool seam = [] {
        char value[4] = "";
        return IsWine() && GetEnvironmentVariableA("QUORVEL_TEST_HIGHCONTRAST", value, sizeof value) == 1 &&
               value[0] == '1';
    }();
    HIGHCONTRASTA hc = {};
    hc.cbSize = sizeof hc;
    return seam || (SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON));
}
