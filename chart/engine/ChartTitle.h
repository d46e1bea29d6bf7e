#pragma once
// The chart's titles: framed text boxes above the chart (Title, SubTitle) or below it (Foot,
// SubFoot). Drawn in their place, each cuts its height out of the chart rectangle; one with a
// custom position is drawn where it is told and takes no space.
#include <memory>
#include <string>

#include "chart/engine/TeeShapePosition.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Label.h"

class TChartTitle : public TTeeCustomShapePosition {
    KV_DECLARE_CLASS(TChartTitle, TTeeCustomShapePosition)
public:
    explicit TChartTitle(TCustomTeePanel* panel = nullptr);
    ~TChartTitle() override;

    bool AdjustFrame() const { return FAdjustFrame; }
    void SetAdjustFrame(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // A change of the lines repaints the panel.
    TStrings* Text() const { return FText.get(); }
    void SetText(const TStrings* value);
    int VertMargin() const { return FVertMargin; }
    void SetVertMargin(int value);
    TChartPen* Frame() const { return Pen(); }
    void SetFrame(const TChartPen* value) { SetPen(value); }
    bool TextOnTop() const { return FTextOnTop; }

    // The text as the only line; an empty text leaves no line.
    void SetCaption(const std::string& text);
    void ClearText() { SetCaption({}); }
    // Where the title was last drawn.
    const TRect& GetTitleRect() const { return ShapeBounds(); }
    // Visible and the point inside the last drawn rectangle, edges included.
    bool ContainsPoint(int x, int y) const;
    // Draws the title on its panel and, unless it has a custom position, takes its room out of
    // the panel's chart rectangle. Nothing without lines or when hidden.
    void DrawTitle();

    // AdjustFrame, Alignment, Text and VertMargin, then the positioned shape's settings.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TChartTitle>& p);

protected:
    bool FTextOnTop = true;

private:
    // The frame's width as it counts for the layout.
    int FrameWidth() const;
    void DrawLines(int lineHeight, int margin, int frameWidth);

    bool FAdjustFrame = true;
    TAlignment FAlignment = taCenter;
    std::unique_ptr<TStringList> FText;
    int FVertMargin = 5;
};

// A title below the chart: it grows upward from the chart's bottom, in red italics.
class TChartFootTitle : public TChartTitle {
    KV_DECLARE_CLASS(TChartFootTitle, TChartTitle)
public:
    explicit TChartFootTitle(TCustomTeePanel* panel = nullptr);
};
