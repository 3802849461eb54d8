// Child controls of a form: standard window classes in the form's font.
#pragma once
#include <windows.h>

#include <string>

// 8-point "MS Sans Serif", the font of every dialog of the program.
HFONT DialogFont();

class TControl {
public:
    TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    // The control at (x, y) of `parent`'s client area; `id` is what its
    // notifications carry in WM_COMMAND.
    void Create(HWND parent, const char* className, const std::string& text, DWORD style, int x, int y,
                int width, int height, UINT id, DWORD exStyle = 0);
    HWND Handle = nullptr;
    UINT Id = 0;
    std::string Text() const;
    void SetText(const std::string& text);
    void SetEnabled(bool on);
};

// A text label.
class TLabel : public TControl {
public:
    void Create(HWND parent, const std::string& text, int x, int y, int width, int height);
};

// A push button; the default one answers Enter.
class TButton : public TControl {
public:
    void Create(HWND parent, const std::string& text, int x, int y, int width, int height, UINT id,
                bool isDefault = false);
};

// A whole-number field with up and down arrows beside it.
class TSpinEdit : public TControl {
public:
    void Create(HWND parent, int x, int y, int width, int height, UINT id, int min, int max);

private:
    HWND Arrows = nullptr;
};
