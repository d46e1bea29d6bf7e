#include "gif/GIFLimits.h"

#include <algorithm>
#include <string>

#include "gif/GIFTypes.h"

void CheckGIFScreenSize(int64_t width, int64_t height) {
    if (width * height > GIFMaxScreenPixels)
        throw GIFException(std::string(sPictureTooLarge) + ": its logical screen of " +
                           std::to_string(width) + " x " + std::to_string(height) +
                           " pixels is larger than " + std::to_string(GIFMaxScreenPixels) +
                           " pixels");
}

TGIFLoadBudget::TGIFLoadBudget(int screenWidth, int screenHeight)
    : FScreenWidth(screenWidth), FScreenHeight(screenHeight) {
    CheckGIFScreenSize(FScreenWidth, FScreenHeight);
}

void TGIFLoadBudget::TakeFrame(int left, int top, int width, int height) {
    const int64_t pixels = int64_t(width) * height;
    if (pixels > GIFMaxTotalPixels) throw GIFException(sBadImageDimensions);
    if (FPixels + pixels > GIFMaxTotalPixels)
        throw GIFException(std::string(sPictureTooLarge) + ": its frames hold more than " +
                           std::to_string(GIFMaxTotalPixels) + " pixels");
    FScreenWidth = std::max<int64_t>(FScreenWidth, std::min(left + width, 0xFFFF));
    FScreenHeight = std::max<int64_t>(FScreenHeight, std::min(top + height, 0xFFFF));
    CheckGIFScreenSize(FScreenWidth, FScreenHeight);
    FPixels += pixels;
}
