#include "platform/graphics/GraphicsInit.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/PropAccess.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"

namespace {

bool ColorNameOf(int64_t color, std::string& ident) { return ColorToIdent(TColor(color), ident); }

bool ColorOfName(std::string_view ident, int64_t& color) {
    TColor c = 0;
    if (!IdentToColor(ident, c)) return false;
    color = c;
    return true;
}

}  // namespace

void RegisterGraphicsClasses() {
    SetColorIdentHooks(&ColorNameOf, &ColorOfName);
    RegisterClasses({&TPen::StaticClass(), &TBrush::StaticClass(), &TFont::StaticClass(),
                     &TBitmap::StaticClass()});
}
