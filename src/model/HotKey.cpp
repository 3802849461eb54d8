#include "HotKey.h"

#include <cctype>
#include <cstdlib>

namespace {
const uint8_t FirstFunctionKey = 0x70;  // F1
const struct {
    const char* Name;
    uint8_t Bit;
} Modifiers[] = {{"Ctrl", HotKey::Ctrl}, {"Alt", HotKey::Alt}, {"Shift", HotKey::Shift}, {"Win", HotKey::Win}};

std::string Lower(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// 0 for no key of the ones a hot key may use.
uint8_t KeyOf(const std::string& name)
{
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return uint8_t(std::toupper(static_cast<unsigned char>(name[0])));
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'f' && std::isdigit(static_cast<unsigned char>(name[1]))) {
        const int n = std::atoi(name.c_str() + 1);
        if (n >= 1 && n <= 12 && name.find_first_not_of("0123456789", 1) == std::string::npos)
            return uint8_t(FirstFunctionKey + n - 1);
    }
    return 0;
}
} // namespace

bool ParseHotKey(const std::string& text, HotKey& key)
{
    const std::string words = Lower(text);
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
            if (word == Lower(m.Name) && !(parsed.Modifiers & m.Bit)) {
                parsed.Modifiers |= m.Bit;
                known = true;
            }
        if (!known)
            return false;
        at = plus + 1;
    }
    if (!parsed.Key || !parsed.Modifiers)
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
