// The print preview dialog on a chart: margins refused when they meet the opposite one, the
// proportional switch and Reset Margins, the printer forced to landscape at every showing, the
// Detail slider changing the preview, the dialog without printers, and the program's
// "Print to PDF file" printer reached by a click on Print, its file read by an independent reader.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/AxisTitle.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/LineSeries.h"
#include "chart/export/PrintPreview.h"
#include "chart/export/PrintPreviewDialog.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Printer.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ProgramPrinters.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/PdfTools.h"
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

// The paper lies on a ground that shades from the top-left corner into gray and casts a gray
// shadow 4 pixels wide.
TEST_F(PrintPreviewDialogTest, ThePaperLiesOnAShadedGround) {
    Dialog.Show();
    TTeePreviewPanel& preview = *Dialog.TeePreviewPanel1;
    const int w = preview.Width();
    const int h = preview.Height();
    TBitmap bitmap;
    bitmap.SetSize(w, h);
    preview.Draw(bitmap.Canvas(), TRect{0, 0, w, h});
    auto at = [&](int x, int y) { return ColorToRGB(bitmap.Canvas()->Pixel(x, y)); };
    auto nearGray = [](TColor c) {
        for (int shift : {0, 8, 16})
            if (std::abs(int((c >> shift) & 0xFF) - 0x80) > 24) return false;
        return true;
    };
    const TColor corner = at(2, 2);
    const TColor farCorner = at(w - 12, h - 12);
    EXPECT_NE(corner, farCorner);
    EXPECT_TRUE(nearGray(corner) != nearGray(farCorner)) << std::hex << corner << " " << farCorner;
    // The ground's shadow: gray, 4 pixels each way.
    const TTeeShadow& shadow = *preview.Shadow();
    EXPECT_TRUE(shadow.Visible());
    EXPECT_EQ(shadow.Color(), clGray);
    EXPECT_EQ(shadow.HorizSize(), 4);
    EXPECT_EQ(shadow.VertSize(), 4);
    EXPECT_EQ(preview.Gradient()->EndColor(), clGray);
}

// The preview draws the chart at the size it prints at: finer detail lays the chart out larger
// before it is scaled onto the paper, so what the paper shows changes, and only within the
// chart's rectangle.
TEST_F(PrintPreviewDialogTest, DetailChangesWhatThePreviewShows) {
    Chart.Title()->SetCaption("Spectral emissivity of a cylindrical cavity");
    Dialog.Show();
    TTeePreviewPanel& preview = *Dialog.TeePreviewPanel1;
    const TRect client{0, 0, preview.Width(), preview.Height()};
    auto shot = [&] {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(client.Right, client.Bottom);
        preview.Draw(bitmap->Canvas(), client);
        return bitmap;
    };
    ASSERT_EQ(Dialog.Resolution->Position(), 100);  // "Normal"
    const auto normal = shot();
    Dialog.Resolution->SetPosition(20);
    ASSERT_EQ(Chart.PrintResolution(), -80);
    const auto finer = shot();
    const TRect chart = preview.MarginsRect();
    int inside = 0, outside = 0;
    for (int y = 0; y < client.Bottom; ++y)
        for (int x = 0; x < client.Right; ++x) {
            if (normal->Canvas()->Pixel(x, y) == finer->Canvas()->Pixel(x, y)) continue;
            const bool in =
                x >= chart.Left && x < chart.Right && y >= chart.Top && y < chart.Bottom;
            ++(in ? inside : outside);
        }
    EXPECT_GT(inside, 100);
    EXPECT_EQ(outside, 0);
    // Back to normal, the preview is as it was.
    Dialog.Resolution->SetPosition(100);
    const auto again = shot();
    int changed = 0;
    for (int y = 0; y < client.Bottom; ++y)
        for (int x = 0; x < client.Right; ++x)
            changed += normal->Canvas()->Pixel(x, y) != again->Canvas()->Pixel(x, y);
    EXPECT_EQ(changed, 0);
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

// The program's printers; the "Print to PDF file" one chosen, a real click on Print asks for
// the file and prints the chart into it as text and shapes; a cancelled file dialog prints
// nothing.
TEST(PrintPreviewDialogPrinting, PrintClickWritesTheChartsTextsIntoAPdfFile) {
    LoadCoreTexts();
    FoundationUnitStartup();
    ChartEngineUnitStartup();
    const TTempDir dir;
    TPrinter printers;
    AddProgramPrinters(printers);
    const std::vector<std::string> names = printers.Printers();
    ASSERT_FALSE(names.empty());
    ASSERT_EQ(names.back(), "Print to PDF file");
    printers.SetPrinterIndex(int(names.size()) - 1);
    TPrinter* former = SetPrinter(&printers);
    struct TRestore {
        TPrinter* printer;
        ~TRestore() { SetPrinter(printer); }
    } restore{former};
    TRecordingDialogService dialogs;

    TChart chart{nullptr};
    chart.SetName("CavityChart");
    chart.SetBounds(0, 0, 500, 350);
    chart.Title()->SetCaption("Cavity emissivity");
    chart.LeftAxis()->Title()->SetCaption("Emissivity");
    chart.BottomAxis()->Title()->SetCaption("Wavelength");
    for (const char* title : {"Cylinder", "Cone"}) {
        auto* line = new TLineSeries(&chart);
        chart.AddSeries(line);
        line->SetTitle(title);
        for (const char* label : {"Short", "Middle", "Long"})
            line->AddY(line->Count() + 1.0, label);
    }
    TChartPreview dialog{nullptr};
    dialog.SetTagObject(&chart);
    dialog.Show();
    ASSERT_TRUE(dialog.BPrint->Enabled());
    EXPECT_EQ(dialog.CBPrinters->Items()->Count(), int(names.size()));
    EXPECT_EQ(dialog.CBPrinters->Items()->Strings(dialog.CBPrinters->ItemIndex()),
              "Print to PDF file");

    const std::string file = dir.File("printed.pdf");
    dialogs.FileAnswers.push_back({file});
    const QPoint middle(dialog.BPrint->Width() / 2, dialog.BPrint->Height() / 2);
    TUserInput().Click(dialog.BPrint, middle);
    ASSERT_EQ(dialogs.FileRequests.size(), 1u);
    EXPECT_TRUE(dialogs.FileRequests[0].Save);
    EXPECT_EQ(dialogs.FileRequests[0].Title, "Print to PDF file");
    EXPECT_FALSE(printers.Printing());

    ExpectTextAndShapesOnly(file, {"Cavity emissivity", "Emissivity", "Wavelength", "Short",
                                   "Middle", "Long", "Cylinder", "Cone"});

    // Cancelling the file dialog prints nothing and leaves the printer idle.
    const std::string second = dir.File("second.pdf");
    TUserInput().Click(dialog.BPrint, middle);
    EXPECT_EQ(dialogs.FileRequests.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(second));
    EXPECT_FALSE(printers.Printing());
    dialog.Hide();
}

}  // namespace
