#pragma once
// The bevelled frame round a gauge: three rings filled outer to inner (10 %, 70 % and 20 % of
// the frame's width), then the area inside them, each ring with a brush that may carry a
// gradient; drawn round or square, with an optional shadow. The width is a percentage of the
// smaller side of the rectangle framed. Every change repaints the gauge that owns the frame.
#include <array>
#include <memory>

#include "chart/foundation/ChartBrush.h"
#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/Geometry.h"

class TCanvas3D;
class TTeeGradient;
class TTeeShadow;

// A ring's fill: the chart brush with a gradient drawn instead when the gradient is visible.
class TFrameBrush : public TChartBrush {
    KV_DECLARE_CLASS(TFrameBrush, TChartBrush)
public:
    explicit TFrameBrush(TNotifyEvent onChange = nullptr);
    ~TFrameBrush() override;

    TTeeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);

    // The gradient, then the brush.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TFrameBrush>& p);

private:
    std::unique_ptr<TTeeGradient> FGradient;
};

class TFramedBorder : public TPersistent {
    KV_DECLARE_CLASS(TFramedBorder, TPersistent)
public:
    // onChange repaints the owner.
    explicit TFramedBorder(TNotifyEvent onChange = nullptr);
    ~TFramedBorder() override;

    TFrameBrush* Brush() const { return FBrush.get(); }
    void SetBrush(const TFrameBrush* value) { FBrush->Assign(value); }
    bool Circled() const { return FCircled; }
    void SetCircled(bool value);
    // The owner's kind of frame is round (or square) by default: the value and its default.
    void SetDefaultCircled(bool value) { FCircled = FDefaultCircled = value; }
    TFrameBrush* InnerBrush() const { return FInnerBrush.get(); }
    void SetInnerBrush(const TFrameBrush* value) { FInnerBrush->Assign(value); }
    TFrameBrush* MiddleBrush() const { return FMiddleBrush.get(); }
    void SetMiddleBrush(const TFrameBrush* value) { FMiddleBrush->Assign(value); }
    TFrameBrush* OuterBrush() const { return FOuterBrush.get(); }
    void SetOuterBrush(const TFrameBrush* value) { FOuterBrush->Assign(value); }
    TTeeShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(const TTeeShadow* value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // Percent of the smaller side of the rectangle framed.
    int Width() const { return FWidth; }
    void SetWidth(int value);

    // The frame's thickness in pixels on rect.
    int PixelWidth(const TRect& rect) const;
    // The rectangles filled in turn on rect: the outer ring's (rect itself), the middle ring's,
    // the inner ring's and the inside's.
    std::array<TRect, 4> RingRects(const TRect& rect) const;
    // Shadow, rings and inside on rect, without outlines.
    void Draw(TCanvas3D& canvas, const TRect& rect) const;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TFramedBorder>& p);

private:
    void Changed();
    void FillRing(TCanvas3D& canvas, const TFrameBrush& brush, const TRect& rect) const;

    TNotifyEvent FOnChange;
    std::unique_ptr<TFrameBrush> FBrush;
    bool FCircled = false;
    bool FDefaultCircled = false;
    std::unique_ptr<TFrameBrush> FInnerBrush;
    std::unique_ptr<TFrameBrush> FMiddleBrush;
    std::unique_ptr<TFrameBrush> FOuterBrush;
    std::unique_ptr<TTeeShadow> FShadow;
    bool FVisible = true;
    int FWidth = 10;
};
