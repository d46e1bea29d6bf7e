#pragma once
// The font dialog as a component: Execute shows it on a copy of Font and, on OK, the choice
// becomes Font.
#include <memory>

#include "platform/classes/Component.h"

class TFont;

class TFontDialog : public TComponent {
    KV_DECLARE_CLASS(TFontDialog, TComponent)
public:
    explicit TFontDialog(TComponent* owner);
    ~TFontDialog() override;

    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value);

    bool Execute();

private:
    std::unique_ptr<TFont> FFont;
};
