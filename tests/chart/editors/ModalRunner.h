#pragma once
// Runs the user's part in a modal dialog: once a dialog of class TDialog owned by `owner` is
// showing, act does what the user does there, closing the dialog included. The runner lives
// across the modal loop it serves.
#include <QTimer>
#include <functional>

#include "platform/classes/Component.h"
#include "platform/ui/Form.h"

template <class TDialog>
class TModalRunner {
public:
    TModalRunner(TComponent* owner, std::function<void(TDialog&)> act)
        : FOwner(owner), FAct(std::move(act)) {
        QObject::connect(&FTimer, &QTimer::timeout, [this] { Poll(); });
        FTimer.start(0);
    }
    bool Ran() const { return FRan; }

private:
    void Poll() {
        for (int i = 0; i < FOwner->ComponentCount(); ++i) {
            auto* dialog = dynamic_cast<TDialog*>(FOwner->Components(i));
            if (!dialog || !dialog->Visible()) continue;
            FTimer.stop();
            FRan = true;
            FAct(*dialog);
            return;
        }
    }
    TComponent* FOwner;
    std::function<void(TDialog&)> FAct;
    QTimer FTimer;
    bool FRan = false;
};
