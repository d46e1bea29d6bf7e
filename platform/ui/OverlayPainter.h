#pragma once
// Drawing over a control after it drew itself, for controls that paint their own border over
// the toolkit's (the framed edits). The painter gets a canvas of the control's size; what it
// leaves untouched stays see-through. Mouse input passes through to the control.
#include <functional>

class TCanvas;
class TControl;

using TOverlayPainter = std::function<void(TCanvas& canvas)>;

// Installs painter over control, replacing any before; an empty painter removes it.
void SetOverlayPainter(TControl& control, TOverlayPainter painter);
// Repaints the overlay of control (nothing when it has none).
void InvalidateOverlay(TControl& control);
