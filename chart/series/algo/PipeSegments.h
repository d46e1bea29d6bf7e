#pragma once
// A pipe lying across a rectangle and narrowing from left to right, cut into one segment per
// value so that each segment's area is the value's share of the total. The top and bottom
// edges come in by the same amount, so the pipe's right end is conePercent percent lower than
// its left end (at most 100: the right end closes to a point half-way up).
#include <span>
#include <vector>

#include "platform/graphics/Geometry.h"

struct TPipeOutline {
    TPoint P0;  // top left
    TPoint P1;  // top right
    TPoint P2;  // bottom right
    TPoint P3;  // bottom left
    int Length() const { return P1.X - P0.X; }
    int LeftHeight() const { return P3.Y - P0.Y; }
    int RightHeight() const { return P2.Y - P1.Y; }
    int Drop() const { return P1.Y - P0.Y; }
    // Round(L (H0 + H1) / 2).
    int Area() const;
};

// The pipe inside rect, 2 pixels in from its edges.
TPipeOutline PipeOutline(const TRect& rect, int conePercent);

// How far from the left end (in pixels, 0 .. L) the pipe's area reaches share (0 .. 1) of the
// whole.
int PipeCutAt(const TPipeOutline& pipe, double share);

struct TPipeSegment {
    int Index = 0;  // of the value
    int Left = 0;   // x of the left and right edges
    int Right = 0;
    int LeftInset = 0;  // how far the top and bottom edges lie in at the left and right edges
    int RightInset = 0;
    // (right, bottom), (right, top), (left, top), (left, bottom).
    TPoint Quad[4];
};

// The segments of the values not skipped, in order; none when the pipe has no length or the
// values sum to 0. Each value's share counts the values before it, skipped ones included.
std::vector<TPipeSegment> PipeSegments(const TPipeOutline& pipe, std::span<const double> values,
                                       std::span<const bool> skipped);
