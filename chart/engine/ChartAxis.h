#pragma once
// One axis of a chart: the user's settings for range, scale and position, and the working
// figures of the last drawing pass that turn values into pixels and back.
//
// The working figures are valid from ComputeRange and PositionInChart of one pass until the
// next; SetLimits and the setters change only the settings.
#include <memory>
#include <string>

#include "chart/engine/AxisHost.h"
#include "chart/foundation/TeePanel.h"
#include "platform/classes/Collection.h"
#include "platform/rtl/Exceptions.h"

KV_EXCEPTION_CLASS(AxisException, Exception)

// The largest pixel coordinate the clamped mappings give (and its negative the smallest).
inline constexpr int AxisPixelLimit = 32767;

class TAxisGridPen;
class TAxisItems;

class TChartAxis : public TCollectionItem {
    KV_DECLARE_CLASS(TChartAxis, TCollectionItem)
public:
    // A standard axis belongs to no collection; a custom axis joins the chart's custom axes.
    TChartAxis(TAxisHost* host, TCollection* collection = nullptr);
    // An item of a chart's custom axes, made by the collection (when a stream is read).
    explicit TChartAxis(TCollection* collection);
    ~TChartAxis() override;

    TAxisHost* Host() const { return FHost; }

    // --- Range settings.
    bool Automatic() const { return FAutomatic; }
    void SetAutomatic(bool value);
    bool AutomaticMaximum() const { return FAutomaticMaximum; }
    void SetAutomaticMaximum(bool value);
    bool AutomaticMinimum() const { return FAutomaticMinimum; }
    void SetAutomaticMinimum(bool value);
    double Maximum() const { return FMaximum; }
    void SetMaximum(double value);
    double Minimum() const { return FMinimum; }
    void SetMinimum(double value);
    double Increment() const { return FIncrement; }
    void SetIncrement(double value);
    int MaximumOffset() const { return FMaximumOffset; }
    void SetMaximumOffset(int value);
    int MinimumOffset() const { return FMinimumOffset; }
    void SetMinimumOffset(int value);
    bool MaximumRound() const { return FMaximumRound; }
    void SetMaximumRound(bool value);
    bool MinimumRound() const { return FMinimumRound; }
    void SetMinimumRound(bool value);

    // --- Scale and position settings.
    bool Logarithmic() const { return FLogarithmic; }
    void SetLogarithmic(bool value);
    double LogarithmicBase() const { return FLogarithmicBase; }
    void SetLogarithmicBase(double value);
    bool Inverted() const { return FInverted; }
    virtual void SetInverted(bool value);
    // Without a repaint.
    void SetInvertedQuietly(bool value) { FInverted = value; }
    bool Horizontal() const { return FHorizontal; }
    void SetHorizontal(bool value);
    bool OtherSide() const { return FOtherSide; }
    void SetOtherSide(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    double StartPosition() const { return FStartPosition; }
    void SetStartPosition(double value);
    double EndPosition() const { return FEndPosition; }
    void SetEndPosition(double value);
    double PositionPercent() const { return FPositionPercent; }
    void SetPositionPercent(double value);
    TTeeUnits PositionUnits() const { return FPositionUnits; }
    void SetPositionUnits(TTeeUnits value);
    // Percent of the 3-D depth; 0 is kept as 0.01.
    double ZPosition() const { return FZPosition; }
    void SetZPosition(double value);

    // --- Parts: the grid pen and the custom labels.
    TAxisGridPen* Grid() const { return FGrid.get(); }
    void SetGrid(const TAxisGridPen* value);
    TAxisItems& Items() const { return *FItems; }

    // A custom axis follows the limits of its master; not owned, cleared when the master goes.
    TChartAxis* Master = nullptr;
    // Set by the chart for its two depth axes.
    bool IsDepthAxis = false;
    // A custom axis (stored with its orientation and side); set by the chart.
    bool IsCustom() const { return Collection() != nullptr; }

    // --- Range.
    // Fixes the range: automatic flags off, ends in order, a span of at least 1e-10; custom
    // axes following this one get the same limits.
    void SetLimits(double minimum, double maximum);
    // Moves both limits; with checkLimits only while series values lie beyond that end.
    void ScrollRange(double offset, bool checkLimits);
    bool IsDateTimeAxis();
    void ComputeRange();
    void AutomaticLimits();
    void RecalcScale();
    void RoundLimitsToIncrement();
    // Widens the working range so the current one fills the axis less the two margins (pixels
    // at the start and at the end).
    void ApplyPixelMargins(int startMargin, int endMargin);
    void PositionInChart();
    void UpdateAxisSize();

    // --- Working figures of the last pass.
    double WorkingMinimum() const { return FIMinimum; }
    double WorkingMaximum() const { return FIMaximum; }
    double WorkingRange() const { return FIRange; }
    bool ZeroRange() const { return FIZeroRange; }
    int StartPos() const { return FIStartPos; }
    int EndPos() const { return FIEndPos; }
    int AxisSize() const { return FIAxisSize; }
    int CenterPos() const { return FICenterPos; }
    int ZPixel() const { return FZPixel; }
    // Sets the pixel span directly (a pass that places the axis itself, and tests).
    void SetPositions(int startPos, int endPos);

    // --- Mapping. One indirect call per value: the routines are chosen when the orientation,
    // the scale or the chart's pixel mode changes.
    int XPixelOfValue(double value) const { return (this->*FCalcX)(value); }
    int YPixelOfValue(double value) const { return (this->*FCalcY)(value); }
    int PixelOfValue(double value) const { return (this->*FCalcPos)(value); }
    void SelectPixelCalculators();
    double ValueAtPixel(int pixel) const;
    int ValueSizeInPixels(double difference) const;
    int ZPixelPosition() const;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TChartAxis>& p);

protected:
    void Changed();
    void SetVisibleQuietly(bool value) { FVisible = value; }
    bool Loading() const { return FHost && FHost->AxisLoading(); }

private:
    using TCalc = int (TChartAxis::*)(double) const;
    int LinearX(double v) const;
    int LinearY(double v) const;
    int FastX(double v) const;
    int FastY(double v) const;
    int Depth(double v) const;
    int LogX(double v) const;
    int LogY(double v) const;
    template <class V>
    void SetSetting(V& field, V value);
    bool IsZPositionStored() const;

    TAxisHost* FHost;
    bool FAutomatic = true;
    bool FAutomaticMaximum = true;
    bool FAutomaticMinimum = true;
    double FIncrement = 0;
    double FMaximum = 0;
    double FMinimum = 0;
    bool FLogarithmic = false;
    double FLogarithmicBase = 10;
    int FMaximumOffset = 0;
    int FMinimumOffset = 0;
    bool FMaximumRound = false;
    bool FMinimumRound = false;
    double FZPosition = 0.01;
    bool FInverted = false;
    bool FHorizontal = false;
    bool FOtherSide = false;
    bool FVisible = true;
    double FStartPosition = 0;
    double FEndPosition = 100;
    double FPositionPercent = 0;
    TTeeUnits FPositionUnits = muPercent;

    double FLogScale = 0;
    double FScale = 0;
    int FICenterPos = 0;
    double FLogIMaximum = 0;
    double FLogIMinimum = 0;
    double FIMaximum = 0;
    double FIMinimum = 0;
    double FIRange = 0;
    double FLogIRange = 0;
    bool FIZeroRange = true;
    int FZPixel = 0;
    int FIStartPos = 0;
    int FIEndPos = 0;
    int FIAxisSize = 0;
    TCalc FCalcX = &TChartAxis::LinearX;
    TCalc FCalcY = &TChartAxis::LinearY;
    TCalc FCalcPos = &TChartAxis::LinearY;
    std::unique_ptr<TAxisGridPen> FGrid;
    std::unique_ptr<TAxisItems> FItems;
};

// The depth axis: hidden by default; inverting it inverts the chart's other depth axis too.
class TChartDepthAxis : public TChartAxis {
    KV_DECLARE_CLASS(TChartDepthAxis, TChartAxis)
public:
    explicit TChartDepthAxis(TAxisHost* host);
    // The chart's other depth axis, set by the chart that owns both.
    TChartDepthAxis* Partner = nullptr;
    void SetInverted(bool value) override;
    static void Publish(TPublisher<TChartDepthAxis>& p);
};
