#pragma once
// The digital read-out: inside the framed face it shows text markers, the first of which always
// shows the value formatted with ValueFormat, in one of the two digital faces (GaugeFonts.h) or
// in each marker's own font. A new gauge shows the value, a unit ("MHz") and a caption ("FREQ");
// a gauge read from a stream has exactly the markers stored with it, in "InternalMarkers".
#include <memory>

#include "chart/series/gauge/CustomGauge.h"

class TNumericMarker;
class TNumericMarkers;

enum TDigitalFont { dfBar, dfDot, dfCustom };
const TEnumInfo& DigitalFontNames();

class TNumericGauge : public TCustomGauge {
    KV_DECLARE_CLASS(TNumericGauge, TCustomGauge)
public:
    explicit TNumericGauge(TComponent* owner);
    ~TNumericGauge() override;

    // dfBar and dfDot draw every marker in that digital face, dfCustom in its own font.
    TDigitalFont DigitalFont() const { return FDigitalFont; }
    void SetDigitalFont(TDigitalFont value) { ChangeField(FDigitalFont, value); }
    TNumericMarkers& Markers() const { return *FMarkers; }
    // The three markers of a new gauge: the value, its unit and the caption. Markers without
    // text are appended first while the list is shorter.
    TNumericMarker* ValueMarker() { return MarkerAt(0); }
    TNumericMarker* UnitMarker() { return MarkerAt(1); }
    TNumericMarker* CaptionMarker() { return MarkerAt(2); }
    // A new marker at the end with the text, in the bar face, its box transparent and without
    // frame or shadow.
    TNumericMarker* AddMarker(const std::string& text);

    // Marker 0 shows the new value (and marker 0 the new format).
    void SetValue(double value) override;
    void SetValueFormat(const std::string& value) override;
    // The markers' colours follow: text of entry 20 on boxes of entry 4, the caption inverted.
    void ApplyPalette(std::span<const TColor> colors) override;

    static std::string EditorClassName() { return "TNumericGaugeEditor"; }
    bool UsesAxes() const override { return false; }
    int DefaultSampleCount() const override { return 1; }
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void SetParentChart(TCustomAxisPanel* value) override;
    // The gauge's pass, then the active markers in the face.
    void DrawAllValues() override;

    // "LED" after the inherited looks: the dot face in the LED palette.
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    void PrepareForGallery(bool enabled) override;

    // DigitalFont and copies of the markers, then the gauge's settings.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TNumericGauge>& p);

protected:
    // "InternalMarkers": the markers as components, after their count.
    void DefineProperties(TFiler& filer) override;

private:
    TNumericMarker* MarkerAt(int index);
    // Marker 0's text from the value.
    void ShowValue();
    // The first three markers' text and box colours from the palette.
    void ColorMarkers();
    void ReadMarkers(TStream& stream);
    void WriteMarkers(TStream& stream);

    TDigitalFont FDigitalFont = dfBar;
    std::unique_ptr<TNumericMarkers> FMarkers;
};
