#pragma once
// The picture editor: browse or clear the graphic of a chart picture, its transparency and
// filters and, for a back image, how it is placed (stretched, tiled, centred or at a custom
// offset). The picture is edited in place.
#include "chart/editors/EditorForm.h"

class TButton;
class TControl;
class TCheckBox;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TPanel;
class TRadioGroup;
class TTeePicture;
class TUpDown;
class TWinControl;

class TBackImageEditor : public TEditorForm {
    KV_DECLARE_CLASS(TBackImageEditor, TEditorForm)
public:
    explicit TBackImageEditor(TComponent* owner);
    ~TBackImageEditor() override;

    // Loads the controls from picture (a plain picture or a back image), which the editor then
    // edits.
    void LoadImageSettings(TTeePicture* picture);
    TTeePicture* Picture() const { return FPicture; }

    TImage* Image1;
    TLabel* LabelSize;
    TLabel* LabelExt;
    TButton* BBrowse;
    TRadioGroup* RGBitmap;
    TCheckBox* CBTransp;
    TButton* Button1;
    TGroupBox* GBPosition;
    TEdit* ELeft;
    TUpDown* UDLeft;
    TEdit* ETop;
    TUpDown* UDTop;
    TPanel* PanelButtons;
    TButton* BOk;
    TButton* BCancel;

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();
    // Enabling, labels, preview and the browse button's caption after the picture changed.
    void UpdateControls();

    TTeePicture* FPicture = nullptr;
};

// A picture editor embedded in sheet, unowned (the caller frees it); the caller then loads a
// picture.
TBackImageEditor* CreateBackImageEditorPage(TWinControl* sheet);
// The editor as a dialog on picture, owned by control's form, without style and position; the
// picture is edited in place and the dialog closes with its OK button.
void ShowPictureDialog(TControl* control, TTeePicture* picture);
