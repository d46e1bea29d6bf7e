// The bar base: settings shared with the chart's other bars, copying, the legend symbol and the
// gallery previews.
#include "chart/engine/CustomBarSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BarSeriesGradient.h"
#include "chart/engine/Callout.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Picture.h"

const TEnumInfo& MultiBarNames() {
    static const TEnumInfo names{"mbNone",       "mbSide",    "mbStacked",
                                 "mbStacked100", "mbSideAll", "mbSelfStack"};
    return names;
}

const TEnumInfo& BarStyleNames() {
    static const TEnumInfo names{"bsRectangle", "bsPyramid",   "bsInvPyramid",   "bsCilinder",
                                 "bsEllipse",   "bsArrow",     "bsRectGradient", "bsCone",
                                 "bsBevel",     "bsSlantCube", "bsDiamond",      "bsInvArrow",
                                 "bsInvCone"};
    return names;
}

TCustomBarSeries::TCustomBarSeries(TComponent* owner)
    : TChartSeries(owner),
      FGradient(std::make_unique<TBarSeriesGradient>(StyleChangedEvent())),
      FShadow(std::make_unique<TTeeShadow>(StyleChangedEvent())),
      FTickLines(std::make_unique<TChartHiddenPen>(StyleChangedEvent())) {
    FShadow->SetDefaults(0x808080, 0);
    Marks()->SetVisible(true);
    Marks()->Callout()->SetLength(20);
    ReachesRangeEdge = false;
}

TCustomBarSeries::~TCustomBarSeries() = default;

void TCustomBarSeries::Publish(TPublisher<TCustomBarSeries>& p) {
    using S = TCustomBarSeries;
    p.Boolean("AutoBarSize", &S::AutoBarSize, &S::SetAutoBarSize).Default(false);
    p.Boolean("AutoMarkPosition", &S::AutoMarkPosition, &S::SetAutoMarkPosition).Default(true);
    p.Object(
        "BarBrush", [](const S& s) { return s.Brush(); },
        [](S& s, const TChartBrush* b) { s.SetBrush(b); });
    p.Object(
        "BarPen", [](const S& s) { return s.Pen(); },
        [](S& s, const TChartPen* v) { s.SetPen(v); });
    p.Enumeration("BarStyle", BarStyleNames(), &S::BarStyle, &S::SetBarStyle).Default(bsRectangle);
    p.Integer("BarWidthPercent", &S::BarWidthPercent, &S::SetBarWidthPercent).Default(70);
    p.Integer("BevelSize", &S::BevelSize, &S::SetBevelSize).Default(1);
    p.Boolean("Dark3D", &S::Dark3D, &S::SetDark3D).Default(true);
    p.Integer("DarkPen", &S::DarkPen, &S::SetDarkPen).Default(0);
    p.Integer("DepthPercent", &S::DepthPercent, &S::SetDepthPercent).Default(100);
    p.Object("Gradient", &S::Gradient, &S::SetGradient);
    p.Enumeration("MultiBar", MultiBarNames(), &S::MultiBar, &S::SetMultiBar).Default(mbSide);
    p.Integer("OffsetPercent", &S::OffsetPercent, &S::SetOffsetPercent).Default(0);
    p.Object("Shadow", &S::Shadow, &S::SetShadow);
    p.Boolean("SideMargins", &S::SideMargins, &S::SetSideMargins).Default(true);
    p.Integer("StackGroup", &S::StackGroup, &S::SetStackGroup).Default(0);
    p.Object("TickLines", &S::TickLines, &S::SetTickLines);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    p.Boolean("UseYOrigin", &S::UseYOrigin, &S::SetUseYOrigin).Default(true);
    p.Float("YOrigin", &S::YOrigin, &S::SetYOrigin).Default(0);
}

void TCustomBarSeries::SetGradient(const TBarSeriesGradient* value) { FGradient->Assign(value); }
void TCustomBarSeries::SetShadow(const TTeeShadow* value) { FShadow->Assign(value); }
void TCustomBarSeries::SetTickLines(const TChartHiddenPen* value) { FTickLines->Assign(value); }

// --- Settings shared by the chart's bars of one class.

void TCustomBarSeries::ShareLayoutSettings() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) {
        ClipsToAxisRange = FMultiBar != mbSelfStack;
        return;
    }
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        auto* s = dynamic_cast<TCustomBarSeries*>(chart->GetSeries(i));
        if (!s || !s->InheritsFrom(ClassType())) continue;
        s->FMultiBar = FMultiBar;
        s->FSideMargins = FSideMargins;
        s->ClipsToAxisRange = FMultiBar != mbSelfStack;
    }
}

void TCustomBarSeries::SetMultiBar(TMultiBar value) {
    if (value == FMultiBar) return;
    FMultiBar = value;
    ShareLayoutSettings();
    Repaint();
}

void TCustomBarSeries::SetSideMargins(bool value) {
    if (value == FSideMargins) return;
    FSideMargins = value;
    ShareLayoutSettings();
    Repaint();
}

void TCustomBarSeries::SetParentChart(TCustomAxisPanel* value) {
    TChartSeries::SetParentChart(value);
    if (!value) return;
    // A bar joining a chart takes the layout of the bars of its class already there.
    for (int i = 0; i < value->SeriesCount(); ++i) {
        auto* s = dynamic_cast<TCustomBarSeries*>(value->GetSeries(i));
        if (!s || !s->InheritsFrom(ClassType())) continue;
        FMultiBar = s->FMultiBar;
        FSideMargins = s->FSideMargins;
        ClipsToAxisRange = FMultiBar != mbSelfStack;
        break;
    }
}

int TCustomBarSeries::IndexInChart() const {
    return ParentChart() ? ParentChart()->SeriesList().IndexOf(this) : 0;
}

void TCustomBarSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustomBarSeries*>(source)) {
        FAutoMarkPosition = other->FAutoMarkPosition;
        FBarWidthPercent = other->FBarWidthPercent;
        FBarStyle = other->FBarStyle;
        FBevelSize = other->FBevelSize;
        FCustomBarWidth = other->FCustomBarWidth;
        FDark3D = other->FDark3D;
        FDarkPen = other->FDarkPen;
        FDepthPercent = other->FDepthPercent;
        FGradient->Assign(other->FGradient.get());
        FMultiBar = other->FMultiBar;
        FOffsetPercent = other->FOffsetPercent;
        FYOrigin = other->FYOrigin;
        FShadow->Assign(other->FShadow.get());
        FSideMargins = other->FSideMargins;
        FStackGroup = other->FStackGroup;
        FTickLines->Assign(other->FTickLines.get());
        FTransparency = other->FTransparency;
        FUseYOrigin = other->FUseYOrigin;
        ClipsToAxisRange = FMultiBar != mbSelfStack;
    }
    TChartSeries::Assign(source);
}

// --- Legend.

void TCustomBarSeries::PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& style) {
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    UseBarPen(canvas, valueIndex);
    style = Brush()->Style();
    backColor = Brush()->Color() == clDefault ? ParentChart()->Color() : Brush()->Color();
}

void TCustomBarSeries::DrawLegendShape(int valueIndex, const TRect& rect) {
    const TPicture* image = Brush()->ImageIfAny();
    if (image && image->Graphic()) ParentChart()->Canvas3D()->UseBrush(Brush());
    TChartSeries::DrawLegendShape(valueIndex, rect);
}

// --- Gallery.

int TCustomBarSeries::DefaultSampleCount() const {
    if (TCustomAxisPanel* chart = ParentChart())
        for (int i = 0; i < chart->SeriesCount(); ++i) {
            const TChartSeries* s = chart->GetSeries(i);
            if (s != this && dynamic_cast<const TCustomBarSeries*>(s) && s->Count() > 0)
                return s->Count();
        }
    return 6;
}

void TCustomBarSeries::AddRandomValues(int numValues, bool onlyMandatory) {
    // Bars at positions of their own only beside a series that has such positions.
    bool ownPositions = false;
    if (TCustomAxisPanel* chart = ParentChart())
        for (int i = 0; i < chart->SeriesCount() && !ownPositions; ++i) {
            const TChartSeries* s = chart->GetSeries(i);
            if (s == this || !IsSameKindAs(*s)) continue;
            const TChartValueList& x = s->XValues();
            for (int j = 0; j < x.Count(); ++j)
                if (x[j] != j) {
                    ownPositions = true;
                    break;
                }
        }
    TChartSeries::AddRandomValues(numValues, ownPositions ? onlyMandatory : true);
}

void TCustomBarSeries::PrepareForGallery(bool enabled) {
    TChartSeries::PrepareForGallery(enabled);
    FBarWidthPercent = 85;
    FBarStyle = bsRectGradient;
    FGradient->SetVisible(true);
    SetMultiBar(mbNone);
    FDarkPen = 130;
}

void TCustomBarSeries::ListGalleryVariants(
    const std::function<void(const std::string&)>& addVariant) {
    for (const std::string* name :
         {&TxtNormal, &TxtColors, &TxtPyramid, &TxtEllipse, &TxtInvPyramid, &TxtGradient})
        addVariant(*name);
    if (OffersStackVariants())
        for (const std::string* name : {&TxtStack, &TxtStack100, &TxtSelfStacked})
            addVariant(*name);
    addVariant(TxtSides);
    addVariant(TxtSideAll);
}

void TCustomBarSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* bar = dynamic_cast<TCustomBarSeries*>(series);
    if (!bar) return;
    switch (index) {
        case 1:
            bar->SetColorEachPoint(true);
            return;
        case 2:
            bar->SetBarStyle(bsPyramid);
            return;
        case 3:
            bar->SetBarStyle(bsEllipse);
            return;
        case 4:
            bar->SetBarStyle(bsInvPyramid);
            return;
        case 5:
            bar->SetBarStyle(bsRectGradient);
            return;
        default:
            break;
    }
    static constexpr TMultiBar withStacks[] = {mbStacked, mbStacked100, mbSelfStack, mbSide,
                                               mbSideAll};
    static constexpr TMultiBar withoutStacks[] = {mbSide, mbSideAll};
    const int k = index - 6;
    const bool stacks = bar->OffersStackVariants();
    if (k < 0 || k >= (stacks ? 5 : 2)) return;
    const TMultiBar mode = stacks ? withStacks[k] : withoutStacks[k];
    TCustomAxisPanel* chart = bar->ParentChart();
    // A layout of several series needs a second series to show: the preview makes one.
    if (chart && chart->SeriesCount() == 1) {
        bar->FillSampleValues(2);
        auto* second = static_cast<TCustomBarSeries*>(
            CreateChartSeries(bar->Owner(), chart, &bar->ClassType()));
        second->SetTitle({});
        second->FillSampleValues(2);
        second->Marks()->SetVisible(false);
        second->SetBarWidthPercent(bar->BarWidthPercent());
        bar->Marks()->SetVisible(false);
        second->SetMultiBar(mode);
    }
    bar->SetMultiBar(mode);
}
