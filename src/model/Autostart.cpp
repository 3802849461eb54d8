#include "Autostart.h"

#include "../base/Convert.h"

namespace {
enum class Holder { Nobody, ThisCopy, AnotherCopy };

std::string Unquoted(const std::string& s)
{
    return s.size() >= 2 && s.front() == '"' && s.back() == '"' ? s.substr(1, s.size() - 2) : s;
}

// Who the value of a key starts. Another copy's value is that copy's own
// autostart: never removed or replaced from here.
Holder HolderOf(RunValues& values, RunKey key, const std::string& command)
{
    std::string now;
    if (!values.Read(key, now))
        return Holder::Nobody;
    return LowerCase(Unquoted(now)) == LowerCase(Unquoted(command)) ? Holder::ThisCopy : Holder::AnotherCopy;
}

bool Holds(RunValues& values, RunKey key, const std::string& command)
{
    std::string now;
    return values.Read(key, now) && now == command;
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
    const Holder machine = HolderOf(values, RunKey::Machine, command);
    const Holder user = HolderOf(values, RunKey::User, command);
    // Asking first keeps a limited user from a refused write where nothing
    // of this copy is there to remove.
    if (!on) {
        if (machine == Holder::ThisCopy)
            values.Remove(RunKey::Machine);
        if (user == Holder::ThisCopy)
            values.Remove(RunKey::User);
        return true;
    }
    const auto intoUserKey = [&] {
        return Holds(values, RunKey::User, command) ||
               (user != Holder::AnotherCopy && values.Write(RunKey::User, command));
    };
    if (programOfOneUser) {
        // In the machine's key every other user would get an error at logon.
        if (machine == Holder::ThisCopy)
            values.Remove(RunKey::Machine);
        return intoUserKey();
    }
    if (machine == Holder::AnotherCopy || (machine == Holder::Nobody && Holds(values, RunKey::User, command)))
        return intoUserKey();
    if (Holds(values, RunKey::Machine, command) || values.Write(RunKey::Machine, command)) {
        // In both keys it would start twice at this user's logon.
        if (user == Holder::ThisCopy)
            values.Remove(RunKey::User);
        return true;
    }
    return intoUserKey();
}
