#include "chart/foundation/ResourceRoutines.h"

#include "platform/classes/Object.h"
#include "platform/graphics/CheckGlyphs.h"
#include "platform/graphics/ResourceBitmap.h"
#include "platform/rtl/Format.h"
#include "platform/ui/DocumentOpener.h"

bool LoadResourceBitmap(TBitmap& bitmap, const std::string& name, const std::string& altName) {
    return LoadResourceBitmap(bitmap, name) ||
           (!altName.empty() && LoadResourceBitmap(bitmap, altName));
}

void LoadProgramBitmap(TBitmap& bitmap, const std::string& name) {
    if (!LoadResourceBitmap(bitmap, name)) throw EResNotFound(Format(SResNotFound, {name}));
}

bool LoadSeriesClassBitmap(const TClassInfo& seriesClass, TBitmap& bitmap) {
    const TClass parent = seriesClass.ClassParent();
    return LoadResourceBitmap(bitmap, seriesClass.ClassName(),
                              parent ? parent->ClassName() : std::string());
}

bool LoadSeriesClassBitmap(const TObject& series, TBitmap& bitmap) {
    return LoadSeriesClassBitmap(series.ClassType(), bitmap);
}

void PaintCheckBox(int x, int y, TCanvas& canvas, bool checked, bool isCheckBox) {
    if (isCheckBox)
        DrawCheckBoxGlyph(canvas, x, y, checked ? cbChecked : cbUnchecked);
    else
        DrawRadioGlyph(canvas, x, y, checked);
}

bool ShellOpenDocument(const std::string& document) {
    // Whole: an address cut short opens another place than the one named.
    return OpenDocument(document);
}
