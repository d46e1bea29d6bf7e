#pragma once
// Push buttons with a glyph beside the caption, drawn by our own code (see ButtonPainter.h).
// A Kind other than bkCustom gives the button its caption, modal result, Default or Cancel role
// and glyph; a bkClose button closes its form when clicked. Setting a Glyph makes the kind
// bkCustom and keeps the rest.
#include "platform/ui/BitBtnKinds.h"
#include "platform/ui/Button.h"
#include "platform/ui/ButtonGlyph.h"

class TBitBtn : public TButton, public TButtonGlyph {
    KV_DECLARE_CLASS(TBitBtn, TButton)
public:
    explicit TBitBtn(TComponent* owner);
    ~TBitBtn() override;

    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind value);
    // Also makes the kind bkCustom.
    void SetGlyph(const TBitmap* value);

    void Click() override;

    static void Publish(TPublisher<TBitBtn>& p);

protected:
    bool ToolkitEvent(QEvent* event) override;
    void GlyphChanged() override { Invalidate(); }

private:
    void PaintButton();

    TBitBtnKind FKind = bkCustom;
};
