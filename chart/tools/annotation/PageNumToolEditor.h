#pragma once
// The page number tool's editor: the annotation editor with a "Paging" tab for the buttons,
// which comes to the front once the form is shown.
#include "chart/tools/annotation/AnnotationToolEditor.h"

class TButtonGradient;
class TPageNumTool;
class TTimer;

class TPageNumToolEdit : public TAnnotationToolEdit {
    KV_DECLARE_CLASS(TPageNumToolEdit, TAnnotationToolEdit)
public:
    explicit TPageNumToolEdit(TComponent* owner);
    ~TPageNumToolEdit() override;

    TTabSheet* TabPaging;
    TCheckBox* CBButtons;
    TEdit* EWidth;
    TUpDown* UDButtonWidth;
    TButtonGradient* BEnabled;
    TButtonGradient* BDisabled;
    TButtonPen* BBorder;
    // Brings the "Paging" tab to the front a moment after the form shows.
    TTimer* Timer1;

protected:
    void DoShow() override;

private:
    TPageNumTool* PageTool() const;
};
