#include "tests/chart/foundation/RecordingCanvas3D.h"

TRecordingCanvas3D::TRecordingCanvas3D() = default;
TRecordingCanvas3D::~TRecordingCanvas3D() = default;

void TRecordingCanvas3D::Record(const char* op, std::initializer_list<int> args) {
    FCalls.push_back(TCanvas3DCall{op, args, Pen()->Color(), Brush()->Color(), {}});
}

void TRecordingCanvas3D::RecordPoints(const char* op, std::span<const TPoint> points) {
    TCanvas3DCall call{op, {}, Pen()->Color(), Brush()->Color(), {}};
    for (const TPoint& p : points) {
        call.Args.push_back(p.X);
        call.Args.push_back(p.Y);
    }
    FCalls.push_back(std::move(call));
}

void TRecordingCanvas3D::DrawArc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    Record("Arc", {X1, Y1, X2, Y2, X3, Y3, X4, Y4});
}
void TRecordingCanvas3D::DrawPie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    Record("Pie", {X1, Y1, X2, Y2, X3, Y3, X4, Y4});
}
void TRecordingCanvas3D::DrawEllipse(int X1, int Y1, int X2, int Y2) {
    Record("Ellipse", {X1, Y1, X2, Y2});
}
void TRecordingCanvas3D::DrawRectangle(int X0, int Y0, int X1, int Y1) {
    Record("Rectangle", {X0, Y0, X1, Y1});
}
void TRecordingCanvas3D::DrawRoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth,
                                       int CornerHeight) {
    Record("RoundRect", {X1, Y1, X2, Y2, CornerWidth, CornerHeight});
}
void TRecordingCanvas3D::FillRectangle(const TRect& Rect) {
    Record("FillRect", {Rect.Left, Rect.Top, Rect.Right, Rect.Bottom});
}
void TRecordingCanvas3D::MovePenTo(int X, int Y) { Record("MoveTo", {X, Y}); }
void TRecordingCanvas3D::DrawLineTo(int X, int Y) { Record("LineTo", {X, Y}); }
void TRecordingCanvas3D::DrawPolyline(std::span<const TPoint> Points, int LastIndex) {
    RecordPoints("Polyline", Points.first(LastIndex + 1));
}
void TRecordingCanvas3D::DrawPolygon(std::span<const TPoint> Points, int LastIndex) {
    RecordPoints("Polygon", Points.first(LastIndex + 1));
}
void TRecordingCanvas3D::DrawTextAt(int X, int Y, std::string_view Text) {
    Record("Text", {X, Y});
    FCalls.back().Text = Text;
}
void TRecordingCanvas3D::SetPixelColor(int X, int Y, TColor Colour) {
    Record("Pixel", {X, Y, static_cast<int>(Colour)});
}
