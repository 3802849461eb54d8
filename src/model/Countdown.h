// The shutdown timer's count and its number field, free of any window so
// that every path through a tick can be tried natively.
#pragma once
#include <cstdint>
#include <string>

// The whole-number field with arrows: 0 to 30000.
const int32_t SpinMin = 0, SpinMax = 30000;
// What the field shows for a value set into it: clamped to its range.
std::string SpinText(int32_t value);
// What the field's text reads as, clamped to the range: a whole number as the
// program reads numbers, or a run of digits too long for 32 bits (above the
// range, or below it after a minus). Any other text, the empty one among them,
// is no number: false.
bool SpinRead(const std::string& text, int32_t& value);
// The text after the field loses focus: a number out of range is pulled into
// it; anything else stays as typed.
std::string SpinLeave(const std::string& text);

struct Countdown {
    int32_t Remaining = 0;
    bool Running = false;
    std::string Field = SpinText(100);  // the number field's text

    // "Start" / "Stop". A field that holds no number starts nothing: false.
    bool Toggle();
    // The field's text changed (typing, the arrows, or a tick). Text that is
    // no number (a field cleared to type anew) leaves the count as it was.
    void FieldChanged(const std::string& text);
    // One minute has passed; true when the computer must be shut down now.
    // A stopped count takes no tick.
    bool Tick();
    // The last minute before the shutdown: time for the last warning.
    bool InLastMinute() const { return Running && Remaining == 1; }
};

// The timer button's hint: while the count runs, the minutes left.
std::string TimerHint(const Countdown& count);

// The running system in words, from what the version query reported;
// `ok` false gives the empty text.
std::string OsVersionText(bool ok, uint32_t platformId, uint32_t major, uint32_t minor, uint32_t build,
                          const char* servicePack);
