#pragma once
// The Fibonacci tool's editor: the style, the trend line's pen and points, the levels (added,
// removed, reset, each with its value and pen) and the labels. The tool comes in Tag.
#include "chart/editors/EditorControls.h"
#include "chart/editors/SeriesToolEditor.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TEdit;
class TFibonacciItem;
class TFibonacciTool;
class TGroupBox;
class TPageControl;
class TRadioGroup;
class TTabSheet;
class TUpDown;

class TFibonacciEditor : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TFibonacciEditor, TSeriesToolEditor)
public:
    explicit TFibonacciEditor(TComponent* owner);
    ~TFibonacciEditor() override;

    TFibonacciTool* Fibonacci() const;
    // The level UDLevel selects, none when there are no levels.
    TFibonacciItem* SelectedLevel() const;

    TRadioGroup* RGStyle;
    TPageControl* PageControl1;
    TTabSheet* TabTrend;
    TTabSheet* TabLevels;
    TTabSheet* TabLabels;
    TButtonPen* BTrendPen;
    TEdit* EXStart;
    TEdit* EYStart;
    TEdit* EXEnd;
    TEdit* EYEnd;
    TButton* Button1;
    TButton* BRemoveLevel;
    TButton* Button3;
    TGroupBox* GBLevels;
    TEdit* ELevel;
    TUpDown* UDLevel;
    TEdit* ELevelValue;
    TButtonPen* BLevelPen;
    TCheckBox* CBLabels;
    TButton* Button2;
    TEdit* EAngle;
    TUpDown* UDAngle;

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();
    // Shows the levels' count and selects level index (clamped), its value and pen.
    void ShowLevels(int index);
};
