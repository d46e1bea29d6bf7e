#include "gif/GIFFormat.h"

#include "gif/GIFImage.h"
#include "gif/GIFThreads.h"
#include "gif/GIFTypes.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/IdleHooks.h"

namespace {
TIdleHookId& SynchronizeHook() {
    static TIdleHookId id = 0;
    return id;
}
}  // namespace

void RegisterGIFImageFormat() {
    RegisterFileFormat("GIF", "GIF Image", &TGIFImage::StaticClass());
    RegisterClipboardGraphic(
        sGIFClipboardFormat,
        {&TGIFImage::StaticClass(),
         [](TGraphic& graphic, TStream& data) {
             std::string format;
             return static_cast<TGIFImage&>(graphic).SaveToClipboardFormat(format, data);
         },
         [](TGraphic& graphic, TStream& data) {
             static_cast<TGIFImage&>(graphic).LoadFromClipboardFormat(sGIFClipboardFormat, data);
         },
         [](TGraphic& graphic) { static_cast<TGIFImage&>(graphic).SaveToClipboard(); }});
    if (SynchronizeHook() == 0) {
        SynchronizeHook() = AddIdleHook([] { CheckSynchronize(); });
        SetMainThreadWakeUp(WakeMainThread);
    }
}

void UnregisterGIFImageFormat() {
    UnregisterGraphicClass(&TGIFImage::StaticClass());
    UnregisterClipboardGraphic(&TGIFImage::StaticClass());
    if (SynchronizeHook() != 0) {
        SetMainThreadWakeUp(nullptr);
        RemoveIdleHook(SynchronizeHook());
        SynchronizeHook() = 0;
    }
}
