#include "gif/GIFImage.h"

#include <algorithm>

#include "gif/GIFPainter.h"
#include "gif/GIFSubImage.h"
#include "gif/GIFThreads.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/Streams.h"

TGIFImage::TGIFImage() : FImages(this), FHeader(this) {
    IsMainThread();  // pictures are made in the main thread: it becomes the main one
    Clear();
}

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
}

void TGIFImage::SetWidth(int value) {
    for (int i = 0; i < FImages.Count(); ++i) {
        const TGIFSubImage* frame = FImages.SubImages(i);
        if (value < frame->Left() + frame->Width()) throw GIFException(sImageWidthTooSmall);
    }
    FHeader.LogicalScreenDescriptor().ScreenWidth = uint16_t(std::clamp(value, 0, 0xFFFF));
    FreeBitmap();
    Changed();
}

void TGIFImage::SetHeight(int value) {
    for (int i = 0; i < FImages.Count(); ++i) {
        const TGIFSubImage* frame = FImages.SubImages(i);
        if (value < frame->Top() + frame->Height()) throw GIFException(sImageHeightTooSmall);
    }
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

void TGIFImage::Assign(const TGIFImage& source) {
    if (&source == this) return;
    Clear();
    FThreadPriority = source.FThreadPriority;
    FDrawBackgroundColor = source.FDrawBackgroundColor;
    FDrawOptions = source.FDrawOptions;
    FColorReduction = source.FColorReduction;
    FDitherMode = source.FDitherMode;
    FForceFrame = source.FForceFrame;
    // The copy reports through the source's handlers while it runs, and keeps none afterwards.
    OnWarning = source.OnWarning;
    OnProgress = source.OnProgress;
    try {
        Progress(this, gpsStarting, 0, false, sProgressCopying);
        FHeader.Assign(const_cast<TGIFImage&>(source).FHeader);
        const int count = source.FImages.Count();
        for (int i = 0; i < count; ++i) {
            auto frame = std::make_unique<TGIFSubImage>(this);
            frame->Assign(*source.FImages.SubImages(i));
            FImages.Add(std::move(frame));
            Progress(this, gpsRunning, MulDiv(i + 1, 100, count), false, sProgressCopying);
        }
        FixScreenSize();
        Progress(this, gpsEnding, 100, false, sProgressCopying);
    } catch (...) {
        Progress(this, gpsEnding, 0, false, sProgressCopying);
        OnWarning = nullptr;
        OnProgress = nullptr;
        throw;
    }
    OnWarning = nullptr;
    OnProgress = nullptr;
    Changed();
}

void TGIFImage::LoadFromStream(TStream& stream) {
    Progress(this, gpsStarting, 0, false, sProgressLoading);
    const int64_t start = stream.Position();
    try {
        Clear();
        FHeader.LoadFromStream(stream);
        FImages.LoadFromStream(stream, this);
        FixScreenSize();
        TGIFTrailer trailer(this);
        trailer.LoadFromStream(stream);
    } catch (...) {
        stream.SetPosition(start);
        Progress(this, gpsEnding, 0, true, sProgressLoading);
        throw;
    }
    Progress(this, gpsEnding, 100, true, sProgressLoading);
    Changed();
}

void TGIFImage::SaveToStream(TStream& stream) {
    Progress(this, gpsStarting, 0, false, sProgressSaving);
    try {
        FHeader.SaveToStream(stream);  // raises for a picture without frames
        const int count = FImages.Count();
        for (int i = 0; i < count; ++i) {
            FImages.SubImages(i)->SaveToStream(stream);
            Progress(this, gpsRunning, MulDiv(i + 1, 100, count), false, sProgressSaving);
        }
        TGIFTrailer trailer(this);
        trailer.SaveToStream(stream);
    } catch (...) {
        Progress(this, gpsEnding, 0, true, sProgressSaving);
        throw;
    }
    Progress(this, gpsEnding, 100, true, sProgressSaving);
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
