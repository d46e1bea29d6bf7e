// The 3-D page's Views tab: the six sample views, the sample that matches the chart, and a view
// applied only when the user picks it.
#include <gtest/gtest.h>

#include <QTabBar>
#include <string>

#include "chart/editors/GalleryPanel.h"
#include "chart/editors/View3DPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/StandardSeries.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/TrackBar.h"
#include "tests/chart/editors/ChartPageFixture.h"
#include "tests/platform/ui/UserInput.h"

namespace {

// The library's start-up with the standard series types registered, as the gallery unit's
// start-up does.
struct TStartupWithStandardTypes : TLibraryStartup {
    TStartupWithStandardTypes() { RegisterStandardSeriesTypes(); }
    ~TStartupWithStandardTypes() { FreeSeriesTypeRegistries(); }
};

struct ViewsTest : ChartPageFixture<TStartupWithStandardTypes> {
    TFormTee3D* page = nullptr;

    ViewsTest() {
        AddParabola("Series1");
        window.Show();
        page = ShowBeside(new TFormTee3D(&window, chart), 480, 360);
    }
    TChartList& Samples() { return page->ChartGalleryPanel1->Charts(); }
    // The chart takes the view of the sample.
    void SetView(TCustomChart& from) {
        TView3DOptions& v = *chart->View3DOptions();
        chart->SetView3D(from.View3D());
        v.SetOrthogonal(from.View3DOptions()->Orthogonal());
        v.SetOrthoAngle(from.View3DOptions()->OrthoAngle());
        v.SetRotation(from.View3DOptions()->Rotation());
        v.SetElevation(from.View3DOptions()->Elevation());
    }
};

TEST_F(ViewsTest, SixSamplesAndTheMatchingOneSelected) {
    ASSERT_GT(SeriesTypeList().Count(), 0);
    chart->View3DOptions()->SetRotation(10);  // matches no sample
    const std::string before = Bytes(chart);
    ClickPage(page->TabViews);
    ASSERT_EQ(Samples().Count(), 6);
    const char* captions[] = {"2D", "Ortho Right", "Ortho Left", "3D Front", "3D Right", "3D Left"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Samples()[i]->Title()->Text()->Strings(0), captions[i]) << i;
    EXPECT_FALSE(Samples()[0]->View3D());
    EXPECT_EQ(Samples()[2]->View3DOptions()->OrthoAngle(), 135);
    EXPECT_FALSE(Samples()[4]->View3DOptions()->Orthogonal());
    EXPECT_EQ(Samples()[4]->View3DOptions()->Rotation(), 300);
    EXPECT_EQ(Samples()[4]->View3DOptions()->Elevation(), 360);
    EXPECT_EQ(page->ChartGalleryPanel1->SelectedChart(), nullptr);
    EXPECT_EQ(Bytes(chart), before);

    // A chart in the "3D Right" view finds that sample selected.
    ClickPage(page->TabOptions);
    SetView(*Samples()[4]);
    ClickPage(page->TabViews);
    EXPECT_EQ(page->ChartGalleryPanel1->SelectedChart(), Samples()[4]);
    EXPECT_EQ(Samples().Count(), 6);
}

TEST_F(ViewsTest, RevisitingTheViewsNeverChangesTheChart) {
    ClickPage(page->TabViews);
    SetView(*Samples()[4]);
    ClickPage(page->TabOptions);
    ClickPage(page->TabViews);
    ASSERT_EQ(page->ChartGalleryPanel1->SelectedChart(), Samples()[4]);
    // The user turns the chart on the Options tab: it matches no sample any more.
    ClickPage(page->TabOptions);
    chart->View3DOptions()->SetRotation(20);
    const std::string before = Bytes(chart);
    ClickPage(page->TabViews);
    EXPECT_EQ(page->ChartGalleryPanel1->SelectedChart(), nullptr);
    EXPECT_TRUE(chart->View3D());
    EXPECT_EQ(Bytes(chart), before);
}

TEST_F(ViewsTest, PickingASampleCopiesItsView) {
    ClickPage(page->TabViews);
    for (int i : {0, 2, 5}) {
        TGalleryChart* sample = Samples()[i];
        TUserInput().Click(sample, QPoint(sample->Width() / 2, sample->Height() / 2));
        EXPECT_EQ(page->ChartGalleryPanel1->SelectedChart(), sample) << i;
        const TView3DOptions& v = *chart->View3DOptions();
        const TView3DOptions& s = *sample->View3DOptions();
        EXPECT_EQ(chart->View3D(), sample->View3D()) << i;
        EXPECT_EQ(v.Orthogonal(), s.Orthogonal()) << i;
        EXPECT_EQ(v.OrthoAngle(), s.OrthoAngle()) << i;
        EXPECT_EQ(v.Rotation(), s.Rotation()) << i;
        EXPECT_EQ(v.Elevation(), s.Elevation()) << i;
    }
    // Back on Options the controls show the chosen view.
    ClickPage(page->TabOptions);
    EXPECT_EQ(page->SBRotation->Position(), 45);
}

}  // namespace
