#include "chart/editors/TeeNavigator.h"

#include <algorithm>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Timer.h"

namespace {

const char* const DefaultHints[TeeNavButtonCount] = {"First",  "Prior", "Next", "Last",  "Insert",
                                                     "Delete", "Edit",  "Post", "Cancel"};

// The two 16 by 16 images of a button's glyph, normal then disabled, drawn here rather than
// loaded: arrows for the moves, plus and minus for insert and delete, an up arrow for edit, a
// tick for post and a cross for cancel.
void DrawGlyph(TCanvas& c, TTeeNavigateBtn index, int left, TColor color) {
    c.Pen()->SetColor(color);
    c.Brush()->SetColor(color);
    auto triangle = [&](int tipX, int baseX) {
        const TPoint p[] = {{left + tipX, 8}, {left + baseX, 4}, {left + baseX, 12}};
        c.Polygon(p);
    };
    auto bar = [&](int x1, int y1, int x2, int y2) {
        c.FillRect(Rect(left + x1, y1, left + x2, y2));
    };
    switch (index) {
        case nbFirst:
            bar(4, 4, 6, 13);
            triangle(6, 10);
            break;
        case nbPrior:
            triangle(5, 9);
            break;
        case nbNext:
            triangle(10, 6);
            break;
        case nbLast:
            triangle(9, 5);
            bar(10, 4, 12, 13);
            break;
        case nbInsert:
            bar(4, 7, 13, 9);
            bar(7, 4, 9, 13);
            break;
        case nbDelete:
            bar(4, 7, 13, 9);
            break;
        case nbEdit: {
            const TPoint p[] = {{left + 8, 4}, {left + 4, 10}, {left + 12, 10}};
            c.Polygon(p);
            break;
        }
        case nbPost:
            for (int i = 0; i < 2; ++i) {
                c.MoveTo(left + 4, 8 + i);
                c.LineTo(left + 7, 11 + i);
                c.LineTo(left + 13, 5 + i);
            }
            break;
        case nbCancel:
            for (int i = 0; i < 2; ++i) {
                c.MoveTo(left + 4 + i, 4);
                c.LineTo(left + 13 + i, 13);
                c.MoveTo(left + 12 + i, 4);
                c.LineTo(left + 3 + i, 13);
            }
            break;
    }
}

std::unique_ptr<TBitmap> MakeGlyph(TTeeNavigateBtn index) {
    auto bmp = std::make_unique<TBitmap>(32, 16);
    TCanvas& c = *bmp->Canvas();
    // The bottom-left pixel's colour is the glyph's transparent one.
    c.Brush()->SetColor(clOlive);
    c.FillRect(Rect(0, 0, 32, 16));
    DrawGlyph(c, index, 0, clBlack);
    DrawGlyph(c, index, 16, clGray);
    return bmp;
}

}  // namespace

TTeeNavigatorLayout LayoutTeeNavigator(int width, int height,
                                       const std::array<bool, TeeNavButtonCount>& visible,
                                       bool aligned, bool singleBorder) {
    TTeeNavigatorLayout out;
    const int n = std::max<int>(1, int(std::count(visible.begin(), visible.end(), true)));
    int w = std::max(width, n * TeeNavMinButtonWidth);
    const int h = std::max(height, TeeNavMinButtonHeight);
    const int b = w / n;
    if (!aligned) w = n * b;
    const int extra = w - n * b;
    // The pixels that do not divide evenly go one by one to the buttons an accumulator picks,
    // so they spread over the bar rather than gather at one end.
    int acc = n / 2;
    int x = 0;
    for (int i = 0; i < TeeNavButtonCount; ++i) {
        if (!visible[size_t(i)]) {
            out.Buttons[size_t(i)] = Rect(w + 1, 0, w + 1 + b, h);
            continue;
        }
        int bw = b;
        if (extra != 0) {
            acc -= extra;
            if (acc < 0) {
                acc += n;
                ++bw;
            }
        }
        out.Buttons[size_t(i)] = Rect(x, 0, x + bw, singleBorder ? h - 4 : h);
        x += bw;
    }
    out.Width = w;
    out.Height = h;
    return out;
}

// --- TTeeNavButton.

TTeeNavButton::TTeeNavButton(TComponent* owner) : TSpeedButton(owner) {}

TTeeNavButton::~TTeeNavButton() = default;  // the timer is owned by the button

void TTeeNavButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    inherited::MouseDown(button, shift, x, y);
    if (auto* bar = dynamic_cast<TCustomTeeNavigator*>(Parent())) bar->ButtonPressed(*this);
    if (button != mbLeft || !Enabled()) return;
    if (!FRepeatTimer) {
        FRepeatTimer = new TTimer(this);
        FRepeatTimer->OnTimer = [this](TObject*) { RepeatTick(); };
    }
    FHeld = true;
    FRepeatTimer->SetInterval(400);
    FRepeatTimer->SetEnabled(true);
}

void TTeeNavButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    FHeld = false;
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
    inherited::MouseUp(button, shift, x, y);
}

void TTeeNavButton::RepeatTick() {
    if (!FRepeatTimer) return;
    FRepeatTimer->SetInterval(100);
    // Held: pressed on this button and not released yet (the bar holds the capture for it).
    if (!FHeld) return;
    try {
        Click();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TTeeNavButton::Paint() {
    inherited::Paint();
    auto* bar = dynamic_cast<TCustomTeeNavigator*>(Parent());
    if (!bar || !bar->Focused() || bar->FocusedButton() != int(Index)) return;
    TCanvas& c = *Canvas();
    TRect r = Rect(3, 3, Width() - 3, Height() - 3);
    if (FHeld) r = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    c.Brush()->SetStyle(bsClear);
    c.Pen()->SetColor(clBlack);
    c.Pen()->SetStyle(psDot);
    c.Rectangle(r);
    c.Pen()->SetStyle(psSolid);
}

// --- TCustomTeeNavigator.

TCustomTeeNavigator::TCustomTeeNavigator(TComponent* owner) : TCustomPanelNoCaption(owner) {
    FHints = std::make_unique<TStringList>();
    FHints->OnChange = [this](TStrings*) { RefreshHints(); };
    CreateButtons();
    RefreshHints();
    SetBevelOuter(bvNone);
    SetBevelInner(bvNone);
    SetBounds(Left(), Top(), 241, 25);
}

TCustomTeeNavigator::~TCustomTeeNavigator() { SetPanel(nullptr); }

void TCustomTeeNavigator::CreateButtons() {
    int x = 0;
    for (int i = 0; i < TeeNavButtonCount; ++i) {
        auto* b = new TTeeNavButton(this);
        b->Index = TTeeNavigateBtn(i);
        b->SetFlat(true);
        b->SetEnabled(false);
        b->SetBounds(x, 0, TeeNavMinButtonWidth, TeeNavMinButtonHeight);
        std::unique_ptr<TBitmap> glyph = MakeGlyph(b->Index);
        b->SetGlyph(glyph.get());
        b->SetNumGlyphs(2);
        b->OnClick = [this, b](TObject*) { BtnClick(b->Index); };
        b->SetParent(this);
        FButtons[size_t(i)] = b;
        x += TeeNavMinButtonWidth;
    }
    // A plain bar moves only.
    for (int i = nbInsert; i <= nbCancel; ++i) FButtons[size_t(i)]->SetVisible(false);
}

void TCustomTeeNavigator::SetHints(const TStringList* value) {
    if (value) FHints->Assign(*value);
}

void TCustomTeeNavigator::RefreshHints() {
    for (int i = 0; i < TeeNavButtonCount; ++i)
        if (FButtons[size_t(i)]) FButtons[size_t(i)]->SetHint(DefaultHints[i]);
    const int n = std::min(FHints->Count(), TeeNavButtonCount);
    for (int i = 0; i < n; ++i)
        if (!(*FHints)[i].empty() && FButtons[size_t(i)])
            FButtons[size_t(i)]->SetHint((*FHints)[i]);
}

void TCustomTeeNavigator::SetSingleBorder(bool value) {
    if (value == FSingleBorder) return;
    FSingleBorder = value;
    ApplyLayout();
}

void TCustomTeeNavigator::SetButtonVisible(TTeeNavigateBtn index, bool visible) {
    FButtons[size_t(index)]->SetVisible(visible);
    ApplyLayout();
}

void TCustomTeeNavigator::SetBounds(int left, int top, int width, int height) {
    if (FLayingOut || !FButtons[0] || ComponentState().Contains(csLoading)) {
        inherited::SetBounds(left, top, width, height);
        return;
    }
    std::array<bool, TeeNavButtonCount> visible{};
    for (int i = 0; i < TeeNavButtonCount; ++i) visible[size_t(i)] = FButtons[size_t(i)]->Visible();
    const TTeeNavigatorLayout l =
        LayoutTeeNavigator(width, height, visible, Align() != alNone, FSingleBorder);
    FLayingOut = true;
    inherited::SetBounds(left, top, l.Width, l.Height);
    for (int i = 0; i < TeeNavButtonCount; ++i) {
        TRect r = l.Buttons[size_t(i)];
        if (!visible[size_t(i)]) r = Rect(Width() + 1, 0, Width() + 1 + r.Width(), Height());
        FButtons[size_t(i)]->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    }
    FLayingOut = false;
    int visibleCount = int(std::count(visible.begin(), visible.end(), true));
    FButtonWidth = l.Width / std::max(1, visibleCount);
}

void TCustomTeeNavigator::ApplyLayout() { SetBounds(Left(), Top(), Width(), Height()); }

void TCustomTeeNavigator::Resize() {
    inherited::Resize();
    if (!FLayingOut) ApplyLayout();
}

void TCustomTeeNavigator::Loaded() {
    inherited::Loaded();
    ApplyLayout();
    RefreshHints();
    EnableButtons();
}

void TCustomTeeNavigator::SetEnabled(bool value) {
    inherited::SetEnabled(value);
    if (!ComponentState().Contains(csLoading)) EnableButtons();
}

void TCustomTeeNavigator::SetPanel(TCustomTeePanel* panel) {
    if (panel == FPanel) return;
    if (FPanel) {
        FPanel->RemoveFreeNotification(this);
        // A panel being freed has dropped its listeners already.
        if (!FPanel->ComponentState().Contains(csDestroying)) FPanel->RemoveListener(this);
    }
    FPanel = panel;
    if (FPanel) {
        FPanel->FreeNotification(this);
        FPanel->Listeners().Add(this);
    }
    EnableButtons();
}

void TCustomTeeNavigator::Notification(TComponent* component, TOperation operation) {
    inherited::Notification(component, operation);
    if (operation == opRemove && component == FPanel) SetPanel(nullptr);
}

void TCustomTeeNavigator::BtnClick(TTeeNavigateBtn index) {
    EnableButtons();
    if (OnButtonClicked) OnButtonClicked(index);
}

void TCustomTeeNavigator::ButtonPressed(TTeeNavButton& button) {
    const int old = FFocusedButton;
    FFocusedButton = int(button.Index);
    if (TabStop() && !Focused() && CanFocus()) {
        SetFocus();
    } else if (Focused() && old != FFocusedButton) {
        FButtons[size_t(old)]->Invalidate();
        button.Invalidate();
    }
}

void TCustomTeeNavigator::MoveFocus(int step) {
    int i = FFocusedButton;
    do {
        i += step;
    } while (i >= 0 && i < TeeNavButtonCount && !FButtons[size_t(i)]->Visible());
    if (i < 0 || i >= TeeNavButtonCount || i == FFocusedButton) return;
    const int old = FFocusedButton;
    FFocusedButton = i;
    FButtons[size_t(old)]->Invalidate();
    FButtons[size_t(i)]->Invalidate();
}

void TCustomTeeNavigator::KeyDown(int& key, TShiftState shift) {
    inherited::KeyDown(key, shift);
    if (key == VK_SPACE) {
        TTeeNavButton* b = FButtons[size_t(FFocusedButton)];
        if (b->Enabled()) b->Click();
    } else if (key == VK_LEFT) {
        MoveFocus(-1);
    } else if (key == VK_RIGHT) {
        MoveFocus(1);
    }
}

void TCustomTeeNavigator::DoEnter() {
    inherited::DoEnter();
    FButtons[size_t(FFocusedButton)]->Invalidate();
}

void TCustomTeeNavigator::DoExit() {
    inherited::DoExit();
    FButtons[size_t(FFocusedButton)]->Invalidate();
}
