#pragma once
// A draggable cross-hair over a chart: a horizontal line, a vertical line or both, optionally
// with a scope figure at the crossing, placed by the axes of one series (or the chart's default
// axes without a series). The user drags a line, or the cursor follows the mouse; it can snap
// onto the nearest point of its series, and reports every move through OnChange.
//
// The lines are drawn on the chart's front image in XOR mode after the chart has been drawn:
// drawing them again at the same place takes them away, so a move erases the old cursor and
// draws the new one without a drawing pass of the chart.
#include <functional>
#include <string>

#include "chart/engine/ChartTools.h"
#include "platform/classes/PropInfo.h"
#include "platform/graphics/Geometry.h"

class TCanvas3D;
class TChartAxis;
class TChartPen;
class TChartSeries;

enum TCursorToolStyle { cssHorizontal, cssVertical, cssBoth, cssScope, cssScopeOnly };
enum TScopeCursorStyle { scsRectangle, scsCircle, scsDiamond, scsEmpty, scsCamera };
// Scoped: a memo's scroll styles use two of the same names.
enum class TSnapStyle { ssDefault, ssHorizontal, ssVertical };

const TEnumInfo& CursorToolStyleNames();
const TEnumInfo& ScopeCursorStyleNames();
const TEnumInfo& SnapStyleNames();

class TCursorTool;
using TCursorToolChangeEvent =
    std::function<void(TCursorTool* sender, int x, int y, double xValue, double yValue,
                       TChartSeries* series, int valueIndex)>;
using TCursorToolGetAxisRect = std::function<void(TCursorTool* sender, TRect& rect)>;

class TCursorTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TCursorTool, TTeeCustomToolSeries)
public:
    // What the mouse holds (LineAtPoint's answers).
    enum TDragPart { dpNone = 0, dpHorizontal = 1, dpVertical = 2, dpBoth = 3 };

    explicit TCursorTool(TComponent* owner);
    ~TCursorTool() override;

    // --- Published settings.
    int ClickTolerance() const { return FClickTolerance; }
    void SetClickTolerance(int value) { FClickTolerance = value; }
    bool FollowMouse() const { return FFollowMouse; }
    void SetFollowMouse(bool value) { FFollowMouse = value; }
    int HorizSize() const { return FHorizSize; }
    void SetHorizSize(int value) { ChangeField(FHorizSize, value); }
    int ScopeSize() const { return FScopeSize; }
    void SetScopeSize(int value) { ChangeField(FScopeSize, value); }
    TScopeCursorStyle ScopeStyle() const { return FScopeStyle; }
    void SetScopeStyle(TScopeCursorStyle value) { ChangeField(FScopeStyle, value); }
    bool Snap() const { return FSnap; }
    void SetSnap(bool value) { FSnap = value; }
    TSnapStyle SnapStyle() const { return FSnapStyle; }
    void SetSnapStyle(TSnapStyle value) { FSnapStyle = value; }
    TCursorToolStyle Style() const { return FStyle; }
    // Snaps again at once for the new style.
    void SetStyle(TCursorToolStyle value);
    bool UseSeriesZ() const { return FUseSeriesZ; }
    void SetUseSeriesZ(bool value) { ChangeField(FUseSeriesZ, value); }
    int VertSize() const { return FVertSize; }
    void SetVertSize(int value) { ChangeField(FVertSize, value); }

    // Forgets the last snapped point; a series set outside stream reading is snapped to at once.
    void SetSeries(TChartSeries* value) override;
    void SetParentChart(TCustomAxisPanel* value) override;

    // --- State.
    // The lines span the chart rectangle instead of the axes of the series.
    bool FullChartRect = false;
    // The cursor's place in axis values, and in pixels (-1 until the first drawing places it).
    double XValue() const { return FXValue; }
    double YValue() const { return FYValue; }
    int XPixel() const { return FX; }
    int YPixel() const { return FY; }
    TDragPart Dragging() const { return FDrag; }

    // --- Operations.
    // The rectangle the lines span (the chart rectangle, or the axes' extent that OnGetAxisRect
    // may change); with drawnExtent, HorizSize and VertSize shorten the lines around the cursor.
    TRect CursorRect(bool drawnExtent) const;
    // The part of the cursor under a point: none, the horizontal line, the vertical line or the
    // crossing, within ClickTolerance pixels.
    TDragPart LineAtPoint(int x, int y) const;
    // The point of the series nearest to the cursor by SnapStyle and Style, -1 for none; on
    // equal distances the lowest index.
    int NearestPointIndex() const;
    // With Snap and a series: takes the nearest point's values as the cursor's; its index, or -1.
    int SnapToPoint();
    // Draws the cursor in XOR mode (a second call at the same place erases it).
    void RedrawCursor();
    // Fires OnChange with the cursor's pixels, values, series and valueIndex.
    virtual void DoChange(int valueIndex);

    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    TCursorToolGetAxisRect OnGetAxisRect;
    TCursorToolChangeEvent OnChange;
    // Like OnChange, only when the snapped point changes.
    TCursorToolChangeEvent OnSnapChange;

    static std::string KindName() { return "Cursor"; }
    static std::string KindDescription() {
        return "Displays draggable Cursor lines on top of Series.";
    }
    static std::string EditorClassName() { return "TCursorToolEditor"; }

    // Every published setting, FullChartRect and the values, then the series tool's.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCursorTool>& p);

private:
    TChartAxis* HorizAxis() const { return GetHorizAxis(); }
    TChartAxis* VertAxis() const { return GetVertAxis(); }
    // The point in the plane of the series' front depth when UseSeriesZ asks for it.
    TPoint Unprojected(int x, int y) const;
    // The values of a pixel position, by what is being dragged.
    void SetPixelValues(int x, int y);
    // Pixels from values; the first time, the centre of the axes and a snap.
    void CalcScreenPositions();
    void PixelsFromValues();
    void DrawByStyle(TCanvas3D& canvas, const TRect& extent, int z);
    void HorizontalLine(TCanvas3D& canvas, int left, int right, int y, int z) const;
    void VerticalLine(TCanvas3D& canvas, int x, int top, int bottom, int z) const;
    void DrawScope(TCanvas3D& canvas, int z);
    void MoveTo(int x, int y);

    int FClickTolerance = 3;
    bool FFollowMouse = false;
    int FHorizSize = 0;
    int FScopeSize = 4;
    TScopeCursorStyle FScopeStyle = scsRectangle;
    bool FSnap = false;
    TSnapStyle FSnapStyle = TSnapStyle::ssDefault;
    TCursorToolStyle FStyle = cssBoth;
    bool FUseSeriesZ = false;
    int FVertSize = 0;

    double FXValue = 0;
    double FYValue = 0;
    int FX = -1;
    int FY = -1;
    int FLastSnap = -1;
    TDragPart FDrag = dpNone;
};
