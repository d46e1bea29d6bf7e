#pragma once
// The area series editor: stairs, the area's pens and brushes, transparency, colour and nulls
// on its "Options" page; stacking, the origin and the stack group on its "Stack" page. The
// series comes in Tag; each change is written at once. The point-marker editor of the series is
// added as a page of the series page.
#include "chart/editors/EditorForm.h"

class TAreaSeries;
class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TEdit;
class TGroupBox;
class TLabel;
class TPageControl;
class TRadioGroup;
class TTabSheet;
class TUpDown;

class TAreaSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TAreaSeriesEditor, TEditorForm)
public:
    explicit TAreaSeriesEditor(TComponent* owner);
    ~TAreaSeriesEditor() override;

    TAreaSeries* Series() const { return FSeries; }
    TForm* PointPage() const { return FPointPage; }
    // The "Gradient" page, once made; the series page owns it.
    TForm* GradientPage() const { return FGradientPage; }

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TTabSheet* TabStack;
    TGroupBox* GBArea;
    TCheckBox* CBStairs;
    TCheckBox* CBInvStairs;
    TButtonPen* BAreaLinesPen;
    TButtonPen* BAreaLinePen;
    TButton* BPattern;
    TButton* Button1;
    TLabel* LTransp;
    TEdit* ETransp;
    TUpDown* UDTransp;
    TCheckBox* CBDark3D;
    TGroupBox* GBColor;
    TCheckBox* CBColorEach;
    TButtonColor* BAreaColor;
    TLabel* LNulls;
    TComboFlat* CBNulls;
    TRadioGroup* RGMultiArea;
    TCheckBox* CBUseOrigin;
    TLabel* LOrigin;
    TEdit* EOrigin;
    TUpDown* UDOrigin;
    TLabel* LGroup;
    TEdit* EGroup;
    TUpDown* UDGroup;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BuildControls();
    void BindProperties();
    // Loads what the bindings do not: the pen buttons, the enabling and the added pages.
    void LoadSeries();
    // The origin edit serves "Use Origin", the group edit stacked areas.
    void EnableOrigin();
    void EnableGroup();
    void AddGradientPage();

    TAreaSeries* FSeries = nullptr;
    TForm* FPointPage = nullptr;
    TForm* FGradientPage = nullptr;
};
