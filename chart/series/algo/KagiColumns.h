#pragma once
// The lines of a kagi chart from a row of prices. A stroke runs on while the price keeps its
// direction; a move against it larger than the reversal amount (absolute, or a fraction of the
// last price) opens the next column with a step across. Strokes are thick after the price rose
// above the reference level (the price that began the stroke before) and thin after it fell
// below it; the change points are marked with buy (thin to thick) and sell (thick to thin)
// symbols. Counting and drawing share this pass.
#include <span>
#include <vector>

enum TKagiLineKind { klStroke, klStep, klBuy, klSell };

// A stroke: in Column from From to To. A step: at From (= To) from Column - 1 to Column. A symbol:
// at (Column, From).
struct TKagiLine {
    TKagiLineKind Kind = klStroke;
    int Column = 0;
    double From = 0;
    double To = 0;
    bool Thick = false;
    bool operator==(const TKagiLine&) const = default;
};

struct TKagiColumns {
    int Count = 0;
    std::vector<TKagiLine> Lines;  // filled only when asked for
};

struct TKagiReversal {
    double Amount = 0.03;
    bool Absolute = false;
};

TKagiColumns KagiColumns(std::span<const double> prices, TKagiReversal reversal, bool listLines);
