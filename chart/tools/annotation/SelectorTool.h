#pragma once
// Selects a part of the chart with a click (an annotation first, else the part the chart finds
// under the mouse), draws handles around it, and lets the user drag the movable ones (the
// legend, the titles, annotations) once the mouse moved more than 2 pixels. Near the chart's
// bottom-right corner a press resizes the whole chart instead. The tool listens to its chart:
// a selected series that is switched off loses the selection.
#include <string>
#include <vector>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartTools.h"
#include "chart/foundation/TeePanel.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Events.h"

class TAnnotationTool;
class TChartBackWall;
class TCanvas3D;
class TChartSeries;
class TTeeCustomShapePosition;

class TSelectorTool : public TTeeCustomTool, public IPanelListener {
    KV_DECLARE_CLASS(TSelectorTool, TTeeCustomTool)
public:
    // How near (in pixels) the chart's bottom-right corner a press starts a resize.
    static constexpr int ResizeZone = 8;
    // A drag moves a part only once it went further than this (in pixels).
    static constexpr int DragThreshold = 2;

    explicit TSelectorTool(TComponent* owner);
    ~TSelectorTool() override;

    bool AllowDrag() const { return FAllowDrag; }
    void SetAllowDrag(bool value) { FAllowDrag = value; }
    bool AllowResizeChart() const { return FAllowResizeChart; }
    void SetAllowResizeChart(bool value) { FAllowResizeChart = value; }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value) { FCursor = value; }
    int HandleSize() const { return FHandleSize; }
    void SetHandleSize(int value) { ChangeField(FHandleSize, value); }

    TNotifyEvent OnDragged;
    TNotifyEvent OnDragging;
    TNotifyEvent OnResized;
    TNotifyEvent OnResizing;
    TNotifyEvent OnSelected;

    // --- The selection.
    const TChartPartHit& Part() const { return FPart; }
    TAnnotationTool* SelectedAnnotation() const { return FSelectedAnnotation; }
    TTeeCustomShapePosition* SelectedShape() const { return FSelectedShape; }
    TChartBackWall* SelectedWall() const { return FSelectedWall; }
    TChartSeries* SelectedSeries() const { return FPart.Part == ckSeries ? FPart.Series : nullptr; }
    bool Dragging() const { return FDragging; }
    bool Resizing() const { return FResizing; }
    // Clears a selection there is, and tells it.
    void ClearSelection();
    // The series as the selected part (none: no selection).
    void SetSelectedSeries(TChartSeries* series);
    // The centres of the handles the selection has now, in the order they are drawn.
    std::vector<TPoint> HandleCentres(std::vector<int>* depths = nullptr);

    void SetParentChart(TCustomAxisPanel* value) override;
    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;
    void HandleTeeEvent(TTeeEvent* event) override;

    static std::string KindName() { return "Selector"; }
    static std::string KindDescription() {
        return "Enables selecting and dragging Chart items and annotations.";
    }
    static std::string EditorClassName() { return "TSelectorToolEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSelectorTool>& p);

protected:
    virtual void DoSelected();
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Select(int x, int y);
    void Drag(int x, int y);
    void Hover(int x, int y);
    TAnnotationTool* AnnotationAt(int x, int y) const;
    void ClearQuietly();

    bool FAllowDrag = true;
    bool FAllowResizeChart = false;
    TCursor FCursor = crHandPoint;
    int FHandleSize = 3;

    TAnnotationTool* FSelectedAnnotation = nullptr;
    bool FDrawHandles = true;
    TTeeCustomShapePosition* FSelectedShape = nullptr;
    TChartBackWall* FSelectedWall = nullptr;
    bool FDragging = false;
    bool FDragged = false;
    TPoint FDragOffset{0, 0};
    bool FResizing = false;
    bool FResized = false;
    TChartPartHit FPart;
    bool FDestroying = false;
};
