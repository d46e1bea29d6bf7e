#pragma once
// One frame of a GIF picture: the image descriptor, an optional local colour table, one byte per
// pixel and the extensions that precede the image in the stream. This is the frame's data core;
// rendering and drawing build on it.
#include <cstdint>
#include <memory>
#include <vector>

#include "gif/GIFColorMap.h"
#include "gif/GIFFrameRenderer.h"
#include "gif/GIFItem.h"
#include "gif/GIFLimits.h"
#include "gif/GIFPalette.h"
#include "platform/graphics/Geometry.h"

class TBitmap;
class TCanvas;
class TGIFGraphicControlExtension;
class TGraphic;
class TPersistent;

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
    // logical screen to hold the frame (with warnings when it was too small). A screen that
    // would exceed GIFMaxScreenPixels is refused, and nothing changes.
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

    // --- Rendering and drawing.
    // The frame's pixels in their colours at 24 bits, rendered on first use with "Rendering..."
    // progress; null for an empty frame or when a progress handler aborted the rendering.
    TBitmap* Bitmap();
    // Forgets the rendered pixels; any change of pixels, size or colours does it.
    void FreeBitmap();
    // Whether drawing transparently leaves some of the target showing: the frame is
    // transparent and its transparent index occurs.
    bool HasMask();
    // The colours the frame renders with: the palette given to it; else the web palette while
    // its picture dithers; else, without a local table, its picture's; else the local table's.
    TGIFPalette Palette();
    // Renders the frame with palette's colours from now on (the rendered bitmap is freed when
    // the palette differs); an empty palette goes back to the tables.
    void SetPalette(const TGIFPalette& palette);
    const TGIFPalette& GivenPalette() const { return FPalette; }
    // Monochrome, 1 where the pixel is transparent: for transparent drawing. Empty when the
    // frame is not transparent or its transparent index does not occur.
    TGIFFrameMask Mask();
    // dest becomes the frame's pixels: 8 bits with the frame's palette as its colour table, so
    // that the indices survive a bitmap and back. An empty frame empties dest.
    void AssignTo(TBitmap& dest);
    // Where the frame lands when its whole picture is stretched into r.
    TRect ScaleRect(const TRect& r) const;
    // The part of the frame inside its picture's logical screen: all of it that is drawn (the
    // screen holds every frame but where the 16-bit screen size ends). The whole frame
    // without a picture.
    TRect DrawnBounds() const;
    // The frame at its place in the picture stretched into r (tiled: the picture repeated at
    // its own size from r's corner); transparent pixels keep the target when transparent.
    void Draw(TCanvas& canvas, const TRect& r, bool transparent, bool tile);
    // The frame stretched into r itself, or repeated as Draw tiles it.
    void StretchDraw(TCanvas& canvas, const TRect& r, bool transparent, bool tile);

    // --- Making a frame from other pictures ("Converting..." progress). A bitmap's colours
    // become the local table: exactly when they fit (1-, 4- and 8-bit bitmaps, or a picture
    // without colour reduction, where more than 256 colours raise "Color table overflow"),
    // otherwise through the picture's colour reduction. A transparent bitmap's transparent
    // colour becomes a transparent index when the table has room for one.
    void AssignBitmap(const TBitmap& source);
    // Any other picture through a bitmap of its size: the picture drawn on white (icons and
    // metafiles first), or assigned (others first); an icon's mask and a metafile's undrawn
    // area become transparent.
    void AssignGraphic(TGraphic& source);
    // Null clears; a picture holder gives its graphic; a bitmap or other picture as above; the
    // platform's conversion error for anything else.
    void Assign(const TPersistent* source);

    TGIFVersion GetVersion() const override;
    // Recomputes the descriptor's packed fields from the local table.
    void Prepare();
    void SaveToStream(TStream& stream) override;
    void LoadFromStream(TStream& stream) override;
    // Reads the frame as one of a picture's: its descriptor is taken from budget before its
    // pixels are allocated.
    void LoadFromStream(TStream& stream, TGIFLoadBudget& budget);

    // Called by the frame's graphic control extensions and local table.
    void SetTransparentFlag(bool value) { FTransparent = value; }
    void LinkGraphicControlExtension(TGIFGraphicControlExtension* extension) { FGCE = extension; }
    void PaletteChanged() { FreeBitmap(); }

private:
    // Raises "Invalid image dimensions" for a frame larger than GIFMaxTotalPixels.
    void AllocatePixels();
    // Indices at or above the active table's size render black (the table is padded with
    // black); the table is widened with black entries to cover them, so that the picture
    // saves as it shows.
    void CoverPixelIndices();
    // Index pixels and local table from 24-bit rows (blue, green, red).
    void ImportColors(const uint8_t* rgb, int width, int height);
    // Pixels whose source colour was the key become a new black entry, when there is room.
    void AddMask(const std::vector<bool>& mask);
    // The same with a mask bitmap of the frame's size: pixels that are not black in it are
    // transparent. Nothing for no bitmap.
    void AddMaskOnly(const TBitmap* mask);
    TBitmap* DrawingBitmap(bool transparent);
    // Entries of the colour table a plain rendering gets: the given palette's, else the
    // active table's (0: all 256).
    int RenderedColorCount();
    void Decode(TStream& stream);
    void Compress(TStream& stream);

    std::vector<uint8_t> FData;
    TGIFPalette FPalette;  // given by SetPalette; empty: the tables'
    TGIFLocalColorMap FColorMap;
    TImageDescriptor FImageDescriptor;
    TGIFExtensionList FExtensions;
    bool FTransparent = false;
    TGIFGraphicControlExtension* FGCE = nullptr;
    std::unique_ptr<TBitmap> FBitmap;
    // A copy of FBitmap with the transparent pixels keyed out, made for transparent drawing.
    std::unique_ptr<TBitmap> FMaskedBitmap;
    // The transparent index FMaskedBitmap and FHasMask were made for; -1 for none yet.
    int FMaskIndex = -1;
    bool FHasMask = false;
};
