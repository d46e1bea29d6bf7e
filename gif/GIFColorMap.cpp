#include "gif/GIFColorMap.h"

#include <algorithm>

#include "gif/GIFDIB.h"
#include "gif/GIFExtension.h"
#include "gif/GIFImage.h"
#include "gif/GIFStreamUtils.h"
#include "gif/GIFSubImage.h"
#include "gif/GIFTypes.h"
#include "platform/rtl/Streams.h"

// ---- TGIFColorMap ----

TGIFColorMap::~TGIFColorMap() = default;

void TGIFColorMap::Clear() {
    FEntries.clear();
    FCount = 0;
    FCapacity = 0;
    FOptimized = false;
}

void TGIFColorMap::Assign(const TGIFColorMap& source) {
    if (&source == this) return;
    FCount = source.FCount;
    FCapacity = source.FCapacity;
    FOptimized = source.FOptimized;
    FEntries.assign(size_t(FCapacity), TGIFColor{});
    std::copy_n(source.FEntries.begin(), FCount, FEntries.begin());
    Changed();
}

void TGIFColorMap::SetCapacity(int n) {
    if (n < FCapacity) return;
    FCapacity = n <= 16 ? 16 : std::min(256, (n + 31) / 32 * 32);
    FEntries.resize(size_t(FCapacity));
}

uint32_t TGIFColorMap::Colors(int index) {
    if (index < 0 || index >= FCount) {
        Warning(GIFWarningSeverity, sBadColorIndex);
        if (FCount == 0) throw GIFException(sEmptyColorTable);
        index = 0;
    }
    return GIFColorValue(FEntries[size_t(index)]);
}

void TGIFColorMap::SetColors(int index, uint32_t value) {
    if (index < 0 || index >= FCount) throw GIFException(sBadColorIndex);
    FEntries[size_t(index)] = GIFColorOf(value);
    Changed();
}

int TGIFColorMap::Add(uint32_t color) {
    if (FCount >= 256) throw GIFException(sColorTableOverflow);
    if (FCount >= FCapacity) SetCapacity(FCount + 1);
    FEntries[size_t(FCount)] = GIFColorOf(color);
    ++FCount;
    FOptimized = false;
    Changed();
    return FCount - 1;
}

int TGIFColorMap::AddUnique(uint32_t color) {
    const int index = IndexOf(color);
    return index >= 0 ? index : Add(color);
}

int TGIFColorMap::IndexOf(uint32_t color) const {
    const TGIFColor c = GIFColorOf(color);
    if (FOptimized) {
        for (int i = 0; i < FCount; ++i)
            if (FEntries[size_t(i)] == c) return i;
    } else {
        for (int i = FCount - 1; i >= 0; --i)
            if (FEntries[size_t(i)] == c) return i;
    }
    return -1;
}

void TGIFColorMap::Delete(int index) {
    if (index < 0 || index >= FCount) throw GIFException(sBadColorIndex);
    FEntries.erase(FEntries.begin() + index);
    FEntries.push_back(TGIFColor{});
    --FCount;
    FOptimized = false;
    Changed();
}

int TGIFColorMap::BitsPerPixel() const { return ColorsToBits(FCount); }

void TGIFColorMap::ImportPalette(const TGIFPalette& palette) {
    Clear();
    const int count = int(std::min<size_t>(palette.size(), 256));
    if (count == 0) return;
    SetCapacity(count);
    for (int i = 0; i < count; ++i) {
        const TGIFPaletteEntry& e = palette[size_t(i)];
        FEntries[size_t(i)] = {e.Red, e.Green, e.Blue};
    }
    FCount = count;
    Changed();
}

void TGIFColorMap::ImportColorTable(const uint8_t* quads, int count) {
    Clear();
    count = std::clamp(count, 0, 256);
    if (count == 0) return;
    SetCapacity(count);
    for (int i = 0; i < count; ++i, quads += 4)
        FEntries[size_t(i)] = {quads[2], quads[1], quads[0]};
    FCount = count;
    Changed();
}

TGIFPalette TGIFColorMap::ExportPalette() const {
    TGIFPalette palette;
    palette.reserve(size_t(FCount));
    for (int i = 0; i < FCount; ++i) {
        const TGIFColor& c = FEntries[size_t(i)];
        palette.push_back({c.Red, c.Green, c.Blue, pcNoCollapse});
    }
    return palette;
}

void TGIFColorMap::LoadFromStream(TStream& stream, int count) {
    Clear();
    SetCapacity(count);
    ReadCheck(stream, FEntries.data(), int64_t(count) * 3);
    FCount = count;
}

void TGIFColorMap::SaveToStream(TStream& stream) const {
    if (FCount == 0) return;
    stream.WriteBuffer(FEntries.data(), int64_t(FCount) * 3);
    const int padding = (1 << BitsPerPixel()) - FCount;
    static const TGIFColor kBlack[256] = {};
    if (padding > 0) stream.WriteBuffer(kBlack, int64_t(padding) * 3);
}

namespace {
// The quicksort of the table by use count, largest first. Equal counts end in the order this
// partitioning gives, which decides the final table, so it is kept exactly.
void SortHistogram(TColormapHistogram& h, int left, int right) {
    int i;
    do {
        i = left;
        int j = right;
        const int pivot = h[size_t((left + right) / 2)].Count;
        do {
            while (h[size_t(i)].Count > pivot) ++i;
            while (h[size_t(j)].Count < pivot) --j;
            if (i <= j) {
                std::swap(h[size_t(i)], h[size_t(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (left < j) SortHistogram(h, left, j);
        left = i;
    } while (i < right);
}
}  // namespace

bool TGIFColorMap::SortByUse() {
    if (FCount <= 1) return false;
    FOptimized = true;
    TColormapHistogram histogram{};
    for (int i = 0; i < 256; ++i) histogram[size_t(i)] = {0, i};
    BuildHistogram(histogram);
    SortHistogram(histogram, 0, FCount - 1);

    bool moved = false;
    for (int k = 0; k < FCount; ++k) moved |= histogram[size_t(k)].Index != k;
    if (!moved) return true;

    // Pixels at or above Count have no new place and keep their value.
    TColormapReverse map{};
    for (int i = 0; i < 256; ++i) map[size_t(i)] = uint8_t(i);
    for (int k = 0; k < FCount; ++k) map[size_t(histogram[size_t(k)].Index)] = uint8_t(k);
    MapImages(map);

    std::vector<TGIFColor> sorted(FEntries.size());
    for (int i = 0; i < FCount; ++i) sorted[map[size_t(i)]] = FEntries[size_t(i)];
    FEntries.swap(sorted);
    int newCount = FCount;
    for (int k = 0; k < FCount; ++k)
        if (histogram[size_t(k)].Count == 0) {
            newCount = k;
            break;
        }
    FCount = std::max(newCount, RequiredCount());
    Changed();
    return true;
}

void TGIFColorMap::CountPixels(const TGIFSubImage& frame, TColormapHistogram& histogram) {
    const uint8_t* p = frame.Data();
    if (!p || frame.Empty()) return;
    const int64_t n = int64_t(frame.Width()) * frame.Height();
    for (int64_t i = 0; i < n; ++i) ++histogram[p[i]].Count;
}

void TGIFColorMap::MapFrame(TGIFSubImage& frame, const TColormapReverse& map) {
    if (uint8_t* p = frame.Data(); p && !frame.Empty()) {
        const int64_t n = int64_t(frame.Width()) * frame.Height();
        for (int64_t i = 0; i < n; ++i) p[i] = map[p[i]];
    }
    if (frame.Transparent() && frame.GraphicControlExtension()) {
        TGIFGraphicControlExtension* gce = frame.GraphicControlExtension();
        gce->SetTransparentColorIndex(map[gce->TransparentColorIndex()]);
    }
    // Text drawn over the frame names its colours in the same table.
    for (int i = 0; i < frame.Extensions().Count(); ++i)
        if (auto* text = dynamic_cast<TGIFTextExtension*>(frame.Extensions().Extensions(i))) {
            text->SetForegroundColorIndex(map[text->ForegroundColorIndex()]);
            text->SetBackgroundColorIndex(map[text->BackgroundColorIndex()]);
        }
}

// ---- TGIFGlobalColorMap ----

TGIFGlobalColorMap::~TGIFGlobalColorMap() = default;

bool TGIFGlobalColorMap::Optimize() {
    TGIFImage* image = FHeader->Image();
    if (!image || image->Images().Count() == 0) return false;
    return SortByUse();
}

void TGIFGlobalColorMap::Warning(int severity, const char* message) {
    FHeader->Warning(severity, message);
}

void TGIFGlobalColorMap::Changed() {
    if (TGIFImage* image = FHeader->Image()) image->PaletteChanged();
}

void TGIFGlobalColorMap::BuildHistogram(TColormapHistogram& histogram) {
    TGIFImage* image = FHeader->Image();
    if (!image) return;
    for (int i = 0; i < image->Images().Count(); ++i) {
        TGIFSubImage* frame = image->Images().SubImages(i);
        if (&frame->ActiveColorMap() == this) CountPixels(*frame, histogram);
    }
}

void TGIFGlobalColorMap::MapImages(const TColormapReverse& map) {
    TGIFImage* image = FHeader->Image();
    if (image)
        for (int i = 0; i < image->Images().Count(); ++i) {
            TGIFSubImage* frame = image->Images().SubImages(i);
            if (&frame->ActiveColorMap() == this) MapFrame(*frame, map);
        }
    // The background colour keeps its colour.
    FHeader->SetBackgroundColorIndex(map[FHeader->BackgroundColorIndex()]);
}

int TGIFGlobalColorMap::RequiredCount() const {
    // Called after MapImages, so the index is already the new one.
    const int background = FHeader->BackgroundColorIndex();
    return background < Count() ? background + 1 : 0;
}

// ---- TGIFLocalColorMap ----

TGIFLocalColorMap::~TGIFLocalColorMap() = default;

void TGIFLocalColorMap::Warning(int severity, const char* message) {
    if (FFrame) FFrame->Warning(severity, message);
}

void TGIFLocalColorMap::Changed() {
    if (FFrame) FFrame->PaletteChanged();
}

void TGIFLocalColorMap::BuildHistogram(TColormapHistogram& histogram) {
    if (FFrame) CountPixels(*FFrame, histogram);
}

void TGIFLocalColorMap::MapImages(const TColormapReverse& map) {
    if (FFrame) MapFrame(*FFrame, map);
}
