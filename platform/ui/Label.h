#pragma once
// A text label. "&&" shows an ampersand and a single "&" marks the access key: with a
// FocusControl, Alt and that key focus the control (the key is underlined); without one the "&"
// is not shown. With AutoSize (the default) the label takes the size of its text; when it also
// wraps words it keeps its width and takes the height of the wrapped text. A right-justified
// label that sizes itself keeps its right edge. Layout places the text vertically.
// A descendant may paint the label itself (SetSelfPainted, Paint) and size it (AdjustBounds).
#include "platform/ui/Control.h"

class TCanvas;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TControl {
    KV_DECLARE_CLASS(TLabel, TControl)
public:
    explicit TLabel(TComponent* owner);
    ~TLabel() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);

    static void Publish(TPublisher<TLabel>& p);

protected:
    void TextChanged() override;
    void FontChanged() override;
    void Notification(TComponent* component, TOperation operation) override;
    bool ToolkitEvent(QEvent* event) override;

    // While on, the label shows what Paint draws instead of the toolkit's text: on its Color,
    // or, when Transparent, over what lies behind it.
    void SetSelfPainted(bool value);
    bool SelfPainted() const { return FSelfPainted; }
    virtual void Paint(TCanvas& /*canvas*/) {}
    // With AutoSize, makes the label as large as its text.
    virtual void AdjustBounds();

private:
    void ShowText();
    void ApplyAlignment();
    void PaintSelf();
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FAutoSize = true;
    bool FTransparent = false;
    TWinControl* FFocusControl = nullptr;
    bool FSelfPainted = false;
};

const TEnumInfo& AlignmentNames();
const TEnumInfo& TextLayoutNames();

// The text as shown: "&&" becomes "&", a lone "&" goes.
std::string StripAccelChars(const std::string& caption);
