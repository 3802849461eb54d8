#include "Layout.h"

#include <algorithm>
#include <climits>

#include "../base/Scoped.h"

namespace {
// Where the text goes in a push button: within its edges and its focus
// frame, a pixel clear of the frame.
const int ButtonRoomX = 16, ButtonRoomY = 8;
// An edit field's sunken edges and a pixel above and below the text.
const int FieldRoom = 6;
} // namespace

FlowItem TextItem(const Control& control, int left, int right, int gap, bool follows)
{
    const SIZE size = control.TextSize(right - left);
    return {int(size.cx), int(size.cy), gap, follows, left};
}

void PlaceControls(const std::vector<Control*>& controls, const std::vector<FlowItem>& items, const Flow& flow)
{
    for (size_t i = 0; i < controls.size() && i < items.size(); ++i)
        if (controls[i])
            controls[i]->SetBounds(flow.Places[i].X, flow.Places[i].Y, items[i].Width, items[i].Height);
}

SIZE OneLine(const Control& control)
{
    return control.TextSize(INT_MAX);
}

int LineHeight(const Control& control)
{
    const WindowDC dc(control.Handle);
    const ScopedSelection font(dc, HGDIOBJ(SendMessageA(control.Handle, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    return int(metrics.tmHeight);
}

int TextWidth(const Control& control, const char* text)
{
    const WindowDC dc(control.Handle);
    const ScopedSelection font(dc, HGDIOBJ(SendMessageA(control.Handle, WM_GETFONT, 0, 0)));
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    return int(size.cx);
}

int HeightOf(const Control& control)
{
    RECT r;
    GetWindowRect(control.Handle, &r);
    return int(r.bottom - r.top);
}

SIZE ButtonSize(const Control& button, int width, int height)
{
    return {std::max(width, int(OneLine(button).cx) + ButtonRoomX), ButtonHeight(button, height)};
}

int ButtonHeight(const Control& control, int height)
{
    return std::max(height, LineHeight(control) + ButtonRoomY);
}

int FieldHeight(const Control& control, int height)
{
    return std::max(height, LineHeight(control) + FieldRoom);
}

int RowHeight(const Control& list, int height)
{
    return std::max(height, LineHeight(list));
}

void GrowClient(Form& form, int width, int height, bool centred)
{
    RECT client, window;
    GetClientRect(form.Handle, &client);
    GetWindowRect(form.Handle, &window);
    width = std::max(width, int(client.right));
    height = std::max(height, int(client.bottom));
    if (width == client.right && height == client.bottom)
        return;
    RECT outer = {0, 0, width, height};
    AdjustWindowRectEx(&outer, DWORD(GetWindowLongA(form.Handle, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongA(form.Handle, GWL_EXSTYLE)));
    const int outerWidth = outer.right - outer.left, outerHeight = outer.bottom - outer.top;
    int left = window.left, top = window.top;
    if (centred) {
        left -= (width - client.right) / 2;
        top -= (height - client.bottom) / 2;
    }
    left = std::max(0, std::min(left, GetSystemMetrics(SM_CXSCREEN) - outerWidth));
    top = std::max(0, std::min(top, GetSystemMetrics(SM_CYSCREEN) - outerHeight));
    form.SetBounds(left, top, outerWidth, outerHeight);
}
