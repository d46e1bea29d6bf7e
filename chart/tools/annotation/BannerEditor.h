#pragma once
// The banner tool's editor: the annotation editor with a "Banner" page, first and in front, for
// the scrolling and the blinking.
#include "chart/tools/annotation/AnnotationToolEditor.h"

class TBannerTool;

class TBannerEditor : public TAnnotationToolEdit {
    KV_DECLARE_CLASS(TBannerEditor, TAnnotationToolEdit)
public:
    explicit TBannerEditor(TComponent* owner);
    ~TBannerEditor() override;

    TBannerTool* Banner() const;

    TTabSheet* TabBanner;
    TCheckBox* CBScroll;
    TEdit* Edit2;
    TUpDown* UDDelay;
    TCheckBox* CBBlink;
    TEdit* Edit3;
    TUpDown* UDBlinkOn;
    TEdit* Edit4;
    TUpDown* UDBlinkOff;
    TComboBox* CBDirection;

protected:
    void DoShow() override;
};
