#include <gtest/gtest.h>

#include <QTabBar>
#include <QWidget>

#include "platform/ui/Form.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
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

}  // namespace
