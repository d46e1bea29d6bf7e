#pragma once
// The 13 x 13 check-box and radio-button glyphs of the classic look, drawn pixel by pixel by our
// own code so that they are the same on every machine (legend check boxes, owner-drawn lists):
// a sunken two-pixel edge, the window-coloured inside (button face while pressed or disabled),
// and the mark in window text, or in the shadow colour when grayed or disabled.
class TCanvas;

inline constexpr int CheckGlyphSize = 13;

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// The glyph with its top-left corner at (x, y). Grayed shows the mark dimmed on the face colour.
void DrawCheckBoxGlyph(TCanvas& canvas, int x, int y, TCheckBoxState state, bool enabled = true,
                       bool pressed = false);
void DrawRadioGlyph(TCanvas& canvas, int x, int y, bool checked, bool enabled = true,
                    bool pressed = false);
