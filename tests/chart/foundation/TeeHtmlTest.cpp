#include <gtest/gtest.h>

#include "chart/foundation/TeeHtml.h"
#include "platform/graphics/Font.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"
#include "tests/chart/foundation/SurfaceFixture.h"

namespace {

// Fixed metrics: each byte is 10 pixels wide and a text is as high as the font's size. Runs are
// written down with the font they went out in.
class TMarkupCanvas : public TRecordingCanvas3D {
public:
    struct TRun {
        std::string Text;
        int X, Y, Size;
        uint64_t Styles;
        bool operator==(const TRun&) const = default;
        friend void PrintTo(const TRun& r, std::ostream* os) {
            *os << '"' << r.Text << "\" at " << r.X << ',' << r.Y << " size " << r.Size
                << " styles " << r.Styles;
        }
    };
    std::vector<TRun> Runs;
    void DrawTextAt(int X, int Y, std::string_view Text) override {
        Runs.push_back({std::string(Text), X, Y, Font()->Size(), Font()->Style().Mask()});
    }
    int MeasureTextWidth(std::string_view Text) override { return 10 * int(Text.size()); }
    int MeasureTextHeight(std::string_view) override { return Font()->Size(); }
};

struct TMarkup : TSurfaceOnBitmap<TMarkupCanvas> {
    TMarkup() : TSurfaceOnBitmap(10, 10) {
        Surface.Font()->SetName("Tahoma");
        Surface.Font()->SetSize(10);
        Surface.Font()->SetColor(clBlack);
        Surface.Font()->SetStyle({});
    }
};

const uint64_t Plain = 0;
const uint64_t Bold = TFontStyles{fsBold}.Mask();
const uint64_t BoldItalic = TFontStyles{fsBold, fsItalic}.Mask();

TEST(TeeHtmlTest, RunsGoOutWithTheFontTheTagsSet) {
    using TRun = TMarkupCanvas::TRun;
    struct TCase {
        const char* Markup;
        std::vector<TRun> Runs;
    };
    const TCase cases[] = {
        {"a&amp;b", {{"a&b", 0, 0, 10, Plain}}},
        {"&amp;lt;", {{"&lt;", 0, 0, 10, Plain}}},  // decoded once only
        {"<B>x</B>y", {{"x", 0, 0, 10, Bold}, {"y", 10, 0, 10, Plain}}},
        {"<B>x</>y", {{"x", 0, 0, 10, Bold}, {"y", 10, 0, 10, Plain}}},
        {"<BIG>x</>y", {{"x", 0, 0, 12, Plain}, {"y", 10, 1, 10, Plain}}},
        {"<H1>Word</H1>", {{"Word", 0, 0, 48, Plain}, {"</H1>", 40, 0, 48, Plain}}},
        {"ab\r\ncd", {{"ab\r\ncd", 0, 0, 10, Plain}}},
        {"ab<BR>cd", {{"ab", 0, 0, 10, Plain}, {"cd", 0, 10, 10, Plain}}},
        {"<FONT size=+4 color=red>x</FONT>y", {{"x", 0, 0, 14, Plain}, {"y", 10, 3, 10, Plain}}},
        {"<FONT weight=BOLD, ITALIC><SMALL>x</>y",
         {{"x", 0, 1, 8, BoldItalic}, {"y", 10, 1, 10, BoldItalic}}},
    };
    for (const TCase& c : cases) {
        TMarkup f;
        DrawMarkupText(f.Surface, 0, 0, c.Markup);
        EXPECT_EQ(f.Surface.Runs, c.Runs) << c.Markup;
    }
}

TEST(TeeHtmlTest, TextOrMarkupReadsTagsOnlyAsMarkup) {
    TMarkup f;
    f.Surface.DrawTextOrMarkup(3, 4, false, "<B>x</B>");
    f.Surface.DrawTextOrMarkup(3, 4, true, "<B>x</B>");
    ASSERT_EQ(f.Surface.Runs.size(), 2u);
    EXPECT_EQ(f.Surface.Runs[0].Text, "<B>x</B>");
    EXPECT_EQ(f.Surface.Runs[0].Styles, 0u);
    EXPECT_EQ(f.Surface.Runs[1].Text, "x");
    EXPECT_NE(f.Surface.Runs[1].Styles, 0u);
}

TEST(TeeHtmlTest, StacksHoldOneTextsTagsAndSavedFonts) {
    TMarkup f;
    DrawMarkupText(f.Surface, 0, 0, "<B>x</B><I><BIG>y");
    EXPECT_EQ(MarkupStyleStack(), (std::vector<std::string>{"<B>", "<I>"}));
    EXPECT_EQ(MarkupFontStack(),
              (std::vector<std::string>{"<FONT size=10 name=Tahoma color=0 weight=ITALIC>"}));
    // The next text starts afresh: its generic close finds nothing of the last one.
    f.Surface.Runs.clear();
    DrawMarkupText(f.Surface, 0, 0, "</>z");
    EXPECT_TRUE(MarkupStyleStack().empty());
    EXPECT_TRUE(MarkupFontStack().empty());
    ASSERT_EQ(f.Surface.Runs.size(), 1u);
    EXPECT_EQ(f.Surface.Runs[0].Size, 12);  // the surface keeps the font the last text left
}

TEST(TeeHtmlTest, FaultyMarkupRaisesWithItsMessage) {
    struct TCase {
        const char* Markup;
        const char* Message;
        bool Parser;
    };
    const TCase cases[] = {
        {"ab<B", "Missing > at B", true},
        {"<FONT face=Arial>x", "Unknown field in FONT: FACE", false},
        {"<FONT weight=HEAVY>x", "Unknown field in FONT WEIGHT=HEAVY", false},
    };
    for (const TCase& c : cases) {
        TMarkup f;
        try {
            DrawMarkupText(f.Surface, 0, 0, c.Markup);
            ADD_FAILURE() << c.Markup;
        } catch (const HtmlParserException& e) {
            EXPECT_TRUE(c.Parser) << c.Markup;
            EXPECT_EQ(e.Message(), c.Message);
        } catch (const Exception& e) {
            EXPECT_FALSE(c.Parser) << c.Markup;
            EXPECT_EQ(e.Message(), c.Message);
        }
    }
}

TEST(TeeHtmlTest, RuleAndMissingImageDrawOnlyWhenDrawing) {
    {
        TMarkup f;
        DrawMarkupText(f.Surface, 5, 7, "<HR><IMG SRC=\"pic.xyz\">");
        const auto& calls = f.Surface.Calls();
        ASSERT_EQ(calls.size(), 7u);
        EXPECT_EQ(calls[0].Args, (std::vector<int>{5, 7}));  // the rule
        EXPECT_EQ(calls[1].Args, (std::vector<int>{105, 7}));
        EXPECT_EQ(calls[1].PenColor, clGray);
        EXPECT_EQ(calls[2].Op, "Rectangle");  // the placeholder, one line lower
        EXPECT_EQ(calls[2].Args, (std::vector<int>{5, 17, 45, 57}));
        EXPECT_EQ(calls[2].PenColor, clRed);
        EXPECT_EQ(calls[2].BrushColor, clWhite);
    }
    {
        TMarkup f;
        const TSize size = MeasureMarkupText(f.Surface, "<HR><IMG SRC=\"pic.xyz\">ab<BR>c");
        EXPECT_TRUE(f.Surface.Calls().empty());
        EXPECT_TRUE(f.Surface.Runs.empty());
        EXPECT_EQ(size.cx, 20);
        EXPECT_EQ(size.cy, 10);  // one line's height
    }
}

}  // namespace
