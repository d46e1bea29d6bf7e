// The frame controller pushing its settings into linked edits, and the shared blink timer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/RzBlinkingControlsList.h"
#include "controls/RzFrameController.h"
#include "platform/ui/Timer.h"

TEST(RzFrameController, LinkingPushesWhatTheEditLetsThrough) {
    struct TCase {
        const char* Name;
        TRzFrameControllerNotifications Filter;
        bool ParentColor;
        TColor Color, FrameColor;
    } cases[] = {
        {"everything", fcpAllSettings, false, clYellow, clRed},
        {"no colour", fcpAllSettings - TRzFrameControllerNotifications{fcpColor}, false, clWindow,
         clRed},
        {"parent colour keeps Color back", fcpAllSettings, true, clWindow, clRed},
    };
    for (const TCase& c : cases) {
        TRzFrameController controller(nullptr);
        controller.SetColor(clYellow);
        controller.SetFrameColor(clRed);
        controller.SetParentColor(c.ParentColor);
        TRzCustomEdit edit(nullptr);
        edit.SetFrameControllerNotifications(c.Filter);
        edit.SetFrameController(&controller);
        EXPECT_EQ(edit.Color(), c.Color) << c.Name;
        EXPECT_EQ(edit.FrameColor(), c.FrameColor) << c.Name;
        // The controller's own FlatButtons starts True, the edit's False.
        EXPECT_TRUE(edit.FlatButtons()) << c.Name;
    }
}

TEST(RzFrameController, HeldUpdatesArePushedOnceAtTheRelease) {
    TRzFrameController controller(nullptr);
    TRzCustomEdit edit(nullptr);
    edit.SetFrameController(&controller);
    controller.HoldUpdates();
    controller.SetFrameColor(clRed);
    controller.SetFrameStyle(fsLowered);
    controller.SetDisabledColor(clGray);
    EXPECT_EQ(edit.FrameColor(), clBtnShadow);
    EXPECT_EQ(edit.FrameStyle(), fsFlat);
    controller.ReleaseUpdates();
    EXPECT_EQ(edit.FrameColor(), clRed);
    EXPECT_EQ(edit.FrameStyle(), fsLowered);
    EXPECT_EQ(edit.DisabledColor(), clGray);

    // Hot tracking brings a visible frame; unlinking leaves the edit as it was.
    controller.SetFrameHotTrack(true);
    EXPECT_TRUE(edit.FrameHotTrack());
    EXPECT_TRUE(edit.FrameVisible());
    edit.SetFrameController(nullptr);
    controller.SetFrameColor(clBlue);
    EXPECT_EQ(edit.FrameColor(), clRed);
    EXPECT_EQ(controller.LinkedCount(), 0);
}

TEST(RzFrameController, ColourRulesAndFreeing) {
    TRzFrameController controller(nullptr);
    controller.SetColor(clYellow);
    EXPECT_EQ(controller.FocusColor(), clYellow);  // it matched the old colour
    controller.SetFocusColor(clAqua);
    controller.SetColor(clWhite);
    EXPECT_EQ(controller.FocusColor(), clAqua);

    TRzCustomEdit edit(nullptr);
    {
        TRzFrameController shortLived(nullptr);
        edit.SetFrameController(&shortLived);
        TRzFrameController copy(nullptr);
        copy.Assign(&controller);
        EXPECT_EQ(copy.Color(), clWhite);
        EXPECT_EQ(copy.FocusColor(), clAqua);
    }
    EXPECT_EQ(edit.FrameController(), nullptr);
}

namespace {
struct TFakeBlinker : IRzBlinker {
    explicit TFakeBlinker(bool blinking) : Blinking(blinking) {}
    bool BlinkQuery() override { return Blinking; }
    void Blink(bool on) override { Seen.push_back(on); }
    bool Blinking;
    std::vector<bool> Seen;
};
}  // namespace

TEST(RzBlinkingControlsList, SharedPhasesAndLifetime) {
    TFakeBlinker a(true), b(true), quiet(false);
    AddBlinker(&a);
    AddBlinker(&b);
    AddBlinker(&quiet);
    TRzBlinkingControlsList* list = BlinkingControls();
    ASSERT_NE(list, nullptr);
    TTimer* timer = list->Timer();
    EXPECT_EQ(timer->Interval(), 500);
    // The first tick turns off; on comes after two off intervals.
    list->SetIntervalOn(300);
    timer->OnTimer(timer);
    EXPECT_EQ(timer->Interval(), 500);
    timer->OnTimer(timer);
    EXPECT_EQ(timer->Interval(), 300);
    timer->OnTimer(timer);
    EXPECT_EQ(a.Seen, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(b.Seen, a.Seen);
    EXPECT_TRUE(quiet.Seen.empty());

    RemoveBlinker(&a);
    RemoveBlinker(&quiet);
    EXPECT_EQ(BlinkingControls(), list);
    RemoveBlinker(&b);
    EXPECT_EQ(BlinkingControls(), nullptr);
    // A new list starts again at 500/500.
    AddBlinker(&a);
    EXPECT_EQ(BlinkingControls()->IntervalOn(), 500);
    RemoveBlinker(&a);
}
