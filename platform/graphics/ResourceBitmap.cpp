#include "platform/graphics/ResourceBitmap.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapFileStream.h"
#include "platform/graphics/JpegImage.h"
#include "platform/rtl/Resources.h"
#include "platform/rtl/Streams.h"

namespace {
void Fill(TMemoryStream& stream, const TResourceData& r) {
    stream.WriteBuffer(r.Data, int64_t(r.Size));
    stream.SetPosition(0);
}
}  // namespace

bool LoadResourceBitmap(TBitmap& bitmap, const std::string& name) {
    if (const TResourceData* r = FindResource(name, "bmp")) {
        TMemoryStream stream;
        Fill(stream, *r);
        LoadBitmapFile(bitmap, stream);
        return true;
    }
    const TResourceData* r = FindResource(name, "jpg");
    if (!r) r = FindResource(name, "jpeg");
    if (!r) return false;
    TMemoryStream stream;
    Fill(stream, *r);
    TJPEGImage picture;
    picture.LoadFromStream(stream);
    bitmap.Assign(picture.Bitmap());
    return true;
}
