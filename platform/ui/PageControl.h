#pragma once
// Pages with tabs. A page whose TabVisible is false has no tab but can still be the active page
// (a page control with every tab hidden is a stack of pages switched from code). OnChange
// follows a change of page by the user, not from code. Every page, shown or not, takes the
// display area's bounds as soon as the page control has a size, so that what is laid out on a
// page before it is first seen has its final size. OnChanging is asked before the user's change
// of page: a handler that clears allowChange keeps the page (and its tab) as it was.
#include <functional>
#include <vector>

#include "platform/ui/Control.h"

class TPageControl;

class TTabSheet : public TWinControl {
    KV_DECLARE_CLASS(TTabSheet, TWinControl)
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* value);
    // The position among the pages of its page control (-1 without one).
    int PageIndex() const;
    // Moves the page to that position among its page control's pages (clamped to them).
    void SetPageIndex(int value);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);

    void SetParent(TWinControl* parent) override;

protected:
    void TextChanged() override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};

class TPageControl : public TWinControl {
    KV_DECLARE_CLASS(TPageControl, TWinControl)
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return int(FPages.size()); }
    TTabSheet* Pages(int index) const { return FPages.at(size_t(index)); }
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* page);
    // -1 without an active page.
    int ActivePageIndex() const;
    void SetActivePageIndex(int value);
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value) { FHotTrack = value; }
    // The area the pages fill: the client area less the tabs and the frame.
    TRect DisplayRect() const;

    TNotifyEvent OnChange;
    std::function<void(TObject* sender, bool& allowChange)> OnChanging;

protected:
    void InsertControl(TControl* control) override;
    void RemoveControl(TControl* control) override;
    void Resize() override;

private:
    friend class TTabSheet;
    struct TImpl;
    void UpdateTabs();
    void TabClicked(int tabIndex);
    // Places the tabs, the frame and every page; shows the active page only.
    void LayOutPages();
    void ShowActivePage();

    std::unique_ptr<TImpl> FImpl;
    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
    bool FHotTrack = false;
    bool FUpdatingTabs = false;
};
