// The spin buttons' glyphs and directions as the spin edit forwards and stores them, the press
// dropped when the edit does not take the focus, the arrows clicked in a modal window, the
// edit's minimum height and the layout after a form is read.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <string>

#include "controls/RzSpinEdit.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/PropInfo.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/GraphicsInit.h"
#include "platform/graphics/TextMeasurer.h"
#include "platform/ui/Form.h"
#include "platform/ui/SizeConstraints.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/ComponentText.h"

namespace {

bool Stored(const TObject& o, const char* name) {
    const TPropInfo* prop = o.ClassType().Properties().Find(name);
    return prop && prop->IsStored(&o) && !prop->IsDefaultValue(&o);
}

}  // namespace

// A glyph makes a button plain and is stored with its cell count; without one the button is
// an arrow of the direction, and nothing is stored.
TEST(RzSpinButtons, GlyphsDecideTheButtonStyleAndAreStoredOnlyWhenSet) {
    TRzSpinEdit edit(nullptr);
    TRzControlButton* up = edit.GetButton(sbUp);
    TRzControlButton* down = edit.GetButton(sbDown);
    EXPECT_EQ(up->Style(), cbsUp);
    EXPECT_EQ(edit.ButtonUpNumGlyphs(), 2);
    EXPECT_FALSE(Stored(edit, "ButtonUpGlyph"));
    EXPECT_FALSE(Stored(edit, "ButtonUpNumGlyphs"));

    TBitmap strip(48, 16);
    edit.SetButtonUpGlyph(&strip);
    EXPECT_EQ(up->Style(), cbsNone);
    EXPECT_EQ(edit.ButtonUpNumGlyphs(), 3);
    EXPECT_TRUE(Stored(edit, "ButtonUpGlyph"));
    EXPECT_TRUE(Stored(edit, "ButtonUpNumGlyphs"));
    edit.SetButtonUpNumGlyphs(2);
    EXPECT_FALSE(Stored(edit, "ButtonUpNumGlyphs"));  // the default value
    EXPECT_FALSE(Stored(edit, "ButtonDownGlyph"));

    // A glyph drawn into in place counts as well; emptied, the arrow comes back.
    down->Glyph()->SetSize(16, 16);
    EXPECT_EQ(down->Style(), cbsNone);
    EXPECT_TRUE(Stored(edit, "ButtonDownGlyph"));
    down->Glyph()->SetSize(0, 0);
    EXPECT_EQ(down->Style(), cbsDown);
    EXPECT_FALSE(Stored(edit, "ButtonDownGlyph"));

    // A new direction drops the glyphs for its own arrows.
    edit.SetDirection(sdLeftRight);
    EXPECT_EQ(up->Style(), cbsRight);
    EXPECT_EQ(down->Style(), cbsLeft);
    EXPECT_TRUE(up->Glyph()->Empty());
    EXPECT_FALSE(Stored(edit, "ButtonUpGlyph"));
}

TEST(RzSpinButtons, GlyphDirectionAndOrientationGoThroughAForm) {
    RegisterGraphicsClasses();
    RegisterStandardGraphicFormats();  // glyphs are stored as bitmap files
    RegisterClasses({&TRzSpinEdit::StaticClass(), &TRzSpinButtons::StaticClass()});
    TRzSpinEdit edit(nullptr);
    edit.SetName("Spin");
    edit.SetDirection(sdLeftRight);
    edit.SetOrientation(orHorizontal);
    TBitmap strip(32, 16);
    strip.Canvas()->SetPixel(20, 3, clRed);
    edit.SetButtonDownGlyph(&strip);
    edit.SetButtonDownNumGlyphs(1);
    const std::string text = StreamText(edit);
    for (const char* written : {"Direction = sdLeftRight", "Orientation = orHorizontal",
                                "ButtonDownGlyph.Data", "ButtonDownNumGlyphs = 1"})
        EXPECT_NE(text.find(written), std::string::npos) << written << "\n" << text;
    EXPECT_EQ(text.find("ButtonUp"), std::string::npos) << text;
    // The bounds, the value and the blank value are written whatever they are; the steps only
    // when they differ from 1 and 10.
    for (const char* always : {"Min = 0", "Max = 100", "Value = 0", "BlankValue = 0"})
        EXPECT_NE(text.find(always), std::string::npos) << always << "\n" << text;
    EXPECT_EQ(text.find("Increment"), std::string::npos) << text;
    EXPECT_EQ(text.find("PageSize"), std::string::npos) << text;

    TRzSpinEdit copy(nullptr);
    ReadText(text, copy);
    EXPECT_EQ(copy.Direction(), sdLeftRight);
    EXPECT_EQ(copy.Orientation(), orHorizontal);
    EXPECT_EQ(copy.ButtonDownNumGlyphs(), 1);
    ASSERT_EQ(copy.ButtonDownGlyph()->Width(), 32);
    EXPECT_EQ(copy.ButtonDownGlyph()->Canvas()->Pixel(20, 3), clRed);
    EXPECT_EQ(copy.GetButton(sbDown)->Style(), cbsNone);
    EXPECT_EQ(copy.GetButton(sbUp)->Style(), cbsRight);
    EXPECT_EQ(copy.Buttons()->Width(), 2 * copy.ButtonWidth());
}

// Read from a form, the pair keeps the width the form gives it (the orientation is not applied
// to it once more) and is laid out once reading is over.
TEST(RzSpinButtons, ReadPairKeepsItsStoredWidth) {
    RegisterClasses({&TRzSpinButtons::StaticClass()});
    TRzSpinButtons buttons(nullptr);
    ReadText(
        "object Pair: TRzSpinButtons\r\n  Width = 40\r\n  Height = 20\r\n"
        "  Orientation = orHorizontal\r\nend\r\n",
        buttons);
    EXPECT_EQ(buttons.Width(), 40);
    EXPECT_EQ(buttons.DownLeftButton()->BoundsRect(), Rect(0, 0, 20, 20));
    EXPECT_EQ(buttons.UpRightButton()->BoundsRect(), Rect(20, 0, 40, 20));
}

TEST(RzSpinEdit, NeverShorterThanItsFont) {
    TRzSpinEdit edit(nullptr);
    edit.Font()->SetSize(24);
    const int minimum = FontTextMeasurer().Metrics(*edit.Font()).Height() + 2;
    edit.SetHeight(8);
    EXPECT_EQ(edit.Height(), minimum);
    EXPECT_EQ(edit.Buttons()->Height(), minimum - 4);
    edit.SetHeight(minimum + 10);
    EXPECT_EQ(edit.Height(), minimum + 10);
    // Held lower by its constraints, it stays there with the buttons fitted in.
    edit.Constraints()->SetMaxHeight(minimum - 6);
    edit.SetHeight(8);
    EXPECT_EQ(edit.Height(), minimum - 6);
    EXPECT_EQ(edit.Buttons()->Height(), minimum - 10);
}

// A press on an arrow first focuses the edit; when the edit does not keep the focus (its
// OnEnter sends it elsewhere) the press is dropped: no step, no repeat, not drawn pressed.
TEST(RzSpinEdit, PressIsDroppedWhenTheEditDoesNotTakeTheFocus) {
    TForm form(nullptr);
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    auto* edit = new TRzSpinEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(0, 40, 60, 24);
    form.Show();
    other->SetFocus();
    ASSERT_TRUE(other->Focused());
    TRzControlButton* up = edit->GetButton(sbUp);
    auto click = [&] {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
            QApplication::sendEvent(up->Widget(), &e);
        }
    };
    edit->OnEnter = [&](TObject*) { other->SetFocus(); };
    click();
    EXPECT_EQ(edit->Text(), "0");
    EXPECT_FALSE(up->Pressed());
    EXPECT_EQ(up->RepeatTimer(), nullptr);

    edit->OnEnter = nullptr;
    click();
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->Text(), "1");
}

// The user's clicks on the arrows of a spin edit in a modal window, sent as the window system
// delivers them as soon as the window shows (before it has been told it is active): each
// press focuses the edit and each release over the arrow steps the value.
TEST(RzSpinEdit, ArrowClicksStepInAModalWindow) {
    TForm form(nullptr);
    auto* edit = new TRzSpinEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, 10, 60, 24);
    auto centre = [&](TSpinButtonType which) {
        const TRzControlButton* b = edit->GetButton(which);
        return b->Widget()->mapTo(edit->Widget(), QPoint(b->Width() / 2, b->Height() / 2));
    };
    QTimer::singleShot(0, [&] {
        TUserInput().Click(edit, centre(sbUp));
        EXPECT_TRUE(edit->Focused());
        TUserInput().Click(edit, centre(sbUp));
        TUserInput().Click(edit, centre(sbDown));
        form.Close();
    });
    form.ShowModal();
    EXPECT_EQ(edit->Text(), "1");
}
