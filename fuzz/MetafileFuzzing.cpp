#include "fuzz/MetafileFuzzing.h"

#include <cstdlib>

#include "fuzz/FuzzBytes.h"
#include "fuzz/FuzzSupport.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/FontEngine.h"
#include "platform/graphics/Metafile.h"
#include "platform/rtl/ProgramName.h"

namespace {

// Playback draws text, and fonts need the toolkit's application: one for the whole run, off
// screen, made on the first input and never freed: the fuzzer ends the process at any point, and
// freeing the toolkit among the other statics at exit is what would crash.
void EnsureFontSupport() {
    static const bool ready = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        SetProgramName("KAVRI320 fuzz");
        static TFontSupport* const fonts = new TFontSupport;
        return fonts != nullptr;
    }();
    (void)ready;
}

std::string Save(TMetafile& metafile) {
    TMemoryStream out;
    metafile.SaveToStream(out);
    return StreamBytes(out);
}

}  // namespace

void CheckMetafile(const uint8_t* data, size_t size, bool enhanced) {
    EnsureFontSupport();
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
