#pragma once
// A line the user drew on a chart, kept in axis values so that it stays with the data when the
// axes scroll or zoom: a segment, two parallel segments, a rectangle or an ellipse between its
// start and end points. It draws with its own pen when it has one, else with its tool's.
#include <memory>

#include "platform/classes/Collection.h"
#include "platform/graphics/Geometry.h"

class TChartPen;
class TDrawLineTool;

enum TDrawLineStyle { dlLine, dlHorizParallel, dlVertParallel, dlRectangle, dlEllipse };
const TEnumInfo& DrawLineStyleNames();

// What a point hits of a line.
enum TDrawLinePart { dlpNone = -1, dlpBody = 0, dlpStart = 1, dlpEnd = 2 };

class TDrawLine : public TCollectionItem {
    KV_DECLARE_CLASS(TDrawLine, TCollectionItem)
public:
    explicit TDrawLine(TCollection* collection);
    // A selected line that goes leaves its tool without a selection.
    ~TDrawLine() override;

    // The line's own pen, made on first read as a copy of the tool's pen.
    TChartPen* Pen();
    // Null frees the own pen (the line follows the tool's pen again); a pen is copied in.
    void SetPen(const TChartPen* value);
    bool HasOwnPen() const { return FPen != nullptr; }
    // The pen the line draws with: its own, else the tool's (none without a tool).
    const TChartPen* LinePen() const;
    TDrawLineStyle Style() const { return FStyle; }
    void SetStyle(TDrawLineStyle value);
    double X0() const { return FX0; }
    void SetX0(double value) { ChangeCoordinate(FX0, value); }
    double Y0() const { return FY0; }
    void SetY0(double value) { ChangeCoordinate(FY0, value); }
    double X1() const { return FX1; }
    void SetX1(double value) { ChangeCoordinate(FX1, value); }
    double Y1() const { return FY1; }
    void SetY1(double value) { ChangeCoordinate(FY1, value); }

    // The tool that owns the line's collection, or none.
    TDrawLineTool* Tool() const;
    // The end points in pixels of the tool's axes.
    TPoint StartPixel() const;
    TPoint EndPixel() const;
    // The part of the line at the point (unprojected at depth 0 in a 3-D chart), or dlpNone;
    // kind dlpBody asks for the body within tolerance pixels, dlpStart and dlpEnd for a handle.
    bool Clicked(int x, int y, int tolerance, TDrawLinePart kind) const;

    // Both points, Style and the pen (the source's own pen, or none).
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TDrawLine>& p);

private:
    void ChangeCoordinate(double& field, double value);
    void Repaint() const;

    std::unique_ptr<TChartPen> FPen;
    TDrawLineStyle FStyle = dlLine;
    double FX1 = 0;
    double FY1 = 0;
    double FX0 = 0;
    double FY0 = 0;
};

// The tool's lines, streamed in list order.
class TDrawLines : public TOwnedCollection {
    KV_DECLARE_CLASS(TDrawLines, TOwnedCollection)
public:
    explicit TDrawLines(TDrawLineTool* tool);
    TDrawLine* Line(int index) const { return static_cast<TDrawLine*>(Items(index)); }
    TDrawLineTool* Tool() const { return FTool; }

private:
    TDrawLineTool* FTool;
};

// The square handle around an end point: 3 pixels each way, edges included.
TRect DrawLineHandle(TPoint p);
