#pragma once
// The donut's options: the hole's size, and on a series page the pie's own options as the page
// "Donut". The series comes in Tag; each change is written at once.
#include "chart/editors/EditorForm.h"

class TDonutSeries;
class TEdit;
class TUpDown;

class TDonutSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TDonutSeriesEditor, TEditorForm)
public:
    explicit TDonutSeriesEditor(TComponent* owner);
    ~TDonutSeriesEditor() override;

    TDonutSeries* Series() const { return FSeries; }
    // The pie's options page, while there is one.
    TForm* PiePage() const { return FPiePage; }

    TEdit* EDonut;
    TUpDown* UDDonut;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TDonutSeries* FSeries = nullptr;
    TForm* FPiePage = nullptr;
};
