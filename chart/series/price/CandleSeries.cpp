#include "chart/series/price/CandleSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/algo/CandleColorRule.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& CandleStyleNames() {
    static const TEnumInfo names{"csCandleStick", "csCandleBar", "csOpenClose", "csLine"};
    return names;
}

const TEnumInfo& CandleColorStyleNames() {
    static const TEnumInfo names{"cssRelativeToOpen", "cssRelativeToClose"};
    return names;
}

TCandleSeries::TCandleSeries(TComponent* owner)
    : TOHLCSeries(owner),
      FDownGradient(std::make_unique<TTeeGradient>(StyleChangedEvent())),
      FHighLowPen(CreateLinkedPen()),
      FUpGradient(std::make_unique<TTeeGradient>(StyleChangedEvent())) {
    Pointer()->SetDraw3D(false);
    FUpGradient->SetStartColor(clWhite);
    FDownGradient->SetStartColor(clRed);
    FHighLowPen->SetColor(clDefault);
    // Candles do not depend on their neighbours: none beyond the axis edge is drawn.
    ReachesRangeEdge = false;
}
TCandleSeries::~TCandleSeries() = default;

void TCandleSeries::SetCandleStyle(TCandleStyle value) {
    if (FCandleStyle == value) return;
    FCandleStyle = value;
    Pointer()->SetVisible(value != csLine);
    Repaint();
}

void TCandleSeries::SetUpCloseGradient(const TTeeGradient* value) { FUpGradient->Assign(value); }
void TCandleSeries::SetDownCloseGradient(const TTeeGradient* value) {
    FDownGradient->Assign(value);
}
TColor TCandleSeries::UpCloseColor() const { return FUpGradient->StartColor(); }
void TCandleSeries::SetUpCloseColor(TColor value) { FUpGradient->SetStartColor(value); }
TColor TCandleSeries::DownCloseColor() const { return FDownGradient->StartColor(); }
void TCandleSeries::SetDownCloseColor(TColor value) { FDownGradient->SetStartColor(value); }
void TCandleSeries::SetHighLowPen(const TChartPen* value) { FHighLowPen->Assign(value); }
TChartPen* TCandleSeries::CandlePen() const { return Pointer()->Pen(); }
void TCandleSeries::SetCandlePen(const TChartPen* value) { Pointer()->Pen()->Assign(value); }
bool TCandleSeries::Draw3D() const { return Pointer()->Draw3D(); }
void TCandleSeries::SetDraw3D(bool value) { Pointer()->SetDraw3D(value); }
bool TCandleSeries::Dark3D() const { return Pointer()->Dark3D(); }
void TCandleSeries::SetDark3D(bool value) { Pointer()->SetDark3D(value); }

// --- Colours.

bool TCandleSeries::IsUpCandle(int valueIndex) const {
    const std::span<const double> open(OpenValues().Data(), size_t(Count()));
    const std::span<const double> close(CloseValues().Data(), size_t(Count()));
    return CandleRises(open, close, valueIndex,
                       FColorStyle == cssRelativeToClose ? TCandleColorRule::RelativeToPreviousClose
                                                         : TCandleColorRule::RelativeToOpen);
}

TColor TCandleSeries::CandleColor(int valueIndex) const {
    if (valueIndex < 0 || valueIndex >= Count()) return SeriesColor();
    if (StoredPointColor(valueIndex) != clDefault) return ValueColor(valueIndex);
    return IsUpCandle(valueIndex) ? UpCloseColor() : DownCloseColor();
}

// --- Extremes: the line style shows only the closes.

double TCandleSeries::GetMaxYValue() {
    return FCandleStyle == csLine ? TCustomSeries::MandatoryMinMax(false) : MandatoryMinMax(false);
}

double TCandleSeries::GetMinYValue() {
    return FCandleStyle == csLine ? TCustomSeries::MandatoryMinMax(true) : MandatoryMinMax(true);
}

// --- Gallery.

void TCandleSeries::ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) {
    TOHLCSeries::ListGalleryVariants(addVariant);
    for (const std::string* t : {&TxtExtBar, &TxtExtNoOpen, &TxtExtNoClose, &TxtNoBorder, &TxtLine})
        addVariant(*t);
}

void TCandleSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TCandleSeries*>(series);
    if (!s) return;
    s->Apply3DFromGallery(s->ParentChart() && s->ParentChart()->View3D());
    switch (index) {
        case 1:
            s->SetCandleStyle(csCandleBar);
            break;
        case 2:
            s->CandlePen()->SetVisible(true);
            s->SetCandleStyle(csCandleBar);
            s->SetShowOpenTick(false);
            break;
        case 3:
            s->CandlePen()->SetVisible(true);
            s->SetCandleStyle(csCandleBar);
            s->SetShowCloseTick(false);
            break;
        case 4:
            s->SetCandleStyle(csCandleStick);
            s->CandlePen()->SetVisible(false);
            break;
        case 5:
            s->SetCandleStyle(csLine);
            break;
        default:
            TOHLCSeries::ApplyGalleryVariant(series, index);
    }
}

void TCandleSeries::Apply3DFromGallery(bool enabled) {
    TOHLCSeries::Apply3DFromGallery(enabled);
    if (!FParentChart) return;
    SetDownCloseColor(FParentChart->PaletteColor(0));
    SetUpCloseColor(FParentChart->PaletteColor(4));
}

void TCandleSeries::PrepareForGallery(bool enabled) {
    TOHLCSeries::PrepareForGallery(enabled);
    FillSampleValues(4);
    SetColorEachPoint(enabled);
    if (!enabled) {
        SetUpCloseColor(clSilver);
        SetDownCloseColor(clGray);
        CandlePen()->SetColor(clGray);
    }
    CandlePen()->SetWidth(2);
    SetCandleWidth(12);
}

void TCandleSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCandleSeries*>(source)) {
        FCandleWidth = other->FCandleWidth;
        FCandleStyle = other->FCandleStyle;
        FColorStyle = other->FColorStyle;
        FUpGradient->Assign(other->FUpGradient.get());
        FDownGradient->Assign(other->FDownGradient.get());
        FHighLowPen->Assign(other->FHighLowPen.get());
        FShowOpenTick = other->FShowOpenTick;
        FShowCloseTick = other->FShowCloseTick;
    }
    TOHLCSeries::Assign(source);
}

void TCandleSeries::Publish(TPublisher<TCandleSeries>& p) {
    using S = TCandleSeries;
    p.Enumeration("CandleStyle", CandleStyleNames(), &S::CandleStyle, &S::SetCandleStyle)
        .Default(csCandleStick);
    p.Integer("CandleWidth", &S::CandleWidth, &S::SetCandleWidth).Default(4);
    p.Enumeration("ColorStyle", CandleColorStyleNames(), &S::ColorStyle, &S::SetColorStyle)
        .Default(cssRelativeToOpen);
    p.Boolean("Draw3D", &S::Draw3D, &S::SetDraw3D).Default(false);
    p.Boolean("Dark3D", &S::Dark3D, &S::SetDark3D).Default(true);
    p.Color("DownCloseColor", &S::DownCloseColor, &S::SetDownCloseColor).Default(clRed);
    p.Object("DownCloseGradient", &S::DownCloseGradient, &S::SetDownCloseGradient);
    p.Object("HighLowPen", &S::HighLowPen, &S::SetHighLowPen);
    p.Boolean("ShowCloseTick", &S::ShowCloseTick, &S::SetShowCloseTick).Default(true);
    p.Boolean("ShowOpenTick", &S::ShowOpenTick, &S::SetShowOpenTick).Default(true);
    p.Color("UpCloseColor", &S::UpCloseColor, &S::SetUpCloseColor).Default(clWhite);
    p.Object("UpCloseGradient", &S::UpCloseGradient, &S::SetUpCloseGradient);
    p.Object("Pen", &S::CandlePen, &S::SetCandlePen);
}
