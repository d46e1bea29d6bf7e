#include "controls/RzWrappedText.h"

#include <algorithm>

#include "platform/graphics/Canvas.h"

namespace {
// Appends the lines of one paragraph (no line breaks inside).
void WrapParagraph(TCanvas& canvas, std::string_view text, int width,
                   std::vector<std::string>& lines) {
    std::string line;
    size_t pos = 0;
    while (pos < text.size()) {
        // The next word with the spaces before it.
        size_t end = text.find_first_not_of(' ', pos);
        if (end == std::string_view::npos) end = text.size();
        end = std::min(text.find(' ', end), text.size());
        const std::string_view piece = text.substr(pos, end - pos);
        std::string candidate = line + std::string(piece);
        if (!line.empty() && width > 0 && canvas.TextWidth(candidate) > width) {
            lines.push_back(std::move(line));
            // The spaces at the break go with it.
            const size_t word = piece.find_first_not_of(' ');
            line = std::string(piece.substr(word == std::string_view::npos ? piece.size() : word));
        } else {
            line = std::move(candidate);
        }
        pos = end;
    }
    lines.push_back(std::move(line));
}
}  // namespace

TWrappedText WrapText(TCanvas& canvas, std::string_view text, int width) {
    TWrappedText result;
    size_t pos = 0;
    for (;;) {
        size_t end = text.find('\n', pos);
        std::string_view paragraph =
            text.substr(pos, end == std::string_view::npos ? text.npos : end - pos);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
        WrapParagraph(canvas, paragraph, width, result.Lines);
        if (end == std::string_view::npos) break;
        pos = end + 1;
    }
    result.LineHeight = canvas.TextHeight("Wg");
    int widest = 0;
    for (const std::string& line : result.Lines) widest = std::max(widest, canvas.TextWidth(line));
    result.Extent = TSize{widest, result.LineHeight * int(result.Lines.size())};
    return result;
}

void DrawWrappedText(TCanvas& canvas, const TRect& rect, const TWrappedText& text,
                     TAlignment alignment) {
    int y = rect.Top;
    for (const std::string& line : text.Lines) {
        const int w = canvas.TextWidth(line);
        const int x = alignment == taRightJustify ? rect.Right - w
                      : alignment == taCenter     ? rect.Left + (rect.Width() - w) / 2
                                                  : rect.Left;
        canvas.TextRect(rect, x, y, line);
        y += text.LineHeight;
    }
}
