#pragma once
// The zoom settings of a chart panel: whether and how the user may zoom by dragging a rectangle,
// with the corners of the rectangle being dragged. The mouse logic lives with the chart.
#include <memory>

#include "chart/foundation/ZoomPanning.h"
#include "platform/ui/ControlTypes.h"

enum TTeeZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };
const TEnumInfo& ZoomDirectionNames();
// The stream names of the window layer's mouse buttons.
const TEnumInfo& MouseButtonIdents();

class TTeeZoom : public TZoomPanning {
    KV_DECLARE_CLASS(TTeeZoom, TZoomPanning)
public:
    TTeeZoom();
    ~TTeeZoom() override;

    bool Allow() const { return FAllow; }
    void SetAllow(bool value) { FAllow = value; }
    // Zooms in AnimatedSteps steps.
    bool Animated() const { return FAnimated; }
    void SetAnimated(bool value) { FAnimated = value; }
    int AnimatedSteps() const { return FAnimatedSteps; }
    void SetAnimatedSteps(int value) { FAnimatedSteps = value; }
    // Made on first use; null frees it, another brush is copied in.
    TTeeZoomBrush* Brush() const;
    TTeeZoomBrush* BrushIfAny() const { return FBrush.get(); }
    void SetBrush(const TChartBrush* value);
    TTeeZoomDirection Direction() const { return FDirection; }
    void SetDirection(TTeeZoomDirection value) { FDirection = value; }
    // Keys that must all be held to start the drag.
    TShiftState KeyShift() const { return FKeyShift; }
    void SetKeyShift(TShiftState value) { FKeyShift = value; }
    // A drag must exceed it along each zoomed direction to zoom.
    int MinimumPixels() const { return FMinimumPixels; }
    void SetMinimumPixels(int value) { FMinimumPixels = value; }
    TMouseButton MouseButton() const { return FMouseButton; }
    void SetMouseButton(TMouseButton value) { FMouseButton = value; }
    TTeeZoomPen* Pen() const;
    TTeeZoomPen* PenIfAny() const { return FPen.get(); }
    void SetPen(const TChartPen* value);
    // A drag towards the upper left zooms instead of undoing the zoom.
    bool UpLeftZooms() const { return FUpLeftZooms; }
    void SetUpLeftZooms(bool value) { FUpLeftZooms = value; }

    // From another zoom only, and not MinimumPixels nor UpLeftZooms.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TTeeZoom>& p);

private:
    bool FAllow = true;
    bool FAnimated = false;
    int FAnimatedSteps = 8;
    mutable std::unique_ptr<TTeeZoomBrush> FBrush;
    TTeeZoomDirection FDirection = tzdBoth;
    TShiftState FKeyShift;
    int FMinimumPixels = 16;
    TMouseButton FMouseButton = mbLeft;
    mutable std::unique_ptr<TTeeZoomPen> FPen;
    bool FUpLeftZooms = false;
};
