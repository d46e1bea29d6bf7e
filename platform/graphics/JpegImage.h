#pragma once
// A JPEG picture. It keeps the compressed bytes it was loaded with, so loading and saving again
// changes nothing, next to the decoded bitmap it draws. A picture
// assigned from a bitmap is compressed when it is first saved, at CompressionQuality (1..100,
// 90 by default). Grayscale decodes in greys, and compresses a bitmap as one grey component; a
// grey file loads with Grayscale set.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/graphics/Graphic.h"
#include "platform/graphics/JpegCodec.h"

class TBitmap;

class TJPEGImage : public TGraphic {
    KV_DECLARE_CLASS(TJPEGImage, TGraphic)
public:
    TJPEGImage();
    ~TJPEGImage() override;

    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    // The size is the picture's own; these change nothing.
    void SetWidth(int value) override;
    void SetHeight(int value) override;

    int CompressionQuality() const { return FCompressionQuality; }
    void SetCompressionQuality(int value);
    bool Grayscale() const { return FGrayscale; }
    void SetGrayscale(bool value);

    // Reads the rest of the stream as one JPEG file and decodes it; EJPEG when it is not one or
    // is damaged, the picture unchanged.
    void LoadFromStream(TStream& stream) override;
    // The frame header's size, read by libjpeg without decoding the picture.
    std::optional<TSize> DeclaredSize(TStream& stream) override;
    void SaveToStream(TStream& stream) override;

    // From another JPEG picture (its bytes and settings) or a bitmap (its pixels).
    void Assign(const TPersistent* source) override;
    // Compresses the bitmap a picture was assigned from, now rather than at saving.
    void Compress();
    // The decoded pixels (24 bits); null for an empty picture.
    const TBitmap* Bitmap() const;

protected:
    // Into a bitmap: the decoded pixels.
    void AssignTo(TPersistent* dest) const override;
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    // Forgets the bytes when the bitmap is the source, so that the next save compresses anew.
    void DropCompressed();

    std::vector<uint8_t> FData;
    TJpegInfo FInfo;
    // Decoded from FData, or the source when FData is empty.
    mutable std::unique_ptr<TBitmap> FBitmap;
    int FCompressionQuality = 90;
    bool FGrayscale = false;
    bool FSourceIsBitmap = false;  // FData, when present, was compressed from FBitmap
};
