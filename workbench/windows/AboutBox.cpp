#include "workbench/windows/AboutBox.h"

#include "engine/Global.h"
#include "platform/classes/Cursors.h"
#include "platform/graphics/Font.h"
#include "platform/ui/DocumentOpener.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "workbench/windows/ResourceImage.h"

namespace {

TLabel* CentredLabel(TPanel* panel, int top, int height, const std::string& text) {
    TLabel* label = new TLabel(panel);
    label->SetParent(panel);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetAlignment(taCenter);
    label->SetBounds(10, top, 340, height);
    label->SetCaption(text);
    // A click on a label is a click on the panel.
    label->OnClick = [panel](TObject*) { panel->Click(); };
    return label;
}

}  // namespace

TFAbout::TFAbout(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption("About " + Shared.ProgramTitle);
    SetBounds(0, 0, 360, 260);
    OnClose = [](TObject*, TCloseAction& action) { action = caFree; };

    Panel1 = new TPanel(this);
    Panel1->SetParent(this);
    Panel1->SetAlign(alClient);
    Panel1->SetColor(clWhite);
    Panel1->SetBevelOuter(bvNone);
    Panel1->OnClick = [this](TObject*) { Close(); };
    lTitle = CentredLabel(Panel1, 20, 40, Shared.ProgramTitle);
    lTitle->Font()->SetSize(16);
    lTitle->Font()->SetStyle({fsBold});
    lModel = CentredLabel(Panel1, 70, 40, "Gray Uniform Specular-Diffuse Model of Reflection");
    // A glowing cavity under the texts and a small reflected ray beside the title; a click on
    // them is a click on the panel too.
    imgPicture = MakeResourceImage(Panel1, "AboutPicture", 132, 112);
    imgSmallPicture = MakeResourceImage(Panel1, "AboutSmallPicture", 16, 24);
    for (TImage* image : {imgPicture, imgSmallPicture})
        image->OnClick = [this](TObject*) { Panel1->Click(); };
    // The link opens the page and does not close the box.
    lLink = new TLabel(Panel1);
    lLink->SetParent(Panel1);
    lLink->SetAutoSize(false);
    lLink->SetAlignment(taCenter);
    lLink->SetBounds(10, 186, 340, 20);
    lLink->SetCaption(MakerWebPage);
    lLink->Font()->SetColor(clBlue);
    lLink->Font()->SetStyle({fsUnderline});
    lLink->SetCursor(crHandPoint);
    lLink->OnClick = [](TObject*) { OpenDocument(MakerWebPage); };
    DoCreate();
}
