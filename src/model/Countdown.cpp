#include "Countdown.h"

#include <climits>
#include <cstring>

#include "../base/Convert.h"

std::string SpinText(int32_t value)
{
    return std::to_string(value < SpinMin ? SpinMin : value > SpinMax ? SpinMax : value);
}

bool SpinRead(const std::string& text, int32_t& value)
{
    int32_t v;
    if (TryStrToInt(text, v)) {
        value = v < SpinMin ? SpinMin : v > SpinMax ? SpinMax : v;
        return true;
    }
    // A number too long for 32 bits is still the number the user typed: a
    // field that reads it as nothing, or as 0, would arm a shutdown.
    const size_t digits = text.find_first_not_of('-') == 1 ? 1 : 0;
    if (text.size() > digits && text.find_first_not_of("0123456789", digits) == std::string::npos) {
        value = digits ? SpinMin : SpinMax;
        return true;
    }
    return false;
}

std::string SpinLeave(const std::string& text)
{
    int32_t typed, value;
    if (!SpinRead(text, value))
        return text;
    // A number the range allows keeps the form it was typed in.
    if (TryStrToInt(text, typed) && typed == value)
        return text;
    return SpinText(value);
}

bool Countdown::Toggle()
{
    if (Running) {
        Remaining = 0;
        Running = false;
        return true;
    }
    int32_t v;
    if (!SpinRead(Field, v))
        return false;
    Remaining = v;
    Running = true;
    return true;
}

void Countdown::FieldChanged(const std::string& text)
{
    Field = text;
    int32_t v;
    if (SpinRead(text, v))
        Remaining = v;
}

bool Countdown::Tick()
{
    // A stray timer message while stopped (none comes from the timer itself)
    // must not start a countdown of its own.
    if (!Running)
        return false;
    // Left running after a refused shutdown it keeps falling; at the bottom of
    // the range it stays there rather than wrap round to a huge count.
    if (Remaining > INT32_MIN)
        --Remaining;
    const std::string shown = SpinText(Remaining);
    if (shown != Field)
        FieldChanged(shown);
    return Remaining == 0;
}

std::string TimerHint(const Countdown& count)
{
    if (!count.Running || count.Remaining <= 0)
        return "Timer";
    return "Timer: " + std::to_string(count.Remaining) + (count.Remaining == 1 ? " minute" : " minutes") + " left";
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
