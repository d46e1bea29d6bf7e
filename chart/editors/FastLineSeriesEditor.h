#pragma once
// The fast-line series editor: the pen dialog's controls on the series' line pen, without its
// OK and Cancel, plus drawing every point, stairs and the treatment of nulls. The pen's colour
// is the series colour. The series comes in Tag; each change is written at once.
#include "chart/editors/PenDialog.h"

class TComboFlat;
class TFastLineSeries;
class TGroupBox;
class TLabel;

class TFastLineSeriesEditor : public TPenDialog {
    KV_DECLARE_CLASS(TFastLineSeriesEditor, TPenDialog)
public:
    explicit TFastLineSeriesEditor(TComponent* owner);
    ~TFastLineSeriesEditor() override;

    TFastLineSeries* Series() const { return FSeries; }

    TCheckBox* CBDrawAll;
    TGroupBox* GBStair;
    TCheckBox* CBStairs;
    TCheckBox* CBInvStairs;
    TLabel* LNulls;
    TComboFlat* CBNulls;

protected:
    void DoShow() override;

private:
    void BindProperties();

    TFastLineSeries* FSeries = nullptr;
};
