#pragma once
// The chart editors' buttons that show a symbol of the value they edit at the right of their
// caption: TTeeButton links to a published property of some object; TButtonColor shows and edits
// a colour with the colour dialog.
#include <functional>
#include <string>

#include "platform/graphics/Colors.h"
#include "platform/ui/Button.h"

class TTeeCanvas3D;
struct TPropInfo;

class TTeeButton : public TButton {
    KV_DECLARE_CLASS(TTeeButton, TButton)
public:
    explicit TTeeButton(TComponent* owner);
    ~TTeeButton() override;

    TObject* LinkedObject() const { return FLinkedObject; }
    const TPropInfo* LinkedProperty() const { return FLinkedProperty; }
    // Links the button to Object's published property PropertyName ("" for none). A null Object
    // clears LinkedObject only: the property link stays, unused until an object comes.
    void LinkToProperty(TObject* Object, const std::string& PropertyName);

    // The symbol's place: right of the caption, half the button's height.
    TRect SymbolRect() const;
    void SetEnabled(bool value) override;

protected:
    // Draws the symbol on a surface over the painted button; nothing here.
    virtual void DrawSymbol(TTeeCanvas3D& Canvas);
    void TextChanged() override;
    TRect OverlayRect() const override { return SymbolRect(); }
    void PaintOverlay(TBitmap& Overlay) override;

private:
    TObject* FLinkedObject = nullptr;
    const TPropInfo* FLinkedProperty = nullptr;
};

class TButtonColor : public TTeeButton {
    KV_DECLARE_CLASS(TButtonColor, TTeeButton)
public:
    explicit TButtonColor(TComponent* owner);
    ~TButtonColor() override;

    // Shown and edited when no property is linked.
    TColor StoredColor() const { return FStoredColor; }
    void SetStoredColor(TColor value) { FStoredColor = value; }
    // When set, the colour shown comes from it.
    std::function<TColor()> ColorQuery;

    // ColorQuery's answer, else the linked property's colour, else StoredColor.
    TColor SymbolColor() const;
    // Writes the linked property, else StoredColor.
    void SetSymbolColor(TColor value);
    // Edits the colour with the colour dialog; a changed colour is stored, shown and then told
    // through OnClick.
    void Click() override;

protected:
    void DrawSymbol(TTeeCanvas3D& Canvas) override;

private:
    bool HasLink() const { return LinkedObject() && LinkedProperty(); }
    TColor FStoredColor = clBlack;
};
