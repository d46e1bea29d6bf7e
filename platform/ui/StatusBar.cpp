#include "platform/ui/StatusBar.h"

#include <QPainter>
#include <QWidget>

#include "platform/rtl/Exceptions.h"

namespace {
// Draws the panels (sunken cells with their text) or the simple text.
class TStatusBarWidget : public QWidget {
public:
    TStatusBar* bar = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!bar) return;
        QPainter p(this);
        QColor dark = palette().color(QPalette::Dark), light = palette().color(QPalette::Light);
        auto cell = [&](QRect r, const std::string& text) {
            p.setPen(dark);
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(light);
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(r.adjusted(3, 1, -2, -1), Qt::AlignVCenter | Qt::AlignLeft,
                       QString::fromStdString(text));
        };
        QRect all = rect().adjusted(0, 2, -1, -1);
        if (bar->SimplePanel()) {
            cell(all, bar->SimpleText());
            return;
        }
        int x = 0;
        TStatusPanels* panels = bar->Panels();
        for (int i = 0; i < panels->Count(); ++i) {
            // The last panel takes the rest of the bar.
            int w = i + 1 == panels->Count() ? std::max(width() - x, 0) : panels->Items(i)->Width();
            cell(QRect(x, all.top(), w - 2, all.height()), panels->Items(i)->Text());
            x += w;
        }
    }
};
}  // namespace

void TStatusPanel::SetText(const std::string& value) {
    if (value == FText) return;
    FText = value;
    FBar->PanelsChanged();
}

void TStatusPanel::SetWidth(int value) {
    if (value == FWidth) return;
    FWidth = value;
    FBar->PanelsChanged();
}

TStatusPanel* TStatusPanels::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return FItems[size_t(index)].get();
}

TStatusPanel* TStatusPanels::Add() {
    FItems.push_back(std::unique_ptr<TStatusPanel>(new TStatusPanel(FBar, Count())));
    FBar->PanelsChanged();
    return FItems.back().get();
}

void TStatusPanels::Clear() {
    FItems.clear();
    FBar->PanelsChanged();
}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner, new TStatusBarWidget),
      FPanels(std::unique_ptr<TStatusPanels>(new TStatusPanels(this))) {
    static_cast<TStatusBarWidget*>(Widget())->bar = this;
    Widget()->setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar() { static_cast<TStatusBarWidget*>(Widget())->bar = nullptr; }

void TStatusBar::SetSimplePanel(bool value) {
    if (value == FSimplePanel) return;
    FSimplePanel = value;
    PanelsChanged();
}

void TStatusBar::SetSimpleText(const std::string& value) {
    if (value == FSimpleText) return;
    FSimpleText = value;
    PanelsChanged();
}

void TStatusBar::PanelsChanged() { Widget()->update(); }

std::string TStatusBar::TextAt(int x) const {
    if (FSimplePanel) return FSimpleText;
    int left = 0;
    for (int i = 0; i < FPanels->Count(); ++i) {
        TStatusPanel* panel = FPanels->Items(i);
        bool last = i + 1 == FPanels->Count();
        if (x >= left && (last ? x < Width() : x < left + panel->Width())) return panel->Text();
        left += panel->Width();
    }
    return {};
}
