#pragma once
// A picture that carries a list of filters and hands out a filtered copy of its graphic; the
// stream form of a filter list (the extra property "FilterItems").
#include <memory>

#include "chart/foundation/TeeFilter.h"
#include "platform/graphics/Picture.h"

class TReader;
class TWriter;

// A collection marker, then per filter a list of "ItemClass" (the class name) and the filter's
// properties; a list end closes it.
void WriteFilterItems(TWriter& Writer, const TFilterItems& Items);
// Unknown class names raise EClassNotFound; the list's update bracket is closed on every path.
void ReadFilterItems(TReader& Reader, TFilterItems& Items);

class TTeePicture : public TPicture {
    KV_DECLARE_CLASS(TTeePicture, TPicture)
public:
    TTeePicture();
    ~TTeePicture() override;

    // Made on first read.
    TFilterItems* Filters() const;
    bool HasFilters() const { return FFilters && FFilters->Count() > 0; }
    // The graphic itself without a graphic or without filters; else the filtered copy, made
    // again at every call.
    TGraphic* FilteredGraphic();
    void NotifyChanged() { Changed(this); }

    // From another filtered picture its filters too (none drops this one's).
    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;

private:
    mutable std::unique_ptr<TFilterItems> FFilters;
    std::unique_ptr<TBitmap> FFilteredBitmapCache;
};
