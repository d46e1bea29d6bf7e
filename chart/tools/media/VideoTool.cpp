#include "chart/tools/media/VideoTool.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/tools/media/AviWriter.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapFileImage.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/JpegCodec.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/ValueGuard.h"

namespace {

// The compressors this system has: code and short name.
struct TCompressor {
    uint32_t Code;
    const char* Name;
};
constexpr TCompressor Compressors[] = {{MotionJpeg, "Motion JPEG"}};

}  // namespace

TVideoTool::TVideoTool(TComponent* owner) : TTeeCustomTool(owner) {}

TVideoTool::~TVideoTool() {
    if (FRecording) StopRecording();
}

void TVideoTool::Publish(TPublisher<TVideoTool>& p) {
    using T = TVideoTool;
    p.String("Compression", &T::Compression, &T::SetCompression).Default(std::string());
    p.Integer("CompressionQuality", &T::CompressionQuality, &T::SetCompressionQuality)
        .Default(8000);
    p.String("FileName", &T::FileName, &T::SetFileName).Default(std::string());
    p.Integer("FrameDuration", &T::FrameDuration, &T::SetFrameDuration).Default(50);
}

void TVideoTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TVideoTool*>(source)) {
        FCompression = other->FCompression;
        FCompressionQuality = other->FCompressionQuality;
        FFileName = other->FFileName;
        FFrameDuration = other->FFrameDuration;
    }
    TTeeCustomTool::Assign(source);
}

void TVideoTool::SetFrameDuration(int value) {
    // A frame of no time gives the video no rate.
    if (value <= 0) throw Exception("Frame duration must be positive");
    FFrameDuration = value;
}

void TVideoTool::ListCompressors(TStrings& list) const {
    list.Clear();
    list.Add("No Compression");
    for (const TCompressor& c : Compressors) {
        std::string item = FourCCText(c.Code);
        item.append(" ");
        item.append(c.Name);
        list.Add(item);
    }
}

void TVideoTool::SetCompression(const std::string& value) {
    if (!value.empty()) {
        const std::string wanted = UpperCase(value);
        const bool known = std::any_of(
            std::begin(Compressors), std::end(Compressors),
            [&](const TCompressor& c) { return UpperCase(FourCCText(c.Code)) == wanted; });
        if (!known) {
            std::string message = "No compressor for ";
            message.append(value);
            message.append(" available");
            throw Exception(message);
        }
    }
    FCompression = value;
}

void TVideoTool::StartRecording(const std::string& fileName) {
    FFileName = fileName;
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    if (FRecording) StopRecording();
    auto writer = std::make_unique<TAviWriter>(fileName);
    TAviStreamInfo info;
    info.Handler = FourCCOf(UpperCase(FCompression));
    info.Scale = uint32_t(FFrameDuration);
    info.Rate = 1000;
    info.Quality = uint32_t(FCompressionQuality);
    const TRect bounds = chart->BoundedPanelRect();
    info.FrameRight = bounds.Right - bounds.Left;
    info.FrameBottom = bounds.Bottom - bounds.Top;
    writer->SetStreamInfo(info);
    FWriter = std::move(writer);
    FFrames = 0;
    FRecording = true;
    if (OnStart) OnStart(this);
}

void TVideoTool::StopRecording() {
    std::unique_ptr<TAviWriter> writer = std::move(FWriter);
    FRecording = false;
    if (writer) writer->Close();
    if (OnStop) OnStop(this);
}

TBitmap& TVideoTool::FrameAtVideoSize(TBitmap& bitmap) {
    if (!FWriter->HasFormat()) {
        TAviFrameFormat format;
        format.Width = bitmap.Width();
        format.Height = bitmap.Height();
        format.Compression = FourCCOf(UpperCase(FCompression));
        format.BitCount = format.Compression ? 24 : 32;
        format.SizeImage = uint32_t(format.Width) * uint32_t(format.Height) * (format.BitCount / 8);
        FWriter->SetFormat(format);
    }
    const int width = FWriter->Format().Width, height = FWriter->Format().Height;
    if (!FScaled || FScaled->Width() != width || FScaled->Height() != height) {
        FScaled = std::make_unique<TBitmap>();
        FScaled->SetPixelFormat(pf32bit);
        FScaled->SetSize(width, height);
    }
    // A copy in 32 bits a pixel, so the chart's own picture keeps its format; the video keeps
    // the size of its first frame.
    if (bitmap.Width() == width && bitmap.Height() == height)
        FScaled->Canvas()->Draw(0, 0, &bitmap);
    else
        FScaled->Canvas()->StretchDraw(TRect{0, 0, width, height}, &bitmap);
    return *FScaled;
}

void TVideoTool::EncodeFrame(const TBitmap& frame) {
    const int width = frame.Width(), height = frame.Height();
    if (FWriter->Format().Compression == MotionJpeg) {
        TBitmapFileImage image(width, height, 24);
        for (int y = 0; y < height; ++y) {
            const uint8_t* row = frame.ScanLine(y);
            uint32_t* dst = image.ScanLine(y);
            for (int x = 0; x < width; ++x)
                dst[x] = uint32_t(row[4 * x]) | uint32_t(row[4 * x + 1]) << 8 |
                         uint32_t(row[4 * x + 2]) << 16;
        }
        const int quality = std::clamp(int(std::lround(FCompressionQuality / 100.0)), 1, 100);
        FBits = EncodeJpeg(image, quality, false);
        return;
    }
    // Uncompressed: rows of 4 bytes a pixel, the bottom row first.
    const size_t stride = size_t(width) * 4;
    FBits.resize(stride * size_t(height));
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = frame.ScanLine(y);
        std::copy(row, row + stride,
                  FBits.begin() + std::ptrdiff_t(stride * size_t(height - 1 - y)));
    }
}

void TVideoTool::AddFrame(TBitmap& bitmap) {
    if (!FRecording || !FWriter) return;
    EncodeFrame(FrameAtVideoSize(bitmap));
    FWriter->WriteFrame(FBits);
    ++FFrames;
    if (OnNewFrame) OnNewFrame(this);
}

void TVideoTool::ChartDrawEvent(TChartToolEvent event) {
    if (event != cteAfterDraw || !FRecording || !ParentChart() || FCapturing) return;
    // Drawing the chart afresh below draws it again: that drawing is no frame of its own.
    TValueGuard<bool> capturing(FCapturing, true);
    try {
        // The picture just drawn: the chart's buffer, or, drawn unbuffered, a fresh image.
        auto* surface = dynamic_cast<TTeeCanvas3D*>(ParentChart()->Canvas3D());
        TBitmap* buffer = surface ? surface->BufferBitmap() : nullptr;
        std::unique_ptr<TBitmap> rendered;
        if (!buffer) {
            rendered = ParentChart()->RenderToBitmap();
            buffer = rendered.get();
        }
        AddFrame(*buffer);
    } catch (...) {
        StopRecording();
        throw;
    }
}
