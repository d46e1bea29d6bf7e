#include "chart/tools/view/ChartImageTool.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Graphic.h"

TChartImageTool::TChartImageTool(TComponent* owner)
    : TTeeCustomToolSeries(owner), FPicture(std::make_unique<TTeePicture>()) {
    Pen()->SetDefaultVisible(false);
    FPicture->OnChange = [this](TObject*) { Repaint(); };
}

TChartImageTool::~TChartImageTool() = default;

void TChartImageTool::Publish(TPublisher<TChartImageTool>& p) {
    p.Object("Pen", &TChartImageTool::Pen, &TChartImageTool::SetPen);
    p.Object("Picture", &TChartImageTool::Picture, &TChartImageTool::SetPicture)
        .Stored([](const TChartImageTool& t) { return t.Picture()->Graphic() != nullptr; });
}

void TChartImageTool::SetPicture(const TTeePicture* value) { FPicture->Assign(value); }

void TChartImageTool::SetSeries(TChartSeries* value) {
    TTeeCustomToolSeries::SetSeries(value);
    Repaint();
}

void TChartImageTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TChartImageTool*>(source))
        FPicture->Assign(other->FPicture.get());
    TTeeCustomToolSeries::Assign(source);
}

TRect TChartImageTool::ImageRect() const {
    if (TChartSeries* s = Series())
        return TRect{s->XValueToPixel(s->GetMinXValue()), s->YValueToPixel(s->GetMaxYValue()),
                     s->XValueToPixel(s->GetMaxXValue()), s->YValueToPixel(s->GetMinYValue())};
    const TChartAxis* h = GetHorizAxis();
    const TChartAxis* v = GetVertAxis();
    if (!h || !v) return TRect{};
    return TRect{h->PixelOfValue(h->Minimum()), v->PixelOfValue(v->Maximum()),
                 h->PixelOfValue(h->Maximum()), v->PixelOfValue(v->Minimum())};
}

void TChartImageTool::ChartDrawEvent(TChartToolEvent event) {
    TCustomAxisPanel* chart = ParentChart();
    if (event != cteBeforeDrawSeries || !chart || !FPicture->Graphic()) return;
    TCanvas3D& canvas = *chart->Canvas3D();
    const TRect r = ImageRect();
    const int depth = chart->Width3D();
    const bool clipped = chart->ClipAllowed();
    if (clipped) canvas.ClipToCube(chart->ChartRect(), 0, depth);
    TGraphic* graphic = FPicture->FilteredGraphic();
    const bool flat = !chart->View3D() || chart->View3DOptions()->Orthogonal();
    if (flat) {
        const TPoint a = canvas.ProjectPoint(r.Left, r.Top, depth);
        const TPoint b = canvas.ProjectPoint(r.Right, r.Bottom, depth);
        canvas.StretchDrawGraphic(TRect{a.X, a.Y, b.X, b.Y}, graphic);
    } else {
        canvas.DrawPictureOnPlane(r, graphic, cpZ, depth);
    }
    if (Pen()->Visible()) {
        canvas.UsePen(Pen());
        canvas.Brush()->SetStyle(bsClear);
        canvas.DrawRectangleAtZ(r, depth);
    }
    if (clipped) canvas.RemoveClipping();
}
