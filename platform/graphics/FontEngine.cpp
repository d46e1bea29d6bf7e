#include "platform/graphics/FontEngine.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
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
    cached = font;
    cachedKey = key;
    return cached;
}
