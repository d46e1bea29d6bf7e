#pragma once
// The general page: how the user zooms and scrolls the chart with the mouse, and the fonts of
// every text of the chart, edited several at a time from one list.
#include <memory>

#include "chart/editors/ChartPageForm.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TCustomChart;
class TEdit;
class TImage;
class TListBox;
class TPageControl;
class TPanel;
class TRadioGroup;
class TTabSheet;
class TTeeFont;
class TTeeFontEditor;
class TUpDown;

class TFormTeeGeneral : public TChartPageForm {
    KV_DECLARE_CLASS(TFormTeeGeneral, TChartPageForm)
public:
    TFormTeeGeneral(TComponent* owner, TCustomChart* chart);
    ~TFormTeeGeneral() override;

    TPageControl* PageControl1;
    TTabSheet* TabZoom;
    TTabSheet* TabScroll;
    TCheckBox* CBAllowZoom;
    TCheckBox* CBAnimatedZoom;
    TEdit* SEAniZoomSteps;
    TUpDown* UDAniZoomSteps;
    TButtonPen* BZoomPen;
    TButton* BZoomColor;
    TEdit* EMinPix;
    TUpDown* UDMinPix;
    TComboBox* CBDir;
    TComboBox* CBZoomMouse;
    TCheckBox* CBUpLeft;
    TRadioGroup* RGPanning;
    TComboBox* CBScrollMouse;
    TTabSheet* TabCursor;
    TComboBox* CBCursor;
    TImage* ImageCursor;
    TButton* BLoad;
    TTabSheet* TabFonts;
    // Sorted, several selected at a time; each entry holds the font it edits.
    TListBox* LBFonts;
    TPanel* PanelFont;
    // Made on the first choice of a font.
    TTeeFontEditor* FontEditor() const { return FFontEditor; }
    TTeeFont* EditedFont() const { return FEditedFont; }

protected:
    void LoadControls() override;
    void DoHide() override;

private:
    void BuildControls();
    void BindProperties();
    // The zoom controls follow "Allow"; the scroll button follows whether scrolling is allowed.
    void EnableZoom();
    void EnableScroll();
    // The Cursor tab (GeneralCursor.cpp).
    void BuildCursor();
    void LoadCursorList();
    void CursorChosen();
    void LoadCursorFile();
    // The Fonts tab (GeneralFonts.cpp). The list is filled again on each load, so that it never
    // holds the font of a series, tool or axis freed meanwhile.
    void BuildFonts();
    void FillFonts();
    void LBFontsClick();
    // While a font is edited the page takes over its change notification (keeping the font's
    // own, which it calls on): a change reaches every other selected font.
    void EditedFontChanged(TObject* sender);
    void StopListening();

    TCustomChart* FChart;
    TTeeFontEditor* FFontEditor = nullptr;
    TTeeFont* FEditedFont = nullptr;
    // The edited font as it was before its last change.
    std::unique_ptr<TTeeFont> FFontCopy;
    TNotifyEvent FKeptChange;
};
