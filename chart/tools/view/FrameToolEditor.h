#pragma once
// The frame tool's editor. "Format": the strip width, the frame picture (one of the program's
// own or a browsed one for "Custom"), its filters and whether the chart's margins follow;
// "Paspartou": the mat's width, brush and outline; "Color": a colour filter on the picture,
// its red, green and blue shifts. Tag holds the tool.
#include "chart/editors/EditorForm.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TColorFilter;
class TComboBox;
class TFrameTool;
class TLabel;
class TPageControl;
class TScrollBar;
class TTabSheet;

class TFrameToolEditor : public TEditorForm {
    KV_DECLARE_CLASS(TFrameToolEditor, TEditorForm)
public:
    explicit TFrameToolEditor(TComponent* owner);
    ~TFrameToolEditor() override;

    TFrameTool* Tool() const;

    TPageControl* PageControl1;
    TTabSheet* TabFormat;
    TScrollBar* SBSize;
    TLabel* LSize;
    TComboBox* CBStyle;
    TButton* BBrowse;
    TButton* Button1;
    TCheckBox* CBResize;
    TTabSheet* TabPaspartou;
    TScrollBar* SBPasSize;
    TLabel* LPasSize;
    TButton* Button2;
    TButtonPen* BBorder;
    TTabSheet* TabColor;
    TCheckBox* CBChangeColor;
    TScrollBar* SBRed;
    TScrollBar* SBGreen;
    TScrollBar* SBBlue;
    TLabel* LRed;
    TLabel* LGreen;
    TLabel* LBlue;

protected:
    void DoShow() override;

private:
    void BuildFormat();
    void BuildPaspartou();
    void BuildColor();
    // The first colour filter of the picture, enabled or not; none when it has none.
    TColorFilter* ColorFilter() const;
    void ShowColor();
    void ShowLabels();
};
