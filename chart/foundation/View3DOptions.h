#pragma once
// The user's settings of a chart's 3-D view: angles, zoom, offsets, perspective and the
// orthogonal mode. The angles and the zoom are kept as reals (the rotation tool turns the view
// by fractions of a degree) and shown as whole numbers. Every change repaints the owning panel;
// the projection itself is worked out by the surface once per drawing pass.
#include <functional>

#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"

class TView3DOptions : public TPersistent {
    KV_DECLARE_CLASS(TView3DOptions, TPersistent)
public:
    // RepaintOwner asks the owning panel to paint itself again.
    explicit TView3DOptions(std::function<void()> repaintOwner = nullptr);
    ~TView3DOptions() override;

    // Whole degrees, rounded (halves to even) from the real angles.
    int Elevation() const;
    void SetElevation(int value) { SetElevationExact(value); }
    void SetElevationExact(double value);
    double ElevationExact() const { return FElevation; }
    int Rotation() const;
    void SetRotation(int value) { SetRotationExact(value); }
    void SetRotationExact(double value);
    double RotationExact() const { return FRotation; }
    int Tilt() const { return FTilt; }
    void SetTilt(int value);
    // At most 100.
    int Perspective() const { return FPerspective; }
    void SetPerspective(int value);
    // Percent; ZoomNotify hears of a change before it is stored.
    int Zoom() const;
    void SetZoom(int value) { SetZoomExact(value); }
    void SetZoomExact(double value);
    double ZoomExact() const { return FZoom; }
    bool ZoomText() const { return FZoomText; }
    void SetZoomText(bool value);
    int FontZoom() const { return FFontZoom; }
    void SetFontZoom(int value);
    // ScrollNotify hears of a change after it is stored (true: horizontal).
    int HorizOffset() const { return FHorizOffset; }
    void SetHorizOffset(int value);
    int VertOffset() const { return FVertOffset; }
    void SetVertOffset(int value);
    bool Orthogonal() const { return FOrthogonal; }
    void SetOrthogonal(bool value);
    int OrthoAngle() const { return FOrthoAngle; }
    void SetOrthoAngle(int value);

    // The screen shift of depth in orthogonal mode: 1 when not orthogonal, else the tangent of
    // OrthoAngle folded into 0..90 degrees.
    double OrthoSlope() const;

    // The eleven settings, without repainting or notices.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TView3DOptions>& p);

    std::function<void()> RepaintOwner;
    std::function<void(int zoom)> ZoomNotify;
    std::function<void(bool horizontal)> ScrollNotify;

private:
    void Repaint();

    double FElevation = 345;
    double FRotation = 345;
    int FTilt = 0;
    int FPerspective = 15;
    double FZoom = 100;
    bool FZoomText = true;
    int FFontZoom = 100;
    int FHorizOffset = 0;
    int FVertOffset = 0;
    bool FOrthogonal = true;
    int FOrthoAngle = 45;
};

// A point in 3-D that tools keep.
class TFloatXYZ : public TPersistent {
    KV_DECLARE_CLASS(TFloatXYZ, TPersistent)
public:
    explicit TFloatXYZ(TNotifyEvent onChange = nullptr);
    ~TFloatXYZ() override;

    double X() const { return FX; }
    void SetX(double value);
    double Y() const { return FY; }
    void SetY(double value);
    double Z() const { return FZ; }
    void SetZ(double value);

    // The three values, without notice.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TFloatXYZ>& p);

    TNotifyEvent OnChange;

private:
    void Set(double& field, double value);

    double FX = 0;
    double FY = 0;
    double FZ = 0;
};
