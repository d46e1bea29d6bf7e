#include "platform/graphics/TextMeasurer.h"

#include <QFontMetrics>
#include <QString>

#include "platform/graphics/FontEngine.h"

TTextMeasurer::~TTextMeasurer() = default;

int TFixedTextMeasurer::TextWidth(const TFont&, std::string_view text) {
    // Characters, not bytes.
    int count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++count;
    return count * FCharWidth;
}

namespace {

class TFontMeasurer : public TTextMeasurer {
public:
    TTextMetrics Metrics(const TFont& font) override {
        const QFontMetrics m(ToolkitFont(font));
        return {m.ascent(), m.descent()};
    }
    int TextWidth(const TFont& font, std::string_view text) override {
        const QFontMetrics m(ToolkitFont(font));
        return m.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
};

}  // namespace

TTextMeasurer& FontTextMeasurer() {
    static TFontMeasurer measurer;
    return measurer;
}
