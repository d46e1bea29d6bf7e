#pragma once
// Push buttons with a glyph beside the caption, drawn by our own code (see ButtonPainter.h).
// A Kind other than bkCustom gives the button its caption, modal result, Default or Cancel role
// and glyph; a bkClose button closes its form when clicked. Setting a Glyph makes the kind
// bkCustom and keeps the rest.
#include <memory>

#include "platform/ui/BitBtnKinds.h"
#include "platform/ui/Button.h"
#include "platform/ui/ButtonPainter.h"

class TBitBtn : public TButton {
    KV_DECLARE_CLASS(TBitBtn, TButton)
public:
    explicit TBitBtn(TComponent* owner);
    ~TBitBtn() override;

    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* value);
    // The images side by side in Glyph (1 to 4).
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);

    void Click() override;

    static void Publish(TPublisher<TBitBtn>& p);

protected:
    bool ToolkitEvent(QEvent* event) override;

private:
    void PaintButton();

    TBitBtnKind FKind = bkCustom;
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
};
