#pragma once
// The font of chart texts: the canvas font starting in the default chart face and size, plus
// spacing between characters and the text effects (outline, shadow, gradient and picture
// fills), each made on first use. A stream holds the face and size only where they differ from
// the default chart font, and the colour and style where they differ from the ones its owner
// starts it in.
#include <memory>

#include "platform/graphics/Font.h"

class TChartPen;
class TChartHiddenPen;
class TTeeShadow;
class TTeeFontGradient;
class TPicture;
class TTeePicture;
class TTeeCanvas;

class TTeeFont : public TFont {
    KV_DECLARE_CLASS(TTeeFont, TFont)
public:
    explicit TTeeFont(TNotifyEvent onChange = nullptr);
    ~TTeeFont() override;

    // The style this font starts in, which a stream then leaves out (a foot title's is italic,
    // so a plain one is written); sets Style too.
    void SetDefaultStyle(TFontStyles value);
    // The same for the colour (black unless the owner says otherwise: a title's is blue, so a
    // black one is written).
    void SetDefaultColor(TColor value);

    // Extra pixels between characters.
    int InterCharSize() const { return FInterCharSize; }
    void SetInterCharSize(int value);

    // Each made on first use, reporting to this font's change handler; setting null frees it,
    // another object is copied in.
    TChartHiddenPen* OutLine() const;
    void SetOutLine(const TChartPen* value);
    TTeeShadow* Shadow() const;
    void SetShadow(const TTeeShadow* value);
    TTeeFontGradient* Gradient() const;
    void SetGradient(const TTeeFontGradient* value);
    // A filtered picture: the glyphs are filled with its filtered graphic.
    TTeePicture* Picture() const;
    void SetPicture(const TPicture* value);
    // Null while never used.
    TChartHiddenPen* OutLineIfAny() const { return FOutLine.get(); }
    TTeeShadow* ShadowIfAny() const { return FShadow.get(); }
    TTeeFontGradient* GradientIfAny() const { return FGradient.get(); }
    TTeePicture* PictureIfAny() const { return FPicture.get(); }

    // The effects (freed where the source has none), the spacing and the canvas font, with one
    // change notice.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TTeeFont>& p);

    // The surface that last selected this font; not owned.
    TTeeCanvas* FontOwnerSurface = nullptr;

private:
    TNotifyEvent Forwarder() const;
    bool IsHeightStored() const;
    bool IsNameStored() const;
    bool IsStyleStored() const;
    bool IsColorStored() const;

    TFontStyles FDefaultStyle;
    TColor FDefaultColor = clBlack;
    int FInterCharSize = 0;
    mutable std::unique_ptr<TChartHiddenPen> FOutLine;
    mutable std::unique_ptr<TTeeShadow> FShadow;
    mutable std::unique_ptr<TTeeFontGradient> FGradient;
    mutable std::unique_ptr<TTeePicture> FPicture;
};
