#include "gif/GIFImage.h"

#include <algorithm>

#include "gif/GIFLimits.h"
#include "gif/GIFPainter.h"
#include "gif/GIFProgressRun.h"
#include "gif/GIFScreenSize.h"
#include "gif/GIFSubImage.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/Streams.h"

TGIFImage::TGIFImage() : FImages(this), FHeader(this) { Clear(); }

TGIFImage::~TGIFImage() {
    PaintStop();
    FImages.Clear();
}

void TGIFImage::Clear() {
    PaintStop();
    FImages.Clear();
    FHeader.ColorMap().Clear();
    FHeader.LogicalScreenDescriptor().ScreenWidth = 0;
    FHeader.LogicalScreenDescriptor().ScreenHeight = 0;
    FHeader.Prepare();
    FPalette.clear();
}

void TGIFImage::SetWidth(int value) {
    for (int i = 0; i < FImages.Count(); ++i) {
        const TGIFSubImage* frame = FImages.SubImages(i);
        if (value < frame->Left() + frame->Width()) throw GIFException(sImageWidthTooSmall);
    }
    CheckGIFScreenSize(std::clamp(value, 0, 0xFFFF), Height());
    FHeader.LogicalScreenDescriptor().ScreenWidth = uint16_t(std::clamp(value, 0, 0xFFFF));
    FreeBitmap();
    Changed();
}

void TGIFImage::SetHeight(int value) {
    for (int i = 0; i < FImages.Count(); ++i) {
        const TGIFSubImage* frame = FImages.SubImages(i);
        if (value < frame->Top() + frame->Height()) throw GIFException(sImageHeightTooSmall);
    }
    CheckGIFScreenSize(Width(), std::clamp(value, 0, 0xFFFF));
    FHeader.LogicalScreenDescriptor().ScreenHeight = uint16_t(std::clamp(value, 0, 0xFFFF));
    FreeBitmap();
    Changed();
}

void TGIFImage::FixScreenSize() {
    TLogicalScreenDescriptor& screen = FHeader.LogicalScreenDescriptor();
    int w = screen.ScreenWidth, h = screen.ScreenHeight;
    for (int i = 0; i < FImages.Count(); ++i) {
        const TGIFSubImage* frame = FImages.SubImages(i);
        w = std::max(w, frame->Left() + frame->Width());
        h = std::max(h, frame->Top() + frame->Height());
    }
    // The screen size is a 16-bit field.
    screen.ScreenWidth = uint16_t(std::min(w, 0xFFFF));
    screen.ScreenHeight = uint16_t(std::min(h, 0xFFFF));
}

int TGIFImage::BitsPerPixel() const {
    int bits = FHeader.BitsPerPixel();
    for (int i = 0; i < FImages.Count(); ++i)
        bits = std::max(bits, FImages.SubImages(i)->BitsPerPixel());
    return bits;
}

TGIFVersion TGIFImage::Version() const {
    if (FImages.Count() == 0) return GIFVersionUnknown;
    TGIFVersion version = FHeader.GetVersion();
    for (int i = 0; i < FImages.Count() && version != GIFVersion89a; ++i)
        version = std::max(version, FImages.SubImages(i)->GetVersion());
    return version;
}

int TGIFImage::Add(std::unique_ptr<TGIFSubImage> frame) {
    if (!frame) throw GIFException(sUnsupportedObject);
    const int index = FImages.Add(std::move(frame));
    FreeBitmap();
    Changed();
    return index;
}

void TGIFImage::PaletteChanged() {
    FBitmap.reset();
    for (int i = 0; i < FImages.Count(); ++i) FImages.SubImages(i)->FreeBitmap();
}

namespace {

// Puts a stream back where it was unless Keep is called.
class TStreamPositionRestore {
public:
    explicit TStreamPositionRestore(TStream& stream) : FStream(stream), FStart(stream.Position()) {}
    TStreamPositionRestore(const TStreamPositionRestore&) = delete;
    TStreamPositionRestore& operator=(const TStreamPositionRestore&) = delete;
    ~TStreamPositionRestore() {
        if (!FKept) FStream.SetPosition(FStart);
    }
    int64_t Start() const { return FStart; }
    void Keep() { FKept = true; }

private:
    TStream& FStream;
    int64_t FStart;
    bool FKept = false;
};

// Lends a source picture's handlers to its copy while the copy runs.
class TBorrowedHandlers {
public:
    TBorrowedHandlers(TGIFImage& copy, const TGIFImage& source) : FCopy(copy) {
        FCopy.OnWarning = source.OnWarning;
        FCopy.OnProgress = source.OnProgress;
    }
    TBorrowedHandlers(const TBorrowedHandlers&) = delete;
    TBorrowedHandlers& operator=(const TBorrowedHandlers&) = delete;
    ~TBorrowedHandlers() {
        FCopy.OnWarning = nullptr;
        FCopy.OnProgress = nullptr;
    }

private:
    TGIFImage& FCopy;
};

}  // namespace

void TGIFImage::Assign(const TGIFImage& source) {
    if (&source == this) return;
    Clear();
    FThreadPriority = source.FThreadPriority;
    FDrawBackgroundColor = source.FDrawBackgroundColor;
    FDrawOptions = source.FDrawOptions;
    FColorReduction = source.FColorReduction;
    FDitherMode = source.FDitherMode;
    FForceFrame = source.FForceFrame;
    {
        // The copy reports through the source's handlers while it runs, and keeps none
        // afterwards.
        TBorrowedHandlers handlers(*this, source);
        TGIFProgressRun progress(*this, sProgressCopying, false);
        FHeader.Assign(source.FHeader);
        const int count = source.FImages.Count();
        for (int i = 0; i < count; ++i) {
            auto frame = std::make_unique<TGIFSubImage>(this);
            frame->Assign(*source.FImages.SubImages(i));
            FImages.Add(std::move(frame));
            progress.Running(MulDiv(i + 1, 100, count));
        }
        FixScreenSize();
        progress.Finish();
    }
    Changed();
}

void TGIFImage::LoadFromStream(TStream& stream) {
    TGIFProgressRun progress(*this, sProgressLoading, true);
    TStreamPositionRestore restore(stream);
    try {
        Clear();
        FHeader.LoadFromStream(stream);
        FImages.LoadFromStream(stream, this);
        FixScreenSize();
        TGIFTrailer trailer(this);
        trailer.LoadFromStream(stream);
    } catch (GIFException& e) {
        e.SetOffset(stream.Position() - restore.Start());
        throw;
    }
    restore.Keep();
    progress.Finish();
    Changed();
}

std::optional<TSize> TGIFImage::DeclaredSize(TStream& stream) { return ReadGIFScreenSize(stream); }

void TGIFImage::SaveToStream(TStream& stream) {
    TGIFProgressRun progress(*this, sProgressSaving, true);
    FHeader.SaveToStream(stream);  // raises for a picture without frames
    const int count = FImages.Count();
    for (int i = 0; i < count; ++i) {
        FImages.SubImages(i)->SaveToStream(stream);
        progress.Running(MulDiv(i + 1, 100, count));
    }
    TGIFTrailer trailer(this);
    trailer.SaveToStream(stream);
    progress.Finish();
}

void TGIFImage::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TGIFImage::SaveToFile(const std::string& fileName) {
    TMemoryStream memory;
    SaveToStream(memory);
    TFileStream file(fileName, fmCreate);
    memory.SaveToStream(file);
    file.Flush();
}

void TGIFImage::ReportWarning(TObject* sender, int severity, const std::string& message) {
    if (OnWarning) OnWarning(sender, severity, message);
}

void TGIFImage::Progress(TObject* sender, TGIFProgressStage stage, int percent, bool redraw,
                         const std::string& message) {
    if (OnProgress) OnProgress(sender, stage, percent, redraw, message);
}
