#pragma once
// The bar series editor: the bars' style, brush, colours, gradient, tick lines and transparency
// ("Format"), their width, offset and depth ("Size"), their shadow ("Shadow") and border
// ("Border"). The series comes in Tag; each change is written at once. The stacking page
// (TStackBarSeriesEditor) is added as a page of the series page.
#include <memory>

#include "chart/editors/EditorForm.h"
#include "chart/editors/OwnedForm.h"

class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TCustomBarSeries;
class TEdit;
class TLabel;
class TPageControl;
class TTabSheet;
class TTeeShadowEditor;
class TTrackBar;
class TUpDown;

class TBarSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TBarSeriesEditor, TEditorForm)
public:
    explicit TBarSeriesEditor(TComponent* owner);
    ~TBarSeriesEditor() override;

    TCustomBarSeries* Series() const { return FSeries; }
    TForm* StackPage() const { return FStackPage; }
    TTeeShadowEditor* ShadowEditor() const { return FShadowEditor.get(); }

    TPageControl* PageControl1;
    TTabSheet* TabFormat;
    TTabSheet* TabSize;
    TTabSheet* TabShadow;
    TTabSheet* TabBorder;
    TLabel* LStyle;
    TComboFlat* CBBarStyle;
    TButton* BBarBrush;
    TCheckBox* CBColorEach;
    TButtonColor* BBarColor;
    TButton* BGradient;
    TButtonPen* BTickLines;
    TCheckBox* CBDarkBar;
    TLabel* LTransp;
    TTrackBar* TBTransp;
    TEdit* SEBarwidth;
    TUpDown* UDBarWidth;
    TEdit* SEBarOffset;
    TUpDown* UDBarOffset;
    TEdit* Edit1;
    TUpDown* UDDepth;
    TCheckBox* CBBarSideMargins;
    TCheckBox* CBMarksAutoPosition;
    TButtonPen* BBarPen;
    TLabel* LBevel;
    TEdit* EBevel;
    TUpDown* UDBevel;
    TEdit* Edit2;
    TUpDown* UDDarkPen;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BuildControls();
    void BindProperties();
    // Loads what the bindings do not: the pen buttons, the shadow page and the stacking page.
    void LoadSeries();
    // The gradient button and the bevel controls follow the bar style.
    void ApplyStyleRules();
    // The colour button serves only a series of one colour.
    void EnableColorButton();
    void BGradientClick();

    TCustomBarSeries* FSeries = nullptr;
    TForm* FStackPage = nullptr;
    // Embedded in "Shadow" on the first show; nobody else owns it.
    TOwnedForm<TTeeShadowEditor> FShadowEditor;
};
