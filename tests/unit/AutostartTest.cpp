#include <gtest/gtest.h>

#include <map>

#include "model/Autostart.h"

namespace {
// The two keys as a limited user meets them: each may refuse writing, and
// every write and removal is counted.
struct Keys : RunValues {
    std::map<RunKey, std::string> Held;
    bool MachineRefuses = false, UserRefuses = false;
    int Writes = 0, Removals = 0;

    bool Refuses(RunKey key) const { return key == RunKey::Machine ? MachineRefuses : UserRefuses; }
    bool Read(RunKey key, std::string& value) override
    {
        const auto it = Held.find(key);
        if (it == Held.end())
            return false;
        value = it->second;
        return true;
    }
    bool Write(RunKey key, const std::string& value) override
    {
        ++Writes;
        if (Refuses(key))
            return false;
        Held[key] = value;
        return true;
    }
    void Remove(RunKey key) override
    {
        ++Removals;
        if (!Refuses(key))
            Held.erase(key);
    }
};

const std::string Command = "\"C:\\Program Files\\Quorvel\\Quorvel.exe\"";
} // namespace

TEST(Autostart, MachineKeyFirstUserKeyWhereRefusedErrorOnlyWhenBothRefuse)
{
    Keys admin;
    EXPECT_TRUE(SyncAutostart(admin, true, Command, false));
    EXPECT_EQ(admin.Held, (std::map<RunKey, std::string>{{RunKey::Machine, Command}}));

    Keys limited;
    limited.MachineRefuses = true;
    EXPECT_TRUE(SyncAutostart(limited, true, Command, false));
    EXPECT_EQ(limited.Held, (std::map<RunKey, std::string>{{RunKey::User, Command}}));
    // The next start finds it right in the user's key: nothing is tried.
    limited.Writes = 0;
    EXPECT_TRUE(SyncAutostart(limited, true, Command, false));
    EXPECT_EQ(limited.Writes, 0);

    Keys locked;
    locked.MachineRefuses = locked.UserRefuses = true;
    EXPECT_FALSE(SyncAutostart(locked, true, Command, false));
    // A right value needs no rights, even where nothing may be written.
    locked.Held[RunKey::Machine] = Command;
    EXPECT_TRUE(SyncAutostart(locked, true, Command, false));
    EXPECT_EQ(locked.Writes, 2);
}

TEST(Autostart, AnotherCopysValuesStayAndDoubledOnesAreSetRight)
{
    // Another copy's value is never replaced nor removed: this copy takes
    // the user's key, or fails where that names another copy too.
    const std::string other = "\"D:\\Old\\Quorvel.exe\"";
    Keys keys;
    keys.Held = {{RunKey::Machine, other}};
    EXPECT_TRUE(SyncAutostart(keys, true, Command, false));
    EXPECT_EQ(keys.Held, (std::map<RunKey, std::string>{{RunKey::Machine, other}, {RunKey::User, Command}}));
    EXPECT_TRUE(SyncAutostart(keys, false, Command, false));
    EXPECT_EQ(keys.Held, (std::map<RunKey, std::string>{{RunKey::Machine, other}}));
    keys.Held[RunKey::User] = other;
    EXPECT_FALSE(SyncAutostart(keys, true, Command, true));
    EXPECT_FALSE(SyncAutostart(keys, true, Command, false));
    EXPECT_EQ(keys.Held, (std::map<RunKey, std::string>{{RunKey::Machine, other}, {RunKey::User, other}}));

    // Its own value in another spelling is its own; in both keys it would
    // start the program twice at logon.
    keys.Held = {{RunKey::Machine, "c:\\program files\\quorvel\\QUORVEL.EXE"}, {RunKey::User, Command}};
    EXPECT_TRUE(SyncAutostart(keys, true, Command, false));
    EXPECT_EQ(keys.Held, (std::map<RunKey, std::string>{{RunKey::Machine, Command}}));

    // A program in one user's folders never goes in the machine's key, and
    // is taken out of it.
    Keys mine;
    mine.Held = {{RunKey::Machine, Command}};
    EXPECT_TRUE(SyncAutostart(mine, true, Command, true));
    EXPECT_EQ(mine.Held, (std::map<RunKey, std::string>{{RunKey::User, Command}}));
    mine.UserRefuses = true;
    mine.Held.clear();
    EXPECT_FALSE(SyncAutostart(mine, true, Command, true));
}

TEST(Autostart, OffRemovesFromBothKeysWhereTheyAllowAndNeverFails)
{
    Keys keys;
    keys.Held = {{RunKey::Machine, Command}, {RunKey::User, Command}};
    EXPECT_TRUE(SyncAutostart(keys, false, Command, false));
    EXPECT_TRUE(keys.Held.empty());

    // Nothing there: nothing is tried, so a limited user meets no refusal.
    keys.MachineRefuses = keys.UserRefuses = true;
    keys.Removals = 0;
    EXPECT_TRUE(SyncAutostart(keys, false, Command, false));
    EXPECT_EQ(keys.Removals, 0);

    keys.Held = {{RunKey::Machine, Command}};
    keys.UserRefuses = false;
    EXPECT_TRUE(SyncAutostart(keys, false, Command, false));
    EXPECT_EQ(keys.Removals, 1);
}

TEST(Autostart, ProgramOfOneUserByItsFolderInAnyCase)
{
    const std::string profile = "C:\\Documents and Settings\\Anna";
    EXPECT_TRUE(IsProgramOfOneUser("c:\\documents and settings\\anna\\Local Settings\\Quorvel\\Quorvel.exe", profile));
    EXPECT_TRUE(IsProgramOfOneUser("C:\\Users\\anna\\AppData\\Local\\Programs\\Quorvel\\Quorvel.exe",
                                   "C:\\Users\\Anna\\"));
    // A neighbour whose name begins with the same letters is another user.
    EXPECT_FALSE(IsProgramOfOneUser("C:\\Documents and Settings\\Annabel\\Quorvel.exe", profile));
    EXPECT_FALSE(IsProgramOfOneUser("C:\\Program Files\\Quorvel\\Quorvel.exe", profile));
    EXPECT_FALSE(IsProgramOfOneUser("C:\\Quorvel.exe", ""));
}
