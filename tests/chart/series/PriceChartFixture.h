#pragma once
// A 2-D chart drawing onto a recording surface, with a plot area of 600 x 260 pixels at
// (100, 20) and axes fixed to 0 .. 600 across and 0 .. 260 up, so that a point's pixel reads
// off its values. A first drawing lays the chart out; then a series' points are drawn again on
// their own and the primitives read back as "Op a b c ..." lines.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTitle.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"
#include "tests/chart/series/SeriesLibraryStartup.h"

// The recording surface, also noting the gradient fills and the blends begun.
class TPriceRecordingCanvas : public TRecordingCanvas3D {
public:
    std::vector<TRect> Gradients;
    std::vector<int> Blends;        // the transparency of each
    std::vector<TColor> PenColors;  // of each pen selection
    void UsePenWithColor(const TPen* pen, TColor colour) override {
        PenColors.push_back(colour);
        TRecordingCanvas3D::UsePenWithColor(pen, colour);
    }
    void FillGradient(const TRect& rect, TColor start, TColor end, TGradientDirection direction,
                      int balance, int radialX, int radialY) override {
        Gradients.push_back(rect);
        TRecordingCanvas3D::FillGradient(rect, start, end, direction, balance, radialX, radialY);
    }
    TTeeBlend* BeginBlending(const TRect& rect, int transparency) override {
        Blends.push_back(transparency);
        return TRecordingCanvas3D::BeginBlending(rect, transparency);
    }
};

class PriceChartFixture : public ::testing::Test {
protected:
    PriceChartFixture() {
        auto canvas = std::make_unique<TPriceRecordingCanvas>();
        Canvas = canvas.get();
        Chart->ReplaceCanvas(std::move(canvas));
        Canvas->SetBufferedDisplay(false);
        Chart->SetBounds(0, 0, 800, 300);
        Chart->SetView3D(false);
        Chart->Legend()->SetVisible(false);
        Chart->Title()->SetVisible(false);
        Chart->SetAxisVisible(false);
        Chart->SetUseCustomChartRect(true);
        Chart->SetCustomChartRect(TRect{100, 20, 700, 280});
        Chart->BottomAxis()->SetLimits(0, 600);
        Chart->LeftAxis()->SetLimits(0, 260);
    }
    template <class T>
    T* Add() {
        auto* s = new T(&Form);
        Chart->AddSeries(s);
        return s;
    }
    // A whole drawing of the chart.
    void Draw() {
        Canvas->ClearCalls();
        Canvas->Gradients.clear();
        Canvas->Blends.clear();
        Chart->Draw(Target.Canvas(), TRect{0, 0, 800, 300});
    }
    // The series' points alone, as the drawing pass draws them, after a whole drawing.
    void DrawPoints(TChartSeries& series) {
        Draw();
        Canvas->ClearCalls();
        Canvas->Gradients.clear();
        Canvas->Blends.clear();
        Canvas->PenColors.clear();
        series.ComputeVisibleRange();
        series.DrawAllValues();
    }
    // The calls of the given operations (all when none is given).
    std::vector<std::string> Ops(std::initializer_list<std::string> kinds = {}) const {
        std::vector<std::string> out;
        for (const TCanvas3DCall& c : Canvas->Calls()) {
            bool wanted = kinds.size() == 0;
            for (const std::string& k : kinds) wanted = wanted || c.Op == k;
            if (!wanted) continue;
            std::string s = c.Op;
            for (int a : c.Args) s.append(" ").append(std::to_string(a));
            out.push_back(s);
        }
        return out;
    }
    std::vector<TCanvas3DCall> CallsOf(const std::string& op) const {
        std::vector<TCanvas3DCall> out;
        for (const TCanvas3DCall& c : Canvas->Calls())
            if (c.Op == op) out.push_back(c);
        return out;
    }

    TSeriesLibraryStartup Library;
    TFormatSettingsGuard PinnedFormats{TFormatSettings{}};
    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
    TPriceRecordingCanvas* Canvas = nullptr;
    TBitmap Target{800, 300};
};
