// The bitmap file reader: a picture that reads is written at its depth and read back; the second
// writing must be the same bytes as the first (the first may quantise colours of unusual masks).
#include "fuzz/FuzzBytes.h"
#include "fuzz/FuzzSupport.h"
#include "platform/graphics/BitmapFile.h"

namespace {

std::string Write(const TBitmapFileImage& image) {
    TMemoryStream out;
    WriteBitmapFile(out, image);
    return StreamBytes(out);
}

TBitmapFileImage Read(const std::string& bytes) {
    TMemoryStream in;
    FillStream(in, bytes.data(), bytes.size());
    return ReadBitmapFile(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return RunFuzzInput([&] {
        TMemoryStream in;
        FillStream(in, data, size);
        const TBitmapFileImage image = ReadBitmapFile(in);
        const std::string written = MustAccept("the bitmap writer", [&] { return Write(image); });
        const TBitmapFileImage again =
            MustAccept("the bitmap reader", [&] { return Read(written); });
        FuzzCheck(again.Width == image.Width && again.Height == image.Height,
                  "the bitmap read back has another size");
        FuzzCheck(Write(again) == written, "the bitmap read back writes other bytes");
    });
}
