#pragma once
// The shape of one slice of a stacked pyramid: the pyramid's base is 2 W pixels wide and its
// height the total of the values; a slice from `below` to `below + value` narrows linearly
// in width and depth with the cumulative value, reaching the apex at the total.
struct TPyramidSlice {
    int BottomHalfWidth = 0;  // wb
    int TopHalfWidth = 0;     // wt
    int BottomInset = 0;      // zb: the depth taken off each side at the bottom
    int TopDepth = 0;         // zt
};

// W from the axis length in pixels and the base width in percent of it.
int PyramidHalfBase(int axisLength, int sizePercent);

// False when the total is 0: the pyramid has no height, so no slice has a shape.
bool PyramidSliceShape(int halfBase, double total, double below, double value, int depth,
                       TPyramidSlice& out);
