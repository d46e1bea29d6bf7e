#pragma once
// The filter framework: a filter changes the pixels of a 24-bit bitmap inside an optional
// region; a filter list applies its enabled filters in order; the convolution filter and the
// blur built on it; the resampler used for smooth stretching; the list of filter classes the
// filter editor offers.
//
// Not here yet: the filters' editor builders (they belong to the editor's form builder), the
// picture class that carries a filter list and its "FilterItems" stream property.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chart/foundation/FilterRegion.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Events.h"
#include "platform/graphics/Bitmap.h"

class TFormCreator;

using TScanLines = std::vector<uint8_t*>;

// Switches Bitmap to 24 bits per pixel and lists the address of every row (blue, green, red).
void BuildScanlineTable(TBitmap& Bitmap, TScanLines& Lines);

class TTeeFilter : public TCollectionItem {
    KV_DECLARE_CLASS(TTeeFilter, TCollectionItem)
public:
    explicit TTeeFilter(TCollection* collection = nullptr);
    ~TTeeFilter() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    // Made on first read.
    TFilterRegion* Region() const;
    // Null drops the region; another region is copied.
    void SetRegion(const TFilterRegion* value);
    bool HasRegion() const { return FRegion != nullptr; }
    // False for filters that always work on the whole bitmap.
    bool RegionEnabled() const { return FRegionEnabled; }
    void SetRegionEnabled(bool value) { FRegionEnabled = value; }
    // Set while a filter applies itself repeatedly on the same bitmap.
    bool KeepScanLines() const { return FKeepScanLines; }
    void SetKeepScanLines(bool value) { FKeepScanLines = value; }
    TScanLines& ScanLines() { return FScanLines; }

    // Rect is inclusive and lies inside the bitmap. The base builds the scan lines.
    virtual void ApplyToRect(TBitmap& Bitmap, const TRect& Rect);
    virtual std::string GetCaption() const;
    // Asks Creator for the controls of this filter's settings; the base keeps OnChange, the
    // editor's change notification.
    virtual void BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange);

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TTeeFilter>& p);

protected:
    TNotifyEvent FEditorChanged;

private:
    bool FEnabled = true;
    bool FRegionEnabled = true;
    bool FKeepScanLines = false;
    mutable std::unique_ptr<TFilterRegion> FRegion;
    TScanLines FScanLines;
};

using TTeeFilterClass = const TClassInfo*;

// The whole bitmap, or the filter's region kept inside the bitmap; nothing when that is empty.
void ApplyToBitmap(TTeeFilter& Filter, TBitmap& Bitmap);
// A filter of Class outside any list, applied once to the whole bitmap or its default region.
void ApplyFilterClass(TTeeFilterClass Class, TBitmap& Bitmap);

class TFilterItems : public TOwnedCollection {
    KV_DECLARE_CLASS(TFilterItems, TOwnedCollection)
public:
    explicit TFilterItems(TPersistent* owner = nullptr);

    TTeeFilter* GetFilter(int Index) const;
    // Raises EInvalidCast when Class is no filter class.
    TTeeFilter* AddFilterOfClass(TTeeFilterClass Class);
    // Every enabled filter in list order.
    void ApplyAll(TBitmap& Bitmap);
    // Clears, then an item of the same class per source item, assigned from it.
    void Assign(const TPersistent* source) override;
};

// A 3 x 3 weighted mean over the interior of the rectangle; its border keeps its pixels.
class TConvolveFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TConvolveFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;

protected:
    // Row above (left, centre, right), own row, row below.
    float FWeights[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};

private:
    TBitmap FScratch;
};

class TBlurFilter : public TConvolveFilter {
    KV_DECLARE_CLASS(TBlurFilter, TConvolveFilter)
public:
    using TConvolveFilter::TConvolveFilter;
    int Amount() const { return FAmount; }
    void SetAmount(int value) { FAmount = value; }
    int Steps() const { return FSteps; }
    void SetSteps(int value) { FSteps = value; }

    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
    void BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) override;
    static void Publish(TPublisher<TBlurFilter>& p);

private:
    int FAmount = 1;
    int FSteps = 1;
};

// Stretches Source into Dest's size: Fast with a triangle kernel, else with Lanczos-3.
// Nothing unless both are at least 2 x 2 pixels.
void ResampleBitmap(TBitmap& Source, TBitmap& Dest, bool Fast);
inline void ResampleBitmapBest(TBitmap& Source, TBitmap& Dest) {
    ResampleBitmap(Source, Dest, false);
}

// The filter classes the filter editor offers, in registration order.
const std::vector<TTeeFilterClass>& FilterClassList();
// Appends the classes not yet listed and registers them for streaming.
void RegisterFilterClasses(std::initializer_list<TTeeFilterClass> Classes);
// Takes the classes off the list; their streaming registration stays.
void UnregisterFilterClasses(std::initializer_list<TTeeFilterClass> Classes);
// Empties the list at shutdown.
void FreeFilterClassList();
