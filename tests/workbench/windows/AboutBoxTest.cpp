// The about box: its caption and texts, and a click on its panel closes it.
#include "platform/graphics/Picture.h"
#include "platform/ui/Image.h"
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

// Both pictures are loaded, lie inside the box clear of the texts, and a click on one closes the
// box like a click on the panel.
TEST(AboutBox, ShowsTwoPicturesClearOfTheTexts) {
    TMainWindowFixture f;
    f.Start();
    TFAbout* about = new TFAbout(f.window);
    about->Show();
    TImage* big = about->imgPicture;
    TImage* small = about->imgSmallPicture;
    EXPECT_EQ(big->Picture()->Width(), 96);
    EXPECT_EQ(big->Picture()->Height(), 64);
    EXPECT_EQ(small->Picture()->Width(), 32);
    EXPECT_EQ(small->Picture()->Height(), 32);
    const TRect panel = about->Panel1->ClientRect();
    for (TImage* image : {big, small}) {
        const TRect r = image->BoundsRect();
        EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= panel.Right &&
                    r.Bottom <= panel.Bottom);
        for (TLabel* label : {about->lModel, about->lLink}) {
            const TRect l = label->BoundsRect();
            EXPECT_TRUE(r.Bottom <= l.Top || l.Bottom <= r.Top) << label->Caption();
        }
    }
    f.Click(big, QPoint(10, 10));
    EXPECT_FALSE(about->Visible());
}

}  // namespace
