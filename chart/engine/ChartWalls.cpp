#include "chart/engine/ChartWalls.h"

#include <span>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/BackImage.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Brush.h"
#include "platform/rtl/RtlMath.h"

namespace {
constexpr TColor WallSilver = 0xC0C0C0;
constexpr TColor WallShadowGrey = 0x808080;
constexpr TColor LeftWallColor = 0x80FFFF;

// Percent of a span, halves to even.
int PercentOf(int percent, int span) { return int(Round(percent * span * 0.01L)); }
}  // namespace

// --- One wall.

TCustomChartWall::TCustomChartWall(TCustomTeePanel* panel)
    : TTeeCustomShape(panel), FDefaultColor(clDefault) {
    SetWallColor(clDefault);
}

void TCustomChartWall::SetWallColor(TColor value) {
    FDefaultColor = value;
    TCustomTeePanel* panel = ParentChart();
    SetParentChart(nullptr);  // a plain store while the wall is being made
    SetColor(value);
    SetParentChart(panel);
}

void TCustomChartWall::SetBool(bool& field, bool value) {
    if (TCustomTeePanel* panel = ParentChart())
        panel->SetBooleanValue(field, value);
    else
        field = value;
}

void TCustomChartWall::SetInt(int& field, int value) {
    if (TCustomTeePanel* panel = ParentChart())
        panel->SetIntegerValue(field, value);
    else
        field = value;
}

bool TCustomChartWall::DarkSides() const {
    return FDark3D && Brush()->Style() != bsClear && !Brush()->ImageIfAny();
}

bool TCustomChartWall::DrawnAfterSeries() const {
    const auto* chart = dynamic_cast<const TCustomAxisPanel*>(ParentChart());
    return chart && chart->View3DWalls() && Visible() && !FAutoHide;
}

void TCustomChartWall::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustomChartWall*>(source)) {
        FAutoHide = other->FAutoHide;
        FDark3D = other->FDark3D;
        FEndPosition = other->FEndPosition;
        FSize = other->FSize;
        FStartPosition = other->FStartPosition;
    }
    TTeeCustomShape::Assign(source);
}

void TChartWall::Publish(TPublisher<TChartWall>& p) {
    using W = TChartWall;
    p.Boolean("AutoHide", &W::AutoHide, &W::SetAutoHide).Default(false);
    p.Object("Brush", &W::Brush, &W::SetBrush);
    p.Color("Color", &W::Color, &W::SetColor).Stored(&W::IsColorStored);
    p.Boolean("Dark3D", &W::Dark3D, &W::SetDark3D).Default(true);
    p.Integer("EndPosition", &W::EndPosition, &W::SetEndPosition).Default(100);
    p.Object("Gradient", &W::Gradient, &W::SetGradient).Stored([](const W& w) {
        return w.GradientIfAny() != nullptr;
    });
    p.Object("Pen", &W::Pen, &W::SetPen);
    p.Integer("Size", &W::Size, &W::SetSize).Default(0);
    p.Integer("StartPosition", &W::StartPosition, &W::SetStartPosition).Default(0);
    p.Integer("Transparency", &W::Transparency, &W::SetTransparency).Default(0);
    p.Boolean("Transparent", &W::Transparent, &W::SetTransparent).Stored([](const W& w) {
        return w.IsTransparentStored();
    });
    p.Boolean("Visible", &W::Visible, &W::SetVisible).Default(true);
}

TChartBackWall::TChartBackWall(TCustomTeePanel* panel) : TChartWall(panel) {
    SetWallColor(WallSilver);
    SetDefaultTransparent(true);
}

void TChartBackWall::InitShadow(TTeeShadow& shadow) const {
    shadow.SetDefaults(WallShadowGrey, 3);
    shadow.SetDefaultVisible(false);
}

void TChartBackWall::Publish(TPublisher<TChartBackWall>& p) {
    PublishPicture(p);
    p.Object("Shadow", &TChartBackWall::Shadow, &TChartBackWall::SetShadow);
}

TChartLeftWall::TChartLeftWall(TCustomTeePanel* panel) : TChartWall(panel) {
    SetWallColor(LeftWallColor);
}

TChartBottomWall::TChartBottomWall(TCustomTeePanel* panel) : TChartWall(panel) {
    SetWallColor(clWhite);
}

TChartRightWall::TChartRightWall(TCustomTeePanel* panel) : TChartWall(panel) {
    SetWallColor(WallSilver);
    TCustomTeePanel* owner = ParentChart();
    SetParentChart(nullptr);
    SetVisible(false);
    SetParentChart(owner);
}

void TChartLeftWall::Publish(TPublisher<TChartLeftWall>& p) { PublishPicture(p); }
void TChartBottomWall::Publish(TPublisher<TChartBottomWall>& p) { PublishPicture(p); }

void TChartRightWall::Publish(TPublisher<TChartRightWall>& p) {
    PublishPicture(p);
    using W = TChartRightWall;
    p.Boolean("Visible", &W::Visible, &W::SetVisible).Default(false);
}

// --- The four walls.

TChartWalls::TChartWalls(TCustomAxisPanel* chart)
    : FChart(chart),
      FBack(std::make_unique<TChartBackWall>(chart)),
      FLeft(std::make_unique<TChartLeftWall>(chart)),
      FBottom(std::make_unique<TChartBottomWall>(chart)),
      FRight(std::make_unique<TChartRightWall>(chart)) {}

TChartWalls::~TChartWalls() = default;

bool TChartWalls::View3D() const { return FChart && FChart->View3DWalls(); }
void TChartWalls::SetView3D(bool value) {
    if (FChart) FChart->SetView3DWalls(value);
}

void TChartWalls::SetSize(int value) {
    FLeft->SetSize(value);
    FRight->SetSize(value);
    FBack->SetSize(value);
    FBottom->SetSize(value);
}

TColor TChartWalls::BackColor(TColor chartColor) const {
    return FBack->Transparent() ? chartColor : FBack->Color();
}

int TChartWalls::SizeOfAxis(const TChartAxis* axis) const {
    if (!FChart || !FChart->View3D() || !FChart->View3DWalls()) return 0;
    const TCustomChartWall* wall = FBack.get();
    if (axis == FChart->LeftAxis())
        wall = FLeft.get();
    else if (axis == FChart->BottomAxis())
        wall = FBottom.get();
    else if (axis == FChart->RightAxis())
        wall = FRight.get();
    return wall->Visible() ? wall->Size() : 0;
}

void TChartWalls::VerticalExtent(const TCustomChartWall& wall, int& top, int& bottom) const {
    const TRect& chart = FChart->ChartRect();
    bottom = chart.Bottom + SizeOfAxis(FChart->BottomAxis());
    if (wall.EndPosition() != 100)
        bottom -= PercentOf(100 - wall.EndPosition(), bottom - chart.Top);
    top = chart.Top;
    if (wall.StartPosition() != 0) top += PercentOf(wall.StartPosition(), chart.Bottom - chart.Top);
}

void TChartWalls::DepthExtent(int& z0, int& z1) const {
    const int depth = FChart->Width3D();
    z0 = PercentOf(FBottom->StartPosition(), depth);
    z1 = depth - PercentOf(100 - FBottom->EndPosition(), depth);
}

bool TChartWalls::SideWallCulled(int x) const {
    TCanvas3D& canvas = *FChart->Canvas3D();
    // A surface that turns the scene itself shows no side from the front.
    if (canvas.SupportsFreeRotation()) return true;
    const TRect& chart = FChart->ChartRect();
    const int bottom = chart.Bottom + SizeOfAxis(FChart->BottomAxis());
    const TPoint points[3] = {canvas.ProjectPoint(x, chart.Top, 0),
                              canvas.ProjectPoint(x, bottom, 0),
                              canvas.ProjectPoint(x, bottom, FBack->Size() + FChart->Width3D())};
    return IsCulledTriangle(std::span<const TPoint>(points, 3));
}

bool TChartWalls::RightWallFacesViewer() const {
    return !SideWallCulled(FChart->ChartRect().Right);
}

bool TChartWalls::LeftWallFacesViewer() const { return SideWallCulled(FChart->ChartRect().Left); }

bool TChartWalls::ChartNeedsAxes() const {
    bool anyActive = false;
    for (const TChartSeries* s : FChart->SeriesList())
        if (s->Active()) {
            if (s->UsesAxes()) return true;
            anyActive = true;
        }
    return !anyActive;
}

void TChartWalls::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TChartWalls*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    FBack->Assign(other->FBack.get());
    FBottom->Assign(other->FBottom.get());
    FLeft->Assign(other->FLeft.get());
    FRight->Assign(other->FRight.get());
}
