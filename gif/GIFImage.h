#pragma once
// The GIF picture: header, frames, settings, and the reading and writing of the whole stream.
// This is the codec's headless core; drawing, rendering and the picture-system registration
// build on it.
#include <memory>
#include <string>

#include "gif/GIFEncoder.h"
#include "gif/GIFItem.h"
#include "gif/GIFTypes.h"
#include "platform/classes/Object.h"

class TGIFSubImage;

class TGIFImage : public TObject {
public:
    TGIFImage();
    ~TGIFImage() override;

    TGIFImageList& Images() { return FImages; }
    TGIFHeader& Header() { return FHeader; }
    TGIFGlobalColorMap& GlobalColorMap() { return FHeader.ColorMap(); }

    // Removes every frame and the global table; the logical screen becomes 0 × 0.
    void Clear();
    bool Empty() const { return FImages.Count() == 0; }

    int Width() const { return FHeader.Width(); }
    int Height() const { return FHeader.Height(); }
    // A size below a frame's right (bottom) edge raises and keeps the old one.
    void SetWidth(int value);
    void SetHeight(int value);
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

    // Appends frame (owned from now on); returns its index.
    int Add(std::unique_ptr<TGIFSubImage> frame);
    // A copy of source's header, settings and frames (not its handlers).
    void Assign(const TGIFImage& source);

    // On failure the stream is put back where reading began.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);
    // The file is written only once the whole picture has been encoded.
    void SaveToFile(const std::string& fileName);

    virtual void ReportWarning(TObject* sender, int severity, const std::string& message);
    void Progress(TObject* sender, TGIFProgressStage stage, int percent, bool redraw,
                  const std::string& message);
    // The global table changed: a picture palette made from it is out of date.
    void PaletteChanged() {}

    TGIFWarning OnWarning;
    TGIFProgressEvent OnProgress;

private:
    TGIFImageList FImages;
    TGIFHeader FHeader;
    TGIFCompression FCompression = compressLZW;
};
