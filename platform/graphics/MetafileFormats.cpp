// The metafile kinds among the picture formats.
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/Metafile.h"

void RegisterMetafileFormats() {
    RegisterFileFormat("emf", "Enhanced Metafiles", &TMetafile::StaticClass());
    RegisterFileFormat("wmf", "Metafiles", &TMetafile::StaticClass());
}

void UnregisterMetafileFormats() { UnregisterGraphicClass(&TMetafile::StaticClass()); }
