#pragma once
// The annotation editor: the text and its options, the automatic or custom position, the size,
// the callout and the margins, with the shape editor's pages for the box itself. The tool comes
// in Tag (or through SetTool); every change is written at once.
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorForm.h"
#include "chart/editors/OwnedForm.h"

class TAnnotationCallout;
class TAnnotationTool;
class TButton;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TEdit;
class TFormTeeShape;
class TLabel;
class TMarginsEditor;
class TMemo;
class TPageControl;
class TTabSheet;
class TUpDown;

class TAnnotationToolEdit : public TEditorForm {
    KV_DECLARE_CLASS(TAnnotationToolEdit, TEditorForm)
public:
    explicit TAnnotationToolEdit(TComponent* owner);
    ~TAnnotationToolEdit() override;

    TAnnotationTool* Tool() const { return FTool; }
    // Edits tool: every control loads from it.
    void SetTool(TAnnotationTool* tool);

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TMemo* MemoText;
    TButton* BEdit;
    TComboBox* CBTextAlign;
    TComboBox* CBCursor;
    TCheckBox* CBVisible;
    TCheckBox* CBClipText;
    TTabSheet* TabPosition;
    TComboBox* CBPosition;
    TCheckBox* CBCustPos;
    TUpDownEdit LeftEdit;
    TUpDownEdit TopEdit;
    TComboBox* CBUnits;
    TTabSheet* TabSize;
    TCheckBox* CBAutoSize;
    TUpDownEdit WidthEdit;
    TUpDownEdit HeightEdit;
    TTabSheet* TabCallout;
    TButtonPen* BCalloutPen;
    TButton* BCalloutPointer;
    TEdit* EXPos;
    TEdit* EYPos;
    TEdit* EZPos;
    TUpDownEdit DistanceEdit;
    TComboBox* CBHead;
    TUpDownEdit HeadSizeEdit;
    TTabSheet* TabMargins;
    TMarginsEditor* MarginsEditor;

protected:
    void DoShow() override;

private:
    void BuildOptions();
    void BuildPosition();
    void BuildSize();
    void BuildCallout();
    void EnablePosition();
    void PositionChanged(TUpDownEdit& edit, void (TAnnotationTool::*set)(int));
    void CalloutPositionChanged(TEdit* edit, void (TAnnotationCallout::*set)(int));

    TAnnotationTool* FTool = nullptr;
    TOwnedForm<TFormTeeShape> FShapeEditor;
};
