#include "platform/ui/Panel.h"

#include <QPainter>
#include <QWidget>

namespace {
// Draws the bevels and the caption; the panel keeps the settings.
class TPanelWidget : public QWidget {
public:
    TPanel* panel = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!panel) return;
        QPainter p(this);
        QRect r = rect();
        auto bevel = [&](TBevelCut cut) {
            if (cut == bvNone) return;
            for (int i = 0; i < panel->BevelWidth(); ++i) {
                if (cut != bvSpace) {
                    QColor light = palette().color(QPalette::Light);
                    QColor dark = palette().color(QPalette::Dark);
                    QColor topLeft = cut == bvRaised ? light : dark;
                    QColor bottomRight = cut == bvRaised ? dark : light;
                    p.setPen(topLeft);
                    p.drawLine(r.left(), r.top(), r.right(), r.top());
                    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
                    p.setPen(bottomRight);
                    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
                    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
                }
                r.adjust(1, 1, -1, -1);
            }
        };
        bevel(panel->BevelOuter());
        r.adjust(panel->BorderWidth(), panel->BorderWidth(), -panel->BorderWidth(),
                 -panel->BorderWidth());
        bevel(panel->BevelInner());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic,
                   QString::fromStdString(panel->Caption()));
    }
};
}  // namespace

TPanel::TPanel(TComponent* owner) : TWinControl(owner, new TPanelWidget) {
    static_cast<TPanelWidget*>(Widget())->panel = this;
    Widget()->setAutoFillBackground(true);
    SetBounds(0, 0, 185, 41);
}

TPanel::~TPanel() { static_cast<TPanelWidget*>(Widget())->panel = nullptr; }

void TPanel::SetBevelInner(TBevelCut value) {
    FBevelInner = value;
    Changed();
}

void TPanel::SetBevelOuter(TBevelCut value) {
    FBevelOuter = value;
    Changed();
}

void TPanel::SetBevelWidth(int value) {
    FBevelWidth = std::max(value, 1);
    Changed();
}

void TPanel::SetBorderWidth(int value) {
    FBorderWidth = std::max(value, 0);
    Changed();
}

void TPanel::Changed() {
    Widget()->update();
    Realign();
}

TRect TPanel::ClientRect() const {
    int inset = FBorderWidth + (FBevelOuter != bvNone ? FBevelWidth : 0) +
                (FBevelInner != bvNone ? FBevelWidth : 0);
    return Rect(inset, inset, std::max(Width() - inset, inset), std::max(Height() - inset, inset));
}

void TPanel::TextChanged() { Widget()->update(); }
