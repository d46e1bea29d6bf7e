#pragma once
// Whether a candle counts as rising (drawn in the up colour) or falling. Relative to its open,
// a candle rises when it closes above the open and falls when it closes below; an equal open
// and close falls back to the comparison with the previous close. Relative to the previous
// close, every candle but the first compares its close with the one before. Where that
// comparison finds equal closes, the candle takes the answer of the whole rule for the candle
// before it; the first candle rises.
#include <span>

enum class TCandleColorRule { RelativeToOpen, RelativeToPreviousClose };

// open and close hold one value per candle; index lies within them.
bool CandleRises(std::span<const double> open, std::span<const double> close, int index,
                 TCandleColorRule rule);
