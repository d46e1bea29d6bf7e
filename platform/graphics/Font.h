#pragma once
// The font of a canvas. Its size is kept as a height in pixels (negative: the character height
// without internal leading, the usual form); Size in points follows from it through
// PixelsPerInch: Height = -MulDiv(Size, PixelsPerInch, 72).
#include <string>

#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"
#include "platform/classes/Set.h"
#include "platform/graphics/Colors.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
using TFontCharset = uint8_t;

inline constexpr TFontCharset ANSI_CHARSET = 0;
inline constexpr TFontCharset DEFAULT_CHARSET = 1;
inline constexpr TFontCharset SYMBOL_CHARSET = 2;

// The pixels per inch of the screen, fixed so that drawings do not depend on the display.
inline constexpr int ScreenPixelsPerInch = 96;

const TEnumInfo& FontStyleNames();

class TFont : public TPersistent {
    KV_DECLARE_CLASS(TFont, TPersistent)
public:
    TFont();
    ~TFont() override;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& value);
    int Size() const;
    void SetSize(int value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset value);
    // Escapement of the text, in tenths of a degree counter-clockwise.
    int Orientation() const { return FOrientation; }
    void SetOrientation(int value);
    // The resolution Size is measured against; changing it keeps Height.
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int value) { FPixelsPerInch = value; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TFont>& p);

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    std::string FName = "MS Sans Serif";
    int FHeight = -11;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
    TFontCharset FCharset = DEFAULT_CHARSET;
    int FOrientation = 0;
    int FPixelsPerInch = ScreenPixelsPerInch;
};

// The installed family that stands in for a font name: metric-compatible families for the
// common names, the name itself otherwise.
std::string FontFamilyFor(const std::string& name);
// True when that family draws from outlines (TrueType or OpenType), not from bitmaps. Needs the
// toolkit's application object (see FontEngine.h).
bool IsOutlineFont(const TFont& font);
