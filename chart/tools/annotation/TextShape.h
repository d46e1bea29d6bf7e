#pragma once
// A framed box that holds a text of several lines: it sizes itself to the text (or keeps a size
// of its own), and draws its lines with inner margins and an alignment. Annotations, and the
// tools and series built on them, lay out and draw their boxes with it.
#include <memory>
#include <string>

#include "chart/engine/TeeShapePosition.h"
#include "platform/classes/Cursors.h"
#include "platform/ui/Label.h"

class TCustomAxisPanel;
class TMargins;

class TTextShape : public TTeeShapePosition {
    KV_DECLARE_CLASS(TTextShape, TTeeShapePosition)
public:
    explicit TTextShape(TCustomTeePanel* panel = nullptr);
    ~TTextShape() override;

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value) { Change(FAutoSize, value); }
    bool ClipText() const { return FClipText; }
    void SetClipText(bool value) { Change(FClipText, value); }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value) { Change(FCursor, value); }
    TAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TAlignment value) { Change(FTextAlignment, value); }
    TMargins* Margins() const { return FMargins.get(); }
    void SetMargins(const TMargins* value);
    // Lines are separated by carriage returns.
    const std::string& Text() const { return FText; }
    void SetText(const std::string& value) { Change(FText, value); }
    // The number of lines the last CalcAutoBounds found.
    int LineCount() const { return FLineCount; }
    // For owners whose box has a position of its own from the start, as its stored default.
    void PlaceByOwnPositionByDefault() { SetDefaultCustomPosition(true); }

    // Sizes the bounds to the text at (0, 0): the widest line and the lines' height, half the
    // frame (more for a round rectangle) and the margins. Nothing without a chart.
    void CalcAutoBounds(TCustomAxisPanel* chart);
    // The box in Box (moved by the chart's drawing origin), then lineCount lines of the text,
    // each shifted right by xOffset, with the margins the last layout computed.
    void DrawShapeAndText(TCustomAxisPanel& chart, const TRect& box, int lineCount, int xOffset);

    // AutoSize, ClipText, Cursor, Margins, Text and TextAlignment, then the positioned shape,
    // then the bounds.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TTextShape>& p);

private:
    template <class V>
    void Change(V& field, const V& value) {
        if (field == value) return;
        field = value;
        Repaint();
    }

    bool FAutoSize = true;
    bool FClipText = true;
    TCursor FCursor = crDefault;
    TAlignment FTextAlignment = taLeftJustify;
    std::unique_ptr<TMargins> FMargins;
    std::string FText;
    int FLineCount = 0;
};

// The text of a shape as it is drawn: line feeds dropped, an empty text one blank.
std::string ShapeDrawnText(const std::string& text);
// The visible frame's half width, rounded up: the room the frame takes around the text.
int HalfFrameWidth(const TTeeCustomShape& shape);
