#pragma once
// A text label. "&&" shows an ampersand and a single "&" marks the access key (not shown).
// With AutoSize (the default) the label takes the size of its text unless it wraps words.
#include "platform/ui/Control.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TControl {
    KV_DECLARE_CLASS(TLabel, TControl)
public:
    explicit TLabel(TComponent* owner);
    ~TLabel() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

protected:
    void TextChanged() override;
    void FontChanged() override;

private:
    void AdjustSize();
    TAlignment FAlignment = taLeftJustify;
    bool FWordWrap = false;
    bool FAutoSize = true;
    bool FTransparent = false;
};

// The text as shown: "&&" becomes "&", a lone "&" goes.
std::string StripAccelChars(const std::string& caption);
