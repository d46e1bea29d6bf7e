// Plain text output of the surface: at a point, turned, or at a depth.
#include <cmath>

#include "chart/foundation/TeeCanvas3D.h"

void TTeeCanvas3D::DrawTextAt(int X, int Y, std::string_view Text) {
    BoundCanvas()->TextOut(X, Y, Text);
}

void TTeeCanvas3D::DrawRotatedText(int X, int Y, std::string_view Text, double Angle) {
    // Escapement in tenths of a degree, about the anchor point.
    TFont* font = Font();
    const int saved = font->Orientation();
    font->SetOrientation(static_cast<int>(std::nearbyint(std::fmod(Angle, 360.0) * 10)));
    DrawTextAt(X, Y, Text);
    font->SetOrientation(saved);
}

void TTeeCanvas3D::DrawTextAtZ(int X, int Y, int Z, std::string_view Text) {
    const TPoint p = ProjectPoint(X, Y, Z);
    DrawTextAt(p.X, p.Y, Text);
}

void TTeeCanvas3D::DrawRotatedTextAtZ(int X, int Y, int Z, std::string_view Text, double Angle) {
    const TPoint p = ProjectPoint(X, Y, Z);
    DrawRotatedText(p.X, p.Y, Text, Angle);
}
