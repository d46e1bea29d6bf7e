#pragma once
// A framed shape that sits where the chart lays it out, or at a position of its own: setting
// Left or Top switches CustomPosition on. Titles and the legend build on it.
#include "chart/foundation/TeeShape.h"

class TTeeCustomShapePosition : public TTeeCustomShape {
    KV_DECLARE_CLASS(TTeeCustomShapePosition, TTeeCustomShape)
public:
    explicit TTeeCustomShapePosition(TCustomTeePanel* panel = nullptr);

    bool CustomPosition() const { return FCustomPosition; }
    void SetCustomPosition(bool value);
    bool IsCustomPositionStored() const { return FCustomPosition != FDefaultCustomPosition; }
    // The bounds' left and top. Setting one switches CustomPosition on without a repaint of
    // its own; the coordinate repaints when it changes.
    int Left() const { return ShapeBounds().Left; }
    void SetLeft(int value);
    int Top() const { return ShapeBounds().Top; }
    void SetTop(int value);

    // CustomPosition, and Left and Top when it is on, then the shape's settings.
    void Assign(const TPersistent* source) override;

protected:
    // For descendants placed by their own position by default.
    void SetDefaultCustomPosition(bool value) {
        FDefaultCustomPosition = value;
        FCustomPosition = value;
    }

private:
    // The left edge, else the top one.
    void SetCoordinate(bool left, int value);

    bool FCustomPosition = false;
    bool FDefaultCustomPosition = false;
};

// The positioned shape with its settings published: the box of annotations and of the tools
// and series that reuse them.
class TTeeShapePosition : public TTeeCustomShapePosition {
    KV_DECLARE_CLASS(TTeeShapePosition, TTeeCustomShapePosition)
public:
    using TTeeCustomShapePosition::TTeeCustomShapePosition;
    TChartPen* Frame() const { return Pen(); }
    void SetFrame(const TChartPen* value) { SetPen(value); }
    static void Publish(TPublisher<TTeeShapePosition>& p);
};
