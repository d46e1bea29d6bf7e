// The framed edit's stored rules, its validation error, the parent's colour and the drop-down
// button that descendants show.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/RzCustomEdit.h"
#include "controls/RzFrameController.h"
#include "platform/classes/PropInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/EditCaret.h"
#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Screen.h"

namespace {

class TPartsEdit : public TRzCustomEdit {
public:
    using TRzCustomEdit::DoEnter;
    using TRzCustomEdit::DoExit;
    using TRzCustomEdit::KeyDown;
    using TRzCustomEdit::MouseEnter;
    using TRzCustomEdit::TRzCustomEdit;
};

// Whether a form file would hold the property: stored and not at its default.
bool Written(const TObject& o, const char* name) {
    const TPropInfo* prop = o.ClassType().Properties().Find(name);
    if (!prop) throw std::logic_error(std::string("no property ") + name);
    return prop->IsStored(&o) && !prop->IsDefaultValue(&o);
}

}  // namespace

TEST(RzCustomEditStored, ControllerFedSettingsAreTheControllers) {
    struct TCase {
        const char* Name;
        std::function<void(TRzCustomEdit&)> Change;
        TRzFrameControllerPropertyConnection Setting;
    } cases[] = {
        {"DisabledColor", [](TRzCustomEdit& e) { e.SetDisabledColor(clRed); }, fcpDisabledColor},
        {"FlatButtons", [](TRzCustomEdit& e) { e.SetFlatButtons(true); }, fcpFlatButtons},
        {"FrameColor", [](TRzCustomEdit& e) { e.SetFrameColor(clRed); }, fcpFrameColor},
        {"FrameHotStyle", [](TRzCustomEdit& e) { e.SetFrameHotStyle(fsBump); }, fcpFrameHotStyle},
        {"FrameSides", [](TRzCustomEdit& e) { e.SetFrameSides(TSides{sdTop}); }, fcpFrameSides},
        {"FrameStyle", [](TRzCustomEdit& e) { e.SetFrameStyle(fsBump); }, fcpFrameStyle},
        {"FrameVisible", [](TRzCustomEdit& e) { e.SetFrameVisible(true); }, fcpFrameVisible},
        {"FramingPreference", [](TRzCustomEdit& e) { e.SetFramingPreference(fpCustomFraming); },
         fcpFramingPreference},
        {"ReadOnlyColor", [](TRzCustomEdit& e) { e.SetReadOnlyColor(clRed); }, fcpReadOnlyColor},
        {"FocusColor", [](TRzCustomEdit& e) { e.SetFocusColor(clRed); }, fcpFocusColor},
        {"Color", [](TRzCustomEdit& e) { e.SetColor(clRed); }, fcpColor},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TRzFrameController controller(nullptr);
        TPartsEdit edit(nullptr);
        EXPECT_FALSE(Written(edit, c.Name));
        c.Change(edit);
        EXPECT_TRUE(Written(edit, c.Name));
        // Linking takes the controller's values; a change afterwards is still the controller's
        // to store, unless the edit keeps that setting out.
        edit.SetFrameController(&controller);
        c.Change(edit);
        EXPECT_FALSE(Written(edit, c.Name));
        TRzFrameControllerNotifications filter = fcpAllSettings;
        filter.Exclude(c.Setting);
        edit.SetFrameControllerNotifications(filter);
        EXPECT_TRUE(Written(edit, c.Name));
    }
}

TEST(RzCustomEditStored, ColourFocusColourAndTextHint) {
    TPartsEdit edit(nullptr);
    edit.SetColor(clYellow);  // the focus colour follows
    EXPECT_TRUE(Written(edit, "Color"));
    EXPECT_FALSE(Written(edit, "FocusColor"));
    edit.SetFocusColor(TColor(RGB(255, 255, 0)));  // the same colour by value
    EXPECT_FALSE(Written(edit, "FocusColor"));
    edit.SetFocusColor(clAqua);
    EXPECT_TRUE(Written(edit, "FocusColor"));
    // A disabled edit shows DisabledColor, which is not its own.
    edit.SetEnabled(false);
    EXPECT_FALSE(Written(edit, "Color"));
    edit.SetEnabled(true);

    EXPECT_FALSE(Written(edit, "TextHint"));
    edit.SetTextHint("Type a number");
    EXPECT_TRUE(Written(edit, "TextHint"));
    EXPECT_EQ(edit.Text(), "");  // the classic edit shows no cue
    edit.SetTextHintVisibleOnFocus(true);
    EXPECT_TRUE(Written(edit, "TextHintVisibleOnFocus"));
}

TEST(RzCustomEdit, ValidationErrorTakesTheHandlersMessage) {
    struct TCase {
        bool Handler;
        const char* Message;
        const char* Raised;
    } cases[] = {
        {false, "", SInvalidEditValue},
        {true, "", SInvalidEditValue},
        {true, "Out of range", "Out of range"},
    };
    for (const TCase& c : cases) {
        TPartsEdit edit(nullptr);
        if (c.Handler) edit.OnValidateError = [&](TObject*, std::string& m) { m = c.Message; };
        try {
            edit.ValidateError();
            ADD_FAILURE() << "nothing raised";
        } catch (const EDBEditError& e) {
            EXPECT_EQ(e.Message(), c.Raised);
        }
    }
}

// An edit that follows its parent's colour takes it as its normal colour, and the focus colour
// comes along while the two were the same.
TEST(RzCustomEdit, ParentColourBecomesTheNormalColour) {
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetColor(clSilver);
    auto* edit = new TPartsEdit(&form);
    edit->SetParent(panel);
    edit->SetParentColor(true);
    EXPECT_EQ(edit->NormalColor(), clSilver);
    EXPECT_EQ(edit->FocusColor(), clSilver);
    panel->SetColor(clLime);
    EXPECT_EQ(edit->Color(), clLime);
    EXPECT_EQ(edit->NormalColor(), clLime);
    edit->DoEnter();
    EXPECT_EQ(edit->Color(), clLime);
    edit->DoExit();
    edit->SetFocusColor(clAqua);
    panel->SetColor(clYellow);
    EXPECT_EQ(edit->NormalColor(), clYellow);
    EXPECT_EQ(edit->FocusColor(), clAqua);
}

namespace {

// An edit with its drop-down button shown, recording what happens to it.
class DropButton : public ::testing::Test {
protected:
    void SetUp() override {
        edit->SetParent(&form);
        edit->SetBounds(10, 10, 100, 22);
        edit->SetDropButtonEnabled(true);
        edit->OnDropDown = [this](TObject*) {
            seen.push_back(std::string("drop") +
                           (edit->ButtonState() == dbsPressed ? " pressed" : "") +
                           (edit->DroppedDown() ? " down" : ""));
        };
        edit->OnCloseUp = [this](TObject*) { seen.push_back("close"); };
        edit->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
            seen.push_back("mouse");
        };
        form.Show();
    }
    void Press(Qt::MouseButton button, int x, int y) {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(x, y), QPointF(x, y), button, button,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(edit->Widget(), &e);
    }
    TColor PixelAt(int x, int y) {
        TBitmap shot(edit->Width(), edit->Height());
        edit->PaintTo(shot, 0, 0);
        return shot.Canvas()->Pixel(x, y);
    }

    TForm form{nullptr};
    TPartsEdit* edit = new TPartsEdit(&form);
    std::vector<std::string> seen;
};

}  // namespace

TEST_F(DropButton, SitsInsideTheRightEdgeAndHidesWhileReadOnly) {
    const int w = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(edit->DropButtonRect(), Rect(100 - 2 - w, 2, 98, 20));
    EXPECT_EQ(EditRightMargin(*edit), w);
    edit->SetReadOnly(true);
    EXPECT_FALSE(edit->DropButtonShown());
    EXPECT_EQ(EditRightMargin(*edit), 0);
    edit->SetReadOnly(false);
    EXPECT_TRUE(edit->DropButtonShown());
    edit->SetDropButtonEnabled(false);
    EXPECT_FALSE(edit->DropButtonShown());
    edit->SetReadOnly(true);
    edit->SetReadOnly(false);
    EXPECT_FALSE(edit->DropButtonShown());  // only an enabled button comes back
}

TEST_F(DropButton, KeysOpenTheDropDown) {
    constexpr int kF4 = VK_F1 + 3;
    struct TCase {
        int Key;
        TShiftState Shift;
        bool Opens;
    } cases[] = {
        {VK_DOWN, {ssAlt}, true},   {kF4, {}, true}, {VK_DOWN, {}, false}, {kF4, {ssShift}, false},
        {VK_DOWN, {ssCtrl}, false},
    };
    for (const TCase& c : cases) {
        seen.clear();
        int key = c.Key;
        edit->KeyDown(key, c.Shift);
        if (c.Opens) {
            EXPECT_EQ(seen, (std::vector<std::string>{"drop pressed down", "close"})) << c.Key;
            EXPECT_EQ(key, 0);
        } else {
            EXPECT_TRUE(seen.empty()) << c.Key;
            EXPECT_EQ(key, c.Key);
        }
        EXPECT_EQ(edit->ButtonState(), dbsNormal);
        EXPECT_FALSE(edit->DroppedDown());
    }
    // A failing pop-up still ends the drop-down.
    edit->OnDropDown = [](TObject*) { throw std::runtime_error("no pop-up"); };
    EXPECT_THROW(edit->ShowDropDown(), std::runtime_error);
    EXPECT_FALSE(edit->DroppedDown());
    edit->ReleaseDropButton();
    EXPECT_EQ(edit->ButtonState(), dbsNormal);
    EXPECT_FALSE(edit->MouseCapture());
}

// Presses on the button are the button's: the left one opens the drop-down, the right one does
// nothing; the text sees neither. Presses beside it are the text's.
TEST_F(DropButton, PressesOnTheButtonAreItsOwn) {
    const TRect button = edit->DropButtonRect();
    const int x = (button.Left + button.Right) / 2, y = 10;
    Press(Qt::LeftButton, x, y);
    EXPECT_EQ(seen, (std::vector<std::string>{"drop pressed down", "close"}));
    EXPECT_TRUE(edit->MouseOverButton());
    seen.clear();
    Press(Qt::RightButton, x, y);
    EXPECT_TRUE(seen.empty());
    Press(Qt::LeftButton, 20, y);
    EXPECT_EQ(seen, (std::vector<std::string>{"mouse"}));
    EXPECT_FALSE(edit->MouseOverButton());
    // A pop-up that takes the button away while its press is being handled.
    edit->OnDropDown = [this](TObject*) { edit->SetDropButtonEnabled(false); };
    Press(Qt::LeftButton, x, y);
    EXPECT_FALSE(edit->DropButtonShown());
    seen.clear();
    Press(Qt::LeftButton, x, y);
    EXPECT_EQ(seen, (std::vector<std::string>{"mouse"}));  // the text's again
}

TEST_F(DropButton, FaceByLook) {
    const TRect button = edit->DropButtonRect();
    edit->SetColor(clYellow);
    // Raised, on the button face, left of the arrow.
    EXPECT_EQ(PixelAt(button.Left + 3, 5), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(button.Left, 5), ColorToRGB(clBtnHighlight));
    // Flat and idle: the edit's colour; flat under the mouse: FlatButtonColor inside an edge.
    edit->SetFlatButtons(true);
    edit->SetFlatButtonColor(clAqua);
    EXPECT_EQ(PixelAt(button.Left + 3, 5), ColorToRGB(clYellow));
    edit->MouseEnter();
    EXPECT_EQ(PixelAt(button.Left + 3, 5), ColorToRGB(clAqua));
    EXPECT_NE(PixelAt(button.Left, 5), ColorToRGB(clAqua));
}
