#pragma once
// The marks of a series: the framed text boxes that label its points with their value, percent,
// label and so on. The marks hold the look of every box, a look of its own for some points (the
// items), the remembered and user-moved box positions, and draw one box with its arrow, hit-test
// the boxes and nudge overlapping ones apart. Which points get a mark, with what text and where,
// is the series' business; it hands each box to the marks to be drawn.
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/ShapeMargins.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShape.h"
#include "platform/ui/Label.h"

class TChartSeries;
class TMarksCallout;
class TSeriesMarksSymbol;
class TStream;
class TStringList;
class TStrings;
class TWhitePen;

enum TSeriesMarksStyle {
    smsValue,
    smsPercent,
    smsLabel,
    smsLabelPercent,
    smsLabelValue,
    smsLegend,
    smsPercentTotal,
    smsLabelPercentTotal,
    smsXValue,
    smsXY,
    smsSeriesTitle,
    smsPointIndex,
    smsPercentRelative
};
const TEnumInfo& SeriesMarksStyleNames();

// The look of the mark of one point.
class TMarksItem : public TTeeCustomShape {
    KV_DECLARE_CLASS(TMarksItem, TTeeCustomShape)
public:
    explicit TMarksItem(TCustomTeePanel* chart = nullptr);
    ~TMarksItem() override;

    // Made on first access; it counts as set once it changed. Null frees it.
    TStrings* Text() const;
    void SetText(const TStrings* value);
    bool HasText() const { return FTextSet; }

    static void Publish(TPublisher<TMarksItem>& p);

protected:
    void InitShadow(TTeeShadow& shadow) const override;

private:
    mutable std::unique_ptr<TStringList> FText;
    mutable bool FTextSet = false;
};

// The looks of some points, by point index; empty slots use the marks' own look.
class TMarksItems {
public:
    int Count() const { return int(FItems.size()); }
    TMarksItem* Item(int index) const;
    void Clear() { FItems.clear(); }
    void Delete(int index);
    // Read from a stream: the series then keeps the items when its points are cleared.
    bool LoadedFromStream = false;

private:
    friend class TSeriesMarks;
    std::vector<std::unique_ptr<TMarksItem>> FItems;
};

// Keeps the per-point looks through a clearing of the points, for a scope (a series copying
// another one's marks and then its points).
class TMarksItemsHold {
public:
    explicit TMarksItemsHold(TMarksItems& items) : FItems(items), FSaved(items.LoadedFromStream) {
        items.LoadedFromStream = true;
    }
    ~TMarksItemsHold() { FItems.LoadedFromStream = FSaved; }
    TMarksItemsHold(const TMarksItemsHold&) = delete;
    TMarksItemsHold& operator=(const TMarksItemsHold&) = delete;

private:
    TMarksItems& FItems;
    bool FSaved;
};

// Silver fading to white from right to left.
class TSeriesMarksGradient : public TTeeGradient {
    KV_DECLARE_CLASS(TSeriesMarksGradient, TTeeGradient)
public:
    explicit TSeriesMarksGradient(TNotifyEvent onChange = nullptr);
    static void Publish(TPublisher<TSeriesMarksGradient>& p);
};

class TSeriesMarks : public TTeeCustomShape {
    KV_DECLARE_CLASS(TSeriesMarks, TTeeCustomShape)
public:
    explicit TSeriesMarks(TChartSeries* series = nullptr);
    ~TSeriesMarks() override;

    TChartSeries* Series() const { return FSeries; }

    // --- Published settings.
    int Angle() const { return FAngle; }
    void SetAngle(int value) { ChangeInt(FAngle, value); }
    TSeriesMarksStyle Style() const { return FStyle; }
    void SetStyle(TSeriesMarksStyle value);
    bool Clip() const { return FClip; }
    void SetClip(bool value) { ChangeBool(FClip, value); }
    // Only every n-th point gets a mark; values below 1 count as 1.
    int DrawEvery() const { return FDrawEvery; }
    void SetDrawEvery(int value) { ChangeInt(FDrawEvery, value); }
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool value) { ChangeBool(FMultiLine, value); }
    TAlignment TextAlign() const { return FTextAlign; }
    void SetTextAlign(TAlignment value);
    TMargins* Margins() const { return FMargins.get(); }
    void SetMargins(const TMargins* value) { FMargins->Assign(value); }
    // Made on first access; null frees it.
    TMarksCallout* Callout() const;
    TMarksCallout* CalloutIfAny() const { return FCallout.get(); }
    void SetCallout(const TMarksCallout* value);
    // The callout's arrow pen and length.
    TWhitePen* Arrow() const;
    void SetArrow(const TWhitePen* value);
    int ArrowLength() const;
    void SetArrowLength(int value);
    // Made on first access; null frees it.
    TSeriesMarksSymbol* Symbol() const;
    TSeriesMarksSymbol* SymbolIfAny() const { return FSymbol.get(); }
    void SetSymbol(const TSeriesMarksSymbol* value);
    TColor BackColor() const { return Color(); }
    void SetBackColor(TColor value) { SetColor(value); }
    TChartPen* Frame() const { return Pen(); }
    void SetFrame(const TChartPen* value) { SetPen(value); }

    // The depth the marks are drawn at; the series sets it.
    int ZPosition = 0;
    bool FontSeriesColor() const { return FFontSeriesColor; }
    void SetFontSeriesColor(bool value) { FFontSeriesColor = value; }

    // --- Positions and items.
    TSeriesMarksPositions& Positions() { return FPositions; }
    const TSeriesMarksPositions& Positions() const { return FPositions; }
    TMarksItems& Items() { return FItems; }
    const TMarksItems& Items() const { return FItems; }
    // The look of the point's mark, made (with the marks' defaults) on first access.
    TMarksItem& Item(int index);
    // The point's own look when it has one, else the marks.
    TTeeCustomShape& ItemFormat(int index);
    // The positions, and the items unless they were read from a stream.
    void Clear();
    // Every stored position goes back to the computed one.
    void ResetPositions();
    // A custom stored position replaces the computed one; otherwise the computed one is stored.
    void ApplyPosition(int index, TSeriesMarkPosition& position);

    // --- Drawing and hit testing.
    void DrawMarkAt(int index, TColor color, TSeriesMarkPosition& position,
                    const std::string& text);
    void DrawMark(TTeeCustomShape& format, TColor color, TSeriesMarkPosition& position,
                  const std::string& text);
    // The index of the mark box under (x, y), -1 when none.
    int MarkAtPoint(int x, int y);
    // Moves position up (or down) off every box of the points first .. current - 1.
    void AntiOverlap(int first, int current, TSeriesMarkPosition& position);
    void OffsetByCallout(TSeriesMarkPosition& position);
    // The widest line of the point's mark text in the chart's current font.
    int TextWidth(int index);
    // Where the box's left-top lands: moved with the projection of the arrow end when the
    // chart is 3-D and its surface draws text flat.
    TPoint ProjectedLeftTop(TPoint arrowTo, TPoint leftTop);

    void SetParentChart(TCustomTeePanel* value) override;
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSeriesMarks>& p);

protected:
    TClass GradientClassToCreate() const override;
    void InitShadow(TTeeShadow& shadow) const override;
    // "Items": the per-point looks.
    void DefineProperties(TFiler& filer) override;

private:
    void ChangeInt(int& field, int value);
    void ChangeBool(bool& field, bool value);
    // The box of position with its frame and shadow, as drawn.
    TRect OverlapRect(const TSeriesMarkPosition& position, TTeeCustomShape& format);
    void DrawText(TCanvas3D& canvas, TTeeCustomShape& format, const TRect& box,
                  const std::string& text);
    void ReadItems(TStream& stream);
    void WriteItems(TStream& stream);

    TChartSeries* FSeries;
    int FAngle = 0;
    mutable std::unique_ptr<TMarksCallout> FCallout;
    bool FClip = false;
    int FDrawEvery = 1;
    TMarksItems FItems;
    std::unique_ptr<TMargins> FMargins;
    TSeriesMarksStyle FStyle = smsLabel;
    bool FMultiLine = false;
    TSeriesMarksPositions FPositions;
    mutable std::unique_ptr<TSeriesMarksSymbol> FSymbol;
    TAlignment FTextAlign = taCenter;
    bool FFontSeriesColor = false;
};
