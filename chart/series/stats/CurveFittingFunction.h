#pragma once
// A least-squares polynomial through a chosen range of the source (FirstCalcPoint ..
// LastCalcPoint), drawn over another range (FirstPoint .. LastPoint) with Factor points per
// source interval. Positions and values are fitted relative to their minima, which keeps the
// normal equations far better conditioned than raw positions such as dates.
//
// The drawn range is kept within the source's points. A fit the normal equations cannot give
// raises "Cannot process fitting" from the change that caused it and leaves the series empty.
#include <string>

#include "chart/engine/TeeFunction.h"
#include "chart/series/numeric/PolynomialFit.h"

enum TTypeFitting { cfPolynomial };
const TEnumInfo& TypeFittingNames();

class TCustomFittingFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TCustomFittingFunction, TTeeFunction)
public:
    explicit TCustomFittingFunction(TComponent* owner);
    ~TCustomFittingFunction() override;

    // Drawn points per source interval; at least 1.
    int Factor() const { return FFactor; }
    void SetFactor(int value);
    int FirstPoint() const { return FFirstPoint; }
    void SetFirstPoint(int value);
    int FirstCalcPoint() const { return FFirstCalcPoint; }
    void SetFirstCalcPoint(int value);
    int LastPoint() const { return FLastPoint; }
    void SetLastPoint(int value);
    int LastCalcPoint() const { return FLastCalcPoint; }
    void SetLastCalcPoint(int value);
    // The number of coefficients, 1 .. 20; others raise and keep the degree.
    int PolyDegree() const { return FPolyDegree; }
    void SetPolyDegree(int value);
    TTypeFitting TypeFitting() const { return FTypeFitting; }
    void SetTypeFitting(TTypeFitting value);

    // Of the last fit, lowest power first, for positions and values less their minima.
    const TPolyVector& Coefficients() const { return FCoefficients; }

    void ComputeFromSources(TChartSeries* source) override;
    virtual void ComputeFitPoints(TChartSeries& source);
    static void Publish(TPublisher<TCustomFittingFunction>& p);

private:
    void AddFitPoint(double position, double x0);
    template <class T>
    void Change(T& field, T value);

    int FFactor = 1;
    int FFirstPoint = -1;
    int FFirstCalcPoint = -1;
    int FLastPoint = -1;
    int FLastCalcPoint = -1;
    int FPolyDegree = 5;
    TTypeFitting FTypeFitting = cfPolynomial;
    TPolyVector FCoefficients{};
    double FYOffset = 0;
};

class TCurveFittingFunction : public TCustomFittingFunction {
    KV_DECLARE_CLASS(TCurveFittingFunction, TCustomFittingFunction)
public:
    using TCustomFittingFunction::TCustomFittingFunction;
    std::string EditorClassName() const override { return "TCurveFittingEditor"; }
};
