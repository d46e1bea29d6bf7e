#pragma once
// The panel page: the chart panel's colour, bevels, borders, margins, gradient and shadow.
#include "chart/editors/ChartPageForm.h"
#include "chart/editors/OwnedForm.h"
#include "chart/foundation/TeePanel.h"

class TBackImageEditor;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TCustomTeePanelExtended;
class TEdit;
class TPageControl;
class TTabSheet;
class TWinControl;
class TTeeGradientEditor;
class TTeeShadowEditor;
class TUpDown;

// Whether a margin may take value beside its opposite margin: always in pixels; in percent only
// while the two together stay below 100.
bool PanelMarginAccepted(TTeeUnits units, int value, int opposite);

class TFormTeePanel : public TChartPageForm {
    KV_DECLARE_CLASS(TFormTeePanel, TChartPageForm)
public:
    TFormTeePanel(TComponent* owner, TCustomTeePanelExtended* panel);
    ~TFormTeePanel() override;

    // The page for panel, owned by owner, embedded to fill sheet (tool editors of panels of
    // their own show it so).
    static TFormTeePanel* EmbedForPanel(TComponent* owner, TWinControl& sheet,
                                        TCustomTeePanelExtended* panel);

    TPageControl* PageControl1;
    TTabSheet* TabColor;
    TTabSheet* TabBorders;
    TTabSheet* TabMargins;
    TTabSheet* TabGradient;
    TTabSheet* TabShadow;
    TTabSheet* TabImage;
    TButtonColor* BPanelColor;
    TCheckBox* CBColorDef;
    TCheckBox* CBImageInside;
    TEdit* SEPanelWi;
    TUpDown* UDPanelWi;
    TEdit* SEPanelBor;
    TUpDown* UDPanelBor;
    TEdit* ERound;
    TUpDown* UDRound;
    TComboBox* CBInner;
    TComboBox* CBOuter;
    TEdit* SETopMa;
    TUpDown* UDTopMa;
    TEdit* SELeftMa;
    TUpDown* UDLeftMa;
    TEdit* SEBotMa;
    TUpDown* UDBotMa;
    TEdit* SERightMa;
    TUpDown* UDRightMa;
    TComboBox* CBMarUnits;
    TButtonPen* BBorder;

protected:
    void LoadControls() override;

private:
    void RefreshColorDefault();
    // Builds the gradient, shadow or picture editor on the first visit of its tab.
    void PageChanged();
    void SetMarginRanges();
    // A margin edit: index as the panel counts margins (left, top, right, bottom).
    void MarginChanged(int index, TUpDown* upDown);

    TCustomTeePanelExtended* FPanel;
    bool FRefreshingColor = false;
    TTeeGradientEditor* FGradientEditor = nullptr;
    // Unowned: freed with the page.
    TOwnedForm<TTeeShadowEditor> FShadowEditor;
    TOwnedForm<TBackImageEditor> FImageEditor;
};
