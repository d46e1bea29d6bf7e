#include "chart/series/xy/GanttSeries.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/RtlMath.h"

TGanttSeries::TGanttSeries(TComponent* owner) : TPointSeries(owner) {
    MakeXMandatory();
    SetClickableLine(false);
    ClipsToAxisRange = false;
    XValues().SetName(TxtStart);
    XValues().SetDefaultDateTime(true);
    SetColorEachPoint(true);
    FEnd = new TChartValueList(this, TxtEnd);
    FEnd->SetDefaultDateTime(true);
    FNextTask = new TChartValueList(this, TxtNextTask);
    Pointer()->SetStyle(psRectangle);
}
TGanttSeries::~TGanttSeries() = default;

int TGanttSeries::AddTaskColor(double start, double end, double y, const std::string& label,
                               TColor color) {
    FEnd->TempValue = end;
    return AddXYPoint(start, y, label, color);
}

int TGanttSeries::AddXYPoint(double x, double y, const std::string& label, TColor color) {
    FNextTask->TempValue = -1;
    return TPointSeries::AddXYPoint(x, y, label, color);
}

void TGanttSeries::DrawValue(int valueIndex) {
    if (!Pointer()->Visible()) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const TColor color = ValueColor(valueIndex);
    Pointer()->PrepareCanvas(canvas, color);
    const int x0 = PointXPixel(valueIndex);
    const int x1 = XValueToPixel((*FEnd)[valueIndex]);
    const int y = PointYPixel(valueIndex);
    const int half = (x1 - x0) / 2;
    Pointer()->DrawOnCanvas(canvas, FParentChart->View3D(), x0 + half, y, half,
                            Pointer()->VertSize(), color, GetPointerStyle(valueIndex));
    if (ConnectingPen()->Visible()) DrawConnection(valueIndex, x1, y);
}

// The elbow from the end of this task to the start of the next one, wherever that lies.
void TGanttSeries::DrawConnection(int valueIndex, int endX, int y) {
    const double next = std::round((*FNextTask)[valueIndex]);
    if (!(next >= 0 && next < Count())) return;
    const int n = int(next);
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(ConnectingPen());
    canvas.Brush()->SetStyle(bsClear);
    const int gx = PointXPixel(n), gy = PointYPixel(n);
    const int mid = endX + (gx - endX) / 2;
    canvas.MovePenTo3D(endX, y, MidDepth);
    canvas.DrawLineTo3D(mid, y, MidDepth);
    canvas.DrawLineTo3D(mid, gy, MidDepth);
    canvas.DrawLineTo3D(gx, gy, MidDepth);
}

// The mark sits over the middle of its bar.
void TGanttSeries::DrawMark(int valueIndex, const std::string& text,
                            TSeriesMarkPosition& position) {
    const int length = XValueToPixel((*FEnd)[valueIndex]) - position.ArrowFrom.X;
    position.LeftTop.X += length / 2;
    position.LeftTop.Y += position.Height / 2;
    TPointSeries::DrawMark(valueIndex, text, position);
}

bool TGanttSeries::PointerContains(int valueIndex, int x, int y, int mouseX, int mouseY) {
    return mouseX >= x && mouseX <= XValueToPixel((*FEnd)[valueIndex]) &&
           std::abs(y - mouseY) < Pointer()->VertSize();
}

double TGanttSeries::GetMaxXValue() {
    const double starts = TPointSeries::GetMaxXValue();
    return Count() ? std::max(starts, FEnd->Maximum()) : starts;
}

bool TGanttSeries::CanCopyFrom(const TChartSeries& source) const {
    return Is<TGanttSeries>(&source);
}

void TGanttSeries::PrepareForGallery(bool enabled) {
    TPointSeries::PrepareForGallery(enabled);
    SetColorEachPoint(enabled);
    Pointer()->SetVertSize(3);
    Pointer()->Gradient()->SetVisible(true);
}

void TGanttSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const std::string* labels[] = {&TxtDesign,     &TxtPrototyping, &TxtDevelopment, &TxtSales,
                                   &TxtMarketing,  &TxtTesting,     &TxtManufac,     &TxtDebugging,
                                   &TxtNewVersion, &TxtBanking};
    const int k = std::min(numValues - 1, 10 + RandomBelow(20));
    const double today = std::floor(Date());
    for (int c = 0; c <= k; ++c) {
        const double start = today + 3 * c + RandomBelow(5);
        const double end = start + 9 + RandomBelow(16);
        const int index = AddTask(start, end, c % 10, *labels[c % 10]);
        // The first earlier task without a successor that ends before this one starts leads
        // to it.
        for (int j = 0; j < index; ++j)
            if ((*FNextTask)[j] == -1 && start > (*FEnd)[j]) {
                FNextTask->SetValue(j, index);
                break;
            }
    }
}

void TGanttSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TGanttSeries*>(source))
        SetConnectingPen(other->ConnectingPen());
    TPointSeries::Assign(source);
}

void TGanttSeries::Publish(TPublisher<TGanttSeries>& p) {
    using S = TGanttSeries;
    p.Inherited("ColorEachPoint").Default(true);
    p.Object("ConnectingPen", &S::ConnectingPen, &S::SetConnectingPen);
    p.Object(
        "EndValues", [](const S& s) { return const_cast<TChartValueList*>(s.FEnd); },
        [](S& s, const TChartValueList* v) { s.SetEndValues(v); });
    p.Object(
        "NextTask", [](const S& s) { return const_cast<TChartValueList*>(s.FNextTask); },
        [](S& s, const TChartValueList* v) { s.SetNextTask(v); });
    p.Object(
        "StartValues", [](const S& s) { return const_cast<TChartValueList*>(&s.XValues()); },
        [](S& s, const TChartValueList* v) { s.SetStartValues(v); });
}
