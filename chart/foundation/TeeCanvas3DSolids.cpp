// The solids of the surface. Not drawn yet: until they are, each draws nothing, so charts in
// 2-D (which need none of them) are unaffected.
#include "chart/foundation/TeeCanvas3D.h"

void TTeeCanvas3D::DrawArrow(bool, TPoint, TPoint, int, int, int, int) {}
void TTeeCanvas3D::DrawCone(bool, int, int, int, int, int, int, bool, int) {}
void TTeeCanvas3D::DrawCuboid(int, int, int, int, int, int, bool) {}
void TTeeCanvas3D::DrawCylinder(bool, int, int, int, int, int, int, bool) {}
void TTeeCanvas3D::DrawPieSlice3D(int, int, int, int, int, int, double, double, bool, bool, int,
                                  const TCustomTeeGradient*) {}
void TTeeCanvas3D::DrawPyramid(bool, int, int, int, int, int, int, bool) {}
void TTeeCanvas3D::DrawTruncatedPyramid(const TRect&, int, int, int, int) {}
void TTeeCanvas3D::DrawQuadBuffer() {}

// Surface series draw cell by cell on this surface.
void TTeeCanvas3D::DrawSurfaceGrid(int, bool, int, int, TObject*,
                                   const std::function<void(int, int)>&) {}
