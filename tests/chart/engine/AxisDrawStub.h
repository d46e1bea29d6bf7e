#pragma once
// A chart stand-in for the axis drawing: the label host with a surface that writes down each
// line, text and named part the axis asks for (with the pen by name, the text alignment and the
// font size) instead of drawing it.
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "chart/engine/AxisGridPen.h"
#include "chart/foundation/ChartPen.h"
#include "tests/chart/engine/LabelHostStub.h"

class TAxisRecordingCanvas : public TFixedMetricsCanvas {
public:
    std::vector<std::string> Calls;
    // Pens are written by colour name; unnamed colours as numbers.
    std::map<TColor, std::string> PenNames;
    bool ShowFontSize = false;

    void DrawHorizontalLine(int l, int r, int y) override { Line("H", {l, r, y}); }
    void DrawVerticalLine(int x, int t, int b) override { Line("V", {x, t, b}); }
    void DrawHorizontalLineAtZ(int l, int r, int y, int z) override { Line("HZ", {l, r, y, z}); }
    void DrawVerticalLineAtZ(int x, int t, int b, int z) override { Line("VZ", {x, t, b, z}); }
    void DrawDepthLine(int x, int y, int z0, int z1) override { Line("DL", {x, y, z0, z1}); }
    void DrawLineAtZ(int x0, int y0, int x1, int y1, int z) override {
        Line("L", {x0, y0, x1, y1, z});
    }
    void DrawCylinder(bool, int l, int t, int r, int b, int z0, int z1, bool) override {
        Line("Cyl", {l, t, r, b, z0, z1});
    }
    void DrawCuboid(int l, int r, int t, int b, int z0, int z1, bool) override {
        Line("Cub", {l, t, r, b, z0, z1});
    }
    void DrawTextAtZ(int x, int y, int z, std::string_view text) override {
        Text("T", x, y, z, text, 0);
    }
    void DrawRotatedTextAtZ(int x, int y, int z, std::string_view text, double angle) override {
        Text("R", x, y, z, text, int(angle));
    }
    void BeginNamedPart(const std::string& name) override { Calls.push_back("[" + name); }
    void EndNamedPart() override { Calls.push_back("]"); }

    // The calls whose text starts with one of the prefixes.
    std::vector<std::string> Only(std::initializer_list<std::string_view> prefixes) const {
        std::vector<std::string> kept;
        for (const std::string& call : Calls)
            for (std::string_view p : prefixes)
                if (std::string_view(call).starts_with(p)) {
                    kept.push_back(call);
                    break;
                }
        return kept;
    }

private:
    void Line(const char* op, std::initializer_list<int> args) {
        std::ostringstream s;
        s << op;
        for (int a : args) s << ' ' << a;
        const auto name = PenNames.find(Pen()->Color());
        s << ' ';
        if (Pen()->Style() == psClear)
            s << "clear";
        else if (name != PenNames.end())
            s << name->second;
        else
            s << Pen()->Color();
        Calls.push_back(s.str());
    }
    void Text(const char* op, int x, int y, int z, std::string_view text, int angle) {
        std::ostringstream s;
        s << op << ' ' << x << ' ' << y << ' ' << z << " '" << text << "' a" << GetTextAlignment();
        if (angle != 0) s << " r" << angle;
        if (ShowFontSize) s << " s" << Font()->Size();
        Calls.push_back(s.str());
    }
};

class TDrawHostStub : public TLabelHostStub {
public:
    TDrawHostStub() : Drawing(600, 600) { Canvas().Calls.clear(); }
    TAxisRecordingCanvas& Canvas() { return Drawing.Surface; }
    TTeeCanvas* AxisCanvas() override { return &Drawing.Surface; }
    bool AxisView3D() override { return View3D; }
    bool AxesBehind() override { return Behind; }
    int AxisWallSize(const TChartAxis&) override { return WallSize; }

    TSurfaceOnBitmap<TAxisRecordingCanvas> Drawing;
    bool View3D = false;
    bool Behind = true;
    int WallSize = 0;
};
