#pragma once
// A filled band between two values of one axis, across the whole chart rectangle: behind the
// series (by default), in front of them, or even behind the axes; filled with its brush
// colour, a gradient or a picture, optionally see-through. Its start and end can be dragged
// through two embedded colour lines, which are in no chart's tool list: the band keeps them on
// its axis and its chart, draws them and hands them the mouse.
#include <functional>
#include <memory>
#include <string>

#include "chart/engine/ChartTools.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Events.h"
#include "platform/graphics/Colors.h"

class TChartPen;
class TColorLineTool;
class TTeeGradient;
class TTeePicture;

using TColorBandClick =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;

class TColorBandTool : public TTeeCustomToolAxis {
    KV_DECLARE_CLASS(TColorBandTool, TTeeCustomToolAxis)
public:
    explicit TColorBandTool(TComponent* owner);
    ~TColorBandTool() override;

    // --- Published settings.
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { ChangeField(FColor, value); }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value) { FCursor = value; }
    bool DrawBehind() const { return FDrawBehind; }
    void SetDrawBehind(bool value) { ChangeField(FDrawBehind, value); }
    bool DrawBehindAxes() const { return FDrawBehindAxes; }
    void SetDrawBehindAxes(bool value) { ChangeField(FDrawBehindAxes, value); }
    TChartPen* EndLinePen() const;
    void SetEndLinePen(const TChartPen* value);
    double EndValue() const { return FEndValue; }
    void SetEndValue(double value);
    TTeeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);
    // Made on first read; its changes repaint.
    TTeePicture* Picture() const;
    // None frees the picture.
    void SetPicture(const TTeePicture* value);
    bool HasPicture() const { return FPicture != nullptr; }
    bool ResizeEnd() const;
    void SetResizeEnd(bool value);
    bool ResizeStart() const;
    void SetResizeStart(bool value);
    TChartPen* StartLinePen() const;
    void SetStartLinePen(const TChartPen* value);
    double StartValue() const { return FStartValue; }
    void SetStartValue(double value);
    // 0 .. 100 percent.
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { ChangeField(FTransparency, value); }

    // The two lines keep the band's axis; they are not in the chart's list.
    void SetAxis(TChartAxis* value) override;
    // The lines draw on the band's chart.
    void SetParentChart(TCustomAxisPanel* value) override;

    TColorLineTool* StartLine() const { return FStartLine.get(); }
    TColorLineTool* EndLine() const { return FEndLine.get(); }

    // --- Operations.
    // The band's rectangle on the chart: empty without an axis or when the band lies wholly
    // outside the axis range.
    TRect BandRect() const;
    // The band, then its active lines.
    void DrawBand();
    // The point lies inside the band (its corners projected at the band's depth).
    bool Contains(int x, int y) const;

    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    TColorBandClick OnClick;
    TNotifyEvent OnResized;

    static std::string KindName() { return "Color Band"; }
    static std::string KindDescription() {
        return "Displays a coloured rectangle (band) at the specified axis and position.";
    }
    static std::string EditorClassName() { return "TColorBandToolEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TColorBandTool>& p);

protected:
    // After reading, the lines take the band's values.
    void Loaded() override;

private:
    // The lines on the band's axis and chart, at its values.
    void SyncLines();
    int BandDepth() const;
    void LineDragged(TColorLineTool* line);
    void LineDropped(TColorLineTool* line);

    TColor FColor = clWhite;
    TCursor FCursor = crDefault;
    bool FDrawBehind = true;
    bool FDrawBehindAxes = false;
    double FEndValue = 0;
    double FStartValue = 0;
    int FTransparency = 0;
    std::unique_ptr<TTeeGradient> FGradient;
    mutable std::unique_ptr<TTeePicture> FPicture;
    std::unique_ptr<TColorLineTool> FStartLine;
    std::unique_ptr<TColorLineTool> FEndLine;
};
