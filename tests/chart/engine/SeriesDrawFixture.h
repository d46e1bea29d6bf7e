#pragma once
// A 2-D chart of 400 x 300 pixels drawing onto a recording surface, for tests of what series
// draw: a first drawing places the axes, then a series' points are drawn again on their own
// and the primitives read back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/ChartEngineStartup.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"

class SeriesDrawFixture : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        auto canvas = std::make_unique<TRecordingCanvas3D>();
        Canvas = canvas.get();
        Chart->ReplaceCanvas(std::move(canvas));
        Canvas->SetBufferedDisplay(false);
        Chart->SetBounds(0, 0, 400, 300);
        Chart->SetView3D(false);
    }
    // A plot area of exactly 600 x 260 pixels at (100, 20): no axis takes room.
    void FixPlotArea() {
        Chart->SetBounds(0, 0, 800, 300);
        Chart->SetAxisVisible(false);
        Chart->SetUseCustomChartRect(true);
        Chart->SetCustomChartRect(TRect{100, 20, 700, 280});
    }
    // A whole drawing of the chart; the record holds what it drew.
    void Draw() {
        Canvas->ClearCalls();
        Target.SetPixelFormat(pf24bit);
        Chart->Draw(Target.Canvas(), TRect{0, 0, 400, 300});
    }
    // The series' points alone, as the drawing pass draws them, after a whole drawing.
    void DrawPoints(TChartSeries& series) {
        Draw();
        Canvas->ClearCalls();
        series.ComputeVisibleRange();
        series.DrawAllValues();
    }
    // The calls of the given operations, as "Op a b c ...".
    std::vector<std::string> Ops(std::initializer_list<std::string> kinds) const {
        std::vector<std::string> out;
        for (const TCanvas3DCall& c : Canvas->Calls()) {
            bool wanted = false;
            for (const std::string& k : kinds) wanted = wanted || c.Op == k;
            if (!wanted) continue;
            std::string s = c.Op;
            for (int a : c.Args) s += " " + std::to_string(a);
            out.push_back(s);
        }
        return out;
    }

    TFormatSettingsGuard PinnedFormats{TFormatSettings{}};
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TRecordingCanvas3D* Canvas = nullptr;
    TBitmap Target{400, 300};
};
