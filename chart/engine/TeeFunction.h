#pragma once
// The base of the calculations that fill a series from other series: it groups the source
// points (all at once, by a number of points, by a span of positions, or in a sliding window),
// places each group's result at the group's first, middle or last position, and adds it to the
// series it belongs to. A descendant only says what one group is worth (Calculate) and what
// one point index is worth across several sources (CalculateAcross).
//
// A function belongs to one series at a time and is stored as that series' child. The series
// asks it to compute whenever it refills from its sources; a change of setting refills it.
#include <string>
#include <vector>

#include "platform/classes/Component.h"

class TChartSeries;
class TChartValueList;
class TCustomAxisPanel;

enum TFunctionPeriodStyle { psNumPoints, psRange };
enum TFunctionPeriodAlign { paFirst, paCenter, paLast };
const TEnumInfo& FunctionPeriodStyleNames();
const TEnumInfo& FunctionPeriodAlignNames();

class TTeeFunction : public TComponent {
    KV_DECLARE_CLASS(TTeeFunction, TComponent)
public:
    explicit TTeeFunction(TComponent* owner);
    ~TTeeFunction() override;

    // 0: one group over all points. Negative values raise and keep the period.
    double Period() const { return FPeriod; }
    void SetPeriod(double value);
    void SetPeriodQuietly(double value) { FPeriod = value; }
    TFunctionPeriodStyle PeriodStyle() const { return FPeriodStyle; }
    void SetPeriodStyle(TFunctionPeriodStyle value);
    TFunctionPeriodAlign PeriodAlign() const { return FPeriodAlign; }
    void SetPeriodAlign(TFunctionPeriodAlign value);
    TChartSeries* ParentSeries() const { return FParent; }

    // Not nested: one EndUpdate ends any number of BeginUpdate calls, then recalculates.
    void BeginUpdate() { FUpdating = true; }
    void EndUpdate();
    bool Updating() const { return FUpdating; }
    // Refills the parent series, unless updating.
    void Recalculate();
    // The series takes this function (and its former series forgets it).
    void AttachToSeries(TChartSeries* series);

    // The source's list named like the parent's value source, else its mandatory list.
    TChartValueList& SourceValueList(TChartSeries& source) const;
    // The value of the group first .. last; -1, -1: every point.
    virtual double Calculate(TChartSeries& source, int first, int last);
    // The value at one point index across the sources.
    virtual double CalculateAcross(const std::vector<TChartSeries*>& sources, int index);
    // (position, value) on a Y-mandatory source's axes, (value, position) otherwise.
    void AddResultPoint(bool yMandatory, double value, double position);

    // What the chart calls: nothing while updating or without a source; across the sources
    // when the parent has several.
    virtual void ComputeFromSources(TChartSeries* source);
    virtual void ComputeFromSeries(TChartSeries& source, TChartValueList& positions);
    virtual void ComputePeriod(TChartSeries& source, int first, int last, double position);
    virtual void ComputeWholeRange(TChartSeries& source, TChartValueList& positions);
    virtual void ComputeByPeriod(TChartSeries& source, TChartValueList& positions);
    virtual std::string EditorClassName() const { return "TTeeFunctionEditor"; }
    // Dresses the gallery's sample chart of this function: every series in its gallery look.
    // A function shown over another kind of series (prices compressed into candles) puts that
    // series into the chart in its place.
    virtual void PrepareGalleryChart(TCustomAxisPanel& chart);
    // The parent series was cleared.
    virtual void SeriesCleared() {}
    virtual bool AcceptsSource(TComponent*) const { return true; }

    // Computes without any source series (the formula function).
    bool NoSourceRequired = false;
    // Takes one source (moving windows); the editor offers one then.
    bool SingleSource = false;
    // The editor offers no choice of the source's value list.
    bool HideSourceList = false;

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* value) override;
    // Period, PeriodStyle and PeriodAlign of another function.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TTeeFunction>& p);

protected:
    // The position of a group's result by PeriodAlign.
    double AlignedPosition(double first, double last) const;
    // Round(Period), at least 1: a period of less than half a point still takes one point.
    int PeriodPoints() const;
    void SetPeriodAlignQuietly(TFunctionPeriodAlign value) { FPeriodAlign = value; }
    // The moving functions keep these apart from the base's.
    double FDefaultPeriod = 0;
    TFunctionPeriodAlign FDefaultPeriodAlign = paCenter;
    bool FPublishesPeriodStyle = true;

private:
    friend class TChartSeries;
    void ComputeAcross(TChartSeries& source);

    double FPeriod = 0;
    TFunctionPeriodStyle FPeriodStyle = psNumPoints;
    TFunctionPeriodAlign FPeriodAlign = paCenter;
    TChartSeries* FParent = nullptr;
    bool FUpdating = false;
};

// A window of Period points sliding by one point.
class TTeeMovingFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TTeeMovingFunction, TTeeFunction)
public:
    explicit TTeeMovingFunction(TComponent* owner);
    void ComputeFromSeries(TChartSeries& source, TChartValueList& positions) override;
};
