// The gradient editor's preview and the gradient button's symbol onto real pixels, compared with
// a reference image checked in beside this file (ReferenceImage.h says how it is compared and
// rewritten): a three-colour gradient in the preview, then the symbols of a visible gradient
// (black frame) and of a hidden one (grey frame).
#include <gtest/gtest.h>

#include "chart/editors/GradientEditor.h"
#include "chart/editors/PreviewGradient.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "tests/chart/engine/ReferenceImage.h"

namespace {

// The button's symbol as the button paints it over itself.
struct TProbeButton : TButtonGradient {
    using TButtonGradient::TButtonGradient;
    void PaintSymbol(TBitmap& bitmap) {
        TTeeCanvas3D surface;
        surface.BindCanvas(bitmap.Canvas());
        DrawSymbol(surface);
    }
};

TEST(GradientPixels, PreviewAndButtonSymbolsMatchTheReference) {
    constexpr int Width = 100;
    TBitmap actual(Width, 120);
    actual.SetPixelFormat(pf24bit);

    TComponent owner(nullptr);
    auto* preview = new TPreviewGradient(&owner);
    preview->SetBounds(0, 0, Width, 70);
    TTeeGradient* shown = preview->Gradient();
    shown->SetVisible(true);
    shown->SetDirection(gdLeftRight);
    shown->SetStartColor(RGB(200, 0, 0));
    shown->SetMidColor(RGB(255, 255, 255));
    shown->SetEndColor(RGB(0, 0, 160));
    preview->Draw(actual.Canvas(), TRect{0, 0, Width, 70});

    TTeeGradient gradient;
    gradient.SetStartColor(RGB(0, 128, 0));
    gradient.SetEndColor(RGB(255, 255, 0));
    auto* button = new TProbeButton(&owner);
    button->SetBounds(0, 0, Width, 25);
    button->LinkGradient(&gradient);
    for (int row = 0; row < 2; ++row) {
        gradient.SetVisible(row == 0);
        TBitmap symbol(Width, 25);
        symbol.SetPixelFormat(pf24bit);
        button->PaintSymbol(symbol);
        actual.Canvas()->Draw(0, 70 + 25 * row, &symbol);
    }
    ExpectMatchesReference(actual, "GradientPixels.bmp", [](int, int) { return false; });
}

}  // namespace
