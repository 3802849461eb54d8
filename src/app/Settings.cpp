#include "Settings.h"

#include "../lists/LaunchList.h"
#include "../toolkit/Convert.h"
#include "../toolkit/Files.h"
#include "Skins.h"

TIni Ini;
std::string SkinDir;
std::string ExeDir;

const char* const SettingsFile = "Settings.ini";

namespace {
// Lines longer than this are outside the format; a hand-edited file with a
// megabyte on one line still costs no more than this.
const size_t MaxLine = 4096;

uint8_t LowByte(const std::string& value)
{
    return uint8_t(StrToInt(value) & 0xFF);
}
} // namespace

void SetDefaultSettings()
{
    Ini.numbut = 8;
    Ini.numapps = 0;
    Ini.numdirs = 0;
    Ini.cdrom = 'e';
    for (int k = 1; k <= 8; ++k)
        Ini.but[k] = uint8_t(k);
    Ini.autorun = false;
    Ini.skin = BuiltInSkins[StandardXP].File;
    SkinDir = ExeDir + BuiltInSkins[StandardXP].Folder;
    Ini.monitor = 0;
}

void ReadSettingsFrom(TextReader& in)
{
    while (!in.Eof()) {
        const std::string line = in.ReadLine(LineRule::CrEndsText, MaxLine);
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string key = line.substr(0, eq + 1);
        const std::string value = line.substr(eq + 1);
        if (key == "skin=")
            Ini.skin = value;
        else if (key == "skindir=")
            SkinDir = value;
        else if (key == "autorun=")
            Ini.autorun = value == "true";
        else if (key == "numbut=")
            Ini.numbut = LowByte(value);
        else if (key == "cdrom=") {
            if (!value.empty())
                Ini.cdrom = value[0];
        } else if (key.size() == 5 && key.compare(0, 3, "but") == 0 && key[3] >= '1' && key[3] <= '8')
            Ini.but[key[3] - '0'] = LowByte(value);
        else if (key == "monitor=" && value == "1")
            Ini.monitor = 1;
    }
}

std::string FormatSettings()
{
    std::string s;
    auto line = [&s](const std::string& text) { s += text + "\r\n"; };
    line("skin=" + Ini.skin);
    line("numbut=" + std::to_string(Ini.numbut));
    line("numapps=" + std::to_string(Ini.numapps));
    line("numdirs=" + std::to_string(Ini.numdirs));
    line(Ini.autorun ? "autorun=true" : "autorun=false");
    line(std::string("cdrom=") + Ini.cdrom);
    for (int k = 1; k <= 8; ++k)
        line("but" + std::to_string(k) + "=" + std::to_string(Ini.but[k]));
    line("monitor=" + std::to_string(Ini.monitor));
    line("skindir=" + SkinDir);
    return s;
}

void WriteSettings()
{
    SaveFileAtomic(ExeDir + SettingsFile, FormatSettings());
    if (DirList.Loaded)
        SaveLaunchList(DirList, DirsFile);
    if (AppList.Loaded)
        SaveLaunchList(AppList, AppsFile);
}
