#include "platform/ui/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner, new QWidget) {
    auto* layout = new QVBoxLayout(Widget());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (TUDBtnType type : {btNext, btPrev}) {
        auto* arrow = new QToolButton;
        arrow->setArrowType(type == btNext ? Qt::UpArrow : Qt::DownArrow);
        arrow->setAutoRepeat(true);
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        arrow->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(arrow);
        QObject::connect(arrow, &QToolButton::clicked, [this, type] { Step(type); });
    }
    Widget()->setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 17, 21);
}

TUpDown::~TUpDown() {
    if (FAssociate) FAssociate->RemoveFreeNotification(this);
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FAssociate) FAssociate = nullptr;
    TWinControl::Notification(component, operation);
}

void TUpDown::SetAssociate(TWinControl* value) {
    if (FAssociate) FAssociate->RemoveFreeNotification(this);
    FAssociate = value;
    if (!value) return;
    value->FreeNotification(this);
    // The arrows take the right end of the edit.
    SetParent(value->Parent());
    value->SetWidth(value->Width() - Width());
    SetBounds(value->Left() + value->Width(), value->Top(), Width(), value->Height());
    value->SetText(std::to_string(FPosition));
}

void TUpDown::SetMin(int value) {
    FMin = value;
    SetPosition(FPosition);
}

void TUpDown::SetMax(int value) {
    FMax = value;
    SetPosition(FPosition);
}

void TUpDown::SetPosition(int value) {
    value = std::clamp(value, std::min(FMin, FMax), std::max(FMin, FMax));
    bool changed = value != FPosition;
    FPosition = value;
    if (FAssociate) FAssociate->SetText(std::to_string(value));
    if (changed && OnChange) Fire([this] { OnChange(this); });
}

void TUpDown::Step(TUDBtnType button) {
    int from = FPosition;
    if (FAssociate) {
        try {
            from = std::stoi(FAssociate->Text());
        } catch (const std::exception&) {
        }
    }
    int to = button == btNext ? from + FIncrement : from - FIncrement;
    if (FWrap && to > FMax) to = FMin;
    if (FWrap && to < FMin) to = FMax;
    SetPosition(to);
    Click();
}
