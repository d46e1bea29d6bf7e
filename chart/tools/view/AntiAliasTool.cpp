#include "chart/tools/view/AntiAliasTool.h"

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeFilter.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/tools/view/AntiAliasCanvas.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Publisher.h"

TAntiAliasTool::TAntiAliasTool(TComponent* owner)
    : TTeeCustomTool(owner), FFilters(std::make_unique<TFilterItems>(this)) {
    SetAntiAlias(true);
}

TAntiAliasTool::~TAntiAliasTool() {
    // A canvas a chart took stays that chart's; it only forgets the tool.
    if (FCanvas) FCanvas->SetTool(nullptr);
    FCanvas = nullptr;
}

void TAntiAliasTool::Publish(TPublisher<TAntiAliasTool>& p) {
    p.Boolean("AntiAlias", &TAntiAliasTool::AntiAlias, &TAntiAliasTool::SetAntiAlias).Default(true);
}

void TAntiAliasTool::DefineProperties(TFiler& filer) {
    TTeeCustomTool::DefineProperties(filer);
    filer.DefineProperty(
        "FilterItems", [this](TReader& reader) { ReadFilterItems(reader, *FFilters); },
        [this](TWriter& writer) { WriteFilterItems(writer, *FFilters); }, FFilters->Count() > 0);
}

bool TAntiAliasTool::AntiAlias() const { return FCanvas && !FCanvas->AntiAliasOff(); }

void TAntiAliasTool::SetAntiAlias(bool value) {
    if (!FCanvas) {
        FOwnedCanvas = std::make_unique<TAntiAliasCanvas>();
        FCanvas = FOwnedCanvas.get();
        FCanvas->SetTool(this);
    }
    FCanvas->SetAntiAliasOff(!value);
    InstallCanvas();
}

void TAntiAliasTool::SetFilters(const TFilterItems* value) { FFilters->Assign(value); }

void TAntiAliasTool::SetActive(bool value) {
    TTeeCustomTool::SetActive(value);
    SetAntiAlias(value);
}

void TAntiAliasTool::SetParentChart(TCustomAxisPanel* value) {
    TTeeCustomTool::SetParentChart(value);
    InstallCanvas();
}

void TAntiAliasTool::InstallCanvas() {
    TCustomAxisPanel* chart = ParentChart();
    if (!Active() || !AntiAlias() || !chart || chart->Canvas3D() == FCanvas) return;
    if (!FOwnedCanvas) {
        // Another chart owns the canvas: it keeps it, and this chart gets one of its own.
        FCanvas->SetTool(nullptr);
        FOwnedCanvas = std::make_unique<TAntiAliasCanvas>();
        FCanvas = FOwnedCanvas.get();
        FCanvas->SetTool(this);
    }
    chart->ReplaceCanvas(std::move(FOwnedCanvas));
}

void TAntiAliasTool::CanvasDestroyed(TAntiAliasCanvas* canvas) {
    if (canvas == FCanvas) FCanvas = nullptr;
}

void TAntiAliasTool::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomTool::ChartDrawEvent(event);
    if (event != cteAfterDraw || FFilters->Count() == 0 || !ParentChart()) return;
    auto* canvas = dynamic_cast<TTeeCanvas3D*>(ParentChart()->Canvas3D());
    if (canvas && canvas->BufferBitmap()) FFilters->ApplyAll(*canvas->BufferBitmap());
}

void TAntiAliasTool::Assign(const TPersistent* source) {
    // The inherited Active sets AntiAlias too, so the tool's own setting comes after it.
    TTeeCustomTool::Assign(source);
    if (auto* other = dynamic_cast<const TAntiAliasTool*>(source)) {
        FFilters->Assign(other->FFilters.get());
        SetAntiAlias(other->AntiAlias());
    }
}
