#pragma once
// The ready-made functions of the function gallery: add, subtract, multiply, divide, high, low,
// average, a formula y = f(x) supplied by an event, median and mode. Each says only what one
// group of points is worth and what one point index is worth across several sources; grouping
// and placing results are the base's.
//
// A group without usable values is worth 0 for every function, and none of them raises.
#include <functional>
#include <string>
#include <vector>

#include "chart/engine/TeeFunction.h"

class TAddTeeFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TAddTeeFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateAcross(const std::vector<TChartSeries*>& sources, int index) override;
};

// Folds the sources' values at one index from the first source that has it; a single source
// gives 0 per group.
class TManySeriesTeeFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TManySeriesTeeFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    double CalculateAcross(const std::vector<TChartSeries*>& sources, int index) override;
    virtual double CombineValues(double running, double next) const;
};

class TSubtractTeeFunction : public TManySeriesTeeFunction {
    KV_DECLARE_CLASS(TSubtractTeeFunction, TManySeriesTeeFunction)
public:
    using TManySeriesTeeFunction::TManySeriesTeeFunction;
    double CombineValues(double running, double next) const override { return running - next; }
};

class TMultiplyTeeFunction : public TManySeriesTeeFunction {
    KV_DECLARE_CLASS(TMultiplyTeeFunction, TManySeriesTeeFunction)
public:
    using TManySeriesTeeFunction::TManySeriesTeeFunction;
    double CombineValues(double running, double next) const override { return running * next; }
};

// Dividing by 0 keeps the running value.
class TDivideTeeFunction : public TManySeriesTeeFunction {
    KV_DECLARE_CLASS(TDivideTeeFunction, TManySeriesTeeFunction)
public:
    using TManySeriesTeeFunction::TManySeriesTeeFunction;
    double CombineValues(double running, double next) const override {
        return next == 0 ? running : running / next;
    }
};

// Across sources the first source opens the comparison; when it lacks the point the result
// starts at 0.
class THighTeeFunction : public TTeeFunction {
    KV_DECLARE_CLASS(THighTeeFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateAcross(const std::vector<TChartSeries*>& sources, int index) override;
};

class TLowTeeFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TLowTeeFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateAcross(const std::vector<TChartSeries*>& sources, int index) override;
};

class TAverageTeeFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TAverageTeeFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    // Null points count with their stored value (true) or are skipped.
    bool IncludeNulls() const { return FIncludeNulls; }
    void SetIncludeNulls(bool value);
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateAcross(const std::vector<TChartSeries*>& sources, int index) override;
    std::string EditorClassName() const override { return "TAverageFuncEditor"; }
    static void Publish(TPublisher<TAverageTeeFunction>& p);

private:
    bool FIncludeNulls = true;
};

// y = f(x): the OnCalculate handler gives y for x = StartX, StartX + Period, ... (NumPoints
// values), starting from the previous point's y. Needs no source series.
using TCalculateEvent = std::function<void(TTeeFunction& sender, double x, double& y)>;

class TCustomTeeFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TCustomTeeFunction, TTeeFunction)
public:
    explicit TCustomTeeFunction(TComponent* owner);
    int NumPoints() const { return FNumPoints; }
    void SetNumPoints(int value) { FNumPoints = value; }
    double StartX() const { return FStartX; }
    void SetStartX(double value) { FStartX = value; }
    // The x of the point being computed.
    double CurrentX() const { return FX; }
    TCalculateEvent OnCalculate;
    void ComputeFromSources(TChartSeries* source) override;
    std::string EditorClassName() const override { return "TCustomFunctionEditor"; }
    static void Publish(TPublisher<TCustomTeeFunction>& p);

private:
    int FNumPoints = 100;
    double FStartX = 0;
    double FX = 0;
};

// A value taken from the sorted values of a group (read from the mandatory list, nulls skipped
// unless IncludeNulls).
class TCustomSortedFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TCustomSortedFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    bool IncludeNulls() const { return FIncludeNulls; }
    void SetIncludeNulls(bool value);
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateAcross(const std::vector<TChartSeries*>& sources, int index) override;
    // Over at least one ascending value.
    virtual double ValueFromSorted(const std::vector<double>& sorted) const;

private:
    void InsertSorted(double value);
    double FromTaken();
    bool FIncludeNulls = true;
    // The values taken so far, kept between calculations only for their capacity.
    std::vector<double> FSorted;
};

class TMedianTeeFunction : public TCustomSortedFunction {
    KV_DECLARE_CLASS(TMedianTeeFunction, TCustomSortedFunction)
public:
    using TCustomSortedFunction::TCustomSortedFunction;
    double ValueFromSorted(const std::vector<double>& sorted) const override;
    static void Publish(TPublisher<TMedianTeeFunction>& p);
};

// The value of the longest run of equals; the smallest among runs of equal length.
class TModeTeeFunction : public TCustomSortedFunction {
    KV_DECLARE_CLASS(TModeTeeFunction, TCustomSortedFunction)
public:
    using TCustomSortedFunction::TCustomSortedFunction;
    double ValueFromSorted(const std::vector<double>& sorted) const override;
    static void Publish(TPublisher<TModeTeeFunction>& p);
};

// One gallery entry: the class and its gallery name (read when shown).
struct TStandardFunctionEntry {
    TClass FunctionClass;
    const std::string* Description;
};
// The basic functions in gallery order.
const std::vector<TStandardFunctionEntry>& BasicFunctionEntries();
// Registers them on the function gallery's "Standard" page (and so with the component stream);
// a nesting count makes repeats harmless.
void BasicFunctionsUnitStartup();
