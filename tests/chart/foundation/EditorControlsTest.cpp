#include <gtest/gtest.h>

#include <vector>

#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ColorEditing.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/RecordingDialogService.h"

namespace {

// A colour dialog whose user adds the chosen colour to the custom colours, and which shows
// what custom colours it was opened with.
class TCustomColourDialogs : public TRecordingDialogService {
public:
    std::vector<std::vector<TColor>> Opened;
    bool ExecuteColorDialog(TColor& color, std::vector<TColor>& custom) override {
        Opened.push_back(custom);
        if (!TRecordingDialogService::ExecuteColorDialog(color, custom)) return false;
        custom.push_back(color);
        return true;
    }
};

TColor SymbolPixel(TTeeButton& button) {
    TBitmap shown;
    shown.SetSize(button.Width(), button.Height());
    button.PaintTo(shown, 0, 0);
    return shown.Canvas()->Pixel(62, 12);
}

TEST(TeeButtons, ColourButtonPaintsItsColourRightOfTheCaption) {
    TButtonColor button(nullptr);
    EXPECT_EQ(button.SymbolRect(), (TRect{56, 7, 69, 19}));
    button.SetStoredColor(clRed);
    EXPECT_EQ(SymbolPixel(button), clRed);
    button.SetStoredColor(clNone);
    EXPECT_NE(SymbolPixel(button), clRed);
    button.ColorQuery = [] { return clLime; };
    EXPECT_EQ(SymbolPixel(button), clLime);
}

TEST(TeeButtons, LinkedPropertyIsShownAndWrittenAndANullObjectKeepsTheLink) {
    TChartPen pen;
    pen.SetColor(clNavy);
    TButtonColor button(nullptr);
    button.LinkToProperty(&pen, "Color");
    ASSERT_NE(button.LinkedProperty(), nullptr);
    EXPECT_EQ(button.SymbolColor(), clNavy);
    button.SetSymbolColor(clYellow);
    EXPECT_EQ(pen.Color(), clYellow);

    button.LinkToProperty(nullptr, "Color");
    EXPECT_EQ(button.LinkedObject(), nullptr);
    EXPECT_NE(button.LinkedProperty(), nullptr);  // the old link stays
    button.SetStoredColor(clGreen);
    EXPECT_EQ(button.SymbolColor(), clGreen);  // no object to read from
}

TEST(TeeButtons, ClickEditsTheColourAndTellsOnlyAChange) {
    TCustomColourDialogs dialogs;
    TButtonColor button(nullptr);
    button.SetStoredColor(clRed);
    int clicks = 0;
    button.OnClick = [&](TObject*) { ++clicks; };
    dialogs.ColorAnswers = {clNone, clRed, clBlue};
    button.Click();  // cancelled
    button.Click();  // the same colour
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button.StoredColor(), clRed);
    button.Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.StoredColor(), clBlue);
}

TEST(ColorEditing, CancelKeepsTheColourAndCustomColoursCarryOver) {
    CustomColorList().clear();
    TCustomColourDialogs dialogs;
    dialogs.ColorAnswers = {clNone, clMaroon, clTeal};
    TColor colour = clRed;
    EXPECT_FALSE(EditColorVar(nullptr, colour));
    EXPECT_EQ(colour, clRed);
    EXPECT_TRUE(CustomColorList().empty());  // a cancelled dialog keeps nothing
    EXPECT_TRUE(EditColorVar(nullptr, colour));
    EXPECT_EQ(colour, clMaroon);
    EXPECT_EQ(EditColorWithDialog(nullptr, clRed), clTeal);
    ASSERT_EQ(dialogs.Opened.size(), 3u);
    EXPECT_EQ(dialogs.Opened[2], std::vector<TColor>{clMaroon});
    CustomColorList().clear();
}

TEST(ComboFlat, DefaultsAndSelection) {
    TComboFlat combo(nullptr);
    EXPECT_EQ(combo.Height(), 21);
    EXPECT_EQ(combo.ItemHeight(), 13);
    EXPECT_EQ(combo.Style(), csDropDownList);
    EXPECT_EQ(combo.DropDownWidth(), combo.Width());
    EXPECT_EQ(combo.GetSelectedText(), "");
    EXPECT_EQ(combo.GetSelectedObject(), nullptr);
    combo.AppendItem("Line");
    TChartPen tag;
    combo.Items()->AddObject("Bar", &tag);
    combo.SetItemIndex(1);
    EXPECT_EQ(combo.GetSelectedText(), "Bar");
    EXPECT_EQ(combo.GetSelectedObject(), &tag);
    combo.SetDropDownWidth(300);  // the toolkit's list drops this wide
    EXPECT_EQ(combo.DropDownWidth(), 300);
}

class TTestComboFlat : public TComboFlat {
public:
    using TComboFlat::MouseEnter;
    using TComboFlat::MouseLeave;
    using TComboFlat::TComboFlat;
};

// The frame is drawn flat over the toolkit's only while the mouse is away.
TEST(ComboFlat, FlatFrameOverTheToolkitsWhileTheMouseIsAway) {
    TTestComboFlat combo(nullptr);
    combo.SetBounds(0, 0, 120, 21);
    auto shown = [&combo] {
        TBitmap bitmap;
        bitmap.SetSize(combo.Width(), combo.Height());
        combo.PaintTo(bitmap, 0, 0);
        return std::vector<TColor>{bitmap.Canvas()->Pixel(0, 0), bitmap.Canvas()->Pixel(1, 10),
                                   bitmap.Canvas()->Pixel(100, 10), bitmap.Canvas()->Pixel(118, 3)};
    };
    const TColor face = ColorToRGB(clBtnFace), window = ColorToRGB(clWindow);
    // Outer and inner outline in the face colour, the button's left edge and the line two
    // pixels from the right in the window colour.
    EXPECT_EQ(shown(), (std::vector<TColor>{face, face, window, window}));
    combo.MouseEnter();
    EXPECT_TRUE(combo.MouseInside());
    EXPECT_NE(shown(), (std::vector<TColor>{face, face, window, window}));
    combo.MouseLeave();
    EXPECT_EQ(shown(), (std::vector<TColor>{face, face, window, window}));
}

}  // namespace
