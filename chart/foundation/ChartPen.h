#pragma once
// The pen every chart element describes its lines with: the canvas pen plus visibility, the way
// wide lines end, and one-pixel dotted lines. Each pen keeps its own default visibility and end
// style, so a stream holds Visible or EndStyle only where they differ from the pen's kind.
#include "platform/graphics/Pen.h"

enum TPenEndStyle { esRound, esSquare, esFlat };
const TEnumInfo& PenEndStyleNames();

class TChartPen : public TPen {
    KV_DECLARE_CLASS(TChartPen, TPen)
public:
    explicit TChartPen(TNotifyEvent onChange = nullptr);
    ~TChartPen() override;

    TPenEndStyle EndStyle() const { return FEndStyle; }
    void SetEndStyle(TPenEndStyle value);
    // Dots one pixel apart (or SmallSpace pixels apart) instead of the pen's style.
    bool SmallDots() const { return FSmallDots; }
    void SetSmallDots(bool value);
    int SmallSpace() const { return FSmallSpace; }
    void SetSmallSpace(int value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    void SwitchOn() { SetVisible(true); }
    void SwitchOff() { SetVisible(false); }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TChartPen>& p);
    // For the pen kinds and owners whose defaults differ; sets the value too.
    void SetDefaultVisible(bool value);

private:
    bool IsVisibleStored() const { return FVisible != FDefaultVisible; }
    bool IsEndStyleStored() const { return FEndStyle != FDefaultEndStyle; }

    TPenEndStyle FEndStyle = esRound;
    TPenEndStyle FDefaultEndStyle = esRound;
    bool FSmallDots = false;
    int FSmallSpace = 0;
    bool FVisible = true;
    bool FDefaultVisible = true;
};

// A pen that starts hidden.
class TChartHiddenPen : public TChartPen {
    KV_DECLARE_CLASS(TChartHiddenPen, TChartPen)
public:
    explicit TChartHiddenPen(TNotifyEvent onChange = nullptr);
};

// Grey dots (grid lines).
class TDottedGrayPen : public TChartPen {
    KV_DECLARE_CLASS(TDottedGrayPen, TChartPen)
public:
    explicit TDottedGrayPen(TNotifyEvent onChange = nullptr);
    static void Publish(TPublisher<TDottedGrayPen>& p);
};

class TDarkGrayPen : public TChartPen {
    KV_DECLARE_CLASS(TDarkGrayPen, TChartPen)
public:
    explicit TDarkGrayPen(TNotifyEvent onChange = nullptr);
    static void Publish(TPublisher<TDarkGrayPen>& p);
};

// White, and its visibility always stored.
class TWhitePen : public TChartPen {
    KV_DECLARE_CLASS(TWhitePen, TChartPen)
public:
    explicit TWhitePen(TNotifyEvent onChange = nullptr);
    static void Publish(TPublisher<TWhitePen>& p);
};
