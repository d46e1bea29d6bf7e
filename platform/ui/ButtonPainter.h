#pragma once
// The look shared by bitmap buttons and speed buttons, drawn by our own code on a canvas: the
// raised or sunken face, the glyph and the caption placed by Layout, Margin and Spacing.
//
// A glyph bitmap holds NumGlyphs images side by side: up, disabled, clicked, down (held). A
// missing image falls back to the up image; a missing disabled image is drawn greyed. The
// glyph's bottom-left pixel is its see-through colour.
#include <string>

#include "platform/graphics/Colors.h"
#include "platform/graphics/Geometry.h"

class TBitmap;
class TCanvas;
class TEnumInfo;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

const TEnumInfo& ButtonLayoutNames();

struct TButtonLook {
    std::string Caption;  // "&" marks the access key, "&&" is an ampersand
    const TBitmap* Glyph = nullptr;
    int NumGlyphs = 1;
    TButtonLayout Layout = blGlyphLeft;
    int Margin = -1;  // from the edge on the glyph's side to the glyph; -1 centres the whole
    int Spacing = 4;  // between glyph and caption; -1 centres the caption in what is left
    TButtonState State = bsUp;
    bool Flat = false;     // a face without edges unless hot or down
    bool Hot = false;      // the mouse is over it
    bool Default = false;  // framed as the form's default button
};

// Where the glyph's top-left corner and the caption's box go in client.
struct TButtonParts {
    TPoint GlyphPos;
    TRect TextRect;
};
TButtonParts PlaceButtonParts(const TRect& client, TSize glyph, TSize text, TButtonLayout layout,
                              int margin, int spacing);

// The caption as shown: access-key marks taken out.
std::string ButtonCaptionText(const std::string& caption);

// Draws the whole button into client; the canvas's font is the caption's.
void DrawButton(TCanvas& canvas, const TRect& client, const TButtonLook& look);
// One image of a glyph strip at (x, y), see-through where the glyph has its bottom-left colour.
void DrawButtonGlyph(TCanvas& canvas, const TBitmap& glyph, int numGlyphs, TButtonState state,
                     int x, int y);
