#pragma once
// The pen of a canvas: colour, width, dash style and the raster operation it is drawn with.
#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/Colors.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// The sixteen ways a pen or brush pixel P meets the pixel D already there.
enum TPenMode {
    pmBlack,        // 0
    pmWhite,        // 1
    pmNop,          // D
    pmNot,          // not D
    pmCopy,         // P
    pmNotCopy,      // not P
    pmMergePenNot,  // P or not D
    pmMaskPenNot,   // P and not D
    pmMergeNotPen,  // not P or D
    pmMaskNotPen,   // not P and D
    pmMerge,        // P or D
    pmNotMerge,     // not (P or D)
    pmMask,         // P and D
    pmNotMask,      // not (P and D)
    pmXor,          // P xor D
    pmNotXor,       // not (P xor D)
};

// How a pen of width 2 or more ends and turns corners.
enum TPenEndCap { pecRound, pecSquare, pecFlat };
enum TPenJoin { pjRound, pjBevel, pjMiter };

const TEnumInfo& PenStyleNames();
const TEnumInfo& PenModeNames();

class TPen : public TPersistent {
    KV_DECLARE_CLASS(TPen, TPersistent)
public:
    TPen();
    ~TPen() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    // 0 draws as 1.
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode value);

    // Ends and corners of wide pens (round by default). The drawing code that needs other ends
    // sets them; they are not user settings, so they are not published.
    TPenEndCap EndCap() const { return FEndCap; }
    void SetEndCap(TPenEndCap value);
    TPenJoin Join() const { return FJoin; }
    void SetJoin(TPenJoin value);
    // A one-pixel pen of single dots: with space 0 or less every other pixel along the line, else
    // one pixel in every space + 1. Not dotted by default.
    bool Dotted() const { return FDotted; }
    int DotSpace() const { return FDotSpace; }
    void SetDotted(bool dotted, int space = 0);

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TPen>& p);

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
    TPenEndCap FEndCap = pecRound;
    TPenJoin FJoin = pjRound;
    bool FDotted = false;
    int FDotSpace = 0;
};
