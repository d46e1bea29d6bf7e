#include "platform/graphics/FontEngine.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <cassert>
#include <cstdint>
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
    // Heights come from files too: kept to what a surface can show, and worked out in 64 bits.
    constexpr int64_t tallest = int64_t(1) << 16;
    if (f.Height() < 0) {
        font.setPixelSize(int(std::min(-int64_t(f.Height()), tallest)));
    } else {
        // A cell height (or 0 for the usual size): scale the character height to fit it.
        const int64_t cell = f.Height() > 0 ? std::min<int64_t>(f.Height(), tallest) : 13;
        font.setPixelSize(int(cell));
        const QFontMetrics m(font);
        const int64_t total = int64_t(m.ascent()) + m.descent();
        if (total > 0) font.setPixelSize(int(std::clamp<int64_t>(cell * cell / total, 1, tallest)));
    }
    if (cache.Font)
        *cache.Font = font;
    else
        cache.Font = std::make_unique<QFont>(font);
    cache.Key = key;
    return *cache.Font;
}

bool IsOutlineFont(const TFont& f) {
    return QFontDatabase::isSmoothlyScalable(QFontInfo(ToolkitFont(f)).family());
}
