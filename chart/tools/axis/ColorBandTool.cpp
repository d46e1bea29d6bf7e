#include "chart/tools/axis/ColorBandTool.h"

#include <algorithm>
#include <utility>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/foundation/ZoomPanning.h"
#include "chart/tools/axis/ColorLineTool.h"
#include "platform/classes/Publisher.h"

TColorBandTool::TColorBandTool(TComponent* owner)
    : TTeeCustomToolAxis(owner),
      FGradient(std::make_unique<TTeeGradient>(StyleChangedEvent())),
      FStartLine(std::make_unique<TColorLineTool>(nullptr)),
      FEndLine(std::make_unique<TColorLineTool>(nullptr)) {
    for (TColorLineTool* line : {FStartLine.get(), FEndLine.get()}) {
        line->SetActive(false);
        line->SetDragRepaint(true);
        line->OnDragLine = [this](TColorLineTool* l) { LineDragged(l); };
        line->OnEndDragInternal = [this](TColorLineTool* l) { LineDropped(l); };
        // A line's pen is the band's look: its changes repaint the band.
        line->Pen()->OnChange = [this](TObject*) { Repaint(); };
    }
}

TColorBandTool::~TColorBandTool() = default;

void TColorBandTool::Publish(TPublisher<TColorBandTool>& p) {
    using B = TColorBandTool;
    p.Object("Brush", &B::Brush, &B::SetBrush);
    p.Color("Color", &B::Color, &B::SetColor).Default(clWhite);
    p.Integer("Cursor", &B::Cursor, &B::SetCursor)
        .Default(crDefault)
        .Idents(CursorIdentConverter());
    p.Boolean("DrawBehind", &B::DrawBehind, &B::SetDrawBehind).Default(true);
    p.Boolean("DrawBehindAxes", &B::DrawBehindAxes, &B::SetDrawBehindAxes).Default(false);
    p.Object("EndLinePen", &B::EndLinePen, &B::SetEndLinePen);
    p.Float("EndValue", &B::EndValue, &B::SetEndValue).Default(0.0);
    p.Object("Gradient", &B::Gradient, &B::SetGradient);
    p.Object("Pen", &B::Pen, &B::SetPen);
    // Written only when it holds a graphic: reading the property would make an empty one.
    p.Object("Picture", &B::Picture, &B::SetPicture).Stored([](const B& b) {
        return b.HasPicture() && b.Picture()->Graphic();
    });
    p.Boolean("ResizeEnd", &B::ResizeEnd, &B::SetResizeEnd).Default(false);
    p.Boolean("ResizeStart", &B::ResizeStart, &B::SetResizeStart).Default(false);
    p.Object("StartLinePen", &B::StartLinePen, &B::SetStartLinePen);
    p.Float("StartValue", &B::StartValue, &B::SetStartValue).Default(0.0);
    p.Integer("Transparency", &B::Transparency, &B::SetTransparency).Default(0);
}

void TColorBandTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TColorBandTool*>(source)) {
        FColor = other->FColor;
        FCursor = other->FCursor;
        FDrawBehind = other->FDrawBehind;
        FDrawBehindAxes = other->FDrawBehindAxes;
        FEndValue = other->FEndValue;
        FGradient->Assign(other->FGradient.get());
        FStartValue = other->FStartValue;
        FTransparency = other->FTransparency;
        FStartLine->Assign(other->FStartLine.get());
        FEndLine->Assign(other->FEndLine.get());
        SetPicture(other->FPicture.get());
    }
    TTeeCustomToolAxis::Assign(source);
}

// --- Settings.

TChartPen* TColorBandTool::EndLinePen() const { return FEndLine->Pen(); }
void TColorBandTool::SetEndLinePen(const TChartPen* value) { FEndLine->Pen()->Assign(value); }
TChartPen* TColorBandTool::StartLinePen() const { return FStartLine->Pen(); }
void TColorBandTool::SetStartLinePen(const TChartPen* value) { FStartLine->Pen()->Assign(value); }

void TColorBandTool::SetGradient(const TTeeGradient* value) { FGradient->Assign(value); }

TTeePicture* TColorBandTool::Picture() const {
    if (!FPicture) {
        FPicture = std::make_unique<TTeePicture>();
        FPicture->OnChange = [this](TObject*) { const_cast<TColorBandTool*>(this)->Repaint(); };
    }
    return FPicture.get();
}

void TColorBandTool::SetPicture(const TTeePicture* value) {
    if (!value) {
        if (FPicture) {
            FPicture.reset();
            Repaint();
        }
        return;
    }
    Picture()->Assign(value);
}

bool TColorBandTool::ResizeEnd() const { return FEndLine->Active(); }
bool TColorBandTool::ResizeStart() const { return FStartLine->Active(); }

void TColorBandTool::SetResizeEnd(bool value) {
    if (value == FEndLine->Active()) return;
    FEndLine->SetActive(value);
    Repaint();
}

void TColorBandTool::SetResizeStart(bool value) {
    if (value == FStartLine->Active()) return;
    FStartLine->SetActive(value);
    Repaint();
}

void TColorBandTool::SetStartValue(double value) {
    ChangeField(FStartValue, value);
    SyncLines();
}

void TColorBandTool::SetEndValue(double value) {
    ChangeField(FEndValue, value);
    SyncLines();
}

void TColorBandTool::SetAxis(TChartAxis* value) {
    TTeeCustomToolAxis::SetAxis(value);
    SyncLines();
}

void TColorBandTool::SetParentChart(TCustomAxisPanel* value) {
    TTeeCustomToolAxis::SetParentChart(value);
    SyncLines();
}

void TColorBandTool::Loaded() {
    TTeeCustomToolAxis::Loaded();
    SyncLines();
}

void TColorBandTool::SyncLines() {
    for (TColorLineTool* line : {FStartLine.get(), FEndLine.get()}) {
        line->SetHostAxis(Axis());
        line->SetHostChart(ParentChart());
    }
    // Not through SetValue: during a drag of their own the lines keep what they show.
    if (!FStartLine->Dragging()) FStartLine->SetValue(FStartValue);
    if (!FEndLine->Dragging()) FEndLine->SetValue(FEndValue);
}

void TColorBandTool::LineDragged(TColorLineTool* line) {
    if (!line->DragRepaint()) return;
    if (line == FStartLine.get())
        SetStartValue(line->Value());
    else
        SetEndValue(line->Value());
}

void TColorBandTool::LineDropped(TColorLineTool* line) {
    if (!line->DragRepaint()) {
        if (line == FStartLine.get())
            SetStartValue(line->Value());
        else
            SetEndValue(line->Value());
    }
    if (OnResized) OnResized(this);
}

// --- Geometry.

TRect TColorBandTool::BandRect() const {
    const TChartAxis* axis = Axis();
    const TCustomAxisPanel* chart = ParentChart();
    if (!axis || !chart) return TRect{};
    double first = FStartValue, second = FEndValue;
    // The value drawn first along the axis comes first.
    if (axis->Inverted() ? first < second : first > second) std::swap(first, second);
    const double low = std::min(first, second), high = std::max(first, second);
    if (low > axis->Maximum() || high < axis->Minimum()) return TRect{};
    TRect r = chart->ChartRect();
    const bool pen = Pen()->Visible();
    if (axis->Horizontal()) {
        r.Left = std::max(axis->StartPos(), axis->PixelOfValue(first));
        r.Right = std::min(axis->EndPos(), axis->PixelOfValue(second));
        if (pen) ++r.Right;
    } else {
        r.Top = std::max(axis->StartPos(), axis->PixelOfValue(second));
        r.Bottom = std::min(axis->EndPos(), axis->PixelOfValue(first));
        ++r.Left;
        ++r.Bottom;
        if (!pen) {
            ++r.Bottom;
            ++r.Right;
        }
    }
    return r;
}

int TColorBandTool::BandDepth() const {
    return FDrawBehind && ParentChart() ? ParentChart()->Width3D() : 0;
}

bool TColorBandTool::Contains(int x, int y) const {
    const TRect r = BandRect();
    if (r.Width() < 1 || r.Height() < 1) return false;
    const auto corners = ParentChart()->Canvas3D()->ProjectRectCorners(r, BandDepth());
    return PointInPolygon(TPoint{x, y}, corners, 3);
}

// --- Drawing.

void TColorBandTool::DrawBand() {
    TCustomAxisPanel* chart = ParentChart();
    if (!Axis() || !chart) return;
    SyncLines();
    const TRect r = BandRect();
    if (r.Width() < 1 || r.Height() < 1) return;
    TCanvas3D& c = *chart->Canvas3D();
    const bool is3D = chart->View3D();
    // A flat chart projects nothing, so it counts as orthogonal.
    const bool ortho = !is3D || c.OrthoProjection();
    const int z = BandDepth();
    c.UseBrushColored(Brush(), FColor);
    c.UsePen(Pen());
    {
        const TBlendScope blend(c, is3D ? c.ProjectedRectBounds(r, z) : r, FTransparency);
        if (FGradient->Visible() && ortho) {
            const TRect less{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
            FGradient->DrawInRect(c, is3D ? c.ProjectRect(less, z) : less);
            c.Brush()->SetStyle(bsClear);
        }
        TGraphic* graphic = FPicture ? FPicture->FilteredGraphic() : nullptr;
        if (graphic) {
            if (ortho)
                c.StretchDrawGraphic(is3D ? c.ProjectRect(r, z) : r, graphic);
            else
                c.DrawPictureOnPlane(r, graphic, cpZ, z);
        } else if (is3D) {
            c.DrawRectangleAtZ(r, z);
        } else {
            c.DrawRectangleFromRect(r);
        }
    }
    for (TColorLineTool* line : {FEndLine.get(), FStartLine.get()}) {
        if (!line->Active()) continue;
        c.UsePen(line->Pen());
        line->DrawColorLine(FDrawBehind);
    }
}

void TColorBandTool::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomToolAxis::ChartDrawEvent(event);
    const TChartToolEvent phase = FDrawBehindAxes ? cteBeforeDrawAxes
                                  : FDrawBehind   ? cteBeforeDrawSeries
                                                  : cteAfterDraw;
    if (event == phase) DrawBand();
}

void TColorBandTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift,
                                     int x, int y) {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || !Axis()) return;
    SyncLines();
    if (FStartLine->Active()) FStartLine->ChartMouseEvent(kind, button, shift, x, y);
    if (FEndLine->Active() && !chart->CancelMouse())
        FEndLine->ChartMouseEvent(kind, button, shift, x, y);
    if (kind == cmeMove && FCursor != crDefault && !chart->CancelMouse() && Contains(x, y)) {
        chart->SetCursor(FCursor);
        chart->SetCancelMouse(!(chart->Panning()->Active || chart->Zoom()->Active));
    }
    if (kind == cmeDown && OnClick && Contains(x, y)) OnClick(this, button, shift, x, y);
}
