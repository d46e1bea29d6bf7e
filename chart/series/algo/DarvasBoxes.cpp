#include "chart/series/algo/DarvasBoxes.h"

#include <algorithm>

namespace {

enum TDarvasState {
    dsStart,
    dsNewTop,
    dsTopHeldOnce,
    dsNewBottom,
    dsBottomHeldOnce,
    dsConfirmed,
    dsEnds
};

}  // namespace

std::vector<TDarvasBox> FindDarvasBoxes(std::span<const double> high, std::span<const double> low) {
    std::vector<TDarvasBox> boxes;
    const int n = int(std::min(high.size(), low.size()));
    if (n == 0) return boxes;
    TDarvasState state = dsStart;
    TDarvasBox box;
    double top = 0, bottom = 0;
    int i = 0;
    // Each step to the next point leaves the state as it is when the points run out; the next
    // turn then sees i == n and heads for the end of the box.
    auto next = [&](auto decide) {
        if (++i < n) state = decide();
    };
    for (;;) {
        if (i >= n && state >= dsNewTop && state <= dsBottomHeldOnce) state = dsConfirmed;
        if (i >= n && state == dsConfirmed) state = dsEnds;
        switch (state) {
            case dsStart:
                box.First = i;
                state = dsNewTop;
                break;
            case dsNewTop:
                top = high[i];
                box.Top = box.Bottom = i;
                next([&] { return high[i] >= top ? dsNewTop : dsTopHeldOnce; });
                break;
            case dsTopHeldOnce:
                next([&] { return high[i] >= top ? dsNewTop : dsNewBottom; });
                break;
            case dsNewBottom:
                bottom = low[i];
                box.Bottom = i;
                next([&] {
                    if (high[i] >= top) return dsNewTop;
                    return low[i] > bottom ? dsBottomHeldOnce : dsNewBottom;
                });
                break;
            case dsBottomHeldOnce:
                next([&] {
                    if (high[i] >= top) return dsNewTop;
                    return low[i] > bottom ? dsConfirmed : dsNewBottom;
                });
                break;
            case dsConfirmed:
                next([&] { return high[i] > top || low[i] < bottom ? dsEnds : dsConfirmed; });
                break;
            case dsEnds:
                box.Last = i < n ? i : n - 1;
                boxes.push_back(box);
                if (i >= n) return boxes;
                state = dsStart;
                break;
        }
    }
}
