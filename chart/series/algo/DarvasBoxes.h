#pragma once
// Darvas boxes in a price history. A box opens at a point; its top is the latest high that the
// next two points stay below; its bottom is then the latest low that the next two points stay
// above; the box lasts until a point breaks out above the top or below the bottom, and that
// point opens the next search (so consecutive boxes share it). A rise back to the top before
// the box is confirmed starts the top search again. Points running out before the end still
// close the box at the last point.
#include <span>
#include <vector>

struct TDarvasBox {
    int First = 0;   // the point the search started at
    int Top = 0;     // the point whose high is the box's top
    int Last = 0;    // the breaking point, or the last point
    int Bottom = 0;  // the point whose low is the box's bottom
    bool operator==(const TDarvasBox&) const = default;
};

// high and low hold one value per point (the same count).
std::vector<TDarvasBox> FindDarvasBoxes(std::span<const double> high, std::span<const double> low);
