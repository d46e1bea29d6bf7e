#include "chart/foundation/LibraryTexts.h"

namespace {

void Load(std::span<const TLibraryText> texts) {
    for (const TLibraryText& t : texts) {
        if (t.Tail)
            *t.Variable = std::string(t.Text) + std::string(NativeChartExtension) + t.Tail;
        else
            *t.Variable = t.Text;
    }
}

void Free(std::span<const TLibraryText> texts) {
    for (const TLibraryText& t : texts) {
        t.Variable->clear();
        t.Variable->shrink_to_fit();
    }
}

}  // namespace

void LoadCoreTexts() { Load(CoreTexts()); }
void FreeCoreTexts() { Free(CoreTexts()); }
void LoadExtendedTexts() { Load(ExtendedTexts()); }
void FreeExtendedTexts() { Free(ExtendedTexts()); }
