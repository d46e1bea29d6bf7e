#include "chart/tools/annotation/AnnotationTool.h"

#include "chart/engine/AxisLabelFormat.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ShapeMargins.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/PointRoutines.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

const TEnumInfo& AnnotationPositionNames() {
    static const TEnumInfo names{"ppLeftTop", "ppLeftBottom", "ppRightTop", "ppRightBottom",
                                 "ppCenter"};
    return names;
}

const TEnumInfo& TeeUnitsNames() {
    static const TEnumInfo names{"muPercent", "muPixels"};
    return names;
}

TAnnotationTool::TAnnotationTool(TComponent* owner)
    : TTeeCustomTool(owner),
      FShape(std::make_unique<TTextShape>()),
      FCallout(std::make_unique<TAnnotationCallout>()) {}

TAnnotationTool::~TAnnotationTool() {
    // Leaves the chart while the shape and the callout still exist.
    SetParentChart(nullptr);
}

void TAnnotationTool::Refresh() {
    if (FParentChart)
        FParentChart->Invalidate();
    else
        FShape->Repaint();
}

void TAnnotationTool::SetPosition(TAnnotationPosition value) {
    if (value == FPosition) return;
    FPosition = value;
    FShape->SetCustomPosition(false);
    Refresh();
}

void TAnnotationTool::SetPositionUnits(TTeeUnits value) {
    if (value == FPositionUnits) return;
    FPositionUnits = value;
    Refresh();
}

void TAnnotationTool::SetWidth(int value) {
    if (value == FShape->Width()) return;
    FShape->SetAutoSize(false);
    FShape->SetWidth(value);
    Refresh();
}

void TAnnotationTool::SetHeight(int value) {
    if (value == FShape->Height()) return;
    FShape->SetAutoSize(false);
    FShape->SetHeight(value);
    Refresh();
}

void TAnnotationTool::SetLeft(int value) {
    const int width = FShape->Width();
    FShape->SetLeft(value);
    FShape->SetWidth(width);
}

void TAnnotationTool::SetTop(int value) {
    const int height = FShape->Height();
    FShape->SetTop(value);
    FShape->SetHeight(height);
}

void TAnnotationTool::SetParentChart(TCustomAxisPanel* value) {
    TTeeCustomTool::SetParentChart(value);
    // The destructor's call comes after the tool left its chart's list; the parts may be gone.
    if (ComponentState().Contains(csDestroying)) return;
    FShape->SetParentChart(value);
    FCallout->SetParentChart(value);
    Refresh();
}

TAnnotationLayout TAnnotationTool::CalcBoundsInRect(TCustomAxisPanel& chart, const TRect& rect) {
    TAnnotationLayout layout;
    TCanvas3D& canvas = *chart.Canvas3D();
    TTextShape& shape = *FShape;
    canvas.UseFont(shape.Font());
    std::string text = GetText();
    if (text.empty()) text.assign(1, ' ');
    const int lineHeight = canvas.MeasureLineHeight();
    const int textWidth = MultiLineTextWidth(canvas, text, layout.LineCount);
    const int textHeight = lineHeight * layout.LineCount;

    // The text's extent, and half the frame around it; a box of its own size at a position of
    // its own needs neither.
    int w = 0, h = 0, half = 0;
    if (!shape.CustomPosition() || shape.AutoSize()) {
        half = HalfFrameWidth(shape);
        w = textWidth + half;
        h = textHeight + half;
    }
    if (!shape.AutoSize()) {
        w = shape.Width();
        h = shape.Height();
    }
    const int rw = rect.Right - rect.Left + 1;
    const int rh = rect.Bottom - rect.Top + 1;
    TMargins& margins = *shape.Margins();
    margins.ComputePixels(w, h, lineHeight);
    const int hm = margins.HorizontalPixels();
    const int vm = margins.VerticalPixels();

    int x = 0, y = 0;
    if (shape.CustomPosition()) {
        if (FPositionUnits == muPixels) {
            x = shape.Left();
            y = shape.Top();
        } else {
            x = int(Round(shape.Left() * rw * 0.01L));
            y = int(Round(shape.Top() * rh * 0.01L));
        }
    } else {
        const int right = rect.Left + rw - w - hm;
        const int bottom = rect.Top + rh - h - vm;
        switch (FPosition) {
            case ppLeftTop:
                x = rect.Left + 10;
                y = rect.Top + 10;
                break;
            case ppLeftBottom:
                x = rect.Left + 10;
                y = bottom;
                break;
            case ppRightTop:
                x = right;
                y = rect.Top + 10;
                break;
            case ppRightBottom:
                x = right;
                y = bottom;
                break;
            case ppCenter:
                // The text alone is centred, without its margins.
                x = (rect.Left + rect.Right - textWidth) / 2;
                y = (rect.Top + rect.Bottom - textHeight) / 2;
                break;
        }
    }
    const int bw = shape.AutoSize() ? hm + w : shape.Width();
    const int bh = shape.AutoSize() ? vm + h : shape.Height();
    layout.Box = TRect{x, y, x + bw - 1, y + bh - 1};
    layout.TextX = x + half / 2;
    layout.TextY = y + half / 2;
    if (shape.AutoSize()) {
        const TRect& b = shape.ShapeBounds();
        shape.SetShapeBounds(TRect{b.Left, b.Top, b.Left + bw - 1, b.Top + bh - 1});
    }
    return layout;
}

TAnnotationLayout TAnnotationTool::CalcShapeBounds() {
    if (!FParentChart) return {};
    return CalcBoundsInRect(*FParentChart, FParentChart->GetPanelRect());
}

bool TAnnotationTool::Clicked(int x, int y) {
    if (!FParentChart) return false;
    return PointInRectXY(CalcShapeBounds().Box, x, y);
}

void TAnnotationTool::DrawAnnotation() {
    if (!FParentChart) return;
    // A descendant's text reaches the shape this way.
    FShape->SetText(GetText());
    const TAnnotationLayout layout = CalcShapeBounds();
    FShape->DrawShapeAndText(*FParentChart, layout.Box, layout.LineCount, TextHorizOffset());
    TAnnotationCallout& callout = *FCallout;
    if (!callout.Visible() && !callout.Arrow()->Visible()) return;
    TPoint from{callout.XPosition(), callout.YPosition()};
    const TPoint end = CalloutEndPoint(layout.Box, from);
    if (callout.Distance() != 0) from = PointBeforeEnd(end, from, callout.Distance());
    callout.Draw(clNone, from, TPoint{}, end, callout.ZPosition(), false);
}

void TAnnotationTool::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomTool::ChartDrawEvent(event);
    if (event != cteAfterDraw) return;
    if (OnBeforeDraw) OnBeforeDraw(this);
    DrawAnnotation();
    if (OnAfterDraw) OnAfterDraw(this);
}

void TAnnotationTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift,
                                      int x, int y) {
    TTeeCustomTool::ChartMouseEvent(kind, button, shift, x, y);
    if (!FParentChart || kind == cmeUp) return;
    if (kind == cmeDown) {
        if (!Clicked(x, y)) return;
        if (OnClick) OnClick(this, button, shift, x, y);
        if (shift.Contains(ssDouble) && OnDblClick) OnDblClick(this, button, shift, x, y);
    } else if (FShape->Cursor() != crDefault && Clicked(x, y)) {
        FParentChart->SetCursor(FShape->Cursor());
        FParentChart->SetCancelMouse(true);
    }
}

void TAnnotationTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TAnnotationTool*>(source)) {
        FCallout->Assign(other->FCallout.get());
        FPosition = other->FPosition;
        FPositionUnits = other->FPositionUnits;
        FShape->Assign(other->FShape.get());
    }
    TTeeCustomTool::Assign(source);
}

void TAnnotationTool::Publish(TPublisher<TAnnotationTool>& p) {
    using T = TAnnotationTool;
    const auto sized = [](const T& t) { return !t.AutoSize(); };
    p.Boolean("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(true);
    p.Object("Callout", &T::Callout, &T::SetCallout);
    p.Boolean("ClipText", &T::ClipText, &T::SetClipText).Default(true);
    p.Integer("Cursor", &T::Cursor, &T::SetCursor)
        .Default(crDefault)
        .Idents(CursorIdentConverter());
    p.Enumeration("Position", AnnotationPositionNames(), &T::Position, &T::SetPosition)
        .Default(ppLeftTop);
    p.Enumeration("PositionUnits", TeeUnitsNames(), &T::PositionUnits, &T::SetPositionUnits)
        .Default(muPixels);
    p.Object("Shape", &T::Shape, &T::SetShape);
    p.String("Text", &T::Text, &T::SetText);
    p.Enumeration("TextAlignment", AlignmentNames(), &T::TextAlignment, &T::SetTextAlignment)
        .Default(taLeftJustify);
    p.Integer("Height", &T::Height, &T::SetHeight).NoDefault().Stored(sized);
    p.Integer("Left", &T::Left, &T::SetLeft).Stored(false);
    p.Integer("Top", &T::Top, &T::SetTop).Stored(false);
    p.Integer("Width", &T::Width, &T::SetWidth).NoDefault().Stored(sized);
}
