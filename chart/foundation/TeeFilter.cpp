#include "chart/foundation/TeeFilter.h"

#include <algorithm>
#include <cmath>

#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

void BuildScanlineTable(TBitmap& Bitmap, TScanLines& Lines) {
    Bitmap.SetPixelFormat(pf24bit);
    const int height = Bitmap.Height();
    Lines.resize(size_t(std::max(height, 0)));
    for (int y = 0; y < height; ++y) Lines[size_t(y)] = Bitmap.ScanLine(y);
}

// ---------------------------------------------------------------------------------------------

TTeeFilter::TTeeFilter(TCollection* collection) : TCollectionItem(collection) {}
TTeeFilter::~TTeeFilter() = default;

void TTeeFilter::Publish(TPublisher<TTeeFilter>& p) {
    p.Boolean("Enabled", &TTeeFilter::Enabled, &TTeeFilter::SetEnabled).Default(true);
    p.Object("Region", &TTeeFilter::Region, &TTeeFilter::SetRegion);
}

TFilterRegion* TTeeFilter::Region() const {
    if (!FRegion) FRegion = std::make_unique<TFilterRegion>();
    return FRegion.get();
}

void TTeeFilter::SetRegion(const TFilterRegion* value) {
    if (!value) {
        FRegion.reset();
        return;
    }
    Region()->Assign(value);
}

void TTeeFilter::ApplyToRect(TBitmap& Bitmap, const TRect&) {
    if (!FKeepScanLines) BuildScanlineTable(Bitmap, FScanLines);
}

std::string TTeeFilter::GetCaption() const { return ClassName(); }

void TTeeFilter::Assign(const TPersistent* source) {
    const auto* filter = dynamic_cast<const TTeeFilter*>(source);
    if (!filter) return TCollectionItem::Assign(source);
    FEnabled = filter->FEnabled;
    SetRegion(filter->Region());
}

void ApplyToBitmap(TTeeFilter& Filter, TBitmap& Bitmap) {
    const bool regional = Filter.RegionEnabled() && Filter.HasRegion();
    TRect bounds;
    if (!FilterBounds(regional ? Filter.Region() : nullptr, Bitmap.Width(), Bitmap.Height(),
                      bounds))
        return;
    Filter.ApplyToRect(Bitmap, bounds);
}

void ApplyFilterClass(TTeeFilterClass Class, TBitmap& Bitmap) {
    std::unique_ptr<TObject> object(Class->CreateItem(nullptr));
    auto* filter = dynamic_cast<TTeeFilter*>(object.get());
    if (!filter) throw EInvalidCast(SInvalidCast);
    ApplyToBitmap(*filter, Bitmap);
}

// ---------------------------------------------------------------------------------------------

TFilterItems::TFilterItems(TPersistent* owner)
    : TOwnedCollection(owner, &TTeeFilter::StaticClass()) {}

TTeeFilter* TFilterItems::GetFilter(int Index) const {
    return static_cast<TTeeFilter*>(Items(Index));
}

TTeeFilter* TFilterItems::AddFilterOfClass(TTeeFilterClass Class) {
    if (!Class || !Class->InheritsFrom(&TTeeFilter::StaticClass()))
        throw EInvalidCast(SInvalidCast);
    return static_cast<TTeeFilter*>(Class->CreateItem(this));
}

void TFilterItems::ApplyAll(TBitmap& Bitmap) {
    for (int i = 0; i < Count(); ++i) {
        TTeeFilter* filter = GetFilter(i);
        if (filter->Enabled()) ApplyToBitmap(*filter, Bitmap);
    }
}

void TFilterItems::Assign(const TPersistent* source) {
    const auto* items = dynamic_cast<const TFilterItems*>(source);
    if (!items) return TOwnedCollection::Assign(source);
    if (items == this) return;
    TCollectionUpdate update(*this);
    Clear();
    for (int i = 0; i < items->Count(); ++i) {
        const TTeeFilter* from = items->GetFilter(i);
        AddFilterOfClass(&from->ClassType())->Assign(from);
    }
}

// ---------------------------------------------------------------------------------------------

void TConvolveFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    const TScanLines& lines = ScanLines();
    if (lines.empty()) return;
    float sum = 0;
    for (float w : FWeights) sum += w;
    // A kernel whose weights cancel out (a blur of Amount -8) keeps the plain sum.
    const float inv = sum == 0 ? 1.0f : 1.0f / sum;

    const int left = std::max(Rect.Left, 0);
    const int top = std::max(Rect.Top, 0);
    const int right = std::min(Rect.Right, Bitmap.Width() - 1);
    const int bottom = std::min(Rect.Bottom, Bitmap.Height() - 1);
    if (right - left < 2 || bottom - top < 2) return;

    const int width = right - left - 1;
    if (FScratch.Width() != width || FScratch.Height() != bottom - top - 1) {
        FScratch.SetPixelFormat(pf24bit);
        FScratch.SetSize(width, bottom - top - 1);
    }
    for (int y = top + 1; y < bottom; ++y) {
        uint8_t* out = FScratch.ScanLine(y - top - 1);
        const uint8_t* rows[3] = {lines[size_t(y - 1)], lines[size_t(y)], lines[size_t(y + 1)]};
        for (int x = left + 1; x < right; ++x) {
            for (int c = 0; c < 3; ++c) {
                float total = 0;
                for (int r = 0; r < 3; ++r) {
                    const uint8_t* p = rows[r] + (x - 1) * 3 + c;
                    total += FWeights[r * 3] * p[0] + FWeights[r * 3 + 1] * p[3] +
                             FWeights[r * 3 + 2] * p[6];
                }
                const long v = std::lrint(total * inv);  // to nearest, ties to even
                *out++ = uint8_t(std::clamp<long>(v, 0, 255));
            }
        }
    }
    for (int y = top + 1; y < bottom; ++y)
        std::copy_n(FScratch.ScanLine(y - top - 1), size_t(width) * 3,
                    lines[size_t(y)] + (left + 1) * 3);
}

void TBlurFilter::Publish(TPublisher<TBlurFilter>& p) {
    p.Integer("Amount", &TBlurFilter::Amount, &TBlurFilter::SetAmount).Default(1);
    p.Integer("Steps", &TBlurFilter::Steps, &TBlurFilter::SetSteps).Default(1);
}

std::string TBlurFilter::GetCaption() const { return TxtBlur; }

void TBlurFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    std::fill(std::begin(FWeights), std::end(FWeights), 1.0f);
    FWeights[4] = float(FAmount);
    BuildScanlineTable(Bitmap, ScanLines());
    SetKeepScanLines(true);
    try {
        for (int i = 0; i < FSteps; ++i) TConvolveFilter::ApplyToRect(Bitmap, Rect);
    } catch (...) {
        SetKeepScanLines(false);
        throw;
    }
    SetKeepScanLines(false);
}

// ---------------------------------------------------------------------------------------------

namespace {
std::vector<TTeeFilterClass>& ClassList() {
    static std::vector<TTeeFilterClass> list;
    return list;
}
}  // namespace

const std::vector<TTeeFilterClass>& FilterClassList() { return ClassList(); }

void RegisterFilterClasses(std::initializer_list<TTeeFilterClass> Classes) {
    auto& list = ClassList();
    for (TTeeFilterClass cls : Classes) {
        if (std::find(list.begin(), list.end(), cls) != list.end()) continue;
        list.push_back(cls);
        RegisterClass(cls);
    }
}

void UnregisterFilterClasses(std::initializer_list<TTeeFilterClass> Classes) {
    auto& list = ClassList();
    for (TTeeFilterClass cls : Classes)
        list.erase(std::remove(list.begin(), list.end(), cls), list.end());
}

void FreeFilterClassList() { ClassList().clear(); }
