#include "chart/tools/view/Text3DTool.h"

#include <string_view>

#include "chart/engine/AxisLabelFormat.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/RtlMath.h"

namespace {

// The view turned by the tool's extra angles while the text draws, and back on leaving.
class TTurnedView {
public:
    TTurnedView(TCanvas3D& canvas, const TFloatXYZ& rotation)
        : FSurface(dynamic_cast<TTeeCanvas3D*>(&canvas)) {
        if (rotation.X() == 0 && rotation.Y() == 0 && rotation.Z() == 0) FSurface = nullptr;
        if (FSurface) FSurface->TurnRotation(rotation.X(), rotation.Y(), RoundToInt(rotation.Z()));
    }
    ~TTurnedView() {
        if (FSurface) FSurface->TurnRotation(0, 0, 0);
    }
    TTurnedView(const TTurnedView&) = delete;
    TTurnedView& operator=(const TTurnedView&) = delete;

private:
    TTeeCanvas3D* FSurface;
};

// The lines of text as the chart counts them: a last empty line after a separator is none.
std::vector<std::string_view> TextLines(std::string_view text, int count) {
    std::vector<std::string_view> lines;
    while (int(lines.size()) < count) {
        const size_t end = text.find(LineSeparator);
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

}  // namespace

TText3DTool::TText3DTool(TComponent* owner)
    : TTeeCustomTool(owner),
      FFont(std::make_unique<TTeeFont>(StyleChangedEvent())),
      FPosition(std::make_unique<TFloatXYZ>()),
      FRotation(std::make_unique<TFloatXYZ>()) {
    Brush()->SetColor(clWhite);
    FFont->SetSize(24);
    FFont->OutLine()->SetColor(clWhite);
    FFont->OutLine()->SetVisible(true);
    FPosition->SetX(50);
    FPosition->SetY(50);
    FPosition->OnChange = StyleChangedEvent();
    FRotation->OnChange = StyleChangedEvent();
}

TText3DTool::~TText3DTool() = default;

void TText3DTool::Publish(TPublisher<TText3DTool>& p) {
    using T = TText3DTool;
    p.Float("Angle", &T::Angle, &T::SetAngle).Default(0.0);
    p.Object("Font", &T::Font, &T::SetFont);
    p.Object("Position", &T::Position, &T::SetPosition);
    p.Object("Rotation", &T::Rotation, &T::SetRotation);
    p.String("Text", &T::Text, &T::SetText).Default("");
}

void TText3DTool::SetFont(const TTeeFont* value) { FFont->Assign(value); }
void TText3DTool::SetPosition(const TFloatXYZ* value) {
    FPosition->Assign(value);
    Repaint();
}
void TText3DTool::SetRotation(const TFloatXYZ* value) {
    FRotation->Assign(value);
    Repaint();
}

void TText3DTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TText3DTool*>(source)) {
        FAngle = other->FAngle;
        FFont->Assign(other->FFont.get());
        FPosition->Assign(other->FPosition.get());
        FRotation->Assign(other->FRotation.get());
        FText = other->FText;
    }
    TTeeCustomTool::Assign(source);
}

void TText3DTool::ChartDrawEvent(TChartToolEvent event) {
    if (event != cteAfterDraw || !ParentChart()) return;
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    canvas.SetBackgroundMode(TRANSPARENT);
    canvas.UsePen(FFont->OutLine());
    canvas.UseFont(FFont.get());
    FPolygons.clear();
    FHoles.clear();
    if (BuildGlyphPolygons(canvas)) DrawGlyphPolygons(canvas);
}

bool TText3DTool::BuildGlyphPolygons(TCanvas3D& canvas) {
    TCanvas* device = canvas.GetDeviceHandle();
    if (!device || FText.empty()) return false;
    int count = 0;
    MultiLineTextWidth(canvas, FText, count);
    const std::vector<std::string_view> lines = TextLines(FText, count);
    const int lineHeight = canvas.MeasureLineHeight();
    // A canvas that records its drawing (a metafile) keeps no path to read back: the outlines
    // are then taken from a bitmap's canvas with the same font.
    std::unique_ptr<TBitmap> scratch;
    TCanvas* outlines = device;
    if (canvas.RecordingMetafile()) {
        scratch = std::make_unique<TBitmap>();
        scratch->SetSize(1, 1);
        outlines = scratch->Canvas();
        outlines->Font()->Assign(device->Font());
    }
    // The glyphs are written top-left at the origin; an angle turns them counter-clockwise.
    const unsigned align = outlines->TextAlign();
    const int orientation = outlines->Font()->Orientation();
    outlines->SetTextAlign(TA_LEFT | TA_TOP);
    if (FAngle != 0) outlines->Font()->SetOrientation(RoundToInt(FAngle * 10));
    bool built = false;
    try {
        built = TextOutlinePolygons(*outlines, RoundToInt(FPosition->X()),
                                    RoundToInt(FPosition->Y()), lineHeight, lines, FPolygons);
    } catch (...) {
        outlines->Font()->SetOrientation(orientation);
        outlines->SetTextAlign(align);
        throw;
    }
    outlines->Font()->SetOrientation(orientation);
    outlines->SetTextAlign(align);
    return built && !FPolygons.empty();
}

void TText3DTool::DrawGlyphPolygons(TCanvas3D& canvas) {
    TTurnedView turned(canvas, *FRotation);
    canvas.UseBrush(Brush());
    FHoles.assign(FPolygons.size(), false);
    for (size_t i = 0; i < FPolygons.size(); ++i)
        for (size_t j = 0; j < FPolygons.size() && !FHoles[i]; ++j)
            FHoles[i] = j != i && PolygonInsidePolygon(FPolygons[i], FPolygons[j]);

    const TTeeShadow* shadow = FFont->ShadowIfAny();
    if (shadow && shadow->Visible() && (shadow->HorizSize() != 0 || shadow->VertSize() != 0)) {
        // The shadow is the text moved by the shadow's size, all in the shadow's colour.
        canvas.UsePenWithColor(FFont->OutLine(), shadow->Color());
        MovePolygons(shadow->HorizSize(), shadow->VertSize());
        FillPolygons(canvas, shadow->Color(), shadow->Color());
        MovePolygons(-shadow->HorizSize(), -shadow->VertSize());
        canvas.UsePen(FFont->OutLine());
    }
    FillPolygons(canvas, Brush()->Color(), FFont->Color());
}

void TText3DTool::MovePolygons(int dx, int dy) {
    for (std::vector<TPoint>& polygon : FPolygons)
        for (TPoint& p : polygon) p = TPoint{p.X + dx, p.Y + dy};
}

void TText3DTool::FillPolygons(TCanvas3D& canvas, TColor fill, TColor back) {
    FFill = fill;
    FBack = back;
    canvas.UseBrushColors(Brush(), fill, back);
    const int z = RoundToInt(FPosition->Z());
    for (size_t i = 0; i < FPolygons.size(); ++i) {
        if (!FHoles[i])
            FillPolygon(canvas, i, z);
        else if (FFont->OutLine()->Visible())
            OutlinePolygon(canvas, FPolygons[i], z);
    }
}

void TText3DTool::FillPolygon(TCanvas3D& canvas, size_t index, int z) {
    const std::vector<TPoint>& polygon = FPolygons[index];
    const int last = int(polygon.size()) - 1;
    int clips = 0;
    for (size_t j = 0; j < FPolygons.size(); ++j) {
        if (j == index || !PolygonInsidePolygon(FPolygons[j], polygon)) continue;
        const TPointArray hole =
            canvas.ProjectPointArray(FPolygons[j], int(FPolygons[j].size()) - 1, z);
        canvas.ClipToPolygon(hole, int(hole.size()) - 1, true);
        ++clips;
    }
    const bool outlined = FFont->OutLine()->Visible();
    TTeePicture* picture = FFont->PictureIfAny();
    const TTeeFontGradient* gradient = FFont->GradientIfAny();
    if (picture && picture->Graphic()) {
        const TPointArray projected = canvas.ProjectPointArray(polygon, last, z);
        canvas.ClipToPolygon(projected, last, false);
        canvas.StretchDrawGraphic(BoundsOfPoints(projected), picture->FilteredGraphic());
        canvas.RemoveClipping();
        if (outlined) OutlinePolygon(canvas, polygon, z);
    } else if (gradient && gradient->Visible()) {
        gradient->DrawPolygon(canvas, polygon, last, ParentChart()->View3D(), z);
        if (outlined) OutlinePolygon(canvas, polygon, z);
    } else {
        canvas.DrawPolygonAtZ(polygon, last, z);
    }
    for (; clips > 0; --clips) canvas.RemoveClipping();
}

void TText3DTool::OutlinePolygon(TCanvas3D& canvas, const std::vector<TPoint>& polygon, int z) {
    canvas.Brush()->SetStyle(bsClear);
    canvas.DrawPolygonAtZ(polygon, int(polygon.size()) - 1, z);
    canvas.UseBrushColors(Brush(), FFill, FBack);
}
