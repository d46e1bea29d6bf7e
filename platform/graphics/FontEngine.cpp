#include "platform/graphics/FontEngine.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <cassert>
#include <string>

#include "platform/graphics/Font.h"
#include "platform/rtl/ProgramName.h"

namespace {

// One font is kept: text is mostly drawn in runs of the same font.
struct TFontCache {
    struct TKey {
        std::string Name;
        int Height = 0;
        uint64_t Style = 0;
        bool operator==(const TKey&) const = default;
    };
    TKey Key;
    std::unique_ptr<QFont> Font;  // none until the first call, and after a release
};

TFontCache& FontCache() {
    static TFontCache cache;
    return cache;
}

}  // namespace

TFontSupport::TFontSupport() : FName(ProgramName()) {
    if (QCoreApplication::instance()) return;
    FArgv[0] = FName.data();
    FApplication = std::make_unique<QGuiApplication>(FArgc, FArgv);
}

TFontSupport::~TFontSupport() {
    if (FApplication) ReleaseToolkitFonts();
}

void ReleaseToolkitFonts() { FontCache().Font.reset(); }

const QFont& ToolkitFont(const TFont& f) {
    assert(QCoreApplication::instance() && "fonts need an application object (TFontSupport)");
    TFontCache& cache = FontCache();
    const TFontCache::TKey key{f.Name(), f.Height(), f.Style().Mask()};
    if (cache.Font && key == cache.Key) return *cache.Font;

    QFont font(QString::fromStdString(FontFamilyFor(f.Name())));
    font.setBold(f.Style().Contains(fsBold));
    font.setItalic(f.Style().Contains(fsItalic));
    font.setUnderline(f.Style().Contains(fsUnderline));
    font.setStrikeOut(f.Style().Contains(fsStrikeOut));
    if (f.Height() < 0) {
        font.setPixelSize(-f.Height());
    } else {
        // A cell height (or 0 for the usual size): scale the character height to fit it.
        const int cell = f.Height() > 0 ? f.Height() : 13;
        font.setPixelSize(cell);
        const QFontMetrics m(font);
        const int total = m.ascent() + m.descent();
        if (total > 0) font.setPixelSize(std::max(1, cell * cell / total));
    }
    if (cache.Font)
        *cache.Font = font;
    else
        cache.Font = std::make_unique<QFont>(font);
    cache.Key = key;
    return *cache.Font;
}
