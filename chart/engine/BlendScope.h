#pragma once
// A blend for the drawing of one shape: begun over a rectangle when the shape is transparent,
// laid back on every path out of the scope.
#include "chart/foundation/TeeCanvas.h"

class TBlendScope {
public:
    TBlendScope(TTeeCanvas& canvas, const TRect& rect, int transparency)
        : FCanvas(canvas),
          FBlend(transparency > 0 ? canvas.BeginBlending(rect, transparency) : nullptr) {}
    ~TBlendScope() {
        if (FBlend) FCanvas.EndBlending(FBlend);
    }
    TBlendScope(const TBlendScope&) = delete;
    TBlendScope& operator=(const TBlendScope&) = delete;

private:
    TTeeCanvas& FCanvas;
    TTeeBlend* FBlend;
};
