#include <gtest/gtest.h>

#include <string>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/CheckGlyphs.h"

namespace {

// The glyph drawn at (2, 3) on a bitmap of clRed, read back one letter per pixel: S shadow,
// H highlight (and the window, both white), D dark shadow (and window text, both black), L light,
// F face, . the red background.
std::string Pixels(void (*draw)(TCanvas&, int, int)) {
    TBitmap b(17, 17);
    b.Canvas()->Brush()->SetColor(clRed);
    b.Canvas()->FillRect(Rect(0, 0, 17, 17));
    draw(*b.Canvas(), 2, 3);
    const struct {
        TColor color;
        char letter;
    } legend[] = {{clBtnShadow, 'S'}, {clBtnHighlight, 'H'}, {cl3DDkShadow, 'D'},
                  {cl3DLight, 'L'},   {clBtnFace, 'F'},      {clRed, '.'}};
    std::string rows;
    for (int y = 2; y < 17; ++y) {
        for (int x = 1; x < 16; ++x) {
            const TColor p = b.Canvas()->Pixel(x, y);
            char letter = '?';
            for (const auto& l : legend)
                if (ColorToRGB(l.color) == p) {
                    letter = l.letter;
                    break;
                }
            rows += letter;
        }
        rows += '\n';
    }
    return rows;
}

TEST(CheckGlyphs, CheckBoxInEachState) {
    ASSERT_EQ(ColorToRGB(clWindow), ColorToRGB(clBtnHighlight));  // the letters rely on these
    ASSERT_EQ(ColorToRGB(clWindowText), ColorToRGB(cl3DDkShadow));
    const std::string checked =
        "...............\n"
        ".SSSSSSSSSSSSH.\n"
        ".SDDDDDDDDDDLH.\n"
        ".SDHHHHHHHHHLH.\n"
        ".SDHHHHHHHDHLH.\n"
        ".SDHHHHHHDDHLH.\n"
        ".SDHDHHHDDDHLH.\n"
        ".SDHDDHDDDHHLH.\n"
        ".SDHDDDDDHHHLH.\n"
        ".SDHHDDDHHHHLH.\n"
        ".SDHHHDHHHHHLH.\n"
        ".SDHHHHHHHHHLH.\n"
        ".SLLLLLLLLLLLH.\n"
        ".HHHHHHHHHHHHH.\n"
        "...............\n";
    EXPECT_EQ(Pixels([](TCanvas& c, int x, int y) { DrawCheckBoxGlyph(c, x, y, cbChecked); }),
              checked);
    std::string unchecked = checked;  // the inside all window colour
    for (size_t i = 0; i < unchecked.size(); ++i)
        if (i / 16 >= 3 && i / 16 <= 11 && i % 16 >= 3 && i % 16 <= 11) unchecked[i] = 'H';
    EXPECT_EQ(Pixels([](TCanvas& c, int x, int y) { DrawCheckBoxGlyph(c, x, y, cbUnchecked); }),
              unchecked);
    // Grayed and disabled: the mark in the shadow colour on the face; pressed: the face.
    std::string dimmed = checked;
    for (size_t i = 0; i < dimmed.size(); ++i) {
        const int row = int(i / 16), col = int(i % 16);
        if (row >= 3 && row <= 11 && col >= 3 && col <= 11)
            dimmed[i] = dimmed[i] == 'D' ? 'S' : 'F';
    }
    EXPECT_EQ(Pixels([](TCanvas& c, int x, int y) { DrawCheckBoxGlyph(c, x, y, cbGrayed); }),
              dimmed);
    EXPECT_EQ(
        Pixels([](TCanvas& c, int x, int y) { DrawCheckBoxGlyph(c, x, y, cbChecked, false); }),
        dimmed);
    const std::string pressed = Pixels(
        [](TCanvas& c, int x, int y) { DrawCheckBoxGlyph(c, x, y, cbUnchecked, true, true); });
    EXPECT_EQ(pressed.substr(16 * 4 + 3, 9), "FFFFFFFFF");
}

TEST(CheckGlyphs, RadioInEachState) {
    const std::string checked =
        Pixels([](TCanvas& c, int x, int y) { DrawRadioGlyph(c, x, y, true); });
    auto at = [](const std::string& rows, int x, int y) {  // glyph coordinates
        return rows[size_t((y + 1) * 16 + x + 1)];
    };
    EXPECT_EQ(at(checked, 0, 0), '.');  // the corners keep the background
    EXPECT_EQ(at(checked, 12, 12), '.');
    EXPECT_EQ(at(checked, 6, 0), 'S');   // the outer edge above
    EXPECT_EQ(at(checked, 6, 12), 'H');  // and below
    EXPECT_EQ(at(checked, 6, 1), 'D');
    EXPECT_EQ(at(checked, 6, 11), 'L');
    EXPECT_EQ(at(checked, 6, 6), 'D');  // the dot
    EXPECT_EQ(at(checked, 8, 6), 'D');
    EXPECT_EQ(at(checked, 9, 6), 'H');
    EXPECT_EQ(at(checked, 6, 3), 'H');
    for (int y = 3; y < 10; ++y)  // the dot is symmetric
        for (int x = 3; x < 10; ++x) EXPECT_EQ(at(checked, x, y), at(checked, 12 - x, y));
    const std::string unchecked =
        Pixels([](TCanvas& c, int x, int y) { DrawRadioGlyph(c, x, y, false); });
    EXPECT_EQ(at(unchecked, 6, 6), 'H');
    const std::string disabled =
        Pixels([](TCanvas& c, int x, int y) { DrawRadioGlyph(c, x, y, true, false); });
    EXPECT_EQ(at(disabled, 6, 6), 'S');
    EXPECT_EQ(at(disabled, 6, 3), 'F');
}

}  // namespace
