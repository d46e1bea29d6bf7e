#include <gtest/gtest.h>

#include <QProgressBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <string>
#include <vector>

#include "platform/classes/PropAccess.h"
#include "platform/ui/Form.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/TrackBar.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/OffscreenApplication.h"

namespace {

TEST(ProgressBar, PositionStaysInRangeAndStepItWraps) {
    TForm form(nullptr);
    auto* bar = new TProgressBar(&form);
    bar->SetParent(&form);
    auto* widget = static_cast<QProgressBar*>(bar->Widget());
    struct Case {
        const char* what;
        void (*act)(TProgressBar*);
        int position;
    };
    const Case cases[] = {
        {"a position past Max", [](TProgressBar* b) { b->SetPosition(150); }, 100},
        {"a position before Min", [](TProgressBar* b) { b->SetPosition(-5); }, 0},
        {"StepIt adds Step", [](TProgressBar* b) { b->StepIt(); }, 10},
        {"StepBy adds any amount", [](TProgressBar* b) { b->StepBy(85); }, 95},
        {"StepIt past Max starts over", [](TProgressBar* b) { b->StepIt(); }, 0},
        {"StepBy stops at Max", [](TProgressBar* b) { b->StepBy(1000); }, 100},
        {"a smaller Max takes the position along", [](TProgressBar* b) { b->SetMax(40); }, 40},
        {"a larger Min too", [](TProgressBar* b) { b->SetMin(60); }, 60},
        {"Step by name",
         [](TProgressBar* b) {
             SetOrdProp(b, "Step", 7);
             b->StepIt();
         },
         60},
    };
    for (const Case& c : cases) {
        c.act(bar);
        EXPECT_EQ(bar->Position(), c.position) << c.what;
        EXPECT_EQ(widget->value(), c.position) << c.what;
    }
    // Max went below Min, so Min came down to it, then up again with SetMin(60).
    EXPECT_EQ(bar->Min(), 60);
    EXPECT_EQ(bar->Max(), 60);
    bar->SetOrientation(pbVertical);
    EXPECT_EQ(widget->orientation(), Qt::Vertical);
}

struct TrackBarFixture {
    TForm form{nullptr};
    TTrackBar* bar;
    std::vector<int> changes;
    TrackBarFixture() {
        form.SetBounds(0, 0, 400, 300);
        bar = new TTrackBar(&form);
        bar->SetParent(&form);
        bar->SetBounds(10, 10, 200, 45);
        bar->OnChange = [this](TObject*) { changes.push_back(bar->Position()); };
        form.Show();
        bar->SetFocus();
    }
};

TEST(TrackBar, KeysMoveByLineAndPageSize) {
    TrackBarFixture f;
    f.bar->SetMin(-255);
    f.bar->SetMax(255);
    f.bar->SetLineSize(5);
    f.bar->SetPageSize(32);
    f.changes.clear();
    struct Case {
        int key;
        int position;
    };
    const Case cases[] = {{Qt::Key_Right, 5},     {Qt::Key_Right, 10}, {Qt::Key_Left, 5},
                          {Qt::Key_PageDown, 37}, {Qt::Key_PageUp, 5}, {Qt::Key_End, 255},
                          {Qt::Key_Right, 255},   {Qt::Key_Home, -255}};
    std::vector<int> expected;
    for (const Case& c : cases) {
        TUserInput::Key(f.bar, c.key);
        EXPECT_EQ(f.bar->Position(), c.position) << c.key;
        if (expected.empty() || expected.back() != c.position) expected.push_back(c.position);
    }
    EXPECT_EQ(f.changes, expected);  // once per move, none when it stays
}

TEST(TrackBar, PositionFromCodeFiresOnChangeAndVerticalHasMinOnTop) {
    TrackBarFixture f;
    f.bar->SetPosition(4);
    f.bar->SetPosition(4);
    f.bar->SetPosition(99);  // brought into 0..10
    EXPECT_EQ(f.changes, (std::vector<int>{4, 10}));
    f.bar->SetMax(6);  // the range takes the position along, once
    EXPECT_EQ(f.changes, (std::vector<int>{4, 10, 6}));

    f.bar->SetOrientation(trVertical);
    EXPECT_EQ(f.bar->Width(), 45);
    EXPECT_EQ(f.bar->Height(), 200);
    f.bar->SetPosition(0);
    TUserInput::Key(f.bar, Qt::Key_Down);  // down the screen is towards Max
    EXPECT_EQ(f.bar->Position(), 1);
    // A click beside the thumb, below it, moves a page towards Max.
    f.bar->SetPageSize(3);
    TUserInput input;
    input.Click(f.bar, {22, 190});
    EXPECT_EQ(f.bar->Position(), 4);
}

TEST(TrackBar, DraggingTheThumbFollowsTheMouse) {
    TrackBarFixture f;
    auto* slider = static_cast<QSlider*>(f.bar->Widget());
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = Qt::Horizontal;
    option.minimum = 0;
    option.maximum = 10;
    option.sliderPosition = option.sliderValue = 0;
    option.rect = slider->rect();
    const QRect thumb = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                        QStyle::SC_SliderHandle, slider);
    TUserInput input;
    input.Press(f.bar, thumb.center());
    input.Move(f.bar, thumb.center() + QPoint(100, 0));
    input.Move(f.bar, {f.bar->Width() + 50, thumb.center().y()});
    input.Release(f.bar, {f.bar->Width() + 50, thumb.center().y()});
    EXPECT_EQ(f.bar->Position(), 10);
    ASSERT_FALSE(f.changes.empty());
    EXPECT_EQ(f.changes.back(), 10);
}

TEST(TrackBar, TicksFollowFrequencyStyleAndMarks) {
    TrackBarFixture f;
    auto* slider = static_cast<QSlider*>(f.bar->Widget());
    f.bar->SetFrequency(10);
    EXPECT_EQ(slider->tickInterval(), 10);
    EXPECT_EQ(slider->tickPosition(), QSlider::TicksBelow);
    SetEnumProp(f.bar, "TickMarks", "tmBoth");
    EXPECT_EQ(slider->tickPosition(), QSlider::TicksBothSides);
    SetEnumProp(f.bar, "TickStyle", "tsNone");
    EXPECT_EQ(slider->tickPosition(), QSlider::NoTicks);
    EXPECT_EQ(GetEnumProp(f.bar, "TickMarks"), "tmBoth");
}

}  // namespace
