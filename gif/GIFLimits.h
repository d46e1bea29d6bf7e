#pragma once
// What a GIF file may ask of memory. The format's 16-bit sizes allow a 14-byte file to claim
// 65535 × 65535 pixels per frame and any number of frames; these bounds refuse such a file
// while it is read, before the memory is taken. Every frame lies inside the logical screen
// (the screen grows to hold it), so the screen bound also bounds every frame's bitmap.
#include <cstdint>

// Colour indices over all frames of a picture, one byte each: 256 MB, room for long
// animations of ordinary size (a thousand frames of 512 × 512).
inline constexpr int64_t GIFMaxTotalPixels = int64_t(1) << 28;
// Pixels of the logical screen, the size the picture and each of its frames are drawn at:
// 32 M pixels (8192 × 4096), 128 MB as a 32-bit bitmap.
inline constexpr int64_t GIFMaxScreenPixels = int64_t(1) << 25;

// Raises GIFException when a logical screen of width × height exceeds GIFMaxScreenPixels.
void CheckGIFScreenSize(int64_t width, int64_t height);

// What the frames of a picture being read have taken so far. Each frame is counted from its
// descriptor, before its pixels are allocated; every check raises GIFException.
class TGIFLoadBudget {
public:
    // The logical screen the header declares; raises when it exceeds GIFMaxScreenPixels.
    TGIFLoadBudget(int screenWidth, int screenHeight);
    // A frame of these bounds: raises "Invalid image dimensions" when it alone exceeds
    // GIFMaxTotalPixels, and the too-large message when the frames together would, or when
    // the screen grown to hold it (as far as its 16-bit fields go) would exceed
    // GIFMaxScreenPixels.
    void TakeFrame(int left, int top, int width, int height);

private:
    int64_t FPixels = 0;
    int64_t FScreenWidth;
    int64_t FScreenHeight;
};
