#include "HotKey.h"

#include "../base/Convert.h"

namespace {
const uint8_t FirstFunctionKey = 0x70;  // F1
const struct {
    const char* Name;
    uint8_t Bit;
} Modifiers[] = {{"Ctrl", HotKey::Ctrl}, {"Alt", HotKey::Alt}, {"Shift", HotKey::Shift}, {"Win", HotKey::Win}};

// 0 for no key of the ones a hot key may use; `name` is in lower case.
uint8_t KeyOf(const std::string& name)
{
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z')
        return uint8_t(name[0] - 'a' + 'A');
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9')
        return uint8_t(name[0]);
    // "f1" to "f12", no leading zero.
    if (name.size() < 2 || name.size() > 3 || name[0] != 'f' || name[1] < '1' || name[1] > '9')
        return 0;
    int n = name[1] - '0';
    if (name.size() == 3) {
        if (name[2] < '0' || name[2] > '9')
            return 0;
        n = n * 10 + name[2] - '0';
    }
    return n <= 12 ? uint8_t(FirstFunctionKey + n - 1) : 0;
}
} // namespace

bool ParseHotKey(const std::string& text, HotKey& key)
{
    const std::string words = LowerCase(text);
    if (words == "none") {
        key = {0, 0};
        return true;
    }
    HotKey parsed{0, 0};
    size_t at = 0;
    for (;;) {
        const size_t plus = words.find('+', at);
        const std::string word = words.substr(at, plus == std::string::npos ? std::string::npos : plus - at);
        if (plus == std::string::npos) {
            parsed.Key = KeyOf(word);
            break;
        }
        bool known = false;
        for (const auto& m : Modifiers)
            if (word == LowerCase(m.Name) && !(parsed.Modifiers & m.Bit)) {
                parsed.Modifiers |= m.Bit;
                known = true;
            }
        if (!known)
            return false;
        at = plus + 1;
    }
    if (!parsed.Key || !parsed.Modifiers)
        return false;
    if (parsed.Key < FirstFunctionKey && parsed.Modifiers == HotKey::Shift)
        return false;
    key = parsed;
    return true;
}

std::string HotKeyText(const HotKey& key)
{
    if (!key.Key)
        return "none";
    std::string text;
    for (const auto& m : Modifiers)
        if (key.Modifiers & m.Bit)
            text += std::string(m.Name) + "+";
    if (key.Key >= FirstFunctionKey)
        return text + "F" + std::to_string(key.Key - FirstFunctionKey + 1);
    return text + char(key.Key);
}
