#pragma once
// The 3-D vector series editor: the pens of the start and end arrowheads, whether each takes its
// vector's colour, and the heads' size. Tag holds the series.
#include "platform/ui/Form.h"

class TButtonPen;
class TCheckBox;
class TEdit;
class TUpDown;
class TVector3DSeries;

class TVectorSeriesEditor : public TForm {
    KV_DECLARE_CLASS(TVectorSeriesEditor, TForm)
public:
    explicit TVectorSeriesEditor(TComponent* owner);
    ~TVectorSeriesEditor() override;

    TVector3DSeries* Series() const { return FSeries; }

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

private:
    // The head's pen in its vector's colour when checked, else black.
    void DefaultColorClicked(TCheckBox* box, TButtonPen* button);

    TVector3DSeries* FSeries = nullptr;
    bool FLoading = false;
};
