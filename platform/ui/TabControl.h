#pragma once
// A row of tabs over one display area, with no pages of its own: the program changes what the
// area shows when the tab changes. TabIndex is the selected tab (-1 for none). A change by the
// user asks OnChanging first (which may refuse it) and fires OnChange after; TabIndex set from
// code fires neither. The client area is the display area under the tabs, so aligned children
// fill it.
#include <memory>

#include "platform/rtl/StringList.h"
#include "platform/ui/Control.h"

class TTabControl : public TWinControl {
    KV_DECLARE_CLASS(TTabControl, TWinControl)
public:
    explicit TTabControl(TComponent* owner);
    ~TTabControl() override;

    TStrings* Tabs() const { return FTabs.get(); }
    void SetTabs(const TStrings& value) { FTabs->Assign(value); }
    // Brought into -1..Tabs.Count-1.
    int TabIndex() const { return FTabIndex; }
    void SetTabIndex(int value);
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value) { FHotTrack = value; }
    // The area under the tabs, inside the frame, in the control's coordinates.
    TRect DisplayRect() const;
    TRect ClientRect() const override { return DisplayRect(); }

    static void Publish(TPublisher<TTabControl>& p);

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void Resize() override;

private:
    struct TImpl;
    void TabsChanged();
    void TabClicked(int index);
    void ShowTabIndex();
    void PlaceParts();

    std::unique_ptr<TImpl> FImpl;
    std::unique_ptr<TStringList> FTabs;
    int FTabIndex = -1;
    bool FHotTrack = false;
    bool FShowing = false;
};
