#pragma once
// A real chart (with its depth and projection in 3-D) laid out on a 400 x 300 bitmap and drawing
// onto a recording surface, so that a series' own drawing pass can be read back call by call.
#include <gtest/gtest.h>

#include <memory>

#include "ChartStubs.h"
#include "chart/engine/Chart.h"
#include "platform/graphics/Bitmap.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"

template <class TRecorder = TRecordingCanvas3D>
class TChart3DDrawFixture : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        auto canvas = std::make_unique<TRecorder>();
        Canvas = canvas.get();
        Chart->ReplaceCanvas(std::move(canvas));
        Chart->SetBounds(0, 0, 400, 300);
        Chart->SetView3D(false);
    }
    // Lays the chart out (axes, depth, projection) by drawing it whole.
    void Layout() {
        TBitmap target(400, 300);
        target.SetPixelFormat(pf24bit);
        Chart->Draw(target.Canvas(), TRect{0, 0, 400, 300});
    }
    // The calls of series' drawing pass alone, after a full layout.
    void DrawSeries(TChartSeries& series) {
        Layout();
        Canvas->ClearCalls();
        series.ComputeVisibleRange();
        series.DrawAllValues();
    }

    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
    TRecorder* Canvas = nullptr;
};
