#pragma once
// The base of every series: its points in value lists (X first, then Y, then the type's own),
// per-point labels, per-point colours kept only once some point has a colour of its own, the
// binding to two axes of its chart, its depth row, and the protocol by which the chart measures
// and lists it.
//
// A point is one index across all lists. The X list decides where a new point goes (it is kept
// in ascending order by default); every other list inserts at that index. A null point is one
// whose colour is clNone: its values stay, line series skip or bridge it.
//
// Lifetime: a series joins and leaves its chart through SetParentChart (the chart's AddSeries
// and RemoveSeries lead there too). Freeing a series takes it out of its chart first, while it
// is whole; freeing the chart frees its series.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/ChartValueList.h"
#include "chart/engine/CustomChartSeries.h"
#include "chart/engine/LabelsList.h"
#include "chart/engine/LegendTextStyle.h"
#include "chart/engine/PointRanges.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/ControlTypes.h"

KV_EXCEPTION_CLASS(ChartException, Exception)

class TChartAxis;
class TChartSeries;
class TSeriesMarks;
class TTeeCustomShape;
struct TSeriesMarkPosition;
class TCustomSeriesList;
class TDataSourcesList;
class TStream;
class TTeeFunction;

enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };
const TEnumInfo& HorizAxisNames();
const TEnumInfo& VertAxisNames();

// Which changes of a source the series follows (a set of these bits; all four by default).
enum TSourceFollowOption {
    sfoDeletions = 1,
    sfoModifications = 2,
    sfoInsertions = 4,
    sfoClear = 8
};

using TSeriesNotifyEvent = std::function<void(TChartSeries& sender)>;
using TSeriesOnBeforeAdd = std::function<bool(TChartSeries& sender)>;
using TSeriesOnAfterAdd = std::function<void(TChartSeries& sender, int valueIndex)>;
using TSeriesClick = std::function<void(TChartSeries& sender, int valueIndex, TMouseButton button,
                                        TShiftState shift, int x, int y)>;
using TSeriesOnGetMarkText =
    std::function<void(TChartSeries& sender, int valueIndex, std::string& markText)>;

// The figures sample values are drawn from.
struct TSampleValueBounds {
    double FirstX = 0;
    double StepX = 0;
    double StartY = 0;
    double MinY = 0;
    double SpreadY = 0;
};

class TChartSeries : public TCustomChartSeries, public TValueListOwner {
    KV_DECLARE_CLASS(TChartSeries, TCustomChartSeries)
public:
    explicit TChartSeries(TComponent* owner);
    ~TChartSeries() override;

    TChartValueList& XValues() { return *FX; }
    TChartValueList& YValues() { return *FY; }
    const TChartValueList& XValues() const { return *FX; }
    const TChartValueList& YValues() const { return *FY; }
    void SetXValues(const TChartValueList* value) { AssignValueList(*FX, value); }
    void SetYValues(const TChartValueList* value) { AssignValueList(*FY, value); }
    TLabelsList& Labels() { return FLabels; }
    const TLabelsList& Labels() const { return FLabels; }
    TChartValueLists& ValueLists() override { return FValueLists; }
    int Count() const { return FX->Count(); }
    // The point marks; their positions and items follow deleted and cleared points.
    TSeriesMarks* Marks() const { return FMarks.get(); }
    void SetMarks(const TSeriesMarks* value);

    // --- Published settings.
    void SetActive(bool value) override;
    // Explicit colour; clDefault while none was chosen (SeriesColor then reads the colour the
    // chart gave the series).
    TColor Color() const { return FColor; }
    TColor SeriesColor() const { return FColor == clDefault ? FDefaultSeriesColor : FColor; }
    virtual void SetSeriesColor(TColor value);
    TColor DefaultSeriesColor() const { return FDefaultSeriesColor; }
    void SetDefaultSeriesColor(TColor value) { FDefaultSeriesColor = value; }
    bool ColorEachPoint() const { return FColorEachPoint; }
    virtual void SetColorEachPoint(bool value) { ChangeField(FColorEachPoint, value); }
    const std::string& ColorSource() const { return FColorSource; }
    void SetColorSource(const std::string& value);
    const std::string& XLabelsSource() const { return FXLabelsSource; }
    void SetXLabelsSource(const std::string& value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value) { FCursor = value; }
    // In depth-axis pixels; -1: the chart's depth row size.
    int Depth() const { return FDepth; }
    void SetDepth(int value) { ChangeField(FDepth, value); }
    // -1: the row is given at each pass.
    int DepthIndex() const { return FDepthIndex; }
    void SetDepthIndex(int value) { ChangeField(FDepthIndex, value); }
    const std::string& PercentFormat() const { return FPercentFormat; }
    void SetPercentFormat(const std::string& value) { ChangeField(FPercentFormat, value); }
    const std::string& ValueFormat() const { return FValueFormat; }
    virtual void SetValueFormat(const std::string& value) { ChangeField(FValueFormat, value); }
    int SourceFollowOptions() const { return FSourceFollowOptions; }
    void SetSourceFollowOptions(int value) { FSourceFollowOptions = value & 15; }
    double DefaultNullValue = 0;

    // --- Axis binding.
    THorizAxis HorizAxis() const { return FHorizAxis; }
    void SetHorizAxis(THorizAxis value);
    TVertAxis VertAxis() const { return FVertAxis; }
    void SetVertAxis(TVertAxis value);
    TChartAxis* CustomHorizAxis() const { return FCustomHorizAxis; }
    void SetCustomHorizAxis(TChartAxis* axis);
    TChartAxis* CustomVertAxis() const { return FCustomVertAxis; }
    void SetCustomVertAxis(TChartAxis* axis);
    // The axes the series is drawn against; none without a chart.
    TChartAxis* ResolvedHorizAxis() const { return FResolvedHorizAxis; }
    TChartAxis* ResolvedVertAxis() const { return FResolvedVertAxis; }
    void ResolveAxes();
    TChartAxis* MandatoryAxis() const;
    // The chart is freeing axis: every binding to it returns to the standard axes.
    void AxisFreed(const TChartAxis* axis);
    // Whether the series is drawn against any axis / against this one.
    virtual bool UsesAxes() const { return true; }
    virtual bool UsesAxis(const TChartAxis* axis) const;
    // XValues for a horizontal axis the series uses, YValues for a vertical one, else none.
    virtual TChartValueList* ValueListOfAxis(const TChartAxis* axis);

    // --- Orientation. A horizontal series: X holds the values and Y the positions.
    bool YMandatory() const { return FYMandatory; }
    void MakeXMandatory() { FYMandatory = false; }
    TChartValueList& MandatoryValueList() { return FYMandatory ? *FY : *FX; }
    const TChartValueList& MandatoryValueList() const { return FYMandatory ? *FY : *FX; }
    TChartValueList& NotMandatoryValueList() { return FYMandatory ? *FX : *FY; }
    const TChartValueList& NotMandatoryValueList() const { return FYMandatory ? *FX : *FY; }

    // --- Depth rows.
    int DrawDepthIndex = 0;
    int GetDepthIndex() const { return FDepthIndex != -1 ? FDepthIndex : DrawDepthIndex; }
    virtual void AssignZOrder();
    virtual void ComputeDepthRange();
    int FrontDepth = 0;
    int MidDepth = 0;
    int BackDepth = 0;
    // Series with depth values of their own.
    bool HasOwnDepth = false;

    // --- Adding; each returns the new point's index, -1 when OnBeforeAdd refused it.
    virtual int AddXYPoint(double x, double y, const std::string& label = {},
                           TColor color = clDefault);
    virtual int AddValue(double value, const std::string& label = {}, TColor color = clDefault);
    int AddX(double value, const std::string& label = {}, TColor color = clDefault);
    int AddY(double value, const std::string& label = {}, TColor color = clDefault);
    virtual int AddNullPoint(const std::string& label = {});
    virtual int AddNullXYPoint(double x, double y, const std::string& label = {});
    int AddNullValue(double value);

    // --- Reading and changing.
    virtual double XValueAt(int index) const { return (*FX)[index]; }
    virtual double YValueAt(int index) const { return (*FY)[index]; }
    double MandatoryValue(int index) { return MandatoryValueList()[index]; }
    virtual double ValueForStacking(int index) { return MandatoryValue(index); }
    void SetXValueAt(int index, double value);
    void SetYValueAt(int index, double value);
    // clDefault when the point has no colour of its own.
    TColor StoredPointColor(int index) const;
    // The point's own colour, else the series colour, else (ColorEachPoint) a palette colour.
    virtual TColor ValueColor(int index) const;
    // Creates the colour list only for a colour other than clDefault.
    void SetPointColor(int index, TColor color);
    bool HasPointColors() const { return FColors != nullptr; }
    bool IsNullValue(int index) const { return ValueColor(index) == clNone; }
    std::string PointLabel(int index) const { return FLabels.Label(index); }
    void SetPointLabel(int index, const std::string& text);
    // The first extra list (from index 2) of that name, letter case aside; else the mandatory one.
    TChartValueList& ValueListByName(const std::string& name);

    // Extremes for axis scaling.
    virtual double GetMinXValue() { return FX->Minimum(); }
    virtual double GetMaxXValue() { return FX->Maximum(); }
    virtual double GetMinYValue() { return FY->Minimum(); }
    virtual double GetMaxYValue() { return FY->Maximum(); }
    virtual double GetMinZValue() { return GetDepthIndex(); }
    virtual double GetMaxZValue() { return GetDepthIndex(); }

    // --- Deleting and clearing.
    // Raises for an index outside 0 .. Count-1.
    virtual void Delete(int valueIndex);
    // Up to quantity points from start on (never past the end); with removeGap the positions are
    // renumbered 0, 1, 2 ...
    virtual void DeleteRange(int start, int quantity, bool removeGap = false);
    virtual void Clear();

    // --- Ordering.
    void ExchangePoints(int indexA, int indexB) override;
    void SortByLabels(TChartListOrder order);
    // Sorts the points by the mandatory list when it has an order.
    virtual void ApplyValueOrder();

    // --- Pixels, through the resolved axes (the series must have a chart).
    int XValueToPixel(double value) const;
    int YValueToPixel(double value) const;
    int ValueToMandatoryPixel(double value) const;
    double PixelToXValue(int pixel) const;
    double PixelToYValue(int pixel) const;
    int XSizeToPixels(double value) const;
    int YSizeToPixels(double value) const;
    // A point's place on screen; series that stack their values or lay points out themselves
    // (bars) answer it.
    virtual int PointXPixel(int index) const { return XValueToPixel((*FX)[index]); }
    virtual int PointYPixel(int index) const { return YValueToPixel((*FY)[index]); }

    // --- Ranges.
    // Points inside the axis range, -1 when none; set by ComputeVisibleRange.
    int FirstInView = -1;
    int LastInView = -1;
    // The visible range comes from the axis range (else it is every point).
    bool ClipsToAxisRange = true;
    // One point beyond the end of the range stays, so lines reach the edge.
    bool ReachesRangeEdge = false;
    virtual void ComputeVisibleRange();
    // The points of the chart's current page.
    TPointRange CalcPageRange() const;

    // --- Sample values.
    int NumSampleValues = 0;
    virtual int DefaultSampleCount() const { return 25; }
    // Raises for a negative count; 0 takes the series type's count.
    TChartSeries& FillSampleValues(int numValues = 0);
    TSampleValueBounds SampleValueBounds(int numValues);
    virtual void AddRandomValues(int numValues, bool onlyMandatory);

    // --- Drawing seam: the drawing pass calls this for every visible point.
    virtual void DrawValue(int /*valueIndex*/) {}

    // --- Marks (ChartSeriesMarks.cpp).
    // The point's own mark text when its item has one, else the text of the marks' style;
    // OnGetMarkText has the last word.
    virtual std::string ValueMarkText(int valueIndex);
    // The point's share of the absolute sum, "p of total" with ofTotal.
    std::string PercentText(int valueIndex, bool ofTotal);
    // The box for text in mark's font and margins, placed at (x, y).
    void MarkTextSize(TTeeCustomShape& mark, const std::string& text, int x, int y,
                      TSeriesMarkPosition& position);
    virtual void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position);
    // The marks of the visible points (every DrawEvery-th, no null points, no empty texts).
    virtual void DrawMarks();
    // The widest mark text of the points whose mark is visible; 0 when none.
    int MaxMarkWidth();

    // --- Drawing protocol (ChartSeriesDraw.cpp).
    // Points go from the first to the last unless the axis across the values is inverted; a
    // view turned round reverses that again.
    virtual bool DrawsValuesForward() const;
    virtual bool DrawsSeriesForward(int valueIndex) const;
    // The order in which series first .. count-1 of a depth row draw point valueIndex.
    virtual void ListSeriesOrder(int first, int count, int valueIndex,
                                 std::vector<int>& order) const;
    // The order of the points first .. last of a depth row.
    virtual void ListValueOrder(int first, int last, std::vector<int>& order) const;
    // DrawValue of every visible point in drawing order, each in a part named by its index.
    virtual void DrawAllValues();
    // Another active series without depth values of its own shares this one's depth row.
    virtual bool HasZOrderSiblings() const;
    // Active, and no earlier active series of the chart has the same depth row.
    bool IsFirstOfDepthRow() const;
    // The series tools' draw events, then BeforeDrawValues / AfterDrawValues.
    virtual void DoBeforeDrawValues();
    virtual void DoAfterDrawValues();
    virtual void ValueScreenPoint(int valueIndex, int& x, int& y) const;
    virtual bool IsValueInChartRect(int valueIndex) const;
    // The point a drawing pass starts with and the one it ends with.
    int FirstDrawnIndex() const { return DrawsValuesForward() ? FirstInView : LastInView; }
    int LastDrawnIndex() const { return DrawsValuesForward() ? LastInView : FirstInView; }

    // --- Legend protocol (ChartSeriesLegend.cpp): one entry per point in the base.
    virtual int CountLegendItems() const { return Count(); }
    virtual int LegendToValueIndex(int legendIndex) const { return legendIndex; }
    virtual TColor LegendItemColor(int legendIndex) const { return ValueColor(legendIndex); }
    virtual std::string LegendItemText(int legendIndex, TLegendTextStyle style);
    // The symbol of point valueIndex, or of the whole series for -1.
    void DrawLegendSymbol(int valueIndex, const TRect& rect);
    virtual void DrawLegendShape(int valueIndex, const TRect& rect);
    virtual void PrepareLegendCanvas(int /*valueIndex*/, TColor& /*backColor*/,
                                     TBrushStyle& /*style*/) {}

    // --- Gallery previews (ChartSeriesGallery.cpp).
    // The names of the looks the gallery offers for the type; "Normal" in the base.
    virtual void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant);
    virtual void ApplyGalleryVariant(TChartSeries* /*series*/, int /*index*/) {}
    virtual void Apply3DFromGallery(bool enabled);
    // Four sample points, small hidden marks and a palette colour (grey when disabled).
    virtual void PrepareForGallery(bool enabled);
    // The palette colours of gallery previews: the chart's first series, the others.
    static inline int GalleryFirstColorIndex = 0;
    static inline int GalleryColorIndex = 3;

    // --- Mouse (ChartSeriesLegend.cpp).
    virtual bool HasClickHandler() const { return bool(OnClick) || bool(OnDblClick); }
    // The point under (x, y), -1 for none; series types answer it.
    virtual int ValueIndexAt(int /*x*/, int /*y*/) { return -1; }
    // Enter and leave events and the series' cursor; true while a point is under the mouse.
    virtual bool CheckMouse(int x, int y);

    // --- Updates. While updating, added points are not announced and linked series not told;
    // the last EndUpdate tells them all at once (and the chart's listeners, series event 6).
    void BeginUpdate() { ++FUpdateCount; }
    // Undoes one BeginUpdate; the last one signals the change.
    void EndUpdate();
    bool Updating() const { return FUpdateCount > 0; }
    void SignalDataChanged();

    // Told of every change passed on to the dependent series, before they follow it; kinds as
    // TLinkedSeriesChange.
    std::function<void(TChartSeries& sender, TLinkedSeriesChange kind, int index)> OnLinkedChange;
    void NotifyLinkedSeries(TLinkedSeriesChange kind, int index) override;
    // Refills the series through its chart (not while updating, nothing without a chart).
    void RefreshFromSource() override;
    void RepaintChart() override { Repaint(); }

    // --- Chart membership.
    void SetParentChart(TCustomAxisPanel* value) override;
    void AttachedToChart() override;
    void DetachedFromChart() override;
    // Either series is an instance of the other's class.
    bool IsSameKindAs(const TChartSeries& other) const;

    // --- Flags of the series type and of the point-data stream.
    bool CentresSingleValue = true;
    bool UseSeriesColor = true;
    bool UsesPositionList = true;
    bool NeverStoreData = false;
    bool AlwaysStoreData = false;
    bool DataEnteredByHand = false;
    bool MouseInside = false;

    // --- Events.
    TNotifyEvent AfterDrawValues;
    TNotifyEvent BeforeDrawValues;
    TSeriesOnBeforeAdd OnBeforeAdd;
    TSeriesOnAfterAdd OnAfterAdd;
    TSeriesNotifyEvent OnClearValues;
    TSeriesClick OnClick;
    TSeriesClick OnDblClick;
    TSeriesOnGetMarkText OnGetMarkText;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    // --- Points from another series, X and Y exchanged when one series is vertical and the
    // other horizontal.
    virtual int AddPointValuesFrom(const TChartSeries& source, int index);
    // With the point's colour and label.
    int AddPointFrom(const TChartSeries& source, int index);
    // Replaces every point with those of source.
    virtual void LoadFromSeries(const TChartSeries& source);
    virtual bool CanCopyFrom(const TChartSeries&) const { return true; }

    // --- Data sources and the function. A series source lists its dependents and a dependent
    // its source, while the dependent is in a chart.
    TDataSourcesList& DataSources() { return *FDataSources; }
    const TDataSourcesList& DataSources() const { return *FDataSources; }
    TCustomSeriesList& DependentSeries() { return *FDependentSeries; }
    // The first data source; none when there is none.
    TComponent* DataSource() const;
    // Replaces every source by this one; none unlinks the first.
    void SetDataSource(TComponent* value);
    // Raises for a source the chart does not accept (or, without a chart, one the series does
    // not) and for a circular chain; -1 when the source is listed already.
    int ValidateAndAddSource(TComponent* component, bool clearOthers);
    int LinkDataSource(TComponent* component);
    void UnlinkDataSource(TComponent* component);
    // Another series that the function (if any) accepts.
    virtual bool AcceptsAsSource(TComponent* component) const;
    bool FunctionAcceptsSource(TComponent* component) const;
    // Raises when this series feeds source, directly or through any chain of sources.
    void CheckSourceNotCircular(const TChartSeries* source) const;
    // A point of the source was deleted (-1: a range; the series then reloads).
    virtual void SourceValueDeleted(const TChartSeries& source, int valueIndex);
    TTeeFunction* Function() const { return FFunction; }
    // Frees the former function; the series owns the new one's link and refills.
    void SetFunction(TTeeFunction* value);

    // --- The stored points ("Data"). Reading replaces every point and marks them as entered
    // by hand; a block cut short keeps the points before the cut and raises.
    virtual void WriteDataStream(TStream& stream);
    void ReadDataStream(TStream& stream);

    // Copies another series: its settings (crosswise between a vertical and a horizontal one),
    // the points when they were entered by hand, and the data-entry flag.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TChartSeries>& p);

protected:
    // The point's event, the linked series, then a repaint.
    virtual void NotifyValueAdded(int valueIndex);
    // Inserts a colour at index, creating the list first when the colour needs one.
    void InsertPointColor(int index, TColor color);
    virtual void ClearValueStorage();
    void CopySettingsFrom(const TChartSeries& source);
    // Points, colours and labels of source, replacing this series' points.
    void CopyValuesFrom(const TChartSeries& source);
    // "CustomHorizAxis" and "CustomVertAxis" (and the base's "Identifier" and "Style").
    void DefineProperties(TFiler& filer) override;
    void AssignValueList(TChartValueList& list, const TChartValueList* value);
    // The explicit colour field alone: no repaint, no notice, DefaultSeriesColor untouched.
    void StoreColorQuietly(TColor value) { FColor = value; }
    void Notification(TComponent* component, TOperation operation) override;
    // Resolves the source names read from "DataSources", then refills.
    void Loaded() override;

public:
    // The series' own components, then its function.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

private:
    friend class TDataSourcesList;
    friend class TTeeFunction;
    // "DataSources": the names of the sources when there are several.
    void DefineSourceProperties(TFiler& filer);
    void DefineDataProperty(TFiler& filer);
    // Joins (or leaves) the dependents of every source series.
    void LinkToSourceSeries(bool join);
    // Each dependent series follows the change as its options say.
    void NotifyDependents(TLinkedSeriesChange kind, int index);
    // The sources ahead of the destructor's other steps.
    void ReleaseSourcesAndFunction();

    double VisibleRangeBound(bool startCorner) const;
    bool IsPercentFormatStored() const;
    bool IsValueFormatStored() const;

    TChartValueLists FValueLists;
    TChartValueList* FX;
    TChartValueList* FY;
    TLabelsList FLabels;
    std::unique_ptr<TSeriesMarks> FMarks;
    std::unique_ptr<std::vector<TColor>> FColors;
    TColor FColor = clDefault;
    TColor FDefaultSeriesColor = clDefault;
    bool FColorEachPoint = false;
    std::string FColorSource;
    std::string FXLabelsSource;
    TCursor FCursor = 0;
    int FDepth = -1;
    int FDepthIndex = -1;
    std::string FPercentFormat;
    std::string FValueFormat;
    int FSourceFollowOptions = 15;
    THorizAxis FHorizAxis = aBottomAxis;
    TVertAxis FVertAxis = aLeftAxis;
    TChartAxis* FCustomHorizAxis = nullptr;
    TChartAxis* FCustomVertAxis = nullptr;
    TChartAxis* FResolvedHorizAxis = nullptr;
    TChartAxis* FResolvedVertAxis = nullptr;
    bool FYMandatory = true;
    int FUpdateCount = 0;
    std::unique_ptr<TDataSourcesList> FDataSources;
    std::unique_ptr<TCustomSeriesList> FDependentSeries;
    TTeeFunction* FFunction = nullptr;
    std::vector<std::string> FPendingSourceNames;
};

// BeginUpdate now, EndUpdate on every path out of the scope.
class TSeriesUpdate {
public:
    explicit TSeriesUpdate(TChartSeries& series) : FSeries(series) { series.BeginUpdate(); }
    ~TSeriesUpdate() { FSeries.EndUpdate(); }
    TSeriesUpdate(const TSeriesUpdate&) = delete;
    TSeriesUpdate& operator=(const TSeriesUpdate&) = delete;

private:
    TChartSeries& FSeries;
};
