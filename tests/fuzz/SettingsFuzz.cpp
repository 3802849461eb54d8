// Settings.ini is edited by hand. Whatever it holds, reading it may end in an
// error box and nothing worse, and what we then write must read back the same.
#include "model/Settings.h"
#include "base/Errors.h"
#include "base/Files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Settings settings = DefaultSettings("");
    TextReader in = TextReader::FromMemory(std::string(reinterpret_cast<const char*>(data), size));
    try {
        ReadSettingsFrom(in, settings);
    } catch (const Exception&) {
        return 0;  // a bad number: the program shows it and goes on
    }
    const std::string saved = FormatSettings(settings, 0, 0);
    Settings again = DefaultSettings("");
    TextReader back = TextReader::FromMemory(saved);
    ReadSettingsFrom(back, again);
    if (FormatSettings(again, 0, 0) != saved)
        __builtin_trap();
    return 0;
}
