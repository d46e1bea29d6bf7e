#include "tests/chart/tools/ToolBench.h"

#include <algorithm>
#include <cstdlib>

#include "chart/editors/CircledAnd3DEditorsStartup.h"
#include "chart/editors/EditorFormsStartup.h"
#include "chart/editors/SeriesGallery.h"
#include "chart/editors/StandardSeriesEditors.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/PointSeries.h"
#include "chart/export/ChartStream.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ComponentNames.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/tools/ChartToolsStartup.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Application.h"

namespace {

// Text measured as CharWidth pixels a character and LineHeight a line, whatever the fonts.
class TFixedTextCanvas : public TTeeCanvas3D {
public:
    int MeasureTextWidth(std::string_view text) override {
        return TToolBench::CharWidth * int(text.size());
    }
    int MeasureTextHeight(std::string_view) override { return TToolBench::LineHeight; }
};

// Hands the application's hint requests to the bench's record.
class TRecordingHintWindow : public THintWindow {
public:
    explicit TRecordingHintWindow(THintRecord& record) : FRecord(record) {}
    void ActivateHint(const THintInfo& info) override { FRecord.Shown.push_back(info); }
    void HideHint() override { ++FRecord.Hidden; }

private:
    THintRecord& FRecord;
};

}  // namespace

// --- The library.

TToolsLibrary::TToolsLibrary() {
    LoadCoreTexts();
    LoadExtendedTexts();
    FoundationUnitStartup();
    ChartEngineUnitStartup();
    SeriesGalleryUnitStartup();
    EditorFormsUnitStartup();
    StandardSeriesEditorsUnitStartup();
    CircledAnd3DEditorsUnitStartup();
    ChartStreamUnitStartup();
    ChartToolsUnitStartup();
}

TToolsLibrary::~TToolsLibrary() {
    ChartToolsUnitShutdown();
    ChartStreamUnitShutdown();
    CircledAnd3DEditorsUnitShutdown();
    StandardSeriesEditorsUnitShutdown();
    SeriesGalleryUnitFinalization();
    ChartEngineUnitShutdown();
    FoundationUnitShutdown();
    FreeExtendedTexts();
    FreeCoreTexts();
}

// --- The chart.

void TToolChart::Invalidate() {
    ++Invalidations;
    TChart::Invalidate();
}

void TToolChart::InternalDraw(const TRect& rect) {
    ++DrawPasses;
    TChart::InternalDraw(rect);
}

// --- The probe.

void TPhaseProbe::ChartDrawEvent(TChartToolEvent event) {
    Seen.push_back({event, ParentChart()->Canvas3D()->GetPixelColor(At.X, At.Y)});
}

int TPhaseProbe::PhaseOfColor(TColor color) const {
    for (const TSeen& seen : Seen)
        if (seen.Color == color) return int(seen.Event);
    return -1;
}

// --- The bench.

TToolBench::TToolBench() : FLibrary(std::make_unique<TToolsLibrary>()) {
    ResetDefaultColors();
    FChart = new TToolChart(&FForm);
    FChart->SetName("Chart1");
    FChart->ReplaceCanvas(std::make_unique<TFixedTextCanvas>());
    FChart->SetBounds(0, 0, Width, Height);
    FChart->SetView3D(false);
    FChart->Legend()->SetVisible(false);
    Bottom().SetLimits(0, 100);
    Left().SetLimits(0, 100);
    // The application's hint window made anew of the recording class, whatever window an
    // earlier test left.
    if (Application) {
        Application->SetHintWindowClass(
            [this] { return std::make_unique<TRecordingHintWindow>(Hints); });
        Application->SetShowHint(false);
        Application->SetShowHint(true);
    }
}

TToolBench::~TToolBench() {
    // No window of the application may keep the record once the bench is gone.
    if (Application) {
        Application->SetShowHint(false);
        Application->SetHintWindowClass(nullptr);
        Application->SetShowHint(true);
    }
    // The chart and what the form owns go before the library's registrations do.
    FForm.DestroyComponents();
}

TChartAxis& TToolBench::Bottom() { return *FChart->BottomAxis(); }
TChartAxis& TToolBench::Left() { return *FChart->LeftAxis(); }
TChartAxis& TToolBench::Top() { return *FChart->TopAxis(); }
TChartAxis& TToolBench::Right() { return *FChart->RightAxis(); }

TPointSeries* TToolBench::AddSeries(const std::vector<std::pair<double, double>>& points) {
    auto* series = new TPointSeries(&FForm);
    series->SetName("Series" + std::to_string(++FSeriesCount));
    FChart->AddSeries(series);
    for (const auto& [x, y] : points) series->AddXYPoint(x, y);
    return series;
}

void TToolBench::NameTool(TComponent& tool) {
    tool.SetName(UniqueComponentName(&FForm, "ChartTool"));
}

void TToolBench::Render() { FChart->DrawToClient(); }

std::vector<uint8_t> TToolBench::FrontPixels() {
    // A copy of the chart's part of the front image, read row by row.
    TBitmap copy;
    copy.SetPixelFormat(pf32bit);
    copy.SetSize(Width, Height);
    const TRect all{0, 0, Width, Height};
    copy.Canvas()->CopyRect(all, *FChart->Canvas(), all);
    std::vector<uint8_t> pixels;
    pixels.reserve(size_t(Width) * Height * 4);
    for (int y = 0; y < Height; ++y) {
        const uint8_t* row = copy.ScanLine(y);
        pixels.insert(pixels.end(), row, row + Width * 4);
    }
    return pixels;
}

TColor TToolBench::FrontPixel(int x, int y) { return FChart->Canvas()->Pixel(x, y); }

void TToolBench::Press(int x, int y, TMouseButton button, TShiftState shift) {
    FChart->MouseDown(button, shift, x, y);
}

void TToolBench::Move(int x, int y, TShiftState shift) { FChart->MouseMove(shift, x, y); }

void TToolBench::Release(int x, int y, TMouseButton button, TShiftState shift) {
    FChart->MouseUp(button, shift, x, y);
}

void TToolBench::Drag(int x0, int y0, int x1, int y1, TMouseButton button) {
    Press(x0, y0, button);
    const int steps = std::max(1, (std::max(std::abs(x1 - x0), std::abs(y1 - y0)) + 4) / 5);
    for (int i = 1; i <= steps; ++i) Move(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps);
    Release(x1, y1, button);
}

void TToolBench::Wheel(int delta, int x, int y) {
    if (FChart->MouseWheel({}, delta, x, y)) return;
    // Not taken by a handler: the turn goes on as a turn up or down, as the window layer does.
    if (delta < 0)
        FChart->DoMouseWheelDown({}, TPoint{x, y});
    else
        FChart->DoMouseWheelUp({}, TPoint{x, y});
}

void TToolBench::Leave() { FChart->MouseLeave(); }

int TToolBench::XPixel(double value) { return Bottom().PixelOfValue(value); }
int TToolBench::YPixel(double value) { return Left().PixelOfValue(value); }
