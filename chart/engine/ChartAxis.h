#pragma once
// One axis of a chart: the user's settings for range, scale and position, and the working
// figures of the last drawing pass that turn values into pixels and back.
//
// The working figures are valid from ComputeRange and PositionInChart of one pass until the
// next; SetLimits and the setters change only the settings.
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/AxisDrawParts.h"
#include "chart/engine/AxisHost.h"
#include "chart/engine/AxisLabelOptions.h"
#include "chart/foundation/TeePanel.h"
#include "platform/classes/Collection.h"
#include "platform/rtl/Exceptions.h"

KV_EXCEPTION_CLASS(AxisException, Exception)

// The largest pixel coordinate the clamped mappings give (and its negative the smallest).
inline constexpr int AxisPixelLimit = 32767;

class TTeeFont;
class TAxisGridPen;
class TAxisItem;
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

    // --- The grid pen and the custom labels.
    TAxisGridPen* Grid() const { return FGrid.get(); }
    void SetGrid(const TAxisGridPen* value);
    // The grid pen's centred flag: grid lines midway between ticks.
    bool GridCentered() const;
    void SetGridCentered(bool value);
    TAxisItems& Items() const { return *FItems; }
    // The label format shape of the items: whether labels are shown, and their font.
    bool Labels() const;
    void SetLabels(bool value);
    TTeeFont* LabelsFont() const;
    void SetLabelsFont(const TTeeFont* value);

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

    // --- Label settings (AxisLabelOptions.cpp); each setter repaints when the value changed.
    const TAxisLabelOptions& LabelOptions() const { return FLabels; }
    const std::string& AxisValuesFormat() const { return FLabels.AxisValuesFormat; }
    void SetAxisValuesFormat(const std::string& value);
    const std::string& DateTimeFormat() const { return FLabels.DateTimeFormat; }
    void SetDateTimeFormat(const std::string& value);
    bool ExactDateTime() const { return FLabels.ExactDateTime; }
    void SetExactDateTime(bool value);
    TAxisLabelAlign LabelsAlign() const { return FLabels.LabelsAlign; }
    void SetLabelsAlign(TAxisLabelAlign value);
    bool LabelsAlternate() const { return FLabels.LabelsAlternate; }
    void SetLabelsAlternate(bool value);
    int LabelsAngle() const { return FLabels.LabelsAngle; }
    void SetLabelsAngle(int value);
    bool LabelsExponent() const { return FLabels.LabelsExponent; }
    void SetLabelsExponent(bool value);
    bool LabelsMultiLine() const { return FLabels.LabelsMultiLine; }
    void SetLabelsMultiLine(bool value);
    bool LabelsOnAxis() const { return FLabels.LabelsOnAxis; }
    void SetLabelsOnAxis(bool value);
    int LabelsSeparation() const { return FLabels.LabelsSeparation; }
    void SetLabelsSeparation(int value);
    int LabelsSize() const { return FLabels.LabelsSize; }
    void SetLabelsSize(int value);
    TAxisLabelStyle LabelStyle() const { return FLabels.LabelStyle; }
    void SetLabelStyle(TAxisLabelStyle value);
    bool RoundFirstLabel() const { return FLabels.RoundFirstLabel; }
    void SetRoundFirstLabel(bool value);
    bool TickOnLabelsOnly() const { return FLabels.TickOnLabelsOnly; }
    void SetTickOnLabelsOnly(bool value);

    // --- Label step (AxisLabelIncrement.cpp).
    // The whole power of LogarithmicBase nearest to x on the logarithmic scale.
    double RoundToLogPower(double x) const;
    // The step that gives at most labelCount labels over the working range.
    double IncrementForLabelCount(int labelCount);
    // The step at which labels of size pixels (along the axis) fit without overlapping.
    double IncrementForLabelSize(int size);
    // The label step of the current pass, from the sizes of the labels it would write.
    double ComputeLabelIncrement();
    // Moves a label value one step: on the calendar for steps of half a month and longer.
    void IncDateTimeStep(bool up, double& value, int stepIndex, double increment);

    // --- Label texts and sizes (AxisLabelFormat.cpp).
    virtual TAxisLabelStyle AutoLabelStyle() const;
    TAxisLabelStyle EffectiveLabelStyle() const;
    // The text of a value label: formatted, passed through the chart's OnGetAxisLabel, then
    // broken into lines with LabelsMultiLine.
    virtual std::string FormatLabel(double value);
    // The value's label measured along the axis.
    int LabelExtent(bool horizontal, double value);
    int WidestLabel();
    // The depth of a label band across the axis: fixedSize when not 0, else measured with font
    // (the surface's current font when none) for text, or for the widest label when text is none.
    int LabelSize(TTeeFont* font, int angle, int fixedSize, const std::string* text);

    // --- Label walks (AxisLabelWalks.cpp). A walk decides which values get a label this pass,
    // registers their ticks and hands each label to DrawLabelAt.
    // The walk of the effective style: tick positions cleared, the step computed, and value
    // (event or logarithmic), mark, point-text or depth-title labels walked.
    void WalkLabels();
    // The date-time table step the labels of this pass move by; dtNone for a plain step.
    int LabelStepIndex(double increment);
    void DrawValueLabels(double increment, int stepIndex);
    void DrawLogLabels();
    void DrawEventLabels(double increment, int stepIndex);
    // Point labels (or mark texts) of the series on the axis, skipping those that would overlap.
    void DrawTextLabels(bool marks);
    // The titles of the series in their depth rows.
    void DrawDepthSeriesTitles();
    // The user's label items (when they are not automatic) whose value lies within Minimum and
    // Maximum: each gets its tick (only a visible one with TickOnLabelsOnly), and each visible
    // one is drawn with its text (its value's label when empty) in itself as the shape.
    void DrawCustomLabels();
    // One label in the label format: its tick when TickOnLabelsOnly, then its text.
    void DrawLabelAt(int pixel, const std::string& text, double value) {
        DrawLabelAt(pixel, text, nullptr, value);
    }
    // Pixels along the axis of this pass's ticks, in the order the walk registered them.
    const std::vector<int>& TickPositions() const { return FTickPositions; }
    void AddTick(int pixel) { FTickPositions.push_back(pixel); }

    // --- Drawing settings (AxisDraw.cpp); each setter repaints when the value changed.
    TChartAxisPen* Axis() const { return &FParts->Axis; }
    void SetAxis(const TChartAxisPen* value) { FParts->Axis.Assign(value); }
    TDarkGrayPen* Ticks() const { return &FParts->Ticks; }
    void SetTicks(const TDarkGrayPen* value) { FParts->Ticks.Assign(value); }
    TDarkGrayPen* TicksInner() const { return &FParts->TicksInner; }
    void SetTicksInner(const TDarkGrayPen* value) { FParts->TicksInner.Assign(value); }
    TDarkGrayPen* MinorTicks() const { return &FParts->MinorTicks; }
    void SetMinorTicks(const TDarkGrayPen* value) { FParts->MinorTicks.Assign(value); }
    TChartHiddenPen* MinorGrid() const { return &FParts->MinorGrid; }
    void SetMinorGrid(const TChartHiddenPen* value) { FParts->MinorGrid.Assign(value); }
    TChartAxisTitle* Title() const { return &FParts->Title; }
    void SetTitle(const TChartAxisTitle* value) { FParts->Title.Assign(value); }
    int TickLength() const { return FParts->TickLength; }
    void SetTickLength(int value);
    int TickInnerLength() const { return FParts->TickInnerLength; }
    void SetTickInnerLength(int value);
    int MinorTickLength() const { return FParts->MinorTickLength; }
    void SetMinorTickLength(int value);
    int MinorTickCount() const { return FParts->MinorTickCount; }
    void SetMinorTickCount(int value);
    int TitleSize() const { return FParts->TitleSize; }
    void SetTitleSize(int value);
    TAxisDrawLabelEvent OnDrawLabel;
    // Called before the grid lines are drawn (a tool that paints bands between them).
    std::function<void(TChartAxis&)> OnBeforeDrawGrid;
    // Set by the chart's drawing pass: the walls of this pass hide the back or the side grid.
    bool HideBackGrid = false;
    bool HideSideGrid = false;

    // --- Layout (AxisLayout.cpp). Positions are pixels across the axis.
    int AxisPosition() const { return FAxisPosition; }
    int LabelsPosition() const { return FLabelsPosition; }
    int TitlePosition() const { return FTitlePosition; }
    // Sets the positions from the chart rectangle; with shrink, takes the room the title, the
    // labels, the wall, the line and the ticks need from it, from the outside in.
    void PlaceInChartRect(TRect& rect, bool shrink);
    // Pixels the line and the ticks take across the axis.
    int LineAndTicksSize();
    // The depth of the label band: doubled when labels alternate between two rows.
    int LabelsSpace();
    // The title again beyond the labels, once the range (and so the labels' width) changed;
    // nothing when labels are hidden.
    void PlaceTitleBeyondLabels();
    // From the start to the end of the axis along it; across it, from the labels to 3 pixels
    // beyond the line (the line alone without labels).
    TRect AxisBounds();
    bool ContainsPoint(int x, int y);

    // --- Drawing (AxisDraw.cpp): title, labels, line, ticks, grid, inner ticks, minor ticks and
    // minor grid, inside the named part "axis". With computePosition the line is placed on the
    // current chart rectangle first.
    void Draw(bool computePosition);
    // Draws at the given positions, with the grid shown or not for this call only.
    void DrawAtPositions(int labelsPosition, int titlePosition, int axisPosition, bool gridVisible,
                         int startPosition, int endPosition);
    // The same with a temporary range; the axis' own range comes back also when drawing fails.
    void DrawWithRangeAt(int labelsPosition, int titlePosition, int axisPosition, bool gridVisible,
                         double minimum, double maximum, double increment, int startPosition,
                         int endPosition);
    // The grid lines alone again, at the ticks of the last drawing (the walls drawn over the
    // series bring them back in front).
    void RedrawGrid();

    // --- Texts (AxisTexts.cpp).
    // A label or title text at (x, y) and depth z (the depth axis' own; others use their Z
    // position), aligned to the axis by side and angle, lines stacked, the frame box of a title
    // or label item (shape) behind it.
    void DrawAxisText(int x, int y, int z, TTeeCustomShape* shape, const std::string& text,
                      int angle);
    void DrawTitleAt(int x, int y);
    // One label of a walk with the given item as its shape (none: the label format): its tick
    // when TickOnLabelsOnly, then its text.
    void DrawLabelAt(int pixel, const std::string& text, TTeeCustomShape* item, double value);

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TChartAxis>& p);

protected:
    // The drawing half of DrawLabelAt: the label's shape and font (with automatic items, the
    // label joins the items of the pass), its row, its text. Virtual so that an axis can take
    // the labels of its walks elsewhere.
    virtual void DrawLabelText(int pixel, const std::string& text, TTeeCustomShape* item,
                               double value);

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

    // The label routines with the user's Increment given explicitly, so that the step search
    // can try whole-number candidates without touching the published setting.
    double LabelCountIncrement(int labelCount, double increment);
    double DateTimeIncrementForLabelCount(int labelCount, double increment);
    double NumericIncrementForLabelCount(int labelCount, double increment);
    double LabelSizeIncrement(int size, double increment);
    double LabelIncrementWith(double increment);
    int WidestValueLabel();
    static void PublishLabels(TPublisher<TChartAxis>& p);
    static void PublishDrawing(TPublisher<TChartAxis>& p);
    // --- Drawing steps (AxisLayout.cpp, AxisDraw.cpp, AxisTexts.cpp).
    TCanvas3D* Canvas3D() const;
    int WallSizeOfStandardAxis(int index) const;
    int PositionOffset(const TRect& rect) const;
    int EdgeOf(const TRect& rect) const;
    int Outward(int position, int pixels) const;
    int DepthLabelRow() const;
    void DrawAxisLine(TCanvas3D& canvas);
    void DrawTick(TCanvas3D& canvas, int pixel, int offset, int length);
    void DrawTicks(TCanvas3D& canvas, const TChartPen& pen, int offset, int length);
    void DrawGridLine(TCanvas3D& canvas, int pixel, double zPosition);
    void DrawGrid(TCanvas3D& canvas);
    void DrawMinorMarks(TCanvas3D& canvas);
    std::vector<int> MinorMarkPositions();
    // The text alignment of a label or title at this angle on this side; x and y nudged.
    unsigned AlignTextToAxis(TCanvas3D& canvas, const std::string& text, int angle, int& x, int& y);
    void DrawTextLine(TCanvas3D& canvas, int x, int y, int z, const std::string& line, int angle,
                      unsigned alignment);
    void DrawExponentText(TCanvas3D& canvas, int x, int y, int z, const std::string& text,
                          unsigned alignment);
    // One value label of a walk, drawn when it lies on the axis (or LabelsOnAxis).
    void DrawValueLabel(double value);
    void DrawValueOrLogLabels(double increment, int stepIndex);

    TAxisLabelOptions FLabels;
    // Set while the widest label is measured: the chart's OnGetAxisLabel is not asked then.
    bool FLabelEventDetached = false;
    std::vector<int> FTickPositions;

    TAxisHost* FHost;
    // Drawing settings and the layout of the last pass.
    std::unique_ptr<TAxisDrawParts> FParts = std::make_unique<TAxisDrawParts>(
        [this](TObject*) { Changed(); }, dynamic_cast<TCustomTeePanel*>(FHost));
    int FAxisPosition = 0;
    int FLabelsPosition = 0;
    int FTitlePosition = 0;
    int FWallSize = 0;
    // Labels drawn in this pass, for the alternate rows, and the depth of a row on a vertical axis.
    int FLabelsDrawn = 0;
    int FAlternateRowWidth = 0;
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
    TAxisLabelStyle AutoLabelStyle() const override;
    static void Publish(TPublisher<TChartDepthAxis>& p);
};
