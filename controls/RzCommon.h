#pragma once
// Stateless drawing and colour routines shared by the enhanced controls: a hue-saturation-
// lightness model on a 0..240 scale with darker and lighter derivations, one-pixel edges and
// frames for every frame style (in system colours or tinted from a face colour), the edit frame,
// the small arrow triangles of spin and drop-down buttons, and a few geometry and version helpers.
// Every painter takes the canvas first and returns the rectangle left inside what it drew.
#include <cstdint>
#include <memory>

#include "platform/classes/Set.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Geometry.h"

class TBitmap;
class TCanvas;
class TControl;
class TFont;

enum TFrameStyle {
    fsNone,
    fsFlat,
    fsGroove,
    fsBump,
    fsLowered,
    fsButtonDown,
    fsRaised,
    fsButtonUp,
    fsStatus,
    fsPopup,
    fsFlatBold,
    fsFlatRounded
};

enum TSide { sdLeft, sdTop, sdRight, sdBottom };
using TSides = TSet<TSide>;
inline constexpr TSides sdAllSides{sdLeft, sdTop, sdRight, sdBottom};

// How an arrow is drawn: the classic look or one of the two themed looks.
enum TArrowForm { afClassic, afXP, afVista };
// Arrow directions of PaintSpinArrow.
inline constexpr int sdirUp = 0, sdirDown = 1, sdirLeft = 2, sdirRight = 3;

// --- Colour model. H, S and L run 0..240; system colours are resolved first.
void ColorToHueSatLum(TColor color, int& h, int& s, int& l);
TColor HueSatLumToColor(int h, int s, int l);
// The lightness shifts of the frames, in their own namespace: the chart library's routines of
// the same names shift the RGB components instead.
namespace RzColor {
TColor DarkenColor(TColor color, int amount);
TColor LightenColor(TColor color, int amount);
}  // namespace RzColor
TColor ShiftColorLightness(TColor color, int amount);
bool ColorsNearlyEqual(TColor a, TColor b);

// --- Edges and frames.
TRect PaintSideLines(TCanvas& canvas, const TRect& bounds, TColor ulColor, TColor lrColor,
                     TSides sides);
TRect PaintBevelRings(TCanvas& canvas, const TRect& bounds, TColor ulColor, TColor lrColor,
                      TSides sides, int rings);
TRect PaintDoubleEdge3D(TCanvas& canvas, const TRect& bounds, bool lowered, TSides sides);
TRect PaintDoubleEdgeButton(TCanvas& canvas, const TRect& bounds, bool down, TSides sides);
TRect PaintTintedButtonEdge(TCanvas& canvas, const TRect& bounds, TColor face, bool down,
                            TSides sides);
TRect PaintFrameStyleSides(TCanvas& canvas, const TRect& bounds, TFrameStyle style, TSides sides);
TRect PaintFrameStyle(TCanvas& canvas, const TRect& bounds, TFrameStyle style);
TRect PaintTintedFrameStyleSides(TCanvas& canvas, const TRect& bounds, TColor face,
                                 TFrameStyle style, TSides sides);
TRect PaintTintedFrameStyle(TCanvas& canvas, const TRect& bounds, TColor face, TFrameStyle style);
TRect PaintOutlineBox(TCanvas& canvas, const TRect& bounds, TColor color);
TRect PaintRoundedFlatEdge(TCanvas& canvas, const TRect& bounds, TColor color, TSides sides);
// The framed edit's border over (0, 0, width, height): two rings of the background hide the
// platform's own border, then the chosen frame. Returns the rectangle inside the frame.
TRect PaintEditFrame(TCanvas& canvas, int width, int height, TFrameStyle style, TColor background,
                     TColor frameColor, TSides sides);
// A label's borders inside bounds: the outer style, the border-width rings in borderColor, the
// inner style (flat styles in flatColor shifted by flatAdjustment; status and popup styles
// bevelWidth rings of highlight and shadow). Returns the rectangle inside them.
struct TLabelBorders {
    TFrameStyle Outer = fsNone;
    TFrameStyle Inner = fsNone;
    TSides Sides = sdAllSides;
    int BevelWidth = 1;
    int BorderWidth = 0;
    TColor BorderColor = clBtnFace;
    TColor Highlight = clBtnHighlight;
    TColor Shadow = clBtnShadow;
    TColor FlatColor = clBtnShadow;
    int FlatAdjustment = 30;
    TColor Color = clBtnFace;
    TColor ParentColor = clBtnFace;
    bool Transparent = false;
};
TRect PaintLabelBorders(TCanvas& canvas, const TRect& bounds, const TLabelBorders& borders);

// --- Arrows. Pen style and brush colour are restored afterwards.
void PaintSpinArrow(TCanvas& canvas, const TRect& bounds, TArrowForm form, int direction,
                    bool enabled);
void PaintDropArrow(TCanvas& canvas, const TRect& bounds, TArrowForm form, bool enabled);
// The border colour of the themed spin part; themes are never active here, so the button face.
TColor ThemeElementColor();

// --- Versions of the system the controls ask about. This system answers as the newest of
// the NT family, so the old-system branches never run.
enum TWindowsVersion { wvWin95, wvWinNT4, wvWinXP, wvWinVista };
bool WindowsVersionIs(TWindowsVersion version);
bool WindowsVersionAtLeast(TWindowsVersion version);

// --- Geometry.
TRect CenteredRect(const TRect& bounds, int width, int height);

// --- Fonts.
// A copy of font turned by angle degrees counter-clockwise; the caller owns it.
std::unique_ptr<TFont> CreateAngledFont(const TFont& font, int angle);
// Whether the font draws from outlines, so that it can be turned.
bool IsTrueTypeFont(const TFont& font);
// The height an edit needs for one line of the font.
int EditHeightForFont(const TFont& font);

// --- Windows. Redraws the frame a control draws over its edge, when the control shows.
void RefreshNonClientFrame(TControl& control, const TRect& rect);

// --- Monitors, by their number on the screen.
// The monitor whose full bounds hold the point, or -1 when none does (between or off them).
int MonitorAtPoint(TPoint point);
// A monitor's area less the panels, and its full bounds.
TRect MonitorWorkRect(int monitor);
TRect MonitorFullRect(int monitor);

// --- Bitmaps with one transparent colour.
// Draws the srcRect part of bitmap, stretched to the size of dest, at the canvas origin with
// every pixel of the transparent colour left out (the destination's left and top are not used:
// callers draw into a working bitmap of that size).
void BlitThroughMask(TCanvas& canvas, TBitmap& bitmap, const TRect& dest, TColor transparent,
                     const TRect& srcRect);
// The same picture drawn into dest itself: the destination shows where the colour was.
void StretchThroughMask(TCanvas& canvas, TBitmap& bitmap, const TRect& dest, TColor transparent,
                        const TRect& srcRect);
