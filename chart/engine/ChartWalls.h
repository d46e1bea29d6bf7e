#pragma once
// The four walls that frame a chart's plotting area: the back wall (also drawn in 2-D), and the
// left, bottom and right walls of a 3-D view, each a plane or, with a Size, a slab. Each wall
// reaches from StartPosition to EndPosition percent of the chart's height (the bottom wall: of
// its depth).
//
// The walls belong to the chart component, which asks them for its background colour, the
// thickness behind an axis, and to draw themselves before the series and, in 3-D, again over
// the series where they face the viewer.
#include <array>
#include <memory>

#include "chart/foundation/TeeShape.h"

class TCustomAxisPanel;
class TChartAxis;

class TCustomChartWall : public TTeeCustomShape {
    KV_DECLARE_CLASS(TCustomChartWall, TTeeCustomShape)
public:
    explicit TCustomChartWall(TCustomTeePanel* panel = nullptr);

    bool AutoHide() const { return FAutoHide; }
    void SetAutoHide(bool value) { SetBool(FAutoHide, value); }
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool value) { SetBool(FDark3D, value); }
    int EndPosition() const { return FEndPosition; }
    void SetEndPosition(int value) { SetInt(FEndPosition, value); }
    int Size() const { return FSize; }
    void SetSize(int value) { SetInt(FSize, value); }
    int StartPosition() const { return FStartPosition; }
    void SetStartPosition(int value) { SetInt(FStartPosition, value); }
    TColor DefaultColor() const { return FDefaultColor; }
    bool IsColorStored() const { return Color() != FDefaultColor; }

    // The side faces of a slab are darker: Dark3D, and a brush that is neither clear nor a
    // picture.
    bool DarkSides() const;
    // Drawn over the series in 3-D: the chart draws walls, this one is shown and AutoHide off.
    bool DrawnAfterSeries() const;

    // AutoHide, Dark3D, EndPosition, Size and StartPosition, then the shape's settings.
    void Assign(const TPersistent* source) override;

protected:
    // The wall's colour, which is also the one not streamed.
    void SetWallColor(TColor value);

private:
    void SetBool(bool& field, bool value);
    void SetInt(int& field, int value);

    bool FAutoHide = false;
    bool FDark3D = true;
    int FEndPosition = 100;
    int FSize = 0;
    int FStartPosition = 0;
    TColor FDefaultColor;
};

class TChartWall : public TCustomChartWall {
    KV_DECLARE_CLASS(TChartWall, TCustomChartWall)
public:
    using TCustomChartWall::TCustomChartWall;
    static void Publish(TPublisher<TChartWall>& p);

protected:
    // "Picture", which only the four kinds of wall publish.
    template <class W>
    static void PublishPicture(TPublisher<W>& p) {
        p.Object("Picture", &W::Picture, &W::SetPicture).Stored([](const W& w) {
            return w.PictureIfAny() != nullptr;
        });
    }
};

class TChartBackWall : public TChartWall {
    KV_DECLARE_CLASS(TChartBackWall, TChartWall)
public:
    explicit TChartBackWall(TCustomTeePanel* panel = nullptr);
    static void Publish(TPublisher<TChartBackWall>& p);

protected:
    // Hidden and grey.
    void InitShadow(TTeeShadow& shadow) const override;
};

class TChartLeftWall : public TChartWall {
    KV_DECLARE_CLASS(TChartLeftWall, TChartWall)
public:
    explicit TChartLeftWall(TCustomTeePanel* panel = nullptr);
    static void Publish(TPublisher<TChartLeftWall>& p);
};

class TChartBottomWall : public TChartWall {
    KV_DECLARE_CLASS(TChartBottomWall, TChartWall)
public:
    explicit TChartBottomWall(TCustomTeePanel* panel = nullptr);
    static void Publish(TPublisher<TChartBottomWall>& p);
};

class TChartRightWall : public TChartWall {
    KV_DECLARE_CLASS(TChartRightWall, TChartWall)
public:
    explicit TChartRightWall(TCustomTeePanel* panel = nullptr);
    static void Publish(TPublisher<TChartRightWall>& p);
};

class TChartWalls : public TPersistent {
    KV_DECLARE_CLASS(TChartWalls, TPersistent)
public:
    explicit TChartWalls(TCustomAxisPanel* chart = nullptr);
    ~TChartWalls() override;

    TChartBackWall* Back() const { return FBack.get(); }
    void SetBack(const TChartBackWall* value) { FBack->Assign(value); }
    TChartBottomWall* Bottom() const { return FBottom.get(); }
    void SetBottom(const TChartBottomWall* value) { FBottom->Assign(value); }
    TChartLeftWall* Left() const { return FLeft.get(); }
    void SetLeft(const TChartLeftWall* value) { FLeft->Assign(value); }
    TChartRightWall* Right() const { return FRight.get(); }
    void SetRight(const TChartRightWall* value) { FRight->Assign(value); }
    TCustomAxisPanel* Chart() const { return FChart; }
    // The chart's View3DWalls.
    bool View3D() const;
    void SetView3D(bool value);
    // One thickness for all four walls.
    void SetSize(int value);

    // --- What the chart component asks of its walls.
    // The chart's own colour behind a transparent back wall, else the back wall's.
    TColor BackColor(TColor chartColor) const;
    // In 3-D with walls, the Size of the shown wall behind the axis (left, bottom and right
    // axes their walls, any other the back wall); 0 otherwise.
    int SizeOfAxis(const TChartAxis* axis) const;
    // From the chart's top (moved down by StartPosition percent) to its bottom plus the bottom
    // wall's thickness (moved up by the part beyond EndPosition); halves round to even.
    void VerticalExtent(const TCustomChartWall& wall, int& top, int& bottom) const;
    // The bottom wall's depth range.
    void DepthExtent(int& z0, int& z1) const;
    bool RightWallFacesViewer() const;
    bool LeftWallFacesViewer() const;
    // No series is active, or an active one uses axes.
    bool ChartNeedsAxes() const;
    // The walls behind the series (the chart's DrawWalls step).
    void DrawBeforeSeries();
    // In 3-D: the walls that face the viewer, over the series, and the axes in front of them.
    void DrawAfterSeries();
    void DrawBackWall();
    void DrawLeftWall();
    void DrawRightWall();
    void DrawBottomWall();

    // The back, bottom, left and right walls of other walls.
    void Assign(const TPersistent* source) override;

private:
    // The wall's pen, and its brush unless it is transparent.
    void PrepareWallBrush(TCustomChartWall& wall);
    bool SideWallCulled(int x) const;
    // The projected corners of a side face, and its gradient.
    std::array<TPoint, 4> SideFace(int x, int top, int bottom) const;
    void BeginSideWallFill(TCustomChartWall& wall, int x, int top, int bottom);
    // The back wall's picture, else the panel's back image when it is drawn inside the chart.
    void DrawBackWallPicture(const TRect& r, int depth);
    void DrawPictureOnSide(TCustomChartWall& wall, int x, int top, int bottom);
    void RedrawAxis(TChartAxis* axis, bool hideBackGrid);
    void RedrawGrid(TChartAxis* axis);

    TCustomAxisPanel* FChart;
    std::unique_ptr<TChartBackWall> FBack;
    std::unique_ptr<TChartLeftWall> FLeft;
    std::unique_ptr<TChartBottomWall> FBottom;
    std::unique_ptr<TChartRightWall> FRight;
};
