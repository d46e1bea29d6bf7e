#pragma once
// The 3-D point series editor: the series colour or a colour for each point, the line joining
// the points, the base lines, the pointers' depth, and the point markers on a page of their own.
// Tag holds the series.
#include "chart/editors/EditorForm.h"

class TButtonColor;
class TButtonPen;
class TCheckBox;
class TEdit;
class TGroupBox;
class TPoint3DSeries;
class TUpDown;

class TPoint3DSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TPoint3DSeriesEditor, TEditorForm)
public:
    explicit TPoint3DSeriesEditor(TComponent* owner);
    ~TPoint3DSeriesEditor() override;

    TPoint3DSeries* Series() const { return FSeries; }
    TForm* PointPage() const { return FPointPage; }

    TGroupBox* GPLine;
    TButtonColor* BColor;
    TCheckBox* CBColorEach;
    TButtonPen* Button1;
    TButtonPen* BBasePen;
    TEdit* SEPointDepth;
    TUpDown* UDPointDepth;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TPoint3DSeries* FSeries = nullptr;
    TForm* FPointPage = nullptr;
};
