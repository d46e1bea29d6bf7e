#include "chart/series/algo/TagCloudLayout.h"

#include <algorithm>

#include "platform/rtl/RtlMath.h"

int TagFontSize(int fontSize, double value, double minValue, double maxValue) {
    int size = fontSize;
    const double d = maxValue - value;
    if (d > 0) size -= RoundToInt(fontSize * (d * 0.75) / (maxValue - minValue));
    return std::max(size, 1);
}

int FlowTagCloud(int count, const TTagCloudFlow& flow, std::vector<TRect>& rects) {
    rects.assign(size_t(std::max(count, 0)), TRect{});
    const int areaWidth = flow.Area.Width();
    int first = 0;
    int next = 0;
    int y = flow.Area.Top;
    while (first < count) {
        int rowWidth = 0;
        int rowHeight = 0;
        bool rowHasWords = false;
        while (next < count) {
            if (!flow.Shown(next)) {
                ++next;
                continue;
            }
            const TTagExtent e = flow.Measure(next, false);
            const int w = e.Width + (rowWidth > 0 ? flow.Gap : 0);
            if (rowWidth + w > areaWidth) {
                if (!rowHasWords) {
                    // Too wide for any row: alone on its own, overflowing.
                    rowHeight = std::max(rowHeight, e.Height);
                    ++next;
                }
                break;
            }
            rowHeight = std::max(rowHeight, e.Height);
            rowWidth += w;
            rowHasWords = true;
            ++next;
        }
        int x = flow.Area.Left;
        for (int k = first; k < next; ++k) {
            if (!flow.Shown(k)) continue;
            const TTagExtent e = flow.Measure(k, true);
            const int bottom = y + rowHeight;
            const TRect r{x, flow.TopBased ? bottom - e.Height : bottom, x + e.Width, bottom};
            rects[size_t(k)] = r;
            flow.Draw(k, r);
            x += flow.Gap + e.Width;
        }
        first = next;
        y += rowHeight;
        if (y > flow.Area.Bottom) break;
    }
    return next;
}
