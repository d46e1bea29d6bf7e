// The JPEG decoder: a picture that decodes is encoded again (lossy, so only its size is compared)
// and decodes back.
#include "fuzz/FuzzBytes.h"
#include "fuzz/FuzzSupport.h"
#include "platform/graphics/JpegCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return RunFuzzInput([&] {
        const TBitmapFileImage image = DecodeJpeg(data, size);
        const std::vector<uint8_t> encoded =
            MustAccept("the JPEG encoder", [&] { return EncodeJpeg(image, 75, false); });
        const TBitmapFileImage again = MustAccept(
            "the JPEG decoder", [&] { return DecodeJpeg(encoded.data(), encoded.size()); });
        FuzzCheck(again.Width == image.Width && again.Height == image.Height,
                  "the JPEG read back has another size");
    });
}
