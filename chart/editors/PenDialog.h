#pragma once
// The pen dialog ("Border Editor") and the pen button. The dialog edits its pen in place, so the
// chart repaints while the user works, and Cancel puts back the pen it was shown with; a chart
// pen also offers Visible, the small-dots style, its dot spacing and its end style. The pen
// button paints a sample of its pen and opens the dialog on it.
#include <memory>

#include "chart/editors/EditorForm.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/ui/OwnerDraw.h"

class TButton;
class TButtonColor;
class TChartPen;
class TCheckBox;
class TComboBox;
class TEdit;
class TPen;
class TUpDown;

class TPenDialog : public TEditorForm {
    KV_DECLARE_CLASS(TPenDialog, TEditorForm)
public:
    explicit TPenDialog(TComponent* owner);
    ~TPenDialog() override;

    TPen* ThePen = nullptr;
    bool Modified() const { return FModified; }

    TCheckBox* CBVisible;
    TComboBox* CBStyle;
    TEdit* SEWidth;
    TUpDown* UDWidth;
    TButtonColor* BColor;
    TComboBox* CBEndStyle;
    TEdit* ESpace;
    TUpDown* UDSpace;
    TButton* BOk;
    TButton* BCancel;

protected:
    void DoShow() override;

private:
    TChartPen* ChartPen() const;
    void CBStyleChange();
    // Each style item shows a line drawn in its style with the pen's colour, then its name.
    void DrawStyleItem(int index, const TRect& rect, TOwnerDrawState state);
    void EnableSmallDots(bool smallDots);
    void BCancelClick();

    std::unique_ptr<TChartPen> FBackup;
    bool FModified = false;
};

// The dialog for pen, owned by control's form, unshown; its colour button hidden when asked.
TPenDialog* CreatePenDialog(TControl* control, TPen* pen, bool hideColor = false);

class TButtonPen : public TTeeButton {
    KV_DECLARE_CLASS(TButtonPen, TTeeButton)
public:
    explicit TButtonPen(TComponent* owner);
    ~TButtonPen() override;

    void LinkPen(TPen* pen);
    TPen* Pen() const;
    bool HideColor = false;
    // Opens the dialog on the pen; OnClick follows an accepted change only.
    void Click() override;

protected:
    void DrawSymbol(TTeeCanvas3D& Canvas) override;
};
