#include "chart/tools/legend/TeeScrollBar.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeePanel.h"
#include "chart/foundation/TeeShape.h"
#include "chart/tools/legend/ScrollBarThumb.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/Timer.h"

namespace {

// The interval a held button repeats at once the first delay is over.
constexpr int RepeatInterval = 50;

bool Inside(const TRect& r, TPoint p) { return PointInRectXY(r, p.X, p.Y); }

}  // namespace

const TEnumInfo& ScrollBarDrawStyleNames() {
    static const TEnumInfo names{"dsAlways", "dsWhenNeeded"};
    return names;
}

TTeeScrollBar::TTeeScrollBar(TComponent* owner)
    : TTeeCustomTool(owner),
      FThumb(std::make_unique<TScrollBarThumb>(this)),
      FArrowBrush(std::make_unique<TChartBrush>(StyleChangedEvent())),
      FGradient(std::make_unique<TTeeGradient>(StyleChangedEvent())) {
    Brush()->SetColor(clWhite);
    Brush()->SetBackColor(clScrollBar);
    Pen()->SetColor(clWindowFrame);
}

TTeeScrollBar::~TTeeScrollBar() = default;

// --- Settings.

void TTeeScrollBar::SetArrowBrush(const TChartBrush* value) { FArrowBrush->Assign(value); }
void TTeeScrollBar::SetGradient(const TTeeGradient* value) { FGradient->Assign(value); }
void TTeeScrollBar::SetThumb(const TScrollBarThumb* value) { FThumb->Assign(value); }
TChartBrush* TTeeScrollBar::ThumbBrush() const { return FThumb->Brush(); }
void TTeeScrollBar::SetThumbBrush(const TChartBrush* value) { FThumb->SetBrush(value); }
int TTeeScrollBar::ThumbSize() const { return FThumb->Size(); }
void TTeeScrollBar::SetThumbSize(int value) { FThumb->SetSize(value); }
TColor TTeeScrollBar::BackColor() const { return Brush()->BackColor(); }
void TTeeScrollBar::SetBackColor(TColor value) { Brush()->SetBackColor(value); }
void TTeeScrollBar::SetBevel(TBevelCut value) { ChangeField(FBevel, value); }
void TTeeScrollBar::SetDrawStyle(TTeeScrollBarDrawStyle value) { ChangeField(FDrawStyle, value); }
void TTeeScrollBar::SetMinThumbSize(int value) { ChangeField(FMinThumbSize, value); }

void TTeeScrollBar::SetSize(int value) {
    if (value == FSize) return;
    FSize = value;
    Repaint();
    if (OnChangeSize) OnChangeSize(this);
}

void TTeeScrollBar::SetSizeQuietly(int value) { FSize = value; }

void TTeeScrollBar::SetParentChart(TCustomAxisPanel* value) {
    TTeeCustomTool::SetParentChart(value);
    Repaint();
}

// --- What is scrolled.

int TTeeScrollBar::TrackLength() const {
    const TRect bar = Parts().Bar;
    return (FHorizontal ? bar.Right - bar.Left : bar.Bottom - bar.Top) - 2 * FSize;
}

double TTeeScrollBar::PixelsToPosition(int a, int b) {
    // A bar shorter than its two buttons has no track to drag along.
    const int track = TrackLength();
    if (a == b || track <= 0) return 0;
    const double d = double(Max()) * std::abs(a - b) / track;
    return a < b ? -d : d;
}

int TTeeScrollBar::PageSize() { return FPageSize; }
int TTeeScrollBar::PageStep() { return PageSize() / 4; }
int TTeeScrollBar::Position() { return FPosition; }

void TTeeScrollBar::SetPosition(int value) {
    ChangeField(FPosition, value);
    if (OnSetPosition) OnSetPosition(this, value);
}

bool TTeeScrollBar::CalcBounds(TRect&) { return Max() > 0; }
int TTeeScrollBar::Max() { return FMax; }

// --- Geometry.

TScrollBarParts TTeeScrollBar::Parts() const {
    const TRect& r = FBounds;
    const int s = FSize;
    if (FHorizontal)
        return {TRect{r.Left, r.Bottom, r.Right, r.Bottom + s},
                TRect{r.Left, r.Bottom, r.Left + s, r.Bottom + s},
                TRect{r.Right - s, r.Bottom, r.Right, r.Bottom + s}};
    return {TRect{r.Right - s - 1, r.Top, r.Right, r.Bottom},
            TRect{r.Right - s - 1, r.Top, r.Right, r.Top + s},
            TRect{r.Right - s - 1, r.Bottom - s, r.Right, r.Bottom}};
}

TRect TTeeScrollBar::ThumbRect() const {
    if (!HasThumb()) return {};
    const TRect& r = FBounds;
    if (!FHorizontal) return TRect{r.Right - FSize, FThumbStart, r.Right, FThumbEnd};
    TRect thumb{FThumbStart, r.Bottom + 1, FThumbEnd, r.Bottom + FSize - 1};
    if (thumb.Right - thumb.Left < 2) ++thumb.Right;
    return thumb;
}

std::array<TPoint, 3> TTeeScrollBar::FirstArrow() const {
    const TScrollBarParts parts = Parts();
    const int s = FSize, q = s / 6;
    const int l = parts.FirstButton.Left, t = parts.FirstButton.Top, b = parts.FirstButton.Bottom;
    if (FHorizontal)
        return {TPoint{l + q, t + s / 2}, TPoint{l + s - q, t + q}, TPoint{l + s - q, b - q}};
    return {TPoint{l + q, t + s - 2 * q}, TPoint{l + s / 2, t + q},
            TPoint{l + s - q, t + s - 2 * q}};
}

std::array<TPoint, 3> TTeeScrollBar::SecondArrow() const {
    const TScrollBarParts parts = Parts();
    const int s = FSize, q = s / 6;
    if (FHorizontal) {
        const int rt = parts.SecondButton.Right;
        const int t = parts.SecondButton.Top, b = parts.SecondButton.Bottom;
        return {TPoint{rt - q, t + s / 2}, TPoint{rt + q - s, t + q}, TPoint{rt + q - s, b - q}};
    }
    const int l = parts.FirstButton.Left, bottom = FBounds.Bottom;
    return {TPoint{l + q, bottom - s + 2 * q}, TPoint{l + s / 2, bottom - q},
            TPoint{l + s - q, bottom - s + 2 * q}};
}

// --- Drawing.

void TTeeScrollBar::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomTool::ChartDrawEvent(event);
    if (event != cteAfterDraw || !FParentChart) return;
    TRect bounds = FBounds;
    if (!CalcBounds(bounds)) {
        // A bar not drawn has no thumb to press.
        FThumbStart = FThumbEnd = 0;
        return;
    }
    FBounds = bounds;
    DrawBar();
}

void TTeeScrollBar::DrawBar() {
    TCanvas3D& c = *FParentChart->Canvas3D();
    const TScrollBarParts parts = Parts();
    c.UseBrush(Brush());
    c.UsePen(Pen());
    if (FGradient->Visible()) {
        FGradient->DrawInRect(c, parts.Bar);
        c.Brush()->SetStyle(bsClear);
    }
    c.DrawRectangleFromRect(parts.Bar);
    c.UseBrush(Brush());
    c.DrawRectangleFromRect(parts.FirstButton);
    c.DrawRectangleFromRect(parts.SecondButton);
    DrawArrows();

    FThumbStart = FThumbEnd = 0;
    const int max = Max();
    const int track = TrackLength();
    // No thumb on a bar with nothing to scroll or too short for its two buttons.
    if (max == 0 || track <= 0) return;
    double scale;
    int length;
    if (FThumb->Size() != 0) {
        length = FThumb->Size();
        scale = double(track) / std::max(1, max - PageSize() + 1);
    } else {
        scale = double(track) / max;
        length = std::max(int(Round(PageSize() * scale)), FMinThumbSize);
    }
    const int start = FHorizontal ? FBounds.Left : FBounds.Top;
    FThumbStart = start + int(Round(Position() * scale)) + FSize;
    FThumbEnd = FThumbStart + length + 1;
    DrawThumb(ThumbRect());
}

void TTeeScrollBar::DrawArrows() {
    TCanvas3D& c = *FParentChart->Canvas3D();
    c.Pen()->SetStyle(psClear);
    const auto fill = [&](bool grey, const std::array<TPoint, 3>& arrow) {
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(grey ? clGray : FArrowBrush->Color());
        c.DrawPolygon(arrow, 2);
    };
    fill(FPressedFirst || Position() == 0, FirstArrow());
    fill(FPressedSecond || Position() == Max() - PageSize(), SecondArrow());
    FFirstHighlighted = FSecondHighlighted = false;
}

void TTeeScrollBar::DrawThumb(TRect thumb) {
    TCanvas3D& c = *FParentChart->Canvas3D();
    TRect less{thumb.Left, thumb.Top, thumb.Right, thumb.Bottom - 1};
    if (TGraphic* picture = FThumb->Image()->FilteredGraphic(); picture && !picture->Empty()) {
        c.StretchDrawGraphic(less, picture);
    } else if (FThumb->Gradient()->Visible()) {
        FThumb->Gradient()->DrawInRect(c, less);
    } else {
        c.UseBrush(FThumb->Brush());
        c.UsePen(Pen());
        c.DrawRectangleFromRect(thumb);
    }
    if (FBevel != bvNone) PaintBevel(c, FBevel, less, 0, 1);
}

void TTeeScrollBar::DrawHover(const std::array<TPoint, 3>& arrow) {
    TCanvas3D& c = *FParentChart->Canvas3D();
    TPen& pen = *c.Pen();
    pen.SetStyle(psSolid);
    pen.SetColor(clWhite);
    pen.SetWidth(2);
    pen.SetMode(pmXor);
    c.Brush()->SetStyle(bsClear);
    c.DrawPolygon(arrow, 2);
    pen.SetMode(pmCopy);
}

// --- Mouse.

void TTeeScrollBar::ChartMouseEvent(TChartMouseEvent kind, TMouseButton, TShiftState, int x,
                                    int y) {
    if (!FParentChart) return;
    switch (kind) {
        case cmeDown:
            MouseDown(TPoint{x, y});
            break;
        case cmeMove:
            MouseMove(TPoint{x, y});
            break;
        case cmeUp:
            MouseUp();
            break;
    }
}

void TTeeScrollBar::MouseDown(TPoint p) {
    FLastPoint = p;
    FDraggingThumb = FPressedFirst = FPressedSecond = false;
    const TScrollBarParts parts = Parts();
    double step = 0;
    if (Inside(parts.FirstButton, p)) {
        FPressedFirst = true;
        step = -1;
    } else if (Inside(parts.SecondButton, p)) {
        FPressedSecond = true;
        step = 1;
    } else if (HasThumb() && Inside(ThumbRect(), p)) {
        FDraggingThumb = true;
        return;
    } else if (Inside(parts.Bar, p)) {
        const int a = AlongBar(p);
        if (a < FThumbStart)
            step = -PageStep();
        else if (a > FThumbEnd)
            step = PageStep();
    } else {
        return;
    }
    ScrollBy(step, true);
}

void TTeeScrollBar::ScrollBy(double step, bool press) {
    const int position = Position();
    const int last = Max() - PageSize();
    double target;
    if (step >= 0) {
        target = last > position + step - 1 ? position + step : last;
    } else {
        const double e = std::max(step, -double(position));
        if (e + 1 >= position) return;
        target = position + e;
    }
    SetPosition(int(Round(target)));
    if (OnScrolled) OnScrolled(this);
    if (!press || !FRepeatAllowed || !FAutoRepeat) return;
    if (!FRepeatTimer) {
        FRepeatTimer = std::make_unique<TTimer>(nullptr);
        FRepeatTimer->SetEnabled(false);
        FRepeatTimer->OnTimer = [this](TObject*) { RepeatTick(); };
    }
    FRepeatTimer->SetInterval(FInitialDelay);
    FRepeatTimer->SetEnabled(true);
}

void TTeeScrollBar::RepeatTick() {
    MouseDown(FLastPoint);
    if (FRepeatTimer->Interval() > RepeatInterval) FRepeatTimer->SetInterval(RepeatInterval);
}

void TTeeScrollBar::MouseMove(TPoint p) {
    if (FDraggingThumb) {
        const double d = PixelsToPosition(AlongBar(p), AlongBar(FLastPoint));
        if (std::abs(d) >= 1) {
            ScrollBy(d, false);
            FLastPoint = p;
        }
        return;
    }
    const TScrollBarParts parts = Parts();
    const bool overFirst = Inside(parts.FirstButton, p);
    if (overFirst && Position() > 0 && !FFirstHighlighted) {
        DrawHover(FirstArrow());
        FFirstHighlighted = true;
    } else if (!overFirst && FFirstHighlighted) {
        DrawHover(FirstArrow());
        FFirstHighlighted = false;
    }
    const bool overSecond = Inside(parts.SecondButton, p);
    if (overSecond && Position() < Max() - PageSize() && !FSecondHighlighted) {
        DrawHover(SecondArrow());
        FSecondHighlighted = true;
    } else if (!overSecond && FSecondHighlighted) {
        DrawHover(SecondArrow());
        FSecondHighlighted = false;
    }
}

void TTeeScrollBar::MouseUp() {
    FDraggingThumb = FPressedFirst = FPressedSecond = false;
    FRepeatAllowed = true;
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
    Repaint();
}

// --- Streaming.

void TTeeScrollBar::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TTeeScrollBar*>(source)) {
        FArrowBrush->Assign(other->FArrowBrush.get());
        FAutoRepeat = other->FAutoRepeat;
        SetBackColor(other->BackColor());
        FBevel = other->FBevel;
        FDrawStyle = other->FDrawStyle;
        FGradient->Assign(other->FGradient.get());
        FInitialDelay = other->FInitialDelay;
        FMinThumbSize = other->FMinThumbSize;
        FSize = other->FSize;
        FThumb->Assign(other->FThumb.get());
    }
    TTeeCustomTool::Assign(source);
}

void TTeeScrollBar::Publish(TPublisher<TTeeScrollBar>& p) {
    using T = TTeeScrollBar;
    p.Object("ArrowBrush", &T::ArrowBrush, &T::SetArrowBrush);
    p.Boolean("AutoRepeat", &T::AutoRepeat, &T::SetAutoRepeat).Default(true);
    p.Color("BackColor", &T::BackColor, &T::SetBackColor).Default(clScrollBar);
    p.Enumeration("Bevel", BevelCutNames(), &T::Bevel, &T::SetBevel).Default(bvRaised);
    p.Object("Brush", &T::Brush, &T::SetBrush);
    p.Enumeration("DrawStyle", ScrollBarDrawStyleNames(), &T::DrawStyle, &T::SetDrawStyle)
        .Default(dsAlways);
    p.Object("Gradient", &T::Gradient, &T::SetGradient);
    p.Integer("InitialDelay", &T::InitialDelay, &T::SetInitialDelay).Default(250);
    p.Integer("MinThumbSize", &T::MinThumbSize, &T::SetMinThumbSize).Default(4);
    p.Object("Pen", &T::Pen, &T::SetPen);
    p.Integer("Size", &T::Size, &T::SetSize).Default(18);
    p.Object("Thumb", &T::Thumb, &T::SetThumb);
    p.Object("ThumbBrush", &T::ThumbBrush, &T::SetThumbBrush).Stored(false);
    p.Integer("ThumbSize", &T::ThumbSize, &T::SetThumbSize).Stored(false);
}
