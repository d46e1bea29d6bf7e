// The markup walk: tokens are tags ("<...>") or the text between them; tags change the surface's
// font or the layout, text runs are measured and, when drawing, written.
#include "chart/foundation/TeeHtml.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "chart/foundation/TeeCanvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Graphic.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"

namespace {

std::vector<std::string>& StyleStack() {
    static std::vector<std::string> stack;
    return stack;
}
std::vector<std::string>& FontStack() {
    static std::vector<std::string> stack;
    return stack;
}
TMarkupPictureForExtension& PictureForHook() {
    static TMarkupPictureForExtension hook;
    return hook;
}
TMarkupLoadStream& LoadHook() {
    static TMarkupLoadStream hook;
    return hook;
}

std::string_view Unquote(std::string_view s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
    return s;
}

// Name=Value pairs; a value runs to the last blank before the next '=', so it may hold blanks.
std::vector<std::pair<std::string, std::string>> Attributes(std::string_view s) {
    std::vector<std::pair<std::string, std::string>> pairs;
    size_t eq = s.find('=');
    while (eq != std::string_view::npos) {
        std::string name(Trim(s.substr(0, eq)));
        s.remove_prefix(eq + 1);
        const size_t next = s.find('=');
        size_t end = s.size();
        if (next != std::string_view::npos) {
            const size_t blank = s.substr(0, next).find_last_of(' ');
            end = blank == std::string_view::npos ? next : blank;
        }
        pairs.emplace_back(std::move(name), std::string(Unquote(Trim(s.substr(0, end)))));
        s.remove_prefix(end);
        eq = s.find('=');
    }
    return pairs;
}

TColor MarkupColour(const std::string& value) {
    const std::string v = UpperCase(value);
    if (v == "BLACK") return clBlack;
    if (v == "RED") return clRed;
    if (v == "BLUE") return clBlue;
    if (v == "YELLOW") return clYellow;
    if (v == "WHITE") return clWhite;
    if (v == "GREEN") return RGB(0, 128, 0);
    if (v == "LIME") return RGB(0, 255, 0);
    if (!v.empty() && v[0] == '#' && v.size() >= 7) {
        auto hex = [&](size_t at) {
            return static_cast<int>(std::strtol(v.substr(at, 2).c_str(), nullptr, 16));
        };
        return RGB(hex(1), hex(3), hex(5));
    }
    return StringToColor(value);
}

TFontStyles MarkupWeight(const std::string& value) {
    TFontStyles styles;
    if (UpperCase(value) == "NORMAL") return styles;
    std::string_view rest = value;
    while (!rest.empty()) {
        const size_t comma = rest.find(", ");
        const std::string word = UpperCase(rest.substr(0, comma));
        if (word == "BOLD")
            styles.Include(fsBold);
        else if (word == "ITALIC")
            styles.Include(fsItalic);
        else if (word == "UNDERLINE")
            styles.Include(fsUnderline);
        else if (word == "STRIKE")
            styles.Include(fsStrikeOut);
        else
            throw Exception("Unknown field in FONT WEIGHT=" + value);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 2);
    }
    return styles;
}

// The font as a FONT tag, as the font stack keeps it.
std::string FontTag(const TFont& font) {
    static const std::pair<TFontStyle, const char*> names[] = {{fsBold, "BOLD"},
                                                               {fsItalic, "ITALIC"},
                                                               {fsUnderline, "UNDERLINE"},
                                                               {fsStrikeOut, "STRIKE"}};
    std::string weight;
    for (const auto& [style, name] : names) {
        if (!font.Style().Contains(style)) continue;
        if (!weight.empty()) weight += ", ";
        weight += name;
    }
    if (weight.empty()) weight = "NORMAL";
    return "<FONT size=" + std::to_string(font.Size()) + " name=" + font.Name() +
           " color=" + std::to_string(static_cast<long long>(font.Color())) + " weight=" + weight +
           ">";
}

void ApplyFontTag(TFont& font, std::string_view tag) {
    if (tag.size() < 7) return;  // an empty font stack gives nothing to apply
    for (const auto& [name, value] : Attributes(tag.substr(6, tag.size() - 7))) {
        const std::string key = UpperCase(name);
        if (key == "NAME" || key == "FAMILY") {
            font.SetName(value);
        } else if (key == "SIZE") {
            const int n = std::atoi(value.c_str());
            font.SetSize(!value.empty() && (value[0] == '+' || value[0] == '-') ? font.Size() + n
                                                                                : n);
        } else if (key == "COLOR") {
            font.SetColor(MarkupColour(value));
        } else if (key == "WEIGHT") {
            font.SetStyle(MarkupWeight(value));
        } else {
            throw Exception("Unknown field in FONT: " + name);
        }
    }
}

class TMarkupWalk {
public:
    TMarkupWalk(TTeeCanvas& surface, int x, int y, bool drawing)
        : S(surface), Left(x), X(x), Y(y), Drawing(drawing) {
        LineHeight = S.MeasureLineHeight();
        StyleStack().clear();
        FontStack().clear();
    }

    void Run(std::string_view text) {
        std::string rest(text);
        while (!rest.empty()) {
            std::string token;
            const size_t lt = rest.find('<');
            if (lt == 0) {
                const size_t gt = rest.find('>');
                if (gt == std::string::npos)
                    throw HtmlParserException("Missing > at " + rest.substr(1));
                token = rest.substr(0, gt + 1);
                rest.erase(0, gt + 1);
            } else {
                token = rest.substr(0, lt);
                rest.erase(0, lt == std::string::npos ? rest.size() : lt);
            }
            Token(token);
        }
    }

    TSize Found() const { return TSize{Width, Height}; }

private:
    void Token(std::string token) {
        if (token.starts_with("\r\n")) {
            Y += S.MeasureLineHeight();
            X = Left;
            LineHeight = 0;
            token.erase(0, 2);
            if (token.empty()) return;
        }
        CurSaved = false;
        if (Tag(UpperCase(token), token)) {
            PrevSaved = CurSaved;
        } else {
            TextRun(token);
        }
    }

    TFont& Font() { return *S.Font(); }
    void SaveFont() {
        FontStack().push_back(FontTag(Font()));
        CurSaved = true;
    }
    void RestoreFont() {
        std::string tag;
        if (!FontStack().empty()) {
            tag = FontStack().back();
            FontStack().pop_back();
        }
        ApplyFontTag(Font(), tag);
    }
    void SetStyle(TFontStyle style, bool on) {
        TFontStyles styles = Font().Style();
        if (on)
            styles.Include(style);
        else
            styles.Exclude(style);
        Font().SetStyle(styles);
    }

    // True when the token is a tag this walk knows.
    bool Tag(const std::string& t, const std::string& original) {
        static const char* const headings[] = {"<H1>", "<H2>", "<H3>", "<H4>", "<H5>", "<H6>"};
        static const int headingSizes[] = {48, 36, 24, 18, 12, 8};
        if (t == "<BR>" || t == "<P>") {
            X = Left;
            LineHeight = 0;
        } else if (t == "<BIG>" || t == "<SMALL>") {
            SaveFont();
            Font().SetSize(Font().Size() + (t == "<BIG>" ? 2 : -2));
        } else if (auto h = std::find(std::begin(headings), std::end(headings), t);
                   h != std::end(headings)) {
            SaveFont();
            Font().SetSize(headingSizes[h - std::begin(headings)]);
        } else if (t == "<SUB>") {
            SaveFont();
            Font().SetSize(Font().Size() / 2);
            Y += S.MeasureLineHeight();
        } else if (t == "</SUB>") {
            RestoreFont();
            Y -= S.MeasureLineHeight();
        } else if (t == "<SUPER>") {
            SaveFont();
            Font().SetSize(Font().Size() / 2);
            Y -= S.MeasureLineHeight() / 2;
        } else if (t == "</SUPER>") {
            RestoreFont();
            Y += S.MeasureLineHeight() / 2;
        } else if (t == "<PRE>") {
            SaveFont();
            ApplyFontTag(Font(), "<FONT NAME=\"COURIER NEW\">");
        } else if (t == "</PRE>" || t.starts_with("</FONT")) {
            RestoreFont();
        } else if (t.starts_with("<FONT ")) {
            SaveFont();
            ApplyFontTag(Font(), t);
        } else if (t == "<CENTER>" || t == "</CENTER>") {
            Centre = t == "<CENTER>";
        } else if (t == "<B>" || t == "<BOLD>" || t == "<STRONG>") {
            SetStyle(fsBold, true);
            StyleStack().push_back(t);
        } else if (t == "<I>" || t == "<U>" || t == "<STRIKE>") {
            SetStyle(t == "<I>" ? fsItalic : t == "<U>" ? fsUnderline : fsStrikeOut, true);
            StyleStack().push_back(t);
        } else if (t == "</B>" || t == "</BOLD>" || t == "</STRONG>") {
            SetStyle(fsBold, false);
        } else if (t == "</I>" || t == "</U>" || t == "</STRIKE>") {
            SetStyle(t == "</I>" ? fsItalic : t == "</U>" ? fsUnderline : fsStrikeOut, false);
        } else if (t == "</>") {
            if (PrevSaved) {
                RestoreFont();
            } else if (!StyleStack().empty()) {
                const std::string last = StyleStack().back();
                StyleStack().pop_back();
                Tag("</" + last.substr(1), original);
            }
        } else if (t == "<HR>") {
            X = Left;
            if (Drawing) {
                S.Pen()->SetStyle(psSolid);
                S.Pen()->SetWidth(1);
                S.Pen()->SetColor(clGray);
                S.DrawHorizontalLine(X, X + 100, Y);
            }
            Y += S.MeasureLineHeight();
        } else if (t.starts_with("<IMG ")) {
            Image(original.substr(5));
        } else {
            return false;
        }
        return true;
    }

    void TextRun(std::string run) {
        run = StringReplace(run, "&lt;", "<", rfReplaceAll);
        run = StringReplace(run, "&gt;", ">", rfReplaceAll);
        run = StringReplace(run, "&amp;", "&", rfReplaceAll);
        run = StringReplace(run, "&quot;", "\"", rfReplaceAll);
        const bool endsLine = run.ends_with("\r\n");
        if (endsLine) run.resize(run.size() - 2);
        if (!run.empty()) {
            const int w = S.MeasureTextWidth(run);
            const int h = S.MeasureTextHeight(run);
            if (Centre) X = (S.PaintBounds().Left + S.PaintBounds().Right) / 2 - w / 2;
            if (LineHeight == 0) {
                LineHeight = S.MeasureLineHeight();
                Y += LineHeight;
            } else if (h < LineHeight) {
                Y += LineHeight - h - 1;
            }
            if (Drawing) S.DrawTextAt(X, Y, run);
            X += w;
            Width = std::max(Width, X);
            LineHeight = std::max(LineHeight, h);
            Height = std::max(Height, LineHeight);
        }
        if (endsLine) {
            LineHeight = 0;
            X = Left;
        }
    }

    void Image(std::string tag) {
        if (tag.starts_with("\r\n")) tag.erase(0, 2);
        if (tag.ends_with(">")) tag.pop_back();
        int width = 0, height = 0;
        std::string source;
        for (const auto& [name, value] : Attributes(tag)) {
            const std::string key = UpperCase(name);
            if (key == "WIDTH")
                width = std::atoi(value.c_str());
            else if (key == "HEIGHT")
                height = std::atoi(value.c_str());
            else if (key == "SRC")
                source = std::string(Unquote(Trim(value)));
        }
        if (source.empty()) return;
        std::unique_ptr<TGraphic> graphic;
        if (PictureForHook() && LoadHook()) {
            const size_t dot = source.find_last_of('.');
            const size_t slash = source.find_last_of("/\\");
            const bool hasExt =
                dot != std::string::npos && (slash == std::string::npos || dot > slash);
            graphic = PictureForHook()(hasExt ? UpperCase(source.substr(dot)) : std::string());
        }
        try {
            if (graphic) {
                TMemoryStream stream;
                if (LoadHook()(source, stream) == 0 && stream.Size() > 0) {
                    stream.SetPosition(0);
                    graphic->LoadFromStream(stream);
                    if (width == 0) width = graphic->Width();
                    if (height == 0) height = graphic->Height();
                    if (Drawing) {
                        if (graphic->Width() == width && graphic->Height() == height)
                            S.DrawGraphic(X, Y, graphic.get());
                        else
                            S.StretchDrawGraphic(TRect{X, Y, X + width, Y + height}, graphic.get());
                    }
                    X += width;
                    Y += height;
                    return;
                }
            }
        } catch (const Exception&) {
            // An image that cannot be read or drawn shows the placeholder.
        }
        if (Drawing) Placeholder(width == 0 ? 40 : width, height == 0 ? 40 : height);
    }

    void Placeholder(int width, int height) {
        S.Brush()->SetStyle(bsSolid);
        S.Brush()->SetColor(clWhite);
        S.Pen()->SetStyle(psSolid);
        S.Pen()->SetWidth(1);
        S.Pen()->SetColor(clRed);
        S.DrawRectangle(X, Y, X + width, Y + height);
        S.DrawLine(X, Y, X + width, Y + height);
        S.DrawLine(X, Y + height, X + width, Y);
    }

    TTeeCanvas& S;
    int Left, X, Y;
    int LineHeight = 0;
    bool Centre = false;
    bool Drawing;
    int Width = 0, Height = 0;
    bool CurSaved = false, PrevSaved = false;
};

}  // namespace

void DrawMarkupText(TTeeCanvas& Surface, int X, int Y, std::string_view Text) {
    TMarkupWalk(Surface, X, Y, true).Run(Text);
}

TSize MeasureMarkupText(TTeeCanvas& Surface, std::string_view Text) {
    TMarkupWalk walk(Surface, 0, 0, false);
    walk.Run(Text);
    return walk.Found();
}

void SetMarkupImageHooks(TMarkupPictureForExtension PictureFor, TMarkupLoadStream Load) {
    PictureForHook() = std::move(PictureFor);
    LoadHook() = std::move(Load);
}

void SetMarkupPictureHook(TMarkupPictureForExtension PictureFor) {
    PictureForHook() = std::move(PictureFor);
}

void SetUrlReadHook(TMarkupLoadStream Load) { LoadHook() = std::move(Load); }

const TMarkupLoadStream& UrlReadHook() { return LoadHook(); }

const std::vector<std::string>& MarkupStyleStack() { return StyleStack(); }
const std::vector<std::string>& MarkupFontStack() { return FontStack(); }
