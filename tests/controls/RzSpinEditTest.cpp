// The spin edit: its value lives in the text, is parsed, clamped and formatted with extended
// precision; keys, wheel and the held arrow button step it; typing is filtered.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <functional>
#include <string>

#include "controls/RzControlButton.h"
#include "controls/RzSpinEdit.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/EditCaret.h"
#include "platform/ui/Form.h"
#include "platform/ui/Timer.h"

namespace {

class TTestSpinEdit : public TRzSpinEdit {
public:
    using TRzSpinEdit::DoEnter;
    using TRzSpinEdit::DoExit;
    using TRzSpinEdit::KeyDown;
    using TRzSpinEdit::KeyPress;
    using TRzSpinEdit::MouseWheel;
    using TRzSpinEdit::TRzSpinEdit;
};

}  // namespace

TEST(RzSpinEdit, StartsWithItsDefaults) {
    TTestSpinEdit edit(nullptr);
    EXPECT_EQ(edit.Text(), "0");
    EXPECT_EQ(edit.Min(), 0);
    EXPECT_EQ(edit.Max(), 100);
    EXPECT_EQ(edit.Increment(), 1);
    EXPECT_EQ(edit.PageSize(), 10);
    EXPECT_EQ(edit.ButtonWidth(), 17);
    EXPECT_EQ(edit.Width(), 47);
    EXPECT_TRUE(edit.IntegersOnly());
    EXPECT_EQ(edit.Alignment(), taRightJustify);
    // The buttons sit inside the right border; the text keeps clear of them.
    EXPECT_EQ(edit.Buttons()->Left(), 47 - 17 - 2);
    EXPECT_EQ(edit.Buttons()->Top(), 2);
    EXPECT_EQ(edit.Buttons()->Height(), edit.Height() - 4);
    EXPECT_EQ(edit.Buttons()->Width(), 17);
    EXPECT_EQ(EditRightMargin(edit), 19);
    edit.SetReadOnly(true);
    EXPECT_EQ(EditRightMargin(edit), 0);
    EXPECT_FALSE(edit.Buttons()->Visible());
}

// Each case sets the edit up, then leaves it (the text is reformatted) and reads the text.
TEST(RzSpinEdit, ValuesAreClampedAndFormattedOnExit) {
    struct TCase {
        const char* Name;
        std::function<void(TTestSpinEdit&)> Setup;
        const char* Text;
    } cases[] = {
        {"above Max", [](TTestSpinEdit& e) { e.SetText("150"); }, "100"},
        {"below Min", [](TTestSpinEdit& e) { e.SetText("-3"); }, "0"},
        {"equal bounds do not clamp",
         [](TTestSpinEdit& e) {
             e.SetMax(0);
             e.SetText("150");
         },
         "150"},
        {"equal bounds clamp with CheckRange",
         [](TTestSpinEdit& e) {
             e.SetMax(0);
             e.SetCheckRange(true);
             e.SetText("150");
         },
         "0"},
        {"Min above Max drags Max along",
         [](TTestSpinEdit& e) {
             e.SetMax(3);
             e.SetValue(2);
             e.SetMin(5);
             EXPECT_EQ(e.Max(), 5);
         },
         "2"},
        {"Min above Max with CheckRange",
         [](TTestSpinEdit& e) {
             e.SetCheckRange(true);
             e.SetMax(3);
             e.SetValue(2);
             e.SetMin(5);
         },
         "5"},
        {"Max below Min drags Min along; equal bounds leave the value",
         [](TTestSpinEdit& e) {
             e.SetMin(10);
             e.SetMax(4);
             EXPECT_EQ(e.Min(), 4);
         },
         "10"},
        {"unreadable text reads as Min",
         [](TTestSpinEdit& e) {
             e.SetMin(7);
             e.SetText("abc");
             EXPECT_EQ(e.Value(), 7);
         },
         "7"},
        {"decimals",
         [](TTestSpinEdit& e) {
             e.SetIntegersOnly(false);
             e.SetDecimals(2);
             e.SetValue(1.0L / 3);
         },
         "0.33"},
        {"integers only rounds halves to even (down)",
         [](TTestSpinEdit& e) {
             e.SetIntegersOnly(false);
             e.SetDecimals(1);
             e.SetValue(2.5);
             e.SetIntegersOnly(true);
         },
         "2"},
        {"integers only rounds halves to even (up)",
         [](TTestSpinEdit& e) {
             e.SetIntegersOnly(false);
             e.SetDecimals(1);
             e.SetValue(3.5);
             e.SetIntegersOnly(true);
             EXPECT_EQ(e.Decimals(), 0);
         },
         "4"},
        // 18 significant digits survive: the value is an extended real, not a double.
        {"extended precision",
         [](TTestSpinEdit& e) {
             e.SetMax(1e18L);
             e.SetValue(123456789012345678.0L);
             EXPECT_EQ(e.GetIntValue(), 123456789012345678LL);
         },
         "123456789012345678"},
        {"the viewing-condition number of the plots",
         [](TTestSpinEdit& e) {
             e.SetCheckRange(true);
             e.SetMin(1);
             e.SetMax(1000000000);
             e.SetValue(1);
             e.SetText("0");
         },
         "1"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TTestSpinEdit edit(nullptr);
        c.Setup(edit);
        edit.DoExit();
        EXPECT_EQ(edit.Text(), c.Text);
    }
}

TEST(RzSpinEdit, DecimalsUseTheLocaleSeparator) {
    TFormatSettings settings = FormatSettings();
    settings.DecimalSeparator = ',';
    TFormatSettingsGuard guard(settings);
    TTestSpinEdit edit(nullptr);
    edit.SetIntegersOnly(false);
    edit.SetDecimals(2);
    edit.SetValue(1.0L / 3);
    EXPECT_EQ(edit.Text(), "0,33");
    edit.SetText("2,5");
    EXPECT_EQ(edit.Value(), 2.5L);
}

TEST(RzSpinEdit, EmptyTextReadsAsMinOrTheBlankValue) {
    TTestSpinEdit edit(nullptr);
    edit.SetMin(7);
    int changes = 0;
    edit.OnChange = [&](TObject*) { ++changes; };
    edit.SetText("");
    changes = 0;
    EXPECT_EQ(edit.Value(), 7);
    EXPECT_EQ(edit.Text(), "7");
    EXPECT_EQ(changes, 1);

    TTestSpinEdit blank(nullptr);
    blank.SetAllowBlank(true);
    blank.SetBlankValue(42);
    blank.SetText("");
    EXPECT_EQ(blank.Value(), 42);
    blank.DoExit();
    EXPECT_EQ(blank.Text(), "");
}

TEST(RzSpinEdit, KeysWheelAndVetoStepTheValue) {
    struct TCase {
        const char* Name;
        std::function<void(TTestSpinEdit&)> Act;
        const char* Text;
        int ButtonClicks;
    } cases[] = {
        {"Up",
         [](TTestSpinEdit& e) {
             int k = VK_UP;
             e.KeyDown(k, {});
         },
         "51", 1},
        {"Down",
         [](TTestSpinEdit& e) {
             int k = VK_DOWN;
             e.KeyDown(k, {});
         },
         "49", 1},
        {"PgUp",
         [](TTestSpinEdit& e) {
             int k = VK_PRIOR;
             e.KeyDown(k, {});
         },
         "60", 1},
        {"PgDn",
         [](TTestSpinEdit& e) {
             int k = VK_NEXT;
             e.KeyDown(k, {});
         },
         "40", 1},
        {"wheel up", [](TTestSpinEdit& e) { EXPECT_TRUE(e.MouseWheel({}, 120, 0, 0)); }, "51", 1},
        {"wheel down with Ctrl", [](TTestSpinEdit& e) { e.MouseWheel({ssCtrl}, -120, 0, 0); }, "40",
         1},
        {"clamped at Max",
         [](TTestSpinEdit& e) {
             e.SetValue(98);
             int k = VK_PRIOR;
             e.KeyDown(k, {});
         },
         "100", 1},
        {"vetoed",
         [](TTestSpinEdit& e) {
             e.OnChanging = [](TObject*, long double next, bool& allow) {
                 EXPECT_EQ(next, 51);
                 allow = false;
             };
             int k = VK_UP;
             e.KeyDown(k, {});
         },
         "50", 0},
        {"read-only",
         [](TTestSpinEdit& e) {
             e.SetReadOnly(true);
             e.StepUp();
         },
         "50", 0},
        {"increment of a quarter",
         [](TTestSpinEdit& e) {
             e.SetIntegersOnly(false);
             e.SetDecimals(2);
             e.SetIncrement(0.25L);
             e.StepDown();
         },
         "49.75", 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TTestSpinEdit edit(nullptr);
        edit.SetBeepOnInvalidKey(false);
        edit.SetValue(50);
        int clicks = 0;
        edit.OnButtonClick = [&](TObject*, TSpinButtonType) { ++clicks; };
        c.Act(edit);
        EXPECT_EQ(edit.Text(), c.Text);
        EXPECT_EQ(clicks, c.ButtonClicks);
    }
}

TEST(RzSpinEdit, PasteAndCutKeysOnlyWithKeyEditing) {
    struct TCase {
        int Key;
        TShiftState Shift;
        bool AllowKeyEdit, ReadOnly;
        bool Passed;
    } cases[] = {
        {'V', {ssCtrl}, false, false, false},        {'X', {ssCtrl}, false, false, false},
        {VK_INSERT, {ssShift}, false, false, false}, {VK_DELETE, {ssShift}, false, false, false},
        {'V', {ssCtrl}, true, true, false},          {'V', {ssCtrl}, true, false, true},
        {'C', {ssCtrl}, false, false, true},  // copying is harmless
    };
    for (const TCase& c : cases) {
        TTestSpinEdit edit(nullptr);
        edit.SetAllowKeyEdit(c.AllowKeyEdit);
        edit.SetReadOnly(c.ReadOnly);
        int key = c.Key;
        edit.KeyDown(key, c.Shift);
        EXPECT_EQ(key != 0, c.Passed) << "key " << c.Key << " shift " << c.Shift.Mask();
    }
}

TEST(RzSpinEdit, TypedCharactersAreFiltered) {
    struct TCase {
        const char* Text;
        int SelStart, SelLength;
        bool IntegersOnly, AllowKeyEdit;
        char Key;
        bool Accepted;
    } cases[] = {
        {"12", 2, 0, true, true, '5', true},
        {"12", 2, 0, true, true, 'x', false},
        {"12", 2, 0, true, true, '.', false},  // integers only
        {"12", 2, 0, false, true, '.', true},
        {"1.2", 3, 0, false, true, '.', false},  // one separator
        {"1.2", 1, 2, false, true, '.', true},   // replacing the one there is
        {"12", 0, 0, true, true, '-', true},
        {"12", 1, 0, true, true, '-', false},   // only at the start
        {"-12", 0, 0, true, true, '-', false},  // a second sign
        {"-12", 0, 3, true, true, '+', true},   // the whole text selected
        {"12", 2, 0, true, true, '\b', true},
        {"12", 2, 0, true, false, '\b', false},  // no key editing
        {"12", 2, 0, true, false, '5', false},
        {"12", 2, 0, true, false, '\x03', true},  // copy stays
        {"12", 2, 0, true, true, '\r', false},
    };
    for (const TCase& c : cases) {
        TTestSpinEdit edit(nullptr);
        edit.SetBeepOnInvalidKey(false);
        edit.SetIntegersOnly(c.IntegersOnly);
        edit.SetAllowKeyEdit(c.AllowKeyEdit);
        edit.SetText(c.Text);
        SetEditSelStart(edit, c.SelStart);
        SetEditSelLength(edit, c.SelLength);
        char key = c.Key;
        edit.KeyPress(key);
        EXPECT_EQ(key != 0, c.Accepted) << "'" << c.Text << "' caret " << c.SelStart << "+"
                                        << c.SelLength << " key " << int(c.Key);
    }
}

// Holding the up arrow: steps at 400, 500, ..., 1000 ms of the button's repeat timer and one on
// release over the button.
TEST(RzSpinEdit, HeldArrowRepeatsTheStep) {
    TForm form(nullptr);
    auto* edit = new TTestSpinEdit(&form);
    edit->SetParent(&form);
    edit->SetMax(1000);
    TRzControlButton* up = edit->GetButton(sbUp);
    auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(up->Widget(), &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    TTimer* timer = up->RepeatTimer();
    ASSERT_NE(timer, nullptr);
    for (int now = timer->Interval(); now <= 1000; now += timer->Interval()) timer->OnTimer(timer);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    EXPECT_EQ(edit->Text(), "8");
    EXPECT_FALSE(timer->Enabled());
}

// The arrows of a spin edit keep the button face on a coloured edit, while a lone arrow button
// takes its own colour; flat arrows blend into the edit.
TEST(RzSpinEdit, ArrowFacesKeepTheButtonFaceOnAColouredEdit) {
    for (bool flat : {false, true}) {
        TTestSpinEdit edit(nullptr);
        edit.SetFlatButtons(flat);
        edit.SetColor(clYellow);
        SCOPED_TRACE(testing::Message() << "flat " << flat);
        for (TSpinButtonType which : {sbUp, sbDown}) {
            TRzControlButton* button = edit.GetButton(which);
            EXPECT_EQ(button->Color(), clYellow);
            button->Repaint();
            // Inside the two-pixel frame, left of the arrow.
            EXPECT_EQ(button->Canvas()->Pixel(3, button->Height() / 2),
                      ColorToRGB(flat ? clYellow : clBtnFace));
        }
    }
    TRzControlButton lone(nullptr);
    lone.SetStyle(cbsUp);
    lone.SetColor(clYellow);
    lone.Repaint();
    EXPECT_EQ(lone.Canvas()->Pixel(3, 10), ColorToRGB(clYellow));
}
