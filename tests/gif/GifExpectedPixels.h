#pragma once
// The text form of what a GIF must decode to, shared with the Python scripts beside the
// fixtures (tests/gif/data): "screen W H", then per frame
// "frame LEFT TOP WIDTH HEIGHT INTERLACED DISPOSAL TRANSPARENT-INDEX" and HEIGHT rows of WIDTH
// tokens "INDEX:RRGGBB", the colour taken from the frame's own table.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gif/GIFColorMap.h"
#include "gif/GIFExtension.h"
#include "gif/GIFImage.h"
#include "gif/GIFSubImage.h"

struct TExpectedFrame {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool Interlaced = false;
    int Disposal = 0;
    int TransparentIndex = -1;
    std::vector<int> Indices;
    std::vector<uint32_t> Rgb;  // 0xRRGGBB
};

struct TExpectedGif {
    int Width = 0, Height = 0;
    std::vector<TExpectedFrame> Frames;
};

inline uint32_t GifRgb(const TGIFColor& c) {
    return (uint32_t(c.Red) << 16) | (uint32_t(c.Green) << 8) | c.Blue;
}

// What image holds, in the shared form.
inline TExpectedGif DescribeGif(TGIFImage& image) {
    TExpectedGif out{image.Width(), image.Height(), {}};
    for (int n = 0; n < image.Images().Count(); ++n) {
        TGIFSubImage& frame = *image.Images().SubImages(n);
        TExpectedFrame f{
            frame.Left(), frame.Top(), frame.Width(), frame.Height(), frame.Interlaced(), 0, -1,
            {},           {}};
        if (auto* gce = frame.GraphicControlExtension()) {
            f.Disposal = gce->Disposal();
            if (gce->Transparent()) f.TransparentIndex = gce->TransparentColorIndex();
        }
        TGIFColorMap& map = frame.ActiveColorMap();
        for (int y = 0; y < frame.Height(); ++y)
            for (int x = 0; x < frame.Width(); ++x) {
                const int index = frame.Scanline(y)[x];
                f.Indices.push_back(index);
                f.Rgb.push_back(index < map.Count() ? GifRgb(map.Entry(index)) : 0xFFFFFFFFu);
            }
        out.Frames.push_back(std::move(f));
    }
    return out;
}

inline std::string FormatExpected(const TExpectedGif& gif) {
    std::ostringstream s;
    s << "screen " << gif.Width << ' ' << gif.Height << '\n';
    for (const auto& f : gif.Frames) {
        s << "frame " << f.Left << ' ' << f.Top << ' ' << f.Width << ' ' << f.Height << ' '
          << int(f.Interlaced) << ' ' << f.Disposal << ' ' << f.TransparentIndex << '\n';
        for (int y = 0; y < f.Height; ++y) {
            for (int x = 0; x < f.Width; ++x) {
                const size_t at = size_t(y * f.Width + x);
                char token[16];
                std::snprintf(token, sizeof token, "%s%d:%06X", x ? " " : "", f.Indices[at],
                              unsigned(f.Rgb[at] & 0xFFFFFF));
                s << token;
            }
            s << '\n';
        }
    }
    return s.str();
}

inline TExpectedGif ReadExpected(const std::string& fileName) {
    std::ifstream in(fileName);
    TExpectedGif gif;
    std::string word;
    if (!(in >> word >> gif.Width >> gif.Height) || word != "screen") {
        ADD_FAILURE() << "no screen line in " << fileName;
        return gif;
    }
    while (in >> word && word == "frame") {
        TExpectedFrame f;
        int interlaced = 0;
        in >> f.Left >> f.Top >> f.Width >> f.Height >> interlaced >> f.Disposal >>
            f.TransparentIndex;
        f.Interlaced = interlaced != 0;
        for (int i = 0; i < f.Width * f.Height && in >> word; ++i) {
            const auto colon = word.find(':');
            f.Indices.push_back(std::stoi(word.substr(0, colon)));
            f.Rgb.push_back(uint32_t(std::stoul(word.substr(colon + 1), nullptr, 16)));
        }
        gif.Frames.push_back(std::move(f));
    }
    return gif;
}

// Frame by frame, the first difference only, so that a wrong decoding reports one line.
inline void ExpectSameGif(const TExpectedGif& actual, const TExpectedGif& expected) {
    EXPECT_EQ(actual.Width, expected.Width);
    EXPECT_EQ(actual.Height, expected.Height);
    ASSERT_EQ(actual.Frames.size(), expected.Frames.size());
    for (size_t n = 0; n < expected.Frames.size(); ++n) {
        SCOPED_TRACE("frame " + std::to_string(n));
        const auto& a = actual.Frames[n];
        const auto& e = expected.Frames[n];
        EXPECT_EQ((std::vector<int>{a.Left, a.Top, a.Width, a.Height, a.Interlaced, a.Disposal,
                                    a.TransparentIndex}),
                  (std::vector<int>{e.Left, e.Top, e.Width, e.Height, e.Interlaced, e.Disposal,
                                    e.TransparentIndex}));
        ASSERT_EQ(a.Indices.size(), e.Indices.size());
        for (size_t i = 0; i < e.Indices.size(); ++i)
            if (a.Indices[i] != e.Indices[i] || a.Rgb[i] != e.Rgb[i]) {
                ADD_FAILURE() << "pixel " << i % size_t(e.Width) << ',' << i / size_t(e.Width)
                              << ": " << a.Indices[i] << ':' << std::hex << a.Rgb[i]
                              << " instead of " << std::dec << e.Indices[i] << ':' << std::hex
                              << e.Rgb[i];
                break;
            }
    }
}
