#pragma once
// The 3-D text tool's editor: the text and the brush, the font, the position (left, top and
// depth) and the extra rotation (rotation, elevation and tilt). The tool comes in Tag.
#include <memory>

#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorForm.h"

class TButton;
class TEdit;
class TLabel;
class TMemo;
class TPageControl;
class TTabSheet;
class TTeeFontEditor;
class TText3DTool;
class TTrackBar;
class TUpDown;

class TText3DEditor : public TEditorForm {
    KV_DECLARE_CLASS(TText3DEditor, TEditorForm)
public:
    explicit TText3DEditor(TComponent* owner);
    ~TText3DEditor() override;

    TText3DTool* Tool() const;

    TPageControl* PageControl1;
    TTabSheet* TabFormat;
    TTabSheet* TabFont;
    TTabSheet* TabPosition;
    TTabSheet* TabRotation;
    TMemo* MemoText;
    TButton* Button2;
    TButton* Button1;
    TEdit* ECustLeft;
    TUpDown* UDLeft;
    TEdit* ECustTop;
    TUpDown* UDTop;
    TEdit* Edit1;
    TUpDown* UDZ;
    TTrackBar* TBRotation;
    TTrackBar* TBElevation;
    TTrackBar* TBTilt;
    TLabel* LRotation;
    TLabel* LElevation;
    TLabel* LTilt;
    TTeeFontEditor* FontEditor() const { return FFontEditor.get(); }

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();
    void ShowAngles();

    std::unique_ptr<TTeeFontEditor> FFontEditor;
};
