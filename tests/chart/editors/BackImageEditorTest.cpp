// The picture editor on a chart's back image and on a font's picture: loading changes nothing,
// the controls follow the graphic and the mode, each control writes the picture.
#include <gtest/gtest.h>

#include "chart/editors/BackImageEditor.h"
#include "chart/editors/PanelPage.h"
#include "chart/editors/WallsPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/ChartWalls.h"
#include "chart/foundation/BackImage.h"
#include "chart/foundation/TeeFont.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/LibraryStartup.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/TempDir.h"

namespace {

struct BackImageEditorTest : ::testing::Test {
    TLibraryStartup startup;
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = nullptr;
    TTabSheet* sheet = nullptr;
    TTempDir dir;
    std::string file = dir.File("back.bmp");

    BackImageEditorTest() {
        RegisterStandardGraphicFormats();
        window.SetBounds(0, 0, 420, 320);
        chart = new TChart(&window);
        chart->SetName("Chart1");
        TPageControl* pages = new TPageControl(&window);
        pages->SetParent(&window);
        pages->SetBounds(0, 0, 400, 300);
        sheet = new TTabSheet(&window);
        sheet->SetPageControl(pages);
        window.Show();
        TBitmap bitmap;
        bitmap.SetSize(12, 5);
        bitmap.SaveToFile(file);
    }
    ~BackImageEditorTest() override { UnregisterStandardGraphicFormats(); }
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(s.Memory(), size_t(s.Size()));
    }
    static void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }
};

TEST_F(BackImageEditorTest, BackImageFollowsItsGraphicAndMode) {
    TBackImage& image = *chart->BackImage();
    image.SetMode(pbmTile);
    const std::string before = Bytes();
    TBackImageEditor* editor = CreateBackImageEditorPage(sheet);
    TBackImageEditor& e = *editor;
    e.LoadImageSettings(&image);
    EXPECT_EQ(Bytes(), before);
    // Without a graphic: nothing to place, nothing to measure.
    EXPECT_EQ(e.RGBitmap->ItemIndex(), int(pbmTile));
    EXPECT_FALSE(e.RGBitmap->Enabled());
    EXPECT_FALSE(e.CBTransp->Enabled());
    EXPECT_FALSE(e.LabelSize->Visible());
    EXPECT_FALSE(e.LabelExt->Visible());
    EXPECT_EQ(e.BBrowse->Caption(), "B&rowse...");
    EXPECT_FALSE(e.ELeft->Enabled());

    dialogs.FileAnswers.push_back({file, 0});
    Click(e.BBrowse);
    ASSERT_NE(image.Graphic(), nullptr);
    EXPECT_TRUE(e.RGBitmap->Enabled());
    EXPECT_TRUE(e.CBTransp->Enabled());
    EXPECT_TRUE(e.LabelSize->Visible());
    EXPECT_EQ(e.LabelSize->Caption(), "12x5");
    EXPECT_EQ(e.LabelExt->Caption(), "bmp");
    EXPECT_EQ(e.BBrowse->Caption(), "Clea&r");
    EXPECT_NE(e.Image1->Picture()->Graphic(), nullptr);

    // The position is the custom style's only.
    e.RGBitmap->SetItemIndex(int(pbmCustom));
    EXPECT_EQ(image.Mode(), pbmCustom);
    EXPECT_TRUE(e.ELeft->Enabled());
    EXPECT_TRUE(e.UDTop->Enabled());
    e.ELeft->SetText("30");
    e.ETop->SetText("45");
    EXPECT_EQ(image.Left(), 30);
    EXPECT_EQ(image.Top(), 45);
    e.RGBitmap->SetItemIndex(int(pbmCenter));
    EXPECT_EQ(image.Mode(), pbmCenter);
    EXPECT_FALSE(e.ETop->Enabled());
    Click(e.CBTransp);
    EXPECT_TRUE(image.Graphic()->Transparent());

    Click(e.BBrowse);
    EXPECT_EQ(image.Graphic(), nullptr);
    EXPECT_EQ(e.BBrowse->Caption(), "B&rowse...");
    EXPECT_FALSE(e.RGBitmap->Enabled());
    EXPECT_EQ(e.Image1->Picture()->Graphic(), nullptr);
    TObject::Free(editor);
}

TEST_F(BackImageEditorTest, APlainPictureHasNoPlacement) {
    TTeePicture& picture = *chart->Title()->Font()->Picture();
    picture.LoadFromFile(file);
    picture.Graphic()->SetTransparent(true);
    const std::string before = Bytes();
    TBackImageEditor* editor = CreateBackImageEditorPage(sheet);
    editor->LoadImageSettings(&picture);
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(editor->RGBitmap->Visible());
    EXPECT_FALSE(editor->GBPosition->Visible());
    EXPECT_TRUE(editor->CBTransp->Checked());
    EXPECT_EQ(editor->BBrowse->Caption(), "Clea&r");
    TObject::Free(editor);
}

TEST_F(BackImageEditorTest, WallsPageImageButtonEditsTheWallPictureInADialog) {
    TFormTeeWall* page = new TFormTeeWall(&window, chart->Walls()->Left());
    page->SetParent(&window);
    page->Show();
    EXPECT_TRUE(page->BImage->Enabled());
    TModalRunner<TBackImageEditor> runner(&window, [&](TBackImageEditor& e) {
        EXPECT_EQ(e.Picture(), chart->Walls()->Left()->PictureIfAny());
        EXPECT_FALSE(e.RGBitmap->Visible());
        EXPECT_FALSE(e.GBPosition->Visible());
        EXPECT_TRUE(e.PanelButtons->Visible());
        EXPECT_FALSE(e.BCancel->Visible());
        dialogs.FileAnswers.push_back({file, 0});
        Click(e.BBrowse);
        EXPECT_EQ(e.LabelSize->Caption(), "12x5");
        Click(e.BOk);
    });
    Click(page->BImage);
    EXPECT_TRUE(runner.Ran());
    ASSERT_NE(chart->Walls()->Left()->Picture()->Graphic(), nullptr);
    EXPECT_EQ(chart->Walls()->Left()->Picture()->Width(), 12);
    TObject::Free(page);
}

TEST_F(BackImageEditorTest, PanelPageImageTabEditsTheBackImage) {
    TFormTeePanel* page = new TFormTeePanel(&window, chart);
    page->SetParent(&window);
    page->Show();
    EXPECT_TRUE(page->TabImage->TabVisible());
    page->PageControl1->SetActivePage(page->TabImage);
    page->PageControl1->OnChange(page->PageControl1);
    ASSERT_EQ(page->TabImage->ControlCount(), 1);
    auto* e = dynamic_cast<TBackImageEditor*>(page->TabImage->Controls(0));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Picture(), chart->BackImageIfAny());
    EXPECT_TRUE(e->RGBitmap->Visible());
    EXPECT_TRUE(e->GBPosition->Visible());
    dialogs.FileAnswers.push_back({file, 0});
    Click(e->BBrowse);
    e->RGBitmap->SetItemIndex(int(pbmCustom));
    EXPECT_EQ(chart->BackImageMode(), pbmCustom);
    EXPECT_EQ(chart->BackImage()->Width(), 12);
    page->PageControl1->OnChange(page->PageControl1);  // built once
    EXPECT_EQ(page->TabImage->ControlCount(), 1);
    TObject::Free(page);
}

}  // namespace
