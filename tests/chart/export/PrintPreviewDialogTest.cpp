// The print preview dialog on a chart: margins refused when they meet the opposite one, the
// proportional switch and Reset Margins, the printer forced to landscape at every showing, and
// the dialog without printers.
#include <gtest/gtest.h>

#include <memory>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/export/PrintPreview.h"
#include "chart/export/PrintPreviewDialog.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/graphics/Printer.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"
#include "tests/support/TempDir.h"

namespace {

// The preview's mouse handlers, reached through member pointers of the panel's own class.
class TPreviewMouse : public TTeePreviewPanel {
public:
    static void Press(TTeePreviewPanel& p, int x, int y) {
        (p.*&TPreviewMouse::MouseDown)(mbLeft, {}, x, y);
    }
    static void Move(TTeePreviewPanel& p, int x, int y) {
        (p.*&TPreviewMouse::MouseMove)({}, x, y);
    }
};

class PrintPreviewDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        LoadCoreTexts();
        FoundationUnitStartup();
        ChartEngineUnitStartup();
    }
    void SetUp() override {
        Printers.AddDevice(std::make_unique<TPdfPrinterDevice>("PDF", Dir.File("p.pdf"), 100));
        Old = SetPrinter(&Printers);
        Chart.SetBounds(0, 0, 300, 200);
        Chart.SetPrintProportional(false);
        Chart.SetPrintMargins(TRect{10, 20, 10, 20});
        Dialog.SetTagObject(&Chart);
    }
    void TearDown() override {
        Dialog.Hide();
        SetPrinter(Old);
    }

    TTempDir Dir;
    TPrinter Printers;
    TPrinter* Old = nullptr;
    TChart Chart{nullptr};
    TChartPreview Dialog{nullptr};
};

TEST_F(PrintPreviewDialogTest, MarginsMeetingTheOppositeOneAreRefused) {
    Dialog.Show();
    EXPECT_EQ(Dialog.UDTopMa->Position(), 20);
    EXPECT_EQ(Dialog.UDLeftMa->Position(), 10);
    Dialog.UDTopMa->SetPosition(60);
    EXPECT_EQ(Chart.PrintMargins().Top, 60);
    EXPECT_TRUE(Dialog.BReset->Enabled());
    Dialog.UDBotMa->SetPosition(40);
    EXPECT_EQ(Chart.PrintMargins().Bottom, 20);
    EXPECT_EQ(Dialog.UDBotMa->Position(), 20);
    Dialog.UDBotMa->SetPosition(39);
    EXPECT_EQ(Chart.PrintMargins().Bottom, 39);

    // Reset gives back the margins the dialog was shown with.
    Dialog.BReset->Click();
    EXPECT_EQ(Chart.PrintMargins(), (TRect{10, 20, 10, 20}));
    EXPECT_EQ(Dialog.UDBotMa->Position(), 20);
    EXPECT_FALSE(Dialog.BReset->Enabled());
}

TEST_F(PrintPreviewDialogTest, ProportionalReplacesTheMargins) {
    Dialog.Show();
    EXPECT_FALSE(Dialog.CBProp->Checked());
    Dialog.CBProp->SetChecked(true);
    EXPECT_TRUE(Chart.PrintProportional());
    EXPECT_EQ(Chart.PrintMargins(), Chart.ProportionalPrintMargins());
    EXPECT_EQ(Dialog.UDLeftMa->Position(), Chart.PrintMargins().Left);
    EXPECT_FALSE(Dialog.BReset->Enabled());
    Dialog.CBProp->SetChecked(false);
    EXPECT_TRUE(Dialog.BReset->Enabled());

    // Dragging a margin in the preview clears it and shows the new margins.
    Dialog.CBProp->SetChecked(true);
    TTeePreviewPanel& preview = *Dialog.TeePreviewPanel1;
    preview.CalcPaperRect();
    const TRect m = preview.MarginsRect();
    TPreviewMouse::Press(preview, m.Left, m.Top + 30);
    TPreviewMouse::Move(preview, preview.PaperRect().Left, m.Top + 30);
    EXPECT_FALSE(Dialog.CBProp->Checked());
    EXPECT_FALSE(Chart.PrintProportional());
    EXPECT_EQ(Dialog.UDLeftMa->Position(), 0);
}

TEST_F(PrintPreviewDialogTest, EveryShowingTurnsThePrinterToLandscape) {
    Dialog.Show();
    EXPECT_EQ(Printers.Orientation(), poLandscape);
    EXPECT_EQ(Dialog.Orientation->ItemIndex(), 1);
    Dialog.Orientation->SetItemIndex(0);
    EXPECT_EQ(Printers.Orientation(), poPortrait);
    Dialog.Hide();
    Dialog.Show();
    EXPECT_EQ(Printers.Orientation(), poLandscape);

    // Detail: the right end is normal (0), the left end the most (-100).
    Dialog.Resolution->SetPosition(40);
    EXPECT_EQ(Chart.PrintResolution(), -60);
}

TEST_F(PrintPreviewDialogTest, WithoutPrintersItStillPreviews) {
    TPrinter none;
    SetPrinter(&none);
    Dialog.Show();
    EXPECT_FALSE(Dialog.BPrint->Enabled());
    EXPECT_FALSE(Dialog.BSetupPrinter->Enabled());
    EXPECT_FALSE(Dialog.Orientation->Enabled());
    Dialog.TeePreviewPanel1->CalcPaperRect();
    EXPECT_GT(Dialog.TeePreviewPanel1->PaperRect().Width(), 0);
    Dialog.Hide();
    SetPrinter(&Printers);
}

}  // namespace
