#pragma once
// The chart panel that owns axes, series, tools and pages: it makes the six standard axes,
// keeps the list of all axes and the custom-axes collection, adds and removes series and tells
// its listeners, finds the extremes of the series shown on an axis (page by page when points
// are paged), hands out palette colours, and prints page by page. The chart component derives
// from it and supplies the abstract hooks (walls, titles and legend, the free-colour test).
//
// Lifetime: series and tools join through their SetParentChart and leave on their own when
// freed. Freeing the panel frees its series, axes and tools; freeing an axis moves the series
// bound to it back to the standard axes and clears the axis tools on it.
//
// The drawing pass (InternalDraw and the hooks it calls) is a later addition; the abstract
// drawing hooks below are its seam.
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/AxisHost.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartPage.h"
#include "chart/engine/SeriesEvents.h"
#include "chart/foundation/TeePanelExtended.h"

class TChartAxis;
class TChartDepthAxis;
class TChartLegend;
class TChartSeries;
class TCustomChartSeries;
class TChartPen;
class TSeriesGroups;

using TSeriesNotifyChartEvent = std::function<void(TCustomAxisPanel& sender, TChartSeries* series)>;
// May change the text of any label: series none and valueIndex -1 for value labels, the point's
// series and index for point and mark labels, series none and the depth row for series titles.
using TAxisOnGetLabel = std::function<void(TChartAxis& sender, TChartSeries* series, int valueIndex,
                                           std::string& labelText)>;
// Supplies the value of label labelIndex (from 0) itself; stop ends the labels (a stop at the
// first leaves the axis its own labels).
using TAxisOnGetNextLabel =
    std::function<void(TChartAxis& sender, int labelIndex, double& labelValue, bool& stop)>;

class TCustomAxisPanel : public TCustomTeePanelExtended, public TAxisHost {
    KV_DECLARE_CLASS(TCustomAxisPanel, TCustomTeePanelExtended)
public:
    explicit TCustomAxisPanel(TComponent* owner);
    ~TCustomAxisPanel() override;

    // --- Published settings.
    bool AxisBehind() const { return FAxisBehind; }
    void SetAxisBehind(bool value) { SetBooleanValue(FAxisBehind, value); }
    bool AxisVisible() const { return FAxisVisible; }
    void SetAxisVisible(bool value) { SetBooleanValue(FAxisVisible, value); }
    bool ClipPoints() const { return FClipPoints; }
    void SetClipPoints(bool value) { SetBooleanValue(FClipPoints, value); }
    bool View3DWalls() const { return FView3DWalls; }
    void SetView3DWalls(bool value) { SetBooleanValue(FView3DWalls, value); }
    // 1 .. 100; anything else raises and keeps the value.
    int Chart3DPercent() const { return FChart3DPercent; }
    void SetChart3DPercent(int value);

    // --- Axes.
    TChartAxis* BottomAxis() const { return FBottomAxis; }
    TChartAxis* TopAxis() const { return FTopAxis; }
    TChartAxis* LeftAxis() const { return FLeftAxis; }
    TChartAxis* RightAxis() const { return FRightAxis; }
    TChartDepthAxis* DepthAxis() const { return FDepthAxis; }
    TChartDepthAxis* DepthTopAxis() const { return FDepthTopAxis; }
    TChartAxes& Axes() { return *FAxes; }
    TChartCustomAxes* CustomAxes() const { return FCustomAxes.get(); }
    void SetCustomAxes(const TChartCustomAxes* value);
    // The custom axis at index, none outside the collection.
    TChartAxis* CustomAxisAt(int64_t index) const;
    // The axis is one of this chart's.
    bool OwnsAxis(const TChartAxis* axis) const;

    // --- Series.
    TChartSeriesList& SeriesList() { return *FSeriesList; }
    TSeriesGroups* SeriesGroups() const;
    int SeriesCount() const { return FSeriesList->Count(); }
    TChartSeries* GetSeries(int index) const { return FSeriesList->GetSeries(index); }
    TChartSeries* AddSeries(TChartSeries* series);
    // A new series of the class, owned by the chart's owner.
    TChartSeries* AddSeriesOfClass(TClass seriesClass);
    // Reached through the series' SetParentChart.
    void InsertSeries(TChartSeries* series);
    void RemoveSeries(TChartSeries* series);
    // Detaches and frees every series of the class (every series for none).
    void FreeSeriesOfClass(TClass seriesClass);
    void ExchangeSeries(int indexA, int indexB);
    void SwapSeries(TChartSeries* a, TChartSeries* b);
    void BroadcastSeriesEvent(TCustomChartSeries* series, TChartSeriesEvent kind);
    template <class TEvent>
    void BroadcastEventOfClass() {
        TEvent event;
        event.Sender = this;
        BroadcastTeeEvent(&event);
    }
    bool SeriesEventsOff = false;

    int ActiveSeriesCount() const;
    int MaxPointsOfActiveSeries() const;
    int WidestPointLabel();
    // The index-th series (from 0) shown in the legend, counting only active ones when asked.
    TChartSeries* SeriesInLegend(int index, bool onlyActive) const;
    std::string SeriesLegendTitle(int index, bool onlyActive) const;
    // The title on one line, else the name, else "Series" and the place in the chart from 1.
    std::string SeriesTitleText(const TChartSeries* series) const;
    std::string SeriesNameOrNumber(const TChartSeries* series) const;

    // --- Axes and series.
    bool IsAxisShown(const TChartAxis* axis) const;
    // What the active series say about the axis; fallback when there are none.
    bool SeriesUseAxis(const TChartAxis* axis, bool fallback) const;
    bool NoActiveSeriesUsesAxis(const TChartAxis* axis) const;
    TChartSeries* FirstSeriesOfAxis(const TChartAxis* axis) const;
    TChartSeries* BusiestSeriesOfAxis(const TChartAxis* axis) const;
    void CustomAxesFollowMaster(TChartAxis* master, double minimum, double maximum);

    // --- Extremes of the series shown on an axis (0 without any).
    double SeriesMinX(const TChartAxis* axis) { return Extreme(true, true, axis); }
    double SeriesMaxX(const TChartAxis* axis) { return Extreme(false, true, axis); }
    double SeriesMinY(const TChartAxis* axis) { return Extreme(true, false, axis); }
    double SeriesMaxY(const TChartAxis* axis) { return Extreme(false, false, axis); }

    // --- Pages.
    TChartPage* Pages() const { return FPages.get(); }
    void SetPages(const TChartPage* value) { FPages->Assign(value); }
    int CurrentPage() const { return FPages->Current(); }
    int MaxPointsPerPage() const { return FPages->MaxPointsPerPage(); }
    int PageCount() const { return FPages->Count(); }
    // Pages fromPage .. toPage (0: the first / the last) on the printer, one sheet each; the
    // current page comes back on every path, and a failure aborts the job.
    void PrintPages(int fromPage = 0, int toPage = 0);

    // --- Colours.
    std::vector<TColor> ColorPalette;
    TColor PaletteColor(int index) const;
    // The first palette colour the chart accepts as free, else the palette's last one.
    TColor FreeSeriesColor(bool checkBackground, const TChartSeries* series);
    void ReassignSeriesColors();

    // --- Depth.
    // Highest depth row of the current pass; depth of one row and its vertical part in pixels.
    int DepthRowCount = 0;
    int DepthRowSize = 0;
    int DepthRowHeight = 0;
    void CalcDepthSizes();
    bool ViewTurnedRound = false;

    // --- Data sources of the series.
    // The series takes the component as a source, or it is a source kind available here.
    virtual bool AcceptsDataSource(TChartSeries* series, TComponent* component);
    // An entry left the series' sources: a source component still feeding it lets go of it.
    virtual void DataSourceRemoved(TChartSeries* series, TComponent* component);
    // Refills the series from its first source, or through a function that needs none.
    virtual void LoadSeriesFromSource(TChartSeries* series);

    // --- Tools.
    TChartTools& Tools() { return *FTools; }
    // ChartDrawEvent of every active tool in list order.
    void ToolsChartEvent(int kind);

    // --- Legend, set by the legend.
    TColor LegendBackColor = clWhite;
    TChartPen* LegendSymbolPen = nullptr;

    // --- Drawing helpers of the pass.
    // The plane at depth z is seen from its back (never on a surface that rotates freely).
    virtual bool IsSeenFromBehindAt(int z);
    // A legend symbol's rectangle with the surface's pen and brush; one the colour of the
    // legend's background gets a frame so it still shows.
    virtual void DrawLegendSymbolRect(const TRect& rect);

    // --- The drawing pass (AxisPanelDraw.cpp).
    // Depth rows of the active series: automatic ones take the next row, explicit ones raise
    // the count; without inversion the first series of the list is the rearmost row.
    void AssignDepthRows();
    // Ranges and positions of the axes, each shown one taking its room from the chart rectangle.
    void PlaceAxes();
    // Widens the axis' range by the pixels its series need beyond the ends and by its offsets.
    void AxisMarginsFromSeries(TChartAxis& axis);
    void DrawAxes();
    // The active series, back to front.
    void DrawSeries();
    // One series with its marks, or (first of a depth row) the row point by point.
    void DrawSeriesAndMarks(TChartSeries& series);
    void ClipSeries();
    void UnclipSeries();
    void DrawSeriesMarks(TChartSeries& series);
    // Every active series, last first, checks the mouse; true when one has a point under it.
    bool CheckMouseOverSeries(int x, int y);
    int MaxMarkWidthOfSeries() override;

    // --- Hooks of the chart component (drawing seam).
    virtual void AdjustChartRectFor3D() = 0;
    virtual int WallSizeOfAxis(const TChartAxis* axis) = 0;
    virtual void DrawTitlesAndLegend(bool beforeSeries) = 0;
    virtual void DrawWalls() = 0;
    virtual bool IsFreeSeriesColor(TColor color, bool checkBackground,
                                   const TChartSeries* series) = 0;
    virtual void DoAfterDraw() {
        if (OnAfterDraw) OnAfterDraw(this);
    }
    virtual void DoBeforeDrawAxes() {
        if (OnBeforeDrawAxes) OnBeforeDrawAxes(this);
    }
    virtual void DoBeforeDrawChart() {
        if (OnBeforeDrawChart) OnBeforeDrawChart(this);
    }
    virtual void DoBeforeDrawSeries() {
        if (OnBeforeDrawSeries) OnBeforeDrawSeries(this);
    }
    // legend: the legend asking, none for the series' marks.
    virtual void FormattedLegendText(const TChartSeries*, int /*valueIndex*/, std::string& text,
                                     const TChartLegend* /*legend*/) {
        text.clear();
    }

    TSeriesNotifyChartEvent OnAddSeries;
    TSeriesNotifyChartEvent OnRemoveSeries;
    TNotifyEvent OnBeforeDrawAxes;
    TNotifyEvent OnBeforeDrawChart;
    TNotifyEvent OnBeforeDrawSeries;
    TNotifyEvent OnPageChange;
    TAxisOnGetLabel OnGetAxisLabel;
    TAxisOnGetNextLabel OnGetNextAxisLabel;

    // --- What the axes ask of the chart.
    bool AxisLoading() const override;
    void AxisChanged(TChartAxis& axis) override;
    TRect AxisChartRect() const override { return ChartRect(); }
    int AxisChartDepth() const override { return Width3D(); }
    bool AxisFastPixelMode() const override { return FAxes && FAxes->FastPixelMode(); }
    void ForEachAxis(const std::function<void(TChartAxis&)>& proc) override;
    void AxisSeriesRange(const TChartAxis& axis, double& minimum, double& maximum) override;
    bool AxisShowsDateTime(const TChartAxis& axis) override;
    double AxisLabelIncrement(TChartAxis& axis) override;
    void AxisDestroying(TChartAxis& axis) override;
    // What the labels ask: the chart's surface and series, its label events.
    TTeeCanvas* AxisCanvas() override;
    void ForEachSeries(bool activeOnly, const std::function<void(TChartSeries&)>& proc) override;
    std::string SeriesLegendTitle(int depthRow) override {
        return SeriesLegendTitle(depthRow, true);
    }
    bool HasGetAxisLabel() override { return bool(OnGetAxisLabel); }
    void GetAxisLabel(TChartAxis& axis, TChartSeries* series, int valueIndex,
                      std::string& text) override;
    bool HasGetNextAxisLabel() override { return bool(OnGetNextAxisLabel); }
    void GetNextAxisLabel(TChartAxis& axis, int labelIndex, double& value, bool& stop) override;
    // What the axis drawing asks: the chart's view, its walls, the axes it shows in this pass
    // and the room the axis list's hook gives the labels.
    bool AxisView3D() override { return View3D(); }
    bool AxesBehind() override { return FAxisBehind; }
    bool AxisViewFacesFront() override;
    int AxisWallSize(const TChartAxis& axis) override { return WallSizeOfAxis(&axis); }
    bool AxisIsShown(const TChartAxis& axis) override { return IsAxisShown(&axis); }
    int AxisLabelsRoom(TChartAxis& axis, int size) override;

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCustomAxisPanel>& p);

protected:
    // The pass between background and buffer: titles, legend, axes, walls, series and marks.
    void InternalDraw(const TRect& rect) override;
    // Older streams: "MaxPointsPerPage", "Page" and "ScaleLastPage" into Pages (read only).
    void DefineProperties(TFiler& filer) override;
    void MouseLeave() override;
    // The current page read from a stream is limited to the pages there are.
    void Loaded() override;

private:
    double Extreme(bool isMin, bool isX, const TChartAxis* axis);
    double PagedExtreme(bool isMin, bool isX, const TChartAxis* axis);
    // The series that count for an axis: active ones, or any when no active series uses it.
    bool CountsForAxis(const TChartSeries& series, const TChartAxis* axis) const;
    void AddStandardAxis(TChartAxis* axis);

    int FChart3DPercent = 15;
    bool FAxisBehind = true;
    bool FAxisVisible = true;
    bool FClipPoints = true;
    bool FView3DWalls = true;
    std::unique_ptr<TChartTools> FTools;
    std::unique_ptr<TChartSeriesList> FSeriesList;
    std::unique_ptr<TChartAxes> FAxes;
    std::unique_ptr<TChartCustomAxes> FCustomAxes;
    TChartAxis* FBottomAxis = nullptr;
    TChartAxis* FTopAxis = nullptr;
    TChartAxis* FLeftAxis = nullptr;
    TChartAxis* FRightAxis = nullptr;
    TChartDepthAxis* FDepthAxis = nullptr;
    TChartDepthAxis* FDepthTopAxis = nullptr;
    std::unique_ptr<TChartPage> FPages;
    // The series are clipped until UnclipSeries.
    bool FSeriesClipped = false;
};
