#pragma once
// The small box a series mark may draw in front of its text; hidden by default.
#include "chart/foundation/TeeShape.h"

class TSeriesMarksSymbol : public TTeeCustomShape {
    KV_DECLARE_CLASS(TSeriesMarksSymbol, TTeeCustomShape)
public:
    explicit TSeriesMarksSymbol(TCustomTeePanel* chart = nullptr);
    // Visible and not transparent.
    bool IsShown() const { return Visible() && !Transparent(); }
    static void Publish(TPublisher<TSeriesMarksSymbol>& p);

protected:
    // A one-pixel shadow.
    void InitShadow(TTeeShadow& shadow) const override;
};
