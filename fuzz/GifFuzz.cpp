// The GIF reader: a picture that reads draws its first frame into a small bitmap, saves, reads
// back with as many frames and the same screen, and saves to the same bytes again.
#include "fuzz/FuzzBytes.h"
#include "fuzz/FuzzSupport.h"
#include "gif/GIFImage.h"
#include "gif/GIFSubImage.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

// Drawing and saving a picture near the reader's size limit takes seconds, which a fuzzing run
// cannot spend on every input: larger pictures are only read.
constexpr int64_t kDrawnPixels = int64_t(1) << 22;

int64_t FramePixels(TGIFImage& image) {
    int64_t pixels = 0;
    for (int i = 0; i < image.Images().Count(); ++i)
        pixels +=
            int64_t(image.Images().SubImages(i)->Width()) * image.Images().SubImages(i)->Height();
    return pixels;
}

std::string Save(TGIFImage& image) {
    TMemoryStream out;
    image.SaveToStream(out);
    return StreamBytes(out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return RunFuzzInput([&] {
        TGIFImage image;
        image.SetDrawOptions(0);  // one still frame, drawn here and now: no painter thread
        TMemoryStream in;
        FillStream(in, data, size);
        image.LoadFromStream(in);
        if (FramePixels(image) > kDrawnPixels) return;
        // A stream whose blocks the reader warned away may leave no frame; a picture without a
        // frame has no version and the writer refuses it by design.
        if (image.Images().Count() == 0) return;
        TBitmap surface(32, 32);
        surface.Canvas()->StretchDraw(TRect{0, 0, 32, 32}, &image);
        const std::string saved = MustAccept("the GIF writer", [&] { return Save(image); });
        TGIFImage again;
        MustAccept("the GIF reader", [&] {
            TMemoryStream back;
            FillStream(back, saved.data(), saved.size());
            again.LoadFromStream(back);
            return 0;
        });
        FuzzCheck(again.Images().Count() == image.Images().Count(),
                  "the GIF read back has another number of frames");
        FuzzCheck(again.Width() == image.Width() && again.Height() == image.Height(),
                  "the GIF read back has another screen size");
        FuzzCheck(Save(again) == saved, "the GIF read back saves other bytes");
    });
}
