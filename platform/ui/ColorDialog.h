#pragma once
// The colour dialog as a component; its custom colours are kept for the whole process.
#include <vector>

#include "platform/classes/Component.h"
#include "platform/graphics/Colors.h"

class TColorDialog : public TComponent {
    KV_DECLARE_CLASS(TColorDialog, TComponent)
public:
    explicit TColorDialog(TComponent* owner);
    ~TColorDialog() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    // Shared by every colour dialog of the process, as the user left them.
    static std::vector<TColor>& CustomColors();

    // Shows the dialog at Color; true and the new Color on OK.
    bool Execute();

private:
    TColor FColor = clBlack;
};
