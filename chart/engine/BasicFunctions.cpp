#include "chart/engine/BasicFunctions.h"

#include <algorithm>

#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Publisher.h"

namespace {

// first = -1 stands for every point.
void ResolveGroup(const TChartValueList& list, int& first, int& last) {
    if (first == -1) {
        first = 0;
        last = list.Count() - 1;
    }
}

// The value lists of the sources that have point index, in source order.
template <class F>
void ForEachValueAt(const TTeeFunction& f, const std::vector<TChartSeries*>& sources, int index,
                    F&& proc) {
    for (TChartSeries* s : sources) {
        const TChartValueList& list = f.SourceValueList(*s);
        if (index < list.Count()) proc(*s, list[index]);
    }
}

}  // namespace

// --- Add.

double TAddTeeFunction::Calculate(TChartSeries& source, int first, int last) {
    TChartValueList& list = SourceValueList(source);
    if (first == -1) return list.Sum();
    double sum = 0;
    for (int i = first; i <= last; ++i) sum += list[i];
    return sum;
}

double TAddTeeFunction::CalculateAcross(const std::vector<TChartSeries*>& sources, int index) {
    double sum = 0;
    ForEachValueAt(*this, sources, index, [&](TChartSeries&, double v) { sum += v; });
    return sum;
}

// --- Subtract, multiply, divide.

double TManySeriesTeeFunction::CombineValues(double, double) const { return 0; }

double TManySeriesTeeFunction::CalculateAcross(const std::vector<TChartSeries*>& sources,
                                               int index) {
    double running = 0;
    bool started = false;
    ForEachValueAt(*this, sources, index, [&](TChartSeries&, double v) {
        running = started ? CombineValues(running, v) : v;
        started = true;
    });
    return running;
}

// --- High and low.

namespace {

// The list's own statistics serve the whole source.
template <class Better>
double Extreme(TChartValueList& list, int first, int last, double (TChartValueList::*whole)(),
               Better better) {
    if (first == -1) return (list.*whole)();
    if (last < first) return 0;
    double result = list[first];
    for (int i = first + 1; i <= last; ++i)
        if (better(list[i], result)) result = list[i];
    return result;
}

template <class Better>
double ExtremeAcross(const TTeeFunction& f, const std::vector<TChartSeries*>& sources, int index,
                     Better better) {
    double result = 0;
    for (size_t j = 0; j < sources.size(); ++j) {
        const TChartValueList& list = f.SourceValueList(*sources[j]);
        if (index >= list.Count()) continue;
        if (j == 0 || better(list[index], result)) result = list[index];
    }
    return result;
}

bool Greater(double a, double b) { return a > b; }
bool Less(double a, double b) { return a < b; }

}  // namespace

double THighTeeFunction::Calculate(TChartSeries& source, int first, int last) {
    return Extreme(SourceValueList(source), first, last, &TChartValueList::Maximum, Greater);
}
double THighTeeFunction::CalculateAcross(const std::vector<TChartSeries*>& sources, int index) {
    return ExtremeAcross(*this, sources, index, Greater);
}
double TLowTeeFunction::Calculate(TChartSeries& source, int first, int last) {
    return Extreme(SourceValueList(source), first, last, &TChartValueList::Minimum, Less);
}
double TLowTeeFunction::CalculateAcross(const std::vector<TChartSeries*>& sources, int index) {
    return ExtremeAcross(*this, sources, index, Less);
}

// --- Average.

void TAverageTeeFunction::Publish(TPublisher<TAverageTeeFunction>& p) {
    using F = TAverageTeeFunction;
    p.Boolean("IncludeNulls", &F::IncludeNulls, &F::SetIncludeNulls).Default(true);
}

void TAverageTeeFunction::SetIncludeNulls(bool value) {
    if (value == FIncludeNulls) return;
    FIncludeNulls = value;
    Recalculate();
}

double TAverageTeeFunction::Calculate(TChartSeries& source, int first, int last) {
    TChartValueList& list = SourceValueList(source);
    if (first == -1 && FIncludeNulls) return source.Count() > 0 ? list.Sum() / source.Count() : 0;
    ResolveGroup(list, first, last);
    double sum = 0;
    int counted = 0;
    for (int i = first; i <= last; ++i)
        if (FIncludeNulls || !source.IsNullValue(i)) {
            sum += list[i];
            ++counted;
        }
    return counted > 0 ? sum / counted : 0;
}

double TAverageTeeFunction::CalculateAcross(const std::vector<TChartSeries*>& sources, int index) {
    double sum = 0;
    int counted = 0;
    ForEachValueAt(*this, sources, index, [&](TChartSeries& s, double v) {
        if (FIncludeNulls || !s.IsNullValue(index)) {
            sum += v;
            ++counted;
        }
    });
    return counted > 0 ? sum / counted : 0;
}

// --- y = f(x).

TCustomTeeFunction::TCustomTeeFunction(TComponent* owner) : TTeeFunction(owner) {
    NoSourceRequired = true;
    SetPeriodQuietly(1);
    FDefaultPeriod = 1;
}

void TCustomTeeFunction::Publish(TPublisher<TCustomTeeFunction>& p) {
    using F = TCustomTeeFunction;
    p.Integer("NumPoints", &F::NumPoints, &F::SetNumPoints).Default(100);
    p.Float("StartX", &F::StartX, &F::SetStartX).Default(0.0);
}

void TCustomTeeFunction::ComputeFromSources(TChartSeries*) {
    TChartSeries* parent = ParentSeries();
    if (!OnCalculate || !parent) return;
    parent->Clear();
    double x = FStartX;
    double y = 0;
    for (int k = 0; k < FNumPoints; ++k) {
        FX = x;
        OnCalculate(*this, x, y);
        if (parent->YMandatory())
            parent->AddXYPoint(x, y);
        else
            parent->AddXYPoint(y, x);
        x += Period();
    }
}

// --- Median and mode.

void TCustomSortedFunction::SetIncludeNulls(bool value) {
    if (value == FIncludeNulls) return;
    FIncludeNulls = value;
    Recalculate();
}

// Behind any equal value, so that the list stays sorted as values arrive.
void TCustomSortedFunction::InsertSorted(double value) {
    FSorted.insert(std::upper_bound(FSorted.begin(), FSorted.end(), value), value);
}

double TCustomSortedFunction::FromTaken() {
    const double result = FSorted.empty() ? 0 : ValueFromSorted(FSorted);
    FSorted.clear();
    return result;
}

double TCustomSortedFunction::Calculate(TChartSeries& source, int first, int last) {
    const TChartValueList& list = source.MandatoryValueList();
    if (first == -1) first = 0;
    if (last == -1) last = list.Count() - 1;
    FSorted.clear();
    for (int i = first; i <= last; ++i)
        if (FIncludeNulls || !source.IsNullValue(i)) InsertSorted(list[i]);
    return FromTaken();
}

double TCustomSortedFunction::CalculateAcross(const std::vector<TChartSeries*>& sources,
                                              int index) {
    FSorted.clear();
    for (TChartSeries* s : sources) {
        const TChartValueList& list = s->MandatoryValueList();
        if (index < list.Count() && (FIncludeNulls || !s->IsNullValue(index)))
            InsertSorted(list[index]);
    }
    return FromTaken();
}

double TCustomSortedFunction::ValueFromSorted(const std::vector<double>&) const { return 0; }

double TMedianTeeFunction::ValueFromSorted(const std::vector<double>& t) const {
    const size_t c = t.size();
    return c % 2 == 1 ? t[(c - 1) / 2] : (t[c / 2 - 1] + t[c / 2]) / 2;
}

double TModeTeeFunction::ValueFromSorted(const std::vector<double>& t) const {
    double best = t[0];
    size_t bestRun = 0;
    for (size_t i = 0; i < t.size();) {
        size_t j = i;
        while (j < t.size() && t[j] == t[i]) ++j;
        if (j - i > bestRun) {
            bestRun = j - i;
            best = t[i];
        }
        i = j;
    }
    return best;
}

void TMedianTeeFunction::Publish(TPublisher<TMedianTeeFunction>& p) {
    using F = TMedianTeeFunction;
    p.Boolean("IncludeNulls", &F::IncludeNulls, &F::SetIncludeNulls).Default(true);
}

void TModeTeeFunction::Publish(TPublisher<TModeTeeFunction>& p) {
    using F = TModeTeeFunction;
    p.Boolean("IncludeNulls", &F::IncludeNulls, &F::SetIncludeNulls).Default(true);
}

// --- Registration.

const std::vector<TStandardFunctionEntry>& BasicFunctionEntries() {
    static const std::vector<TStandardFunctionEntry> entries{
        {&TAddTeeFunction::StaticClass(), &TxtAdd},
        {&TSubtractTeeFunction::StaticClass(), &TxtSubtract},
        {&TMultiplyTeeFunction::StaticClass(), &TxtMultiply},
        {&TDivideTeeFunction::StaticClass(), &TxtDivide},
        {&THighTeeFunction::StaticClass(), &TxtHigh},
        {&TLowTeeFunction::StaticClass(), &TxtLow},
        {&TAverageTeeFunction::StaticClass(), &TxtAverage},
        {&TCustomTeeFunction::StaticClass(), &TxtYFX},
        {&TMedianTeeFunction::StaticClass(), &TxtMedian},
        {&TModeTeeFunction::StaticClass(), &TxtMode},
    };
    return entries;
}

void BasicFunctionsUnitStartup() {
    static int startCount = 0;
    if (startCount++ > 0) return;
    // The function gallery's "Standard" page, which also makes the classes known by name.
    for (const TStandardFunctionEntry& e : BasicFunctionEntries())
        RegisterStandardFunction(e.FunctionClass, e.Description);
}
