#pragma once
// A flat chart whose chart rectangle is fixed at (20, 10) - (420, 310), drawing onto a recording
// surface that also counts its repaints, for the gauges: their bands, frames, faces, scales and
// hands read back as primitives.
#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTitle.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"
#include "tests/chart/series/SeriesLibraryStartup.h"

// A chart that counts the repaints it is asked for.
class TGaugeCountingChart : public TChart {
public:
    using TChart::TChart;
    void Invalidate() override {
        ++Invalidations;
        TChart::Invalidate();
    }
    int Invalidations = 0;
};

// The recording surface, also noting rotated texts and polygons filled with a gradient.
class TGaugeRecordingCanvas : public TRecordingCanvas3D {
public:
    struct TRotatedText {
        std::string Text;
        double Angle;
    };
    std::vector<TRotatedText> RotatedTexts;
    std::vector<std::vector<TPoint>> GradientPolygons;
    void DrawRotatedText(int x, int y, std::string_view text, double angle) override {
        RotatedTexts.push_back({std::string(text), angle});
        TRecordingCanvas3D::DrawRotatedText(x, y, text, angle);
    }
    void FillPolygonGradient(std::span<const TPoint> points, int lastIndex,
                             const TCustomTeeGradient& gradient) override {
        GradientPolygons.emplace_back(points.begin(), points.begin() + lastIndex + 1);
        TRecordingCanvas3D::FillPolygonGradient(points, lastIndex, gradient);
    }
};

class GaugeChartFixture : public ::testing::Test {
protected:
    GaugeChartFixture() {
        auto canvas = std::make_unique<TGaugeRecordingCanvas>();
        Canvas = canvas.get();
        Chart->ReplaceCanvas(std::move(canvas));
        Canvas->SetBufferedDisplay(false);
        Chart->SetBounds(0, 0, 440, 320);
        Chart->SetView3D(false);
        Chart->Legend()->SetVisible(false);
        Chart->Title()->SetVisible(false);
        Chart->SetUseCustomChartRect(true);
        Chart->SetCustomChartRect(ChartRect);
    }
    template <class T>
    T* Add() {
        auto* s = new T(&Form);
        Chart->AddSeries(s);
        return s;
    }
    // A whole drawing of the chart; the calls recorded are those of this drawing.
    void Draw() {
        Canvas->ClearCalls();
        Canvas->RotatedTexts.clear();
        Canvas->GradientPolygons.clear();
        Chart->Draw(Target.Canvas(), TRect{0, 0, 440, 320});
    }
    std::vector<TCanvas3DCall> CallsOf(const std::string& op) const {
        std::vector<TCanvas3DCall> out;
        for (const TCanvas3DCall& c : Canvas->Calls())
            if (c.Op == op) out.push_back(c);
        return out;
    }

    static constexpr TRect ChartRect{20, 10, 420, 310};
    TSeriesLibraryStartup Library;
    TFormatSettingsGuard PinnedFormats{TFormatSettings{}};
    TComponent Form{nullptr};
    TGaugeCountingChart* Chart = new TGaugeCountingChart(&Form);
    TGaugeRecordingCanvas* Canvas = nullptr;
    TBitmap Target{440, 320};
};
