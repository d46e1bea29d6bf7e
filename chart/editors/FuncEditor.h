#pragma once
// The data-source page of a series fed by other series: the function that turns the sources
// into points ("Copy" copies them), the source series (one, with the value list read, or several
// through the select-list panel), and the chosen function's own options form embedded by the
// name the function gives. Nothing reaches the series before Apply: a function chosen in the
// combo replaces the series' one only then, so leaving without applying keeps the series as it
// was. The page follows the chart's series events to keep its source lists current.
#include "chart/editors/FunctionChoices.h"  // the lists this page offers, for its hosts too
#include "chart/editors/SourceEditorBase.h"
#include "chart/foundation/TeePanel.h"

class TBaseFunctionEditor;
class TPageControl;
class TSelectListForm;
class TSpeedButton;
class TTabSheet;

class TTeeFuncEditor : public TBaseSourceEditor, public IPanelListener {
    KV_DECLARE_CLASS(TTeeFuncEditor, TBaseSourceEditor)
public:
    explicit TTeeFuncEditor(TComponent* owner);
    ~TTeeFuncEditor() override;

    TSpeedButton* SpeedButton1;
    TPageControl* PageControl1;
    TTabSheet* TabSource;
    TTabSheet* TabOptions;
    TPanel* PanSingle;
    TLabel* LSingle;
    TComboBox* CBSingle;
    TLabel* LValues;
    TComboBox* CBValues;
    TButton* BNone;

    // The embedded options form of the chosen function, and the select-list panel.
    TBaseFunctionEditor* OptionsEditor() const { return FOptions; }
    TSelectListForm* SelectList() const { return FSelectList; }

    // Selects in combo the value list the series' mandatory list reads (item 0 without one).
    static void SelectValueSourceItem(const TChartSeries& series, TComboBox& combo);
    // The source lists anew from the series' owner.
    void FillSourceLists();
    void CBSourcesChange();
    void CBSingleChange();
    void SpeedButton1Click();
    void BApplyClick() override;

    void HandleTeeEvent(TTeeEvent* event) override;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Listen(TCustomAxisPanel* chart);
    void ApplySources();
    // The series' function becomes one of the chosen class (none for "Copy").
    void ApplyFunctionClass();
    void FreeOptionsEditor();

    TBaseFunctionEditor* FOptions = nullptr;
    TClass FOptionsClass = nullptr;  // the function class FOptions was made for
    TSelectListForm* FSelectList = nullptr;
    TCustomAxisPanel* FListened = nullptr;
};
