#include "platform/ui/FontDialog.h"

#include "platform/graphics/Font.h"
#include "platform/ui/Dialogs.h"

TFontDialog::TFontDialog(TComponent* owner) : TComponent(owner), FFont(std::make_unique<TFont>()) {}
TFontDialog::~TFontDialog() = default;

void TFontDialog::SetFont(const TFont* value) { FFont->Assign(value); }

bool TFontDialog::Execute() {
    TFont choice;
    choice.Assign(FFont.get());
    if (!DialogService().ExecuteFontDialog(choice)) return false;
    FFont->Assign(&choice);
    return true;
}
