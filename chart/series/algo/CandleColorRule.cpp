#include "chart/series/algo/CandleColorRule.h"

// The chain of equal closes is walked back to the first candle that decides, so a run of equal
// closes costs its length rather than a recursion as deep.
bool CandleRises(std::span<const double> open, std::span<const double> close, int index,
                 TCandleColorRule rule) {
    for (int i = index;; --i) {
        if (rule == TCandleColorRule::RelativeToOpen || i == 0) {
            if (close[i] < open[i]) return false;
            if (close[i] > open[i]) return true;
        }
        if (i == 0) return true;
        if (close[i] > close[i - 1]) return true;
        if (close[i] < close[i - 1]) return false;
    }
}
