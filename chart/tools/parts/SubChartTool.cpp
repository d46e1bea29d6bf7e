#include "chart/tools/parts/SubChartTool.h"

#include <memory>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/tools/parts/InnerChart.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Publisher.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"

namespace {

TSubChartTool* ToolOfCollection(TCollection* collection) {
    auto* charts = dynamic_cast<TChartCollection*>(collection);
    return charts ? charts->Tool() : nullptr;
}

// The class a component stream's root names (after "TPF0" and a length byte), or "".
std::string StreamRootClass(TStream& stream) {
    const int64_t start = stream.Position();
    char head[5] = {};
    std::string name;
    if (stream.Read(head, 5) == 5 && std::string(head, 4) == "TPF0") {
        name.resize(uint8_t(head[4]));
        if (stream.Read(name.data(), int64_t(name.size())) != int64_t(name.size())) name.clear();
    }
    stream.SetPosition(start);
    return name;
}

}  // namespace

// --- TSubChart

TSubChart::TSubChart(TCollection* collection)
    : TCollectionItem(collection), FTool(ToolOfCollection(collection)) {
    if (FTool && FTool->ComponentState().Contains(csLoading)) return;
    Chart()->SetBounds(50, 50, 150, 100);
}

TSubChart::~TSubChart() { AdoptChart(nullptr); }

TInnerChart* TSubChart::Chart() {
    if (!FChart) {
        auto* chart = new TInnerChart(nullptr);
        chart->SetItem(this);
        FChart = chart;
    }
    return FChart;
}

void TSubChart::AdoptChart(TInnerChart* chart) {
    if (chart == FChart) return;
    TInnerChart* old = FChart;
    FChart = chart;
    if (chart) chart->SetItem(this);
    if (old) {
        old->SetItem(nullptr);
        TObject::Free(old);
    }
}

void TSubChart::SetChart(const TChart* value) { Chart()->Assign(value); }

int TSubChart::Left() const { return FChart ? FChart->Left() : 0; }
void TSubChart::SetLeft(int value) { Chart()->SetLeft(value); }
int TSubChart::Top() const { return FChart ? FChart->Top() : 0; }
void TSubChart::SetTop(int value) { Chart()->SetTop(value); }
int TSubChart::Width() const { return FChart ? FChart->Width() : 0; }
void TSubChart::SetWidth(int value) { Chart()->SetWidth(value); }
int TSubChart::Height() const { return FChart ? FChart->Height() : 0; }
void TSubChart::SetHeight(int value) { Chart()->SetHeight(value); }

std::string TSubChart::DisplayName() const {
    if (FChart && !FChart->Name().empty()) return FChart->Name();
    return "Chart" + std::to_string(Index() + 1);
}

void TSubChart::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TSubChart*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    // Through the component stream, points included: the copy gets series and tools of its own.
    TMemoryStream stream;
    TInnerChart* chart = const_cast<TSubChart*>(other)->Chart();
    std::vector<bool> stored;
    for (TChartSeries* s : chart->SeriesList()) {
        stored.push_back(s->AlwaysStoreData);
        s->AlwaysStoreData = true;
    }
    WriteComponentToStream(stream, chart);
    for (int i = 0; i < int(stored.size()); ++i)
        chart->SeriesList()[i]->AlwaysStoreData = stored[i];
    stream.SetPosition(0);
    ReadInnerChart(stream);
}

void TSubChart::Publish(TPublisher<TSubChart>& p) {
    using S = TSubChart;
    // The chart itself travels in "InnerChart".
    p.Object(
         "Chart", [](const S& s) { return static_cast<TPersistent*>(const_cast<S&>(s).Chart()); },
         [](S& s, const TPersistent* chart) { s.SetChart(dynamic_cast<const TChart*>(chart)); })
        .Stored(false);
    p.Integer("Left", &S::Left, &S::SetLeft);
    p.Integer("Top", &S::Top, &S::SetTop);
    p.Integer("Width", &S::Width, &S::SetWidth);
    p.Integer("Height", &S::Height, &S::SetHeight);
}

void TSubChart::DefineProperties(TFiler& filer) {
    TCollectionItem::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "InnerChart", [this](TStream& s) { ReadInnerChart(s); },
        [this](TStream& s) { WriteInnerChart(s); }, true);
}

void TSubChart::WriteInnerChart(TStream& stream) { WriteComponentToStream(stream, Chart()); }

void TSubChart::ReadInnerChart(TStream& stream) {
    if (!SameText(StreamRootClass(stream), TInnerChart::StaticClass().ClassName()))
        throw EReadError("Invalid property value");
    // The stream leaves out what equals the published defaults: read into a chart set to them,
    // not to an inner chart's own start.
    std::unique_ptr<TInnerChart, void (*)(TInnerChart*)> chart(
        new TInnerChart(nullptr), [](TInnerChart* c) { TObject::Free(c); });
    chart->ResetToPublishedDefaults();
    ReadComponentFromStream(stream, chart.get(), nullptr);
    AdoptChart(chart.release());
    FChart->Invalidate();
}

// --- TChartCollection

TChartCollection::TChartCollection(TSubChartTool* tool)
    : TOwnedCollection(tool, &TSubChart::StaticClass()), FTool(tool) {}

TSubChart* TChartCollection::AddChart() { return static_cast<TSubChart*>(Add()); }

// --- TSubChartTool

TSubChartTool::TSubChartTool(TComponent* owner)
    : TTeeCustomTool(owner), FCharts(std::make_unique<TChartCollection>(this)) {}

TSubChartTool::~TSubChartTool() {
    // The inner charts go first: they ask this tool to repaint while they go.
    FCharts->Clear();
}

void TSubChartTool::Publish(TPublisher<TSubChartTool>& p) {
    p.Object("Charts", &TSubChartTool::Charts, &TSubChartTool::SetCharts);
}

void TSubChartTool::SetCharts(const TChartCollection* value) { FCharts->Assign(value); }

void TSubChartTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TSubChartTool*>(source))
        FCharts->Assign(other->FCharts.get());
    TTeeCustomTool::Assign(source);
}

void TSubChartTool::SetParentChart(TCustomAxisPanel* value) {
    TTeeCustomTool::SetParentChart(value);
    Repaint();
}

void TSubChartTool::ChartDrawEvent(TChartToolEvent event) {
    if (!Active() || event != cteAfterDraw || !ParentChart()) return;
    TCanvas* canvas = ParentChart()->Canvas3D()->GetDeviceHandle();
    if (!canvas) return;
    for (int i = 0; i < FCharts->Count(); ++i) {
        TInnerChart* chart = FCharts->Item(i)->Chart();
        // Straight onto the outer chart's canvas: no image of its own.
        chart->SetBufferedDisplay(false);
        chart->Draw(canvas, chart->BoundsRect());
    }
}

void TSubChartTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift,
                                    int x, int y) {
    if (!Active() || !ParentChart()) return;
    TCanvas* canvas = ParentChart()->Canvas3D()->GetDeviceHandle();
    // The topmost chart under the mouse first: the one drawn last.
    for (int i = FCharts->Count() - 1; i >= 0; --i) {
        TInnerChart* chart = FCharts->Item(i)->Chart();
        const TRect r = chart->BoundsRect();
        if (x < r.Left || x >= r.Right || y < r.Top || y >= r.Bottom) continue;
        if (canvas) chart->Canvas3D()->BindCanvas(canvas);
        chart->ForwardMouse(kind, button, shift, x, y);
        const bool taken = chart->MouseTaken();
        ParentChart()->SetCancelMouse(taken);
        if (taken) return;
    }
}
