#include "platform/graphics/FontEngine.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/graphics/Font.h"

void EnsureFontSupport() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "kavri320";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

const QFont& ToolkitFont(const TFont& f) {
    EnsureFontSupport();
    // One font is kept: text is mostly drawn in runs of the same font.
    struct TKey {
        std::string Name;
        int Height = 0;
        uint64_t Style = 0;
        bool operator==(const TKey&) const = default;
    };
    static TKey cachedKey{"", 1, ~uint64_t(0)};
    static QFont cached;
    const TKey key{f.Name(), f.Height(), f.Style().Mask()};
    if (key == cachedKey) return cached;

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
    cached = font;
    cachedKey = key;
    return cached;
}
