#include "chart/tools/annotation/BannerEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/tools/annotation/BannerTool.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/PageControl.h"

TBannerEditor::TBannerEditor(TComponent* owner) : TAnnotationToolEdit(owner) {
    using T = TBannerTool;
    const auto tool = [this] { return Banner(); };
    TabBanner = MakeTabSheet(this, PageControl1, "Banner");
    CBScroll = MakeCheckBox(TabBanner, 8, 8, 120, "&Scroll");
    BindCheckBox(*this, CBScroll, tool, &T::Scroll, &T::SetScroll);
    MakeLabel(TabBanner, 8, 36, "Scroll &delay:");
    const TUpDownEdit delay = MakeUpDownEdit(TabBanner, 110, 32, 55, 1, 32000);
    Edit2 = delay.Edit;
    UDDelay = delay.UpDown;
    BindUpDownEdit(*this, delay, tool, &T::ScrollDelay, &T::SetScrollDelay);
    MakeLabel(TabBanner, 8, 64, "Scroll d&irection:");
    CBDirection = MakeComboBox(TabBanner, 110, 60, 110, {"Right to Left", "Left to Right"});
    BindComboBox(*this, CBDirection, tool, &T::ScrollDirection, &T::SetScrollDirection);
    CBBlink = MakeCheckBox(TabBanner, 8, 96, 120, "&Blink");
    BindCheckBox(*this, CBBlink, tool, &T::Blink, &T::SetBlink);
    MakeLabel(TabBanner, 8, 124, "Blink &delay on:");
    const TUpDownEdit on = MakeUpDownEdit(TabBanner, 110, 120, 55, 1, 32000);
    Edit3 = on.Edit;
    UDBlinkOn = on.UpDown;
    BindUpDownEdit(*this, on, tool, &T::BlinkDelayOn, &T::SetBlinkDelayOn);
    MakeLabel(TabBanner, 8, 152, "Blink &delay off:");
    const TUpDownEdit off = MakeUpDownEdit(TabBanner, 110, 148, 55, 1, 32000);
    Edit4 = off.Edit;
    UDBlinkOff = off.UpDown;
    BindUpDownEdit(*this, off, tool, &T::BlinkDelayOff, &T::SetBlinkDelayOff);
}

TBannerEditor::~TBannerEditor() = default;

TBannerTool* TBannerEditor::Banner() const { return dynamic_cast<TBannerTool*>(Tool()); }

void TBannerEditor::DoShow() {
    TAnnotationToolEdit::DoShow();
    TabBanner->SetPageIndex(0);
    PageControl1->SetActivePage(TabBanner);
}
