#pragma once
// The surface's cylinders with another number of sides for the scope (a slant cube is a
// cylinder of four), given back on every path out.
#include "chart/foundation/Canvas3D.h"

class TCylinderSidesScope {
public:
    TCylinderSidesScope(TCanvas3D& canvas, int sides)
        : FCanvas(canvas), FSaved(canvas.CylinderSides()) {
        canvas.SetCylinderSides(sides);
    }
    ~TCylinderSidesScope() { FCanvas.SetCylinderSides(FSaved); }
    TCylinderSidesScope(const TCylinderSidesScope&) = delete;
    TCylinderSidesScope& operator=(const TCylinderSidesScope&) = delete;

private:
    TCanvas3D& FCanvas;
    int FSaved;
};
