#include "chart/engine/ChartAxis.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/AxisGridPen.h"
#include "chart/engine/AxisItems.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

TAxisHost::~TAxisHost() = default;

namespace {
const TEnumInfo& UnitsNames() {
    static const TEnumInfo names{"muPercent", "muPixels"};
    return names;
}
}  // namespace

TChartAxis::TChartAxis(TAxisHost* host, TCollection* collection)
    : TCollectionItem(collection),
      FHost(host),
      FGrid(std::make_unique<TAxisGridPen>([this](TObject*) { Changed(); })),
      FItems(std::make_unique<TAxisItems>(this)) {
    SelectPixelCalculators();
}

void TChartAxis::SetGrid(const TAxisGridPen* value) { FGrid->Assign(value); }

TChartAxis::~TChartAxis() {
    if (!FHost) return;
    // Nothing may keep pointing here: followers lose their master, series move to the
    // standard axes and the chart's list lets go.
    FHost->ForEachAxis([this](TChartAxis& axis) {
        if (axis.Master == this) axis.Master = nullptr;
    });
    FHost->AxisDestroying(*this);
}

void TChartAxis::Publish(TPublisher<TChartAxis>& p) {
    p.Boolean("Automatic", &TChartAxis::Automatic, &TChartAxis::SetAutomatic).Default(true);
    p.Boolean("AutomaticMaximum", &TChartAxis::AutomaticMaximum, &TChartAxis::SetAutomaticMaximum)
        .Default(true);
    p.Boolean("AutomaticMinimum", &TChartAxis::AutomaticMinimum, &TChartAxis::SetAutomaticMinimum)
        .Default(true);
    p.Object("Grid", &TChartAxis::Grid, &TChartAxis::SetGrid);
    p.Float("EndPosition", &TChartAxis::EndPosition, &TChartAxis::SetEndPosition).Default(100.0);
    p.Boolean("Horizontal", &TChartAxis::Horizontal, &TChartAxis::SetHorizontal)
        .Stored(&TChartAxis::IsCustom);
    p.Float("Increment", &TChartAxis::Increment, &TChartAxis::SetIncrement).Default(0.0);
    p.Boolean("Inverted", &TChartAxis::Inverted, &TChartAxis::SetInverted).Default(false);
    p.Boolean("Logarithmic", &TChartAxis::Logarithmic, &TChartAxis::SetLogarithmic).Default(false);
    p.Float("LogarithmicBase", &TChartAxis::LogarithmicBase, &TChartAxis::SetLogarithmicBase)
        .Default(10.0);
    p.Float("Maximum", &TChartAxis::Maximum, &TChartAxis::SetMaximum)
        .Stored([](const TChartAxis& a) { return !a.FAutomatic && !a.FAutomaticMaximum; });
    p.Integer("MaximumOffset", &TChartAxis::MaximumOffset, &TChartAxis::SetMaximumOffset)
        .Default(0);
    p.Boolean("MaximumRound", &TChartAxis::MaximumRound, &TChartAxis::SetMaximumRound)
        .Default(false);
    p.Float("Minimum", &TChartAxis::Minimum, &TChartAxis::SetMinimum)
        .Stored([](const TChartAxis& a) { return !a.FAutomatic && !a.FAutomaticMinimum; });
    p.Integer("MinimumOffset", &TChartAxis::MinimumOffset, &TChartAxis::SetMinimumOffset)
        .Default(0);
    p.Boolean("MinimumRound", &TChartAxis::MinimumRound, &TChartAxis::SetMinimumRound)
        .Default(false);
    p.Boolean("OtherSide", &TChartAxis::OtherSide, &TChartAxis::SetOtherSide)
        .Stored(&TChartAxis::IsCustom);
    p.Float("PositionPercent", &TChartAxis::PositionPercent, &TChartAxis::SetPositionPercent)
        .Default(0.0);
    p.Enumeration("PositionUnits", UnitsNames(), &TChartAxis::PositionUnits,
                  &TChartAxis::SetPositionUnits)
        .Default(muPercent);
    p.Float("StartPosition", &TChartAxis::StartPosition, &TChartAxis::SetStartPosition)
        .Default(0.0);
    p.Boolean("Visible", &TChartAxis::Visible, &TChartAxis::SetVisible).Default(true);
    p.Float("ZPosition", &TChartAxis::ZPosition, &TChartAxis::SetZPosition)
        .Stored(&TChartAxis::IsZPositionStored);
    PublishLabels(p);
    PublishDrawing(p);
}

bool TChartAxis::IsZPositionStored() const {
    if (IsDepthAxis) return false;
    return FOtherSide ? FZPosition != 100 : FZPosition > 0.011;
}

void TChartAxis::Changed() {
    if (FHost) FHost->AxisChanged(*this);
}

template <class V>
void TChartAxis::SetSetting(V& field, V value) {
    if (field == value) return;
    field = value;
    Changed();
}

// --- Setters.

void TChartAxis::SetAutomatic(bool value) {
    SetSetting(FAutomatic, value);
    if (!Loading()) {
        FAutomaticMinimum = value;
        FAutomaticMaximum = value;
    }
}

void TChartAxis::SetAutomaticMaximum(bool value) {
    SetSetting(FAutomaticMaximum, value);
    if (!value)
        FAutomatic = false;
    else if (FAutomaticMinimum)
        FAutomatic = true;
}

void TChartAxis::SetAutomaticMinimum(bool value) {
    SetSetting(FAutomaticMinimum, value);
    if (!value)
        FAutomatic = false;
    else if (FAutomaticMaximum)
        FAutomatic = true;
}

void TChartAxis::SetMaximum(double value) {
    if (!Loading() && value < FMinimum) throw AxisException(TxtAxisMaximumValueMustBeMinimum);
    SetSetting(FMaximum, value);
}

void TChartAxis::SetMinimum(double value) {
    if (!Loading() && value > FMaximum) throw AxisException(TxtAxisMinimumValueMustBeMaximum);
    SetSetting(FMinimum, value);
}

void TChartAxis::SetIncrement(double value) {
    if (value < 0) throw AxisException(TxtAxisIncrementMustBe0);
    SetSetting(FIncrement, value);
}

void TChartAxis::SetMaximumOffset(int value) { SetSetting(FMaximumOffset, value); }
void TChartAxis::SetMinimumOffset(int value) { SetSetting(FMinimumOffset, value); }
void TChartAxis::SetMaximumRound(bool value) { SetSetting(FMaximumRound, value); }
void TChartAxis::SetMinimumRound(bool value) { SetSetting(FMinimumRound, value); }
void TChartAxis::SetVisible(bool value) { SetSetting(FVisible, value); }
void TChartAxis::SetOtherSide(bool value) { SetSetting(FOtherSide, value); }
void TChartAxis::SetStartPosition(double value) { SetSetting(FStartPosition, value); }
void TChartAxis::SetEndPosition(double value) { SetSetting(FEndPosition, value); }
void TChartAxis::SetPositionPercent(double value) { SetSetting(FPositionPercent, value); }
void TChartAxis::SetPositionUnits(TTeeUnits value) { SetSetting(FPositionUnits, value); }
void TChartAxis::SetInverted(bool value) { SetSetting(FInverted, value); }

void TChartAxis::SetZPosition(double value) {
    // 0 would put the axis exactly on the front plane, where the walls hide it.
    SetSetting(FZPosition, value == 0 ? 0.01 : value);
}

void TChartAxis::SetHorizontal(bool value) {
    SetSetting(FHorizontal, value);
    SelectPixelCalculators();
}

void TChartAxis::SetLogarithmicBase(double value) {
    if (value <= 0 || value == 1) throw AxisException(TxtAxisLogarithmicBaseShouldBe1);
    SetSetting(FLogarithmicBase, value);
}

void TChartAxis::SetLogarithmic(bool value) {
    if (value && FHost) {
        if (IsDateTimeAxis()) throw AxisException(TxtDateTimeAxisCannotBeLogarithmic);
        ComputeRange();
        if (FIMinimum < 0 || FIMaximum < 0) throw AxisException(TxtLogarithmicAxisMinAndMaxValues);
    }
    SetSetting(FLogarithmic, value);
    SelectPixelCalculators();
}

// --- Range.

bool TChartAxis::IsDateTimeAxis() { return FHost && FHost->AxisShowsDateTime(*this); }

void TChartAxis::SetLimits(double minimum, double maximum) {
    FAutomatic = FAutomaticMinimum = FAutomaticMaximum = false;
    if (minimum > maximum) std::swap(minimum, maximum);
    SetSetting(FMinimum, minimum);
    SetSetting(FMaximum, maximum);
    if (FMaximum - FMinimum < 1e-10) SetSetting(FMaximum, FMinimum + 1e-10);
    if (FHost)
        FHost->ForEachAxis([this](TChartAxis& axis) {
            if (axis.Master == this) axis.SetLimits(FMinimum, FMaximum);
        });
}

void TChartAxis::ScrollRange(double offset, bool checkLimits) {
    if (checkLimits) {
        if (offset == 0 || !FHost) return;
        double low = 0, high = 0;
        FHost->AxisSeriesRange(*this, low, high);
        if (offset > 0 ? high <= FMaximum : low >= FMinimum) return;
    }
    SetLimits(FMinimum + offset, FMaximum + offset);
}

void TChartAxis::AutomaticLimits() {
    if (!FHost) return;
    if (!(FAutomatic || FAutomaticMaximum || FAutomaticMinimum)) return;
    double low = 0, high = 0;
    FHost->AxisSeriesRange(*this, low, high);
    if (FAutomatic || FAutomaticMaximum) FMaximum = high;
    if (FAutomatic || FAutomaticMinimum) FMinimum = low;
}

void TChartAxis::ComputeRange() {
    AutomaticLimits();
    FIMaximum = FMaximum;
    FIMinimum = FMinimum;
    RecalcScale();
    RoundLimitsToIncrement();
}

void TChartAxis::RecalcScale() {
    FIRange = FIMaximum - FIMinimum;
    FIZeroRange = FIRange == 0;
    FScale = FIZeroRange ? 0 : FIAxisSize / FIRange;
    if (FLogarithmic) {
        FLogIMinimum = FIMinimum > 0 ? std::log(FIMinimum) : 0;
        FLogIMaximum = FIMaximum > 0 ? std::log(FIMaximum) : 0;
        FLogIRange = FLogIMaximum - FLogIMinimum;
        FLogScale = FLogIRange == 0 ? 0 : FIAxisSize / FLogIRange;
    }
    FZPixel = ZPixelPosition();
}

void TChartAxis::RoundLimitsToIncrement() {
    if (FIAxisSize == 0 || FIZeroRange || !FHost) return;
    const bool roundMax = FMaximumRound && (FAutomatic || FAutomaticMaximum);
    const bool roundMin = FMinimumRound && (FAutomatic || FAutomaticMinimum);
    if (!roundMax && !roundMin) return;
    const double step = FHost->AxisLabelIncrement(*this);
    if (step != 0) {
        if (roundMax) FIMaximum = step * std::ceil(FIMaximum / step);
        if (roundMin) FIMinimum = step * std::floor(FIMinimum / step);
    }
    RecalcScale();
}

void TChartAxis::ApplyPixelMargins(int startMargin, int endMargin) {
    const int oldStart = FIStartPos;
    const int oldEnd = FIEndPos;
    FIStartPos += startMargin;
    FIEndPos -= endMargin;
    FIAxisSize = FIEndPos - FIStartPos;
    const double a = ValueAtPixel(oldStart);
    const double b = ValueAtPixel(oldEnd);
    PositionInChart();
    FIMinimum = std::min(a, b);
    FIMaximum = std::max(a, b);
    RecalcScale();
}

void TChartAxis::PositionInChart() {
    auto along = [this](int origin, int length) {
        FIStartPos = origin + RoundToInt(length * FStartPosition * 0.01);
        FIEndPos = origin + RoundToInt(length * FEndPosition * 0.01);
    };
    if (IsDepthAxis) {
        along(0, FHost ? FHost->AxisChartDepth() : 0);
    } else {
        const TRect r = FHost ? FHost->AxisChartRect() : TRect{};
        if (FHorizontal)
            along(r.Left, r.Right - r.Left);
        else
            along(r.Top, r.Bottom - r.Top);
    }
    UpdateAxisSize();
}

void TChartAxis::SetPositions(int startPos, int endPos) {
    FIStartPos = startPos;
    FIEndPos = endPos;
    UpdateAxisSize();
}

void TChartAxis::UpdateAxisSize() {
    FIAxisSize = FIEndPos - FIStartPos;
    FICenterPos = (FIStartPos + FIEndPos) / 2;
    RecalcScale();
}

int TChartAxis::ZPixelPosition() const {
    int length = 0;
    if (FHost) {
        const TRect r = FHost->AxisChartRect();
        length = IsDepthAxis ? r.Bottom - r.Top : FHost->AxisChartDepth();
    }
    return RoundToInt(FZPosition * length * 0.01);
}

// --- Mapping.

void TChartAxis::SelectPixelCalculators() {
    if (IsDepthAxis) {
        FCalcX = FCalcY = &TChartAxis::Depth;
    } else if (FLogarithmic) {
        FCalcX = &TChartAxis::LogX;
        FCalcY = &TChartAxis::LogY;
    } else if (FHost && FHost->AxisFastPixelMode()) {
        FCalcX = &TChartAxis::FastX;
        FCalcY = &TChartAxis::FastY;
    } else {
        FCalcX = &TChartAxis::LinearX;
        FCalcY = &TChartAxis::LinearY;
    }
    FCalcPos = FHorizontal ? FCalcX : FCalcY;
}

namespace {
// Clamped before rounding, so that a value far off the range still gives a drawable pixel.
int ClampedPixel(double p) {
    return RoundToInt(std::clamp(p, double(-AxisPixelLimit), double(AxisPixelLimit)));
}
}  // namespace

int TChartAxis::LinearX(double v) const {
    if (FIZeroRange) return FICenterPos;
    const double p = (v - FIMinimum) * FScale;
    return ClampedPixel(FInverted ? FIEndPos - p : FIStartPos + p);
}

int TChartAxis::LinearY(double v) const {
    if (FIZeroRange) return FICenterPos;
    const double p = (v - FIMinimum) * FScale;
    return ClampedPixel(FInverted ? FIStartPos + p : FIEndPos - p);
}

// The fast pair skips the clamping; RoundToInt still saturates far beyond any surface, so a
// wild value cannot overflow the integer.
int TChartAxis::FastX(double v) const {
    if (FIZeroRange) return FICenterPos;
    const int p = RoundToInt((v - FIMinimum) * FScale);
    return FInverted ? FIEndPos - p : FIStartPos + p;
}

int TChartAxis::FastY(double v) const {
    if (FIZeroRange) return FICenterPos;
    const int p = RoundToInt((v - FIMinimum) * FScale);
    return FInverted ? FIStartPos + p : FIEndPos - p;
}

int TChartAxis::Depth(double v) const {
    if (FIZeroRange) return FICenterPos;
    return FInverted ? RoundToInt(FScale * (FIMaximum - v)) : RoundToInt((v - FIMinimum) * FScale);
}

int TChartAxis::LogX(double v) const {
    if (FLogIRange == 0) return FICenterPos;
    if (v <= 0) return FInverted ? FIEndPos : FIStartPos;
    const double ln = std::log(v);
    return FIStartPos + RoundToInt(FInverted ? FLogScale * (FLogIMaximum - ln)
                                             : FLogScale * (ln - FLogIMinimum));
}

int TChartAxis::LogY(double v) const {
    if (FLogIRange == 0) return FICenterPos;
    if (v <= 0) return FInverted ? FIStartPos : FIEndPos;
    const double ln = std::log(v);
    return FIEndPos - RoundToInt(FInverted ? FLogScale * (FLogIMaximum - ln)
                                           : FLogScale * (ln - FLogIMinimum));
}

double TChartAxis::ValueAtPixel(int pixel) const {
    const int d = FInverted ? FIEndPos - pixel : pixel - FIStartPos;
    if (FLogarithmic) {
        // The ends give the limits exactly, not through exp(ln x).
        const bool lowAtStart = FHorizontal != FInverted;
        if (pixel == FIStartPos) return lowAtStart ? FIMinimum : FIMaximum;
        if (pixel == FIEndPos) return lowAtStart ? FIMaximum : FIMinimum;
        if (FLogIRange == 0 || FIAxisSize == 0) return FIMinimum;
        const double c = d * FLogIRange / FIAxisSize;
        return FHorizontal ? std::exp(FLogIMinimum + c) : std::exp(FLogIMaximum - c);
    }
    if (FIAxisSize < 1) return 0;
    return FHorizontal ? FIMinimum + d * FIRange / FIAxisSize
                       : FIMaximum - d * FIRange / FIAxisSize;
}

int TChartAxis::ValueSizeInPixels(double difference) const {
    if (difference <= 0 || FIZeroRange) return 0;
    if (FLogarithmic) return FLogIRange == 0 ? 0 : RoundToInt(std::log(difference) * FLogScale);
    return RoundToInt(difference * FScale);
}

// --- Copying.

void TChartAxis::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TChartAxis*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    FParts->Assign(*other->FParts);
    FIncrement = other->FIncrement;
    FMaximum = other->FMaximum;
    FMaximumOffset = other->FMaximumOffset;
    FMaximumRound = other->FMaximumRound;
    FMinimum = other->FMinimum;
    FMinimumOffset = other->FMinimumOffset;
    FMinimumRound = other->FMinimumRound;
    FAutomatic = other->FAutomatic;
    FAutomaticMaximum = other->FAutomaticMaximum;
    FAutomaticMinimum = other->FAutomaticMinimum;
    FLogarithmic = other->FLogarithmic;
    FLogarithmicBase = other->FLogarithmicBase;
    FInverted = other->FInverted;
    IsDepthAxis = other->IsDepthAxis;
    FStartPosition = other->FStartPosition;
    FEndPosition = other->FEndPosition;
    FPositionPercent = other->FPositionPercent;
    FPositionUnits = other->FPositionUnits;
    FVisible = other->FVisible;
    FHorizontal = other->FHorizontal;
    FOtherSide = other->FOtherSide;
    FLabels = other->FLabels;
    FGrid->Assign(other->FGrid.get());
    FItems->CopyFrom(*other->FItems);
    SelectPixelCalculators();
    Changed();
}

// --- Depth axis.

TChartDepthAxis::TChartDepthAxis(TAxisHost* host) : TChartAxis(host) {
    IsDepthAxis = true;
    SelectPixelCalculators();
    SetVisibleQuietly(false);  // hidden until the chart shows depth
}

void TChartDepthAxis::SetInverted(bool value) {
    TChartAxis::SetInverted(value);
    if (Partner) Partner->SetInvertedQuietly(value);
}

void TChartDepthAxis::Publish(TPublisher<TChartDepthAxis>& p) {
    p.Boolean("Visible", &TChartDepthAxis::Visible, &TChartDepthAxis::SetVisible).Default(false);
}
