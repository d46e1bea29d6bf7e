#pragma once
// The brush dialog ("Pattern Color Editor") and the brush button. The dialog edits its chart
// brush in place, so the chart repaints while the user chooses; Cancel puts back the brush it
// was shown with. Its style list offers the eight canvas brush styles, twelve two-colour
// pattern bitmaps and seven textures; a picture file of the user's may be the pattern too.
#include <memory>
#include <vector>

#include "chart/editors/EditorForm.h"
#include "chart/foundation/TeeButtons.h"

class TBitmap;
class TButton;
class TButtonColor;
class TChartBrush;
class TCheckBox;
class TGroupBox;
class TImage;
class TListBox;
class TSplitter;
struct TRect;

class TBrushDialog : public TEditorForm {
    KV_DECLARE_CLASS(TBrushDialog, TEditorForm)
public:
    explicit TBrushDialog(TComponent* owner);
    ~TBrushDialog() override;

    // The brush edited; set before the dialog is shown.
    TChartBrush* TheBrush = nullptr;

    // Entries of LStyle past the canvas brush styles.
    static constexpr int FirstPattern = 8;
    static constexpr int PatternCount = 12;
    static constexpr int FirstTexture = FirstPattern + PatternCount;
    static constexpr int StyleCount = FirstTexture + 7;

    TListBox* LStyle;
    TSplitter* Splitter1;
    TButtonColor* BColor;
    TButtonColor* BBackColor;
    TCheckBox* CBTransp;
    TGroupBox* GroupBox1;
    TImage* Image1;
    TButton* Button1;
    TButton* Button2;
    TButton* Button3;
    TImage* ImageMetal;
    TImage* ImageWood;
    TImage* ImageStone;
    TImage* ImageClouds;
    TImage* ImageGrass;
    TImage* ImageFire;
    TImage* ImageSnow;

protected:
    void DoShow() override;

private:
    void BuildControls();
    void ConnectHandlers();
    void LStyleClick();
    void Button1Click();
    void CBTranspClick();
    void Button3Click();
    void CheckImageButton();
    void CheckColorControls();
    TImage* TextureImage(int index) const;
    void DrawStyleItem(int index, const TRect& rect);

    // The twelve pattern bitmaps, loaded once for the list's samples.
    std::vector<std::unique_ptr<TBitmap>> FPatterns;

    std::unique_ptr<TChartBrush> FBackup;
};

// Shows the dialog on brush, owned by control's form; true when the user accepted. The brush
// has been changed in place either way, and put back on Cancel.
bool ShowBrushDialog(TControl* control, TChartBrush* brush);

// A button that shows a sample of its chart brush and opens the brush dialog on it; OnClick
// follows an accepted change only.
class TButtonBrush : public TTeeButton {
    KV_DECLARE_CLASS(TButtonBrush, TTeeButton)
public:
    explicit TButtonBrush(TComponent* owner);
    ~TButtonBrush() override;

    void LinkBrush(TChartBrush* brush);
    TChartBrush* Brush() const;
    void Click() override;

protected:
    void DrawSymbol(TTeeCanvas3D& Canvas) override;
};
