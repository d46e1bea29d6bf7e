#pragma once
// The standard kinds of bitmap button: each has its caption, its modal result and its glyph,
// drawn by our own code as a strip of two 16 x 16 images (up, then disabled) on a see-through
// fuchsia ground.
#include <string>

#include "platform/ui/ControlTypes.h"

class TBitmap;
class TEnumInfo;

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose };

const TEnumInfo& BitBtnKindNames();

struct TBitBtnKindInfo {
    const char* Caption;
    TModalResult ModalResult;
    bool Default;  // answers Enter
    bool Cancel;   // answers Esc
};
const TBitBtnKindInfo& BitBtnKindInfo(TBitBtnKind kind);

// Fills glyph with the kind's two images (empties it for bkCustom).
void DrawBitBtnKindGlyph(TBitBtnKind kind, TBitmap& glyph);

inline constexpr int BitBtnGlyphSize = 16;
