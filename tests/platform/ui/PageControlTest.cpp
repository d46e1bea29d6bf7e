#include <gtest/gtest.h>

#include <QTabBar>
#include <QWidget>

#include "platform/graphics/Colors.h"
#include "platform/ui/Form.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/OffscreenApplication.h"

namespace {

struct TPagesFixture {
    TForm form{nullptr};
    TPageControl* pages = new TPageControl(&form);
    std::vector<TTabSheet*> sheets;
    TPagesFixture() {
        pages->SetParent(&form);
        for (const char* caption : {"Cavity", "Temperatures", "Wavelengths"}) {
            auto* sheet = new TTabSheet(&form);
            sheet->SetPageControl(pages);
            sheet->SetCaption(caption);
            sheets.push_back(sheet);
        }
    }
};

TEST(PageControl, EverySheetTakesTheDisplayAreaBeforeTheFormIsShown) {
    TPagesFixture f;
    auto* plot = new TPanel(&f.form);  // laid out on a page that is not current
    plot->SetParent(f.sheets[2]);
    plot->SetAlign(alClient);
    f.pages->SetBounds(0, 0, 400, 300);
    ASSERT_FALSE(f.form.Showing());
    const TRect display = f.pages->DisplayRect();
    EXPECT_GT(display.Top, 2);  // below the tabs
    EXPECT_GT(display.Width(), 380);
    for (TTabSheet* sheet : f.sheets) EXPECT_EQ(sheet->BoundsRect(), display) << sheet->Caption();
    EXPECT_EQ(plot->Width(), display.Width());
    EXPECT_EQ(plot->Height(), display.Height());

    f.pages->SetBounds(0, 0, 500, 350);  // and each resize after
    EXPECT_EQ(f.sheets[1]->Width(), f.pages->DisplayRect().Width());
    EXPECT_EQ(plot->Height(), f.pages->DisplayRect().Height());

    // A page control without tabs gives the pages the whole area inside the frame.
    for (TTabSheet* sheet : f.sheets) sheet->SetTabVisible(false);
    EXPECT_EQ(f.sheets[0]->BoundsRect(), Rect(2, 2, 498, 348));
    EXPECT_EQ(f.sheets[2]->BoundsRect(), Rect(2, 2, 498, 348));
}

TEST(PageControl, OnChangingMayKeepThePage) {
    TPagesFixture f;
    f.form.Show();
    bool allow = false;
    int changes = 0;
    f.pages->OnChanging = [&](TObject*, bool& allowChange) { allowChange = allow; };
    f.pages->OnChange = [&](TObject*) { ++changes; };
    auto* tabs = f.pages->Widget()->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(2);  // as a click on the tab does
    EXPECT_EQ(f.pages->ActivePage(), f.sheets[0]);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(changes, 0);
    allow = true;
    tabs->setCurrentIndex(2);
    EXPECT_EQ(f.pages->ActivePage(), f.sheets[2]);
    EXPECT_EQ(changes, 1);
}

TEST(PageControl, OnlyTheActivePageShows) {
    TPagesFixture f;
    f.form.Show();
    f.pages->SetActivePageIndex(1);
    EXPECT_FALSE(f.sheets[0]->Showing());
    EXPECT_TRUE(f.sheets[1]->Showing());
    EXPECT_FALSE(f.sheets[2]->Showing());
    f.pages->SetActivePage(nullptr);
    for (TTabSheet* sheet : f.sheets) EXPECT_FALSE(sheet->Showing());
}

TEST(PageControl, EmbeddedFormsGetOnShowEachTimeTheirSheetShows) {
    TPagesFixture f;
    std::vector<std::string> log;
    auto embed = [&](TTabSheet* sheet, const std::string& name) {
        auto* inner = new TForm(&f.form);
        inner->SetBorderStyle(bsNone);
        inner->SetParent(sheet);
        inner->SetAlign(alClient);
        inner->OnShow = [&log, name](TObject*) { log.push_back("show " + name); };
        inner->OnHide = [&log, name](TObject*) { log.push_back("hide " + name); };
        inner->Show();
        return inner;
    };
    TForm* first = embed(f.sheets[0], "first");
    embed(f.sheets[1], "second");
    EXPECT_TRUE(log.empty());  // nothing shows before the form does
    f.form.Show();
    EXPECT_EQ(log, std::vector<std::string>{"show first"});
    EXPECT_EQ(first->BoundsRect(), Rect(0, 0, f.sheets[0]->Width(), f.sheets[0]->Height()));

    log.clear();
    auto* tabs = f.pages->Widget()->findChild<QTabBar*>();
    tabs->setCurrentIndex(1);  // the user goes to the second page and back
    tabs->setCurrentIndex(0);
    f.pages->SetActivePageIndex(1);  // and code does the same
    f.pages->SetActivePageIndex(0);
    EXPECT_EQ(log,
              (std::vector<std::string>{"hide first", "show second", "hide second", "show first",
                                        "hide first", "show second", "hide second", "show first"}));
}

QTabBar* TabBarOf(TPageControl* pages) { return pages->Widget()->findChild<QTabBar*>(); }

void ClickTab(TPageControl* pages, int tab) {
    QTabBar* bar = TabBarOf(pages);
    TUserInput input;
    input.Click(pages, bar->mapTo(pages->Widget(), bar->tabRect(tab).center()));
}

TEST(PageControl, TheUserChangesPagesAndOnChangingMayRefuse) {
    TPagesFixture f;
    f.pages->SetBounds(0, 0, 400, 300);
    bool allow = true;
    std::vector<std::string> seen;
    f.pages->OnChanging = [&](TObject*, bool& a) {
        seen.push_back("changing from " + f.pages->ActivePage()->Caption());
        a = allow;
    };
    f.pages->OnChange = [&](TObject*) {
        seen.push_back("change to " + f.pages->ActivePage()->Caption());
    };
    f.form.Show();
    ClickTab(f.pages, 2);
    EXPECT_EQ(f.pages->ActivePage(), f.sheets[2]);
    allow = false;
    ClickTab(f.pages, 1);  // refused: the page stays, and so does its tab
    EXPECT_EQ(f.pages->ActivePage(), f.sheets[2]);
    EXPECT_EQ(TabBarOf(f.pages)->currentIndex(), 2);
    EXPECT_TRUE(f.sheets[2]->Showing());
    EXPECT_FALSE(f.sheets[1]->Showing());
    ClickTab(f.pages, 2);            // the tab of the page already shown asks nothing
    f.pages->SetActivePageIndex(0);  // from code: no events
    EXPECT_EQ(TabBarOf(f.pages)->currentIndex(), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"changing from Cavity", "change to Wavelengths",
                                              "changing from Wavelengths"}));

    // With a hidden tab before it, a refusal still goes back to the right tab.
    allow = true;
    f.sheets[0]->SetTabVisible(false);
    f.pages->SetActivePage(f.sheets[2]);
    allow = false;
    ClickTab(f.pages, 0);
    EXPECT_EQ(f.pages->ActivePage(), f.sheets[2]);
    EXPECT_EQ(TabBarOf(f.pages)->currentIndex(), 1);
}

TEST(PageControl, APageTakenOutComesBackToItsPlace) {
    TPagesFixture f;
    f.pages->SetActivePage(f.sheets[1]);
    TPanel panel(nullptr);
    f.sheets[0]->SetParent(&panel);  // a page shown elsewhere for a while
    EXPECT_EQ(f.sheets[0]->PageIndex(), -1);
    EXPECT_EQ(f.pages->PageCount(), 2);
    EXPECT_EQ(f.pages->ActivePage(), f.sheets[1]);
    f.sheets[0]->SetPageControl(f.pages);
    f.sheets[0]->SetPageIndex(0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.pages->Pages(i), f.sheets[size_t(i)]);
    EXPECT_EQ(TabBarOf(f.pages)->tabText(0), "Cavity");
    EXPECT_EQ(TabBarOf(f.pages)->currentIndex(), 1);
    f.sheets[0]->SetPageIndex(9);
    EXPECT_EQ(f.sheets[0]->PageIndex(), 2);
}

TEST(PageControl, HighlightedTabsAreDrawnOnTheHighlightColour) {
    TPagesFixture f;
    f.pages->SetBounds(0, 0, 400, 300);
    f.form.Show();
    QTabBar* bar = TabBarOf(f.pages);
    const TColor rgb = ColorToRGB(clHighlight);
    const QColor highlight(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
    // A point inside the tab, clear of its text and its edges.
    auto pixelOf = [&](int tab) {
        const QRect r = bar->tabRect(tab);
        return bar->grab().toImage().pixelColor(r.left() + 4, r.top() + 4);
    };
    for (int tab = 0; tab < 3; ++tab) EXPECT_NE(pixelOf(tab), highlight) << tab;
    f.sheets[1]->SetHighlighted(true);  // not the active page: highlighting is per tab
    EXPECT_TRUE(f.sheets[1]->Highlighted());
    EXPECT_EQ(pixelOf(1), highlight);
    EXPECT_NE(pixelOf(0), highlight);
    f.sheets[1]->SetHighlighted(false);
    EXPECT_NE(pixelOf(1), highlight);
}

}  // namespace
