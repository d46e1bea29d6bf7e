#include "chart/tools/view/FullScreenTool.h"

#include "chart/engine/AxisPanel.h"
#include "platform/classes/Publisher.h"
#include "platform/ui/Form.h"
#include "platform/ui/Screen.h"

TFullScreenTool::TFullScreenTool(TComponent* owner) : TTeeCustomTool(owner) {
    TTeeCustomTool::SetActive(false);
}

TFullScreenTool::~TFullScreenTool() {
    if (Active()) Release();
}

void TFullScreenTool::Publish(TPublisher<TFullScreenTool>& p) {
    p.Inherited("Active").Default(false);
    p.Integer("ReleaseKey", &TFullScreenTool::ReleaseKey, &TFullScreenTool::SetReleaseKey)
        .Default(27);
}

void TFullScreenTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TFullScreenTool*>(source))
        FReleaseKey = other->FReleaseKey;
    TTeeCustomTool::Assign(source);
}

void TFullScreenTool::SetActive(bool value) {
    TTeeCustomTool::SetActive(value);
    if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading) ||
        !ParentChart())
        return;
    if (value)
        GoFullScreen();
    else
        Release();
}

void TFullScreenTool::GoFullScreen() {
    TCustomAxisPanel& chart = *ParentChart();
    if (FForm) return;  // already there
    FOldParent = chart.Parent();
    FForm = new TForm(nullptr);
    FForm->SetTagObject(this);
    FForm->SetKeyPreview(true);
    FForm->SetBorderStyle(bsNone);
    const TRect desktop = Screen()->DesktopRect();
    FForm->SetBounds(desktop.Left, desktop.Top, desktop.Width(), desktop.Height());
    FOldAlign = chart.Align();
    chart.SetAlign(alNone);
    chart.SetParent(FForm);
    FOldBounds = chart.BoundsRect();
    chart.SetBounds(desktop.Left, desktop.Top, desktop.Width(), desktop.Height());
    FForm->OnKeyUp = [this](TObject*, int& key, TShiftState) { FormKeyUp(key); };
    FForm->OnCloseQuery = [this](TObject*, bool& canClose) { FormCloseQuery(canClose); };
    // Closed by the user, the window frees itself.
    FForm->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    FForm->Show();
}

void TFullScreenTool::FormKeyUp(int& key) {
    if (!Active() || key != FReleaseKey) return;
    SetActive(false);
    key = 0;
}

void TFullScreenTool::FormCloseQuery(bool& canClose) {
    FFreeForm = false;
    SetActive(false);
    FFreeForm = true;
    canClose = true;
}

void TFullScreenTool::Release() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || !FForm) return;
    auto* form = dynamic_cast<TForm*>(chart->Parent());
    if (form != FForm || form->TagObject() != this) return;
    form->SetTagObject(nullptr);
    form->OnKeyUp = nullptr;
    form->OnCloseQuery = nullptr;
    TWinControl* parent = FOldParent;
    if (parent && parent->ComponentState().Contains(csDestroying)) parent = nullptr;
    chart->SetParent(parent);
    chart->SetBounds(FOldBounds.Left, FOldBounds.Top, FOldBounds.Width(), FOldBounds.Height());
    chart->SetAlign(FOldAlign);
    FForm = nullptr;
    FOldParent = nullptr;
    // From its own key handler: freed once the event is over.
    if (FFreeForm) form->Release();
}
