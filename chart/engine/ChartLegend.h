#pragma once
// The chart's legend: beside or below the chart it lists either the series (one row each) or the
// points of one series, each with a coloured symbol, one or two text columns and optionally a
// check box that switches series or series groups on and off. The queries (texts, counts, the
// item under a point, the check-box click) live in ChartLegend.cpp, the layout and drawing in
// ChartLegendLayout.cpp and ChartLegendDraw.cpp.
//
// The legend belongs to an axis panel; what only the chart component can answer (its legend-text
// event, its legend rectangle and position events) it asks through ILegendChart, which the chart
// implements and a test panel may leave out.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/LegendTextStyle.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/TeeShapePosition.h"
#include "chart/foundation/TeePanel.h"
#include "chart/foundation/TeeShape.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Label.h"

class TChartHiddenPen;
class TChartPen;
class TChartSeries;
class TCustomAxisPanel;
class TStringList;
class TTeeCanvas;
class TTeeGradient;
class TTeeShadow;
class TChartLegend;

KV_EXCEPTION_CLASS(LegendException, Exception)

enum TLegendAlignment { laLeft, laRight, laTop, laBottom };
enum TCheckBoxesStyle { cbsCheck, cbsRadio };
enum TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues, lsSeriesGroups };
enum TLegendSymbolPosition { spLeft, spRight };
enum TLegendSymbolSize { lcsPercent, lcsPixels };

const TEnumInfo& LegendAlignmentNames();
const TEnumInfo& CheckBoxesStyleNames();
const TEnumInfo& LegendStyleNames();
const TEnumInfo& LegendTextStyleNames();
const TEnumInfo& LegendSymbolPositionNames();
const TEnumInfo& LegendSymbolSizeNames();

// What the chart component adds around its legend.
class ILegendChart {
public:
    virtual ~ILegendChart() = default;
    // The item's text as the chart's legend-text event leaves it.
    virtual void LegendTextHook(TChartLegend& legend, int index, std::string& text) = 0;
    virtual void GetLegendRect(TChartLegend& legend, TRect& rect) = 0;
    virtual void GetLegendPos(TChartLegend& legend, int index, int& x, int& y, int& xColor) = 0;
};

using TLegendSymbolDrawEvent =
    std::function<void(TObject* sender, TChartSeries* series, int valueIndex, const TRect& rect)>;

class TLegendSymbol : public TPersistent {
    KV_DECLARE_CLASS(TLegendSymbol, TPersistent)
public:
    explicit TLegendSymbol(TCustomTeePanel* panel = nullptr,
                           std::function<int()> itemHeight = nullptr);
    ~TLegendSymbol() override;

    bool Continuous() const { return FContinuous; }
    void SetContinuous(bool value) { Change(FContinuous, value); }
    bool DefaultPen() const { return FDefaultPen; }
    void SetDefaultPen(bool value) { Change(FDefaultPen, value); }
    TTeeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);
    TChartPen* Pen() const { return FPen.get(); }
    void SetPen(const TChartPen* value);
    TLegendSymbolPosition Position() const { return FPosition; }
    void SetPosition(TLegendSymbolPosition value) { Change(FPosition, value); }
    TTeeShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(const TTeeShadow* value);
    bool Squared() const { return FSquared; }
    void SetSquared(bool value) { Change(FSquared, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Change(FVisible, value); }
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TLegendSymbolSize WidthUnits() const { return FWidthUnits; }
    void SetWidthUnits(TLegendSymbolSize value) { Change(FWidthUnits, value); }
    TLegendSymbolDrawEvent OnDraw;

    // The symbol's width for a legend whose text is legendWidth pixels wide.
    int WidthInPixels(int legendWidth) const;
    // The symbol's rectangle in color on the panel's surface (shadow, pen, gradient or brush).
    void DrawSymbol(TColor color, const TRect& rect) const;

    // Continuous, Gradient, Pen, Position, Shadow, Squared, Width, WidthUnits and Visible; not
    // DefaultPen and OnDraw.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TLegendSymbol>& p);

private:
    template <class T>
    void Change(T& field, T value) {
        if (field == value) return;
        field = value;
        Repaint();
    }
    void Repaint();

    bool FContinuous = false;
    bool FDefaultPen = true;
    std::unique_ptr<TTeeGradient> FGradient;
    std::unique_ptr<TChartPen> FPen;
    TLegendSymbolPosition FPosition = spLeft;
    std::unique_ptr<TTeeShadow> FShadow;
    bool FSquared = false;
    bool FVisible = true;
    int FWidth = 20;
    TLegendSymbolSize FWidthUnits = lcsPercent;
    std::function<int()> FItemHeight;
    TCustomTeePanel* FPanel = nullptr;
};

class TLegendItem : public TPersistent {
    KV_DECLARE_CLASS(TLegendItem, TPersistent)
public:
    explicit TLegendItem(TChartLegend* legend = nullptr) : FLegend(legend) {}

    int Align() const { return FAlign; }
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    const TRect& SymbolRect() const { return FSymbolRect; }
    const std::string& Text() const { return FText; }
    // A text set by code makes the legend's items custom and repaints the legend.
    void SetText(const std::string& value) { SetCustomText(FText, value); }
    const std::string& Text2() const { return FText2; }
    void SetText2(const std::string& value) { SetCustomText(FText2, value); }

private:
    friend class TChartLegend;
    void SetCustomText(std::string& field, const std::string& value);

    int FAlign = 0;
    int FLeft = 0;
    int FTop = 0;
    TRect FSymbolRect;
    std::string FText;
    std::string FText2;
    TChartLegend* FLegend;
};

// Where and what each item was last drawn, by value index, or texts set by code (Custom).
class TLegendItems {
public:
    explicit TLegendItems(TChartLegend* legend) : FLegend(legend) {}
    // Grows the list with empty slots up to index and makes the item there on first use.
    TLegendItem& GetItem(int index);
    // The item at index when it was made, else none.
    TLegendItem* Find(int index) const;
    int Count() const { return int(FItems.size()); }
    // Frees every item and repaints the legend.
    void Clear();
    // Frees every item without repainting (the drawing pass rebuilds them).
    void Release() { FItems.clear(); }
    bool Custom = false;

private:
    std::vector<std::unique_ptr<TLegendItem>> FItems;
    TChartLegend* FLegend;
};

class TLegendTitle : public TTeeShape {
    KV_DECLARE_CLASS(TLegendTitle, TTeeShape)
public:
    explicit TLegendTitle(TCustomTeePanel* panel = nullptr);
    ~TLegendTitle() override;

    TStringList& Text() const { return *FText; }
    void SetText(const TStringList* value);
    std::string Caption() const;
    void SetCaption(const std::string& value);
    TAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TAlignment value);

    // Lines times the line height in the title font; +2 and twice a visible pen's width when
    // not transparent.
    int CalcHeight(TTeeCanvas& canvas) const;
    // The widest line plus the width of "W", plus what pen and shadow add when not transparent.
    int TotalWidth(TTeeCanvas& canvas) const;
    // Two pixels inside the legend's sides and top, moved off its own shadow.
    void PlaceIn(const TRect& legendRect, int height);
    void DrawText(TTeeCanvas& canvas) const;
    // The shadow's vertical size when the shadow shows below an opaque title, else 0.
    int VisibleShadowHeight() const;

    // Text and TextAlignment, then the shape's settings.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TLegendTitle>& p);

protected:
    void InitShadow(TTeeShadow& shadow) const override;

private:
    std::unique_ptr<TStringList> FText;
    TAlignment FTextAlignment = taLeftJustify;
};

// The legend's fill, when a gradient is switched on: the same silver-to-white fade from right
// to left as the marks'.
class TChartLegendGradient : public TSeriesMarksGradient {
    KV_DECLARE_CLASS(TChartLegendGradient, TSeriesMarksGradient)
public:
    using TSeriesMarksGradient::TSeriesMarksGradient;
    static void Publish(TPublisher<TChartLegendGradient>&) {}
};

using TLegendSizeEvent = std::function<void(TChartLegend& sender, int& size)>;

class TChartLegend : public TTeeCustomShapePosition {
    KV_DECLARE_CLASS(TChartLegend, TTeeCustomShapePosition)
public:
    explicit TChartLegend(TCustomAxisPanel* panel = nullptr, ILegendChart* chart = nullptr);
    ~TChartLegend() override;

    // --- Settings.
    TLegendAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TLegendAlignment value) { Change(FAlignment, value); }
    bool CheckBoxes() const { return FCheckBoxes; }
    void SetCheckBoxes(bool value) { Change(FCheckBoxes, value); }
    TCheckBoxesStyle CheckBoxesStyle() const { return FCheckBoxesStyle; }
    // Switching to radio leaves only the first active series of the legend active.
    void SetCheckBoxesStyle(TCheckBoxesStyle value);
    int ColorWidth() const;
    void SetColorWidth(int value);
    bool CurrentPage() const { return FCurrentPage; }
    void SetCurrentPage(bool value) { Change(FCurrentPage, value); }
    TChartHiddenPen* DividingLines() const { return FDividingLines.get(); }
    void SetDividingLines(const TChartHiddenPen* value);
    int FirstValue() const { return FFirstValue; }
    // A negative value raises and is not stored; 0 is accepted.
    void SetFirstValue(int value);
    bool FontSeriesColor() const { return FFontSeriesColor; }
    void SetFontSeriesColor(bool value) { Change(FFontSeriesColor, value); }
    int HorizMargin() const { return FHorizMargin; }
    void SetHorizMargin(int value) { Change(FHorizMargin, value); }
    bool Inverted() const { return FInverted; }
    void SetInverted(bool value) { Change(FInverted, value); }
    int LeftPercent() const { return FLeftPercent; }
    void SetLeftPercent(int value) { Change(FLeftPercent, value); }
    TLegendStyle LegendStyle() const { return FLegendStyle; }
    void SetLegendStyle(TLegendStyle value);
    int MaxNumRows() const { return FMaxNumRows; }
    void SetMaxNumRows(int value) { Change(FMaxNumRows, value); }
    TTeeUnits PositionUnits() const { return FPositionUnits; }
    void SetPositionUnits(TTeeUnits value) { Change(FPositionUnits, value); }
    bool ResizeChart() const { return FResizeChart; }
    void SetResizeChart(bool value) { Change(FResizeChart, value); }
    TChartSeries* Series() const { return FSeries; }
    void SetSeries(TChartSeries* value);
    TLegendSymbol* Symbol() const { return FSymbol.get(); }
    void SetSymbol(const TLegendSymbol* value);
    TLegendTextStyle TextStyle() const { return FTextStyle; }
    void SetTextStyle(TLegendTextStyle value) { Change(FTextStyle, value); }
    TLegendTitle* Title() const { return FTitle.get(); }
    void SetTitle(const TLegendTitle* value);
    int TopPercent() const { return FTopPercent; }
    void SetTopPercent(int value) { Change(FTopPercent, value); }
    int TopPos() const { return FTopPos; }
    void SetTopPos(int value) { Change(FTopPos, value); }
    int VertMargin() const { return FVertMargin; }
    void SetVertMargin(int value) { Change(FVertMargin, value); }
    int VertSpacing() const { return FVertSpacing; }
    void SetVertSpacing(int value) { Change(FVertSpacing, value); }
    TLegendItems& Items() { return FItems; }
    // Lets a chart tool widen a left or right legend or move a bottom legend up.
    TLegendSizeEvent OnSize;

    // --- Working values of the last drawing.
    TLegendStyle EffectiveStyle() const { return FEffectiveStyle; }
    int LastValue() const { return FLastValue; }
    int TotalItems() const { return FTotalItems; }
    int ColumnCount() const { return FColumns; }
    int RowCount() const { return FRows; }
    int SymbolWidth() const { return FSymbolWidth; }

    // --- Queries.
    TCustomAxisPanel* Chart() const { return FChart; }
    bool IsVertical() const { return FAlignment == laLeft || FAlignment == laRight; }
    bool HasCheckBoxes() const { return FCheckBoxes && FEffectiveStyle != lsValues; }
    bool ShouldDraw() const;
    void ResolveStyle();
    TChartSeries* LegendSeries() const;
    int ItemCount() const;
    // The item's text before the chart's legend-text event.
    std::string ItemText(int index) const;
    // ItemText as the chart's event leaves it.
    std::string FormattedItemText(int index);
    int ItemHeight() const;
    int ItemsTop() const;
    // The value index of the item drawn at the point, -1 when none.
    int ItemAtPoint(int x, int y) const;
    // The check-box click on an item: true when it switched something.
    bool ClickItem(int index);
    // The chart's legend-symbol pen becomes Symbol.Pen, or none with DefaultPen.
    void PrepareSymbolPen() const;

    // --- Drawing (ChartLegendLayout.cpp): places, sizes and draws the legend and takes its
    // space from the chart rectangle. The chart calls it when ShouldDraw.
    void DrawLegend();

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TChartLegend>& p);

protected:
    TClass GradientClassToCreate() const override;
    // The 13 x 13 check or radio glyph at (x, y); a seam for surfaces without a device canvas.
    virtual void PaintCheckGlyph(int x, int y, bool checked, bool isCheckBox);

private:
    struct TItemText {
        std::string Columns[2];
    };
    // The pixel positions of one drawing.
    struct TLayout {
        int FrameWidth = 0;
        int ItemHeight = 0;
        int SpaceWidth = 0;
        int TextWidth = 0;
        int ColumnWidths[2] = {0, 0};
        int TitleHeight = 0;
        int Margin = 0;
        int CheckBoxX = 0;
        int TextX = 0;
        int SymbolX = 0;
        std::vector<TItemText> Texts;
    };
    template <class T>
    void Change(T& field, T value) {
        if (field == value) return;
        field = value;
        Repaint();
    }
    // The index-th series shown in the legend: any with check boxes, else active ones only.
    TChartSeries* SeriesOfItem(int index) const;
    int SizeHookAmount() const;
    bool TitleShown() const;

    // ChartLegendLayout.cpp.
    void BuildTexts(TLayout& layout);
    void MeasureColumns(TTeeCanvas& canvas, TLayout& layout);
    void PlaceVertical(TTeeCanvas& canvas, TLayout& layout, int total);
    void PlaceHorizontal(TTeeCanvas& canvas, TLayout& layout, int total);
    void PlaceContent(TLayout& layout, int width);
    void ResizeChartRect();
    // ChartLegendDraw.cpp.
    void DrawItems(TTeeCanvas& canvas, const TLayout& layout);
    void DrawItemTexts(TTeeCanvas& canvas, const TLayout& layout, int value, int position, int x,
                       int y);
    void DrawItemSymbol(TTeeCanvas& canvas, const TLayout& layout, int value, int position,
                        const TRect& symbolRect, int checkX, int y);

    TCustomAxisPanel* FChart;
    ILegendChart* FChartHooks;
    TLegendAlignment FAlignment = laRight;
    bool FCheckBoxes = false;
    TCheckBoxesStyle FCheckBoxesStyle = cbsCheck;
    bool FCurrentPage = true;
    std::unique_ptr<TChartHiddenPen> FDividingLines;
    int FFirstValue = 0;
    bool FFontSeriesColor = false;
    int FHorizMargin = 0;
    bool FInverted = false;
    TLegendItems FItems{this};
    int FLeftPercent = 0;
    TLegendStyle FLegendStyle = lsAuto;
    int FMaxNumRows = 10;
    TTeeUnits FPositionUnits = muPixels;
    bool FResizeChart = true;
    TChartSeries* FSeries = nullptr;
    std::unique_ptr<TLegendSymbol> FSymbol;
    TLegendTextStyle FTextStyle = ltsLeftValue;
    std::unique_ptr<TLegendTitle> FTitle;
    int FTopPercent = 0;
    int FTopPos = 10;
    int FVertMargin = 0;
    int FVertSpacing = 0;

    int FSymbolWidth = 0;
    int FLastValue = -1;
    int FTotalItems = 0;
    bool FTitleDrawn = false;
    int FTitleHeight = 0;
    TLegendStyle FEffectiveStyle = lsAuto;
    int FColumns = 0;
    int FRows = 0;
};
