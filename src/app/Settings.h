// The settings record and Settings.ini beside the executable.
#pragma once
#include <cstdint>
#include <string>

struct TIni {
    std::string skin;
    bool autorun;
    uint8_t numbut;
    uint8_t numapps;
    uint8_t numdirs;
    char cdrom;
    uint8_t but[9];  // but[1] ... but[8]: the panel slot of button k, 0 = not shown
    uint8_t monitor; // 0 = monitor power off, 1 = screen saver
};

extern TIni Ini;
extern std::string SkinDir;  // ends with a backslash
extern std::string ExeDir;   // ends with a backslash

extern const char* const SettingsFile;  // "Settings.ini"

void SetDefaultSettings();
// Applies the lines of a settings file to Ini and SkinDir. A bad number
// throws EConvertError; the lines before it stay applied.
void ReadSettingsFrom(class TextReader& in);
std::string FormatSettings();

// Settings.ini, then the folder list, then the program list.
void WriteSettings();
