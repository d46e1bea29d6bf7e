#pragma once
// The link tool's editor: the annotation editor with a "Link" page, brought to the front just
// after the form is made, for the address, the hint and the text.
#include "chart/tools/annotation/AnnotationToolEditor.h"

class TLinkTool;
class TTimer;

class TLinkToolEditor : public TAnnotationToolEdit {
    KV_DECLARE_CLASS(TLinkToolEditor, TAnnotationToolEdit)
public:
    explicit TLinkToolEditor(TComponent* owner);
    ~TLinkToolEditor() override;

    TLinkTool* Link() const;

    TTabSheet* TabLink;
    TEdit* EURL;
    TEdit* EHint;
    TEdit* EText;
    TTimer* Timer1;

protected:
    void DoShow() override;
};
