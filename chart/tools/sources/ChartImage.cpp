#include "chart/tools/sources/ChartImage.h"

#include "chart/engine/Chart.h"
#include "chart/export/ChartStream.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/rtl/Streams.h"

TChartImage::TChartImage() = default;

TChartImage::~TChartImage() {
    if (FOwnsChart) delete FChart;
}

TChart* TChartImage::Chart() const {
    if (!FChart) {
        FChart = new TChart(nullptr);
        FChart->SetBufferedDisplay(false);
        FOwnsChart = true;
    }
    return FChart;
}

void TChartImage::SetChart(TChart* value) {
    if (FOwnsChart && FChart != value) delete FChart;
    FChart = value;
    FOwnsChart = false;
    Changed();
}

void TChartImage::Assign(const TPersistent* source) {
    if (!source) return;
    if (auto* other = dynamic_cast<const TChartImage*>(source)) {
        if (!other->FChart || other == this) return;
        // Through the chart stream: the chart's own assignment copies its settings but not its
        // series, and a copied picture must show the same chart.
        TMemoryStream stream;
        WriteChartStream(*other->FChart, stream, true, false);
        stream.SetPosition(0);
        LoadFromStream(stream);
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

int TChartImage::Width() const { return Chart()->Width(); }
void TChartImage::SetWidth(int value) { Chart()->SetWidth(value); }
int TChartImage::Height() const { return Chart()->Height(); }
void TChartImage::SetHeight(int value) { Chart()->SetHeight(value); }

void TChartImage::SetTransparent(bool value) {
    TChart* chart = Chart();
    if (value) {
        if (!FColorKept && chart->Color() != clNone) {
            FKeptColor = chart->Color();
            FColorKept = true;
        }
        chart->SetColor(clNone);
    } else if (chart->Color() == clNone) {
        chart->SetColor(FColorKept ? FKeptColor : clWhite);
        FColorKept = false;
    }
    TGraphic::SetTransparent(value);
}

void TChartImage::LoadFromStream(TStream& stream) {
    TChart* chart = Chart();
    ReadChartStream(*chart, stream);
    chart->SetBufferedDisplay(false);
}

void TChartImage::SaveToStream(TStream& stream) { WriteChartStream(*Chart(), stream, true, false); }

void TChartImage::SaveToFile(const std::string& fileName) {
    WriteChartFile(*Chart(), fileName, true, false);
}

void TChartImage::Draw(TCanvas& canvas, const TRect& rect) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(rect);
    Chart()->Draw(&canvas, rect);
}

void RegisterChartImageFormat() {
    RegisterFileFormat("tee", "DarEzaro", &TChartImage::StaticClass());
}

void UnregisterChartImageFormat() { UnregisterGraphicClass(&TChartImage::StaticClass()); }
