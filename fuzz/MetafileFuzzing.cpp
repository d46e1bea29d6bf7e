#include "fuzz/MetafileFuzzing.h"

#include "fuzz/FuzzBytes.h"
#include "fuzz/FuzzSupport.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Metafile.h"

namespace {

std::string Save(TMetafile& metafile) {
    TMemoryStream out;
    metafile.SaveToStream(out);
    return StreamBytes(out);
}

}  // namespace

void CheckMetafile(const uint8_t* data, size_t size, bool enhanced) {
    RunFuzzInput([&] {
        TMetafile metafile;
        if (enhanced)
            ReadEnhancedMetafile(metafile, data, size);
        else
            ReadPlaceableMetafile(metafile, data, size);
        metafile.SetEnhanced(enhanced);
        // Playback into a surface far smaller than most pictures: what lies outside is cut.
        TBitmap surface(32, 32);
        surface.Canvas()->StretchDraw(TRect{0, 0, 32, 32}, &metafile);
        const std::string saved = Save(metafile);
        TMetafile again;
        MustAccept("the metafile reader", [&] {
            TMemoryStream in;
            FillStream(in, saved.data(), saved.size());
            again.LoadFromStream(in);
            return 0;
        });
        FuzzCheck(again.Enhanced() == enhanced, "the metafile read back is of the other kind");
        FuzzCheck(Save(again) == saved, "the metafile read back saves other bytes");
    });
}
