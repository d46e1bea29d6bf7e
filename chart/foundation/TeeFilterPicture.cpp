#include "chart/foundation/TeeFilterPicture.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/RasterCopy.h"

void WriteFilterItems(TWriter& Writer, const TFilterItems& Items) {
    Writer.WriteValue(vaCollection);
    for (int i = 0; i < Items.Count(); ++i) {
        const TTeeFilter* filter = Items.GetFilter(i);
        Writer.WriteListBegin();
        Writer.WriteStr("ItemClass");
        Writer.WriteString(filter->ClassName());
        Writer.WriteProperties(filter);
        Writer.WriteListEnd();
    }
    Writer.WriteListEnd();
}

void ReadFilterItems(TReader& Reader, TFilterItems& Items) {
    TCollectionUpdate update(Items);
    if (Reader.NextValue() != vaNull) Items.Clear();
    Reader.CheckValue(vaCollection);
    while (!Reader.EndOfList()) {
        const TValueType next = Reader.NextValue();
        if (next == vaInt8 || next == vaInt16 || next == vaInt32 || next == vaInt64)
            Reader.ReadInteger();  // an item index, not used
        Reader.ReadListBegin();
        Reader.ReadStr();  // "ItemClass"
        const TClass cls = FindClass(Reader.ReadString());
        TTeeFilter* filter = Items.AddFilterOfClass(cls);
        while (!Reader.EndOfList()) Reader.ReadProperty(filter);
        Reader.ReadListEnd();
    }
    Reader.ReadListEnd();
}

TTeePicture::TTeePicture() = default;
TTeePicture::~TTeePicture() = default;

TFilterItems* TTeePicture::Filters() const {
    if (!FFilters) FFilters = std::make_unique<TFilterItems>(const_cast<TTeePicture*>(this));
    return FFilters.get();
}

TGraphic* TTeePicture::FilteredGraphic() {
    TGraphic* graphic = Graphic();
    if (!graphic || !HasFilters()) return graphic;
    if (!FFilteredBitmapCache) FFilteredBitmapCache = std::make_unique<TBitmap>();
    TBitmap& cache = *FFilteredBitmapCache;
    if (dynamic_cast<const TBitmap*>(graphic)) {
        cache.Assign(graphic);
    } else {
        cache.SetPixelFormat(pf24bit);
        // At the picture's size, or scaled down when a metafile declares an absurd one.
        DrawRasterCopy(cache, graphic);
    }
    FFilters->ApplyAll(cache);
    return &cache;
}

void TTeePicture::Assign(const TPersistent* source) {
    if (const auto* picture = dynamic_cast<const TTeePicture*>(source)) {
        if (picture->FFilters)
            Filters()->Assign(picture->FFilters.get());
        else
            FFilters.reset();
    }
    TPicture::Assign(source);
}

void TTeePicture::DefineProperties(TFiler& filer) {
    TPicture::DefineProperties(filer);
    filer.DefineProperty(
        "FilterItems", [this](TReader& reader) { ReadFilterItems(reader, *Filters()); },
        [this](TWriter& writer) { WriteFilterItems(writer, *Filters()); }, HasFilters());
}
