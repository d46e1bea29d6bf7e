// The chart streams that once asked for gigabytes from a few bytes, or did not read back as they
// were written, kept under fuzz/regressions/chart-stream: each reads, draws into a small bitmap
// at that bitmap's size, and what is written of it in either form reads back the same.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/grid3d/ContourSeries.h"
#include "chart/engine/grid3d/GridSeriesRegistration.h"
#include "chart/export/ChartStream.h"
#include "chart/foundation/BackImage.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeFilterTransforms.h"
#include "chart/foundation/TeeFont.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsLimits.h"
#include "platform/graphics/Metafile.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Form.h"
#include "tests/support/KeptInputs.h"

namespace {

std::string Bytes(TMemoryStream& s) { return std::string(s.Memory(), size_t(s.Size())); }

class ChartStreamFindingsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        LoadCoreTexts();
        LoadExtendedTexts();
        RegisterMetafileFormats();
        FoundationUnitStartup();
        ChartEngineUnitStartup();
        GridSeriesUnitStartup();
        RegisterImageFilters();
        ChartStreamUnitStartup();
    }
    static void TearDownTestSuite() {
        GridSeriesUnitShutdown();
        UnregisterMetafileFormats();
    }

    static void Read(TChart& chart, const std::string& bytes) {
        TMemoryStream in;
        in.WriteBuffer(bytes.data(), int64_t(bytes.size()));
        in.SetPosition(0);
        ReadChartStream(chart, in);
    }
    static std::string Write(TChart& chart, bool asText) {
        TMemoryStream out;
        WriteChartStream(chart, out, true, asText);
        return Bytes(out);
    }
    TChart& ReadFinding(const std::string& name) {
        Read(*Chart, KeptInputBytes("chart-stream", name + ".bin"));
        return *Chart;
    }
    // Drawn as the harness draws it: into a bitmap far smaller than the chart says it is.
    void DrawSmall() {
        TBitmap target(160, 120);
        Chart->Draw(target.Canvas(), TRect{0, 0, 160, 120});
    }
    // Written in the form given, read into a fresh chart and written again: the same bytes.
    void ExpectReadsBackAsWritten(bool asText) {
        const std::string saved = Write(*Chart, asText);
        TChart again(&Form);
        Read(again, saved);
        EXPECT_EQ(Write(again, asText), saved) << (asText ? "text" : "binary");
    }

    TForm Form{nullptr};
    TChart* Chart = new TChart(&Form);
};

TEST_F(ChartStreamFindingsTest, AChartDeclaring40000x20000PixelsDrawsAtItsTargetsSize) {
    ReadFinding("chart-size-40000x20000");
    EXPECT_EQ(Chart->Width(), 40000);
    EXPECT_EQ(Chart->Height(), 20000);
    DrawSmall();
    // After the pass the chart's own surface is bound again, at the size it had, not at the
    // 3.2 GB its declared size would take.
    TCanvas* bound = Chart->Canvas3D()->BoundCanvas();
    ASSERT_NE(bound, nullptr);
    EXPECT_LE(int64_t(bound->Width()) * bound->Height(), MaxRasterPixels);
}

TEST_F(ChartStreamFindingsTest, AFilteredBackImageOfAHugeMetafileIsScaledDownToTheLimit) {
    ReadFinding("backimage-emf-40000x25000-with-filter");
    TBackImage* image = Chart->BackImage();
    ASSERT_NE(image->Graphic(), nullptr);
    EXPECT_EQ(image->Width(), 40000);
    EXPECT_EQ(image->Height(), 25000);
    DrawSmall();
    const TGraphic* filtered = image->FilteredGraphic();
    ASSERT_NE(filtered, nullptr);
    EXPECT_LE(int64_t(filtered->Width()) * filtered->Height(), MaxRasterPixels);
    // Nearly the limit, in the picture's proportions.
    EXPECT_GT(int64_t(filtered->Width()) * filtered->Height(), MaxRasterPixels * 99 / 100);
    EXPECT_NEAR(double(filtered->Width()) / filtered->Height(), 1.6, 0.01);
    ExpectReadsBackAsWritten(false);
}

// The finding ends right after NumXValues = 1610613138: the grid index it once asked for
// (86 GB) is not made, and the stream is refused at its end. The same number set on a series
// keeps an empty index, generates no grid, and reads back as written.
TEST_F(ChartStreamFindingsTest, AGridOfABillionColumnsKeepsAnEmptyIndexAndGeneratesNothing) {
    EXPECT_THROW(ReadFinding("oom-grid-NumXValues"), Exception);
    EXPECT_EQ(Chart->SeriesCount(), 0);

    auto* grid = new TContourSeries(&Form);
    grid->SetName("Series1");
    Chart->AddSeries(grid);
    grid->SetNumXValues(1610613138);
    EXPECT_EQ(grid->NumXValues(), 1610613138);
    EXPECT_EQ(grid->GridIndex(1, 1), -1);
    // Generating the grid is refused as well: no points, not 1.6e9 times NumZValues.
    grid->FillSampleValues(grid->NumXValues());
    EXPECT_EQ(grid->Count(), 0);
    DrawSmall();
    ExpectReadsBackAsWritten(false);
    ExpectReadsBackAsWritten(true);
}

// A title font whose style differs from the style the title starts in is written, also when it
// is plain: the foot titles start italic, the legend's title bold.
TEST_F(ChartStreamFindingsTest, APlainFootTitleIsWrittenAndReadsBackPlain) {
    ReadFinding("roundtrip-foot-font-style-empty");
    EXPECT_EQ(Chart->Foot()->Font()->Style(), TFontStyles{});
    ExpectReadsBackAsWritten(false);
    ExpectReadsBackAsWritten(true);

    TChart made(&Form);
    EXPECT_EQ(made.Foot()->Font()->Style(), TFontStyles{fsItalic});
    EXPECT_EQ(made.Legend()->Title()->Font()->Style(), TFontStyles{fsBold});
    const std::string untouched = Write(made, true);
    EXPECT_EQ(untouched.find("Font.Style"), std::string::npos) << untouched;
    made.Foot()->Font()->SetStyle({});
    made.SubFoot()->Font()->SetStyle({fsBold});
    made.Legend()->Title()->Font()->SetStyle({});
    made.Title()->Font()->SetStyle({fsUnderline});
    for (bool asText : {false, true}) {
        TChart back(&Form);
        Read(back, Write(made, asText));
        EXPECT_EQ(back.Foot()->Font()->Style(), TFontStyles{});
        EXPECT_EQ(back.SubFoot()->Font()->Style(), TFontStyles{fsBold});
        EXPECT_EQ(back.Legend()->Title()->Font()->Style(), TFontStyles{});
        EXPECT_EQ(back.Title()->Font()->Style(), TFontStyles{fsUnderline});
    }
}

// The same for the colour: the titles start blue and the foot titles red, and a title font set
// to black (any other chart font's own default) is written and reads back black, in both forms;
// a title left in its own colour is not written.
TEST_F(ChartStreamFindingsTest, ATitleFontSetToBlackIsWrittenAndReadsBackBlack) {
    TChart made(&Form);
    const std::string untouched = Write(made, true);
    EXPECT_EQ(untouched.find("Font.Color"), std::string::npos) << untouched;
    made.Title()->Font()->SetColor(clBlack);
    made.Foot()->Font()->SetColor(clBlack);
    made.SubFoot()->Font()->SetColor(clBlue);
    made.Legend()->Font()->SetColor(clRed);
    for (bool asText : {false, true}) {
        TChart back(&Form);
        Read(back, Write(made, asText));
        SCOPED_TRACE(asText ? "text" : "binary");
        EXPECT_EQ(back.Title()->Font()->Color(), clBlack);
        EXPECT_EQ(back.SubTitle()->Font()->Color(), clBlue);
        EXPECT_EQ(back.Foot()->Font()->Color(), clBlack);
        EXPECT_EQ(back.SubFoot()->Font()->Color(), clBlue);
        EXPECT_EQ(back.Legend()->Font()->Color(), clRed);
    }
    made.Title()->Font()->SetColor(clBlue);
    made.Foot()->Font()->SetColor(clRed);
    made.SubFoot()->Font()->SetColor(clRed);
    made.Legend()->Font()->SetColor(clBlack);
    EXPECT_EQ(Write(made, true), untouched);
}

// An unnormal 80-bit value reads as NaN; every NaN is written as the one NaN the text form spells
// and reads back, so the chart saves in both forms.
TEST_F(ChartStreamFindingsTest, ANaNReadFromAnUnnormalValueIsWrittenInBothForms) {
    ReadFinding("roundtrip-nan-extended-not-text");
    ASSERT_EQ(Chart->SeriesCount(), 1);
    auto* grid = dynamic_cast<TContourSeries*>(Chart->GetSeries(0));
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(std::isnan(grid->YPosition()));
    ExpectReadsBackAsWritten(false);
    ExpectReadsBackAsWritten(true);
    TChart back(&Form);
    Read(back, Write(*Chart, true));
    auto* backGrid = dynamic_cast<TContourSeries*>(back.GetSeries(0));
    ASSERT_NE(backGrid, nullptr);
    EXPECT_TRUE(std::isnan(backGrid->YPosition()));
    // A NaN with its sign set, as an invalid operation gives it, is written as well.
    grid->SetYPosition(-std::nan(""));
    EXPECT_NO_THROW(Write(*Chart, true));
}

// A value list whose name was emptied is written with its empty name: the reader would otherwise
// keep the name its series' constructor gives it.
TEST_F(ChartStreamFindingsTest, AnEmptiedValueListNameReadsBackEmpty) {
    ReadFinding("roundtrip-empty-value-list-name");
    ASSERT_EQ(Chart->SeriesCount(), 1);
    EXPECT_EQ(Chart->GetSeries(0)->XValues().Name(), "");
    ExpectReadsBackAsWritten(false);
    ExpectReadsBackAsWritten(true);
    for (bool asText : {false, true}) {
        TChart back(&Form);
        Read(back, Write(*Chart, asText));
        ASSERT_EQ(back.SeriesCount(), 1);
        EXPECT_EQ(back.GetSeries(0)->XValues().Name(), "") << asText;
        EXPECT_EQ(back.GetSeries(0)->YValues().Name(), "Y") << asText;
    }
}

}  // namespace
