#pragma once
// Opens a named part of a drawing (an axis, a title) and closes it on every path.
#include "chart/foundation/Canvas3D.h"

class TNamedPartGuard {
public:
    TNamedPartGuard(TCanvas3D& canvas, const char* name) : FCanvas(canvas) {
        canvas.BeginNamedPart(name);
    }
    ~TNamedPartGuard() { FCanvas.EndNamedPart(); }
    TNamedPartGuard(const TNamedPartGuard&) = delete;
    TNamedPartGuard& operator=(const TNamedPartGuard&) = delete;

private:
    TCanvas3D& FCanvas;
};
