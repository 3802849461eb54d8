#include "Countdown.h"

#include <climits>
#include <cstring>

#include "../base/Convert.h"

std::string SpinText(int32_t value)
{
    return std::to_string(value < SpinMin ? SpinMin : value > SpinMax ? SpinMax : value);
}

int32_t SpinValue(const std::string& text)
{
    int32_t v;
    return TryStrToInt(text, v) ? v : SpinMin;
}

std::string SpinLeave(const std::string& text)
{
    int32_t v;
    if (!TryStrToInt(text, v) || (v >= SpinMin && v <= SpinMax))
        return text;
    return SpinText(v);
}

void Countdown::Toggle()
{
    if (!Running) {
        Remaining = SpinValue(Field);
        Running = true;
    } else {
        Remaining = 0;
        Running = false;
    }
}

void Countdown::FieldChanged(const std::string& text)
{
    Field = text;
    Remaining = SpinValue(text);
}

bool Countdown::Tick()
{
    // Left running after a refused shutdown it keeps falling; at the bottom of
    // the range it stays there rather than wrap round to a huge count.
    if (Remaining > INT32_MIN)
        --Remaining;
    const std::string shown = SpinText(Remaining);
    if (shown != Field)
        FieldChanged(shown);
    return Remaining == 0;
}

std::string OsVersionText(bool ok, uint32_t platformId, uint32_t major, uint32_t minor, uint32_t build,
                          const char* servicePack)
{
    if (!ok)
        return "";
    const char* const names[] = {"Win32s", "Windows 95", "Windows NT"};
    std::string text = platformId < 3 ? names[platformId] : "";
    text += " Version " + std::to_string(major) + "." + std::to_string(minor) + "\r\n (Build " +
            std::to_string(build) + ": ";
    // The system's buffer holds 128 characters and need not end in a zero.
    text.append(servicePack, strnlen(servicePack, 128));
    return text + ")";
}
