#pragma once
// Error whiskers: from each point a line out to its value plus or minus its error amount (the
// "StdError" list), closed by a cross stroke ErrorWidth wide (percent of the bar's width or
// pixels; 0: the bar's width), in one of six directions. The base of the plain error series
// and of the error bars, which draw their bar under the whisker.
#include <memory>

#include "chart/engine/BarSeries.h"

enum TErrorSeriesStyle { essLeft, essRight, essLeftRight, essTop, essBottom, essTopBottom };
const TEnumInfo& ErrorSeriesStyleNames();
enum TErrorWidthUnits { ewuPercent, ewuPixels };
const TEnumInfo& ErrorWidthUnitsNames();

class TCustomErrorSeries : public TBarSeries {
    KV_DECLARE_CLASS(TCustomErrorSeries, TBarSeries)
public:
    explicit TCustomErrorSeries(TComponent* owner);
    ~TCustomErrorSeries() override;
    static std::string EditorClassName() { return "TErrorSeriesEditor"; }

    TChartPen* ErrorPen() const { return FErrorPen.get(); }
    // The copy; a series without bars then takes the pen's colour as its own.
    void SetErrorPen(const TChartPen* value);
    TErrorSeriesStyle ErrorStyle() const { return FErrorStyle; }
    void SetErrorStyle(TErrorSeriesStyle value) { ChangeField(FErrorStyle, value); }
    TChartValueList& ErrorValues() { return *FErrorValues; }
    const TChartValueList& ErrorValues() const { return *FErrorValues; }
    void SetErrorValues(const TChartValueList* value) { AssignValueList(*FErrorValues, value); }
    int ErrorWidth() const { return FErrorWidth; }
    void SetErrorWidth(int value) { ChangeField(FErrorWidth, value); }
    TErrorWidthUnits ErrorWidthUnits() const { return FErrorWidthUnits; }
    void SetErrorWidthUnits(TErrorWidthUnits value) { ChangeField(FErrorWidthUnits, value); }
    bool DrawsBars() const { return FDrawsBars; }

    int AddErrorPoint(double x, double y, double error, const std::string& label = {},
                      TColor color = clDefault);
    // The cross stroke's length in pixels for a bar barWidth pixels wide.
    int StrokeWidth(int barWidth) const;

    void DrawBar(int valueIndex, int barStart, int barEnd) override;
    void HorizontalMarginsNeeded(int& left, int& right) override;
    void VerticalMarginsNeeded(int& top, int& bottom) override;
    double GetMaxYValue() override;
    double GetMinYValue() override;
    void PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& style) override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;
    bool OffersStackVariants() const override { return false; }
    int ValueIndexAt(int x, int y) override;
    void SetSeriesColor(TColor value) override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCustomErrorSeries>& p);

protected:
    void SetDrawsBars(bool value) { FDrawsBars = value; }
    void StoreErrorStyle(TErrorSeriesStyle value) { FErrorStyle = value; }

private:
    // The error pen for point valueIndex (-1: the series).
    void SelectErrorPen(int valueIndex);
    // The whisker end of point i away from its origin: Y + E, or Y - E for a bar below it.
    double WhiskerEnd(int valueIndex);
    // A whisker of length (pixels) from (x, y), stroke strokeWidth wide.
    void DrawWhisker(int x, int y, int length, int strokeWidth, bool is3D);
    bool IsHorizontalStyle() const;

    std::unique_ptr<TChartPen> FErrorPen;
    TErrorSeriesStyle FErrorStyle = essTopBottom;
    TChartValueList* FErrorValues;
    int FErrorWidth = 100;
    TErrorWidthUnits FErrorWidthUnits = ewuPercent;
    bool FDrawsBars = false;
};
