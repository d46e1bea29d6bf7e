#include "platform/ui/PageControl.h"

#include <QFrame>
#include <QTabBar>
#include <QWidget>
#include <algorithm>

#include "platform/rtl/ValueGuard.h"

namespace {
// The frame around the display area, in pixels.
constexpr int FrameWidth = 2;
}  // namespace

// A tab bar over a framed display area laid out by hand: the pages are children of the page
// control's own widget, so their bounds are in its coordinates and are set whether shown or not.
struct TPageControl::TImpl {
    QTabBar* tabs;
    QFrame* frame;
    std::vector<TTabSheet*> tabPages;  // the page of each tab
};

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner, new QWidget) {}

TTabSheet::~TTabSheet() { SetParent(nullptr); }

void TTabSheet::SetPageControl(TPageControl* value) { SetParent(value); }

void TTabSheet::SetParent(TWinControl* parent) {
    TWinControl::SetParent(parent);
    FPageControl = dynamic_cast<TPageControl*>(parent);
    if (FPageControl) FPageControl->LayOutPages();
}

int TTabSheet::PageIndex() const {
    if (!FPageControl) return -1;
    const auto& pages = FPageControl->FPages;
    return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
    if (!FPageControl) return;
    auto& pages = FPageControl->FPages;
    std::erase(pages, this);
    value = std::clamp(value, 0, int(pages.size()));
    pages.insert(pages.begin() + value, this);
    FPageControl->UpdateTabs();
}

void TTabSheet::SetTabVisible(bool value) {
    if (value == FTabVisible) return;
    FTabVisible = value;
    if (FPageControl) FPageControl->UpdateTabs();
}

void TTabSheet::TextChanged() {
    if (FPageControl) FPageControl->UpdateTabs();
}

TPageControl::TPageControl(TComponent* owner)
    : TWinControl(owner, new QWidget), FImpl(std::make_unique<TImpl>()) {
    FImpl->tabs = new QTabBar(Widget());
    FImpl->frame = new QFrame(Widget());
    FImpl->frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    FImpl->frame->setLineWidth(FrameWidth);
    FImpl->frame->lower();
    QObject::connect(FImpl->tabs, &QTabBar::currentChanged, [this](int i) { TabClicked(i); });
    SetBounds(0, 0, 289, 193);
    LayOutPages();
}

TPageControl::~TPageControl() {
    // The pages go first, while the widget that holds theirs still stands.
    DestroyComponents();
    while (!FPages.empty()) FPages.back()->SetParent(nullptr);
}

TRect TPageControl::DisplayRect() const {
    const int tabHeight = FImpl->tabPages.empty() ? 0 : FImpl->tabs->sizeHint().height();
    TRect r = ClientRect();
    return Rect(r.Left + FrameWidth, r.Top + tabHeight + FrameWidth,
                std::max(r.Right - FrameWidth, r.Left + FrameWidth),
                std::max(r.Bottom - FrameWidth, r.Top + tabHeight + FrameWidth));
}

void TPageControl::LayOutPages() {
    const TRect display = DisplayRect();
    const int tabHeight = display.Top - FrameWidth;
    FImpl->tabs->setGeometry(0, 0, Width(), tabHeight);
    FImpl->frame->setGeometry(0, tabHeight, Width(), std::max(Height() - tabHeight, 0));
    for (TTabSheet* page : FPages)
        page->SetBounds(display.Left, display.Top, display.Width(), display.Height());
}

void TPageControl::ShowActivePage() {
    // The page that goes is hidden before the new one shows, so that what it holds sees the
    // change in that order.
    for (TTabSheet* page : FPages)
        if (page != FActivePage) page->Widget()->hide();
    if (FActivePage) {
        FActivePage->Widget()->show();
        FActivePage->Widget()->raise();
    }
}

void TPageControl::Resize() {
    LayOutPages();
    TWinControl::Resize();
}

void TPageControl::InsertControl(TControl* control) {
    auto* page = dynamic_cast<TTabSheet*>(control);
    TWinControl::InsertControl(control);
    if (!page) return;
    FPages.push_back(page);
    if (!FActivePage) FActivePage = page;
    UpdateTabs();
}

void TPageControl::RemoveControl(TControl* control) {
    if (auto* page = dynamic_cast<TTabSheet*>(control)) {
        std::erase(FPages, page);
        page->FPageControl = nullptr;
        if (FActivePage == page) FActivePage = FPages.empty() ? nullptr : FPages.front();
        UpdateTabs();
    }
    TWinControl::RemoveControl(control);
}

void TPageControl::UpdateTabs() {
    TValueGuard<bool> updating(FUpdatingTabs, true);
    const bool hadTabs = !FImpl->tabPages.empty();
    while (FImpl->tabs->count() > 0) FImpl->tabs->removeTab(0);
    FImpl->tabPages.clear();
    for (TTabSheet* page : FPages) {
        if (!page->TabVisible()) continue;
        FImpl->tabs->addTab(QString::fromStdString(page->Caption()));
        FImpl->tabPages.push_back(page);
    }
    auto tab = std::find(FImpl->tabPages.begin(), FImpl->tabPages.end(), FActivePage);
    if (tab != FImpl->tabPages.end())
        FImpl->tabs->setCurrentIndex(int(tab - FImpl->tabPages.begin()));
    FImpl->tabs->setVisible(!FImpl->tabPages.empty());
    if (hadTabs != !FImpl->tabPages.empty()) LayOutPages();
    ShowActivePage();
}

void TPageControl::TabClicked(int tabIndex) {
    if (FUpdatingTabs || tabIndex < 0 || tabIndex >= int(FImpl->tabPages.size())) return;
    TTabSheet* page = FImpl->tabPages[size_t(tabIndex)];
    if (page == FActivePage) return;
    bool allow = true;
    if (OnChanging) Fire([this, &allow] { OnChanging(this, allow); });
    if (!allow) {
        // The tab bar has moved already: back to the tab of the page that stays.
        TValueGuard<bool> updating(FUpdatingTabs, true);
        auto tab = std::find(FImpl->tabPages.begin(), FImpl->tabPages.end(), FActivePage);
        if (tab != FImpl->tabPages.end())
            FImpl->tabs->setCurrentIndex(int(tab - FImpl->tabPages.begin()));
        return;
    }
    FActivePage = page;
    ShowActivePage();
    if (OnChange) Fire([this] { OnChange(this); });
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->FPageControl != this) return;
    if (page == FActivePage) return;
    FActivePage = page;
    UpdateTabs();
}

int TPageControl::ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int value) {
    SetActivePage(value >= 0 && value < PageCount() ? FPages[size_t(value)] : nullptr);
}
