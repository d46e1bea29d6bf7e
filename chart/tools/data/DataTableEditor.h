#pragma once
// The data table's editor: the grid's pens, its order and its place; the legend column's
// visibility, colours, side, symbol and font; the cells' font. The tool comes in Tag; every
// change is written at once.
#include "chart/editors/EditorForm.h"
#include "chart/editors/OwnedForm.h"

class TButtonPen;
class TCheckBox;
class TDataTableTool;
class TEdit;
class TGroupBox;
class TPageControl;
class TSymbolEditor;
class TTabSheet;
class TTeeFontEditor;
class TUpDown;

class TDataTableEditor : public TEditorForm {
    KV_DECLARE_CLASS(TDataTableEditor, TEditorForm)
public:
    explicit TDataTableEditor(TComponent* owner);
    ~TDataTableEditor() override;

    TDataTableTool* Tool() const { return FTool; }
    TTeeFontEditor* LegendFontEditor() const { return FLegendFont.get(); }
    TTeeFontEditor* FontEditor() const { return FFont.get(); }

    TPageControl* PageControl1;
    TTabSheet* TabFormat;
    TButtonPen* ButtonPen1;
    TButtonPen* ButtonPen2;
    TCheckBox* CBInverted;
    TGroupBox* GroupPosition;
    TCheckBox* CBAutoPos;
    TEdit* Edit1;
    TUpDown* UDLeft;
    TEdit* Edit2;
    TUpDown* UDTop;
    TTabSheet* TabLegend;
    TPageControl* PageControl2;
    TTabSheet* TabLegendFormat;
    TCheckBox* CBLegVisible;
    TCheckBox* CBFontColor;
    TCheckBox* CBOtherSide;
    TTabSheet* TabSymbol;
    TSymbolEditor* SymbolEditor;
    TTabSheet* TabLegendText;
    TTabSheet* TabText;

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();
    void AutoPositionClicked();
    void EnablePosition();

    TDataTableTool* FTool = nullptr;
    TOwnedForm<TTeeFontEditor> FLegendFont;
    TOwnedForm<TTeeFontEditor> FFont;
};
