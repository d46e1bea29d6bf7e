#pragma once
// The drawn scroll bar's editor: repeat and sizes, the bar's look, and the thumb's look. The bar
// comes in Tag; every change is written at once.
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorForm.h"

class TButton;
class TButtonColor;
class TButtonGradient;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TEdit;
class TGroupBox;
class TPageControl;
class TTabSheet;
class TTeeScrollBar;
class TUpDown;

class TScrollbarEditor : public TEditorForm {
    KV_DECLARE_CLASS(TScrollbarEditor, TEditorForm)
public:
    explicit TScrollbarEditor(TComponent* owner);
    ~TScrollbarEditor() override;

    TTeeScrollBar* Bar() const { return FBar; }

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TCheckBox* CBAuto;
    TEdit* Edit1;
    TUpDown* UDSize;
    TEdit* Edit2;
    TUpDown* UDDelay;
    TTabSheet* TabFormat;
    TButtonPen* ButtonPen1;
    TButton* Button2;
    TButton* Button3;
    TButtonColor* ButtonColor1;
    TButtonGradient* BGradient;
    TTabSheet* TabThumb;
    TEdit* Edit3;
    TUpDown* UDThumbSize;
    TComboBox* ComboBox1;
    TButton* Button1;
    TButtonGradient* BThumbGrad;
    TComboBox* CBStyle;
    TGroupBox* GroupImage;
    TButton* BBrowse;
    TButton* BFilters;

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();
    void EnableFilters();

    TTeeScrollBar* FBar = nullptr;
};
