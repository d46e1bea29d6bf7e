#pragma once
// `TChartPreview`, the print preview dialog: the preview panel with the printer choice, the
// orientation, the four print margins in percent (a margin whose sum with the opposite one
// reaches 100 is refused), proportional margins, the print detail, bitmap drawing, the margins
// view switch and Print. Its Tag is the chart it previews; it reloads everything each time it
// is shown.
#include "platform/graphics/Geometry.h"
#include "platform/ui/Form.h"

class TButton;
class TCheckBox;
class TComboBox;
class TCustomTeePanel;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;
class TPrinterSetupDialog;
class TRadioGroup;
class TTeePreviewPanel;
class TTrackBar;
class TUpDown;

// Every showing of the dialog turns the printer to landscape (when there is one).
extern bool PreviewForcesLandscape;

class TChartPreview : public TForm {
    KV_DECLARE_CLASS(TChartPreview, TForm)
public:
    explicit TChartPreview(TComponent* owner);
    ~TChartPreview() override;

    TPanel *Panel1, *Panel2, *PanelClose;
    TComboBox* CBPrinters;
    TButton *BSetupPrinter, *BPrint, *BClose, *BReset;
    TRadioGroup* Orientation;
    TGroupBox *GBMargins, *ChangeDetailGroup;
    TEdit *SETopMa, *SELeftMa, *SEBotMa, *SERightMa;
    TUpDown *UDTopMa, *UDLeftMa, *UDBotMa, *UDRightMa;
    TTrackBar* Resolution;
    TCheckBox *ShowMargins, *CBProp, *CBBitmap;
    TTeePreviewPanel* TeePreviewPanel1;

    // For the embedded use: no Close button.
    void HideCloseButton();
    void LoadMargins();

    // Handlers, public so that the embedding page and tests reach them as a user would.
    void FormShow();
    void ChangeMargins(bool disableProportional, const TRect& margins);
    void MarginChanged(TUpDown* upDown);
    void CBPropClick();
    void BResetClick();
    void OrientationClick();
    void CBPrintersChange();
    void BSetupPrinterClick();
    void ResolutionChange();
    void BPrintClick();

protected:
    void DoShow() override;

private:
    TCustomTeePanel* Chart() const;
    void FillPrinters();
    void ShowPrinterOrientation();
    void UpdateResetButton();

    bool FUpdating = true;
    bool FChangingProp = false;
    TRect FOldMargins{};
    TPrinterSetupDialog* FSetupDialog;
};
