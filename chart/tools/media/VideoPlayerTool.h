#pragma once
// Plays the video stream of an AVI file inside a chart: on its timer it decodes one frame after
// the other, passes each through its image filters and shows it as the chart's back image or in
// another picture of the chart (a target).
#include <memory>
#include <string>

#include "chart/engine/ChartTools.h"

class TAviReader;
class TBitmap;
class TFilterItems;
class TTeePicture;
class TTimer;

class TVideoPlayerTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TVideoPlayerTool, TTeeCustomTool)
public:
    explicit TVideoPlayerTool(TComponent* owner);
    ~TVideoPlayerTool() override;

    // Milliseconds between frames.
    int Delay() const;
    void SetDelay(int value);
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& value) { FFileName = value; }
    // Applied to every frame in order; not stored with the tool.
    TFilterItems* Filters() const { return FFilters.get(); }
    void SetFilters(const TFilterItems* value);
    bool Loop() const { return FLoop; }
    void SetLoop(bool value) { FLoop = value; }

    // Opens the video and starts the timer; nothing while playing. Raises "AVI Error: ..." for a
    // file that is no readable AVI file and "Error GetFrameOpen AVI file stream" for frames it
    // cannot decode.
    void Play();
    void Stop();
    bool Playing() const { return FPlaying; }
    // The picture the frames go to; none for the chart's back image. A former target is
    // emptied.
    TTeePicture* Target() const { return FTarget; }
    void SetTarget(TTeePicture* picture);
    int CurrentFrame() const { return FCurrent; }
    // The first and last frame of the open video (-1 and the first without one).
    int FirstFrame() const;
    int LastFrame() const;
    // The bitmap of the last frame shown, none before the first.
    TBitmap* FrameBitmap() const { return FFrame.get(); }

    TNotifyEvent OnFrame;

    static std::string KindName() { return "Video player"; }
    static std::string KindDescription() { return "Play videos inside Chart regions"; }
    static std::string EditorClassName() { return "TVideoPlayerEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TVideoPlayerTool>& p);

private:
    void OpenVideo();
    void CloseVideo();
    void Tick();
    void ShowFrame();

    std::string FFileName;
    std::unique_ptr<TFilterItems> FFilters;
    bool FLoop = false;
    TTeePicture* FTarget = nullptr;
    std::unique_ptr<TBitmap> FFrame;
    int FCurrent = 0;
    int FLast = 0;
    bool FPlaying = false;
    TTimer* FTimer;  // owned by the tool as its component
    std::unique_ptr<TAviReader> FReader;
};
