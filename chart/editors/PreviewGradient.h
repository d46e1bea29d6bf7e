#pragma once
// The panel the gradient editor shows its gradient on: only the panel's own background is drawn.
#include "chart/foundation/TeePanelExtended.h"

class TPreviewGradient : public TCustomTeePanelExtended {
    KV_DECLARE_CLASS(TPreviewGradient, TCustomTeePanelExtended)
public:
    explicit TPreviewGradient(TComponent* owner);
    ~TPreviewGradient() override;

protected:
    void InternalDraw(const TRect& Rect) override;
};
