#pragma once
// An annotation whose text scrolls sideways and blinks, each on a timer of its own.
#include <memory>
#include <string>

#include "chart/tools/annotation/AnnotationTool.h"

class TTimer;

enum TScrollDirection { sdRightLeft, sdLeftRight };
const TEnumInfo& ScrollDirectionNames();

class TBannerTool : public TAnnotationTool {
    KV_DECLARE_CLASS(TBannerTool, TAnnotationTool)
public:
    explicit TBannerTool(TComponent* owner);
    ~TBannerTool() override;

    bool Blink() const;
    void SetBlink(bool value);
    int BlinkDelayOff() const { return FBlinkDelayOff; }
    void SetBlinkDelayOff(int value);
    int BlinkDelayOn() const { return FBlinkDelayOn; }
    void SetBlinkDelayOn(int value);
    bool Scroll() const;
    void SetScroll(bool value);
    int ScrollDelay() const;
    void SetScrollDelay(int value);
    TScrollDirection ScrollDirection() const { return FScrollDirection; }
    // A new direction starts the text from its home place again.
    void SetScrollDirection(TScrollDirection value);

    // The text is drawn (it blinks off between).
    bool Shown() const { return FShown; }
    // How far the text has scrolled, in pixels.
    int ScrollOffset() const { return FOffset; }
    // Where the text is drawn relative to its box.
    int TextHorizOffset() override;

    void ChartDrawEvent(TChartToolEvent event) override;

    static std::string KindName() { return "Banner"; }
    static std::string KindDescription() { return "Scrolling and blinking text"; }
    static std::string EditorClassName() { return "TBannerEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TBannerTool>& p);

private:
    void BlinkTick();
    void ScrollTick();

    std::unique_ptr<TTimer> FBlinkTimer;
    std::unique_ptr<TTimer> FScrollTimer;
    int FBlinkDelayOff = 1000;
    int FBlinkDelayOn = 1000;
    TScrollDirection FScrollDirection = sdRightLeft;
    bool FShown = true;
    int FOffset = 0;
};
