// The frame tool on the bench: the program's own frame pictures drawn on all four sides, the mat,
// the chart's margins set to the frame's width and given back when the tool stops resizing,
// goes inactive, leaves the chart or is freed; a style without a picture refused; and the tool
// from the gallery, edited and streamed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeFilterTransforms.h"
#include "chart/foundation/TeeFilters.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/tools/view/FrameTool.h"
#include "chart/tools/view/FrameToolEditor.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ScrollBar.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

// The standard picture formats for a test, so that a custom frame picture streams.
struct StandardFormats {
    StandardFormats() { RegisterStandardGraphicFormats(); }
    ~StandardFormats() { UnregisterStandardGraphicFormats(); }
};

bool NearColour(TColor a, TColor b, int tolerance = 6) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

void ExpectPercentMargins(TToolBench& bench) {
    TToolChart& chart = bench.Chart();
    EXPECT_EQ(chart.MarginUnits(), muPercent);
    EXPECT_EQ(chart.MarginTop(), 4);
    EXPECT_EQ(chart.MarginLeft(), 3);
    EXPECT_EQ(chart.MarginBottom(), 4);
    EXPECT_EQ(chart.MarginRight(), 3);
}

void ExpectPixelMargins(TToolBench& bench, int width) {
    TToolChart& chart = bench.Chart();
    EXPECT_EQ(chart.MarginUnits(), muPixels);
    EXPECT_EQ(chart.MarginTop(), width);
    EXPECT_EQ(chart.MarginLeft(), width);
    EXPECT_EQ(chart.MarginBottom(), width);
    EXPECT_EQ(chart.MarginRight(), width);
}

TEST(FrameTool, ANewToolDrawsTheMetalFrameOnEverySideAndSetsPixelMargins) {
    TToolBench bench;
    auto* tool = bench.AddTool<TFrameTool>();
    EXPECT_EQ(tool->Style(), 1);
    ExpectPixelMargins(bench, 16);
    bench.Render();
    const int w = TToolBench::Width, h = TToolBench::Height;
    // Left as drawn, right mirrored, top and bottom turned: the same moulding at the same
    // distance from the outer edge on every side. The metal is grey-blue, unlike the panel.
    for (int in : {1, 3, 8, 14}) {
        SCOPED_TRACE(in);
        const TColor left = bench.FrontPixel(in, h / 2);
        EXPECT_TRUE(GetBValue(left) > GetRValue(left) && left != clSilver);
        EXPECT_TRUE(NearColour(bench.FrontPixel(w - 1 - in, h / 2), left));
        EXPECT_TRUE(NearColour(bench.FrontPixel(w / 2, in), left));
        EXPECT_TRUE(NearColour(bench.FrontPixel(w / 2, h - 1 - in), left));
    }
    // The moulding is not flat, and inside the frame the chart shows.
    EXPECT_FALSE(NearColour(bench.FrontPixel(1, h / 2), bench.FrontPixel(14, h / 2), 2));
    EXPECT_FALSE(NearColour(bench.FrontPixel(20, h / 2), bench.FrontPixel(3, h / 2), 2));
}

TEST(FrameTool, TheProgramsFramePicturesLoadByNameAndAnUnknownStyleIsRefused) {
    TToolBench bench;
    auto* tool = bench.AddTool<TFrameTool>();
    for (int style = 1; style < TFrameTool::StyleCount; ++style) {
        tool->SetStyle(style);
        EXPECT_FALSE(tool->Frame()->Graphic()->Empty()) << style;
        TBitmap bitmap;
        LoadProgramBitmap(bitmap, "teeframe" + std::to_string(style));  // any letter case
        EXPECT_EQ(bitmap.Width(), 16);
    }
    EXPECT_THROW(tool->SetStyle(8), EResNotFound);
    EXPECT_THROW(tool->SetStyle(-1), EResNotFound);
    EXPECT_EQ(tool->Style(), 7);
}

TEST(FrameTool, MarginsAreGivenBackOnlyWhenTheToolHadSetThem) {
    TToolBench bench;
    TToolChart& chart = bench.Chart();
    chart.SetMarginUnits(muPixels);
    chart.SetMarginTop(10);
    auto* quiet = new TFrameTool(&bench.Form());
    quiet->SetResizeChart(false);
    quiet->SetParentChart(&chart);
    EXPECT_EQ(chart.MarginTop(), 10);  // never set, so never given back
    EXPECT_FALSE(quiet->MarginsSet());
    delete quiet;
    EXPECT_EQ(chart.MarginTop(), 10);

    const struct {
        const char* what;
        void (*undo)(TFrameTool*);
    } ways[] = {
        {"resize off", [](TFrameTool* t) { t->SetResizeChart(false); }},
        {"inactive", [](TFrameTool* t) { t->SetActive(false); }},
        {"removed", [](TFrameTool* t) { t->SetParentChart(nullptr); }},
        {"freed", [](TFrameTool* t) { delete t; }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.what);
        chart.SetMarginUnits(muPixels);
        auto* tool = bench.AddTool<TFrameTool>();
        ExpectPixelMargins(bench, 16);
        way.undo(tool);
        ExpectPercentMargins(bench);
        if (std::string(way.what) != "freed") delete tool;
    }
}

TEST(FrameTool, AFilledMatWidensTheMarginsAndIsDrawnWithItsOutline) {
    TToolBench bench;
    auto* tool = bench.AddTool<TFrameTool>();
    tool->Brush()->SetColor(clRed);
    tool->Brush()->SetStyle(bsSolid);
    ExpectPixelMargins(bench, 32);
    tool->Pen()->SetColor(clBlue);
    bench.Render();
    const int h = TToolBench::Height;
    EXPECT_EQ(bench.FrontPixel(16 + 4, h / 2), clRed);
    EXPECT_EQ(bench.FrontPixel(31, h / 2), clBlue);  // the outline at M - 1
    tool->SetPaspartou(8);
    ExpectPixelMargins(bench, 24);
}

TEST(FrameTool, AVisibleChartShadowShrinksTheFrame) {
    TToolBench bench;
    bench.AddTool<TFrameTool>();
    TTeeShadow& shadow = *bench.Chart().Shadow();
    shadow.SetVisible(true);
    shadow.SetHorizSize(5);
    shadow.SetVertSize(5);
    bench.Render();
    const int w = TToolBench::Width - 10, h = TToolBench::Height - 10;
    const TColor left = bench.FrontPixel(3, h / 2);
    EXPECT_TRUE(NearColour(bench.FrontPixel(w - 4, h / 2), left));
    EXPECT_TRUE(NearColour(bench.FrontPixel(w / 2, h - 4), left));
}

TEST(FrameToolEditing, FromTheGalleryEditedAndStreamed) {
    StandardFormats formats;
    RegisterImageFilters();  // as the program does: filters are read back by class name
    TToolBench bench;
    TToolsPageDriver page{bench};
    auto* tool = dynamic_cast<TFrameTool*>(page.AddFromGallery(&TFrameTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TFrameToolEditor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->CBStyle->ItemIndex(), 1);
    EXPECT_FALSE(editor->BBrowse->Enabled());
    EXPECT_FALSE(editor->CBChangeColor->Checked());
    RunSteps({
        {"size 20", [&] { editor->SBSize->SetPosition(20); },
         [&] { return tool->Size() == 20 && bench.Chart().MarginTop() == 20; }},
        {"gold", [&] { Choose(editor->CBStyle, 2); }, [&] { return tool->Style() == 2; }},
        {"mat 10", [&] { editor->SBPasSize->SetPosition(10); },
         [&] { return tool->Paspartou() == 10; }},
        {"colour filter", [&] { editor->CBChangeColor->SetChecked(true); },
         [&] { return tool->Frame()->HasFilters() && editor->SBRed->Enabled(); }},
        {"red 40", [&] { editor->SBRed->SetPosition(40); },
         [&] {
             auto* f = dynamic_cast<TColorFilter*>(tool->Frame()->Filters()->GetFilter(0));
             return f && f->Red() == 40;
         }},
        {"custom", [&] { Choose(editor->CBStyle, 0); },
         [&] { return tool->Style() == 0 && editor->BBrowse->Enabled(); }},
        {"no resize", [&] { editor->CBResize->SetChecked(false); },
         [&] { return !tool->ResizeChart() && bench.Chart().MarginUnits() == muPercent; }},
    });
    // Style 0 stores the picture with its filter.
    ExpectToolRoundTrips(bench, *tool);
}

}  // namespace
