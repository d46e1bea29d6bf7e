#pragma once
// Helpers for building GIF bytes by hand in tests: a byte builder, an LSB-first bit packer for
// crafted LZW data, and a loader that records the warnings.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "gif/GIFImage.h"
#include "gif/GIFSubImage.h"
#include "platform/rtl/Streams.h"

using TBytes = std::vector<uint8_t>;

struct TByteBuilder {
    TBytes Bytes;
    TByteBuilder& Add(std::initializer_list<int> values) {
        for (int v : values) Bytes.push_back(uint8_t(v));
        return *this;
    }
    TByteBuilder& Add(const TBytes& values) {
        Bytes.insert(Bytes.end(), values.begin(), values.end());
        return *this;
    }
    TByteBuilder& Text(const std::string& s) {
        Bytes.insert(Bytes.end(), s.begin(), s.end());
        return *this;
    }
    TByteBuilder& Word(int v) { return Add({v & 0xFF, (v >> 8) & 0xFF}); }
    // "GIF89a", the screen descriptor and a global table of 2^(sizeBits+1) grey entries.
    TByteBuilder& Header(int width, int height, int sizeBits = 1, const char* version = "89a") {
        Text("GIF").Text(version).Word(width).Word(height).Add({0x80 | sizeBits, 0, 0});
        for (int i = 0; i < (2 << sizeBits); ++i) Add({i, i, i});
        return *this;
    }
    TByteBuilder& Descriptor(int left, int top, int width, int height, int packed = 0) {
        return Add({0x2C}).Word(left).Word(top).Word(width).Word(height).Add({packed});
    }
    // Splits data into sub-blocks of at most blockSize bytes, then the terminator.
    TByteBuilder& SubBlocks(const TBytes& data, size_t blockSize = 255) {
        for (size_t at = 0; at < data.size(); at += blockSize) {
            const size_t n = std::min(blockSize, data.size() - at);
            Bytes.push_back(uint8_t(n));
            Bytes.insert(Bytes.end(), data.begin() + long(at), data.begin() + long(at + n));
        }
        Bytes.push_back(0);
        return *this;
    }
};

// Codes packed least significant bit first, each with its own width.
struct TBitPacker {
    TBytes Bytes;
    uint32_t Bucket = 0;
    int Bits = 0;
    TBitPacker& Code(int code, int width) {
        Bucket |= uint32_t(code) << Bits;
        Bits += width;
        while (Bits >= 8) {
            Bytes.push_back(uint8_t(Bucket & 0xFF));
            Bucket >>= 8;
            Bits -= 8;
        }
        return *this;
    }
    TBytes Finish() {
        if (Bits > 0) Bytes.push_back(uint8_t(Bucket & 0xFF));
        Bits = 0;
        Bucket = 0;
        return Bytes;
    }
};

// A picture with its warnings recorded.
struct TLoadedGif {
    TGIFImage Image;
    std::vector<std::string> Warnings;
    TLoadedGif() {
        Image.OnWarning = [this](TObject*, int, const std::string& m) { Warnings.push_back(m); };
    }
    void Load(const TBytes& bytes) {
        TMemoryStream stream;
        stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
        stream.SetPosition(0);
        Image.LoadFromStream(stream);
    }
    bool Warned(const std::string& message) const {
        for (const auto& w : Warnings)
            if (w == message) return true;
        return false;
    }
};

// A reading fault's text without the " at offset N" the reader adds to it.
inline std::string FaultText(const GIFException& e) {
    const std::string& message = e.Message();
    if (e.Offset() < 0) return message;
    const std::string tail = " at offset " + std::to_string(e.Offset());
    if (message.size() < tail.size() ||
        message.compare(message.size() - tail.size(), tail.size(), tail) != 0)
        return message;
    return message.substr(0, message.size() - tail.size());
}

inline TBytes SaveBytes(TGIFImage& image) {
    TMemoryStream stream;
    image.SaveToStream(stream);
    return TBytes(stream.Memory(), stream.Memory() + stream.Size());
}

inline TBytes FramePixels(TGIFSubImage& frame) {
    return TBytes(frame.Data(), frame.Data() + frame.DataSize());
}

// A picture with one frame of the given pixels and a global table of 2^bits grey entries.
inline std::unique_ptr<TGIFImage> MakeImage(int width, int height, const TBytes& pixels,
                                            int bits = 8, bool interlaced = false) {
    auto image = std::make_unique<TGIFImage>();
    for (int i = 0; i < (1 << bits); ++i)
        image->GlobalColorMap().Add(uint32_t(i * 0x010101 & 0xFFFFFF));
    auto frame = std::make_unique<TGIFSubImage>(image.get());
    frame->SetBounds(0, 0, width, height);
    frame->SetInterlaced(interlaced);
    if (!pixels.empty()) std::copy(pixels.begin(), pixels.end(), frame->Data());
    image->Add(std::move(frame));
    return image;
}
