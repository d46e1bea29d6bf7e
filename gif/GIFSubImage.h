#pragma once
// One frame of a GIF picture: the image descriptor, an optional local colour table, one byte per
// pixel and the extensions that precede the image in the stream. This is the frame's data core;
// rendering and drawing build on it.
#include <cstdint>
#include <memory>
#include <vector>

#include "gif/GIFColorMap.h"
#include "gif/GIFItem.h"

class TGIFGraphicControlExtension;

// The image descriptor, 10 bytes as stored (separator included).
struct TImageDescriptor {
    uint8_t Separator = bsImageSeparator;
    uint16_t Left = 0;
    uint16_t Top = 0;
    uint16_t Width = 0;
    uint16_t Height = 0;
    uint8_t PackedFields = 0;
};

class TGIFSubImage : public TGIFItem {
public:
    // The largest frame the codec holds: a hostile descriptor must not ask for gigabytes.
    static constexpr int64_t MaxPixels = int64_t(1) << 28;

    explicit TGIFSubImage(TGIFImage* image);
    ~TGIFSubImage() override;

    // Deep copy: descriptor, pixels, local table, and the extensions through a memory stream.
    void Assign(const TGIFSubImage& source);
    void Clear();
    bool Empty() const;

    TImageDescriptor& ImageDescriptor() { return FImageDescriptor; }
    const TImageDescriptor& ImageDescriptor() const { return FImageDescriptor; }
    int Left() const { return FImageDescriptor.Left; }
    int Top() const { return FImageDescriptor.Top; }
    int Width() const { return FImageDescriptor.Width; }
    int Height() const { return FImageDescriptor.Height; }
    void SetLeft(int value);
    void SetTop(int value);
    void SetWidth(int value);
    void SetHeight(int value);
    // Stores the bounds, reallocates the pixels on a size change and grows the picture's
    // logical screen to hold the frame (with warnings when it was too small).
    void SetBounds(int left, int top, int width, int height);
    bool Interlaced() const { return (FImageDescriptor.PackedFields & 0x40) != 0; }
    void SetInterlaced(bool value);

    uint8_t Pixels(int x, int y);
    void SetPixels(int x, int y, uint8_t value);
    // Row y (Width() bytes).
    uint8_t* Scanline(int y);
    uint8_t* Data() { return FData.empty() ? nullptr : FData.data(); }
    const uint8_t* Data() const { return FData.empty() ? nullptr : FData.data(); }
    int64_t DataSize() const { return int64_t(FData.size()); }

    TGIFLocalColorMap& ColorMap() { return FColorMap; }
    const TGIFLocalColorMap& ColorMap() const { return FColorMap; }
    // The local table when it has entries, else the global one when it has, else the (empty)
    // local table.
    TGIFColorMap& ActiveColorMap();
    int BitsPerPixel() const { return FColorMap.BitsPerPixel(); }

    TGIFExtensionList& Extensions() { return FExtensions; }
    bool Transparent() const { return FTransparent; }
    TGIFGraphicControlExtension* GraphicControlExtension() const { return FGCE; }

    // Removes transparent columns and rows around the frame; a wholly transparent frame empties.
    void Crop();

    TGIFVersion GetVersion() const override;
    // Recomputes the descriptor's packed fields from the local table.
    void Prepare();
    void SaveToStream(TStream& stream) override;
    void LoadFromStream(TStream& stream) override;

    // Called by the frame's graphic control extensions and local table.
    void SetTransparentFlag(bool value) { FTransparent = value; }
    void LinkGraphicControlExtension(TGIFGraphicControlExtension* extension) { FGCE = extension; }
    void PaletteChanged() {}

private:
    void AllocatePixels();
    void Decode(TStream& stream);
    void Compress(TStream& stream);

    std::vector<uint8_t> FData;
    TGIFLocalColorMap FColorMap;
    TImageDescriptor FImageDescriptor;
    TGIFExtensionList FExtensions;
    bool FTransparent = false;
    TGIFGraphicControlExtension* FGCE = nullptr;
};
