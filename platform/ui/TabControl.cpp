#include "platform/ui/TabControl.h"

#include <QFrame>
#include <QTabBar>
#include <QWidget>
#include <algorithm>

#include "platform/classes/Publisher.h"

namespace {
// The frame's width around the display area.
constexpr int Border = 4;
}  // namespace

struct TTabControl::TImpl {
    QTabBar* tabs;
    QFrame* frame;  // drawn under the children
};

void TTabControl::Publish(TPublisher<TTabControl>& p) {
    p.Integer("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex).Default(-1);
    p.Boolean("HotTrack", &TTabControl::HotTrack, &TTabControl::SetHotTrack).Default(false);
}

TTabControl::TTabControl(TComponent* owner)
    : TWinControl(owner, new QWidget),
      FImpl(std::make_unique<TImpl>()),
      FTabs(std::make_unique<TStringList>()) {
    FImpl->frame = new QFrame(Widget());
    FImpl->frame->setFrameShape(QFrame::StyledPanel);
    FImpl->frame->lower();
    FImpl->tabs = new QTabBar(Widget());
    FImpl->tabs->setDrawBase(false);
    FImpl->tabs->setExpanding(false);
    QObject::connect(FImpl->tabs, &QTabBar::currentChanged, [this](int i) { TabClicked(i); });
    FTabs->OnChange = [this](TStrings*) { TabsChanged(); };
    SetBounds(0, 0, 289, 193);
    PlaceParts();
}

TTabControl::~TTabControl() = default;

TRect TTabControl::DisplayRect() const {
    const int top = FTabs->Count() > 0 ? FImpl->tabs->sizeHint().height() : 0;
    return Rect(Border, top + Border, std::max(Width() - Border, Border),
                std::max(Height() - Border, top + Border));
}

void TTabControl::TabsChanged() {
    FShowing = true;
    while (FImpl->tabs->count() > FTabs->Count()) FImpl->tabs->removeTab(FImpl->tabs->count() - 1);
    for (int i = 0; i < FTabs->Count(); ++i) {
        const QString text = QString::fromStdString(FTabs->Get(i));
        if (i < FImpl->tabs->count())
            FImpl->tabs->setTabText(i, text);
        else
            FImpl->tabs->addTab(text);
    }
    FShowing = false;
    // A new first tab is selected; a lost one takes the selection to the last that is left.
    FTabIndex = FTabs->Count() == 0 ? -1 : std::clamp(FTabIndex, 0, FTabs->Count() - 1);
    ShowTabIndex();
    PlaceParts();
    Realign();
}

void TTabControl::SetTabIndex(int value) {
    value = std::clamp(value, -1, FTabs->Count() - 1);
    if (value == FTabIndex) return;
    FTabIndex = value;
    ShowTabIndex();
}

void TTabControl::ShowTabIndex() {
    FShowing = true;
    FImpl->tabs->setCurrentIndex(FTabIndex);
    FShowing = false;
}

void TTabControl::TabClicked(int index) {
    if (FShowing || index == FTabIndex) return;
    bool allow = true;
    if (OnChanging) Fire([&] { OnChanging(this, allow); });
    if (!allow) {
        ShowTabIndex();  // the tab bar goes back to the tab that stays
        return;
    }
    FTabIndex = index;
    if (OnChange) Fire([this] { OnChange(this); });
}

void TTabControl::Resize() {
    PlaceParts();
    TWinControl::Resize();
}

void TTabControl::PlaceParts() {
    const int tabHeight = FTabs->Count() > 0 ? FImpl->tabs->sizeHint().height() : 0;
    FImpl->tabs->setGeometry(Border / 2, 0, std::max(Width() - Border, 0), tabHeight);
    FImpl->tabs->setVisible(tabHeight > 0);
    FImpl->frame->setGeometry(0, tabHeight, Width(), std::max(Height() - tabHeight, 0));
}
