// The toolkit's kept fonts, in the driver's own process: labels of a window of
// the driver's own show them, and the GDI table tells which are still alive.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "toolkit/Controls.h"

namespace {
bool Alive(HFONT font)
{
    return GetObjectType(font) == OBJ_FONT;
}

HFONT FontOf(const Control& control)
{
    return HFONT(SendMessageA(control.Handle, WM_GETFONT, 0, 0));
}
} // namespace

TEST(Toolkit, DialogFontsStayFewAndNoneIsDeletedUnderAControl)
{
    const HWND form = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(form);
    Label shown;
    shown.Create(form, "shown", 0, 0, 100, 12, BoldFont | UnderlinedFont);
    const HFONT its = FontOf(shown);
    EXPECT_EQ(its, DialogFont(BoldFont | UnderlinedFont)) << "the same cut made twice";

    // Far more cuts than any window shows.
    std::vector<HFONT> asked;
    for (int points = 20; points < 100; ++points)
        asked.push_back(DialogFont(PlainFont, points));
    EXPECT_LE(std::count_if(asked.begin(), asked.end(), Alive), 16) << "fonts no longer kept were never deleted";
    EXPECT_TRUE(Alive(its)) << "the label's font was deleted under it";
    EXPECT_EQ(its, FontOf(shown));

    // Sixteen cuts on screen (bold underlined and plain at 8 points, plain at
    // 30 to 43): a seventeenth gets the system's dialog font, and none of
    // theirs is deleted.
    Label labels[15];
    for (int i = 0; i < 15; ++i) {
        labels[i].Create(form, "cut", 0, 12 + 12 * i, 100, 12);
        if (i < 14)
            labels[i].SetFont(PlainFont, 30 + i);
    }
    EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), DialogFont(PlainFont, 60));
    for (const Label& l : labels)
        EXPECT_TRUE(Alive(FontOf(l)));
    EXPECT_TRUE(Alive(its));
    DestroyWindow(form);
}
