// Making a frame from a bitmap or from any other picture.
#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

#include "gif/GIFExtension.h"
#include "gif/GIFImage.h"
#include "gif/GIFSubImage.h"
#include "gif/ReduceColors.h"
#include "platform/classes/ClassErrors.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/RtlMath.h"

namespace {

// The bitmap's pixels as rows of (blue, green, red), whatever its pixel format.
TRGBImage RGBImageOf(const TBitmap& source) {
    TBitmap copy;
    copy.Assign(&source);
    copy.SetPixelFormat(pf24bit);
    TRGBImage image;
    image.Width = copy.Width();
    image.Height = copy.Height();
    image.Data.resize(size_t(image.Width) * size_t(image.Height) * 3);
    for (int y = 0; y < image.Height; ++y)
        std::copy_n(copy.ScanLine(y), size_t(image.Width) * 3,
                    image.Data.data() + size_t(y) * size_t(image.Width) * 3);
    return image;
}

// The bitmap formats whose colours always fit a colour table.
bool IsPaletted(TPixelFormat format) {
    return format == pf1bit || format == pf4bit || format == pf8bit;
}

// A paletted bitmap's own table, and every pixel the first entry of its colour, so that the
// frame keeps the bitmap's indices. False (frame untouched) when the bitmap has no table or a
// pixel's colour is not in it, as after drawing on it.
bool ImportIndices(const std::vector<uint32_t>& table, const TRGBImage& rgb, TGIFSubImage& frame) {
    if (table.empty() || table.size() > 256) return false;
    std::unordered_map<uint32_t, uint8_t> first;
    for (size_t i = table.size(); i-- > 0;) first[table[i] & 0xFFFFFF] = uint8_t(i);
    std::vector<uint8_t> indices(rgb.Data.size() / 3);
    const uint8_t* p = rgb.Data.data();
    for (uint8_t& index : indices) {
        const auto found = first.find(uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]);
        if (found == first.end()) return false;
        index = found->second;
        p += 3;
    }
    for (uint32_t entry : table)
        frame.ColorMap().Add(
            GIFColorValue({uint8_t(entry >> 16), uint8_t(entry >> 8), uint8_t(entry)}));
    std::copy(indices.begin(), indices.end(), frame.Data());
    return true;
}

}  // namespace

void TGIFSubImage::AssignBitmap(const TBitmap& source) {
    Clear();
    if (source.Empty()) return;
    SetBounds(Left(), Top(), source.Width(), source.Height());
    const TRGBImage rgb = RGBImageOf(source);
    TGIFImage* image = FImage;
    auto report = [&](TGIFProgressStage stage, int percent) {
        if (image) image->Progress(this, stage, percent, false, sProgressConverting);
    };
    report(gpsStarting, 0);
    try {
        const bool reduce =
            !IsPaletted(source.PixelFormat()) && (!image || image->ColorReduction() != reduceNone);
        if (!reduce) {
            if (!IsPaletted(source.PixelFormat()) ||
                !ImportIndices(source.ColorTable(), rgb, *this))
                ImportColors(rgb.Data.data(), rgb.Width, rgb.Height);
        } else {
            const TReducedImage reduced = ReduceColors(rgb, image->ColorReduction(),
                                                       image->DitherMode(), image->ReductionBits());
            if (reduced.Empty()) throw ERangeError(SScanLine);
            FColorMap.ImportPalette(reduced.Palette);
            std::copy(reduced.Pixels.begin(), reduced.Pixels.end(), FData.begin());
        }
        if (source.Transparent()) {
            // The mask comes from the source's colours: a reduction may merge the key colour
            // with others.
            const auto key = uint32_t(ColorToRGB(source.TransparentColor()));
            std::vector<bool> mask(FData.size());
            const uint8_t* p = rgb.Data.data();
            for (size_t i = 0; i < mask.size(); ++i, p += 3)
                mask[i] = (uint32_t(p[2]) | uint32_t(p[1]) << 8 | uint32_t(p[0]) << 16) == key;
            AddMask(mask);
        }
    } catch (...) {
        report(gpsEnding, 0);
        throw;
    }
    report(gpsEnding, 100);
}

void TGIFSubImage::ImportColors(const uint8_t* rgb, int width, int height) {
    // Neighbouring pixels mostly repeat a few colours: a small ring of recent (colour, index)
    // pairs spares most table searches.
    struct TSlot {
        uint32_t Color;
        int Index;
    };
    TSlot cache[8];
    int used = 0, recent = 0;
    const int h = height;
    for (int y = 0; y < height; ++y) {
        if (y % 32 == 0 && FImage)
            FImage->Progress(this, gpsRunning, MulDiv(y, 100, h), false, sProgressConverting);
        const uint8_t* in = rgb + size_t(y) * size_t(width) * 3;
        uint8_t* out = FData.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x, in += 3) {
            const uint32_t color = uint32_t(in[2]) | uint32_t(in[1]) << 8 | uint32_t(in[0]) << 16;
            int index = -1;
            for (int k = 0, slot = recent; k < used; ++k, slot = (slot + 7) % 8) {
                if (cache[slot].Color != color) continue;
                index = cache[slot].Index;
                recent = slot;
                break;
            }
            if (index < 0) {
                index = FColorMap.AddUnique(color);
                recent = used == 0 ? 0 : (recent + 1) % 8;
                cache[recent] = TSlot{color, index};
                used = std::min(used + 1, 8);
            }
            out[x] = uint8_t(index);
        }
    }
}

void TGIFSubImage::AddMask(const std::vector<bool>& mask) {
    FColorMap.Optimize();
    const int count = FColorMap.Count();
    // A full table has no index left for transparency, and an empty one nothing to mask.
    if (count < 1 || count > 255) return;
    const int t = FColorMap.Add(0);
    bool changed = false;
    for (size_t i = 0; i < mask.size(); ++i) {
        if (!mask[i]) continue;
        FData[i] = uint8_t(t);
        changed = true;
    }
    if (!changed) {
        FColorMap.Delete(t);
        return;
    }
    auto gce = std::make_unique<TGIFGraphicControlExtension>(this);
    TGIFGraphicControlExtension* extension = gce.get();
    FExtensions.Add(std::move(gce));
    extension->SetTransparent(true);
    extension->SetTransparentColorIndex(uint8_t(t));
    FreeBitmap();
}

void TGIFSubImage::Assign(const TPersistent* source) {
    if (!source) {
        Clear();
        return;
    }
    if (auto* picture = dynamic_cast<const TPicture*>(source)) {
        Assign(picture->Graphic());
        return;
    }
    auto* graphic = dynamic_cast<const TGraphic*>(source);
    if (!graphic)
        throw EConvertError(
            FormatClassMessage(SAssignError, {source->ClassName(), "TGIFSubImage"}));
    // Drawing a graphic does not change it; the drawing interface is simply not const.
    AssignGraphic(const_cast<TGraphic&>(*graphic));
}

void TGIFSubImage::AssignGraphic(TGraphic& source) {
    if (auto* bitmap = dynamic_cast<TBitmap*>(&source)) {
        AssignBitmap(*bitmap);
        return;
    }
    Clear();
    if (source.Empty()) return;
    // A picture becomes a bitmap by drawing it, or by assigning it when it can say what its
    // pixels are. Metafiles are drawn first (their own assignment may be missing); any other
    // picture is assigned first. Either failure gives the other way its turn.
    TBitmap bitmap;
    const auto byDrawing = [&] {
        bitmap.SetPixelFormat(pf24bit);
        bitmap.SetSize(source.Width(), source.Height());
        bitmap.Canvas()->Draw(0, 0, &source);
    };
    const auto byAssigning = [&] { bitmap.Assign(&source); };
    const auto* icon = dynamic_cast<const TIcon*>(&source);
    const bool drawFirst = icon || dynamic_cast<TMetafile*>(&source);
    try {
        drawFirst ? byDrawing() : byAssigning();
    } catch (const Exception&) {
        drawFirst ? byAssigning() : byDrawing();
    }
    AssignBitmap(bitmap);
    if (icon) {
        // The icon's own mask says which pixels are see-through.
        AddMaskOnly(icon->MaskBitmap());
    } else if (dynamic_cast<TMetafile*>(&source)) {
        // What the drawing leaves uncovered keeps the background: drawn on white and on black,
        // those pixels differ, and the two combined by exclusive or are not black there.
        TBitmap black(source.Width(), source.Height());
        black.SetPixelFormat(pf24bit);
        black.Canvas()->Brush()->SetColor(clBlack);
        black.Canvas()->FillRect(Rect(0, 0, black.Width(), black.Height()));
        black.Canvas()->Draw(0, 0, &source);
        TBitmap white(source.Width(), source.Height());
        white.SetPixelFormat(pf24bit);
        white.Canvas()->Draw(0, 0, &source);
        const TRect all = Rect(0, 0, white.Width(), white.Height());
        white.Canvas()->SetCopyMode(cmSrcInvert);
        white.Canvas()->CopyRect(all, *black.Canvas(), all);
        AddMaskOnly(&white);
    }
}

void TGIFSubImage::AddMaskOnly(const TBitmap* mask) {
    if (!mask || mask->Empty()) return;
    TBitmap copy;
    copy.Assign(mask);
    copy.SetPixelFormat(pf24bit);
    std::vector<bool> transparent(FData.size());
    const int w = std::min(Width(), copy.Width()), h = std::min(Height(), copy.Height());
    for (int y = 0; y < h; ++y) {
        const uint8_t* p = copy.ScanLine(y);
        for (int x = 0; x < w; ++x, p += 3)
            transparent[size_t(y) * size_t(Width()) + size_t(x)] = (p[0] | p[1] | p[2]) != 0;
    }
    AddMask(transparent);
}
