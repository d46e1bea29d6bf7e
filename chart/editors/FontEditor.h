#pragma once
// The chart font editor ("TeeFont Editor"): face, size, style, colour, spacing and outline of a
// chart font, edited in place. Embedded in a page it has no Cancel; as a dialog it keeps a copy
// of the font it was shown with and Cancel puts it back.
#include <memory>

#include "chart/editors/EditorForm.h"
#include "chart/editors/FontNameHook.h"
#include "chart/editors/OwnedForm.h"

class TBackImageEditor;
class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TEdit;
class TGroupBox;
class TPageControl;
class TPanel;
class TTabSheet;
class TTeeFont;
class TTeeGradientEditor;
class TTeeShadowEditor;
class TUpDown;

class TTeeFontEditor : public TEditorForm {
    KV_DECLARE_CLASS(TTeeFontEditor, TEditorForm)
public:
    explicit TTeeFontEditor(TComponent* owner);
    ~TTeeFontEditor() override;

    // Loads the controls from font, which the editor then edits.
    void LoadFont(TTeeFont* font);
    TTeeFont* Font() const { return FFont; }

    TPageControl* PageControl1;
    TTabSheet* TabFont;
    TTabSheet* TabOptions;
    TTabSheet* TabShadow;
    TTabSheet* TabGradient;
    TTabSheet* TabPicture;
    TComboBox* CBName;
    TEdit* ESize;
    TUpDown* UDSize;
    TGroupBox* GBStyle;
    TCheckBox* CBBold;
    TCheckBox* CBItalic;
    TCheckBox* CBUnder;
    TCheckBox* CBStrike;
    TButtonColor* BColor;
    TButton* Button3;
    TEdit* EInter;
    TUpDown* UDInter;
    TButtonPen* BOutline;
    TCheckBox* CBOutGrad;
    TPanel* PanelButtons;
    TButton* Button1;
    TButton* Button2;

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();
    // box shows and writes whether the font has style (a TFontStyle).
    void BindStyleBox(TCheckBox* box, int style);
    // The platform's font dialog on the font; the page then shows what it chose.
    void EditWithFontDialog();
    // Loads the bound controls and the name.
    void LoadFace();
    void Cancel();
    // Builds the sub-editor of the page first visited.
    void PageChanged();

    TTeeFont* FFont = nullptr;
    std::unique_ptr<TTeeFont> FBackup;
    // Made on the first visit of their pages; the shadow editor has no owner.
    TOwnedForm<TTeeShadowEditor> FShadowEditor;
    TTeeGradientEditor* FGradientEditor = nullptr;
    // Built unowned on the Picture page's first visit; freed with this editor.
    TOwnedForm<TBackImageEditor> FPictureEditor;
};

// A font editor embedded in sheet, unowned (the caller frees it); the caller then loads a font.
TTeeFontEditor* EmbedFontEditor(TTabSheet* sheet);
// The editor as a dialog on font, owned by form; true on OK, Cancel putting the font back.
bool ShowFontEditor(TForm* form, TTeeFont* font);
