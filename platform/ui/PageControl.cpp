#include "platform/ui/PageControl.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

// A tab bar over a stack of pages: unlike a tab widget it can have pages without a tab.
struct TPageControl::TImpl {
    QTabBar* tabs;
    QStackedWidget* stack;
    std::vector<TTabSheet*> tabPages;  // the page of each tab
};

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner, new QWidget) {}

TTabSheet::~TTabSheet() { SetParent(nullptr); }

void TTabSheet::SetPageControl(TPageControl* value) { SetParent(value); }

void TTabSheet::SetParent(TWinControl* parent) {
    TWinControl::SetParent(parent);
    FPageControl = dynamic_cast<TPageControl*>(parent);
}

int TTabSheet::PageIndex() const {
    if (!FPageControl) return -1;
    const auto& pages = FPageControl->FPages;
    return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
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
    auto* layout = new QVBoxLayout(Widget());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    FImpl->tabs = new QTabBar;
    FImpl->stack = new QStackedWidget;
    FImpl->stack->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(FImpl->tabs);
    layout->addWidget(FImpl->stack, 1);
    QObject::connect(FImpl->tabs, &QTabBar::currentChanged, [this](int i) { TabClicked(i); });
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    // The pages go first, while the stack that holds their widgets still stands.
    DestroyComponents();
    while (!FPages.empty()) FPages.back()->SetParent(nullptr);
}

void TPageControl::InsertControl(TControl* control) {
    auto* page = dynamic_cast<TTabSheet*>(control);
    if (!page) return TWinControl::InsertControl(control);
    TWinControl::InsertControl(control);
    FImpl->stack->addWidget(page->Widget());
    FPages.push_back(page);
    if (!FActivePage) FActivePage = page;
    UpdateTabs();
}

void TPageControl::RemoveControl(TControl* control) {
    if (auto* page = dynamic_cast<TTabSheet*>(control)) {
        FImpl->stack->removeWidget(page->Widget());
        std::erase(FPages, page);
        page->FPageControl = nullptr;
        if (FActivePage == page) FActivePage = FPages.empty() ? nullptr : FPages.front();
        UpdateTabs();
    }
    TWinControl::RemoveControl(control);
}

void TPageControl::UpdateTabs() {
    FUpdatingTabs = true;
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
    if (FActivePage) FImpl->stack->setCurrentWidget(FActivePage->Widget());
    FUpdatingTabs = false;
}

void TPageControl::TabClicked(int tabIndex) {
    if (FUpdatingTabs || tabIndex < 0 || tabIndex >= int(FImpl->tabPages.size())) return;
    TTabSheet* page = FImpl->tabPages[size_t(tabIndex)];
    if (page == FActivePage) return;
    FActivePage = page;
    FImpl->stack->setCurrentWidget(page->Widget());
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
