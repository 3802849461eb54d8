#include "Autostart.h"

#include "../base/Convert.h"

namespace {
bool Holds(RunValues& values, RunKey key, const std::string& command)
{
    std::string now;
    return values.Read(key, now) && now == command;
}

// Asking first keeps a limited user from a refused write where nothing is
// there to remove.
void RemoveWhereThere(RunValues& values, RunKey key)
{
    std::string now;
    if (values.Read(key, now))
        values.Remove(key);
}
} // namespace

std::string RunCommandOf(const std::string& exePath)
{
    return '"' + exePath + '"';
}

bool IsProgramOfOneUser(const std::string& exePath, const std::string& profileFolder)
{
    if (profileFolder.empty())
        return false;
    std::string folder = LowerCase(profileFolder);
    if (folder.back() != '\\')
        folder += '\\';
    return LowerCase(exePath).compare(0, folder.size(), folder) == 0;
}

bool SyncAutostart(RunValues& values, bool on, const std::string& command, bool programOfOneUser)
{
    if (!on) {
        RemoveWhereThere(values, RunKey::Machine);
        RemoveWhereThere(values, RunKey::User);
        return true;
    }
    std::string inMachineKey;
    const bool machineHasOne = values.Read(RunKey::Machine, inMachineKey);
    const bool inUserKey = Holds(values, RunKey::User, command);
    if (programOfOneUser) {
        // In the machine's key every other user would get an error at logon.
        if (machineHasOne && inMachineKey == command)
            values.Remove(RunKey::Machine);
        return inUserKey || values.Write(RunKey::User, command);
    }
    // Where the machine's key names another copy, that copy would start too.
    if (inUserKey && !machineHasOne)
        return true;
    if ((machineHasOne && inMachineKey == command) || values.Write(RunKey::Machine, command)) {
        // In both keys it would start twice at this user's logon.
        if (inUserKey)
            values.Remove(RunKey::User);
        return true;
    }
    return inUserKey || values.Write(RunKey::User, command);
}
