#include "chart/tools/financial/FibonacciTool.h"

#include <cmath>
#include <utility>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeFont.h"
#include "chart/tools/SeriesToolArea.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/RtlMath.h"

const TEnumInfo& FibonacciStyleNames() {
    static const TEnumInfo names{"fsArc", "fsFan"};
    return names;
}

namespace {

TFibonacciTool* ToolOfCollection(TCollection* collection) {
    auto* levels = dynamic_cast<TFibonacciLevels*>(collection);
    return levels ? levels->Tool() : nullptr;
}

}  // namespace

TFibonacciTrendPen::TFibonacciTrendPen(TNotifyEvent onChange) : TChartPen(std::move(onChange)) {
    TNotifyEvent quiet = std::move(OnChange);
    SetColor(TColor(255));
    OnChange = std::move(quiet);
}

void TFibonacciTrendPen::Publish(TPublisher<TFibonacciTrendPen>& p) {
    p.Inherited("Color").Default(TColor(255));
}

TFibonacciItem::TFibonacciItem(TCollection* collection) : TCollectionItem(collection) {
    // The tool makes the pen, so that a change of it repaints the tool's chart.
    if (TFibonacciTool* tool = ToolOfCollection(collection))
        FPen = tool->CreateLinkedPen();
    else
        FPen = std::make_unique<TChartPen>();
}

TFibonacciItem::~TFibonacciItem() = default;

void TFibonacciItem::SetPen(const TChartPen* value) { FPen->Assign(value); }

void TFibonacciItem::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TFibonacciItem*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    FPen->Assign(other->FPen.get());
    FValue = other->FValue;
}

void TFibonacciItem::Publish(TPublisher<TFibonacciItem>& p) {
    p.Object("Pen", &TFibonacciItem::Pen, &TFibonacciItem::SetPen);
    p.Float("Value", &TFibonacciItem::Value, &TFibonacciItem::SetValue);
}

TFibonacciLevels::TFibonacciLevels(TFibonacciTool* tool)
    : TOwnedCollection(tool, &TFibonacciItem::StaticClass()), FTool(tool) {}

TFibonacciTool::TFibonacciTool(TComponent* owner)
    : TTeeCustomToolSeries(owner),
      FLevels(std::make_unique<TFibonacciLevels>(this)),
      FLabelsFont(std::make_unique<TTeeFont>(StyleChangedEvent())),
      FTrendPen(std::make_unique<TFibonacciTrendPen>(StyleChangedEvent())) {
    ResetLevels();
}

TFibonacciTool::~TFibonacciTool() = default;

void TFibonacciTool::Publish(TPublisher<TFibonacciTool>& p) {
    using T = TFibonacciTool;
    p.Enumeration("DrawStyle", FibonacciStyleNames(), &T::DrawStyle, &T::SetDrawStyle)
        .Default(fsArc);
    p.Float("EndX", &T::EndX, &T::SetEndX).Default(0.0);
    p.Float("EndY", &T::EndY, &T::SetEndY).Default(0.0);
    p.Integer("LabelsAngle", &T::LabelsAngle, &T::SetLabelsAngle).Default(90);
    p.Object("LabelsFont", &T::LabelsFont, &T::SetLabelsFont);
    p.Object("Levels", &T::Levels, &T::SetLevels);
    p.Boolean("ShowLabels", &T::ShowLabels, &T::SetShowLabels).Default(true);
    p.Float("StartX", &T::StartX, &T::SetStartX).Default(0.0);
    p.Float("StartY", &T::StartY, &T::SetStartY).Default(0.0);
    p.Object("TrendPen", &T::TrendPen, &T::SetTrendPen);
}

void TFibonacciTool::SetLevels(const TFibonacciLevels* value) {
    FLevels->Assign(value);
    Repaint();
}

void TFibonacciTool::SetLabelsFont(const TTeeFont* value) { FLabelsFont->Assign(value); }

void TFibonacciTool::SetTrendPen(const TChartPen* value) { FTrendPen->Assign(value); }

void TFibonacciTool::ResetLevels() {
    TCollectionUpdate update(*FLevels);
    FLevels->Clear();
    for (double value : FDefaultLevels)
        static_cast<TFibonacciItem*>(FLevels->Add())->SetValue(value);
}

void TFibonacciTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TFibonacciTool*>(source)) {
        FDrawStyle = other->FDrawStyle;
        FEndX = other->FEndX;
        FEndY = other->FEndY;
        FLabelsAngle = other->FLabelsAngle;
        FLabelsFont->Assign(other->FLabelsFont.get());
        FLevels->Assign(other->FLevels.get());
        FShowLabels = other->FShowLabels;
        FStartX = other->FStartX;
        FStartY = other->FStartY;
        FTrendPen->Assign(other->FTrendPen.get());
    }
    TTeeCustomToolSeries::Assign(source);
}

TPoint TFibonacciTool::ValueToPixel(double x, double y) const {
    return TPoint{GetHorizAxis()->PixelOfValue(x), GetVertAxis()->PixelOfValue(y)};
}

void TFibonacciTool::ChartDrawEvent(TChartToolEvent event) {
    if (event != cteAfterDraw || !ParentChart()) return;
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    const bool clipped = ClipToSeriesToolArea(*this);
    canvas.SetBackgroundMode(TRANSPARENT);
    const TPoint start = ValueToPixel(FStartX, FStartY);
    const TPoint end = ValueToPixel(FEndX, FEndY);
    if (FTrendPen->Visible()) {
        canvas.UsePen(FTrendPen.get());
        canvas.DrawLineBetween(end, start);
    }
    if (FLevels->Count() > 0 && start != end) {
        FAnchor = FDrawStyle == fsArc ? end : start;
        for (int i = 0; i < FLevels->Count(); ++i) DrawLevel(*FLevels->Level(i));
    }
    if (clipped) canvas.RemoveClipping();
}

void TFibonacciTool::DrawLevel(const TFibonacciItem& level) {
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    canvas.UsePen(level.Pen());
    if (FDrawStyle == fsArc) {
        const double h = GetHorizAxis()->ValueSizeInPixels(std::abs(FEndX - FStartX));
        const double v = GetVertAxis()->ValueSizeInPixels(std::abs(FEndY - FStartY));
        const int r = RoundToInt(Hypotenuse(h, v) * level.Value() * 0.01);
        // Equal angles draw the whole circle: a falling trend gets full circles.
        const double from = FEndY > FStartY ? 0 : 180;
        canvas.DrawArcByAngles(FAnchor.X - r, FAnchor.Y - r, FAnchor.X + r, FAnchor.Y + r, from,
                               180);
        DrawLabel(level, TPoint{FAnchor.X - r, FAnchor.Y});
        return;
    }
    // A vertical trend has no slope to reduce: its fans are not drawn.
    if (FEndX == FStartX) return;
    TChartSeries* series = Series();
    const double x = series && series->Count() > 0 ? series->XValues().LastValue() : FEndX;
    const double slope = (100 - level.Value()) * ((FEndY - FStartY) / (FEndX - FStartX)) * 0.01;
    const TPoint p = ValueToPixel(x, (x - FStartX) * slope + FStartY);
    canvas.DrawLineBetween(FAnchor, p);
    DrawLabel(level, p);
}

void TFibonacciTool::DrawLabel(const TFibonacciItem& level, TPoint at) {
    if (!FShowLabels) return;
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    canvas.UseFont(FLabelsFont.get());
    canvas.DrawRotatedText(at.X, at.Y, FloatToStr(level.Value()), FLabelsAngle);
}
