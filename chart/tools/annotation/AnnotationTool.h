#pragma once
// A framed text on a chart: at one of five places, or at a position of its own in pixels or in
// percent of the chart, sized to its text or to a size of its own, with an optional callout
// arrow from a point of the chart to the box. Tools that show a box of text (rectangles, page
// numbers, banners, links, selectors, magnifiers) derive from it and override the text, its
// horizontal offset, the layout or the drawing.
#include <functional>
#include <memory>
#include <string>

#include "chart/engine/ChartTools.h"
#include "chart/foundation/TeePanel.h"
#include "chart/tools/annotation/AnnotationCallout.h"
#include "chart/tools/annotation/TextShape.h"

class TAnnotationTool;

enum TAnnotationPosition { ppLeftTop, ppLeftBottom, ppRightTop, ppRightBottom, ppCenter };
const TEnumInfo& AnnotationPositionNames();
const TEnumInfo& TeeUnitsNames();

using TAnnotationClick = std::function<void(TAnnotationTool* sender, TMouseButton button,
                                            TShiftState shift, int x, int y)>;

// What the layout of an annotation gives: the box, where the text starts and how many lines.
struct TAnnotationLayout {
    TRect Box;
    int TextX = 0;
    int TextY = 0;
    int LineCount = 0;
};

class TAnnotationTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TAnnotationTool, TTeeCustomTool)
public:
    explicit TAnnotationTool(TComponent* owner);
    ~TAnnotationTool() override;

    TTextShape* Shape() const { return FShape.get(); }
    void SetShape(const TTextShape* value) { FShape->Assign(value); }
    TAnnotationCallout* Callout() const { return FCallout.get(); }
    void SetCallout(const TAnnotationCallout* value) { FCallout->Assign(value); }
    TAnnotationPosition Position() const { return FPosition; }
    // A new position puts the box back in its automatic place.
    void SetPosition(TAnnotationPosition value);
    TTeeUnits PositionUnits() const { return FPositionUnits; }
    void SetPositionUnits(TTeeUnits value);

    // The shape's settings, as the tool publishes them.
    bool AutoSize() const { return FShape->AutoSize(); }
    void SetAutoSize(bool value) { FShape->SetAutoSize(value); }
    bool ClipText() const { return FShape->ClipText(); }
    void SetClipText(bool value) { FShape->SetClipText(value); }
    TCursor Cursor() const { return FShape->Cursor(); }
    void SetCursor(TCursor value) { FShape->SetCursor(value); }
    const std::string& Text() const { return FShape->Text(); }
    void SetText(const std::string& value) { FShape->SetText(value); }
    TAlignment TextAlignment() const { return FShape->TextAlignment(); }
    void SetTextAlignment(TAlignment value) { FShape->SetTextAlignment(value); }
    // A new width or height switches AutoSize off.
    int Width() const { return FShape->Width(); }
    void SetWidth(int value);
    int Height() const { return FShape->Height(); }
    void SetHeight(int value);
    // Move the box's edge keeping its size; the box then has a position of its own.
    int Left() const { return FShape->Left(); }
    void SetLeft(int value);
    int Top() const { return FShape->Top(); }
    void SetTop(int value);

    // The layout inside any rectangle of the chart.
    TAnnotationLayout CalcBoundsInRect(TCustomAxisPanel& chart, const TRect& rect);
    // The point lies in the box, edges included.
    bool Clicked(int x, int y);
    // The box where the tool draws now.
    TRect ShapeBounds() { return CalcShapeBounds().Box; }

    void SetParentChart(TCustomAxisPanel* value) override;
    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Annotation"; }
    static std::string KindDescription() {
        return "Displays custom text at any location inside Chart.";
    }
    static std::string EditorClassName() { return "TAnnotationToolEdit"; }

    // Callout, Position, PositionUnits and Shape, then the element's settings.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TAnnotationTool>& p);

    TNotifyEvent OnAfterDraw;
    TNotifyEvent OnBeforeDraw;
    TAnnotationClick OnClick;
    TAnnotationClick OnDblClick;

protected:
    // Added to the x of every text line.
    virtual int TextHorizOffset() { return 0; }
    // Box, text and callout.
    virtual void DrawAnnotation();
    // The text shown: the shape's.
    virtual std::string GetText() { return FShape->Text(); }
    // The layout in the chart's whole panel; an empty box without a chart.
    virtual TAnnotationLayout CalcShapeBounds();
    // The chart again when the tool has one, else the shape.
    void Refresh();

private:
    std::unique_ptr<TTextShape> FShape;
    std::unique_ptr<TAnnotationCallout> FCallout;
    TAnnotationPosition FPosition = ppLeftTop;
    TTeeUnits FPositionUnits = muPixels;
};
