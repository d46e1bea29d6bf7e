#include "platform/ui/CustomControl.h"

#include <QPainter>
#include <QWidget>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/PaintSurface.h"

namespace {
// The background under what Paint draws.
void EraseSurface(TPaintSurface& surface, TColor color) {
    if (color == clNone) return;
    TBitmap& bitmap = surface.Bitmap();
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

// The parent's own painting under the widget, without its other children: a see-through
// control shows its parent's face, not the siblings that happen to lie beneath it.
void CopyParentBehind(TPaintSurface& surface, QWidget* widget) {
    QWidget* parent = widget->parentWidget();
    if (!parent) return;
    QPainter painter(&surface.Bitmap().Image());
    const QRect area = widget->geometry();
    parent->render(&painter, QPoint(0, 0), QRegion(area), QWidget::DrawWindowBackground);
}
}  // namespace

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner, TPaintSurface::NewWidget()),
      FSurface(std::make_unique<TPaintSurface>(Widget(), [this] { PaintSurface(); })) {
    Widget()->setFocusPolicy(Qt::StrongFocus);
    SetBounds(0, 0, 100, 100);
}

TCustomControl::~TCustomControl() = default;

TCanvas* TCustomControl::Canvas() { return FSurface->Canvas(); }
TCanvas* TCustomControl::CanvasAsIs() { return FSurface->CanvasAsIs(); }
void TCustomControl::Invalidate() { FSurface->Invalidate(); }
void TCustomControl::Repaint() { FSurface->Repaint(); }

void TCustomControl::SetSeeThrough(bool value) {
    if (value == FSeeThrough) return;
    FSeeThrough = value;
    Invalidate();
}

void TCustomControl::PaintSurface() {
    if (FSeeThrough) CopyParentBehind(*FSurface, Widget());
    Fire([this] {
        EraseBackground();
        Paint();
    });
}

void TCustomControl::EraseBackground() { EraseSurface(*FSurface, Color()); }

void TCustomControl::Paint() {
    if (OnPaint) OnPaint(this);
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner, TPaintSurface::NewWidget()),
      FSurface(std::make_unique<TPaintSurface>(Widget(), [this] { PaintSurface(); })) {
    SetBounds(0, 0, 100, 100);
}

TGraphicControl::~TGraphicControl() = default;

TCanvas* TGraphicControl::Canvas() { return FSurface->Canvas(); }
void TGraphicControl::Invalidate() { FSurface->Invalidate(); }
void TGraphicControl::Repaint() { FSurface->Repaint(); }

void TGraphicControl::PaintSurface() {
    EraseSurface(*FSurface, Color());
    Fire([this] { Paint(); });
}

void TGraphicControl::Paint() {
    if (OnPaint) OnPaint(this);
}

TPaintBox::TPaintBox(TComponent* owner) : TGraphicControl(owner) {}
TPaintBox::~TPaintBox() = default;
