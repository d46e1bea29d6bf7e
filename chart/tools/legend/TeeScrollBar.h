#pragma once
// A scroll bar the chart draws on its own canvas after each paint and drives with its mouse
// events: two arrow buttons, a track and a thumb, repeating while a button is held. What it
// scrolls is left to descendants: a position, a maximum and a page size.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "chart/engine/ChartTools.h"
#include "platform/ui/Panel.h"

class TChartBrush;
class TScrollBarThumb;
class TTeeGradient;
class TTimer;

enum TTeeScrollBarDrawStyle { dsAlways, dsWhenNeeded };
const TEnumInfo& ScrollBarDrawStyleNames();

using TSetPositionEvent = std::function<void(TObject* sender, int value)>;

// The parts of a bar laid along a reference rectangle.
struct TScrollBarParts {
    TRect Bar;
    TRect FirstButton;
    TRect SecondButton;
};

class TTeeScrollBar : public TTeeCustomTool {
    KV_DECLARE_CLASS(TTeeScrollBar, TTeeCustomTool)
public:
    explicit TTeeScrollBar(TComponent* owner);
    ~TTeeScrollBar() override;

    TChartBrush* ArrowBrush() const { return FArrowBrush.get(); }
    void SetArrowBrush(const TChartBrush* value);
    bool AutoRepeat() const { return FAutoRepeat; }
    void SetAutoRepeat(bool value) { FAutoRepeat = value; }
    TColor BackColor() const;
    void SetBackColor(TColor value);
    TBevelCut Bevel() const { return FBevel; }
    void SetBevel(TBevelCut value);
    TTeeScrollBarDrawStyle DrawStyle() const { return FDrawStyle; }
    void SetDrawStyle(TTeeScrollBarDrawStyle value);
    TTeeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);
    int InitialDelay() const { return FInitialDelay; }
    void SetInitialDelay(int value) { FInitialDelay = value; }
    int MinThumbSize() const { return FMinThumbSize; }
    void SetMinThumbSize(int value);
    // The bar's thickness and each arrow button's side.
    int Size() const { return FSize; }
    void SetSize(int value);
    // The size a thumb picture gives, without OnChangeSize.
    void SetSizeQuietly(int value);
    TScrollBarThumb* Thumb() const { return FThumb.get(); }
    void SetThumb(const TScrollBarThumb* value);
    TChartBrush* ThumbBrush() const;
    void SetThumbBrush(const TChartBrush* value);
    int ThumbSize() const;
    void SetThumbSize(int value);

    // What is scrolled.
    virtual double PixelsToPosition(int a, int b);
    virtual int PageSize();
    virtual int PageStep();
    virtual int Position();
    virtual void SetPosition(int value);
    // The reference rectangle the bar is laid along; false when there is nothing to draw.
    virtual bool CalcBounds(TRect& rect);
    virtual int Max();
    void SetMax(int value) { FMax = value; }
    void SetPageSize(int value) { FPageSize = value; }
    bool Horizontal() const { return FHorizontal; }
    void SetHorizontal(bool value) { FHorizontal = value; }

    // The parts along the reference rectangle of the last paint.
    TScrollBarParts Parts() const;
    // The thumb of the last paint; empty when the track had no room for one.
    TRect ThumbRect() const;
    bool HasThumb() const { return FThumbEnd > FThumbStart; }
    int ThumbStart() const { return FThumbStart; }
    int ThumbEnd() const { return FThumbEnd; }
    // The arrow triangles inside the buttons.
    std::array<TPoint, 3> FirstArrow() const;
    std::array<TPoint, 3> SecondArrow() const;
    // The length of the track between the buttons.
    int TrackLength() const;
    TTimer* RepeatTimer() const { return FRepeatTimer.get(); }

    void SetParentChart(TCustomAxisPanel* value) override;
    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Scrollbar"; }
    static std::string EditorClassName() { return "TScrollBarEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TTeeScrollBar>& p);

    TNotifyEvent OnChangeSize;
    TNotifyEvent OnScrolled;
    TSetPositionEvent OnSetPosition;

protected:
    TRect FBounds;

private:
    void DrawBar();
    void DrawArrows();
    void DrawThumb(TRect thumb);
    void DrawHover(const std::array<TPoint, 3>& arrow);
    void MouseDown(TPoint p);
    void MouseMove(TPoint p);
    void MouseUp();
    void ScrollBy(double step, bool press);
    void RepeatTick();
    int AlongBar(TPoint p) const { return FHorizontal ? p.X : p.Y; }

    TTeeScrollBarDrawStyle FDrawStyle = dsAlways;
    int FInitialDelay = 250;
    int FThumbStart = 0;
    int FThumbEnd = 0;
    std::unique_ptr<TScrollBarThumb> FThumb;
    std::unique_ptr<TTimer> FRepeatTimer;
    bool FDraggingThumb = false;
    bool FPressedFirst = false;
    bool FPressedSecond = false;
    bool FRepeatAllowed = true;
    TPoint FLastPoint;
    bool FHorizontal = false;
    TBevelCut FBevel = bvRaised;
    bool FAutoRepeat = true;
    int FSize = 18;
    std::unique_ptr<TChartBrush> FArrowBrush;
    int FPosition = 0;
    std::unique_ptr<TTeeGradient> FGradient;
    int FMinThumbSize = 4;
    bool FFirstHighlighted = false;
    bool FSecondHighlighted = false;
    int FMax = 0;
    int FPageSize = 0;
};
