#pragma once
// The kagi options on three pages: "Lines" with the up-swing and down-swing pens, "Buy" and
// "Sell" each with a point-marker editor for its symbol. The reversal has no control here. The
// series comes in Tag; each change is written at once.
#include "chart/editors/EditorForm.h"

class TButtonPen;
class TKagiSeries;
class TPageControl;
class TSeriesPointerEditor;
class TTabSheet;

class TKagiSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TKagiSeriesEditor, TEditorForm)
public:
    explicit TKagiSeriesEditor(TComponent* owner);
    ~TKagiSeriesEditor() override;

    TKagiSeries* Series() const { return FSeries; }

    TPageControl* PageControl1;
    TTabSheet* TabLines;
    TTabSheet* TabBuy;
    TTabSheet* TabSell;
    TButtonPen* BUp;
    TButtonPen* BDown;
    // Made at the first show, when the series is known.
    TSeriesPointerEditor* BuyEditor = nullptr;
    TSeriesPointerEditor* SellEditor = nullptr;

protected:
    void DoShow() override;

private:
    TKagiSeries* FSeries = nullptr;
};
