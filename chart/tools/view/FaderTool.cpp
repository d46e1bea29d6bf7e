#include "chart/tools/view/FaderTool.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/TeeBlend.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Timer.h"

const TEnumInfo& FaderStyleNames() {
    static const TEnumInfo names{"fsFadeIn", "fsFadeOut"};
    return names;
}

namespace {

// A 24-bit bitmap of the size, made again only when the size changes.
void FitBitmap(std::unique_ptr<TBitmap>& bitmap, int width, int height) {
    if (bitmap && bitmap->Width() == width && bitmap->Height() == height) return;
    bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(width, height);
}

}  // namespace

TFaderTool::TFaderTool(TComponent* owner) : TTeeCustomTool(owner) {}

TFaderTool::~TFaderTool() = default;

void TFaderTool::Publish(TPublisher<TFaderTool>& p) {
    using T = TFaderTool;
    p.Color("Color", &T::Color, &T::SetColor).Default(clBlack);
    p.Integer("InitialDelay", &T::InitialDelay, &T::SetInitialDelay).Default(100);
    p.Float("Speed", &T::Speed, &T::SetSpeed).Default(3.0);
    p.Enumeration("Style", FaderStyleNames(), &T::Style, &T::SetStyle).Default(fsFadeIn);
}

void TFaderTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TFaderTool*>(source)) {
        FColor = other->FColor;
        FInitialDelay = other->FInitialDelay;
        FSpeed = other->FSpeed;
        FStyle = other->FStyle;
    }
    TTeeCustomTool::Assign(source);
}

bool TFaderTool::Fading() const { return FTimer && FTimer->Enabled(); }

void TFaderTool::Start() {
    if (!FTimer) {
        FTimer = new TTimer(this);
        FTimer->SetEnabled(false);
        FTimer->OnTimer = [this](TObject*) { FadeStep(); };
    }
    FPercent = 0;
    FFirstFrame = true;
    FTimer->SetInterval(1);
    FTimer->SetEnabled(true);
}

void TFaderTool::Stop() {
    FTimer->SetEnabled(false);
    if (OnStop) OnStop(this);
}

void TFaderTool::FadeStep() {
    FTimer->SetEnabled(false);
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    // The picture the chart drew last: its buffer, or, for a chart that draws unbuffered, a
    // fresh image of it. Blending makes its source 24-bit: it works on a copy, so the chart's
    // own buffer keeps its format.
    auto* surface = dynamic_cast<TTeeCanvas3D*>(chart->Canvas3D());
    std::unique_ptr<TBitmap> rendered;
    const TBitmap* buffer = surface ? surface->BufferBitmap() : nullptr;
    if (!buffer) {
        rendered = chart->RenderToBitmap();
        buffer = rendered.get();
    }
    const int width = buffer->Width(), height = buffer->Height();
    FitBitmap(FPicture, width, height);
    FitBitmap(FLayer, width, height);
    const TRect all{0, 0, width, height};
    FPicture->Canvas()->CopyRect(all, *const_cast<TBitmap*>(buffer)->Canvas(), all);
    TCanvas& layer = *FLayer->Canvas();
    layer.Brush()->SetStyle(bsSolid);
    layer.Brush()->SetColor(FColor);
    layer.FillRect(TRect{0, 0, FLayer->Width(), FLayer->Height()});
    BlendBitmaps(*FPicture, *FLayer, TPoint{0, 0}, FStyle == fsFadeIn ? 100 - FPercent : FPercent);
    chart->Canvas()->Draw(0, 0, FLayer.get());
    if (FPercent >= 100) {
        Stop();
        return;
    }
    FPercent = FSpeed > 0 ? std::min(100.0, FPercent + FSpeed) : 100.0;
    if (FFirstFrame) {
        if (FTimer->Interval() == 1) {
            FTimer->SetInterval(std::max(1, FInitialDelay));
        } else {
            FFirstFrame = false;
            FTimer->SetInterval(1);
        }
    }
    FTimer->SetEnabled(true);
}
