#include "Texts.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "Harness.h"
#include "ScreenPictures.h"

namespace {
std::wstring Wide1251(const std::string& text)
{
    wchar_t wide[512] = L"";
    MultiByteToWideChar(1251, 0, text.c_str(), -1, wide, 512);
    return wide;
}

std::string Utf8(const std::wstring& text)
{
    char narrow[1024] = "";
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

std::wstring WideTextOf(HWND w)
{
    wchar_t text[512] = L"";
    DWORD_PTR n = 0;
    SendMessageTimeoutW(w, WM_GETTEXT, 512, LPARAM(text), SMTO_ABORTIFHUNG, 2000, &n);
    return text;
}

int Extent(HDC dc, const std::wstring& text)
{
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    return size.cx;
}

// The last line of a text broken at spaces into lines no wider than `width`,
// as DrawText breaks it, without the spaces that end it.
std::wstring LastLine(HDC dc, const std::wstring& text, int width)
{
    size_t start = 0;
    for (;;) {
        const std::wstring rest = text.substr(start);
        size_t fit = std::wstring::npos;
        for (size_t space = text.find(L' ', start); space != std::wstring::npos; space = text.find(L' ', space + 1)) {
            if (Extent(dc, text.substr(start, space - start)) > width)
                break;
            fit = space;
        }
        const size_t next = fit == std::wstring::npos ? fit : text.find_first_not_of(L' ', fit);
        if (Extent(dc, rest) <= width || next == std::wstring::npos)
            return rest.substr(0, rest.find_last_not_of(L' ') + 1);
        start = next;
    }
}

// The font the program makes for a text.
HFONT ProgramFont(int dpi, const ShownText& text, bool cyrillic)
{
    return CreateFontW(-MulDiv(text.Points, dpi, 72), 0, 0, 0, text.Bold ? FW_BOLD : FW_NORMAL, FALSE, text.Underline,
                       FALSE, cyrillic ? RUSSIAN_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
}

struct Control {
    HWND Handle;
    std::string Class;
    RECT Rect;  // in the dialog's client area
};

std::vector<Control> ChildControls(HWND dialog)
{
    std::vector<Control> all;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        all.push_back({c, ClassOf(c), r});
    }
    return all;
}

bool IsText(const Control& c)
{
    return c.Class == "Static" || c.Class == "Button";
}

std::string NameOf(const Control& c)
{
    const std::string text = Utf8(WideTextOf(c.Handle));
    return text.empty() ? c.Class : text;
}

LRESULT Ask(HWND w, UINT msg, WPARAM wParam = 0)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(w, msg, wParam, 0, SMTO_ABORTIFHUNG, 2000, &result);
    return LRESULT(result);
}

bool IsBuddyOf(const Control& arrows, const Control& field)
{
    return arrows.Class == "msctls_updown32" && HWND(Ask(arrows.Handle, UDM_GETBUDDY)) == field.Handle;
}

// The lines that lists and fields hold, in the 8-point font selected into
// `dc`.
void ExpectFieldsWhole(const std::vector<Control>& all, HDC dc)
{
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    const int line = metrics.tmHeight;
    for (const Control& c : all) {
        RECT inside;
        GetClientRect(c.Handle, &inside);
        if (c.Class == "ListBox") {
            EXPECT_GE(int(Ask(c.Handle, LB_GETITEMHEIGHT)), line) << "a list's rows are lower than its font";
            // The list draws its lines two pixels in; the program places those
            // of a list it draws itself.
            const bool ownerDrawn = (GetWindowLongA(c.Handle, GWL_STYLE) & LBS_OWNERDRAWFIXED) != 0;
            for (int i = 0; !ownerDrawn && i < int(Ask(c.Handle, LB_GETCOUNT)); ++i) {
                wchar_t text[512] = L"";
                DWORD_PTR got = 0;
                SendMessageTimeoutW(c.Handle, LB_GETTEXT, i, LPARAM(text), SMTO_ABORTIFHUNG, 2000, &got);
                EXPECT_LE(Extent(dc, text) + 2, int(inside.right)) << Utf8(text) << ": cut by its list";
            }
        } else if (c.Class == "Edit") {
            EXPECT_GE(int(inside.bottom), line) << "a field lower than its font";
            // A number field holds the largest number its arrows go to.
            for (const Control& arrows : all)
                if (IsBuddyOf(arrows, c)) {
                    const std::wstring largest = std::to_wstring(LOWORD(Ask(arrows.Handle, UDM_GETRANGE)));
                    const LRESULT margins = Ask(c.Handle, EM_GETMARGINS);
                    EXPECT_LE(Extent(dc, largest), int(inside.right) - LOWORD(margins) - HIWORD(margins))
                        << Utf8(largest) << ": too wide for its field";
                }
        }
    }
}

bool Holds(const Control& outer, const RECT& inner)
{
    const LONG type = GetWindowLongA(outer.Handle, GWL_STYLE) & BS_TYPEMASK;
    return outer.Class == "Button" && type == BS_GROUPBOX && inner.left >= outer.Rect.left &&
           inner.right <= outer.Rect.right && inner.top >= outer.Rect.top && inner.bottom <= outer.Rect.bottom;
}
} // namespace

void ExpectTextsWhole(HWND dialog, const std::vector<ShownText>& texts)
{
    RECT client;
    GetClientRect(dialog, &client);
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    POINT corner = {1, 1};
    ClientToScreen(dialog, &corner);
    const uint32_t background = ScreenArea(corner.x, corner.y, 1, 1).At(0, 0);
    const std::vector<Control> all = ChildControls(dialog);
    // Each control inside the client area and over no other: a group box
    // holds its own, an up-down control sits on its field's edge.
    for (const Control& c : all) {
        const RECT& r = c.Rect;
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
            << NameOf(c) << " at " << r.left << "," << r.top << "-" << r.right << "," << r.bottom
            << " outside the client area " << client.right << "x" << client.bottom;
        for (const Control& other : all) {
            RECT both;
            if (&other < &c && IntersectRect(&both, &r, &other.Rect) && !Holds(other, r) && !Holds(c, other.Rect) &&
                !IsBuddyOf(c, other) && !IsBuddyOf(other, c))
                ADD_FAILURE() << NameOf(c) << " overlaps " << NameOf(other);
        }
    }
    std::vector<Control> controls;
    std::copy_if(all.begin(), all.end(), std::back_inserter(controls), IsText);
    EXPECT_EQ(texts.size(), controls.size());
    for (const ShownText& want : texts) {
        const std::wstring text = Wide1251(want.Text);
        const Control* found = nullptr;
        for (const Control& c : controls)
            if (WideTextOf(c.Handle) == text)
                found = &c;
        if (!found) {
            ADD_FAILURE() << "no control shows \"" << Utf8(text) << '"';
            continue;
        }
        const Control& c = *found;
        const RECT& r = c.Rect;
        const int width = r.right - r.left, height = r.bottom - r.top;

        // Where the control draws its text, and whether it breaks it into lines.
        const bool cyrillic = std::any_of(want.Text.begin(), want.Text.end(), [](char ch) { return ch & 0x80; });
        HFONT font = ProgramFont(dpi, want, cyrillic);
        HGDIOBJ old = SelectObject(dc, font);
        const LONG style = GetWindowLongA(c.Handle, GWL_STYLE);
        const LONG type = style & BS_TYPEMASK;
        int left = 0, right = width, bottom = height;
        bool wraps = true;
        if (c.Class == "Button") {
            wraps = (style & BS_MULTILINE) != 0;
            if (type == BS_GROUPBOX) {
                left = 8, right = width - 8;
            } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
                left = 4, right = width - 4, bottom = height - 4;
            } else {
                // The box and half a digit's width before the text.
                int digit = 0;
                GetCharWidth32W(dc, L'0', L'0', &digit);
                left = 12 * dpi / 96 + 1 + digit / 2;
            }
        }
        RECT need = {0, 0, right - left, 0};
        DrawTextW(dc, text.c_str(), int(text.size()), &need,
                  DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
        EXPECT_LE(need.right, right - left) << Utf8(text) << ": too wide for its control";
        EXPECT_LE(need.bottom, bottom) << Utf8(text) << ": too tall for its control";

        // The last character's pixels, where a left-aligned label or radio
        // button draws it: labels from the top, radio buttons centred (the
        // captions of group boxes and push buttons are placed by the system).
        if (c.Class == "Static" || (type != BS_GROUPBOX && type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON)) {
            const std::wstring last =
                wraps ? LastLine(dc, text, right - left) : text.substr(0, text.find_last_not_of(L' ') + 1);
            TEXTMETRICW metrics;
            GetTextMetricsW(dc, &metrics);
            const int lineHeight = metrics.tmHeight, lines = std::max(1, int(need.bottom) / lineHeight);
            const int firstTop = c.Class == "Static" ? 0 : (height - lines * lineHeight) / 2;
            const int y0 = std::max(firstTop + (lines - 1) * lineHeight, 0);
            // What lies past the control or the client area is not its text.
            const int y1 = std::min<int>({y0 + lineHeight, height, client.bottom - r.top});
            const int x0 = left + Extent(dc, last.substr(0, last.size() - 1));
            const int x1 = std::min<int>({left + Extent(dc, last), width, client.right - r.left});
            int ink = 0;
            if (x1 > x0 && y1 > y0) {
                POINT at = {r.left + x0, r.top + y0};
                ClientToScreen(dialog, &at);
                const Picture seen = ScreenArea(at.x, at.y, x1 - x0, y1 - y0);
                for (uint32_t px : seen.Pixels)
                    ink += px != background;
            }
            EXPECT_GE(ink, 2) << Utf8(text) << ": its last character is not on the screen";
        }
        SelectObject(dc, old);
        DeleteObject(font);
    }
    HFONT font = ProgramFont(dpi, {}, false);
    HGDIOBJ old = SelectObject(dc, font);
    ExpectFieldsWhole(all, dc);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
}
