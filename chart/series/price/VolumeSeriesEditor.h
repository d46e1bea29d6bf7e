#pragma once
// The volume series' options: the pen dialog's controls on the series' line pen, without its
// OK and Cancel, whose colour becomes the series colour, plus a colour per point and the base
// line at an origin value. The series comes in Tag; each change is written at once.
#include "chart/editors/PenDialog.h"

class TLabel;
class TVolumeSeries;

class TVolumeSeriesEditor : public TPenDialog {
    KV_DECLARE_CLASS(TVolumeSeriesEditor, TPenDialog)
public:
    explicit TVolumeSeriesEditor(TComponent* owner);
    ~TVolumeSeriesEditor() override;

    TVolumeSeries* Series() const { return FSeries; }

    TCheckBox* CBColorEach;
    TCheckBox* CBUseOrigin;
    TLabel* LOrigin;
    TEdit* EOrigin;

protected:
    void DoShow() override;

private:
    void EnableControls();

    TVolumeSeries* FSeries = nullptr;
};
