#include "chart/editors/BrushDialog.h"

#include <filesystem>
#include <string>

#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/OwnedForm.h"
#include "chart/editors/PictureRoutines.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/GraphicsLimits.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Splitter.h"

namespace {

const char* const StyleNames[TBrushDialog::StyleCount] = {"Solid",
                                                          "None",
                                                          "Horizontal",
                                                          "Vertical",
                                                          "Diagonal",
                                                          "Back Diagonal",
                                                          "Cross",
                                                          "Diagonal Cross",
                                                          "Fill 80%",
                                                          "Fill 60%",
                                                          "Fill 40%",
                                                          "Fill 20%",
                                                          "Fill 10%",
                                                          "Zig zag",
                                                          "Vertical small",
                                                          "Horiz. small",
                                                          "Diag. small",
                                                          "Back Diag. small",
                                                          "Cross small",
                                                          "Diag. Cross small",
                                                          "Metal",
                                                          "Wood",
                                                          "Stone",
                                                          "Clouds",
                                                          "Grass",
                                                          "Fire",
                                                          "Snow"};

const char* const TextureNames[] = {"Metal", "Wood", "Stone", "Clouds", "Grass", "Fire", "Snow"};

// A hidden image holding one texture of the style list, read from the program's resources.
TImage* MakeTextureImage(TBrushDialog* form, const char* name) {
    TImage* image = MakeControl<TImage>(form, 0, 0, 16, 16);
    image->SetVisible(false);
    TBitmap bitmap;
    if (LoadResourceBitmap(bitmap, std::string("TeeTexture") + name, "")) {
        TPicture picture;
        picture.SetBitmap(&bitmap);
        image->SetPicture(&picture);
    }
    return image;
}

// Pattern n (1 to 12): black on white, where only the black pixels paint.
void LoadPatternBitmap(TBitmap& bitmap, int n) {
    LoadResourceBitmap(bitmap, "TeeBrush" + std::to_string(n), "");
    bitmap.SetTransparentMode(tmFixed);
    bitmap.SetTransparentColor(clWhite);
    bitmap.SetTransparent(true);
}

}  // namespace

TBrushDialog::TBrushDialog(TComponent* owner) : TEditorForm(owner) {
    SetCaption("Pattern Color Editor");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 330, 260);
    BuildControls();
    for (int n = 1; n <= PatternCount; ++n) {
        FPatterns.push_back(std::make_unique<TBitmap>());
        LoadPatternBitmap(*FPatterns.back(), n);
    }
    ConnectHandlers();
    DoCreate();
}

TBrushDialog::~TBrushDialog() = default;

void TBrushDialog::BuildControls() {
    LStyle = MakeControl<TListBox>(this, 0, 0, 130, 260);
    LStyle->SetAlign(alLeft);
    LStyle->SetStyle(lbOwnerDrawFixed);
    LStyle->SetItemHeight(16);
    for (const char* name : StyleNames) LStyle->Items()->Add(name);
    Splitter1 = MakeControl<TSplitter>(this, 130, 0, 3, 260);
    Splitter1->SetAlign(alLeft);

    constexpr int x = 142;
    BColor = MakeControl<TButtonColor>(this, x, 10, 85, 25);
    BColor->SetCaption("&Color...");
    BBackColor = MakeControl<TButtonColor>(this, x, 42, 85, 25);
    BBackColor->SetCaption("&Back...");
    CBTransp = MakeCheckBox(this, x + 92, 46, 95, "&Transparent");
    GroupBox1 = MakeControl<TGroupBox>(this, x, 76, 180, 110);
    GroupBox1->SetCaption("Image:");
    Image1 = MakeControl<TImage>(GroupBox1, 10, 20, 70, 70);
    Image1->SetStretch(true);
    Button1 = MakePushButton(GroupBox1, 90, 40, 80, "&Image...");
    Button2 = MakePushButton(this, x + 10, 200, 75, "OK");
    Button2->SetDefault(true);
    Button2->SetModalResult(mrOk);
    Button3 = MakePushButton(this, x + 95, 200, 75, "Cancel");
    Button3->SetCancel(true);
    ImageMetal = MakeTextureImage(this, TextureNames[0]);
    ImageWood = MakeTextureImage(this, TextureNames[1]);
    ImageStone = MakeTextureImage(this, TextureNames[2]);
    ImageClouds = MakeTextureImage(this, TextureNames[3]);
    ImageGrass = MakeTextureImage(this, TextureNames[4]);
    ImageFire = MakeTextureImage(this, TextureNames[5]);
    ImageSnow = MakeTextureImage(this, TextureNames[6]);
}

void TBrushDialog::ConnectHandlers() {
    LStyle->OnClick = [this](TObject*) { LStyleClick(); };
    LStyle->OnDrawItem = [this](TWinControl*, int index, const TRect& rect, TOwnerDrawState) {
        DrawStyleItem(index, rect);
    };
    Button1->OnClick = [this](TObject*) { Button1Click(); };
    CBTransp->OnClick = [this](TObject*) { CBTranspClick(); };
    // The colour buttons have written the colour by the time they tell.
    BColor->OnClick = [this](TObject*) { LStyle->Invalidate(); };
    BBackColor->OnClick = [this](TObject*) {
        auto loading = LoadGuard();
        CBTransp->SetChecked(false);
        CBTransp->SetEnabled(true);
    };
    Button3->OnClick = [this](TObject*) { Button3Click(); };
}

TImage* TBrushDialog::TextureImage(int index) const {
    TImage* const images[] = {ImageMetal, ImageWood, ImageStone, ImageClouds,
                              ImageGrass, ImageFire, ImageSnow};
    return images[index];
}

// Each entry shows a sample of its fill, in the brush's colours, left of its name.
void TBrushDialog::DrawStyleItem(int index, const TRect& rect) {
    TCanvas& canvas = *LStyle->Canvas();
    canvas.FillRect(rect);
    const TRect sample{rect.Left + 2, rect.Top + 2, rect.Left + 30, rect.Bottom - 2};
    if (index < FirstPattern) {
        const TColor fore =
            TheBrush && TheBrush->Color() != clDefault ? TheBrush->Color() : clBlack;
        const TBrushStyle style = canvas.Brush()->Style();
        const TColor color = canvas.Brush()->Color();
        canvas.Pen()->SetColor(clBlack);
        canvas.Brush()->SetColor(fore);
        canvas.Brush()->SetStyle(TBrushStyle(index));
        canvas.Rectangle(sample);
        canvas.Brush()->SetStyle(style);
        canvas.Brush()->SetColor(color);
    } else if (index < FirstTexture) {
        canvas.StretchDraw(sample, FPatterns[size_t(index - FirstPattern)].get());
    } else {
        canvas.StretchDraw(sample, TextureImage(index - FirstTexture)->Picture()->Graphic());
    }
    canvas.TextOut(rect.Left + 34, rect.Top + 1, LStyle->Items()->Get(index));
}

void TBrushDialog::DoShow() {
    auto loading = LoadGuard();
    if (!FBackup) FBackup = std::make_unique<TChartBrush>();
    if (TheBrush) {
        FBackup->Assign(TheBrush);
        const TPicture* image = TheBrush->ImageIfAny();
        LStyle->SetItemIndex(image && image->Graphic() ? -1 : int(TheBrush->Style()));
        BColor->LinkToProperty(TheBrush, "Color");
        BBackColor->LinkToProperty(TheBrush, "BackColor");
        CheckImageButton();
        CheckColorControls();
    }
    TForm::DoShow();
}

void TBrushDialog::CheckColorControls() {
    auto loading = LoadGuard();
    BColor->SetEnabled(TheBrush->Style() != bsClear);
    BBackColor->SetEnabled(BColor->Enabled());
    CBTransp->SetChecked(TheBrush->BackColor() == clNone);
    // Transparency ends by choosing a back colour, never by unchecking.
    CBTransp->SetEnabled(!CBTransp->Checked());
}

void TBrushDialog::CheckImageButton() {
    const TPicture* image = TheBrush->ImageIfAny();
    if (image && image->Graphic()) {
        Image1->SetPicture(image);
    } else if (TheBrush->Bitmap()) {
        TPicture picture;
        picture.SetBitmap(TheBrush->Bitmap());
        Image1->SetPicture(&picture);
    } else {
        Image1->SetPicture(nullptr);
        Button1->SetCaption("B&rowse...");
        Button1->SetTag(0);
        return;
    }
    Button1->SetCaption("Clea&r");
    Button1->SetTag(1);
}

void TBrushDialog::LStyleClick() {
    const int index = LStyle->ItemIndex();
    if (Loading() || !TheBrush || index < 0) return;
    if (index < FirstPattern) {
        TheBrush->SetStyle(TBrushStyle(index));
        TheBrush->SetImage(nullptr);
    } else {
        TPicture picture;
        if (index < FirstTexture) {
            TBitmap bitmap;
            LoadPatternBitmap(bitmap, index - FirstPattern + 1);
            picture.SetBitmap(&bitmap);
        } else {
            picture.Assign(TextureImage(index - FirstTexture)->Picture());
        }
        TheBrush->SetImage(&picture);
    }
    CheckImageButton();
    CheckColorControls();
}

void TBrushDialog::Button1Click() {
    if (!TheBrush) return;
    {
        auto loading = LoadGuard();
        LStyle->SetItemIndex(int(TheBrush->Style()));
    }
    if (Button1->Tag() == 1) {
        TheBrush->SetImage(nullptr);
        // The canvas brush does not own its bitmap: it lets go of it, and whoever made it frees
        // it (Cancel may need it back).
        TheBrush->SetBitmap(nullptr);
    } else {
        const std::string fileName = AskPictureFileName(this);
        if (!fileName.empty()) {
            // The brush fills with bitmaps only: any other picture is drawn into one of its
            // size, which a metafile may make anything in a few bytes, so such a picture is
            // refused past MaxRasterPixels before it is decoded. A bitmap file is taken as far as
            // its reader goes.
            const TGraphicClass format =
                GraphicClassOfExtension(std::filesystem::path(fileName).extension().string());
            const bool bitmapFile = format && format->InheritsFrom(TBitmap::StaticClass());
            TPicture picture;
            picture.LoadFromFile(fileName, bitmapFile ? MaxPictureFilePixels : MaxRasterPixels);
            if (picture.Graphic() && !dynamic_cast<TBitmap*>(picture.Graphic())) {
                TBitmap bitmap;
                bitmap.SetSize(picture.Width(), picture.Height());
                bitmap.Canvas()->Draw(0, 0, picture.Graphic());
                picture.SetBitmap(&bitmap);
            }
            TheBrush->SetImage(&picture);
        }
    }
    CheckImageButton();
}

void TBrushDialog::CBTranspClick() {
    if (Loading() || !TheBrush) return;
    if (CBTransp->Checked()) {
        TheBrush->SetBackColor(clNone);
        BBackColor->Repaint();
    }
    CBTransp->SetEnabled(!CBTransp->Checked());
}

void TBrushDialog::Button3Click() {
    // The brush as it was shown, with one change notice so that the chart repaints.
    if (TheBrush && FBackup) TheBrush->Assign(FBackup.get());
    SetModalResult(mrCancel);
}

bool ShowBrushDialog(TControl* control, TChartBrush* brush) {
    TOwnedForm<TBrushDialog> dialog(CreateEditorDialog<TBrushDialog>(control));
    dialog->TheBrush = brush;
    ApplyFormHook(dialog.get());
    return dialog->ShowModal() == mrOk;
}

TButtonBrush::TButtonBrush(TComponent* owner) : TTeeButton(owner) {}

TButtonBrush::~TButtonBrush() = default;

void TButtonBrush::LinkBrush(TChartBrush* brush) {
    LinkToProperty(brush, "");
    Invalidate();
}

TChartBrush* TButtonBrush::Brush() const { return dynamic_cast<TChartBrush*>(LinkedObject()); }

void TButtonBrush::Click() {
    if (Brush() && !ShowBrushDialog(this, Brush())) return;
    if (Brush()) Repaint();
    TTeeButton::Click();
}

void TButtonBrush::DrawSymbol(TTeeCanvas3D& Canvas) {
    TChartBrush* brush = Brush();
    if (!Enabled() || !brush) return;
    // A brush of the owner's colour shows black here: the button has no owner colour to offer.
    Canvas.UseBrushColors(brush, brush->Color() == clDefault ? clBlack : brush->Color(),
                          brush->BackColor());
    Canvas.DrawRectangleFromRect(SymbolRect());
}
