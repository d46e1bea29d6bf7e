#pragma once
// The axis scroll tool's editor, below the axis chooser (the tool has no pen): which way a drag
// scrolls. Tag holds the tool.
#include "chart/editors/AxisToolEditor.h"

class TAxisScrollTool;
class TCheckBox;

class TAxisScrollEditor : public TAxisToolEditor {
    KV_DECLARE_CLASS(TAxisScrollEditor, TAxisToolEditor)
public:
    explicit TAxisScrollEditor(TComponent* owner);
    ~TAxisScrollEditor() override;

    TAxisScrollTool* Scroll() const;

    TCheckBox* CBInverted;

protected:
    void DoShow() override;
};
