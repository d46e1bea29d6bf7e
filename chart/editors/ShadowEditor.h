#pragma once
// The shadow editor ("Shadow editor"): visibility, sizes, transparency, colour, smoothing and
// clipping of a shadow, edited live. The luminance bar lightens or darkens the colour keeping its
// hue and saturation. As a dialog it closes with OK and keeps every change (there is nothing to
// cancel); embedded in a page it has no OK button.
#include "chart/editors/EditorForm.h"

class TButton;
class TButtonColor;
class TCheckBox;
class TEdit;
class TGroupBox;
class TLabel;
class TTabSheet;
class TTeeShadow;
class TTrackBar;
class TUpDown;

class TTeeShadowEditor : public TEditorForm {
    KV_DECLARE_CLASS(TTeeShadowEditor, TEditorForm)
public:
    explicit TTeeShadowEditor(TComponent* owner);
    ~TTeeShadowEditor() override;

    // Edits shadow from now on, every control loaded from it.
    void LoadShadow(TTeeShadow* shadow);
    TTeeShadow* Shadow() const { return FShadow; }
    // The hue, luminance and saturation (0..240) the luminance bar works from.
    int Hue() const { return FHue; }
    int Luminance() const { return FLum; }
    int Saturation() const { return FSat; }

    TCheckBox* CBVisible;
    TGroupBox* GroupBox1;
    TEdit* Edit1;
    TUpDown* UDShadowSize;
    TEdit* EVertSize;
    TUpDown* UDShaVert;
    TLabel* LTransp;
    TEdit* EShadowTransp;
    TUpDown* UDShadowTransp;
    TButtonColor* BShadowColor;
    TTrackBar* TBColor;
    TCheckBox* CBSmooth;
    TTrackBar* TBBlur;
    TCheckBox* CBClip;
    TButton* BOK;

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();
    // The sizes serve a visible shadow, the blur and clip a smooth one.
    void EnableSizes();
    void EnableSmoothing();
    void ReadColor();

    TTeeShadow* FShadow = nullptr;
    int FHue = 0;
    int FLum = 0;
    int FSat = 0;
};

// The editor as a modal dialog on shadow, owned by form; the changes are made as the user works.
void ShowShadowEditor(TForm* form, TTeeShadow* shadow);
// An editor without OK embedded in sheet, unowned (the caller frees it); the caller then loads a
// shadow with LoadShadow.
TTeeShadowEditor* EmbedShadowEditor(TTabSheet* sheet);
