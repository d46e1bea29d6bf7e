#include "chart/foundation/BackImage.h"

#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/TeePanelExtended.h"
#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& BackImageModeNames() {
    static const TEnumInfo names{"pbmStretch", "pbmTile", "pbmCenter", "pbmCustom"};
    return names;
}

TBackImage::TBackImage() = default;
TBackImage::~TBackImage() = default;

void TBackImage::Publish(TPublisher<TBackImage>& p) {
    using T = TBackImage;
    p.Boolean("Inside", &T::Inside, &T::SetInside).Default(false);
    p.Integer("Left", &T::Left, &T::SetLeft).Default(0);
    p.Enumeration("Mode", BackImageModeNames(), &T::Mode, &T::SetMode).Default(pbmStretch);
    p.Integer("Top", &T::Top, &T::SetTop).Default(0);
}

void TBackImage::SetInside(bool value) {
    if (AssignIfChanged(FInside, value)) NotifyChanged();
}
void TBackImage::SetLeft(int value) {
    if (AssignIfChanged(FLeft, value)) NotifyChanged();
}
void TBackImage::SetMode(TTeeBackImageMode value) {
    if (AssignIfChanged(FMode, value)) NotifyChanged();
}
void TBackImage::SetTop(int value) {
    if (AssignIfChanged(FTop, value)) NotifyChanged();
}

void TBackImage::Assign(const TPersistent* source) {
    if (const auto* image = dynamic_cast<const TBackImage*>(source)) {
        FInside = image->FInside;
        FLeft = image->FLeft;
        FMode = image->FMode;
        FTop = image->FTop;
    }
    TTeePicture::Assign(source);
}

namespace {

// Rect seen at depth Z on an orthogonal view; a 2-D panel's picture starts one row lower, as
// its frame does.
TRect ProjectedAt(TCanvas3D& c, const TCustomTeePanel& Panel, const TRect& Rect, int Z) {
    TRect r = c.ProjectRect(Rect, Z);
    if (!Panel.View3D()) ++r.Top;
    return r;
}

}  // namespace

void DrawPictureInRect(TBackImage& Image, TCustomTeePanel& Panel, const TRect& Rect, int Z) {
    TGraphic* g = Image.FilteredGraphic();
    if (!g) return;
    TCanvas3D& c = *Panel.Canvas3D();
    // A 2-D surface projects nothing, so it counts as orthogonal.
    const bool ortho = c.OrthoProjection() || !Panel.View3D();
    if (Image.Mode() == pbmStretch) {
        if (Z < 1)
            c.StretchDrawGraphic(Rect, g);
        else if (ortho)
            c.StretchDrawGraphic(ProjectedAt(c, Panel, Rect, Z), g);
        else
            c.DrawPictureOnPlane(Rect, g, cpZ, Z);
        return;
    }

    const bool clip = Panel.ClipAllowed();
    if (clip) {
        if (Z == 0)
            c.ClipToRectangle(Rect);
        else
            c.ClipToCube(Rect, 0, Panel.Width3D());
    }
    const TRect r = Z > 0 && ortho ? ProjectedAt(c, Panel, Rect, Z) : Rect;
    const int pw = Image.Width();
    const int ph = Image.Height();
    // At depth on a turned view each copy is mapped onto the front plane instead.
    const bool onPlane = Z > 0 && !ortho;
    auto place = [&](int x, int y) {
        if (onPlane)
            c.DrawPictureOnPlane(TRect{x, y, x + pw, y + ph}, g, cpZ, Z);
        else
            c.DrawGraphic(x, y, g);
    };
    if (Image.Mode() == pbmTile) {
        if (pw > 0 && ph > 0)
            for (int y = 0; y < r.Bottom - r.Top; y += ph)
                for (int x = 0; x < r.Right - r.Left; x += pw) place(r.Left + x, r.Top + y);
    } else {
        if (auto* extended = dynamic_cast<TCustomTeePanelExtended*>(&Panel))
            extended->FillPanelBackground(Rect);
        // The centred image grows Rect by half the difference on each side.
        const TPoint at = Image.Mode() == pbmCustom
                              ? TPoint{r.Left + Image.Left(), r.Top + Image.Top()}
                              : TPoint{r.Left - (pw - (r.Right - r.Left)) / 2,
                                       r.Top - (ph - (r.Bottom - r.Top)) / 2};
        place(at.X, at.Y);
    }
    if (clip) c.RemoveClipping();
}
