#pragma once
// A surface that writes down each flat primitive it is asked for, with its integer coordinates
// and the pen and brush colours at that moment, instead of drawing it. Algorithms built on the
// primitives (arcs by angle, bevels, pictures on planes, the solids) are checked against it.
// Clipping, pixels and the projection behave as on the drawing surface.
#include <string>
#include <vector>

#include "chart/foundation/TeeCanvas3D.h"

struct TCanvas3DCall {
    std::string Op;
    std::vector<int> Args;
    TColor PenColor = clBlack;
    TColor BrushColor = clWhite;
    std::string Text;
    bool operator==(const TCanvas3DCall&) const = default;
};

class TRecordingCanvas3D : public TTeeCanvas3D {
public:
    TRecordingCanvas3D();
    ~TRecordingCanvas3D() override;

    const std::vector<TCanvas3DCall>& Calls() const { return FCalls; }
    void ClearCalls() { FCalls.clear(); }

    void DrawArc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) override;
    void DrawPie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) override;
    void DrawEllipse(int X1, int Y1, int X2, int Y2) override;
    void DrawRectangle(int X0, int Y0, int X1, int Y1) override;
    void DrawRoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight) override;
    void FillRectangle(const TRect& Rect) override;
    void MovePenTo(int X, int Y) override;
    void DrawLineTo(int X, int Y) override;
    void DrawPolyline(std::span<const TPoint> Points, int LastIndex) override;
    void DrawPolygon(std::span<const TPoint> Points, int LastIndex) override;
    void DrawTextAt(int X, int Y, std::string_view Text) override;
    void SetPixelColor(int X, int Y, TColor Colour) override;

private:
    void Record(const char* op, std::initializer_list<int> args);
    void RecordPoints(const char* op, std::span<const TPoint> points);

    std::vector<TCanvas3DCall> FCalls;
};
