#pragma once
// The flow of a tag cloud: words in rows from the top left of an area like text, a gap between
// words, each row as high as its tallest word and every word of a row standing on the row's
// bottom line. A word wider than the area gets a row of its own; rows stop once they pass the
// area's bottom. Word sizes come from the caller, which prepares its font for each word (and,
// when drawing, writes it), so the flow is free of any canvas.
#include <functional>
#include <span>
#include <vector>

#include "platform/graphics/Geometry.h"

// The font size of a word of value: the largest value gets fontSize, the smallest a quarter of
// it, linearly between; at least 1.
int TagFontSize(int fontSize, double value, double minValue, double maxValue);

struct TTagExtent {
    int Width = 0;
    int Height = 0;
};

struct TTagCloudFlow {
    TRect Area;
    int Gap = 0;
    // Text drawn from its top left corner, else from its base line at the row's bottom.
    bool TopBased = true;
    std::function<bool(int)> Shown;
    // The extent of word i, its font prepared; drawing says whether it is about to be written.
    std::function<TTagExtent(int index, bool drawing)> Measure;
    // Writes word i at rect (its text from the top left).
    std::function<void(int index, const TRect& rect)> Draw;
};

// Lays out count words; returns the index after the last word measured (the end of the visible
// range) and sets rects (one per word, empty for words not placed).
int FlowTagCloud(int count, const TTagCloudFlow& flow, std::vector<TRect>& rects);
