#pragma once
// The legend page (visibility, order, what the lines list, where the legend stands) and, in its
// Symbols tab, the legend symbol editor. The symbol editor is made once, with the page, and
// reloaded on each visit: a page shown again never stacks a second one.
#include "chart/editors/ChartPageForm.h"

class TButtonPen;
class TChartLegend;
class TCheckBox;
class TComboBox;
class TLegendSymbol;
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

protected:
    void LoadControls() override;

private:
    TLegendSymbol* FSymbol = nullptr;
};

class TFormTeeLegend : public TChartPageForm {
    KV_DECLARE_CLASS(TFormTeeLegend, TChartPageForm)
public:
    TFormTeeLegend(TComponent* owner, TChartLegend* legend);
    ~TFormTeeLegend() override;

    TPageControl* PageControl1;
    TTabSheet* TabStyle;
    TTabSheet* TabPosition;
    TTabSheet* TabSymbols;
    TCheckBox* CBShow;
    TCheckBox* CBInverted;
    TComboBox* CBLegendStyle;
    TRadioGroup* RGPosition;
    TButtonPen* BDivLines;
    TSymbolEditor* SymbolEditor;

protected:
    void LoadControls() override;

private:
    TChartLegend* FLegend;
};
