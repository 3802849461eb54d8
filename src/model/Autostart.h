// Where the program's autostart value goes. Windows starts what the Run key
// names at logon: the machine's key for every user, the user's own for that
// user. A limited user (NT 4 to XP, and every unelevated program since Vista)
// may read the machine's key but not write it.
#pragma once
#include <string>

enum class RunKey { Machine, User };

// The two Run keys as the system offers them to this user.
class RunValues {
public:
    virtual ~RunValues() = default;
    // False when the value is not there (or the key cannot be read).
    virtual bool Read(RunKey key, std::string& value) = 0;
    // False when the key refuses it.
    virtual bool Write(RunKey key, const std::string& value) = 0;
    virtual void Remove(RunKey key) = 0;
};

// What Windows should run: the program's full path in quotes, or
// "C:\Program Files\..." would first be tried as C:\Program.exe.
std::string RunCommandOf(const std::string& exePath);

// Whether the program lives in `profileFolder` (the user's own, "" where the
// system has none): no other user can reach it there.
bool IsProgramOfOneUser(const std::string& exePath, const std::string& profileFolder);

// Brings the values in line with the "Autoloading" tick. Only a value that
// starts this copy (its path, in quotes or not, in any case) is removed or
// replaced: another copy's is that copy's own setting. A value that is right
// already is not written again: a right value needs no rights. On, the
// machine's key is tried first and the user's where it is refused or holds
// another copy; a program of one user goes in that user's key only. Off, this
// copy's value goes from both keys where it may go. False only when autostart
// is wanted and neither key took it.
bool SyncAutostart(RunValues& values, bool on, const std::string& command, bool programOfOneUser);
