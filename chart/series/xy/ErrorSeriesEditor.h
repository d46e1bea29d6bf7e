#pragma once
// The error series' options: the cross stroke's width and its units, the whiskers' direction
// (plain error series only), a colour per point and the error pen; on an error-bar series the
// bar editor joins the series page as "Bar". Tag holds the series.
#include "chart/editors/EditorForm.h"
#include "chart/series/xy/EditorSubPages.h"

class TButtonPen;
class TCheckBox;
class TCustomErrorSeries;
class TEdit;
class TRadioGroup;
class TUpDown;

class TErrorSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TErrorSeriesEditor, TEditorForm)
public:
    explicit TErrorSeriesEditor(TComponent* owner);
    ~TErrorSeriesEditor() override;

    TCustomErrorSeries* Series() const { return FSeries; }

    TEdit* SEBarwidth;
    TUpDown* UDBarWidth;
    TRadioGroup* RGWidthUnit;
    TRadioGroup* RGStyle;
    TCheckBox* CBColorEach;
    TButtonPen* BPen;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TCustomErrorSeries* FSeries = nullptr;
    TEditorSubPages FPages{this};
};
