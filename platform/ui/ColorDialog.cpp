#include "platform/ui/ColorDialog.h"

#include "platform/ui/Dialogs.h"

TColorDialog::TColorDialog(TComponent* owner) : TComponent(owner) {}
TColorDialog::~TColorDialog() = default;

std::vector<TColor>& TColorDialog::CustomColors() {
    static std::vector<TColor> colors;
    return colors;
}

bool TColorDialog::Execute() {
    TColor color = FColor;
    if (!DialogService().ExecuteColorDialog(color, CustomColors())) return false;
    FColor = color;
    return true;
}
