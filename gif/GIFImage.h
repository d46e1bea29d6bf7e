#pragma once
// The GIF picture: header, frames, settings, the reading and writing of the whole stream, and
// the picture-system side (drawing, conversion to and from other pictures, the rendered bitmap).
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "gif/GIFEncoder.h"
#include "gif/GIFItem.h"
#include "gif/GIFPalette.h"
#include "gif/GIFTypes.h"
#include "gif/ReduceColors.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Graphic.h"

class TBitmap;
class TGIFPainter;
class TGIFSubImage;

using TGIFPainterEvent = std::function<void(TGIFPainter* sender)>;

// How the picture draws. The set holds 1 << option for each option.
enum TGIFDrawOption {
    drawAsync = 0,
    drawTransparent = 1,
    drawAnimate = 2,
    drawLoop = 3,
    drawLoopForever = 4,
    drawValidateCanvas = 5,
    drawDirect = 6,
    drawClearOnLoop = 7,
    drawTile = 8,
    drawDither = 9,
    drawAutoDither = 10
};
using TGIFDrawOptions = uint16_t;
constexpr TGIFDrawOptions GIFDrawFlag(TGIFDrawOption option) {
    return TGIFDrawOptions(1u << option);
}
// drawAsync, drawTransparent, drawAnimate, drawLoop, drawClearOnLoop, drawDither, drawAutoDither.
inline constexpr TGIFDrawOptions GIFDefaultDrawOptions = 0x068F;

// What Optimize does: crop frames to their opaque part, merge pixels that repeat the frame
// beneath into transparent ones, clean up what does not affect display, sort colour tables.
// The set holds 1 << option for each option.
enum TGIFOptimizeOption {
    optimizeCrop = 0,
    optimizeMerge = 1,
    optimizeCleanup = 2,
    optimizeColorTables = 3,
    optimizeReduceColors = 4
};
using TGIFOptimizeOptions = uint8_t;
constexpr TGIFOptimizeOptions GIFOptimizeFlag(TGIFOptimizeOption option) {
    return TGIFOptimizeOptions(1u << option);
}
inline constexpr TGIFOptimizeOptions GIFAllOptimizations = 0x1F;

// Whether the display shows at most 256 colours at once; dithering then follows drawAutoDither.
bool PalettedDisplay();
void SetPalettedDisplay(bool value);
// Whether every frame is rendered as soon as it is read (off by default).
bool RenderOnLoad();
void SetRenderOnLoad(bool value);
// Whether a picture kept in a component stream is first optimised with every option and no
// colour reduction (off by default).
bool OptimizeOnStreaming();
void SetOptimizeOnStreaming(bool value);

class TGIFImage : public TGraphic {
    KV_DECLARE_CLASS(TGIFImage, TGraphic)
public:
    TGIFImage();
    ~TGIFImage() override;

    TGIFImageList& Images() { return FImages; }
    TGIFHeader& Header() { return FHeader; }
    TGIFGlobalColorMap& GlobalColorMap() { return FHeader.ColorMap(); }

    // Removes every frame, the global table and a palette given; the screen becomes 0 × 0.
    void Clear();
    bool Empty() const override { return FImages.Count() == 0; }

    int Width() const override { return FHeader.Width(); }
    int Height() const override { return FHeader.Height(); }
    // A size below a frame's right (bottom) edge, or one that makes the screen exceed
    // GIFMaxScreenPixels, raises and keeps the old one.
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    // Grows the logical screen to hold every frame.
    void FixScreenSize();

    // The highest bits per pixel of the global and every local table.
    int BitsPerPixel() const;
    int ColorResolution() const { return BitsPerPixel() - 1; }
    // 89a when the header or any frame needs it, 87a otherwise; unknown without frames.
    TGIFVersion Version() const;
    uint32_t BackgroundColor() { return FHeader.BackgroundColor(); }

    TGIFCompression Compression() const { return FCompression; }
    void SetCompression(TGIFCompression value) { FCompression = value; }

    // --- Drawing and conversion settings.
    TGIFDrawOptions DrawOptions() const { return FDrawOptions; }
    // Frames render again when dithering changes.
    void SetDrawOptions(TGIFDrawOptions value);
    bool HasDrawOption(TGIFDrawOption option) const { return FDrawOptions & GIFDrawFlag(option); }
    // The reduction applied when a frame is made from a picture of more than 256 colours.
    uint8_t ColorReduction() const { return FColorReduction; }
    void SetColorReduction(uint8_t value) { FColorReduction = value; }
    int ReductionBits() const { return FReductionBits; }
    void SetReductionBits(int value) { FReductionBits = value; }
    uint8_t DitherMode() const { return FDitherMode; }
    void SetDitherMode(uint8_t value) { FDitherMode = value; }
    // The priority of the threads of asynchronous painters (a TThreadPriority).
    int ThreadPriority() const { return FThreadPriority; }
    void SetThreadPriority(int value) { FThreadPriority = value; }
    int AnimationSpeed() const { return FAnimationSpeed; }
    void SetAnimationSpeed(int value) { FAnimationSpeed = value; }
    // The frame drawn when not animating; an index outside the frames draws the first.
    int ForceFrame() const { return FForceFrame; }
    void SetForceFrame(int value) { FForceFrame = value; }
    TColor DrawBackgroundColor() const { return FDrawBackgroundColor; }
    void SetDrawBackgroundColor(TColor value) { FDrawBackgroundColor = value; }
    // drawDither is set, and drawAutoDither is clear or the display is paletted.
    bool DoDither() const;

    // The picture's colours: the global table's, else the first frame's. A picture without any
    // colour table raises "No global or local color table defined".
    TGIFPalette Palette();
    // Renders with palette's colours from now on (an empty one goes back to the tables); a
    // different palette frees the rendered bitmap and tells the owner.
    void SetPalette(const TGIFPalette& palette);

    // Appends frame (owned from now on); returns its index.
    int Add(std::unique_ptr<TGIFSubImage> frame);
    // A new frame made from graphic; returns its index. The frame is dropped if that fails.
    int Add(TGraphic& graphic);
    // A copy of source's header, frames and settings other than ReductionBits, Compression
    // and AnimationSpeed; the copy keeps no handlers.
    void Assign(const TGIFImage& source);
    // Null clears; a GIF picture is copied; a picture holder gives its graphic; any other
    // picture becomes the only frame. EConvertError for what is no picture.
    void Assign(const TPersistent* source) override;

    // The whole picture at its size: frame 0's pixels when it covers the picture, else
    // frame 0 drawn into a white bitmap of the picture's size. Null for an empty picture.
    // Owned by the picture; its changes are the picture's.
    TBitmap* Bitmap();
    // A bitmap of the picture's size when there is none yet.
    TBitmap* NewBitmap();
    void FreeBitmap();

    // On failure the stream is put back where reading began.
    void LoadFromStream(TStream& stream) override;
    // The logical screen grown by every frame's bounds, read without decoding (GIFScreenSize.h).
    std::optional<TSize> DeclaredSize(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    // Optimize first when OptimizeOnStreaming is on; then the stream form.
    void WriteData(TStream& stream) override;

    // Clipboard data: the whole GIF file under the format "GIF Image"; a bitmap file under the
    // bitmap format loads too. Loading data of another format raises "Unsupported clipboard
    // format"; an empty picture saves nothing (false).
    void LoadFromClipboardFormat(const std::string& format, TStream& data);
    bool SaveToClipboardFormat(std::string& format, TStream& data);
    // Puts the picture on the clipboard as its GIF file and, for other programs, its Bitmap;
    // raises "Failed to store GIF on clipboard" when the clipboard does not take them. An empty
    // picture empties the clipboard.
    void SaveToClipboard();
    void LoadFromFile(const std::string& fileName);
    // The file is written only once the whole picture has been encoded.
    void SaveToFile(const std::string& fileName);

    virtual void ReportWarning(TObject* sender, int severity, const std::string& message);
    void Progress(TObject* sender, TGIFProgressStage stage, int percent, bool redraw,
                  const std::string& message);
    // The global table changed: every rendering made from it is out of date.
    void PaletteChanged();
    // A frame's rendering went with a palette given to it: the owner is told, to draw again.
    void FrameRenderingChanged() { Changed(); }

    // Makes the animation smaller without changing how it looks, with every painter stopped
    // ("Optimizing..." progress). No colour reduction is done, so the call takes no dither
    // mode nor reduction bits; reducePalette with optimizeReduceColors and without
    // optimizeCleanup raises "Invalid reduction method" and leaves the picture unchanged.
    void Optimize(TGIFOptimizeOptions options, uint8_t reduction);

    // --- Animation. Drawing a picture of several frames with drawAnimate starts a painter;
    // with drawAsync it runs in a thread of its own and paints on the picture's Bitmap (or,
    // with drawDirect, on the canvas), and the picture tells its owner through OnChange.
    // A painter for canvas and rect, handed every paint event; null for an empty picture or
    // rect. An asynchronous painter is returned for the caller to start; a synchronous one
    // runs here at once (raising what ended it) and null is returned.
    TGIFPainter* InternalPaint(TCanvas* canvas, const TRect& rect, TGIFDrawOptions options);
    // Stops every painter and waits for them, running the main thread's calls meanwhile.
    void PaintStop();
    // Stops the painter Draw started.
    void StopDraw();
    TGIFPainter* DrawPainter() const { return FDrawPainter; }
    // Painters still alive (stopped ones may not have ended yet).
    int PainterCount();

    TGIFWarning OnWarning;
    TGIFProgressEvent OnProgress;
    TGIFPainterEvent OnStartPaint;
    TGIFPainterEvent OnPaint;
    TGIFPainterEvent OnAfterPaint;
    TGIFPainterEvent OnLoop;
    TGIFPainterEvent OnEndPaint;

protected:
    // Into a bitmap: Bitmap(). Other targets go to the base.
    void AssignTo(TPersistent* dest) const override;
    // The frame ForceFrame names (else frame 0) at its place in rect, transparent and tiled
    // as the draw options say; nothing while a draw of this picture is running.
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    // Frees the painters whose threads have ended.
    void ReapPainters();
    // bitmap into rect: stretched, or at the picture's size in tiles with drawTile.
    void DrawTiled(TCanvas& canvas, const TRect& rect, TBitmap& bitmap);

    TGIFImageList FImages;
    TGIFHeader FHeader;
    TGIFCompression FCompression = compressLZW;
    TGIFDrawOptions FDrawOptions = GIFDefaultDrawOptions;
    uint8_t FColorReduction = reduceWebPalette;
    int FReductionBits = 8;
    uint8_t FDitherMode = ditherNearest;
    int FThreadPriority = 3;  // tpNormal
    int FAnimationSpeed = 100;
    int FForceFrame = -1;
    TColor FDrawBackgroundColor = clNone;
    std::unique_ptr<TBitmap> FBitmap;
    TGIFPalette FPalette;  // given by SetPalette
    bool FDrawing = false;
    bool FInsidePalette = false;
    // Draw holds it and stops painters, which take it again.
    std::recursive_mutex FPainterLock;
    std::vector<std::unique_ptr<TGIFPainter>> FPainters;
    TGIFPainter* FDrawPainter = nullptr;
};
