#pragma once
// The two bases of the data-source and function pages. TBaseSourceEditor is the page a series'
// data source is chosen on: a combo of sources and an Apply button; leaving it with changes not
// applied asks whether to apply them. TBaseFunctionEditor is the options form of one function
// class, embedded by the function page with the function in its Tag (none while the series does
// not yet have a function of that class: applying then creates one).
#include "chart/editors/EditorForm.h"

class TButton;
class TChartSeries;
class TComboBox;
class TCustomAxisPanel;
class TLabel;
class TPanel;
class TStrings;
class TTeeFunction;

class TBaseSourceEditor : public TEditorForm {
    KV_DECLARE_CLASS(TBaseSourceEditor, TEditorForm)
public:
    explicit TBaseSourceEditor(TComponent* owner);
    ~TBaseSourceEditor() override;

    TPanel* Pan;
    TLabel* LLabel;
    TComboBox* CBSources;
    TPanel* PanelApply;
    TButton* BApply;

    // The chart the page was opened on (none when opened on a series) and the edited series.
    TCustomAxisPanel* TheChart() const { return FTheChart; }
    TChartSeries* TheSeries() const { return FTheSeries; }
    virtual bool OptionalQuery() { return false; }
    // Makes component the series' data source (adding a series to the chart first when the
    // page was opened on a chart that has none).
    void ConnectSource(TComponent* component);
    // With changes not applied: "Apply Changes ?" Yes applies (and closes only when that
    // succeeded), No drops them, Cancel stays.
    bool CloseQuery() override;
    // What Apply does; the base has nothing to apply.
    virtual void BApplyClick() {}

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

    TCustomAxisPanel* FTheChart = nullptr;
    TChartSeries* FTheSeries = nullptr;
};

class TBaseFunctionEditor : public TEditorForm {
    KV_DECLARE_CLASS(TBaseFunctionEditor, TEditorForm)
public:
    explicit TBaseFunctionEditor(TComponent* owner);

    // The edited function: the Tag when shown, or the one applying created.
    TTeeFunction* IFunction = nullptr;

    virtual void ApplyFunction() {}
    virtual void LoadFunction() {}
    // Enables Apply of the source page that embeds this form.
    void EnableApply();
    // The series of the chart holding the function's series, by title, each with its series.
    void ListChartSeries(TStrings& list) const;
    // Creates the function when there is none yet (of the class chosen on the owning page, for
    // its series), then writes the controls into it under one recalculation.
    bool CloseQuery() override;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;
    TBaseSourceEditor* SourcePage() const;
    // Makes function the edited one and asks to hear when it is freed.
    void SetEditedFunction(TTeeFunction* function);
};
