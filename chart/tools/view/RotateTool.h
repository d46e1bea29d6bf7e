#pragma once
// Turns the chart's 3-D view with the mouse: dragging across changes the rotation, dragging up
// and down the elevation. With its pen visible only a wire outline of the chart cube follows the
// mouse and the chart is drawn again at the release. With Inertia the view keeps turning after
// the release, slower at each drawing of the chart, until the turn is below a hundredth of a
// degree.
#include <memory>
#include <string>

#include "chart/engine/ChartTools.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Events.h"
#include "platform/classes/PropInfo.h"

class TTimer;

enum TRotateToolStyles { rsAll, rsRotation, rsElevation };
const TEnumInfo& RotateToolStyleNames();

class TRotateTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TRotateTool, TTeeCustomTool)
public:
    explicit TRotateTool(TComponent* owner);
    ~TRotateTool() override;

    TMouseButton Button() const { return FButton; }
    void SetButton(TMouseButton value) { FButton = value; }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value) { FCursor = value; }
    int Inertia() const { return FInertia; }
    void SetInertia(int value) { FInertia = value; }
    bool Inverted() const { return FInverted; }
    void SetInverted(bool value) { FInverted = value; }
    int Speed() const { return FSpeed; }
    void SetSpeed(int value) { FSpeed = value; }
    TRotateToolStyles Style() const { return FStyle; }
    void SetStyle(TRotateToolStyles value) { FStyle = value; }

    TNotifyEvent OnRotate;

    // Turns the view by the increments, in degrees, within the limits of the canvas.
    void Rotate(double ElevationDelta, double RotationDelta);
    // The wire outline of the chart cube in the tool's pen.
    void DrawOutline();

    bool Dragging() const { return FDragging; }
    double RotationIncrement() const { return FRotationIncrement; }
    double ElevationIncrement() const { return FElevationIncrement; }
    // The view keeps turning by itself.
    bool Turning() const;

    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Rotate"; }
    static std::string KindDescription() {
        return "Allows rotating Chart dragging with mouse button.";
    }
    static std::string EditorClassName() { return "TRotateToolEditor"; }

    // Button, Inertia, Inverted, Speed and Style, then the element's settings (not Cursor).
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TRotateTool>& p);

private:
    void MouseMove(int x, int y);
    void MouseUp();
    void TimerTick();
    bool OutlineMode() const;

    TMouseButton FButton = mbLeft;
    TCursor FCursor;
    int FInertia = 0;
    bool FInverted = false;
    int FSpeed = 50;
    TRotateToolStyles FStyle = rsAll;

    bool FDragging = false;
    bool FFirstMove = false;
    int FOldX = 0;
    int FOldY = 0;
    double FRotationIncrement = 0;
    double FElevationIncrement = 0;
    bool FSavedAutoRepaint = true;
    TCursor FSavedCursor = crDefault;
    TTimer* FTimer = nullptr;  // owned by the tool, made at the first need
};
