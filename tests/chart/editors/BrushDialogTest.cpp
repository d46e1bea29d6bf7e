// The brush dialog on a chart's back wall, through the brush button: every style entry, the
// colours and transparency, a picture file as the pattern, and Cancel putting the wall back.
#include <gtest/gtest.h>

#include "chart/editors/BrushDialog.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartWalls.h"
#include "chart/foundation/ChartBrush.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/RecordingDialogService.h"
#include "tests/chart/editors/LibraryStartup.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/KeptInputs.h"
#include "tests/support/TempDir.h"

namespace {

struct BrushDialogTest : ::testing::Test {
    TLibraryStartup startup;
    TRecordingDialogService dialogs;
    TDialogService* former = SetDialogService(&dialogs);
    TForm window{nullptr};
    TChart* chart = new TChart(&window);
    TButtonBrush* button = nullptr;
    TChartBrush* brush = nullptr;
    int notices = 0;
    int clicks = 0;

    BrushDialogTest() {
        // The wall's picture is streamed as a bitmap file.
        RegisterStandardGraphicFormats();
        chart->SetName("Chart1");
        brush = chart->BackWall()->Brush();
        button = new TButtonBrush(&window);
        button->SetParent(&window);
        button->SetBounds(0, 0, 100, 25);
        button->LinkBrush(brush);
        button->OnClick = [this](TObject*) { ++clicks; };
    }
    ~BrushDialogTest() override {
        UnregisterStandardGraphicFormats();
        SetDialogService(former);
    }

    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(s.Memory(), size_t(s.Size()));
    }
    void Run(std::function<void(TBrushDialog&)> act) {
        TModalRunner<TBrushDialog> runner(&window, std::move(act));
        button->Click();
        EXPECT_TRUE(runner.Ran());
    }
    static void Click(TControl* c) { TUserInput().Click(c, QPoint(8, c->Height() / 2)); }
    static void Choose(TBrushDialog& d, int index) {
        d.LStyle->SetItemIndex(index);
        d.LStyle->OnClick(d.LStyle);
    }
};

TEST_F(BrushDialogTest, EveryStyleEntrySetsTheBrush) {
    struct Case {
        int index;
        TBrushStyle style;  // as left by the entry, the brush starting hatched diagonally
        int imageWidth;     // 0: no image
    };
    const Case cases[] = {{0, bsSolid, 0},       {1, bsClear, 0},       {2, bsHorizontal, 0},
                          {3, bsVertical, 0},    {4, bsFDiagonal, 0},   {5, bsBDiagonal, 0},
                          {6, bsCross, 0},       {7, bsDiagCross, 0},   {8, bsFDiagonal, 16},
                          {13, bsFDiagonal, 16}, {19, bsFDiagonal, 16}, {20, bsFDiagonal, 16},
                          {22, bsFDiagonal, 16}, {23, bsFDiagonal, 32}, {26, bsFDiagonal, 32}};
    Run([&](TBrushDialog& d) {
        ASSERT_EQ(d.LStyle->Items()->Count(), TBrushDialog::StyleCount);
        EXPECT_EQ(d.LStyle->Items()->Strings(13), "Zig zag");
        EXPECT_EQ(d.LStyle->Items()->Strings(26), "Snow");
        for (const Case& c : cases) {
            SCOPED_TRACE(d.LStyle->Items()->Strings(c.index));
            brush->SetStyle(bsFDiagonal);
            Choose(d, c.index);
            EXPECT_EQ(brush->Style(), c.style);
            const TPicture* image = brush->ImageIfAny();
            const bool hasImage = image && image->Graphic();
            EXPECT_EQ(hasImage ? image->Width() : 0, c.imageWidth);
            EXPECT_EQ(d.Button1->Caption(), hasImage ? "Clea&r" : "B&rowse...");
            EXPECT_EQ(d.BColor->Enabled(), c.style != bsClear);
            EXPECT_EQ(d.BBackColor->Enabled(), c.style != bsClear);
        }
        // Pattern 1: rows AAAA and 0000, so the first row starts white then black, the second
        // is black; only the black pixels paint.
        Choose(d, 8);
        TBitmap* pattern = brush->Image()->Bitmap();
        EXPECT_EQ(pattern->Canvas()->Pixel(0, 0), clWhite);
        EXPECT_EQ(pattern->Canvas()->Pixel(1, 0), clBlack);
        EXPECT_EQ(pattern->Canvas()->Pixel(0, 1), clBlack);
        EXPECT_TRUE(pattern->Transparent());
        EXPECT_EQ(pattern->TransparentColor(), clWhite);
        Click(d.Button2);
    });
    EXPECT_EQ(clicks, 1);
}

TEST_F(BrushDialogTest, CancelPutsTheBrushBackByteForByte) {
    brush->SetColor(clRed);
    brush->SetBackColor(clYellow);
    const std::string before = Bytes();
    Run([&](TBrushDialog& d) {
        EXPECT_EQ(Bytes(), before);                            // showing changes nothing
        TUserInput().Click(d.LStyle, QPoint(20, 6 * 16 + 8));  // "Cross"
        EXPECT_EQ(brush->Style(), bsCross);
        Choose(d, 21);
        dialogs.ColorAnswers.push_back(clBlue);
        Click(d.BColor);
        EXPECT_EQ(brush->Color(), clBlue);
        Click(d.CBTransp);
        EXPECT_EQ(brush->BackColor(), clNone);
        EXPECT_NE(Bytes(), before);
        Click(d.Button3);
    });
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(clicks, 0);
    // OK keeps what was chosen.
    Run([&](TBrushDialog& d) {
        Choose(d, 3);
        Click(d.Button2);
    });
    EXPECT_EQ(brush->Style(), bsVertical);
    EXPECT_EQ(clicks, 1);
}

TEST_F(BrushDialogTest, TransparencyEndsByChoosingABackColour) {
    brush->SetBackColor(clWhite);
    Run([&](TBrushDialog& d) {
        EXPECT_FALSE(d.CBTransp->Checked());
        Click(d.CBTransp);
        EXPECT_EQ(brush->BackColor(), clNone);
        EXPECT_TRUE(d.CBTransp->Checked());
        EXPECT_FALSE(d.CBTransp->Enabled());  // no way back by unchecking
        dialogs.ColorAnswers.push_back(clGreen);
        Click(d.BBackColor);
        EXPECT_EQ(brush->BackColor(), clGreen);
        EXPECT_FALSE(d.CBTransp->Checked());
        EXPECT_TRUE(d.CBTransp->Enabled());
        Click(d.Button2);
    });
}

TEST_F(BrushDialogTest, APictureFileBecomesThePatternAndIsCleared) {
    TTempDir dir;
    const std::string file = dir.File("pattern.bmp");
    {
        TBitmap bitmap;
        bitmap.SetSize(5, 7);
        bitmap.SaveToFile(file);
    }
    brush->SetStyle(bsCross);
    Run([&](TBrushDialog& d) {
        EXPECT_EQ(d.Button1->Caption(), "B&rowse...");
        dialogs.FileAnswers.push_back({"", 0});  // cancelled: nothing changes
        Click(d.Button1);
        EXPECT_EQ(brush->ImageIfAny(), nullptr);
        dialogs.FileAnswers.push_back({file, 1});
        Click(d.Button1);
        ASSERT_TRUE(brush->Image()->Graphic());
        EXPECT_EQ(brush->Image()->Width(), 5);
        EXPECT_EQ(brush->Image()->Height(), 7);
        EXPECT_EQ(d.Button1->Caption(), "Clea&r");
        EXPECT_EQ(d.LStyle->ItemIndex(), int(bsCross));
        Click(d.Button1);
        EXPECT_FALSE(brush->ImageIfAny() && brush->ImageIfAny()->Graphic());
        EXPECT_EQ(d.Button1->Caption(), "B&rowse...");
        EXPECT_EQ(d.Image1->Picture()->Graphic(), nullptr);
        Click(d.Button2);
    });
    EXPECT_EQ(brush->Style(), bsCross);
}

// A metafile is drawn into a bitmap of its own size for the pattern: one that declares more
// pixels than such a bitmap may have (the finding: 108 bytes bounding 30000 x 20000, once a
// bitmap of 2.4 GB) is refused with a message, and the brush keeps no picture.
TEST_F(BrushDialogTest, AMetafileOfTooManyPixelsIsRefusedWithAMessage) {
    RegisterMetafileFormats();
    TTempDir dir;
    const std::string file = dir.File("huge.emf");
    WritePictureImportFile("brush-emf-bounds-30000x20000.bin", file);
    brush->SetStyle(bsCross);
    const std::string before = Bytes();
    Run([&](TBrushDialog& d) {
        dialogs.FileAnswers.push_back({file, 1});
        Click(d.Button1);
        EXPECT_FALSE(brush->ImageIfAny() && brush->ImageIfAny()->Graphic());
        EXPECT_EQ(d.Button1->Caption(), "B&rowse...");
        Click(d.Button2);
    });
    UnregisterMetafileFormats();
    EXPECT_EQ(Bytes(), before);
    // The refusal reaches the user as the program reports any error, through the dialogs.
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text,
              "The picture is too large: 30000 x 20000 pixels, more than 33554432.");
}

TEST_F(BrushDialogTest, ABrushWithAPictureOpensWithNoStyleChosen) {
    Run([&](TBrushDialog& d) {
        Choose(d, 20);
        Click(d.Button2);
    });
    Run([&](TBrushDialog& d) {
        EXPECT_EQ(d.LStyle->ItemIndex(), -1);
        EXPECT_EQ(d.Button1->Caption(), "Clea&r");
        EXPECT_TRUE(d.Image1->Picture()->Graphic());
        Click(d.Button3);
    });
}

}  // namespace
