#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "TempDir.h"
#include "base/Errors.h"
#include "base/Files.h"

TEST(Files, AFailedSaveLeavesTheOldFileIntact)
{
    TempDir dir;
    dir.Write("Settings.ini", "old\r\n");
    // The temporary file cannot be created where a folder of its name stands.
    std::filesystem::create_directory(dir.File("Settings.ini.new"));
    EXPECT_THROW(SaveFileAtomic(dir.File("Settings.ini"), "new\r\n"), InOutError);
    EXPECT_EQ("old\r\n", dir.Read("Settings.ini"));
}

TEST(Files, ReadOnlyFileIsRefusedWithAccessDenied)
{
    TempDir dir;
    dir.Write("Apps.qvl", "keep\r\nme\r\n");
    chmod(dir.File("Apps.qvl").c_str(), 0444);
    try {
        SaveFileAtomic(dir.File("Apps.qvl"), "");
        FAIL() << "no error";
    } catch (const InOutError& e) {
        EXPECT_STREQ("I/O error 5", e.what());
    }
    EXPECT_EQ("keep\r\nme\r\n", dir.Read("Apps.qvl"));
    EXPECT_FALSE(dir.Exists("Apps.qvl.new"));
}

TEST(Files, SaveReplacesTheWholeFile)
{
    TempDir dir;
    dir.Write("Dirs.qvl", std::string(1000, 'x'));
    SaveFileAtomic(dir.File("Dirs.qvl"), "a\r\nb\r\n");
    EXPECT_EQ("a\r\nb\r\n", dir.Read("Dirs.qvl"));
    EXPECT_FALSE(dir.Exists("Dirs.qvl.new"));
}

TEST(Files, ASaveThatChangesNothingLeavesTheFileAlone)
{
    TempDir dir;
    dir.Write("Settings.ini", "skin=a\r\n");
    struct stat before, after;
    ASSERT_EQ(0, stat(dir.File("Settings.ini").c_str(), &before));
    SaveFileAtomic(dir.File("Settings.ini"), "skin=a\r\n");
    ASSERT_EQ(0, stat(dir.File("Settings.ini").c_str(), &after));
    EXPECT_EQ(before.st_ino, after.st_ino) << "replaced all the same";
    // Nothing to write is no error, even where writing is refused.
    chmod(dir.File("Settings.ini").c_str(), 0444);
    EXPECT_NO_THROW(SaveFileAtomic(dir.File("Settings.ini"), "skin=a\r\n"));
    chmod(dir.File("Settings.ini").c_str(), 0644);
    // One byte more, or less, is a change.
    SaveFileAtomic(dir.File("Settings.ini"), "skin=a\r\n\r\n");
    EXPECT_EQ("skin=a\r\n\r\n", dir.Read("Settings.ini"));
    SaveFileAtomic(dir.File("Settings.ini"), "skin=a");
    EXPECT_EQ("skin=a", dir.Read("Settings.ini"));
}

TEST(Files, ErrorTexts)
{
    EXPECT_STREQ("File not found", InOutError(2).what());
    EXPECT_STREQ("Disk full", InOutError(101).what());
    EXPECT_STREQ("Read beyond end of file", InOutError(100).what());
    EXPECT_STREQ("Invalid numeric input", InOutError(106).what());
    EXPECT_STREQ("I/O error 32", InOutError(32).what());
    TempDir dir;
    EXPECT_THROW(
        try { TextReader r(dir.File("none.ini")); } catch (const InOutError& e) {
            EXPECT_STREQ("File not found", e.what());
            throw;
        },
        InOutError);
}

// The box names the file below the text, once.
TEST(Files, AnErrorNamesItsFileBelowItsText)
{
    TempDir dir;
    try {
        AboutFile(dir.File("Dirs.qvl"), [&] { AboutFile(dir.File("other"), [] { throw InOutError(5); }); });
        ADD_FAILURE();
    } catch (const InOutError& e) {
        EXPECT_EQ("I/O error 5\n" + dir.File("other"), ErrorText(e));
    }
    FileOpenError named("Cannot open file \"" + dir.File("a.bmp") + "\". Gone");
    named.NameFile(dir.File("a.bmp"));
    EXPECT_EQ(named.what(), ErrorText(named));
    EXPECT_EQ("plain", ErrorText(std::runtime_error("plain")));
}

TEST(Files, WordsForNumberFiles)
{
    TextReader r = TextReader::FromMemory("  24 words here\r\n\r\n\t-1\n7\r8\r\n");
    EXPECT_EQ("24", r.ReadWord(64));
    EXPECT_EQ("-1", r.ReadWord(64));
    EXPECT_EQ("7", r.ReadWord(64));  // a lone CR does not end the line: "8" is skipped with it
    EXPECT_EQ("", r.ReadWord(64));
    EXPECT_TRUE(r.Eof());
}
