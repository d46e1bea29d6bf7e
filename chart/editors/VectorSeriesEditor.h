#pragma once
// The 3-D vector series editor: the pens of the start and end arrowheads, whether each takes its
// vector's colour, and the heads' size. Tag holds the series.
// It adds the grid 3-D page for the same series.
#include "chart/editors/EditorForm.h"
#include "chart/editors/Grid3DPageSlot.h"

class TButtonPen;
class TCheckBox;
class TEdit;
class TUpDown;
class TVector3DSeries;

class TVectorSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TVectorSeriesEditor, TEditorForm)
public:
    explicit TVectorSeriesEditor(TComponent* owner);
    ~TVectorSeriesEditor() override;

    TVector3DSeries* Series() const { return FSeries; }
    // The grid 3-D page, once the editor has been shown with a series.
    TGrid3DSeriesEditor* Grid3DEditor() const { return FGrid3D.Page(); }

    TButtonPen* BStart;
    TCheckBox* CBStart;
    TButtonPen* BEnd;
    TCheckBox* CBEnd;
    TEdit* Edit1;
    TUpDown* UDWidth;
    TEdit* Edit2;
    TUpDown* UDHeight;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The head's pen in its vector's colour when checked, else black.
    void DefaultColorClicked(TCheckBox* box, TButtonPen* button);

    TVector3DSeries* FSeries = nullptr;
    TGrid3DPageSlot FGrid3D{this};
};
