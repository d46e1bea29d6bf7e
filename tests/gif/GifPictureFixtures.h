#pragma once
// Small pictures built in memory for the drawing and conversion tests.
#include <cstring>
#include <memory>
#include <vector>

#include "gif/GIFExtension.h"
#include "gif/GIFImage.h"
#include "gif/GIFSubImage.h"
#include "platform/graphics/Bitmap.h"

// Appends a frame at (left, top) whose rows are given as strings of index digits ("0120").
inline TGIFSubImage* AddFrame(TGIFImage& image, int left, int top,
                              std::initializer_list<const char*> rows, int transparentIndex = -1) {
    auto frame = std::make_unique<TGIFSubImage>(&image);
    const int height = int(rows.size());
    const int width = height ? int(std::strlen(*rows.begin())) : 0;
    frame->SetBounds(left, top, width, height);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < width; ++x) frame->SetPixels(x, y, uint8_t(row[x] - '0'));
        ++y;
    }
    if (transparentIndex >= 0) {
        auto gce = std::make_unique<TGIFGraphicControlExtension>(frame.get());
        gce->SetTransparent(true);
        gce->SetTransparentColorIndex(uint8_t(transparentIndex));
        frame->Extensions().Add(std::move(gce));
    }
    TGIFSubImage* result = frame.get();
    image.Add(std::move(frame));
    return result;
}

// The global table: 0 black, 1 white, 2 red, 3 green, 4 blue.
inline void AddBasicColors(TGIFImage& image) {
    for (TColor c : {clBlack, clWhite, clRed, clLime, clBlue}) image.GlobalColorMap().Add(c);
}

// Every pixel of a bitmap, row by row.
inline std::vector<TColor> PixelsOf(TBitmap& bitmap) {
    std::vector<TColor> pixels;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(bitmap.Canvas()->Pixel(x, y));
    return pixels;
}

// A bitmap of the given size filled with one colour.
inline std::unique_ptr<TBitmap> FilledBitmap(int width, int height, TColor color,
                                             TPixelFormat format = pf24bit) {
    auto bitmap = std::make_unique<TBitmap>(width, height);
    bitmap->SetPixelFormat(format);
    bitmap->Canvas()->Brush()->SetColor(color);
    bitmap->Canvas()->FillRect(TRect{0, 0, width, height});
    return bitmap;
}
