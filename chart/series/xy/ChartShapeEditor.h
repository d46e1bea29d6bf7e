#pragma once
// The shape's options on four pages: the figure (style, colour, border, fill, pattern, round
// corners, gradient, transparency), the text and its alignment, the corners and how they are
// read, and the font. Text typed before the form was first shown is ignored. Tag holds the
// shape.
#include <memory>

#include "chart/editors/EditorForm.h"

class TButton;
class TButtonColor;
class TButtonGradient;
class TButtonPen;
class TChartShape;
class TCheckBox;
class TComboBox;
class TEdit;
class TMemo;
class TPageControl;
class TRadioGroup;
class TTabSheet;
class TTeeFontEditor;
class TUpDown;

class TChartShapeEditor : public TEditorForm {
    KV_DECLARE_CLASS(TChartShapeEditor, TEditorForm)
public:
    explicit TChartShapeEditor(TComponent* owner);
    ~TChartShapeEditor() override;

    TChartShape* Shape() const { return FShape; }

    TPageControl* PageControl1;
    TTabSheet* TabStyle;
    TTabSheet* TabText;
    TTabSheet* TabPosition;
    TTabSheet* TabFont;
    TComboBox* CBStyle;
    TButtonColor* BShapeColor;
    TButtonPen* BShapePen;
    TCheckBox* CBTrans;
    TButton* BShapeBrush;
    TCheckBox* CBRound;
    TButtonGradient* BGradient;
    TEdit* Edit1;
    TUpDown* UDTransp;
    TMemo* MemoText;
    TButton* Button1;
    TRadioGroup* RGVertAlign;
    TRadioGroup* RGAlign;
    TEdit* SEX0;
    TEdit* SEX1;
    TEdit* SEY0;
    TEdit* SEY1;
    TComboBox* CBUnits;
    TTeeFontEditor* FontEditor() const { return FFontEditor.get(); }

protected:
    void DoShow() override;

private:
    void BuildStylePage();
    void BuildTextPage();
    void BuildPositionPage();
    void BindProperties();
    void StyleChanged();
    // The corner edits: a text that is no number is ignored.
    void CornerChanged(TEdit* edit, void (TChartShape::*set)(double));

    TChartShape* FShape = nullptr;
    std::unique_ptr<TTeeFontEditor> FFontEditor;
};
