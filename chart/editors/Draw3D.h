#pragma once
// A panel the program draws on in 3-D through OnPaint: the panel's decoration (gradient, back
// image, border, shadow) first, then a 3-D projection 100 pixels deep prepared over the chart
// rectangle for OnPaint, the zoom rectangle while the user drags one, and OnAfterDraw.
#include <functional>

#include "chart/foundation/TeePanelExtended.h"

using TDraw3DPaintEvent = std::function<void(TObject* Sender, const TRect& Rect)>;

class TDraw3D : public TCustomTeePanelExtended {
    KV_DECLARE_CLASS(TDraw3D, TCustomTeePanelExtended)
public:
    explicit TDraw3D(TComponent* owner);
    ~TDraw3D() override;

    // The depth the projection is prepared for.
    static constexpr int Depth = 100;

    TDraw3DPaintEvent OnPaint;

protected:
    void InternalDraw(const TRect& Rect) override;
};
