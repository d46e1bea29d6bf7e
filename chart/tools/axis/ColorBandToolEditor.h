#pragma once
// The colour band's editor, below the axis chooser and the pen button: its pattern; its values
// and the two draggable lines on "Values"; transparency, cursor, gradient, colour and drawing
// order on "Options"; its picture on "Picture" (the picture editor is made when that page is
// first shown). Tag holds the tool.
#include "chart/editors/AxisToolEditor.h"
#include "chart/editors/OwnedForm.h"

class TBackImageEditor;
class TButton;
class TButtonColor;
class TButtonGradient;
class TCheckBox;
class TColorBandTool;
class TComboBox;
class TEdit;
class TPageControl;
class TTabSheet;
class TUpDown;

class TColorBandToolEditor : public TAxisToolEditor {
    KV_DECLARE_CLASS(TColorBandToolEditor, TAxisToolEditor)
public:
    explicit TColorBandToolEditor(TComponent* owner);
    ~TColorBandToolEditor() override;

    TColorBandTool* Band() const;
    TBackImageEditor* PictureEditor() const { return FPictureEditor.get(); }

    TButton* BPattern;
    TPageControl* PageControl1;
    TTabSheet* TabValues;
    TTabSheet* TabOptions;
    TTabSheet* TabPicture;
    TEdit* EStart;
    TEdit* EEnd;
    TCheckBox* CBResizeStart;
    TCheckBox* CBResizeEnd;
    TButtonPen* BStartPen;
    TButtonPen* BEndPen;
    TCheckBox* CBStartActive;
    TCheckBox* CBEndActive;
    TEdit* ETransparency;
    TUpDown* UDTransparency;
    TComboBox* CBCursor;
    TButtonGradient* BGradient;
    TButtonColor* BColor;
    TCheckBox* CBDrawBehind;
    TCheckBox* CBDrawBehindAxes;

    // The user's change of page: the picture page gets its editor.
    void PageChanged();

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();

    TOwnedForm<TBackImageEditor> FPictureEditor;
};
