#include "workbench/windows/ResourceImage.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/ResourceBitmap.h"
#include "platform/ui/Image.h"

TImage* MakeResourceImage(TWinControl* parent, const std::string& name, int left, int top) {
    TImage* image = new TImage(parent);
    image->SetParent(parent);
    TBitmap bitmap;
    if (LoadResourceBitmap(bitmap, name)) image->Picture()->SetBitmap(&bitmap);
    image->SetBounds(left, top, image->Picture()->Width(), image->Picture()->Height());
    return image;
}
