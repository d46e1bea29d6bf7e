// The extended XY series as the program meets them: registered in the galleries under their
// names and pages with their editors, and each created from its entry, given sample values,
// drawn, edited through its form and streamed back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/editors/PointerEditor.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeFont.h"
#include "chart/series/xy/ArrowSeries.h"
#include "chart/series/xy/ArrowSeriesEditor.h"
#include "chart/series/xy/BubbleSeries.h"
#include "chart/series/xy/BubbleSeriesEditor.h"
#include "chart/series/xy/ChartShape.h"
#include "chart/series/xy/ChartShapeEditor.h"
#include "chart/series/xy/ErrorBarSeries.h"
#include "chart/series/xy/ErrorSeries.h"
#include "chart/series/xy/ErrorSeriesEditor.h"
#include "chart/series/xy/GanttSeries.h"
#include "chart/series/xy/GanttSeriesEditor.h"
#include "chart/series/xy/HighLowEditor.h"
#include "chart/series/xy/HighLowLineEditor.h"
#include "chart/series/xy/HighLowLineSeries.h"
#include "chart/series/xy/HighLowSeries.h"
#include "chart/series/xy/ImageBarSeries.h"
#include "chart/series/xy/ImageBarSeriesEditor.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Memo.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/ScrollBar.h"
#include "tests/chart/series/GalleryRoundTrip.h"

namespace {

struct XYEntryCase {
    const char* name;
    const char* page;
    const char* className;
    int sampleSeries;
    const char* editor;
};
const XYEntryCase XYEntries[] = {
    {"Gantt", "Standard", "TGanttSeries", 1, "TGanttSeriesEditor"},
    {"Shape", "Standard", "TChartShape", 2, "TChartShapeEditor"},
    {"Bubble", "Standard", "TBubbleSeries", 1, "TBubbleSeriesEditor"},
    {"Arrow", "Extended", "TArrowSeries", 2, "TArrowSeriesEditor"},
    {"Error Bar", "Stats", "TErrorBarSeries", 1, "TErrorSeriesEditor"},
    {"Error", "Stats", "TErrorSeries", 1, "TErrorSeriesEditor"},
    {"High-Low", "Stats", "THighLowSeries", 1, "THighLowEditor"},
    {"HighLow Line", "Stats", "THighLowLineSeries", 1, "THighLowLineEditor"},
    {"ImageBar", "Other", "TImageBarSeries", 1, "TImageBarSeriesEditor"},
    {"ImagePoint", "Other", "TImagePointSeries", 1, "TSeriesPointerEditor"},
    {"DeltaPoint", "Other", "TDeltaPointSeries", 1, "TSeriesPointerEditor"},
};

class XYGalleryTest : public ::testing::Test {
protected:
    // The pictures of the image series are stored in the bitmap's file form.
    XYGalleryTest() { RegisterStandardGraphicFormats(); }
    TSeriesLibraryStartup Library;
};

TEST_F(XYGalleryTest, EntriesAndEditorsRegistered) {
    for (const XYEntryCase& c : XYEntries) {
        SCOPED_TRACE(c.name);
        TTeeSeriesType* e = FindGalleryEntry(c.name);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(*e->PageText, c.page);
        EXPECT_EQ(e->SampleSeriesCount, c.sampleSeries);
        ASSERT_NE(e->SeriesClassRef, nullptr);
        EXPECT_EQ(e->SeriesClassRef->ClassName(), c.className);
        EXPECT_EQ(TCustomChartElement::EditorClassNameOf(e->SeriesClassRef), c.editor);
        EXPECT_NE(FindClass(c.editor), nullptr);
    }
}

// Every series: sample values, a drawing, its form opened, streamed back unchanged.
TEST_F(XYGalleryTest, EverySeriesDrawsOpensItsFormAndStreamsBack) {
    for (const XYEntryCase& c : XYEntries) {
        SCOPED_TRACE(c.name);
        TGalleryRoundTrip trip(*FindGalleryEntry(c.name));
        EXPECT_GT(trip.Series->Count(), 0);
        trip.Draw();
        TForm* form = trip.OpenEditor();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->ClassName(), c.editor);
        trip.Draw();
        trip.ExpectStreamsBackEqual();
    }
}

TEST_F(XYGalleryTest, GanttThroughItsForm) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Gantt"));
    auto* series = static_cast<TGanttSeries*>(trip.Series);
    auto* form = dynamic_cast<TGanttSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->CBColorEach->Checked());
    EXPECT_FALSE(form->BColor->Enabled());
    form->SEPointVertSize->SetText("9");
    EXPECT_EQ(series->Pointer()->VertSize(), 9);
    form->Edit1->SetText("40");
    EXPECT_EQ(series->Transparency(), 40);
    form->CBColorEach->SetChecked(false);
    EXPECT_FALSE(series->ColorEachPoint());
    EXPECT_TRUE(form->BColor->Enabled());
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

TEST_F(XYGalleryTest, ShapeThroughItsForm) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Shape"));
    auto* shape = static_cast<TChartShape*>(trip.Series);
    ASSERT_EQ(shape->Count(), 2);
    auto* form = dynamic_cast<TChartShapeEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->CBStyle->ItemIndex(), int(shape->Style()));
    form->CBStyle->SetItemIndex(chasRectangle);
    form->CBStyle->OnChange(form->CBStyle);
    EXPECT_EQ(shape->Style(), chasRectangle);
    EXPECT_TRUE(form->CBRound->Enabled());
    form->CBRound->SetChecked(true);
    EXPECT_TRUE(shape->RoundRectangle());
    form->MemoText->Lines()->Add("hello");
    EXPECT_EQ(shape->Text()->Count(), 1);
    form->RGAlign->SetItemIndex(0);
    EXPECT_EQ(shape->Alignment(), taLeftJustify);
    form->RGVertAlign->SetItemIndex(2);
    EXPECT_EQ(shape->VertAlign(), vaBottom);
    form->SEX1->SetText("333.5");
    EXPECT_EQ(shape->X1(), 333.5);
    form->SEY0->SetText("left");  // not a number: ignored
    form->CBUnits->SetItemIndex(xysAxisOrigin);
    form->CBUnits->OnChange(form->CBUnits);
    EXPECT_EQ(shape->XYStyle(), xysAxisOrigin);
    form->CBTrans->SetChecked(true);
    EXPECT_TRUE(shape->Transparent());
    shape->Brush()->SetColor(clDefault);
    shape->Font()->SetColor(clRed);
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

TEST_F(XYGalleryTest, ImageBarThroughItsForm) {
    TGalleryRoundTrip trip(*FindGalleryEntry("ImageBar"));
    auto* series = static_cast<TImageBarSeries*>(trip.Series);
    auto* form = dynamic_cast<TImageBarSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->BBrowse->Caption(), "Clea&r");
    EXPECT_TRUE(form->CBTiled->Enabled());
    form->CBTiled->SetChecked(true);
    EXPECT_TRUE(series->ImageTiled());
    form->CBTransp->SetChecked(true);
    EXPECT_TRUE(series->ImageTransparent());
    trip.Draw();
    trip.ExpectStreamsBackEqual();
    form->BBrowse->Click();  // holds a picture: clears it
    EXPECT_EQ(series->Image()->Graphic(), nullptr);
    EXPECT_EQ(form->BBrowse->Caption(), "B&rowse...");
    EXPECT_FALSE(form->CBTiled->Enabled());
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

TEST_F(XYGalleryTest, ArrowThroughItsForm) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Arrow"));
    auto* series = static_cast<TArrowSeries*>(trip.Series);
    auto* form = dynamic_cast<TArrowSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->LPercent->Caption(), "50%");
    form->SBPercent->SetPosition(30);
    EXPECT_EQ(series->ArrowPercent(), 30);
    EXPECT_EQ(form->LPercent->Caption(), "30%");
    form->SEArrowWidth->SetText("14");
    form->SEArrowHeight->SetText("9");
    EXPECT_EQ(series->ArrowWidth(), 14);
    EXPECT_EQ(series->ArrowHeight(), 9);
    series->Pointer()->SetBrushColor(clRed);
    form->CBColorEach->SetChecked(true);
    EXPECT_TRUE(series->ColorEachPoint());
    EXPECT_EQ(series->Pointer()->BrushColor(), clDefault);
    EXPECT_FALSE(form->BArrowColor->Enabled());
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

TEST_F(XYGalleryTest, BubbleFormHidesTheVisibleBox) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Bubble"));
    auto* form = dynamic_cast<TBubbleSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->CBDrawPoint->Visible());
    // The bubbles' size follows their radius: no size controls.
    EXPECT_FALSE(form->SEPointHorizSize->Visible());
    auto* series = static_cast<TBubbleSeries*>(trip.Series);
    series->SetSquared(false);
    trip.ExpectStreamsBackEqual();
}

TEST_F(XYGalleryTest, ErrorSeriesThroughTheForm) {
    {
        TGalleryRoundTrip trip(*FindGalleryEntry("Error"));
        auto* series = static_cast<TErrorSeries*>(trip.Series);
        auto* form = dynamic_cast<TErrorSeriesEditor*>(trip.OpenEditor());
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(form->RGStyle->Visible());
        EXPECT_EQ(form->RGStyle->ItemIndex(), int(essTopBottom));
        form->RGStyle->SetItemIndex(essLeftRight);
        EXPECT_EQ(series->ErrorStyle(), essLeftRight);
        form->RGWidthUnit->SetItemIndex(ewuPixels);
        EXPECT_EQ(series->ErrorWidthUnits(), ewuPixels);
        form->SEBarwidth->SetText("30");
        EXPECT_EQ(series->ErrorWidth(), 30);
        trip.Draw();
        trip.ExpectStreamsBackEqual();
    }
    TGalleryRoundTrip bars(*FindGalleryEntry("Error Bar"));
    auto* form = dynamic_cast<TErrorSeriesEditor*>(bars.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->RGStyle->Visible());
    form->CBColorEach->SetChecked(true);
    EXPECT_TRUE(bars.Series->ColorEachPoint());
    bars.ExpectStreamsBackEqual();
}

TEST_F(XYGalleryTest, HighLowFormsEditTheirSeries) {
    TGalleryRoundTrip band(*FindGalleryEntry("High-Low"));
    auto* series = static_cast<THighLowSeries*>(band.Series);
    auto* form = dynamic_cast<THighLowEditor*>(band.OpenEditor());
    ASSERT_NE(form, nullptr);
    form->Edit1->SetText("25");
    EXPECT_EQ(series->Transparency(), 25);
    form->CBColorEach->SetChecked(true);
    EXPECT_TRUE(series->ColorEachPoint());
    series->HighBrush()->SetStyle(bsSolid);
    band.Draw();
    band.ExpectStreamsBackEqual();

    TGalleryRoundTrip lines(*FindGalleryEntry("HighLow Line"));
    auto* lineForm = dynamic_cast<THighLowLineEditor*>(lines.OpenEditor());
    ASSERT_NE(lineForm, nullptr);
    lineForm->CBColorEach->SetChecked(true);
    EXPECT_TRUE(lines.Series->ColorEachPoint());
    static_cast<THighLowLineSeries*>(lines.Series)->LowPointer()->SetStyle(psCircle);
    lines.ExpectStreamsBackEqual();
}

std::vector<std::string> XYVariantNames(TChartSeries& series) {
    std::vector<std::string> names;
    series.ListGalleryVariants([&](const std::string& name) { names.push_back(name); });
    return names;
}

TEST_F(XYGalleryTest, HighLowVariantsAndGalleryLooks) {
    TGalleryRoundTrip trip(*FindGalleryEntry("High-Low"));
    auto* s = static_cast<THighLowSeries*>(trip.Series);
    EXPECT_EQ(XYVariantNames(*s),
              (std::vector<std::string>{"Normal", "Filled", "No Lines", "No High", "No Low"}));
    s->ApplyGalleryVariant(s, 1);
    EXPECT_EQ(s->HighBrush()->Style(), bsSolid);
    s->ApplyGalleryVariant(s, 2);
    EXPECT_FALSE(s->Pen()->Visible());
    s->ApplyGalleryVariant(s, 3);
    EXPECT_FALSE(s->HighPen()->Visible());
    s->ApplyGalleryVariant(s, 4);
    EXPECT_FALSE(s->LowPen()->Visible());

    TGalleryRoundTrip arrows(*FindGalleryEntry("Arrow"));
    auto* a = static_cast<TArrowSeries*>(arrows.Series);
    a->PrepareForGallery(false);
    EXPECT_EQ(a->Count(), 3);
    EXPECT_EQ(a->ArrowWidth(), 12);
    EXPECT_EQ(a->SeriesColor(), clSilver);
    // No pointer styles among the arrow's variants.
    EXPECT_EQ(XYVariantNames(*a).size(), 6u);

    TGalleryRoundTrip errors(*FindGalleryEntry("Error Bar"));
    auto* e = static_cast<TErrorBarSeries*>(errors.Series);
    e->PrepareForGallery(true);
    EXPECT_EQ(e->ErrorPen()->Width(), 2);
    EXPECT_EQ(e->ErrorPen()->Color(), clRed);
    EXPECT_EQ(e->SeriesColor(), clBlue);
}

}  // namespace
