#include "workbench/windows/TargetingWindow.h"

#include "chart/engine/AxisTitle.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "engine/Global.h"
#include "engine/Launchers.h"
#include "engine/Preprocess.h"
#include "engine/Trace.h"
#include "engine/VC.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"
#include "platform/rtl/MessageService.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SizeConstraints.h"
#include "platform/ui/SpinEdit.h"
#include "workbench/TargetingView.h"
#include "workbench/windows/ControlBuilding.h"
#include "workbench/windows/MainWindow.h"
#include "workbench/windows/WorkbenchCharts.h"

namespace {

constexpr int MaxRays = 100000;

// The current condition's parameters 1..4.
std::array<double, 4> CurrentParams() {
    std::array<double, 4> params{};
    for (int p = 1; p <= 4; ++p) params[size_t(p - 1)] = double(Shared.VCParams[p][Shared.CurVC]);
    return params;
}

}  // namespace

TFTargeting::TFTargeting(TComponent* owner) : TForm(owner) {
    SetCaption(Shared.ProgramTitle + ": Targeting");
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 760, 520);
    Constraints()->SetMinWidth(600);
    Constraints()->SetMinHeight(450);

    pRight = MakeControl<TPanel>(this, alRight);
    pRight->SetWidth(170);
    pRight->SetBevelOuter(bvNone);
    edNR = MakeControl<TLabeledEdit>(pRight);
    edNR->EditLabel()->SetCaption("Number of Rays:");
    edNR->SetBounds(10, 28, 150, 23);
    edNR->SetText("1000");
    pVC = MakeControl<TPanel>(pRight);
    pVC->SetBounds(4, 60, 162, 56);
    pVC->SetBevelOuter(bvNone);
    Label1 = MakeControl<TLabel>(pVC);
    Label1->SetCaption("Viewing Conditions #: ");
    Label1->SetBounds(6, 4, 150, 16);
    seiVC = MakeControl<TSpinEdit>(pVC);
    seiVC->SetBounds(6, 24, 80, 23);
    seiVC->SetMinValue(1);
    seiVC->SetHint("Change Viewing Conditions Number");
    seiVC->SetShowHint(true);
    btnTrace = MakeButton(pRight, 10, 124, 150, "Trace", "Copy, Save, and Print Graph");
    btnClose = MakeControl<TBitBtn>(pRight);
    btnClose->SetKind(bkClose);
    btnClose->SetBounds(10, 160, 150, 27);

    PageControl1 = MakeControl<TPageControl>(this, alClient);
    // The program's own name stands before the editor's role here, as in every dialog caption.
    ce = MakeWorkbenchChartEditor(this, Shared.ProgramTitle + ": Edit Graph");
    auto chartPage = [this](const char* caption, const char* vertical) {
        TTabSheet* sheet = new TTabSheet(this);
        sheet->SetPageControl(PageControl1);
        sheet->SetCaption(caption);
        TChart* chart = MakeControl<TChart>(sheet, alClient);
        SetUpWorkbenchChart(*chart, 0, "Double-click to edit");
        EditOnDoubleClick(*chart, *ce);
        chart->SetColorPaletteIndex(5);
        SetUpAxis(*chart->BottomAxis(), "Z", "###0.#########");
        SetUpAxis(*chart->LeftAxis(), vertical, "   ###0.#########", true);
        chart->OnAfterDraw = [this, chart](TObject*) { DrawRays(*chart); };
        return chart;
    };
    chYZ = chartPage("YZ Plane", "Y");
    chXZ = chartPage("XZ Plane", "X");
    FCharts = {chYZ, chXZ};
    seUpper = AddProfileSeries(this, *chYZ, clDefault);
    seLower = AddProfileSeries(this, *chYZ, clDefault);
    Point3DSeries1 = AddProfileSeries(this, *chXZ, clDefault);
    Point3DSeries2 = AddProfileSeries(this, *chXZ, clDefault);
    PageControl1->SetActivePageIndex(0);

    pVC->SetVisible(Shared.VCCount > 1);
    seiVC->SetMaxValue(Shared.VCCount);
    seiVC->SetValue(1);
    Shared.CurVC = uint8_t(seiVC->Value());
    Shared.RayLauncher = LauncherOfKind(Shared.CurViewIndex);

    seiVC->OnChange = [this](TObject*) { seiVCChange(); };
    btnTrace->OnClick = [this](TObject*) { btnTraceClick(); };
    OnShow = [this](TObject*) { FormShow(); };
    OnResize = [this](TObject*) { FormResize(); };
    DoCreate();
}

TFTargeting::~TFTargeting() {
    // Later draws of the charts, while they go, trace nothing.
    for (TChart* chart : FCharts) chart->OnAfterDraw = nullptr;
}

void TFTargeting::FormShow() { seiVCChange(); }

void TFTargeting::FormResize() {
    Shared.CurVC = uint8_t(seiVC->Value());
    RebuildView();
}

void TFTargeting::seiVCChange() {
    const int v = seiVC->Value();
    if (v < 1 || v > 201) RaiseRangeError();
    Shared.CurVC = uint8_t(v);
    int count = 0;
    if (!TryStrToInt(Trim(edNR->Text()), count)) {
        ShowMessage("Invalid value for Number of Rays");
        return;
    }
    if (count < 1 || count > MaxRays) {
        ShowMessage("Number of Rays must be from 1 to " + std::to_string(MaxRays));
        return;
    }
    FRayCount = count;
    RebuildView();
}

void TFTargeting::RebuildView() {
    const std::array<std::pair<TPoint3DSeries*, TPoint3DSeries*>, 2> outlines = {
        std::pair{seUpper, seLower}, std::pair{Point3DSeries1, Point3DSeries2}};
    for (const auto& [upper, lower] : outlines) {
        upper->Clear();
        lower->Clear();
        AddOutline(*upper, *lower);
    }
    const std::array<double, 4> params = CurrentParams();
    const TTargetingRanges ranges = TargetingRanges(Shared.CurViewIndex, params, OutlineBounds(),
                                                    double(Shared.NodeZ[Shared.NodeCount]));
    // Each projection at equal scales over its own vertical range.
    FixEqualScales(*chYZ, ranges.YZBounds());
    FixEqualScales(*chXZ, ranges.XZBounds());
    const auto title = TargetingTitle(Shared.CurDatasetName, Shared.CurViewIndex, params);
    for (TChart* chart : FCharts) SetChartTitle(*chart, {title[0], title[1]});
}

void TFTargeting::DrawRays(TChart& chart) {
    TCanvas3D& canvas = *chart.Canvas3D();
    const TChartAxis& h = *chart.BottomAxis();
    const TChartAxis& v = *chart.LeftAxis();
    const bool yz = &chart == chYZ;
    if (Shared.CurViewIndex == 3) {
        // The detector disk edge-on, one pixel right of its plane.
        const std::array<double, 4> p = CurrentParams();
        const double centre = yz ? p[0] : 0, rd = p[1];
        const int x = h.PixelOfValue(double(Shared.NodeZ[Shared.NodeCount]) + p[2]) + 1;
        canvas.Pen()->SetColor(clNavy);
        canvas.Pen()->SetWidth(2);
        canvas.Pen()->SetStyle(psSolid);
        canvas.MovePenTo(x, v.PixelOfValue(centre + rd));
        canvas.DrawLineTo(x, v.PixelOfValue(centre - rd));
    }
    std::string message;
    if (!PreprocessGeometry(message)) return;
    canvas.Pen()->SetColor(clRed);
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetStyle(psSolid);
    canvas.Font()->SetColor(clRed);
    canvas.Font()->SetStyle({fsBold});
    for (int i = 0; i < FRayCount; ++i) {
        Real x0, y0, z0, x1, y1, z1;
        if (!TraceFirstBounce(x0, y0, z0, x1, y1, z1, message)) {
            canvas.SetTextAlignment(TA_LEFT | TA_TOP);
            canvas.DrawTextAt((chart.Width() - canvas.MeasureTextWidth(message)) / 2, 5, message);
            return;
        }
        canvas.MovePenTo(h.PixelOfValue(double(z0)), v.PixelOfValue(double(yz ? y0 : x0)));
        canvas.DrawLineTo(h.PixelOfValue(double(z1)), v.PixelOfValue(double(yz ? y1 : x1)));
    }
}

void ConnectTargetingView(TFMainDB& main) {
    main.ShowTargetingView = [&main] {
        TFTargeting view(&main);
        view.ShowModal();
    };
}
