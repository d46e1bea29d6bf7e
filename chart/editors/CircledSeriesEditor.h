#pragma once
// The page of what every circular series shares: the circled shape, the chart's 3-D view, the
// rotation, fixed radii, the circle's background colour and gradient, and the shadow. No series
// names it: the pie editor and the editors of other circular series add it to the series page
// as a page of its own, "Circled". Tag holds the series.
#include "chart/editors/EditorForm.h"
#include "chart/editors/OwnedForm.h"

class TButtonColor;
class TButtonGradient;
class TCheckBox;
class TCircledSeries;
class TEdit;
class TPageControl;
class TTabSheet;
class TTeeShadowEditor;
class TUpDown;

class TCircledSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TCircledSeriesEditor, TEditorForm)
public:
    explicit TCircledSeriesEditor(TComponent* owner);
    ~TCircledSeriesEditor() override;

    TCircledSeries* Series() const { return FSeries; }

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TTabSheet* TabRadius;
    TTabSheet* TabShadow;
    TCheckBox* CBCircled;
    TCheckBox* CB3D;
    TEdit* Edit1;
    TUpDown* UDRot;
    TButtonColor* BBack;
    TCheckBox* CBTransp;
    TButtonGradient* BGradient;
    TEdit* Edit2;
    TUpDown* UDX;
    TCheckBox* CBAutoXR;
    TEdit* Edit3;
    TUpDown* UDY;
    TCheckBox* CBAutoYR;

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();
    // "Transparent" checked drops the circle's colour and gradient.
    void TransparentClicked();
    // A visible background of its own was chosen: the circle is no longer transparent.
    void BackgroundChosen();

    TCircledSeries* FSeries = nullptr;
    TOwnedForm<TTeeShadowEditor> FShadowEditor;
};

// Adds a circled page for series as the tab "Circled" after "Format" of the series page that
// owns form (the editor of a circular series); on no series page the page is made owned by form
// and not shown. Returns it.
TCircledSeriesEditor* EmbedCircledSeriesEditor(TForm* form, TCircledSeries* series);
