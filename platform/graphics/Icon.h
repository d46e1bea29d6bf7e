#pragma once
// An icon picture (.ico): a colour image and a mask of the pixels it leaves see-through, read
// from an icon file's first image. It draws as the platform draws icons: the mask ANDed onto
// the target, then the colours XORed onto it, so that the target shows where the mask is set.
// The bytes it was loaded with are what it saves; its size is the file's own.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/graphics/Graphic.h"

class TBitmap;

inline constexpr const char* SInvalidIcon = "Icon image is not valid";
inline constexpr const char* SChangeIconSize = "Cannot change the size of an icon";

class TIcon : public TGraphic {
    KV_DECLARE_CLASS(TIcon, TGraphic)
public:
    TIcon();
    ~TIcon() override;

    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    // EInvalidGraphicOperation "Cannot change the size of an icon".
    void SetWidth(int value) override;
    void SetHeight(int value) override;

    // Reads the rest of the stream as one icon file; EInvalidGraphic "Icon image is not valid"
    // when it is not one, the icon unchanged.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    // From another icon.
    void Assign(const TPersistent* source) override;

    // 24 bits each, of the icon's size; null for an empty icon. The colours are black where
    // the mask is set; the mask is white there and black elsewhere.
    const TBitmap* ColorBitmap() const { return FColor.get(); }
    const TBitmap* MaskBitmap() const { return FMask.get(); }

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    std::vector<uint8_t> FData;
    std::unique_ptr<TBitmap> FColor;
    std::unique_ptr<TBitmap> FMask;
};
