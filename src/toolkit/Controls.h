// Child controls of a form: standard window classes in the dialog font.
#pragma once
#include <windows.h>
#include <commctrl.h>  // CLR_NONE

#include <string>
#include <vector>

// 8-point "MS Sans Serif", the font of every dialog of the program, and its
// bold, underlined or larger cuts; `charset` picks the letters it must have.
// AnyScriptFont: the TrueType cut of the dialog face, which has the letters
// of most scripts, for names the code page cannot spell (the bitmap cut has
// only the code page's).
enum FontStyle : unsigned { PlainFont = 0, BoldFont = 1, UnderlinedFont = 2, AnyScriptFont = 4 };
HFONT DialogFont(unsigned style = PlainFont, int points = 8, BYTE charset = DEFAULT_CHARSET);

// The program's own texts: Cyrillic ones are stored in the Windows-1251 code
// page. On the NT family they are converted and shown in Unicode, whatever
// the system's code page; the 95 family shows them as its code page allows.
bool ShownInUnicode(const std::string& text);
// Such a text in Unicode.
std::wstring OwnText(const std::string& text);

class Control {
public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The control at (x, y) of `parent`'s client area, in tab order of
    // creation; `id` is what its notifications carry in WM_COMMAND. The text
    // is one of the program's own (see SetOwnText).
    void Create(HWND parent, const char* className, const std::string& text, DWORD style, int x, int y,
                int width, int height, UINT id, DWORD exStyle = 0);
    // The control object of a window, or nullptr.
    static Control* Of(HWND wnd);

    HWND Handle = nullptr;
    UINT Id = 0;
    COLORREF FontColor = GetSysColor(COLOR_WINDOWTEXT);
    HCURSOR Cursor = nullptr;  // nullptr: the class's, or the form's over a label
    bool Cyrillic = false;     // its own text is shown in Unicode
    // Set before Create: on the NT family a Unicode window whose texts are
    // given in UTF-8, for names the code page cannot spell.
    bool Unicode = false;
    // Text in the system's code page (paths, names the user typed), or
    // UTF-8 (see Unicode).
    std::string Text() const;
    void SetText(const std::string& text);
    void SetEnabled(bool on);
    void SetFont(unsigned style, int points = 8);
    // The size of its text in its font: on one line, or broken into lines no
    // wider than `maxWidth` where one line would be wider.
    SIZE TextSize(int maxWidth) const;
    // Its place in the parent's client area.
    void SetBounds(int x, int y, int width, int height);
    // The colour it is drawn on, or CLR_NONE for the system's.
    virtual COLORREF Background() const { return CLR_NONE; }
};

// A text label. A link is underlined and navy with the hand pointer, and
// reports clicks.
class Label : public Control {
public:
    void Create(HWND parent, const std::string& text, int x, int y, int width, int height,
                unsigned style = PlainFont, UINT clickId = 0);
};

// A push button; the default one answers Enter.
class Button : public Control {
public:
    void Create(HWND parent, const std::string& text, int x, int y, int width, int height, UINT id,
                bool isDefault = false);
};

// Its text breaks into lines where it is wider than the button.
class RadioButton : public Control {
public:
    void Create(HWND parent, const std::string& text, int x, int y, int width, int height, UINT id,
                bool firstOfGroup);
    // The room its round box takes before the text.
    int BoxWidth() const;
    bool Checked() const;
    void SetChecked(bool on);
};

class GroupBox : public Control {
public:
    void Create(HWND parent, const std::string& text, int x, int y, int width, int height);
};

class Edit : public Control {
public:
    void Create(HWND parent, int x, int y, int width, int height, UINT id);
};

// A whole-number field with up and down arrows beside it.
class SpinEdit : public Control {
public:
    void Create(HWND parent, int x, int y, int width, int height, UINT id, int min, int max);

private:
    HWND Arrows = nullptr;
};

// A list of lines in the system's code page; one may be selected.
class ListBox : public Control {
public:
    void Create(HWND parent, int x, int y, int width, int height, UINT id, DWORD extraStyle = 0);
    // Replaces every line.
    void SetLines(const std::vector<std::string>& lines);
    int Count() const;
    int ItemIndex() const;  // -1: none selected
    void SetItemIndex(int index);
    std::string Line(int index) const;
    void SetItemHeight(int height);
    // Enter on the list reaches its form as a double-click (LBN_DBLCLK)
    // instead of choosing the dialog's default button.
    void ReportEnter();
    // Background colour, or CLR_NONE for the system's.
    COLORREF Color = CLR_NONE;
    COLORREF Background() const override { return Color; }
};

// A drop-down list to choose one line from.
class ComboBox : public Control {
public:
    void Create(HWND parent, int x, int y, int width, int dropHeight, UINT id);
    void Clear();
    void Add(const std::string& line);
    int ItemIndex() const;
    void SetItemIndex(int index);
    std::string Line(int index) const;
};
