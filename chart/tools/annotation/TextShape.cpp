#include "chart/tools/annotation/TextShape.h"

#include <algorithm>

#include "chart/engine/AxisLabelFormat.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ShapeMargins.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"

namespace {

// Takes the shape's clip away on every path out of the drawing.
class TClipScope {
public:
    TClipScope(TTeeCanvas& canvas, const TRect& rect, bool clip) : FCanvas(canvas), FClipped(clip) {
        if (clip) canvas.ClipToRectangle(rect);
    }
    ~TClipScope() {
        if (FClipped) FCanvas.RemoveClipping();
    }
    TClipScope(const TClipScope&) = delete;
    TClipScope& operator=(const TClipScope&) = delete;

private:
    TTeeCanvas& FCanvas;
    bool FClipped;
};

}  // namespace

std::string ShapeDrawnText(const std::string& text) {
    std::string drawn;
    drawn.reserve(text.size());
    for (char c : text)
        if (c != '\n') drawn.push_back(c);
    if (drawn.empty()) drawn.assign(1, ' ');
    return drawn;
}

int HalfFrameWidth(const TTeeCustomShape& shape) {
    const TChartPen* frame = shape.Pen();
    return frame->Visible() ? (frame->Width() + 1) / 2 : 0;
}

TTextShape::TTextShape(TCustomTeePanel* panel)
    : TTeeShapePosition(panel), FMargins(std::make_unique<TMargins>(this)) {}

TTextShape::~TTextShape() = default;

void TTextShape::SetMargins(const TMargins* value) { FMargins->Assign(value); }

void TTextShape::CalcAutoBounds(TCustomAxisPanel* chart) {
    if (!chart) return;
    TCanvas3D& canvas = *chart->Canvas3D();
    canvas.UseFont(Font());
    const int h = canvas.MeasureLineHeight();
    std::string text = FText;
    if (text.empty()) text.assign(1, ' ');
    const int w = MultiLineTextWidth(canvas, text, FLineCount);
    const int height = FLineCount * h;
    int half = HalfFrameWidth(*this);
    if (ShapeStyle() == fosRoundRectangle) half += h * RoundSize() / 100;
    FMargins->ComputePixels(w + half, half + height, h);
    SetShapeBounds(TRect{0, 0, w + half + FMargins->HorizontalPixels() - 1,
                         FMargins->VerticalPixels() + half + height - 1});
}

void TTextShape::DrawShapeAndText(TCustomAxisPanel& chart, const TRect& box, int lineCount,
                                  int xOffset) {
    TCanvas3D& canvas = *chart.Canvas3D();
    const TRect& origin = chart.DrawingRect();
    const TRect r{box.Left + origin.Left, box.Top + origin.Top, box.Right + origin.Left,
                  box.Bottom + origin.Top};
    if (Visible()) DrawOnPanel(&chart, r, 0, 0);
    const TClipScope clip(canvas, r, FClipText);
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBackgroundMode(TRANSPARENT);
    const TRect& margin = FMargins->Pixels();
    int x = 0;
    switch (FTextAlignment) {
        case taLeftJustify:
            canvas.SetTextAlignment(TA_LEFT);
            x = r.Left + margin.Left + (Pen()->Visible() ? Pen()->Width() : 0);
            break;
        case taCenter:
            canvas.SetTextAlignment(TA_CENTER);
            x = (r.Left + margin.Left + r.Right - margin.Right) / 2 + 1;
            break;
        case taRightJustify:
            canvas.SetTextAlignment(TA_RIGHT);
            x = r.Right - margin.Right;
            break;
    }
    canvas.UseFont(Font());
    const int h = canvas.MeasureLineHeight();
    const std::string text = ShapeDrawnText(FText);
    const bool markup = TextFormat() == ttfHtml;
    size_t start = 0;
    for (int i = 0; i < lineCount && start <= text.size(); ++i) {
        size_t end = text.find(LineSeparator, start);
        if (end == std::string::npos) end = text.size();
        canvas.DrawTextOrMarkup(xOffset + x, r.Top + margin.Top + i * h, markup,
                                std::string_view(text).substr(start, end - start));
        start = end + 1;
    }
    canvas.SetTextAlignment(TA_LEFT);
}

void TTextShape::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TTextShape*>(source)) {
        FAutoSize = other->FAutoSize;
        FClipText = other->FClipText;
        FCursor = other->FCursor;
        FMargins->Assign(other->FMargins.get());
        FText = other->FText;
        FTextAlignment = other->FTextAlignment;
    }
    TTeeShapePosition::Assign(source);
    // The box's size is a setting of its own (an annotation of a fixed size keeps it there).
    if (auto* other = dynamic_cast<const TTextShape*>(source)) SetShapeBounds(other->ShapeBounds());
}

void TTextShape::Publish(TPublisher<TTextShape>& p) {
    using T = TTextShape;
    p.Object("Margins", &T::Margins, &T::SetMargins);
    p.Enumeration("TextFormat", TextFormatNames(), &T::TextFormat, &T::SetTextFormat)
        .Default(ttfNormal);
}
