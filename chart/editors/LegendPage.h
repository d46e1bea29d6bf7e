#pragma once
// The legend page (visibility, order, what the lines list, where the legend stands) and, in its
// Symbols tab, the legend symbol editor. The symbol editor is made once, with the page, and
// reloaded on each visit: a page shown again never stacks a second one.
#include "chart/editors/ChartPageForm.h"
#include "chart/editors/OwnedForm.h"

class TButton;
class TButtonGradient;
class TButtonPen;
class TChartLegend;
class TCheckBox;
class TComboBox;
class TEdit;
class TFormTeeShape;
class TLegendSymbol;
class TMemo;
class TUpDown;
class TPageControl;
class TRadioGroup;
class TTabSheet;

class TSymbolEditor : public TChartPageForm {
    KV_DECLARE_CLASS(TSymbolEditor, TChartPageForm)
public:
    explicit TSymbolEditor(TComponent* owner);
    ~TSymbolEditor() override;

    // Makes symbol the edited one and reads it.
    void LoadSymbol(TLegendSymbol* symbol);

    TCheckBox* CBContinuous;
    TCheckBox* CBVisible;
    TCheckBox* CBSquared;
    TComboBox* CBSymbolPos;
    TEdit* SEColWi;
    TUpDown* UDColWi;
    TComboBox* CBColWUnits;
    TCheckBox* CBSymPen;
    TButtonPen* BSymPen;
    TButtonGradient* BSymGradient;
    TButton* Button1;

protected:
    void LoadControls() override;

private:
    void BuildControls();
    void BindProperties();

    TLegendSymbol* FSymbol = nullptr;
};

class TFormTeeLegend : public TChartPageForm {
    KV_DECLARE_CLASS(TFormTeeLegend, TChartPageForm)
public:
    TFormTeeLegend(TComponent* owner, TChartLegend* legend);
    ~TFormTeeLegend() override;

    // The page on legend with the shape editors' pages taken in.
    static TFormTeeLegend* CreateForLegend(TComponent* owner, TChartLegend* legend);
    // Takes in the pages of a shape editor for legend (after the page's own tabs) and of one for
    // its title (after the title's options).
    void EmbedShapeEditors(TChartLegend* legend);
    TFormTeeShape* ShapeEditor() const { return FShapeEditor.get(); }
    TFormTeeShape* TitleShapeEditor() const { return FTitleShapeEditor.get(); }

    TPageControl* PageControl1;
    TTabSheet* TabStyle;
    TTabSheet* TabPosition;
    TTabSheet* TabSymbols;
    TTabSheet* TabTitle;
    TCheckBox* CBShow;
    TCheckBox* CBInverted;
    TComboBox* CBLegendStyle;
    TComboBox* CBLegStyle;
    TCheckBox* CBFontColor;
    TComboBox* CBCheckBoxes;
    TEdit* EVertSpacing;
    TUpDown* UDVertSpacing;
    TRadioGroup* RGPosition;
    TCheckBox* CBResizeChart;
    TEdit* SETopPos;
    TUpDown* UDTopPos;
    TEdit* SEMargin;
    TUpDown* UDMargin;
    TCheckBox* CBCustPos;
    TEdit* ECustLeft;
    TUpDown* UDLeft;
    TEdit* ECustTop;
    TUpDown* UDTop;
    TPageControl* PageControl2;
    TTabSheet* TabTitleOptions;
    TCheckBox* CBPosPercent;
    TMemo* MemoText;
    TCheckBox* CBTitleVisible;
    TComboBox* CBTextAlign;
    TButton* Button1;
    TButtonPen* BDivLines;
    TSymbolEditor* SymbolEditor;

protected:
    void LoadControls() override;

private:
    void BuildControls();
    void BuildPositionTab();
    void BuildTitleTab();
    void BindProperties();
    void CheckBoxesChanged();
    void MarginChanged();
    void CustomPositionClicked();
    void PositionUnitsClicked();
    void TitleTextChanged();
    void EditTitleText();
    void TitleAlignmentChanged();
    bool Vertical() const;
    void RefreshCustomPosition();
    // Writes a custom left or top edit in the legend's position units.
    void CustomPositionChanged(TEdit* edit, bool left);
    // The number in an edit, or none while it holds no number.
    static bool EditNumber(TEdit* edit, int& value);

    TChartLegend* FLegend;
    // Set while the page puts controls right itself.
    bool FQuiet = false;
    TOwnedForm<TFormTeeShape> FShapeEditor;
    TOwnedForm<TFormTeeShape> FTitleShapeEditor;
};
