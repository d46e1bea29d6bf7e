// Frame optimisation: smaller animations that look the same under the painter's rules.
#include <algorithm>
#include <mutex>

#include "gif/GIFAppExtension.h"
#include "gif/GIFExtension.h"
#include "gif/GIFImage.h"
#include "gif/GIFProgressRun.h"
#include "gif/GIFSubImage.h"
#include "platform/rtl/RtlMath.h"

namespace {

constexpr uint8_t kDisposeBackground = 2;
constexpr uint8_t kDisposePrevious = 3;

int DisposalOf(const TGIFSubImage& frame) {
    const TGIFGraphicControlExtension* gce = frame.GraphicControlExtension();
    return gce ? gce->Disposal() : 0;
}

bool Contains(const TGIFSubImage& frame, uint8_t index) {
    return std::find(frame.Data(), frame.Data() + frame.DataSize(), index) !=
           frame.Data() + frame.DataSize();
}

TRect BoundsOf(const TGIFSubImage& f) {
    return TRect{f.Left(), f.Top(), f.Left() + f.Width(), f.Top() + f.Height()};
}

TRect Intersection(const TRect& a, const TRect& b) {
    return TRect{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                 std::min(a.Bottom, b.Bottom)};
}

bool Inside(const TRect& a, const TRect& b) {
    return a.Left >= b.Left && a.Top >= b.Top && a.Right <= b.Right && a.Bottom <= b.Bottom;
}

TGIFGraphicControlExtension& EnsureGCE(TGIFSubImage& frame) {
    if (!frame.GraphicControlExtension())
        frame.Extensions().Add(std::make_unique<TGIFGraphicControlExtension>(&frame));
    return *frame.GraphicControlExtension();
}

bool CanMakeTransparent(TGIFImage& image, TGIFSubImage& frame) {
    if (frame.ColorMap().Count() > 0) return frame.ColorMap().Count() < 256;
    const int global = image.GlobalColorMap().Count();
    return global >= 1 && global <= 255;
}

// A transparent index for frame: another global-table frame's, when this frame has no pixel
// of that value (else its own pixels would turn see-through), or a new black entry.
int TakeTransparentIndex(TGIFImage& image, TGIFSubImage& frame) {
    if (frame.ColorMap().Count() == 0) {
        for (int i = 0; i < image.Images().Count(); ++i) {
            TGIFSubImage* other = image.Images().SubImages(i);
            if (other == &frame || other->ColorMap().Count() > 0 || !other->Transparent() ||
                !other->GraphicControlExtension())
                continue;
            const uint8_t t = other->GraphicControlExtension()->TransparentColorIndex();
            if (!Contains(frame, t)) return t;
        }
    }
    TGIFColorMap& map = frame.ColorMap().Count() > 0 ? static_cast<TGIFColorMap&>(frame.ColorMap())
                                                     : image.GlobalColorMap();
    return map.Add(0);
}

// Pixels of frame that show what below shows there become transparent.
void MergeWithBelow(TGIFImage& image, TGIFSubImage& frame, TGIFSubImage& below) {
    if (frame.Empty() || below.Empty()) return;
    const int belowDisposal = DisposalOf(below);
    if (belowDisposal == kDisposeBackground || belowDisposal == kDisposePrevious) return;
    const TRect r = Intersection(BoundsOf(frame), BoundsOf(below));
    if (r.IsEmpty()) return;
    const bool wasTransparent = frame.Transparent() && frame.GraphicControlExtension();
    int t = wasTransparent ? frame.GraphicControlExtension()->TransparentColorIndex() : -1;
    if (!wasTransparent && !CanMakeTransparent(image, frame)) return;
    const int belowT = below.Transparent() && below.GraphicControlExtension()
                           ? below.GraphicControlExtension()->TransparentColorIndex()
                           : -1;
    TGIFColorMap& frameMap = frame.ActiveColorMap();
    TGIFColorMap& belowMap = below.ActiveColorMap();
    for (int y = r.Top; y < r.Bottom; ++y) {
        uint8_t* row = frame.Data() + size_t(y - frame.Top()) * size_t(frame.Width());
        const uint8_t* under = below.Data() + size_t(y - below.Top()) * size_t(below.Width());
        for (int x = r.Left; x < r.Right; ++x) {
            uint8_t& p = row[x - frame.Left()];
            const uint8_t b = under[x - below.Left()];
            if (p == t || b == belowT) continue;
            const bool same = (&frameMap == &belowMap && p == b) ||
                              (p < frameMap.Count() && b < belowMap.Count() &&
                               frameMap.Entry(p) == belowMap.Entry(b));
            if (!same) continue;
            if (t < 0) t = TakeTransparentIndex(image, frame);
            p = uint8_t(t);
        }
    }
    if (!wasTransparent && t >= 0) {
        TGIFGraphicControlExtension& gce = EnsureGCE(frame);
        gce.SetTransparent(true);
        gce.SetTransparentColorIndex(uint8_t(t));
    }
    frame.FreeBitmap();
}

bool HoldsApplicationData(TGIFSubImage& frame) {
    for (int i = 0; i < frame.Extensions().Count(); ++i)
        if (dynamic_cast<TGIFApplicationExtension*>(frame.Extensions().Items(i))) return true;
    return false;
}

// The optimisation's progress: one step per frame in each of up to six passes.
class TOptimizeSteps {
public:
    TOptimizeSteps(TGIFImage& image, TGIFProgressRun& progress)
        : FProgress(progress), FTotal(6 * image.Images().Count()) {}
    void Step() { FProgress.Running(MulDiv(++FDone, 100, FTotal)); }

private:
    TGIFProgressRun& FProgress;
    int FTotal;
    int FDone = 0;
};

void SortColorTables(TGIFImage& image, TOptimizeSteps& steps) {
    if (image.GlobalColorMap().Count() > 0) image.GlobalColorMap().Optimize();
    TGIFImageList& frames = image.Images();
    for (int i = 0; i < frames.Count(); ++i) {
        TGIFLocalColorMap& local = frames.SubImages(i)->ColorMap();
        if (local.Count() > 0) local.Optimize();
        steps.Step();
    }
}

// A transparent frame none of whose pixels has its transparent index is opaque.
void DropUnusedTransparency(TGIFImage& image, TOptimizeSteps& steps) {
    TGIFImageList& frames = image.Images();
    for (int i = 0; i < frames.Count(); ++i) {
        TGIFSubImage& f = *frames.SubImages(i);
        TGIFGraphicControlExtension* gce = f.GraphicControlExtension();
        if (f.Transparent() && gce && (f.Empty() || !Contains(f, gce->TransparentColorIndex())))
            gce->SetTransparent(false);
        steps.Step();
    }
}

// A frame restored or cleared after it shows needs no disposal when the next, opaque, frame
// covers it. A next frame disposed to the previous state brings this one back, so its own
// disposal still matters then.
void DropCoveredDisposals(TGIFImage& image) {
    TGIFImageList& frames = image.Images();
    for (int i = 0; i + 1 < frames.Count(); ++i) {
        TGIFSubImage &f = *frames.SubImages(i), &next = *frames.SubImages(i + 1);
        const int disposal = DisposalOf(f);
        if ((disposal != kDisposeBackground && disposal != kDisposePrevious) ||
            next.Transparent() || DisposalOf(next) == kDisposePrevious)
            continue;
        if (!Intersection(BoundsOf(f), BoundsOf(next)).IsEmpty() &&
            Inside(BoundsOf(f), BoundsOf(next)))
            f.GraphicControlExtension()->SetDisposal(0);
    }
}

// Each frame, from the last down to the second, against the frame that shows beneath it: the
// previous one, passing over frames disposed to the previous state.
void MergeRepeatedPixels(TGIFImage& image, TOptimizeSteps& steps) {
    TGIFImageList& frames = image.Images();
    for (int i = frames.Count() - 1; i >= 1; --i) {
        int j = i - 1;
        while (j > 0 && DisposalOf(*frames.SubImages(j)) == kDisposePrevious) --j;
        MergeWithBelow(image, *frames.SubImages(i), *frames.SubImages(j));
        steps.Step();
    }
}

// Crops frame i to its opaque part; a frame that becomes empty goes, and the time it was
// shown stays with the frame before it.
void CropFrame(TGIFImageList& frames, int i) {
    TGIFSubImage& f = *frames.SubImages(i);
    // Cropping a frame disposed to the background would shrink the area cleared after it.
    if (f.Empty() || !f.Transparent() || DisposalOf(f) == kDisposeBackground) return;
    const TGIFGraphicControlExtension* gce = f.GraphicControlExtension();
    const int delay = gce ? gce->Delay() : 0;
    if (HoldsApplicationData(f) && gce) {
        // Cropping it away would take the loop count and application data along.
        const uint8_t t = gce->TransparentColorIndex();
        if (std::all_of(f.Data(), f.Data() + f.DataSize(), [t](uint8_t p) { return p == t; }))
            return;
    }
    f.Crop();
    if (!f.Empty()) return;
    if (i > 0 && delay > 0) {
        TGIFGraphicControlExtension& previous = EnsureGCE(*frames.SubImages(i - 1));
        previous.SetDelay(uint16_t(std::min(previous.Delay() + delay, 0xFFFF)));
    }
    frames.Delete(i);
}

void CropFrames(TGIFImage& image, TOptimizeSteps& steps) {
    TGIFImageList& frames = image.Images();
    for (int i = frames.Count() - 1; i >= 0; --i) {
        steps.Step();
        CropFrame(frames, i);
    }
}

// Drops from frame i the extensions that do not change what is shown: comments, plain text,
// unknown application data, a loop count anywhere but on the first of several frames, and a
// graphic control extension that asks for nothing. A frame left with neither pixels nor
// extensions goes.
void DropInvisibleExtensions(TGIFImageList& frames, int i) {
    TGIFSubImage& f = *frames.SubImages(i);
    const bool single = frames.Count() == 1;
    TGIFExtensionList& extensions = f.Extensions();
    for (int e = extensions.Count() - 1; e >= 0; --e) {
        TGIFItem* item = extensions.Items(e);
        const bool loop = dynamic_cast<TGIFAppExtNSLoop*>(item) != nullptr;
        if (dynamic_cast<TGIFCommentExtension*>(item) || dynamic_cast<TGIFTextExtension*>(item) ||
            dynamic_cast<TGIFUnknownAppExtension*>(item) || (loop && (i != 0 || single)))
            extensions.Delete(e);
    }
    TGIFGraphicControlExtension* gce = f.GraphicControlExtension();
    if (gce && (gce->Delay() == 0 || single) && !f.Transparent() && !gce->UserInput() &&
        (gce->Disposal() < 2 || single))
        extensions.Delete(extensions.IndexOf(gce));
    if (f.Empty() && extensions.Count() == 0) frames.Delete(i);
}

void DropInvisibleExtensions(TGIFImage& image, TOptimizeSteps& steps) {
    TGIFImageList& frames = image.Images();
    for (int i = frames.Count() - 1; i >= 0; --i) {
        DropInvisibleExtensions(frames, i);
        steps.Step();
    }
}

}  // namespace

void TGIFImage::Optimize(TGIFOptimizeOptions options, uint8_t reduction) {
    if (Empty()) return;
    const auto has = [&](TGIFOptimizeOption o) { return (options & GIFOptimizeFlag(o)) != 0; };
    // The operation reduces no colours: the reduction method only decides this refusal, made
    // before any step changes the picture so that a refused call leaves it as it was.
    if (has(optimizeReduceColors) && reduction == reducePalette && !has(optimizeCleanup))
        throw GIFException(sInvalidReduction);
    PaintStop();
    std::lock_guard lock(FPainterLock);
    TGIFProgressRun progress(*this, sProgressOptimizing, true);
    TOptimizeSteps steps(*this, progress);
    if (has(optimizeColorTables)) SortColorTables(*this, steps);
    if (has(optimizeCleanup)) {
        DropUnusedTransparency(*this, steps);
        DropCoveredDisposals(*this);
    }
    if (has(optimizeMerge)) MergeRepeatedPixels(*this, steps);
    if (has(optimizeCrop)) CropFrames(*this, steps);
    if (has(optimizeCleanup)) DropInvisibleExtensions(*this, steps);
    progress.Finish();
    FreeBitmap();
    Changed();
}
