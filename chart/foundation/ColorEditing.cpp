#include "chart/foundation/ColorEditing.h"

#include "platform/ui/Dialogs.h"

std::vector<TColor>& CustomColorList() {
    static std::vector<TColor> list;
    return list;
}

TColor EditColorWithDialog(TComponent*, TColor Colour) {
    TColor chosen = Colour;
    // The dialog edits a copy, so a cancelled one leaves the kept custom colours alone.
    std::vector<TColor> custom = CustomColorList();
    if (!DialogService().ExecuteColorDialog(chosen, custom)) return Colour;
    CustomColorList() = std::move(custom);
    return chosen;
}

bool EditColorVar(TComponent* Owner, TColor& Colour) {
    const TColor chosen = EditColorWithDialog(Owner, Colour);
    if (chosen == Colour) return false;
    Colour = chosen;
    return true;
}
