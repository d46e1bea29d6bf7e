#pragma once
// An image control that shows its picture through a list of filters: a copy of the picture,
// resampled to the size the control gives it, is filtered and shown; the picture itself stays
// as it was. The filters are streamed as "FilterItems".
#include <memory>

#include "chart/foundation/TeeFilter.h"
#include "platform/ui/Image.h"

class TImageFiltered : public TImage {
    KV_DECLARE_CLASS(TImageFiltered, TImage)
public:
    explicit TImageFiltered(TComponent* owner);
    ~TImageFiltered() override;

    TFilterItems* Filters() const { return FFilters.get(); }

protected:
    void DrawPicture(TBitmap& Buffer) override;
    void DefineProperties(TFiler& filer) override;

private:
    std::unique_ptr<TFilterItems> FFilters;
};
