// libjpeg reports errors through error_exit, which must not return. It jumps back with longjmp to
// the Guarded call that started the libjpeg operation; between the two there are only libjpeg's C
// frames and a lambda without locals, so no destructor is skipped. The caller then raises EJPEG,
// and the owners of the libjpeg objects release them on the way out.
#include "platform/graphics/JpegCodec.h"

#include <jerror.h>
#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct TErrorManager {
    jpeg_error_mgr Base;  // first, as libjpeg hands back a pointer to it
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<TErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->Message);
    std::longjmp(err->Jump, 1);
}

// Warnings are passed over, except the end of the data before the end marker: libjpeg would go on
// with a grey rest. (Its decoder reads ahead, so even a file that lacks only the end marker is
// refused: no way to tell it from one cut in its last rows.)
void EmitMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;
    if (cinfo->err->msg_code == JWRN_JPEG_EOF) ErrorExit(cinfo);
    ++cinfo->err->num_warnings;
}

void InitErrors(TErrorManager& err) {
    jpeg_std_error(&err.Base);
    err.Base.error_exit = ErrorExit;
    err.Base.emit_message = EmitMessage;
    err.Message[0] = '\0';
}

template <class F>
bool Guarded(TErrorManager& err, F&& f) {
    if (setjmp(err.Jump)) return false;
    f();
    return true;
}

[[noreturn]] void RaiseJpeg(const TErrorManager& err) { throw EJPEG(err.Message); }

// Owns a decompressor. The headers are read after construction, so that a failure there still
// reaches the destructor.
class TDecompressor {
public:
    TDecompressor() {
        InitErrors(FErr);
        Info.err = &FErr.Base;
    }
    void ReadHeader(const uint8_t* data, size_t size) {
        Run([&] {
            jpeg_create_decompress(&Info);
            FCreated = true;
            jpeg_mem_src(&Info, data, static_cast<unsigned long>(size));
            jpeg_read_header(&Info, TRUE);
        });
    }
    ~TDecompressor() {
        if (FCreated) jpeg_destroy_decompress(&Info);
    }
    TDecompressor(const TDecompressor&) = delete;
    TDecompressor& operator=(const TDecompressor&) = delete;

    template <class F>
    void Run(F&& f) {
        if (!Guarded(FErr, f)) RaiseJpeg(FErr);
    }

    jpeg_decompress_struct Info{};

private:
    TErrorManager FErr;
    bool FCreated = false;
};

// Adobe's CMYK pictures store the inks inverted (0 is full ink); others store them plainly.
inline uint32_t InkToChannel(uint32_t ink, uint32_t black, bool inverted) {
    return inverted ? ink * black / 255 : (255 - ink) * (255 - black) / 255;
}

void ConvertRow(const JSAMPLE* src, int components, bool inverted, int width, uint32_t* dst) {
    switch (components) {
        case 1:
            for (int x = 0; x < width; ++x) dst[x] = 0xFF000000u | src[x] * 0x010101u;
            break;
        case 3:
            for (int x = 0; x < width; ++x, src += 3)
                dst[x] = 0xFF000000u | uint32_t(src[0]) << 16 | uint32_t(src[1]) << 8 | src[2];
            break;
        case 4:
            for (int x = 0; x < width; ++x, src += 4)
                dst[x] = 0xFF000000u | InkToChannel(src[0], src[3], inverted) << 16 |
                         InkToChannel(src[1], src[3], inverted) << 8 |
                         InkToChannel(src[2], src[3], inverted);
            break;
    }
}

}  // namespace

TJpegInfo ReadJpegInfo(const uint8_t* data, size_t size) {
    TDecompressor d;
    d.ReadHeader(data, size);
    TJpegInfo info;
    info.Width = int(d.Info.image_width);
    info.Height = int(d.Info.image_height);
    info.Grayscale = d.Info.num_components == 1;
    info.Progressive = d.Info.progressive_mode != 0;
    return info;
}

TBitmapFileImage DecodeJpeg(const uint8_t* data, size_t size, bool grayscale) {
    TDecompressor d;
    d.ReadHeader(data, size);
    jpeg_decompress_struct& ci = d.Info;
    const bool cmyk = ci.jpeg_color_space == JCS_CMYK || ci.jpeg_color_space == JCS_YCCK;
    d.Run([&] {
        if (grayscale || ci.jpeg_color_space == JCS_GRAYSCALE)
            ci.out_color_space = JCS_GRAYSCALE;
        else
            ci.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
        jpeg_calc_output_dimensions(&ci);
    });
    const int64_t width = ci.output_width, height = ci.output_height;
    if (width > MaxPictureFileSide || height > MaxPictureFileSide ||
        width * height > MaxPictureFilePixels)
        throw EJPEG("JPEG picture of " + std::to_string(width) + " by " + std::to_string(height) +
                    " pixels too large");
    TBitmapFileImage image(int(width), int(height), 24);
    const int components = ci.output_components;
    std::vector<JSAMPLE> row(size_t(width) * size_t(components));
    const bool inverted = ci.saw_Adobe_marker != 0;
    d.Run([&] {
        JSAMPROW rowPointer = row.data();
        jpeg_start_decompress(&ci);
        while (ci.output_scanline < ci.output_height) {
            const int y = int(ci.output_scanline);
            jpeg_read_scanlines(&ci, &rowPointer, 1);
            ConvertRow(row.data(), components, inverted, int(width), image.ScanLine(y));
        }
        jpeg_finish_decompress(&ci);
    });
    return image;
}

namespace {

class TCompressor {
public:
    TCompressor() {
        InitErrors(FErr);
        Info.err = &FErr.Base;
    }
    void Start() {
        Run([&] {
            jpeg_create_compress(&Info);
            FCreated = true;
            jpeg_mem_dest(&Info, &Buffer, &Size);
        });
    }
    ~TCompressor() {
        if (FCreated) jpeg_destroy_compress(&Info);
        std::free(Buffer);  // libjpeg's memory destination allocates with malloc
    }
    TCompressor(const TCompressor&) = delete;
    TCompressor& operator=(const TCompressor&) = delete;

    template <class F>
    void Run(F&& f) {
        if (!Guarded(FErr, f)) RaiseJpeg(FErr);
    }

    jpeg_compress_struct Info{};
    unsigned char* Buffer = nullptr;
    unsigned long Size = 0;

private:
    TErrorManager FErr;
    bool FCreated = false;
};

}  // namespace

std::vector<uint8_t> EncodeJpeg(const TBitmapFileImage& image, int quality, bool grayscale) {
    TCompressor c;
    c.Start();
    jpeg_compress_struct& ci = c.Info;
    const int components = grayscale ? 1 : 3;
    std::vector<JSAMPLE> row(size_t(std::max(image.Width, 0)) * size_t(components));
    c.Run([&] {
        ci.image_width = JDIMENSION(image.Width);
        ci.image_height = JDIMENSION(image.Height);
        ci.input_components = components;
        ci.in_color_space = grayscale ? JCS_GRAYSCALE : JCS_RGB;
        jpeg_set_defaults(&ci);
        jpeg_set_quality(&ci, std::clamp(quality, 1, 100), TRUE);
        jpeg_start_compress(&ci, TRUE);
        JSAMPROW rowPointer = row.data();
        while (ci.next_scanline < ci.image_height) {
            const uint32_t* src = image.ScanLine(int(ci.next_scanline));
            JSAMPLE* dst = row.data();
            for (int x = 0; x < image.Width; ++x) {
                const uint32_t r = src[x] >> 16 & 0xFF, g = src[x] >> 8 & 0xFF, b = src[x] & 0xFF;
                if (grayscale) {
                    *dst++ = JSAMPLE((r * 299 + g * 587 + b * 114 + 500) / 1000);
                } else {
                    *dst++ = JSAMPLE(r);
                    *dst++ = JSAMPLE(g);
                    *dst++ = JSAMPLE(b);
                }
            }
            jpeg_write_scanlines(&ci, &rowPointer, 1);
        }
        jpeg_finish_compress(&ci);
    });
    return std::vector<uint8_t>(c.Buffer, c.Buffer + c.Size);
}
