// The 3-D point, colour grid, tower and vector editors: loading writes nothing, each control
// writes its property, and the enabling rules.
#include "chart/editors/BrushDialog.h"
#include "chart/editors/ColorGridEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/Point3DSeriesEditor.h"
#include "chart/editors/TowerSeriesEditor.h"
#include "chart/editors/VectorSeriesEditor.h"
#include "chart/engine/grid3d/ColorGridSeries.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "chart/engine/grid3d/TowerSeries.h"
#include "chart/engine/grid3d/Vector3DSeries.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/JpegCodec.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/chart/editors/SeriesEditorFixture.h"
#include "tests/support/KeptInputs.h"
#include "tests/support/TempDir.h"

namespace {

template <class TSeries>
TSeries* AddSampleSeries(TForm& window, TChart* chart) {
    auto* series = new TSeries(&window);
    series->SetName("Series1");
    chart->AddSeries(series);
    series->FillSampleValues(4);
    return series;
}

using Point3DEditorTest = SeriesEditorFixture;

TEST_F(Point3DEditorTest, DepthShownRoundedAndWrittenOnlyWhenChanged) {
    auto* series = AddSampleSeries<TPoint3DSeries>(window, chart);
    series->SetDepthSize(7.6);
    const std::string before = Bytes();
    auto* editor = Open<TPoint3DSeriesEditor>(series);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->SEPointDepth->Text(), "8");
    EXPECT_EQ(series->DepthSize(), 7.6);
    EXPECT_EQ(editor->Button1->Pen(), series->LinePen());
    EXPECT_EQ(editor->BBasePen->Pen(), series->BaseLine());
    EXPECT_EQ(editor->BColor->SymbolColor(), series->SeriesColor());
    editor->SEPointDepth->SetText("9");
    EXPECT_EQ(series->DepthSize(), 9);
}

TEST_F(Point3DEditorTest, ColourEachDisablesTheSeriesColour) {
    auto* series = AddSampleSeries<TPoint3DSeries>(window, chart);
    for (bool each : {false, true}) {
        series->SetColorEachPoint(each);
        auto* editor = Open<TPoint3DSeriesEditor>(series);
        EXPECT_EQ(editor->CBColorEach->Checked(), each);
        EXPECT_EQ(editor->BColor->Enabled(), !each);
        Click(editor->CBColorEach);
        EXPECT_EQ(series->ColorEachPoint(), !each);
        EXPECT_EQ(editor->BColor->Enabled(), each);
        TObject::Free(editor);
    }
}

struct ColorGridEditorTest : SeriesEditorFixture {
    TColorGridSeries* grid = nullptr;
    ColorGridEditorTest() {
        RegisterStandardGraphicFormats();
        grid = AddSampleSeries<TColorGridSeries>(window, chart);
    }
    ~ColorGridEditorTest() override { UnregisterStandardGraphicFormats(); }
};

TEST_F(ColorGridEditorTest, LoadingWritesNothingOverTheInitialTexts) {
    grid->SetXGridEvery(3);
    grid->SetZGridEvery(5);
    grid->SetTransparency(20);
    grid->SetDrawPlane3D(cpX);
    grid->SetDrawPosition(-40);
    grid->SetCenteredPoints(true);
    grid->SetSmoothBitmap(true);
    const std::string before = Bytes();
    auto* editor = new TColorGridEditor(&window);
    // Before its first load the edits' "1" texts write nothing.
    editor->SetTagObject(grid);
    editor->Edit2->SetText("1");
    EXPECT_EQ(grid->XGridEvery(), 3);
    editor->SetParent(&window);
    window.Show();
    editor->Show();
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->Edit2->Text(), "3");
    EXPECT_EQ(editor->Edit1->Text(), "5");
    EXPECT_EQ(editor->Edit3->Text(), "20");
    EXPECT_EQ(editor->Edit4->Text(), "-40");
    EXPECT_EQ(editor->CBPlane->ItemIndex(), int(cpX));
    EXPECT_TRUE(editor->CBCentered->Checked());
    EXPECT_TRUE(editor->CBSmooth->Checked());
    EXPECT_EQ(editor->BGrid->Pen(), grid->Pen());
    EXPECT_EQ(editor->ButtonPen1->Pen(), grid->Frame());
}

TEST_F(ColorGridEditorTest, EachControlWritesItsProperty) {
    auto* editor = Open<TColorGridEditor>(grid);
    RunSteps({
        {"smooth", [&] { Click(editor->CBSmooth); }, [&] { return grid->SmoothBitmap(); }},
        {"centred", [&] { Click(editor->CBCentered); }, [&] { return grid->CenteredPoints(); }},
        {"plane", [&] { Choose(editor->CBPlane, 1); }, [&] { return grid->DrawPlane3D() == cpY; }},
        {"x every", [&] { editor->Edit2->SetText("4"); },
         [&] { return grid->XGridEvery() == 4 && grid->ZGridEvery() == 1; }},
        {"z every", [&] { editor->Edit1->SetText("6"); }, [&] { return grid->ZGridEvery() == 6; }},
        {"z every 0 is out of range", [&] { editor->Edit1->SetText("0"); },
         [&] { return grid->ZGridEvery() == 6; }},
        {"transparency", [&] { editor->Edit3->SetText("35"); },
         [&] { return grid->Transparency() == 35; }},
        {"position", [&] { editor->Edit4->SetText("-120"); },
         [&] { return grid->DrawPosition() == -120; }},
    });
}

TEST_F(ColorGridEditorTest, APictureBecomesTheGrid) {
    TTempDir dir;
    const std::string file = dir.File("map.bmp");
    {
        TBitmap bitmap;
        bitmap.SetSize(40, 30);
        bitmap.SaveToFile(file);
    }
    auto* editor = Open<TColorGridEditor>(grid);
    const std::string before = Bytes();
    dialogs.FileAnswers.push_back({"", 0});  // cancelled: nothing changes
    Click(editor->Button2);
    EXPECT_EQ(Bytes(), before);
    // A file that is no picture is reported and changes nothing either.
    const std::string junk = dir.File("junk.bmp");
    {
        TFileStream out(junk, fmCreate);
        out.WriteBuffer("not a bitmap", 12);
    }
    dialogs.FileAnswers.push_back({junk, 1});
    Click(editor->Button2);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(dialogs.Messages.size(), 1u);
    dialogs.FileAnswers.push_back({file, 1});
    Click(editor->Button2);
    EXPECT_EQ(grid->NumXValues(), 40);
    EXPECT_EQ(grid->NumZValues(), 30);
    EXPECT_EQ(grid->Count(), 40 * 30);
    EXPECT_TRUE(grid->CenteredPoints());
}

// Files that are a few bytes and declare 8000 x 8000 pixels: the headers of a 24-bit bitmap
// without its rows, and a JPEG picture of 8 x 8 whose frame header says 8000 x 8000.
std::string HugeBitmapHeaders() {
    std::string bytes(54, '\0');
    auto put = [&](size_t at, uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes[at + size_t(i)] = char(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, 54, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, 8000, 4);
    put(22, 8000, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    return bytes;
}

std::string HugeJpegFrame() {
    TBitmapFileImage image(8, 8, 24);
    const std::vector<uint8_t> encoded = EncodeJpeg(image, 75, false);
    std::string bytes(encoded.begin(), encoded.end());
    const size_t frame = bytes.find("\xFF\xC0");
    EXPECT_NE(frame, std::string::npos);
    for (size_t at : {frame + 5, frame + 7}) {  // height, then width, big-endian
        bytes[at] = char(8000 >> 8);
        bytes[at + 1] = char(8000 & 0xFF);
    }
    return bytes;
}

// A picture of more pixels than a series may take as points is refused with a message, and the
// grid stays as it was: the finding (an 8192 x 8192 run-length bitmap of 1080 bytes, once 67
// million points and 2.6 GB), and files that declare a huge size in their headers and hold no
// pixels, which are refused before they are decoded (decoding would fail on the missing pixels
// with a message of its own, after taking the memory for them).
TEST_F(ColorGridEditorTest, APictureOfTooManyPixelsIsRefusedWithAMessage) {
    TTempDir dir;
    struct TCase {
        std::string Name;
        std::string Bytes;
        const char* Message;
    };
    const std::string found = dir.File("found.bmp");
    WritePictureImportFile("colorgrid-rle8-8192x8192.bin", found);
    const TCase cases[] = {
        {"", "", "The picture is too large: 8192 x 8192 pixels, more than 1048576."},
        {"headers.bmp", HugeBitmapHeaders(),
         "The picture is too large: 8000 x 8000 pixels, more than 1048576."},
        {"frame.jpg", HugeJpegFrame(),
         "The picture is too large: 8000 x 8000 pixels, more than 1048576."},
    };
    auto* editor = Open<TColorGridEditor>(grid);
    const std::string before = Bytes();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::string file = found;
        if (!c.Name.empty()) {
            file = dir.File(c.Name);
            TFileStream out(file, fmCreate);
            out.WriteBuffer(c.Bytes.data(), int64_t(c.Bytes.size()));
        }
        dialogs.Messages.clear();
        dialogs.FileAnswers.push_back({file, 1});
        Click(editor->Button2);
        EXPECT_EQ(Bytes(), before);
        // The refusal reaches the user as the program reports any error, through the dialogs.
        ASSERT_EQ(dialogs.Messages.size(), 1u);
        EXPECT_EQ(dialogs.Messages[0].Text, c.Message);
    }
}

struct TowerEditorTest : SeriesEditorFixture {
    TTowerSeries* tower = nullptr;
    TowerEditorTest() { tower = AddSampleSeries<TTowerSeries>(window, chart); }
};

TEST_F(TowerEditorTest, LoadingWritesNothingAndShowsTheSeries) {
    tower->SetOrigin(0.1 + 0.2);
    tower->SetUseOrigin(true);
    tower->SetDark3D(false);
    tower->SetTowerStyle(tsCone);
    tower->SetPercentDepth(55);
    tower->SetPercentWidth(65);
    tower->SetTransparency(15);
    const std::string before = Bytes();
    auto* editor = Open<TTowerSeriesEditor>(tower);
    EXPECT_EQ(Bytes(), before);
    EXPECT_TRUE(editor->CBOrigin->Checked());
    EXPECT_FALSE(editor->CBDark3D->Checked());
    EXPECT_EQ(editor->CBStyle->ItemIndex(), int(tsCone));
    EXPECT_EQ(editor->Edit1->Text(), "55");
    EXPECT_EQ(editor->Edit2->Text(), "65");
    EXPECT_EQ(editor->Edit3->Text(), "15");
    EXPECT_EQ(editor->ButtonPen1->Pen(), tower->Pen());
}

TEST_F(TowerEditorTest, EachControlWritesItsProperty) {
    auto* editor = Open<TTowerSeriesEditor>(tower);
    RunSteps({
        {"origin", [&] { editor->EOrigin->SetText("2.5"); },
         [&] { return tower->Origin() == 2.5; }},
        {"origin incomplete", [&] { editor->EOrigin->SetText("1e"); },
         [&] { return tower->Origin() == 2.5; }},
        {"origin empty", [&] { editor->EOrigin->SetText(""); },
         [&] { return tower->Origin() == 2.5; }},
        {"use origin", [&] { Click(editor->CBOrigin); }, [&] { return tower->UseOrigin(); }},
        {"dark 3-D", [&] { Click(editor->CBDark3D); }, [&] { return !tower->Dark3D(); }},
        {"style", [&] { Choose(editor->CBStyle, 7); },
         [&] { return tower->TowerStyle() == tsSlantCube; }},
        {"depth", [&] { editor->Edit1->SetText("40"); },
         [&] { return tower->PercentDepth() == 40 && tower->PercentWidth() == 100; }},
        {"width", [&] { editor->Edit2->SetText("30"); },
         [&] { return tower->PercentWidth() == 30 && tower->PercentDepth() == 40; }},
        {"transparency", [&] { editor->Edit3->SetText("70"); },
         [&] { return tower->Transparency() == 70; }},
    });
}

TEST_F(TowerEditorTest, PatternOpensTheBrushDialogOnTheTowersBrush) {
    auto* editor = Open<TTowerSeriesEditor>(tower);
    TModalRunner<TBrushDialog> runner(&window, [&](TBrushDialog& d) {
        d.LStyle->SetItemIndex(int(bsCross));
        d.LStyle->OnClick(d.LStyle);
        Click(d.Button2);
    });
    Click(editor->Button1);
    EXPECT_TRUE(runner.Ran());
    EXPECT_EQ(tower->Brush()->Style(), bsCross);
}

struct VectorEditorTest : SeriesEditorFixture {
    TVector3DSeries* vector = nullptr;
    VectorEditorTest() { vector = AddSampleSeries<TVector3DSeries>(window, chart); }
};

TEST_F(VectorEditorTest, LoadingWritesNothingAndShowsTheSeries) {
    vector->SetArrowWidth(9);
    vector->SetArrowHeight(11);
    vector->EndArrow()->SetColor(clRed);
    const std::string before = Bytes();
    auto* editor = Open<TVectorSeriesEditor>(vector);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->Edit1->Text(), "9");
    EXPECT_EQ(editor->Edit2->Text(), "11");
    EXPECT_EQ(editor->CBStart->Checked(), vector->StartArrow()->Color() == clDefault);
    EXPECT_FALSE(editor->CBEnd->Checked());
    EXPECT_EQ(editor->BStart->Pen(), vector->StartArrow());
    EXPECT_EQ(editor->BEnd->Pen(), vector->EndArrow());
}

TEST_F(VectorEditorTest, EachControlWritesItsProperty) {
    vector->StartArrow()->SetColor(clDefault);
    auto* editor = Open<TVectorSeriesEditor>(vector);
    RunSteps({
        {"height", [&] { editor->Edit2->SetText("7"); },
         [&] { return vector->ArrowHeight() == 7 && vector->ArrowWidth() == 4; }},
        {"width", [&] { editor->Edit1->SetText("12"); },
         [&] { return vector->ArrowWidth() == 12 && vector->ArrowHeight() == 7; }},
        {"start not default", [&] { Click(editor->CBStart); },
         [&] { return vector->StartArrow()->Color() == clBlack; }},
        {"start default", [&] { Click(editor->CBStart); },
         [&] { return vector->StartArrow()->Color() == clDefault; }},
        {"end not default", [&] { Click(editor->CBEnd); },
         [&] { return vector->EndArrow()->Color() == clBlack; }},
    });
}

}  // namespace
