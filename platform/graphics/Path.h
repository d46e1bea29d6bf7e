#pragma once
// The outline a canvas gathers between BeginPath and EndPath: figures of points in pixels, each
// point typed as the start of a figure, the end of a line or one of three points of a cubic
// Bezier curve, with a flag on the last point of a closed figure. Curves (ellipses, arcs, text)
// are kept as Beziers until the path is flattened, stroked or filled.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/graphics/Region.h"

inline constexpr uint8_t PT_CLOSEFIGURE = 1;
inline constexpr uint8_t PT_LINETO = 2;
inline constexpr uint8_t PT_BEZIERTO = 4;
inline constexpr uint8_t PT_MOVETO = 6;

// Where the radial from the centre of box through p meets the ellipse in box (the centre for a
// box without width or height, or a radial point at the centre).
TPoint EllipseRadialPoint(const TRect& box, TPoint p);

class TPath {
public:
    enum TState { stNone, stOpen, stClosed };
    // How an arc becomes a figure: alone and open, joined to the current figure (ArcTo),
    // closed through the centre (a pie) or by its chord.
    enum TArcKind { akOpen, akJoined, akPie, akChord };

    TState State() const { return FState; }
    void Begin();
    void End();
    void Clear();

    // Ends the current figure: the next line starts a new one.
    void BreakFigure();
    // A line from `from` (starting a figure there unless the current one ends there) to `to`.
    void LineTo(TPoint from, TPoint to);
    void CloseFigure();
    // A new figure of straight lines.
    void AddFigure(std::span<const TPoint> points, bool closed);
    void AddRectangle(const TRect& box);
    void AddEllipse(const TRect& box);
    void AddRoundRect(const TRect& box, int ellipseWidth, int ellipseHeight);
    // The arc of the ellipse in box from the radial through start to the radial through end,
    // counter-clockwise unless clockwise.
    void AddArc(const TRect& box, TPoint start, TPoint end, bool clockwise, TArcKind kind);
    // Points with their PT_ types as they are (the figures of glyph outlines).
    void AddTyped(std::span<const TPoint> points, std::span<const uint8_t> types);

    const std::vector<TPoint>& Points() const { return FPoints; }
    const std::vector<uint8_t>& Types() const { return FTypes; }

    // Curves become runs of short lines.
    void Flatten();
    // The figures as flattened point lists, with whether each is closed.
    struct TFigure {
        std::vector<TPoint> Points;
        bool Closed = false;
    };
    std::vector<TFigure> Figures() const;
    // The pixels inside the figures, by alternate fill (a pixel is inside when its centre is
    // enclosed an odd number of times); open figures count as closed by a straight line.
    TRegion Area() const;
    // Replaces the path's contents by closed figures.
    void SetFigures(const std::vector<TFigure>& figures);

private:
    // Bezier pieces along the ellipse of box from parameter angle t0 over sweep (radians).
    void AddEllipseCurve(const TRect& box, double t0, double sweep);
    bool FigureOpen() const { return FFigureStart >= 0; }
    void StartFigure(TPoint p);

    TState FState = stNone;
    std::vector<TPoint> FPoints;
    std::vector<uint8_t> FTypes;
    int FFigureStart = -1;  // index of the open figure's first point, -1 when none
};
