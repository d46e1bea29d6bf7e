// Small drawing helpers the drawing pass and the legend use.
#include <span>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/PointRoutines.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Pen.h"

bool TCustomAxisPanel::IsSeenFromBehindAt(int z) {
    TCanvas3D* canvas = Canvas3D();
    if (canvas->SupportsFreeRotation()) return false;
    const auto corners = canvas->ProjectRectCorners(ChartRect(), z);
    return !IsCulledTriangle(std::span<const TPoint>(corners.data(), 3));
}

void TCustomAxisPanel::DrawLegendSymbolRect(const TRect& rect) {
    TCanvas3D* canvas = Canvas3D();
    canvas->DrawRectangleFromRect(rect);
    TBrush* brush = canvas->Brush();
    if (brush->Color() != LegendBackColor) return;
    // Invisible on the legend: drawn again hollow, in white when the fill was black.
    TPen* pen = canvas->Pen();
    const TColor penColor = pen->Color();
    if (brush->Color() == clBlack) pen->SetColor(clWhite);
    brush->SetStyle(bsClear);
    canvas->DrawRectangleFromRect(rect);
    pen->SetColor(penColor);
}
