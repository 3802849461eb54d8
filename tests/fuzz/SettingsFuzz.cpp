// Settings.ini is edited by hand. Whatever it holds, reading it may end in an
// error box and nothing worse, and what we then write must read back the same.
#include "app/Settings.h"
#include "toolkit/Errors.h"
#include "toolkit/Files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetDefaultSettings();
    TextReader in = TextReader::FromMemory(std::string(reinterpret_cast<const char*>(data), size));
    try {
        ReadSettingsFrom(in);
    } catch (const Exception&) {
        return 0;  // a bad number: the program shows it and goes on
    }
    const std::string saved = FormatSettings();
    SetDefaultSettings();
    TextReader back = TextReader::FromMemory(saved);
    ReadSettingsFrom(back);
    if (FormatSettings() != saved)
        __builtin_trap();
    return 0;
}
