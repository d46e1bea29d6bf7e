#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/PropInfo.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/CheckListBox.h"
#include "platform/ui/Form.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/Splitter.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/TreeView.h"
#include "tests/support/OffscreenApplication.h"

namespace {

// A control made by its class is at every default its property table declares, and the table
// has the properties the program sets by name.
TEST(PublishedControls, NewControlsStartAtTheirDeclaredDefaults) {
    struct Case {
        TClass cls;
        std::vector<const char*> names;
    };
    const Case cases[] = {
        {&TProgressBar::StaticClass(), {"Min", "Max", "Position", "Step", "Smooth", "Orientation"}},
        {&TTrackBar::StaticClass(),
         {"Min", "Max", "Position", "Frequency", "LineSize", "PageSize", "TickStyle", "TickMarks"}},
        {&TBitBtn::StaticClass(), {"Kind", "Glyph", "NumGlyphs", "Layout", "Margin", "Spacing"}},
        {&TSpeedButton::StaticClass(), {"Flat", "Down", "GroupIndex", "AllowAllUp", "Glyph"}},
        {&TSplitter::StaticClass(), {"Align", "MinSize", "ResizeStyle", "Cursor"}},
        {&TTabControl::StaticClass(), {"TabIndex", "HotTrack"}},
        {&TCheckListBox::StaticClass(), {"AllowGrayed"}},
        {&TTreeView::StaticClass(),
         {"ReadOnly", "HideSelection", "ShowRoot", "ShowLines", "ShowButtons"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cls->ClassName());
        TForm form(nullptr);
        TObject* control = c.cls->Create(&form);
        for (const TPropInfo& prop : c.cls->Properties())
            if (prop.HasDefault) {
                EXPECT_TRUE(prop.IsDefaultValue(control)) << prop.Name;
            }
        for (const char* name : c.names) EXPECT_NE(c.cls->Properties().Find(name), nullptr) << name;
    }
}

}  // namespace
