// The key combination that shows and hides the panel from anywhere, in the
// words Settings.ini keeps it in ("hotkey=Ctrl+Shift+F11", "hotkey=none").
#pragma once
#include <cstdint>
#include <string>

struct HotKey {
    // Modifier bits as the system's hot keys take them.
    enum : uint8_t { Alt = 1, Ctrl = 2, Shift = 4, Win = 8 };
    // A function key types no character on any keyboard layout; Ctrl+Alt
    // would be AltGr's too (a Linux desktop's console switch besides), and
    // Windows keeps no Ctrl+Shift+F key for itself.
    uint8_t Modifiers = Ctrl | Shift;
    uint8_t Key = 0x7A;  // F11; a virtual-key code: 'A' to 'Z', '0' to '9', F1 to F12; 0 for none
    bool operator==(const HotKey& o) const { return Modifiers == o.Modifiers && Key == o.Key; }
    bool operator!=(const HotKey& o) const { return !(*this == o); }
};

// Modifiers joined by "+" and a key ("Ctrl+Alt+Q", "Shift+F5"), in any case
// and order, or "none". False for anything else, the hot key left as it was.
// A key without a modifier is refused: it would be taken from every program;
// so is a letter or digit with Shift alone, which types its other character.
bool ParseHotKey(const std::string& text, HotKey& key);
std::string HotKeyText(const HotKey& key);
