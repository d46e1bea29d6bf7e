#include "chart/series/text/TagCloudSeries.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ColorPalettes.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/algo/TagCloudLayout.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/StrUtils.h"

TTagCloudSeries::TTagCloudSeries(TComponent* owner)
    : TCustom3DPaletteSeries(owner),
      FFont(std::make_unique<TTeeFont>(StyleChangedEvent())),
      FGradient(std::make_unique<TTeeGradient>(StyleChangedEvent())) {
    FFont->SetSize(32);
    Brush()->SetStyle(bsClear);
    Pen()->SetVisible(false);
    // The second colour family of the library's palettes ends the colour range.
    if (const std::span<const TColor> opera = PaletteColors(13); !opera.empty())
        SetEndColor(opera[0]);
}
TTagCloudSeries::~TTagCloudSeries() = default;

void TTagCloudSeries::SetFont(const TTeeFont* value) { FFont->Assign(value); }
void TTagCloudSeries::SetGradient(const TTeeGradient* value) { FGradient->Assign(value); }

int TTagCloudSeries::AddTag(const std::string& text, double value) {
    return AddXYZPoint(0, value, 0, text, clDefault);
}

void TTagCloudSeries::SortByValue(TChartListOrder order) {
    YValues().SetOrder(order);
    YValues().Sort();
    Repaint();
}

bool TTagCloudSeries::Shown(int index) const {
    return FFilter.empty() ||
           UpperCase(Labels().Label(index)).find(UpperCase(FFilter)) != std::string::npos;
}

int TTagCloudSeries::TagFontSizeOf(int index) {
    return TagFontSize(FFont->Size(), YValues()[index], YValues().Minimum(), YValues().Maximum());
}

void TTagCloudSeries::PrepareTagFont(TCanvas3D& canvas, int index, bool drawing) {
    if (OnDrawTag) canvas.UseFont(FFont.get());
    canvas.Font()->SetSize(TagFontSizeOf(index));
    if (drawing) canvas.Font()->SetColor(ValueColor(index));
    if (OnDrawTag) OnDrawTag(*this, index);
}

void TTagCloudSeries::DrawAllValues() {
    TCustom3DPaletteSeries::DrawAllValues();
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const TRect area = FParentChart->ChartRect();
    const bool clipped = FParentChart->ClipPoints();
    if (clipped) canvas.ClipToRectangle(area);
    if (FGradient->Visible()) FGradient->DrawInRect(canvas, area);
    canvas.UsePen(Pen());
    if (Pen()->Visible() || Brush()->Style() != bsClear) {
        if (Brush()->Style() == bsClear || FGradient->Visible())
            canvas.Brush()->SetStyle(bsClear);
        else
            canvas.UseBrush(Brush());
        canvas.DrawRectangle(area.Left, area.Top, area.Right, area.Bottom);
    }
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBackgroundMode(TRANSPARENT);
    canvas.UseFont(FFont.get());
    const bool is3D = FParentChart->View3D();
    TTagCloudFlow flow;
    flow.Area = area;
    flow.Gap = RoundToInt(FTagSeparation * 5 * canvas.MeasureTextWidth("W") * 0.01);
    flow.TopBased = canvas.GetTextAlignment() < 8;
    flow.Shown = [this](int i) { return Shown(i); };
    flow.Measure = [&](int i, bool drawing) {
        PrepareTagFont(canvas, i, drawing);
        return TTagExtent{canvas.MeasureTextWidth(Labels().Label(i)),
                          canvas.MeasureTextHeight(Labels().Label(i))};
    };
    flow.Draw = [&](int i, const TRect& r) {
        if (is3D)
            canvas.DrawTextAtZ(r.Left, r.Top, 0, Labels().Label(i));
        else
            canvas.DrawTextAt(r.Left, r.Top, Labels().Label(i));
    };
    const int end = FlowTagCloud(Count(), flow, FRects);
    FirstInView = 0;
    LastInView = std::min(end, Count() - 1);
    if (clipped) canvas.RemoveClipping();
}

int TTagCloudSeries::PointXPixel(int index) const {
    if (size_t(index) >= FRects.size()) return 0;
    return (FRects[size_t(index)].Left + FRects[size_t(index)].Right) / 2;
}

int TTagCloudSeries::PointYPixel(int index) const {
    if (size_t(index) >= FRects.size()) return 0;
    return (FRects[size_t(index)].Top + FRects[size_t(index)].Bottom) / 2;
}

int TTagCloudSeries::ValueIndexAt(int x, int y) {
    for (size_t i = 0; i < FRects.size(); ++i)
        if (FRects[i].Contains(x, y)) return int(i);
    return -1;
}

void TTagCloudSeries::PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& style) {
    TCustom3DPaletteSeries::PrepareLegendCanvas(valueIndex, backColor, style);
    style = bsSolid;
}

void TTagCloudSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const TSampleValueBounds b = SampleValueBounds(numValues);
    const int types = SeriesTypeList().Count();
    for (int i = 0; i < numValues; ++i) {
        std::string text;
        if (types > 0) {
            const TTeeSeriesType* type = SeriesTypeList().GetItem(RandomBelow(types));
            if (type->DescriptionText) text = *type->DescriptionText;
        }
        std::replace(text.begin(), text.end(), '\r', ' ');
        AddTag(text, RandomBelow(1000) * b.StepX + b.MinY);
    }
    SortByLabels(loAscending);
}

void TTagCloudSeries::Apply3DFromGallery(bool enabled) {
    TCustom3DPaletteSeries::Apply3DFromGallery(enabled);
    if (FParentChart) FParentChart->SetView3D(false);
}

void TTagCloudSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TTagCloudSeries*>(source)) {
        FFont->Assign(other->FFont.get());
        FFilter = other->FFilter;
        FGradient->Assign(other->FGradient.get());
        FTagSeparation = other->FTagSeparation;
    }
    TCustom3DPaletteSeries::Assign(source);
}

void TTagCloudSeries::Publish(TPublisher<TTagCloudSeries>& p) {
    using S = TTagCloudSeries;
    p.Object("Brush", &S::Brush, &S::SetBrush);
    p.String("Filter", &S::Filter, &S::SetFilter).Default(std::string());
    p.Object("Font", &S::Font, &S::SetFont);
    p.Object("Gradient", &S::Gradient, &S::SetGradient);
    p.Object("Pen", &S::Pen, &S::SetPen);
    p.Integer("TagSeparation", &S::TagSeparation, &S::SetTagSeparation).Default(5);
}
