#pragma once
// A status bar, aligned to the bottom of its window: either panels of given widths, each with
// its text, or, with SimplePanel, one text over the whole bar (SimpleText).
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Control.h"

class TStatusBar;

class TStatusPanel {
public:
    const std::string& Text() const { return FText; }
    void SetText(const std::string& value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    int Index() const { return FIndex; }

private:
    friend class TStatusPanels;
    TStatusPanel(TStatusBar* bar, int index) : FBar(bar), FIndex(index) {}
    TStatusBar* FBar;
    int FIndex;
    std::string FText;
    int FWidth = 50;
};

class TStatusPanels {
public:
    int Count() const { return int(FItems.size()); }
    // EListError outside 0..Count-1.
    TStatusPanel* Items(int index) const;
    TStatusPanel* operator[](int index) const { return Items(index); }
    TStatusPanel* Add();
    void Clear();

private:
    friend class TStatusBar;
    explicit TStatusPanels(TStatusBar* bar) : FBar(bar) {}
    TStatusBar* FBar;
    std::vector<std::unique_ptr<TStatusPanel>> FItems;
};

class TStatusBar : public TWinControl {
    KV_DECLARE_CLASS(TStatusBar, TWinControl)
public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;

    TStatusPanels* Panels() const { return FPanels.get(); }
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool value);
    const std::string& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string& value);

    // What the bar shows at x (client coordinates): the simple text, or the text of the panel
    // there ("" past the last panel).
    std::string TextAt(int x) const;

private:
    friend class TStatusPanel;
    friend class TStatusPanels;
    void PanelsChanged();
    std::unique_ptr<TStatusPanels> FPanels;
    bool FSimplePanel = false;
    std::string FSimpleText;
};
