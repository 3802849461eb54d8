#include <gtest/gtest.h>

#include "SkinCheck.h"
#include "TempDir.h"
#include "base/BmpFile.h"
#include "base/Errors.h"
#include "model/SkinFile.h"

namespace {
const std::vector<int> XpDefault = {34, 0, 0, 68, 30, 67, 0, 81, 30, 80, 0, 96, 30, 26, 2, 5};

// A plain 24-bit bitmap of one colour.
std::string Bmp(int w, int h, uint32_t rgb = 0x336699)
{
    const int stride = (w * 3 + 3) / 4 * 4;
    std::string b = "BM";
    auto put = [&b](uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b += char(v >> 8 * i);
    };
    put(54 + stride * h, 4), put(0, 4), put(54, 4), put(40, 4), put(w, 4), put(h, 4), put(1, 2), put(24, 2);
    put(0, 24);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            put(rgb, 3);
        put(0, stride - w * 3);
    }
    return b;
}

// A run-length bitmap of a few bytes that claims w x h pixels, all black.
std::string Claiming(int w, int h)
{
    std::string b = "BM";
    auto put = [&b](uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b += char(v >> 8 * i);
    };
    put(64, 4), put(0, 4), put(62, 4), put(40, 4), put(w, 4), put(h, 4), put(1, 2), put(8, 2), put(1, 4);
    put(2, 4), put(0, 8), put(2, 4), put(0, 4), put(0, 4), put(0xFFFFFF, 4);
    put(0x0100, 2);  // end of bitmap
    return b;
}

// A copy of the standard skin to spoil one thing at a time.
struct SkinCopy : TempDir {
    SkinCopy() { std::filesystem::copy(QV_SKINS_DIR "/xpdefault", Path, std::filesystem::copy_options::recursive); }
    void Numbers(std::vector<int> v, size_t count = 16)
    {
        std::string text;
        for (size_t i = 0; i < count; ++i)
            text += std::to_string(v[i]) + "\r\n";
        Write("xpdef.qvs", text);
    }
    void Set(size_t field, int value)
    {
        std::vector<int> v = XpDefault;
        v[field] = value;
        Numbers(v);
    }
    std::vector<std::string> Check(Severity level) const
    {
        std::vector<std::string> out;
        for (const Finding& f : CheckSkin(Path, "xpdef.qvs"))
            if (f.Level == level)
                out.push_back(f.Text);
        return out;
    }
};
} // namespace

TEST(SkinCheck, EachBuiltInSkinPassesWithoutAWord)
{
    for (const BuiltInSkin& b : BuiltInSkins) {
        std::string folder = QV_SKINS_DIR "/" + std::string(b.Folder + 6);  // past "Skins\"
        folder.pop_back();                                                    // the backslash
        EXPECT_EQ(std::vector<std::string>{b.File}, DescriptionFiles(folder));
        for (const Finding& f : CheckSkin(folder, b.File))
            ADD_FAILURE() << folder << ": " << FormatFinding(f);
    }
}

TEST(SkinCheck, MissingPictures)
{
    SkinCopy dir;
    std::filesystem::remove(dir.File("normal.bmp"));
    std::filesystem::remove(dir.File("timer.bmp"));
    std::filesystem::rename(dir.File("back.bmp"), dir.File("Back.BMP"));  // as Windows finds it
    EXPECT_EQ((std::vector<std::string>{
                  "normal.bmp (the start button): Cannot open file \"" + dir.File("normal.bmp") + "\". File not found",
                  "timer.bmp (button 8, Timer): Cannot open file \"" + dir.File("timer.bmp") + "\". File not found"}),
              dir.Check(Severity::Error));

    // Without a CD picture the button keeps the program's own.
    SkinCopy cd;
    std::filesystem::remove(cd.File("cdrom.bmp"));
    EXPECT_TRUE(cd.Check(Severity::Error).empty());
    EXPECT_EQ(1u, cd.Check(Severity::Warning).size());
}

TEST(SkinCheck, InvalidPictures)
{
    SkinCopy dir;
    dir.Write("center.bmp", "BM not a bitmap at all");
    dir.Write("cdrom.bmp", "");  // present, so loaded, and refused
    EXPECT_EQ((std::vector<std::string>{"center.bmp (the middle of the panel): Bitmap image is not valid",
                                        "cdrom.bmp (button 1, CD-ROM): Bitmap image is not valid"}),
              dir.Check(Severity::Error));
}

TEST(SkinCheck, ShortDescriptionFileNamesTheFieldsReadAsZero)
{
    SkinCopy dir;
    dir.Numbers(XpDefault, 13);
    const std::vector<std::string> warnings = dir.Check(Severity::Warning);
    ASSERT_EQ(1u, warnings.size());
    EXPECT_EQ("xpdef.qvs holds 13 numbers (the last on line 13), not 16: the program reads ButtonWidth, ButtonGap "
              "and ButtonTop as 0",
              warnings[0]);
    // A slot of width 0 is what the program then lays out.
    const std::vector<std::string> errors = dir.Check(Severity::Error);
    ASSERT_EQ(1u, errors.size());
    EXPECT_EQ(0u, errors[0].find("xpdef.qvs, after the last line: buttons 1, 2, 3, 4, 5, 6, 7 and 8 (cdrom.bmp, "));

    dir.Write("xpdef.qvs", "");
    EXPECT_EQ("xpdef.qvs holds 0 numbers, not 16: the program reads all of them as 0", dir.Check(Severity::Warning)[0]);
    EXPECT_EQ("xpdef.qvs, after the last line: PanelHeight is 0: the panel has no height, and neither it nor its "
              "buttons can be seen",
              dir.Check(Severity::Error).at(3));  // after the three empty zones
}

TEST(SkinCheck, BadNumbersGiveTheProgramsMessageAndTheirLine)
{
    SkinCopy dir;
    dir.Write("xpdef.qvs", "34\r\n0\r\n\r\nabc\r\n-1\r\n67\n0\n81\n30\n80\n0\n96\n30\n26\n2\n12x\n9\n7\n");
    // The empty line 3 puts every later number one line down. Zone 1 and the
    // slot widths hang on a word that is no number, and are not judged.
    EXPECT_EQ((std::vector<std::string>{
                  "xpdef.qvs, line 4 (Zone1.Top): \"abc\": Invalid numeric input",
                  "xpdef.qvs, line 16 (ButtonGap): \"12x\": Invalid numeric input",
                  "xpdef.qvs, lines 8 and 10: zone 2 (opens the main menu) is empty: top 81 is not less than bottom 80",
                  "xpdef.qvs, lines 12 and 14: zone 3 (shows and hides the panel) is empty: top 96 is not less than "
                  "bottom 26"}),
              dir.Check(Severity::Error));
    EXPECT_EQ((std::vector<std::string>{"xpdef.qvs, line 5 (Zone1.Right): -1 is read as 65535",
                                        "xpdef.qvs, line 18: everything after the sixteenth number is ignored"}),
              dir.Check(Severity::Warning));

    std::filesystem::remove(dir.File("xpdef.qvs"));
    EXPECT_EQ("xpdef.qvs: File not found", dir.Check(Severity::Error).at(0));
}

TEST(SkinCheck, ZonesOutsideEmptyOrOverlapping)
{
    SkinCopy dir;
    dir.Numbers({34, 0, 0, 68, 30, 67, 0, 68, 30, 100, 0, 120, 30, 26, 2, 5});
    EXPECT_EQ((std::vector<std::string>{
                  "xpdef.qvs, lines 6 and 8: zone 2 (opens the main menu) is empty: right 68 is only one past left "
                  "67, and a point on an edge is outside",
                  "xpdef.qvs, line 10: zone 3 (shows and hides the panel) lies outside the start picture (96 x 30): "
                  "left 100, top 0; it "
                  "can never be clicked"}),
              dir.Check(Severity::Error));

    dir.Numbers({34, 0, 0, 68, 30, 60, 0, 81, 30, 80, 0, 120, 30, 26, 2, 5});
    EXPECT_EQ((std::vector<std::string>{
                  "xpdef.qvs, line 12: zone 3 (shows and hides the panel) reaches past the start picture (96 x 30) "
                  "to right 120, bottom 30; the part outside cannot be clicked",
                  "xpdef.qvs, lines 2 to 9: zones 1 and 2 overlap at x 61..67, y 1..29; zone 2 (opens the main menu) "
                  "wins there"}),
              dir.Check(Severity::Warning));

    dir.Numbers({34, 10, 5, 20, 25, 67, 0, 81, 30, 0, 0, 60, 30, 26, 2, 5});
    EXPECT_EQ((std::vector<std::string>{"xpdef.qvs, lines 2 to 5: zone 1 (opens the Start menu) lies wholly under "
                                        "zone 3, and where zones overlap the later one wins; it can never be clicked"}),
              dir.Check(Severity::Error));

    dir.Write("normal.bmp", Bmp(96, 30, 0x800000));  // all see-through: the button takes no click
    dir.Set(3, 0);
    const std::vector<std::string> errors = dir.Check(Severity::Error);
    ASSERT_EQ(3u, errors.size());
    EXPECT_EQ("xpdef.qvs, lines 2 and 4: zone 1 (opens the Start menu) is empty: left 0 is not less than right 0",
              errors[0]);
    EXPECT_NE(std::string::npos, errors[2].find("zone 3 (shows and hides the panel) covers only see-through"));
}

TEST(SkinCheck, ButtonsWiderThanTheirSlot)
{
    SkinCopy dir;
    dir.Write("app.bmp", Bmp(40, 24));
    EXPECT_EQ((std::vector<std::string>{"xpdef.qvs, lines 14 and 15: button 6 (app.bmp) is 40 pixels wide, more "
                                        "than the 28 from one slot to the next (ButtonWidth 26 + ButtonGap 2): "
                                        "drawn over the button to its right, or over the right end piece in the "
                                        "last slot"}),
              dir.Check(Severity::Error));
    dir.Write("app.bmp", Bmp(24, 24));
    dir.Set(13, 23);  // 24 pixels fit in 23 and the gap
    EXPECT_TRUE(dir.Check(Severity::Error).empty());
    EXPECT_EQ(0u, dir.Check(Severity::Warning).at(0).find("xpdef.qvs, line 14: buttons 1, 2, 3, 4, 5, 6, 7 and 8 ("));
}

TEST(SkinCheck, ButtonsPastThePanelsBottom)
{
    SkinCopy dir;
    dir.Set(15, 20);
    const std::vector<std::string> errors = dir.Check(Severity::Error);
    ASSERT_EQ(1u, errors.size());
    EXPECT_NE(std::string::npos, errors[0].find("its bottom 10 rows are cut off"));
    dir.Set(15, 34);
    EXPECT_EQ((std::vector<std::string>{"xpdef.qvs, lines 1 and 16: ButtonTop 34 puts every button at or below the "
                                        "panel's bottom edge (PanelHeight 34): no button can be seen"}),
              dir.Check(Severity::Error));
    dir.Set(15, 10);  // ends on the edge: fine until pressed
    EXPECT_TRUE(dir.Check(Severity::Error).empty());
    EXPECT_EQ(1u, dir.Check(Severity::Warning).size());
}

TEST(SkinCheck, PanelLowerThanItsFrames)
{
    SkinCopy dir;
    dir.Set(0, 30);
    EXPECT_EQ((std::vector<std::string>{"xpdef.qvs, line 1: back.bmp is 34 pixels high, but the panel only 30 "
                                        "(PanelHeight): the bottom rows of both end pieces are cut off"}),
              dir.Check(Severity::Error));
    dir.Set(0, 40);
    EXPECT_TRUE(dir.Check(Severity::Error).empty());
    EXPECT_NE(std::string::npos, dir.Check(Severity::Warning).at(0).find("green background shows"));
}

TEST(SkinCheck, DescriptionFilesOfAFolder)
{
    SkinCopy dir;
    dir.Write("Other.QVS", "");
    EXPECT_EQ((std::vector<std::string>{"Other.QVS", "xpdef.qvs"}), DescriptionFiles(dir.Path));
    std::filesystem::remove(dir.File("Other.QVS"));
    std::filesystem::remove(dir.File("xpdef.qvs"));
    EXPECT_TRUE(DescriptionFiles(dir.Path).empty());
    const std::vector<Finding> found = CheckSkin(dir.Path, "");
    ASSERT_EQ(1u, found.size());  // the pictures are still checked, and fine
    EXPECT_EQ("error: no description file (*.qvs) in " + dir.Path + ": the skin cannot be chosen",
              FormatFinding(found[0]));
}

TEST(SkinCheck, AWordThatIsNoNumberHidesNoOtherProblem)
{
    SkinCopy dir;
    // A blank line 2; zone 1's top and the slot width are no numbers, zone 3
    // reaches past the picture, the buttons stand below the panel.
    dir.Write("xpdef.qvs", "34\n\n0\n0px\n68\n30\n67\n0\n81\n30\n80\n0\n120\n30\nwide\n2\n40\n");
    EXPECT_EQ((std::vector<std::string>{
                  "xpdef.qvs, line 4 (Zone1.Top): \"0px\": Invalid numeric input",
                  "xpdef.qvs, line 15 (ButtonWidth): \"wide\": Invalid numeric input",
                  "xpdef.qvs, lines 1 and 17: ButtonTop 40 puts every button at or below the panel's bottom edge "
                  "(PanelHeight 34): no button can be seen"}),
              dir.Check(Severity::Error));
    EXPECT_EQ((std::vector<std::string>{"xpdef.qvs, line 13: zone 3 (shows and hides the panel) reaches past the "
                                        "start picture (96 x 30) to right 120, bottom 30; the part outside cannot "
                                        "be clicked"}),
              dir.Check(Severity::Warning));

    // Read as 0, zone 3's left would cover the whole button and bury zones 1
    // and 2; a zone that cannot be read takes no click from the others.
    dir.Write("xpdef.qvs", "34\n0\n0\n68\n30\n67\n0\n81\n30\n$8O\n0\n96\n30\n26\n2\n5\n");
    EXPECT_EQ((std::vector<std::string>{"xpdef.qvs, line 10 (Zone3.Left): \"$8O\": Invalid numeric input"}),
              dir.Check(Severity::Error));
    EXPECT_TRUE(dir.Check(Severity::Warning).empty());
}

TEST(SkinCheck, LoneCarriageReturnsAreNamedAsTheCause)
{
    SkinCopy dir;
    std::string text;
    for (int v : XpDefault)
        text += std::to_string(v) + "\r";
    dir.Write("xpdef.qvs", text);
    const std::vector<std::string> warnings = dir.Check(Severity::Warning);
    ASSERT_EQ(2u, warnings.size());
    EXPECT_EQ("xpdef.qvs, line 1: the line goes on after a lone CR (an old Macintosh line end), which the program "
              "does not take for the end of a line: it reads \"34\" and ignores the 15 words after it; save the file "
              "with CR LF or LF line ends",
              warnings[0]);
    EXPECT_EQ(0u, warnings[1].find("xpdef.qvs holds 1 number (on line 1), not 16"));

    // One such line among good ones; a stray CR before the line end loses nothing.
    dir.Write("xpdef.qvs", "34\r\n0\r\n0\r\n68\r\n30\r\n67\r\n0\r\n81\r\n30\r\n80\r\n0\r\n96\r\n30\r\r\n26\r 2\r5\r\n");
    EXPECT_EQ((std::vector<std::string>{"xpdef.qvs, line 14: the line goes on after a lone CR (an old Macintosh line "
                                        "end), which the program does not take for the end of a line: it reads "
                                        "\"26\" and ignores the 2 words after it; save the file with CR LF or LF "
                                        "line ends",
                                        "xpdef.qvs holds 14 numbers (the last on line 14), not 16: the program reads "
                                        "ButtonGap and ButtonTop as 0"}),
              dir.Check(Severity::Warning));
}

TEST(SkinCheck, StrictCountsWarningsAsErrors)
{
    SkinCopy dir;
    dir.Numbers(XpDefault, 15);  // the program takes it, ButtonTop 0
    auto run = [&dir](std::vector<std::string> args, std::string& out) {
        std::string o, e;
        const int status = RunSkinCheck(args, o, e);
        out = o + e;
        return status;
    };
    std::string out;
    EXPECT_EQ(0, run({dir.Path}, out));
    EXPECT_NE(std::string::npos, out.find("xpdef.qvs: 0 errors, 1 warning\n"));
    EXPECT_EQ(1, run({"--strict", dir.Path}, out));
    EXPECT_NE(std::string::npos, out.find("xpdef.qvs: 0 errors, 1 warning (--strict: warnings count as errors)\n"));
    EXPECT_EQ(1, run({dir.Path, "xpdef.qvs", "--strict"}, out));

    dir.Numbers(XpDefault);
    EXPECT_EQ(0, run({"--strict", dir.Path}, out));
    dir.Set(0, 0);
    EXPECT_EQ(1, run({dir.Path}, out));

    EXPECT_EQ(2, run({"--strict"}, out));
    EXPECT_EQ(0u, out.find("usage: skincheck [--strict] <skin folder> [description file]\n"));
    EXPECT_NE(std::string::npos, out.find("--strict: warnings count as errors"));
}

TEST(SkinCheck, PicturesTooLargeAloneOrTogetherAreRefusedAsTheProgramRefusesThem)
{
    SkinCopy dir;
    // Eleven such files of a kilobyte once took 800 MB.
    dir.Write("normal.bmp", Claiming(16384, 1024));
    EXPECT_EQ((std::vector<std::string>{"normal.bmp (the start button): Bitmap image is not valid: it claims 16384 x "
                                        "1024 pixels, and the program takes no side longer than 8192 and no more "
                                        "than 16777216 pixels in one picture"}),
              dir.Check(Severity::Error));

    // Nearly half of all a skin may hold, shown at both ends of the panel,
    // and the rest (a 96 x 30 start picture, eight 24 x 24 buttons) one
    // pixel over. Only the large picture is refused; files the program never
    // reads count nothing.
    dir.Write("normal.bmp", Claiming(96, 30));
    std::filesystem::remove(dir.File("back.bmp"));
    dir.Write("Back.BMP", Claiming(4096, 4095));
    dir.Write("preview.bmp", Claiming(8192, 2048));
    dir.Write("center.bmp", Claiming(1, 705));
    EXPECT_EQ((std::vector<std::string>{"back.bmp (both end pieces of the panel): Bitmap image is not valid: it claims "
                                        "4096 x 4095 pixels, and the skin's pictures together 33554433 (back.bmp "
                                        "counted twice, as the panel shows it at both ends), more than the 33554432 "
                                        "the program takes for a skin"}),
              dir.Check(Severity::Error));
    // As the product weighs a picture before decoding it.
    const std::string large = Claiming(4096, 4095);
    const auto weigh = [&](const std::string& data) {
        WeighSkinPicture(dir.File("Back.BMP"), reinterpret_cast<const uint8_t*>(data.data()), data.size());
    };
    EXPECT_THROW(weigh(large), InvalidPicture);
    dir.Write("center.bmp", Claiming(1, 704));
    EXPECT_NO_THROW(weigh(large));
    EXPECT_EQ(1u, dir.Check(Severity::Error).size()) << "taken: only back.bmp's height is wrong";
}

// A description file is read as far as the program reads it, however far
// that is, and a word of any length costs no more than its quote.
TEST(SkinCheck, DescriptionReadAsFarAsTheProgramReadsIt)
{
    SkinCopy dir;
    std::string text;
    for (size_t i = 0; i < 15; ++i)
        text += std::to_string(XpDefault[i]) + (i == 0 ? std::string(2u << 20, ' ') : "") + "\r\n";
    for (int i = 0; i < 600000; ++i)
        text += "\r\n";
    text += "5\r\nextra\r\n";
    dir.Write("xpdef.qvs", text);
    EXPECT_TRUE(dir.Check(Severity::Error).empty());
    EXPECT_EQ((std::vector<std::string>{"xpdef.qvs, line 600017: everything after the sixteenth number is ignored"}),
              dir.Check(Severity::Warning));

    dir.Write("xpdef.qvs", "34\r\n1" + std::string(3u << 20, '0') + "x\r\n");
    EXPECT_EQ("xpdef.qvs, line 2 (Zone1.Left): \"1000000000000000000000000000...00000000x\": Invalid numeric input",
              dir.Check(Severity::Error).at(0));
}
