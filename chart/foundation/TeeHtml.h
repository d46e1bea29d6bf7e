#pragma once
// Chart texts with a small markup: bold, italic, underline and strike-out, font changes, big and
// small, sub- and superscript, headings, preformatted text, centring, line breaks, a rule and
// inline images. The renderer walks the text tag by tag on a surface, changing the surface's font
// as tags come, and draws the runs or only measures them.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/rtl/Exceptions.h"

class TTeeCanvas;
class TGraphic;
class TMemoryStream;

// A tag without its closing '>'.
class HtmlParserException : public Exception {
public:
    using Exception::Exception;
};

// Draws Text with its top-left corner at (X, Y).
void DrawMarkupText(TTeeCanvas& Surface, int X, int Y, std::string_view Text);
// The same walk from (0, 0) without drawing: the widest X reached and the tallest line met.
TSize MeasureMarkupText(TTeeCanvas& Surface, std::string_view Text);

// Images: a new graphic for a file extension (with its dot, in capitals) or none, and a loader
// filling Stream from an address, answering 0 on success. Without either, images show a
// placeholder.
using TMarkupPictureForExtension = std::function<std::unique_ptr<TGraphic>(const std::string&)>;
using TMarkupLoadStream = std::function<int(const std::string& Source, TMemoryStream& Stream)>;
void SetMarkupImageHooks(TMarkupPictureForExtension PictureFor, TMarkupLoadStream Load);
// Each hook alone: the export unit serves the pictures, the URL unit the loads; empty until set.
void SetMarkupPictureHook(TMarkupPictureForExtension PictureFor);
void SetUrlReadHook(TMarkupLoadStream Load);
const TMarkupLoadStream& UrlReadHook();

// The style tags and saved fonts of the last text, oldest first; each text starts with both
// empty, so one text's unclosed tags never reach the next.
const std::vector<std::string>& MarkupStyleStack();
const std::vector<std::string>& MarkupFontStack();
