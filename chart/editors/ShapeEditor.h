#pragma once
// The framed-shape editor: fill, transparency, bevel, round frame and frame pen of the box of a
// title, legend or marks, edited in place, with Text, Gradient, Shadow and Picture pages whose
// editors are built on their first visit. Its pages can move into a host's page control; the
// host then passes its page changes on to PC1Change.
#include "chart/editors/EditorForm.h"
#include "chart/editors/OwnedForm.h"

class TBackImageEditor;
class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TEdit;
class TPageControl;
class TTabSheet;
class TTeeCustomShape;
class TTeeFontEditor;
class TTeeGradientEditor;
class TTeeShadowEditor;
class TUpDown;

class TFormTeeShape : public TEditorForm {
    KV_DECLARE_CLASS(TFormTeeShape, TEditorForm)
public:
    explicit TFormTeeShape(TComponent* owner);
    ~TFormTeeShape() override;

    // The editor on shape, owned by owner; in sheet (when given) as a borderless page, shown.
    static TFormTeeShape* CreateForShape(TComponent* owner, TTeeCustomShape* shape,
                                         TTabSheet* sheet);

    // Loads the controls and the sub-editors built so far from shape, which is then edited.
    void LoadShape(TTeeCustomShape* shape);
    TTeeCustomShape* Shape() const { return FShape; }
    // Builds the editor of sender's newly active page when that page is still empty.
    void PC1Change(TObject* sender);
    // The shape's visibility from a host's check box.
    void CBVisibleChecked(TObject* sender);

    TPageControl* PC1;
    TTabSheet* TabFormat;
    TTabSheet* TabBorder;
    TTabSheet* TabText;
    TTabSheet* TabGradient;
    TTabSheet* TabShadow;
    TTabSheet* TabImage;
    TButtonColor* BBackColor;
    TButton* Button6;
    TCheckBox* CBTransparent;
    TEdit* EShadowTransp;
    TUpDown* UDShadowTransp;
    TComboBox* CBBevel;
    TEdit* EBevWidth;
    TUpDown* UDBevW;
    TCheckBox* CBRound;
    TEdit* ERoundSize;
    TUpDown* UDRoundSize;
    TButtonPen* Button4;

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();
    void EnableSizes();

    TTeeCustomShape* FShape = nullptr;
    // Built unowned on their pages' first visit; freed with this editor.
    TOwnedForm<TTeeFontEditor> FFontEditor;
    TOwnedForm<TTeeGradientEditor> FGradientEditor;
    TOwnedForm<TTeeShadowEditor> FShadowEditor;
    TOwnedForm<TBackImageEditor> FImageEditor;
};

// The editor on shape with its pages moved into pages (after the pages already there); unowned,
// the caller frees it.
TFormTeeShape* EmbedShapeEditorPages(TPageControl* pages, TTeeCustomShape* shape);
// The editor as a dialog with one OK button; the shape is edited in place. With
// hideTextAndShadow the Text and Shadow pages are not offered.
void ShowShapeEditor(TComponent* owner, TTeeCustomShape* shape, bool hideTextAndShadow);
