#pragma once
// Text drawn as flat polygons in the chart's 3-D space, so that it turns, tilts and shrinks with
// the chart's projection like any 3-D shape. The glyph outlines of the text (read back from the
// canvas's path of the written text) become polygons at the tool's depth, filled with the
// brush, the font's picture or the font's gradient and outlined with the font's outline pen;
// contours inside others (the inside of an "o") are holes, cut out of the fill. An extra
// rotation turns the text further than the chart's own view while it is drawn.
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/ChartTools.h"
#include "chart/tools/view/GlyphPolygons.h"

class TCanvas3D;
class TFloatXYZ;
class TTeeFont;

class TText3DTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TText3DTool, TTeeCustomTool)
public:
    explicit TText3DTool(TComponent* owner);
    ~TText3DTool() override;

    // Degrees, counter-clockwise, in the text's own plane.
    double Angle() const { return FAngle; }
    void SetAngle(double value) { ChangeField(FAngle, value); }
    TTeeFont* Font() const { return FFont.get(); }
    void SetFont(const TTeeFont* value);
    // The text's origin in chart pixels (X, Y) and its depth (Z).
    TFloatXYZ* Position() const { return FPosition.get(); }
    void SetPosition(const TFloatXYZ* value);
    // Degrees added to the view's rotation (X), elevation (Y) and tilt (Z) while the text draws.
    TFloatXYZ* Rotation() const { return FRotation.get(); }
    void SetRotation(const TFloatXYZ* value);
    // Lines separated by the chart's line separator.
    const std::string& Text() const { return FText; }
    void SetText(const std::string& value) { ChangeField(FText, value); }

    // The glyph contours of the last drawing, in chart pixels, and which of them are holes.
    const TGlyphPolygons& Polygons() const { return FPolygons; }
    const std::vector<bool>& Holes() const { return FHoles; }

    void ChartDrawEvent(TChartToolEvent event) override;

    static std::string KindName() { return "Text 3D"; }
    static std::string KindDescription() { return "Displays text with 3D font and 3D rotation."; }
    static std::string EditorClassName() { return "TText3DEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TText3DTool>& p);

private:
    // The outlines of the text into FPolygons; false when there are none to draw.
    bool BuildGlyphPolygons(TCanvas3D& canvas);
    void DrawGlyphPolygons(TCanvas3D& canvas);
    // Every polygon with the brush's colours fill and back (holes cut out).
    void FillPolygons(TCanvas3D& canvas, TColor fill, TColor back);
    void FillPolygon(TCanvas3D& canvas, size_t index, int z);
    // The projected polygon outlined with a clear brush, then the brush's colours again.
    void OutlinePolygon(TCanvas3D& canvas, const std::vector<TPoint>& polygon, int z);
    void MovePolygons(int dx, int dy);

    double FAngle = 0;
    std::unique_ptr<TTeeFont> FFont;
    std::unique_ptr<TFloatXYZ> FPosition;
    std::unique_ptr<TFloatXYZ> FRotation;
    std::string FText;

    TGlyphPolygons FPolygons;
    std::vector<bool> FHoles;
    TColor FFill = clWhite;
    TColor FBack = clBlack;
};
