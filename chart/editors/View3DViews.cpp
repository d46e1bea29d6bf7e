// The 3-D page's Views tab: six ready-made projections shown as sample charts.
#include "chart/editors/EditorControls.h"
#include "chart/editors/GalleryPanel.h"
#include "chart/editors/View3DPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/ChartWalls.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/PageControl.h"

namespace {

enum TViewKind { vkFlat, vkOrtho, vkFull };

struct TViewSample {
    const char* Caption;
    TViewKind Kind;
    bool LeftWall, RightWall;
    // Negative: left as the sample chart has it.
    int RightAxisZ, LeftAxisZ, Rotation, OrthoAngle;
    bool OnRightAxis;
};

const TViewSample ViewSamples[] = {
    {"2D", vkFlat, true, true, -1, -1, -1, -1, false},
    {"Ortho Right", vkOrtho, true, true, -1, -1, -1, -1, false},
    {"Ortho Left", vkOrtho, false, true, 0, -1, -1, 135, true},
    {"3D Front", vkFull, true, true, 0, -1, 360, -1, false},
    {"3D Right", vkFull, true, false, 100, -1, 300, -1, false},
    {"3D Left", vkFull, false, true, 0, 100, 45, -1, false},
};

void SetUpSample(TCustomChart& chart, const TViewSample& view) {
    TChartWalls& walls = *chart.Walls();
    walls.Back()->SetTransparent(false);
    for (TCustomChartWall* wall : std::initializer_list<TCustomChartWall*>{
             walls.Left(), walls.Right(), walls.Bottom(), walls.Back()})
        wall->SetSize(5);
    walls.Left()->SetVisible(view.LeftWall);
    walls.Right()->SetVisible(view.RightWall);
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        TChartSeries& series = *chart.GetSeries(i);
        series.Clear();
        if (view.OnRightAxis) series.SetVertAxis(aRightAxis);
        if (view.Kind == vkFull) series.SetVertAxis(aBothVertAxis);
    }
    TStrings& title = *chart.Title()->Text();
    if (title.Count() == 0)
        title.Add(view.Caption);
    else
        title.Put(0, view.Caption);
    TView3DOptions& options = *chart.View3DOptions();
    chart.SetView3D(view.Kind != vkFlat);
    if (view.Kind == vkOrtho) options.SetOrthogonal(true);
    if (view.Kind == vkFull) {
        options.SetOrthogonal(false);
        options.SetElevation(360);
    }
    if (view.RightAxisZ >= 0) chart.RightAxis()->SetZPosition(view.RightAxisZ);
    if (view.LeftAxisZ >= 0) chart.LeftAxis()->SetZPosition(view.LeftAxisZ);
    if (view.Rotation >= 0) options.SetRotation(view.Rotation);
    if (view.OrthoAngle >= 0) options.SetOrthoAngle(view.OrthoAngle);
    if (!view.OnRightAxis) chart.LeftAxis()->SetLabels(true);
}

bool SameView(TCustomChart& a, TCustomChart& b) {
    const TView3DOptions& x = *a.View3DOptions();
    const TView3DOptions& y = *b.View3DOptions();
    return a.View3D() == b.View3D() && x.Orthogonal() == y.Orthogonal() &&
           x.OrthoAngle() == y.OrthoAngle() && x.Rotation() == y.Rotation() &&
           x.Elevation() == y.Elevation();
}

}  // namespace

void TFormTee3D::BuildViews() {
    TabViews = new TTabSheet(this);
    TabViews->SetPageControl(PageControl1);
    TabViews->SetCaption("Views");
    ChartGalleryPanel1 = MakeControl<TChartGalleryPanel>(TabViews);
    ChartGalleryPanel1->SetAlign(alClient);
    ChartGalleryPanel1->FocusFirst = false;
    ChartGalleryPanel1->OnChangeChart = [this](TObject*) { ViewChosen(); };
    PageControl1->OnChange = [this](TObject*) {
        if (PageControl1->ActivePage() == TabViews)
            ShowViews();
        else
            Reload();
    };
}

void TFormTee3D::MakeViewSamples() {
    TChartGalleryPanel& gallery = *ChartGalleryPanel1;
    gallery.SetSmooth(false);
    gallery.DisplaySub = false;
    gallery.FocusRotation = false;
    gallery.SetNumCols(3);
    gallery.SetNumRows(2);
    if (SeriesTypeList().Count() == 0) return;
    const TTeeSeriesType& type = *SeriesTypeList().GetItem(0);
    for (const TViewSample& view : ViewSamples)
        SetUpSample(*gallery.CreateGalleryChart(type), view);
}

void TFormTee3D::ShowViews() {
    if (ChartGalleryPanel1->Charts().Count() == 0) MakeViewSamples();
    TChartList& samples = ChartGalleryPanel1->Charts();
    TGalleryChart* match = nullptr;
    for (int i = 0; i < samples.Count() && !match; ++i)
        if (SameView(*samples[i], *FChart)) match = samples[i];
    TValueGuard<bool> selecting(FSelectingView, true);
    ChartGalleryPanel1->SelectChart(match);
}

void TFormTee3D::ViewChosen() {
    TGalleryChart* sample = ChartGalleryPanel1->SelectedChart();
    if (FSelectingView || !sample) return;
    const TView3DOptions& from = *sample->View3DOptions();
    TView3DOptions& to = *FChart->View3DOptions();
    FChart->SetView3D(sample->View3D());
    to.SetOrthogonal(from.Orthogonal());
    to.SetOrthoAngle(from.OrthoAngle());
    to.SetRotation(from.Rotation());
    to.SetElevation(from.Elevation());
}
