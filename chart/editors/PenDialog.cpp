#include "chart/editors/PenDialog.h"

#include <algorithm>

#include "chart/editors/EditorControls.h"
#include "chart/editors/OwnedForm.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeCanvas.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/UpDown.h"

namespace {

// The style list's last entry on a chart pen: single dots.
constexpr int SmallDotsItem = 5;

}  // namespace

TPenDialog::TPenDialog(TComponent* owner) : TEditorForm(owner) {
    SetCaption("Border Editor");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 280, 190);
    CBVisible = MakeCheckBox(this, 8, 8, 100, "&Visible");
    CBStyle = MakeComboBox(this, 8, 34, 130, {"Solid", "Dash", "Dot", "Dash Dot", "Dash Dot Dot"});
    CBStyle->SetStyle(csOwnerDrawFixed);
    CBStyle->SetItemHeight(15);
    CBStyle->OnDrawItem = [this](TWinControl*, int index, const TRect& rect,
                                 TOwnerDrawState state) { DrawStyleItem(index, rect, state); };
    MakeLabel(this, 150, 38, "&Width:");
    TUpDownEdit width = MakeUpDownEdit(this, 200, 34, 40, 1, 100);
    SEWidth = width.Edit;
    UDWidth = width.UpDown;
    BColor = MakeControl<TButtonColor>(this, 8, 66, 100, 25);
    BColor->SetCaption("&Color...");
    CBEndStyle = MakeComboBox(this, 120, 68, 80, {"Round", "Square", "Flat"});
    MakeLabel(this, 8, 104, "Sp&ace:");
    TUpDownEdit space = MakeUpDownEdit(this, 60, 100, 40, 1, 100);
    ESpace = space.Edit;
    UDSpace = space.UpDown;
    for (TControl* c : {static_cast<TControl*>(ESpace), static_cast<TControl*>(UDSpace)})
        c->SetEnabled(false);
    BOk = MakePushButton(this, 110, 140, 75, "OK");
    BOk->SetDefault(true);
    BOk->SetModalResult(mrOk);
    BCancel = MakePushButton(this, 192, 140, 75, "Cancel");
    BCancel->SetCancel(true);

    CBVisible->OnClick = [this](TObject*) {
        if (Loading() || !ChartPen()) return;
        ChartPen()->SetVisible(CBVisible->Checked());
        FModified = true;
    };
    CBStyle->OnChange = [this](TObject*) { CBStyleChange(); };
    SEWidth->OnChange = [this](TObject*) {
        int value = 0;
        if (Loading() || !ThePen || !TryStrToInt(SEWidth->Text(), value) || value < 1) return;
        ThePen->SetWidth(value);
        FModified = true;
    };
    ESpace->OnChange = [this](TObject*) {
        int value = 0;
        if (Loading() || !ChartPen() || !TryStrToInt(ESpace->Text(), value)) return;
        ChartPen()->SetSmallSpace(value);
        FModified = true;
    };
    CBEndStyle->OnChange = [this](TObject*) {
        if (Loading() || !ChartPen()) return;
        ChartPen()->SetEndStyle(TPenEndStyle(CBEndStyle->ItemIndex()));
        FModified = true;
    };
    BColor->OnClick = [this](TObject*) {
        FModified = true;
        CBStyle->Invalidate();
    };
    BCancel->OnClick = [this](TObject*) { BCancelClick(); };
    DoCreate();
}

TPenDialog::~TPenDialog() = default;

TChartPen* TPenDialog::ChartPen() const { return dynamic_cast<TChartPen*>(ThePen); }

void TPenDialog::DoShow() {
    auto loading = LoadGuard();
    if (!FBackup) FBackup = std::make_unique<TChartPen>();
    if (ThePen) {
        FBackup->Assign(ThePen);
        if (TChartPen* pen = ChartPen()) {
            CBVisible->SetChecked(pen->Visible());
            FBackup->SetVisible(pen->Visible());
            if (CBStyle->Items()->Count() == SmallDotsItem) CBStyle->Items()->Add(TxtSmallDots);
            EnableSmallDots(pen->SmallDots());
            CBStyle->SetItemIndex(pen->SmallDots() ? SmallDotsItem
                                                   : std::min(int(pen->Style()), 4));
            CBEndStyle->SetItemIndex(int(pen->EndStyle()));
            UDSpace->SetPosition(pen->SmallSpace());
        } else {
            CBVisible->Hide();
            CBEndStyle->Hide();
            CBStyle->SetItemIndex(std::min(int(ThePen->Style()), 4));
        }
        UDWidth->SetPosition(ThePen->Width());
        BColor->LinkToProperty(ThePen, "Color");
    }
    FModified = false;
    TForm::DoShow();
}

void TPenDialog::DrawStyleItem(int index, const TRect& rect, TOwnerDrawState state) {
    TCanvas& canvas = *CBStyle->Canvas();
    canvas.FillRect(rect);
    // A sample in the item's own background colour would not show: it turns black or white.
    const TColor back = ColorToRGB(state.Contains(odSelected) ? clHighlight : CBStyle->Color());
    TColor color = ColorToRGB(ThePen ? ThePen->Color() : clBlack);
    if (color == back) color = color == ColorToRGB(clWhite) ? clBlack : clWhite;
    if (index == SmallDotsItem) {
        CreateDottedPenHandle(*canvas.Pen(), color, 1);
    } else {
        canvas.Pen()->SetDotted(false);
        canvas.Pen()->SetStyle(TPenStyle(index));
        canvas.Pen()->SetWidth(1);
        canvas.Pen()->SetColor(color);
    }
    canvas.MoveTo(rect.Left + 2, rect.Top + 8);
    canvas.LineTo(rect.Left + 30, rect.Top + 8);
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(rect.Left + 34, rect.Top + 2, CBStyle->Items()->Get(index));
}

void TPenDialog::EnableSmallDots(bool smallDots) {
    SEWidth->SetEnabled(!smallDots);
    UDWidth->SetEnabled(!smallDots);
    ESpace->SetEnabled(smallDots);
    UDSpace->SetEnabled(smallDots);
}

void TPenDialog::CBStyleChange() {
    if (Loading() || !ThePen) return;
    TChartPen* pen = ChartPen();
    if (pen && CBStyle->ItemIndex() == SmallDotsItem) {
        pen->SetSmallDots(true);
        EnableSmallDots(true);
    } else {
        ThePen->SetStyle(TPenStyle(std::max(0, CBStyle->ItemIndex())));
        if (pen) pen->SetSmallDots(false);
        EnableSmallDots(false);
    }
    FModified = true;
}

void TPenDialog::BCancelClick() {
    if (FModified && ThePen) {
        // The pen as it was shown, with one change notice so that the chart repaints.
        TNotifyEvent notify = ThePen->OnChange;
        ThePen->OnChange = nullptr;
        ThePen->Assign(FBackup.get());
        if (TChartPen* pen = ChartPen()) pen->SetVisible(FBackup->Visible());
        ThePen->OnChange = notify;
        if (notify) notify(this);
    }
    SetModalResult(mrCancel);
}

TPenDialog* CreatePenDialog(TControl* control, TPen* pen, bool hideColor) {
    TPenDialog* dialog = new TPenDialog(control ? control->ParentForm() : nullptr);
    dialog->ThePen = pen;
    if (hideColor) dialog->BColor->Hide();
    return dialog;
}

TButtonPen::TButtonPen(TComponent* owner) : TTeeButton(owner) {}

TButtonPen::~TButtonPen() = default;

void TButtonPen::LinkPen(TPen* pen) {
    LinkToProperty(pen, "");
    Invalidate();
}

TPen* TButtonPen::Pen() const { return dynamic_cast<TPen*>(LinkedObject()); }

void TButtonPen::Click() {
    if (!Pen()) {
        TTeeButton::Click();
        return;
    }
    TOwnedForm<TPenDialog> dialog(CreatePenDialog(this, Pen(), HideColor));
    ApplyFormHook(dialog.get());
    const bool accepted = dialog->ShowModal() == mrOk;
    dialog.reset();
    if (!accepted) return;
    Repaint();
    TTeeButton::Click();
}

void TButtonPen::DrawSymbol(TTeeCanvas3D& Canvas) {
    TPen* pen = Pen();
    if (!Enabled() || !pen) return;
    Canvas.Brush()->SetStyle(bsClear);
    // A wide pen is drawn 6 pixels wide, without telling anyone of the change.
    TNotifyEvent notify = pen->OnChange;
    pen->OnChange = nullptr;
    const int width = pen->Width();
    if (width > 6) pen->SetWidth(6);
    Canvas.UsePen(pen);
    pen->SetWidth(width);
    pen->OnChange = notify;
    const int y = Height() / 2;
    Canvas.MovePenTo(Width() - 17, y);
    Canvas.DrawLineTo(Width() - 6, y);
}
