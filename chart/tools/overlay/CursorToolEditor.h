#pragma once
// The cursor tool's editor, below the series chooser: its style, line sizes, scope and pen on
// the "Style" page, snapping on "Snap" and the mouse on "Mouse". Every change is written to the
// tool at once. Tag holds the tool.
#include "chart/editors/SeriesToolEditor.h"

class TButtonPen;
class TCheckBox;
class TComboBox;
class TCursorTool;
class TEdit;
class TPageControl;
class TTabSheet;
class TUpDown;

class TCursorToolEditor : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TCursorToolEditor, TSeriesToolEditor)
public:
    explicit TCursorToolEditor(TComponent* owner);
    ~TCursorToolEditor() override;

    TCursorTool* Cursor() const;

    TPageControl* PageControl1;
    TTabSheet* TabStyle;
    TTabSheet* TabSnap;
    TTabSheet* TabMouse;
    TComboBox* CBStyle;
    TEdit* EHorizSize;
    TUpDown* UDHorizSize;
    TEdit* EVertSize;
    TUpDown* UDVertSize;
    TEdit* EScopeSize;
    TUpDown* UDScopeSize;
    TComboBox* CBScopeStyle;
    TButtonPen* BPen;
    TCheckBox* CBSnap;
    TCheckBox* CBUseSeriesZ;
    TComboBox* CBSnapStyle;
    TCheckBox* CBFollow;
    TEdit* ETolerance;
    TUpDown* UDTolerance;

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();
    void CBStyleChange();
    // The snap controls need a series, the snap style also Snap; the scope size a scope style.
    void EnableControls();
};
