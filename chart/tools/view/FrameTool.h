#pragma once
// A picture frame around the whole chart panel: one strip picture stretched along each side,
// mitred at the corners, with an optional mat (the Paspartou band, filled with the tool's brush)
// inside it. The chart's margins follow the frame's width while ResizeChart is on; the margins
// the tool set are given back (percent, 4 and 3) when it stops resizing, is deactivated, leaves
// the chart or goes.
#include <memory>
#include <string>

#include "chart/engine/ChartTools.h"

class TBitmap;
class TRotateFilter;
class TTeePicture;

class TFrameTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TFrameTool, TTeeCustomTool)
public:
    explicit TFrameTool(TComponent* owner);
    ~TFrameTool() override;

    static constexpr int StyleCount = 8;  // 0 custom, 1..7 the program's own frames

    // The strip of the left side, drawn upright.
    TTeePicture* Frame() const { return FFrame.get(); }
    void SetFrame(const TTeePicture* value);
    int Paspartou() const { return FPaspartou; }
    void SetPaspartou(int value);
    bool ResizeChart() const { return FResizeChart; }
    void SetResizeChart(bool value);
    int Size() const { return FSize; }
    void SetSize(int value);
    // 0 keeps the picture of Frame; 1..7 load the program's frame picture of that number.
    // Another number raises the missing-resource error and keeps the style.
    int Style() const { return FStyle; }
    void SetStyle(int value);

    // Size, plus the mat's width when the brush fills it.
    int FrameWidth() const;
    bool MarginsSet() const { return FMarginsSet; }

    void SetActive(bool value) override;
    void SetParentChart(TCustomAxisPanel* value) override;
    void ChartDrawEvent(TChartToolEvent event) override;

    static std::string KindName() { return "Frame"; }
    static std::string KindDescription() { return "Draws a decorating frame around Chart panel"; }
    static std::string EditorClassName() { return "TFrameToolEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TFrameTool>& p);

private:
    void AdjustMargins();
    void RestoreMargins();
    void DrawFrame();

    std::unique_ptr<TTeePicture> FFrame;
    std::unique_ptr<TRotateFilter> FRotate;
    int FPaspartou = 16;
    bool FResizeChart = true;
    int FSize = 16;
    int FStyle = 1;
    bool FMarginsSet = false;
};
