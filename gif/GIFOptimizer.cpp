// Frame optimisation: smaller animations that look the same under the painter's rules.
#include <algorithm>
#include <mutex>

#include "gif/GIFAppExtension.h"
#include "gif/GIFExtension.h"
#include "gif/GIFImage.h"
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

}  // namespace

void TGIFImage::Optimize(TGIFOptimizeOptions options, uint8_t reduction, uint8_t, int) {
    if (Empty()) return;
    PaintStop();
    std::lock_guard lock(FPainterLock);
    const auto has = [&](TGIFOptimizeOption o) { return (options & GIFOptimizeFlag(o)) != 0; };
    int done = 0;
    const int total = 6 * FImages.Count();
    const auto step = [&] {
        ++done;
        Progress(this, gpsRunning, MulDiv(done, 100, total), false, sProgressOptimizing);
    };
    auto frame = [&](int i) -> TGIFSubImage& { return *FImages.SubImages(i); };
    Progress(this, gpsStarting, 0, false, sProgressOptimizing);
    try {
        if (has(optimizeColorTables)) {
            if (GlobalColorMap().Count() > 0) GlobalColorMap().Optimize();
            for (int i = 0; i < FImages.Count(); ++i) {
                if (frame(i).ColorMap().Count() > 0) frame(i).ColorMap().Optimize();
                step();
            }
        }
        if (has(optimizeCleanup)) {
            for (int i = 0; i < FImages.Count(); ++i) {
                TGIFSubImage& f = frame(i);
                TGIFGraphicControlExtension* gce = f.GraphicControlExtension();
                if (f.Transparent() && gce &&
                    (f.Empty() || !Contains(f, gce->TransparentColorIndex())))
                    gce->SetTransparent(false);
                step();
            }
            for (int i = 0; i + 1 < FImages.Count(); ++i) {
                TGIFSubImage &f = frame(i), &next = frame(i + 1);
                const int disposal = DisposalOf(f);
                // A next frame disposed to the previous state brings this one back, so its own
                // disposal still matters then.
                if ((disposal != kDisposeBackground && disposal != kDisposePrevious) ||
                    next.Transparent() || DisposalOf(next) == kDisposePrevious)
                    continue;
                if (!Intersection(BoundsOf(f), BoundsOf(next)).IsEmpty() &&
                    Inside(BoundsOf(f), BoundsOf(next)))
                    f.GraphicControlExtension()->SetDisposal(0);
            }
        }
        if (has(optimizeMerge)) {
            for (int i = FImages.Count() - 1; i >= 1; --i) {
                int j = i - 1;
                while (j > 0 && DisposalOf(frame(j)) == kDisposePrevious) --j;
                MergeWithBelow(*this, frame(i), frame(j));
                step();
            }
        }
        if (has(optimizeCrop)) {
            for (int i = FImages.Count() - 1; i >= 0; --i) {
                TGIFSubImage& f = frame(i);
                step();
                // Cropping a frame disposed to the background would shrink the area cleared
                // after it.
                if (f.Empty() || !f.Transparent() || DisposalOf(f) == kDisposeBackground) continue;
                const TGIFGraphicControlExtension* gce = f.GraphicControlExtension();
                const int delay = gce ? gce->Delay() : 0;
                const bool keepsData = HoldsApplicationData(f);
                if (keepsData && gce) {
                    // Cropping it away would take the loop count and application data along.
                    const uint8_t t = gce->TransparentColorIndex();
                    if (std::all_of(f.Data(), f.Data() + f.DataSize(),
                                    [t](uint8_t p) { return p == t; }))
                        continue;
                }
                f.Crop();
                if (!f.Empty()) continue;
                // The time the frame was shown stays with the frame before it.
                if (i > 0 && delay > 0) {
                    TGIFGraphicControlExtension& previous = EnsureGCE(frame(i - 1));
                    previous.SetDelay(uint16_t(std::min(previous.Delay() + delay, 0xFFFF)));
                }
                FImages.Delete(i);
            }
        }
        if (has(optimizeCleanup)) {
            for (int i = FImages.Count() - 1; i >= 0; --i) {
                TGIFSubImage& f = frame(i);
                const bool single = FImages.Count() == 1;
                TGIFExtensionList& extensions = f.Extensions();
                for (int e = extensions.Count() - 1; e >= 0; --e) {
                    TGIFItem* item = extensions.Items(e);
                    const bool loop = dynamic_cast<TGIFAppExtNSLoop*>(item) != nullptr;
                    if (dynamic_cast<TGIFCommentExtension*>(item) ||
                        dynamic_cast<TGIFTextExtension*>(item) ||
                        dynamic_cast<TGIFUnknownAppExtension*>(item) ||
                        (loop && (i != 0 || single)))
                        extensions.Delete(e);
                }
                TGIFGraphicControlExtension* gce = f.GraphicControlExtension();
                if (gce && (gce->Delay() == 0 || single) && !f.Transparent() && !gce->UserInput() &&
                    (gce->Disposal() < 2 || single))
                    extensions.Delete(extensions.IndexOf(gce));
                if (f.Empty() && extensions.Count() == 0) FImages.Delete(i);
                step();
            }
        } else if (has(optimizeReduceColors) && reduction == reducePalette) {
            throw GIFException(sInvalidReduction);
        }
    } catch (...) {
        Progress(this, gpsEnding, 0, true, sProgressOptimizing);
        throw;
    }
    Progress(this, gpsEnding, 100, true, sProgressOptimizing);
    FreeBitmap();
    Changed();
}
