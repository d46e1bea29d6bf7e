#pragma once
// Fibonacci arcs and fans over financial data. A trend line runs from a start to an end point
// (in the values of the tool's axes); every level draws either a circle (or its upper half)
// around the end point whose radius is the level's percentage of the trend line's pixel length,
// or a line from the start point whose slope is the trend's slope reduced by the level's
// percentage.
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/ChartTools.h"
#include "chart/foundation/ChartPen.h"
#include "platform/classes/Collection.h"

class TTeeFont;
class TFibonacciTool;

enum TFibonacciStyle { fsArc, fsFan };
const TEnumInfo& FibonacciStyleNames();

// The trend line's pen: red, and red is what it leaves out of a stream.
class TFibonacciTrendPen : public TChartPen {
    KV_DECLARE_CLASS(TFibonacciTrendPen, TChartPen)
public:
    explicit TFibonacciTrendPen(TNotifyEvent onChange = nullptr);
    static void Publish(TPublisher<TFibonacciTrendPen>& p);
};

class TFibonacciItem : public TCollectionItem {
    KV_DECLARE_CLASS(TFibonacciItem, TCollectionItem)
public:
    explicit TFibonacciItem(TCollection* collection);
    ~TFibonacciItem() override;

    // The level's own pen: it repaints the tool's chart when it changes.
    TChartPen* Pen() const { return FPen.get(); }
    void SetPen(const TChartPen* value);
    // Percent.
    double Value() const { return FValue; }
    void SetValue(double value) { FValue = value; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TFibonacciItem>& p);

private:
    std::unique_ptr<TChartPen> FPen;
    double FValue = 0;
};

class TFibonacciLevels : public TOwnedCollection {
    KV_DECLARE_CLASS(TFibonacciLevels, TOwnedCollection)
public:
    explicit TFibonacciLevels(TFibonacciTool* tool);
    TFibonacciItem* Level(int index) const { return static_cast<TFibonacciItem*>(Items(index)); }
    TFibonacciTool* Tool() const { return FTool; }

private:
    TFibonacciTool* FTool;
};

class TFibonacciTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TFibonacciTool, TTeeCustomToolSeries)
public:
    explicit TFibonacciTool(TComponent* owner);
    ~TFibonacciTool() override;

    TFibonacciStyle DrawStyle() const { return FDrawStyle; }
    void SetDrawStyle(TFibonacciStyle value) { ChangeField(FDrawStyle, value); }
    double StartX() const { return FStartX; }
    void SetStartX(double value) { ChangeField(FStartX, value); }
    double StartY() const { return FStartY; }
    void SetStartY(double value) { ChangeField(FStartY, value); }
    double EndX() const { return FEndX; }
    void SetEndX(double value) { ChangeField(FEndX, value); }
    double EndY() const { return FEndY; }
    void SetEndY(double value) { ChangeField(FEndY, value); }
    TFibonacciLevels* Levels() const { return FLevels.get(); }
    void SetLevels(const TFibonacciLevels* value);
    bool ShowLabels() const { return FShowLabels; }
    void SetShowLabels(bool value) { ChangeField(FShowLabels, value); }
    int LabelsAngle() const { return FLabelsAngle; }
    void SetLabelsAngle(int value) { ChangeField(FLabelsAngle, value); }
    TTeeFont* LabelsFont() const { return FLabelsFont.get(); }
    void SetLabelsFont(const TTeeFont* value);
    TChartPen* TrendPen() const { return FTrendPen.get(); }
    void SetTrendPen(const TChartPen* value);

    // Empties the levels and adds 38.2, 50 and 61.8 in that order.
    void ResetLevels();
    // The pixel of a point given in the values of the tool's axes.
    TPoint ValueToPixel(double x, double y) const;
    // Where the last drawing anchored its levels: the end point's pixel for arcs, the start
    // point's for fans; (-1, -1) before any level was drawn.
    TPoint Anchor() const { return FAnchor; }

    void ChartDrawEvent(TChartToolEvent event) override;

    static std::string KindName() { return "Fibonacci"; }
    static std::string KindDescription() {
        return "Draws Fibonacci arcs and fans over financial data.";
    }
    static std::string EditorClassName() { return "TFibonacciEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TFibonacciTool>& p);

private:
    void DrawLevel(const TFibonacciItem& level);
    void DrawLabel(const TFibonacciItem& level, TPoint at);

    TFibonacciStyle FDrawStyle = fsArc;
    double FStartX = 0, FStartY = 0, FEndX = 0, FEndY = 0;
    std::unique_ptr<TFibonacciLevels> FLevels;
    bool FShowLabels = true;
    int FLabelsAngle = 90;
    std::unique_ptr<TTeeFont> FLabelsFont;
    std::unique_ptr<TFibonacciTrendPen> FTrendPen;
    std::vector<double> FDefaultLevels{38.2, 50, 61.8};
    TPoint FAnchor{-1, -1};
};
