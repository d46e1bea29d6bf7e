#include "platform/ui/HintWindow.h"

#include <QString>
#include <QToolTip>

#include "platform/ui/Control.h"

namespace {
// The toolkit's tooltip at the cursor.
class TDefaultHintWindow : public THintWindow {
public:
    void ActivateHint(const THintInfo& info) override {
        const TPoint at = info.CursorScreen();
        QToolTip::showText(QPoint(at.X, at.Y), QString::fromStdString(info.HintStr),
                           info.HintControl ? info.HintControl->Widget() : nullptr);
    }
    void HideHint() override { QToolTip::hideText(); }
};
}  // namespace

std::unique_ptr<THintWindow> MakeDefaultHintWindow() {
    return std::make_unique<TDefaultHintWindow>();
}
