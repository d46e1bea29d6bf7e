#include <gtest/gtest.h>

#include "platform/graphics/Font.h"
#include "platform/ui/FontDialog.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/RecordingDialogService.h"
#include "tests/support/OffscreenApplication.h"

namespace {

TEST(InputQuery, AnswerReplacesTheValueAndCancelKeepsIt) {
    TRecordingDialogService dialogs;
    dialogs.InputAnswers = {"Series 7", std::nullopt, std::nullopt};
    std::string title = "Series1";
    EXPECT_TRUE(InputQuery("Change Series Title", "New Series Title:", title));
    EXPECT_EQ(title, "Series 7");
    EXPECT_FALSE(InputQuery("Change Series Title", "New Series Title:", title));
    EXPECT_EQ(title, "Series 7");
    EXPECT_EQ(InputBox("New Chart", "Chart Name:", "Chart1"), "Chart1");
    ASSERT_EQ(dialogs.InputQueries.size(), 3u);
    EXPECT_EQ(dialogs.InputQueries[0].Caption, "Change Series Title");
    EXPECT_EQ(dialogs.InputQueries[0].Prompt, "New Series Title:");
    EXPECT_EQ(dialogs.InputQueries[1].Value, "Series 7");  // the preset shown
}

TEST(FontDialog, OkTakesTheChoiceAndCancelLeavesTheFont) {
    TRecordingDialogService dialogs;
    dialogs.FontAnswers = {[](TFont& f) {
                               EXPECT_EQ(f.Name(), "Arial");  // the dialog starts at Font
                               f.SetSize(14);
                               f.SetStyle({fsBold});
                               return true;
                           },
                           [](TFont& f) {
                               f.SetName("Courier New");
                               return false;
                           }};
    TFontDialog dialog(nullptr);
    dialog.Font()->SetName("Arial");
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Font()->Size(), 14);
    EXPECT_EQ(dialog.Font()->Style(), TFontStyles{fsBold});
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Font()->Name(), "Arial");
}

// Two devices in a printer of the test's own, in force while the fixture lives.
struct TPrinterFixture {
    TRecordingDialogService dialogs;
    TPrinter printer;
    TPrinter* former;
    TPrinterFixture() {
        printer.AddDevice(std::make_unique<TPdfPrinterDevice>("First", ""));
        printer.AddDevice(std::make_unique<TPdfPrinterDevice>("Second", ""));
        former = SetPrinter(&printer);
    }
    ~TPrinterFixture() { SetPrinter(former); }
};

TEST(PrintDialogs, SetupChoosesThePrinterAndOrientation) {
    TPrinterFixture f;
    f.dialogs.PrintAnswers = {[](TPrintDialogRequest& r) {
                                  r.PrinterIndex = 1;
                                  r.Orientation = poLandscape;
                                  return true;
                              },
                              [](TPrintDialogRequest& r) {
                                  r.PrinterIndex = 0;
                                  return false;
                              }};
    TPrinterSetupDialog setup(nullptr);
    EXPECT_TRUE(setup.Execute());
    EXPECT_FALSE(setup.Execute());
    EXPECT_EQ(f.printer.PrinterIndex(), 1);
    EXPECT_EQ(f.printer.Orientation(), poLandscape);
    const TPrintDialogRequest& asked = f.dialogs.PrintRequests.at(0);
    EXPECT_TRUE(asked.Setup);
    EXPECT_EQ(asked.Printers, (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(asked.PrinterIndex, 0);
    EXPECT_EQ(f.dialogs.PrintRequests.at(1).Orientation, poLandscape);
}

TEST(PrintDialogs, PrintDialogAsksThePagesAndKeepsTheRangeInBounds) {
    const struct {
        int from, to;
        int wantFrom, wantTo;
    } cases[] = {{2, 3, 2, 3}, {0, 9, 1, 5}, {4, 2, 4, 4}};
    for (const auto& c : cases) {
        TPrinterFixture f;
        TPrintDialog dialog(nullptr);
        dialog.SetMinPage(1);
        dialog.SetMaxPage(5);
        dialog.SetFromPage(1);
        dialog.SetToPage(5);
        dialog.SetOptions({poPageNums});
        f.dialogs.PrintAnswers = {[&](TPrintDialogRequest& r) {
            r.PrintRange = prPageNums;
            r.FromPage = c.from;
            r.ToPage = c.to;
            r.Copies = 2;
            return true;
        }};
        ASSERT_TRUE(dialog.Execute());
        EXPECT_EQ(dialog.PrintRange(), prPageNums);
        EXPECT_EQ(dialog.FromPage(), c.wantFrom) << c.from << ".." << c.to;
        EXPECT_EQ(dialog.ToPage(), c.wantTo) << c.from << ".." << c.to;
        EXPECT_EQ(dialog.Copies(), 2);
        const TPrintDialogRequest& asked = f.dialogs.PrintRequests.at(0);
        EXPECT_FALSE(asked.Setup);
        EXPECT_EQ(asked.MaxPage, 5);
        EXPECT_EQ(asked.Options, TPrintDialogOptions{poPageNums});
    }
}

}  // namespace
