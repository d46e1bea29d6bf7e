#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/foundation/FormCreator.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFilterTransforms.h"
#include "chart/foundation/TeeFilters.h"
#include "platform/ui/ScrollBar.h"

namespace {

// Writes down each control a filter asks for, one line each, and keeps the scroll bars and the
// check boxes' handlers as the real builder would.
class TRecordingFormCreator : public TFormCreator {
public:
    std::vector<std::string> Controls;
    std::vector<std::unique_ptr<TScrollBar>> Bars;
    std::vector<std::function<void()>> Handlers;

    void AddBooleanEditor(const std::string& PropertyName, const std::string& Caption,
                          std::function<void()> ChangeHandler) override {
        Controls.push_back("check " + PropertyName + " '" + Caption + "'");
        Handlers.push_back(std::move(ChangeHandler));
    }
    void AddColorEditor(const std::string& PropertyName, const std::string& Caption) override {
        Controls.push_back("colour " + PropertyName + " '" + Caption + "'");
    }
    void AddChoiceEditor(const std::string& PropertyName) override {
        Controls.push_back("choice " + PropertyName);
    }
    void AddIntegerEditor(const std::string& PropertyName, const std::string& Caption, int Minimum,
                          int Maximum) override {
        Controls.push_back("integer " + PropertyName + " '" + Caption + "' " +
                           std::to_string(Minimum) + ".." + std::to_string(Maximum));
    }
    TScrollBar* AddScrollBar(const std::string& PropertyName, int Minimum, int Maximum) override {
        Controls.push_back("scroll " + PropertyName + " " + std::to_string(Minimum) + ".." +
                           std::to_string(Maximum));
        Bars.push_back(std::make_unique<TScrollBar>(nullptr));
        Bars.back()->SetParams(0, Minimum, Maximum);
        return Bars.back().get();
    }
};

using TLines = std::vector<std::string>;

TEST(TeeFilterEditors, EachFilterAsksForItsControls) {
    LoadCoreTexts();
    struct TCase {
        TClass cls;
        TLines controls;
    };
    const TLines amount = {"scroll Amount -100..100", "check Percent 'Percent'"};
    const TLines positive = {"scroll Amount 0..100", "check Percent 'Percent'"};
    const TLines resize = {"integer Width 'Width' 0..10000", "integer Height 'Height' 0..10000"};
    const TCase cases[] = {
        {&TInvertFilter::StaticClass(), {}},
        {&TGrayScaleFilter::StaticClass(), {"choice Method"}},
        {&TMosaicFilter::StaticClass(), positive},
        {&TFlipFilter::StaticClass(), {}},
        {&TReverseFilter::StaticClass(), {}},
        {&TBrightnessFilter::StaticClass(), amount},
        {&TContrastFilter::StaticClass(), amount},
        {&TColorFilter::StaticClass(),
         {"scroll Red -255..255", "scroll Green -255..255", "scroll Blue -255..255"}},
        {&THueLumSatFilter::StaticClass(),
         {"scroll Hue -255..255", "scroll Luminance -255..255", "scroll Saturation -255..255"}},
        {&TBlurFilter::StaticClass(), {"scroll Steps 1..20", "scroll Amount 0..50"}},
        {&TSharpenFilter::StaticClass(), {}},
        {&TGammaCorrectionFilter::StaticClass(), positive},
        {&TEmbossFilter::StaticClass(), {}},
        {&TSoftenFilter::StaticClass(), {}},
        {&TCropFilter::StaticClass(),
         {resize[0], resize[1], "integer Left 'Left' 0..10000", "integer Top 'Top' 0..10000",
          "check Smooth 'Smooth'"}},
        {&TResizeFilter::StaticClass(), resize},
        {&TRotateFilter::StaticClass(),
         {"scroll Angle 0..360", "colour BackColor 'Back'", "check AutoSize 'Autosize'"}},
        {&TMirrorFilter::StaticClass(), {"choice Direction"}},
        {&TTileFilter::StaticClass(),
         {"integer NumCols 'Columns' 1..1000", "integer NumRows 'Rows' 1..1000"}},
        {&TBevelFilter::StaticClass(), {"scroll Bright 1..255", "scroll Size 1..1000"}},
        {&TZoomFilter::StaticClass(), {"scroll Percent 0..100", "check Smooth 'Smooth'"}},
    };
    for (const TCase& c : cases) {
        TFilterItems items(nullptr);
        TTeeFilter* filter = items.AddFilterOfClass(c.cls);
        TRecordingFormCreator creator;
        filter->BuildEditor(creator, nullptr);
        EXPECT_EQ(creator.Controls, c.controls) << c.cls->ClassName();
    }
}

TEST(TeeFilterEditors, TickingPercentReRangesTheAmountBar) {
    struct TCase {
        TClass cls;
        int min, max;  // without Percent
    };
    const TCase cases[] = {
        {&TBrightnessFilter::StaticClass(), -255, 255},
        {&TMosaicFilter::StaticClass(), 0, 255},
    };
    for (const TCase& c : cases) {
        TFilterItems items(nullptr);
        auto* filter = static_cast<TAmountFilter*>(items.AddFilterOfClass(c.cls));
        TRecordingFormCreator creator;
        filter->BuildEditor(creator, nullptr);
        TScrollBar& bar = *creator.Bars.at(0);
        bar.SetPosition(80);
        filter->SetPercent(false);  // the check box writes the property, then calls its handler
        creator.Handlers.at(0)();
        EXPECT_EQ(bar.Min(), c.min) << c.cls->ClassName();
        EXPECT_EQ(bar.Max(), c.max) << c.cls->ClassName();
        EXPECT_EQ(bar.Position(), 80) << c.cls->ClassName();
        filter->SetPercent(true);
        creator.Handlers.at(0)();
        EXPECT_EQ(bar.Max(), 100) << c.cls->ClassName();
    }
}

}  // namespace
