#include "chart/series/gauge/GaugeFonts.h"

#include <iterator>

#include "chart/editors/FontNameHook.h"
#include "platform/graphics/PrivateFonts.h"
#include "platform/rtl/Strings.h"

namespace {

struct TGaugeFont {
    const char* FileName;
    const char* FaceName;
};

// The dot face first, then the bar face, each the regular weight of its family.
constexpr TGaugeFont GaugeFonts[] = {
    {"DSEG14Classic-Regular.ttf", DigitalDotFontName},
    {"DSEG7Classic-Regular.ttf", DigitalBarFontName},
};

// The handles of the faces registered now (0: not registered), for the whole run.
TPrivateFontHandle Handles[std::size(GaugeFonts)] = {};

void AddRegisteredNames(TStrings& names) {
    for (size_t i = 0; i < std::size(GaugeFonts); ++i)
        if (Handles[i] != 0) names.Add(GaugeFonts[i].FaceName);
}

}  // namespace

std::string DigitalFontFolder() { return "/usr/share/fonts/truetype/dseg"; }

void LoadGaugeFonts(const std::string& folder) {
    RemoveGaugeFonts();
    bool any = false;
    for (size_t i = 0; i < std::size(GaugeFonts); ++i) {
        Handles[i] = AddPrivateFont(folder + "/" + GaugeFonts[i].FileName, GaugeFonts[i].FaceName);
        any = any || Handles[i] != 0;
    }
    // The font lists name only the faces that are there.
    if (any) FontListHook = AddRegisteredNames;
}

void RemoveGaugeFonts() {
    FontListHook = nullptr;
    for (TPrivateFontHandle& handle : Handles) {
        if (handle != 0) RemovePrivateFont(handle);
        handle = 0;
    }
}
