#pragma once
// A chart with a price series and a line series computed from it by one of the price
// functions, and the results read back as (X, Y) pairs.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/engine/Chart.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/TeeFunction.h"
#include "chart/series/price/OHLCSeries.h"

struct TPricePoint {
    double X, Y;
};

struct TQuote {
    double Open, High, Low, Close;
};

inline std::vector<TPricePoint> PricePoints(const TChartSeries& s) {
    std::vector<TPricePoint> points;
    for (int i = 0; i < s.Count(); ++i) points.push_back({s.XValues()[i], s.YValues()[i]});
    return points;
}

inline void ExpectPricePoints(const std::vector<TPricePoint>& actual,
                              const std::vector<TPricePoint>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE("point " + std::to_string(i));
        EXPECT_DOUBLE_EQ(actual[i].X, expected[i].X);
        EXPECT_NEAR(actual[i].Y, expected[i].Y, 1e-9 * (1 + std::abs(expected[i].Y)));
    }
}

struct TPriceScene {
    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
    TOHLCSeries* Prices = new TOHLCSeries(&Form);
    TLineSeries* Result = new TLineSeries(&Form);

    TPriceScene() {
        Prices->SetName("Prices");
        Result->SetName("Result");
        Chart->AddSeries(Prices);
        Chart->AddSeries(Result);
    }
    // Quote i at the date dates[i] (i + 1 without dates).
    void AddQuotes(const std::vector<TQuote>& quotes, const std::vector<double>& dates = {}) {
        for (size_t i = 0; i < quotes.size(); ++i) {
            const TQuote& q = quotes[i];
            Prices->AddQuote(dates.empty() ? double(i + 1) : dates[i], q.Open, q.High, q.Low,
                             q.Close);
        }
    }
    // Quotes whose four prices are the close.
    void AddCloses(const std::vector<double>& closes, const std::vector<double>& dates = {}) {
        std::vector<TQuote> quotes;
        for (double c : closes) quotes.push_back({c, c, c, c});
        AddQuotes(quotes, dates);
    }
    template <class F>
    F* Compute(F* function) {
        function->SetName("Function1");
        Result->SetFunction(function);
        Result->SetDataSource(Prices);
        return function;
    }
};
