// The statistical, variant and share series as the program meets them: registered under their
// gallery names and pages with their forms, gone after the last shutdown, and each created from
// its entry, filled, drawn, edited through its form and streamed back equal.
#include <gtest/gtest.h>

#include <string>

#include "chart/editors/BarSeriesEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/shares/FunnelSeries.h"
#include "chart/series/shares/FunnelSeriesEditor.h"
#include "chart/series/shares/PyramidSeries.h"
#include "chart/series/shares/PyramidSeriesEditor.h"
#include "chart/series/shares/VolumePipeSeries.h"
#include "chart/series/shares/VolumePipeSeriesEditor.h"
#include "chart/series/stats/BoxSeries.h"
#include "chart/series/stats/BoxSeriesEditor.h"
#include "chart/series/stats/HistogramSeries.h"
#include "chart/series/stats/HistogramSeriesEditor.h"
#include "chart/series/variant/Bar3DSeries.h"
#include "chart/series/variant/BarJoinEditor.h"
#include "chart/series/variant/BarJoinSeries.h"
#include "chart/series/variant/BezierSeries.h"
#include "chart/series/variant/DonutSeries.h"
#include "chart/series/variant/DonutSeriesEditor.h"
#include "chart/series/variant/LinePointEditor.h"
#include "chart/series/variant/LinePointSeries.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "tests/chart/series/GalleryRoundTrip.h"

namespace {

struct ExtendedEntry {
    const char* name;
    const char* page;
    const char* className;
    int sampleSeries;
    const char* editor;  // none for a series without a form of its own
};
const ExtendedEntry ExtendedEntries[] = {
    {"BoxPlot", "Stats", "TBoxSeries", 2, "TBoxSeriesEditor"},
    {"Horizontal\rBoxPlot", "Stats", "THorizBoxSeries", 2, "TBoxSeriesEditor"},
    {"Histogram", "Stats", "THistogramSeries", 1, "THistogramSeriesEditor"},
    {"Horizontal\rHistogram", "Stats", "THorizHistogramSeries", 1, "THistogramSeriesEditor"},
    {"Bezier", "Extended", "TBezierSeries", 1, nullptr},
    {"Donut", "Extended", "TDonutSeries", 1, "TDonutSeriesEditor"},
    {"Line Point", "Other", "TMyPointSeries", 1, "TLinePointEditor"},
    {"Bar Join", "Other", "TBarJoinSeries", 1, "TBarJoinEditor"},
    {"Bar 3D", "Other", "TBar3DSeries", 1, "TBarSeriesEditor"},
    {"Pyramid", "Extended", "TPyramidSeries", 2, "TPyramidSeriesEditor"},
    {"Funnel", "Stats", "TFunnelSeries", 1, "TFunnelSeriesEditor"},
    {"VolumePipe", "Stats", "TVolumePipeSeries", 1, "TVolumePipeSeriesEditor"},
};

TEST(ExtendedRegistrationTest, EntriesFormsAndShutdown) {
    {
        TSeriesLibraryStartup library;
        for (const ExtendedEntry& c : ExtendedEntries) {
            SCOPED_TRACE(c.name);
            TTeeSeriesType* e = FindGalleryEntry(c.name);
            ASSERT_NE(e, nullptr);
            EXPECT_EQ(*e->PageText, c.page);
            EXPECT_EQ(e->SampleSeriesCount, c.sampleSeries);
            ASSERT_NE(e->SeriesClassRef, nullptr);
            EXPECT_EQ(e->SeriesClassRef->ClassName(), c.className);
            EXPECT_EQ(TCustomChartElement::EditorClassNameOf(e->SeriesClassRef),
                      c.editor ? c.editor : "");
            if (c.editor) {
                EXPECT_NE(FindClass(c.editor), nullptr) << c.editor;
            }
        }
    }
    TSeriesLibraryStartup again;
    ChartSeriesUnitShutdown();
    for (const ExtendedEntry& c : ExtendedEntries)
        EXPECT_EQ(FindGalleryEntry(c.name), nullptr) << c.name;
    ChartSeriesUnitStartup();
}

class ExtendedGalleryTest : public ::testing::Test {
protected:
    TSeriesLibraryStartup Library;
};

// Every series of the entry's class: filled, drawn, its form (if any) shown, streamed back.
TEST_F(ExtendedGalleryTest, EverySeriesDrawnEditedAndStreamedBack) {
    for (const ExtendedEntry& c : ExtendedEntries) {
        SCOPED_TRACE(c.name);
        TGalleryRoundTrip trip(*FindGalleryEntry(c.name));
        EXPECT_GT(trip.Series->Count(), 0);
        trip.Draw();
        if (c.editor) {
            TForm* form = trip.OpenEditor();
            ASSERT_NE(form, nullptr);
            EXPECT_EQ(form->ClassName(), c.editor);
        }
        trip.Series->SetTitle("edited");
        trip.Draw();
        trip.ExpectStreamsBackEqual();
    }
}

TEST_F(ExtendedGalleryTest, BoxThroughItsForm) {
    TGalleryRoundTrip trip(*FindGalleryEntry("BoxPlot"));
    auto* box = static_cast<TBoxSeries*>(trip.Series);
    trip.Draw();
    auto* form = dynamic_cast<TBoxSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->ELength->Text(), "1.5");
    form->ELength->SetText("2");
    EXPECT_EQ(box->WhiskerLength(), 2);
    form->EPos->SetText("3.5");
    EXPECT_EQ(box->Position(), 3.5);
    std::string reported;
    Application->OnException = [&](TObject*, const Exception& e) { reported = e.what(); };
    form->EPos->SetText("left");  // not a number: reported, the position stays
    Application->OnException = nullptr;
    EXPECT_EQ(box->Position(), 3.5);
    EXPECT_NE(reported.find("left"), std::string::npos);
    // The statistics are stored only while they are given.
    EXPECT_EQ(ChartSnapshot(*trip.Chart).find("Quartile1"), std::string::npos);
    box->SetUseCustomValues(true);
    box->SetQuartile1(-7);
    EXPECT_NE(ChartSnapshot(*trip.Chart).find("Quartile1"), std::string::npos);
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

TEST_F(ExtendedGalleryTest, HistogramThroughItsForm) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Histogram"));
    auto* h = static_cast<THistogramSeries*>(trip.Series);
    auto* form = dynamic_cast<THistogramSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(h->Transparency(), 0);  // loading wrote nothing back
    EXPECT_TRUE(form->BAreaColor->Enabled());
    form->CBColorEach->SetChecked(true);
    EXPECT_TRUE(h->ColorEachPoint());
    EXPECT_FALSE(form->BAreaColor->Enabled());
    form->Edit1->SetText("30");
    EXPECT_EQ(h->Transparency(), 30);
    h->LinesPen()->SetVisible(true);
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

TEST_F(ExtendedGalleryTest, DonutLinePointAndBarJoinThroughTheirForms) {
    {
        TGalleryRoundTrip trip(*FindGalleryEntry("Donut"));
        auto* form = dynamic_cast<TDonutSeriesEditor*>(trip.OpenEditor());
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->EDonut->Text(), "50");
        form->EDonut->SetText("35");
        EXPECT_EQ(static_cast<TDonutSeries*>(trip.Series)->DonutPercent(), 35);
        EXPECT_NE(form->PiePage(), nullptr);
        trip.ExpectStreamsBackEqual();
    }
    {
        TGalleryRoundTrip trip(*FindGalleryEntry("Line Point"));
        auto* form = dynamic_cast<TLinePointEditor*>(trip.OpenEditor());
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->BLines->Caption(), "&Lines...");
        static_cast<TMyPointSeries*>(trip.Series)->LinesPen()->SetColor(clBlue);
        trip.Draw();
        trip.ExpectStreamsBackEqual();
    }
    {
        TGalleryRoundTrip trip(*FindGalleryEntry("Bar Join"));
        EXPECT_EQ(trip.Series->Count(), 3);
        auto* form = dynamic_cast<TBarJoinEditor*>(trip.OpenEditor());
        ASSERT_NE(form, nullptr);
        static_cast<TBarJoinSeries*>(trip.Series)->JoinPen()->SetWidth(3);
        trip.Draw();
        trip.ExpectStreamsBackEqual();
    }
}

TEST_F(ExtendedGalleryTest, PyramidAndFunnelThroughTheirForms) {
    {
        TGalleryRoundTrip trip(*FindGalleryEntry("Pyramid"));
        auto* p = static_cast<TPyramidSeries*>(trip.Series);
        auto* form = dynamic_cast<TPyramidSeriesEditor*>(trip.OpenEditor());
        ASSERT_NE(form, nullptr);
        EXPECT_FALSE(form->BColor->Enabled());  // a colour per slice
        form->Edit1->SetText("70");
        EXPECT_EQ(p->SizePercent(), 70);
        form->CBColorEach->SetChecked(false);
        EXPECT_TRUE(form->BColor->Enabled());
        trip.Draw();
        trip.ExpectStreamsBackEqual();
    }
    {
        TGalleryRoundTrip trip(*FindGalleryEntry("Funnel"));
        auto* f = static_cast<TFunnelSeries*>(trip.Series);
        auto* form = dynamic_cast<TFunnelSeriesEditor*>(trip.OpenEditor());
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Edit1->Text(), "30");
        form->Edit1->SetText("20");
        EXPECT_EQ(f->DifferenceLimit(), 20);
        form->Edit1->SetText("60");  // beyond 1..50
        EXPECT_EQ(f->DifferenceLimit(), 20);
        trip.Draw();
        trip.ExpectStreamsBackEqual();
    }
}

TEST_F(ExtendedGalleryTest, VolumePipeThroughItsForm) {
    TGalleryRoundTrip trip(*FindGalleryEntry("VolumePipe"));
    auto* p = static_cast<TVolumePipeSeries*>(trip.Series);
    EXPECT_EQ(p->Count(), 5);
    EXPECT_EQ(p->PointLabel(3), "Monitors");
    auto* form = dynamic_cast<TVolumePipeSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Edit2->Text(), "30");
    form->Edit2->SetText("150");
    EXPECT_EQ(p->ConePercent(), 150);
    trip.Draw();  // drawn as 100
    EXPECT_EQ(p->Segments().back().Right, p->Outline().P1.X);
    EXPECT_TRUE(form->CheckGradient->Checked());
    form->CheckGradient->SetChecked(false);
    EXPECT_FALSE(p->Gradient()->Visible());
    form->CBDirection->SetItemIndex(1);
    form->CBDirection->OnChange(form->CBDirection);
    EXPECT_EQ(p->Gradient()->Direction(), gdRightLeft);
    form->CheckBox1->SetChecked(true);
    EXPECT_EQ(p->Brush()->Color(), clNone);
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

}  // namespace
