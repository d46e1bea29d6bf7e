#pragma once
// A picture of pixels in memory with a canvas of its own. New pixels are white. The pixel
// format says how rows are laid out for ScanLine: pf24bit rows are 3 bytes per pixel in the
// order blue, green, red; pf32bit and pfDevice rows are 4 bytes (blue, green, red, unused).
// Other formats are kept for the file writers and hold their pixels 4 bytes wide; pf1bit turns
// every pixel black or white.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Graphic.h"

class QImage;

enum TPixelFormat {
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit,
    pfCustom
};
enum TTransparentMode { tmAuto, tmFixed };

struct TRGBTriple {
    uint8_t rgbtBlue;
    uint8_t rgbtGreen;
    uint8_t rgbtRed;
};

class TBitmap;
// The stream form of a bitmap comes from the picture formats, which install it here.
using TBitmapStreamProc = void (*)(TBitmap& bitmap, TStream& stream);
// Reads the size a stream's headers declare (TGraphic::DeclaredSize).
using TBitmapSizeProc = std::optional<TSize> (*)(TStream& stream);
void SetBitmapStreamFormat(TBitmapStreamProc load, TBitmapStreamProc save,
                           TBitmapSizeProc declaredSize);

inline constexpr const char* SInvalidBitmap = "Bitmap image is not valid";
inline constexpr const char* SScanLine = "Scan line index out of range";
inline constexpr const char* SOutOfMemory = "Out of memory";

class TBitmap : public TGraphic {
    KV_DECLARE_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;

    bool Empty() const override;
    int Width() const override;
    void SetWidth(int value) override;
    int Height() const override;
    void SetHeight(int value) override;
    // Keeps the pixels that stay inside; new ones are white. A size whose pixels cannot be
    // had raises EOutOfMemory "Out of memory" and leaves the bitmap as it was.
    void SetSize(int width, int height);

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat value);
    // The first byte of row y (0 at the top), laid out by PixelFormat. ERangeError "Scan line
    // index out of range" outside 0..Height-1.
    uint8_t* ScanLine(int y);
    const uint8_t* ScanLine(int y) const;

    // The colour table of a 1-, 4- or 8-bit bitmap, entries 0x00RRGGBB, so that a paletted
    // picture keeps its indices: a pixel's index is the first entry of its colour. Empty for
    // other formats and when none was given; a change to another format drops it.
    const std::vector<uint32_t>& ColorTable() const;
    void SetColorTable(std::vector<uint32_t> table);

    // The colour drawn see-through when Transparent: in tmAuto the bottom-left pixel's colour.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value);

    TCanvas* Canvas();

    // From another bitmap: a deep copy of pixels and settings.
    void Assign(const TPersistent* source) override;
    // Through the installed stream format; without one, loading raises EInvalidGraphic
    // "Bitmap image is not valid" and saving EInvalidGraphicOperation.
    void LoadFromStream(TStream& stream) override;
    std::optional<TSize> DeclaredSize(TStream& stream) override;
    void SaveToStream(TStream& stream) override;

    // The pixels (RGB32 or BGR888) for the drawing layer and the picture formats.
    QImage& Image();
    const QImage& Image() const;
    // Takes the image's pixels (any format); the pixel format becomes pf32bit or pf24bit.
    void SetImage(const QImage& image);

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    class TBitmapCanvas;
    void Resize(int width, int height);

    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
    std::unique_ptr<TBitmapCanvas> FCanvas;
    TPixelFormat FPixelFormat = pfDevice;
    TColor FTransparentColor = clDefault;
    TTransparentMode FTransparentMode = tmAuto;
};
