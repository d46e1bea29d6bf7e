// The banner's scrolling and blinking on the manual clock, and the link's address, its click
// (opened through a recording opener, the chart's other handling stopped), its hint; both
// streamed and edited.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/foundation/TeeFont.h"
#include "chart/tools/annotation/BannerEditor.h"
#include "chart/tools/annotation/BannerTool.h"
#include "chart/tools/annotation/LinkTool.h"
#include "chart/tools/annotation/LinkToolEditor.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DocumentOpener.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolEditorLoad.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

TEST(BannerTool, ScrollsAtOnceRightToLeftAndBlinksOnlyWhenAsked) {
    TToolBench bench;
    auto* banner = bench.AddTool<TBannerTool>();
    banner->SetText("Banner text");
    bench.Render();
    const int width = banner->Width();
    ASSERT_GT(width, 0);
    EXPECT_TRUE(banner->Scroll());
    EXPECT_FALSE(banner->Blink());
    bench.Clock.Advance(49);
    EXPECT_EQ(banner->ScrollOffset(), 0);
    bench.Clock.Advance(1);
    EXPECT_EQ(banner->ScrollOffset(), -5);
    bench.Clock.Advance(100);
    EXPECT_EQ(banner->ScrollOffset(), -15);
    EXPECT_EQ(banner->TextHorizOffset(), -15 + width);
    // Past twice the width it starts again.
    bench.Clock.Advance(50 * (2 * width / 5));
    EXPECT_GE(banner->ScrollOffset(), -2 * width);
    EXPECT_LE(banner->ScrollOffset(), 0);
    // A new direction starts from home.
    banner->SetScrollDirection(sdLeftRight);
    EXPECT_EQ(banner->ScrollOffset(), 0);
    bench.Clock.Advance(50);
    EXPECT_EQ(banner->ScrollOffset(), 5);
    EXPECT_EQ(banner->TextHorizOffset(), 5 - width);
    banner->SetScroll(false);
    EXPECT_EQ(banner->TextHorizOffset(), 0);
    EXPECT_TRUE(banner->Shown());
}

TEST(BannerTool, BlinksOnAndOffForItsOwnDelays) {
    TToolBench bench;
    auto* banner = bench.AddTool<TBannerTool>();
    banner->SetText("Blink");
    banner->SetScroll(false);
    banner->SetBlinkDelayOn(1000);
    banner->SetBlinkDelayOff(250);
    bench.Render();
    const std::vector<uint8_t> shown = bench.FrontPixels();
    banner->SetBlink(true);
    const struct {
        int Advance;
        bool Shown;
    } steps[] = {{999, true}, {1, false}, {249, false}, {1, true}, {999, true}, {1, false}};
    for (const auto& s : steps) {
        bench.Clock.Advance(s.Advance);
        EXPECT_EQ(banner->Shown(), s.Shown) << "at " << bench.Clock.Now();
    }
    bench.Render();
    EXPECT_NE(bench.FrontPixels(), shown);
    bench.Clock.Advance(250);
    bench.Render();
    EXPECT_EQ(bench.FrontPixels(), shown);
}

TEST(BannerTool, StreamedAndEdited) {
    TToolBench bench;
    auto* banner = bench.AddTool<TBannerTool>();
    banner->SetText("News");
    banner->SetBlink(true);
    banner->SetBlinkDelayOn(700);
    banner->SetBlinkDelayOff(300);
    banner->SetScroll(false);
    banner->SetScrollDelay(80);
    banner->SetScrollDirection(sdLeftRight);
    ExpectToolRoundTrips(bench, *banner);
    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TBannerEditor>(bench, *banner, owner);
    EXPECT_EQ(editor->PageControl1->ActivePage(), editor->TabBanner);
    EXPECT_EQ(editor->TabBanner->PageIndex(), 0);
    EXPECT_TRUE(editor->CBBlink->Checked());
    EXPECT_EQ(editor->Edit3->Text(), "700");
    editor->CBScroll->SetChecked(true);
    EXPECT_TRUE(banner->Scroll());
    editor->Edit2->SetText("120");
    EXPECT_EQ(banner->ScrollDelay(), 120);
}

// Notes the addresses instead of opening them.
class TRecordingOpener : public IDocumentOpener {
public:
    TRecordingOpener() : FFormer(SetDocumentOpener(this)) {}
    ~TRecordingOpener() override { SetDocumentOpener(FFormer); }
    bool Open(const std::string& address) override {
        Opened.push_back(address);
        return true;
    }
    std::vector<std::string> Opened;

private:
    IDocumentOpener* FFormer;
};

TEST(LinkTool, AddressTextAndTarget) {
    TToolBench bench;
    auto* link = bench.AddTool<TLinkTool>();
    link->SetURL("https://example.org/a");
    EXPECT_EQ(link->Text(), "https://example.org/a");
    link->SetText("Example");
    link->SetURL("https://example.org/b");
    EXPECT_EQ(link->Text(), "Example");
    const struct {
        const char* URL;
        const char* Text;
        const char* Target;
    } cases[] = {
        {"  https://a.example  ", "Anything", "https://a.example"},
        {"", "  www.Example.org ", "www.Example.org"},
        {"", "HTTP://Q.example", "HTTP://Q.example"},
        {"", "http://q.example", "http://q.example"},
        {"", "Example", ""},
    };
    for (const auto& c : cases) {
        auto* l = bench.AddTool<TLinkTool>();
        l->SetText(c.Text);
        l->SetURL(c.URL);
        EXPECT_EQ(l->Target(), c.Target) << c.Text;
    }
}

TEST(LinkTool, AClickOpensTheAddressAndStopsTheChartsOwnHandling) {
    TToolBench bench;
    TRecordingOpener opener;
    auto* link = bench.AddTool<TLinkTool>();
    link->SetText(" www.example.org ");
    link->SetHint("Go there");
    bench.Render();
    const TRect box = link->ShapeBounds();
    const int x = (box.Left + box.Right) / 2, y = (box.Top + box.Bottom) / 2;
    // The hint while over it, the chart's own back outside.
    bench.Chart().SetHint("chart hint");
    bench.Move(x, y);
    EXPECT_EQ(bench.Chart().Hint(), "Go there");
    ASSERT_FALSE(bench.Hints.Shown.empty());
    EXPECT_EQ(bench.Hints.Shown.back().HintStr, "Go there");
    bench.Move(300, 250);
    EXPECT_EQ(bench.Chart().Hint(), "chart hint");
    bench.Press(x, y);
    bench.Release(x, y);
    EXPECT_EQ(opener.Opened, (std::vector<std::string>{"http://www.example.org"}));
    // An ordinary word opens nothing, and the click is still the link's.
    link->SetText("Example");
    bench.Render();
    const TRect word = link->ShapeBounds();
    bench.Drag(word.Left + 2, word.Top + 2, 250, 200);
    EXPECT_EQ(opener.Opened.size(), 1u);
    EXPECT_EQ(bench.Bottom().Minimum(), 0);
}

TEST(LinkTool, LooksLikeALinkStreamedAndEdited) {
    TToolBench bench;
    auto* link = bench.AddTool<TLinkTool>();
    EXPECT_EQ(link->Cursor(), -21);
    EXPECT_TRUE(link->Shape()->Transparent());
    EXPECT_EQ(link->Shape()->Font()->Color(), TColor(0x800000));
    link->SetURL("https://example.org");
    link->SetHint("A hint");
    ExpectToolRoundTrips(bench, *link);
    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TLinkToolEditor>(bench, *link, owner);
    EXPECT_EQ(editor->EURL->Text(), "https://example.org");
    EXPECT_EQ(editor->EHint->Text(), "A hint");
    bench.Clock.Advance(1);
    EXPECT_EQ(editor->PageControl1->ActivePage(), editor->TabLink);
    editor->EHint->SetText("Another");
    EXPECT_EQ(link->Hint(), "Another");
    editor->EText->SetText("Text");
    EXPECT_EQ(link->Text(), "Text");
}

}  // namespace
