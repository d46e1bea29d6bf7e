// Fonts of the enhanced controls: turned copies, whether a font can turn, the edit's height;
// and the redraw of a control's own frame.
#include "controls/RzCommon.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/TextMeasurer.h"
#include "platform/ui/Control.h"
#include "platform/ui/OverlayPainter.h"

std::unique_ptr<TFont> CreateAngledFont(const TFont& font, int angle) {
    auto turned = std::make_unique<TFont>();
    turned->Assign(&font);
    turned->SetOrientation(angle * 10);
    return turned;
}

bool IsTrueTypeFont(const TFont& font) { return IsOutlineFont(font); }

int EditHeightForFont(const TFont& font) { return FontTextMeasurer().Metrics(font).Height() + 2; }

// The frame is drawn over the control (see OverlayPainter.h): redrawing it redraws the whole
// frame, whatever part of it the rectangle names.
void RefreshNonClientFrame(TControl& control, const TRect&) {
    if (!control.Showing()) return;
    InvalidateOverlay(control);
}
