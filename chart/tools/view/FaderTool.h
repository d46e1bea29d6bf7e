#pragma once
// Fades the chart in out of a plain colour, or out into it: on a timer the chart's last drawn
// picture is blended with a layer of the colour at a growing percentage and painted over the
// chart, until the percentage reaches 100. A fade runs only when started; the tool ignores the
// chart's drawing events.
#include <memory>
#include <string>

#include "chart/engine/ChartTools.h"
#include "platform/graphics/Colors.h"

class TBitmap;
class TTimer;

enum TFaderStyle { fsFadeIn, fsFadeOut };
const TEnumInfo& FaderStyleNames();

class TFaderTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TFaderTool, TTeeCustomTool)
public:
    explicit TFaderTool(TComponent* owner);
    ~TFaderTool() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    // Milliseconds between the first frame and the second.
    int InitialDelay() const { return FInitialDelay; }
    void SetInitialDelay(int value) { FInitialDelay = value; }
    // Percentage points added per frame. A speed of 0 or less would never get anywhere: the
    // next frame is the last.
    double Speed() const { return FSpeed; }
    void SetSpeed(double value) { FSpeed = value; }
    TFaderStyle Style() const { return FStyle; }
    void SetStyle(TFaderStyle value) { FStyle = value; }

    // Starts a fade from 0 percent; the first frame comes on the next timer tick.
    void Start();
    // The percentage of the next frame, 0 .. 100.
    double Percent() const { return FPercent; }
    bool Fading() const;
    // The colour layer of the last frame (the chart picture's size), none before the first.
    const TBitmap* Layer() const { return FLayer.get(); }

    // Fired when the fade has shown its 100 percent frame.
    TNotifyEvent OnStop;

    static std::string KindName() { return "Fader"; }
    static std::string KindDescription() { return "Fade-in or fade-out Chart animation"; }
    static std::string EditorClassName() { return "TFaderEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TFaderTool>& p);

private:
    void FadeStep();
    void Stop();

    TColor FColor = clBlack;
    int FInitialDelay = 100;
    double FSpeed = 3.0;
    TFaderStyle FStyle = fsFadeIn;
    TTimer* FTimer = nullptr;  // owned by the tool as its component
    std::unique_ptr<TBitmap> FLayer;
    std::unique_ptr<TBitmap> FPicture;  // the chart's picture of the frame, in 24 bits
    double FPercent = 0;
    bool FFirstFrame = false;
};
