#include "gif/GIFFormat.h"

#include "gif/GIFImage.h"
#include "platform/graphics/GraphicFormats.h"

void RegisterGIFImageFormat() { RegisterFileFormat("GIF", "GIF Image", &TGIFImage::StaticClass()); }

void UnregisterGIFImageFormat() { UnregisterGraphicClass(&TGIFImage::StaticClass()); }
