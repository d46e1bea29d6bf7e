#include "chart/series/gauge/NumericGauge.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/SampleRandom.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/series/gauge/GaugeFonts.h"
#include "chart/series/gauge/GaugePalettes.h"
#include "chart/series/gauge/NumericMarker.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Publisher.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Streams.h"

const TEnumInfo& DigitalFontNames() {
    static const TEnumInfo names{"dfBar", "dfDot", "dfCustom"};
    return names;
}

TNumericGauge::TNumericGauge(TComponent* owner)
    : TCustomGauge(owner), FMarkers(std::make_unique<TNumericMarkers>(this)) {
    ApplyPalette(GaugeLCDPalette);
    // A gauge read from a stream gets the markers stored with it, and only those.
    if (owner && owner->ComponentState().Contains(csLoading)) return;
    struct TDefaultMarker {
        const char* Text;  // none: the value
        int FontSize;
        TAnnotationPosition Position;
        bool Transparent;
    };
    static constexpr std::array<TDefaultMarker, 3> defaults{{
        {nullptr, 36, ppCenter, true},
        {"MHz", 18, ppLeftBottom, true},
        {"FREQ", 11, ppLeftTop, false},
    }};
    for (const TDefaultMarker& d : defaults) {
        TNumericMarker* marker = AddMarker(d.Text ? d.Text : FormatFloat(ValueFormat(), Value()));
        marker->Shape()->Font()->SetSize(d.FontSize);
        marker->SetPosition(d.Position);
        marker->Shape()->SetTransparent(d.Transparent);
    }
    ColorMarkers();
}

TNumericGauge::~TNumericGauge() {
    // The markers go first: each leaves this gauge's list as it goes.
    FMarkers->Clear();
}

TNumericMarker* TNumericGauge::AddMarker(const std::string& text) {
    auto* marker = new TNumericMarker(nullptr);
    TTextShape& shape = *marker->Shape();
    shape.SetTransparent(true);
    shape.Font()->SetName(DigitalBarFontName);
    shape.Pen()->SetVisible(false);
    shape.Shadow()->SetVisible(false);
    FMarkers->Adopt(marker);
    marker->SetText(text);
    return marker;
}

TNumericMarker* TNumericGauge::MarkerAt(int index) {
    while (FMarkers->Count() <= index) AddMarker({});
    return FMarkers->Marker(index);
}

void TNumericGauge::ShowValue() {
    if (FMarkers->Count() > 0) FMarkers->Marker(0)->SetText(FormatFloat(ValueFormat(), Value()));
}

void TNumericGauge::SetValue(double value) {
    TCustomGauge::SetValue(value);
    ShowValue();
}

void TNumericGauge::SetValueFormat(const std::string& value) {
    TCustomGauge::SetValueFormat(value);
    ShowValue();
}

void TNumericGauge::ApplyPalette(std::span<const TColor> colors) {
    TCustomGauge::ApplyPalette(colors);
    ColorMarkers();
}

void TNumericGauge::ColorMarkers() {
    const TColor text = PaletteColor(gpeMarkerText);
    const TColor box = PaletteColor(gpeFaceMiddle);
    for (int i = 0; i < std::min(FMarkers->Count(), 3); ++i) {
        TTextShape& shape = *FMarkers->Marker(i)->Shape();
        // The caption stands out: its colours are the other way round.
        const bool caption = i == 2;
        shape.Font()->SetColor(caption ? box : text);
        shape.SetColor(caption ? text : box);
    }
}

void TNumericGauge::AddRandomValues(int numValues, bool onlyMandatory) {
    TCustomGauge::AddRandomValues(numValues, onlyMandatory);
    ShowValue();
}

void TNumericGauge::SetParentChart(TCustomAxisPanel* value) {
    TCustomGauge::SetParentChart(value);
    if (ComponentState().Contains(csDestroying)) return;
    for (TTeeCustomTool* marker : *FMarkers) marker->SetParentChart(value);
}

void TNumericGauge::DrawAllValues() {
    TCustomGauge::DrawAllValues();
    TCustomAxisPanel& chart = *ParentChart();
    for (int i = 0; i < FMarkers->Count(); ++i) {
        TNumericMarker& marker = *FMarkers->Marker(i);
        if (!marker.Active()) continue;
        TTextShape& shape = *marker.Shape();
        if (FDigitalFont == dfBar)
            shape.Font()->SetName(DigitalBarFontName);
        else if (FDigitalFont == dfDot)
            shape.Font()->SetName(DigitalDotFontName);
        const TAnnotationLayout layout = marker.CalcBoundsInRect(chart, FaceRect());
        shape.DrawShapeAndText(chart, layout.Box, layout.LineCount, 0);
    }
}

void TNumericGauge::ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) {
    TCustomGauge::ListGalleryVariants(addVariant);
    addVariant(TxtExtLED);
}

void TNumericGauge::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* gauge = dynamic_cast<TNumericGauge*>(series);
    if (!gauge || index != 1) return;
    gauge->SetDigitalFont(dfDot);
    gauge->ApplyPalette(GaugeLEDPalette);
}

void TNumericGauge::PrepareForGallery(bool enabled) {
    TCustomGauge::PrepareForGallery(enabled);
    SetValue(RandomBelow(30));
    ValueMarker()->SetPosition(ppRightBottom);
    ValueMarker()->Shape()->Font()->SetSize(18);
    UnitMarker()->Shape()->Font()->SetSize(16);
    CaptionMarker()->Shape()->Font()->SetSize(12);
}

void TNumericGauge::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TNumericGauge*>(source)) {
        FDigitalFont = other->FDigitalFont;
        FMarkers->Clear();
        for (int i = 0; i < other->FMarkers->Count(); ++i)
            FMarkers->Adopt(new TNumericMarker(nullptr))->Assign(other->FMarkers->Marker(i));
    }
    TCustomGauge::Assign(source);
}

void TNumericGauge::DefineProperties(TFiler& filer) {
    TCustomGauge::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "InternalMarkers", [this](TStream& s) { ReadMarkers(s); },
        [this](TStream& s) { WriteMarkers(s); }, FMarkers->Count() > 0);
}

void TNumericGauge::WriteMarkers(TStream& stream) {
    const uint32_t count = uint32_t(FMarkers->Count());
    const uint8_t bytes[4] = {uint8_t(count), uint8_t(count >> 8), uint8_t(count >> 16),
                              uint8_t(count >> 24)};
    stream.WriteBuffer(bytes, 4);
    for (TTeeCustomTool* marker : *FMarkers) WriteComponentToStream(stream, marker);
}

void TNumericGauge::ReadMarkers(TStream& stream) {
    FMarkers->Clear();
    uint8_t bytes[4];
    stream.ReadBuffer(bytes, 4);
    const int32_t count = int32_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 |
                                  uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24);
    // Each marker takes at least its signature and a class name's length.
    constexpr int64_t smallestMarker = 5;
    if (count < 0 || count > (stream.Size() - stream.Position()) / smallestMarker)
        throw EReadError(SReadError);
    for (int32_t i = 0; i < count; ++i) {
        TComponent* read = ReadComponentFromStream(stream);
        auto* marker = dynamic_cast<TNumericMarker*>(read);
        if (!marker) {
            TObject::Free(read);
            throw EInvalidCast(SInvalidCast);
        }
        FMarkers->Append(marker);
        marker->SetGauge(this);
    }
    for (TTeeCustomTool* marker : *FMarkers) marker->SetParentChart(ParentChart());
}

void TNumericGauge::Publish(TPublisher<TNumericGauge>& p) {
    using G = TNumericGauge;
    p.Enumeration("DigitalFont", DigitalFontNames(), &G::DigitalFont, &G::SetDigitalFont)
        .Default(dfBar);
}
