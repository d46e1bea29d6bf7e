#pragma once
// Records the chart into an AVI video file: while recording, every completed drawing of the
// chart becomes one frame, uncompressed (32 bits a pixel) or through the Motion-JPEG
// compressor. The first frame fixes the video's size: frames of a chart resized meanwhile are
// scaled to it.
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/ChartTools.h"

class TAviWriter;
class TBitmap;
class TStrings;

class TVideoTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TVideoTool, TTeeCustomTool)
public:
    explicit TVideoTool(TComponent* owner);
    ~TVideoTool() override;

    // The compressor's four-character code, empty for none. A code no compressor has raises
    // "No compressor for <value> available" and keeps the former value.
    const std::string& Compression() const { return FCompression; }
    void SetCompression(const std::string& value);
    // 0 .. 10000.
    int CompressionQuality() const { return FCompressionQuality; }
    void SetCompressionQuality(int value) { FCompressionQuality = value; }
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& value) { FFileName = value; }
    // Milliseconds a frame lasts; must be positive ("Frame duration must be positive").
    int FrameDuration() const { return FFrameDuration; }
    void SetFrameDuration(int value);

    // Starts a recording into the file (replaced when it exists). A tool without a chart only
    // stores the name.
    void StartRecording(const std::string& fileName);
    // Finishes the file (a valid video even without frames).
    void StopRecording();
    // Adds the picture as the next frame.
    void AddFrame(TBitmap& bitmap);
    bool IsRecording() const { return FRecording; }
    // Frames of the current or last recording.
    int Frames() const { return FFrames; }

    // "No Compression", then each compressor that can take the chart's frames: its code, a
    // blank and its short name.
    void ListCompressors(TStrings& list) const;
    // Whether the chosen compressor has a settings dialog of its own; none of ours has.
    bool CanConfigureCompressor() const { return false; }

    void ChartDrawEvent(TChartToolEvent event) override;

    TNotifyEvent OnNewFrame;
    TNotifyEvent OnStart;
    TNotifyEvent OnStop;

    static std::string KindName() { return "Video creator"; }
    static std::string KindDescription() { return "Creates an AVI video with Chart images"; }
    static std::string EditorClassName() { return "TVideoToolEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TVideoTool>& p);

private:
    // The picture at the video's size, in 32 bits a pixel.
    TBitmap& FrameAtVideoSize(TBitmap& bitmap);
    void EncodeFrame(const TBitmap& frame);

    std::string FCompression;
    int FCompressionQuality = 8000;
    std::string FFileName;
    int FFrameDuration = 50;
    bool FRecording = false;
    bool FCapturing = false;
    int FFrames = 0;
    std::unique_ptr<TAviWriter> FWriter;
    std::unique_ptr<TBitmap> FScaled;  // frames of another size, scaled; reused
    std::vector<uint8_t> FBits;        // the frame's stored bytes; reused
};
