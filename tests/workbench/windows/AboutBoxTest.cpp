// The about box: its caption and texts, and a click on its panel closes it.
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/windows/AboutBox.h"

namespace {

TEST(AboutBox, ShowsTheModelAndClosesOnAClick) {
    TMainWindowFixture f;
    f.Start();
    TFAbout* about = new TFAbout(f.window);
    about->Show();
    EXPECT_EQ(about->Caption(), "About KAVRI320");
    EXPECT_EQ(about->lModel->Caption(), "Gray Uniform Specular-Diffuse Model of Reflection");
    EXPECT_EQ(about->lLink->Cursor(), crHandPoint);
    f.Click(about->Panel1, QPoint(5, 5));
    EXPECT_FALSE(about->Visible());
}

}  // namespace
