// The export dialog: the buttons each tab and format allow, the aspect-locked size, the data
// filter arithmetic, and saving a picture, a native stream and data through scripted dialogs.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/LineSeriesClasses.h"
#include "chart/export/ChartPictureExport.h"
#include "chart/export/ChartStream.h"
#include "chart/export/ExportDialog.h"
#include "chart/export/PictureExportOptions.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "gif/GIFFormat.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/UpDown.h"
#include "tests/support/TempDir.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class ExportDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterStandardGraphicFormats();
        RegisterGIFImageFormat();
        LoadCoreTexts();
        LoadExtendedTexts();
        FoundationUnitStartup();
        ChartEngineUnitStartup();
        RegisterLineSeriesClasses();
        PictureExportUnitStartup();
    }
    void SetUp() override {
        Chart.SetBounds(0, 0, 400, 200);
        auto* line = new TLineSeries(&Chart);
        Chart.AddSeries(line);
        line->SetTitle("EE");
        line->AddY(0.5);
        line->AddY(0.75);
        Form.SetTagObject(&Chart);
        Form.Show();
    }
    void TearDown() override { Form.Hide(); }

    void Buttons(bool copy, bool save, bool send) {
        EXPECT_EQ(Form.BCopy->Enabled(), copy);
        EXPECT_EQ(Form.BSave->Enabled(), save);
        EXPECT_EQ(Form.BSend->Enabled(), send);
    }

    TTempDir Dir;
    TRecordingDialogService Dialogs;
    TChart Chart{nullptr};
    TTeeExportForm Form{nullptr};
};

TEST_F(ExportDialogTest, ButtonsFollowTabAndFormat) {
    Buttons(true, true, true);
    Form.PageControl1->SetActivePage(Form.TabData);
    Form.EnableButtons();
    Buttons(true, true, true);
    Form.RGText->SetItemIndex(3);  // Excel: no copy
    Buttons(false, true, true);
    Form.PageControl1->SetActivePage(Form.TabNative);
    Form.EnableButtons();
    Buttons(false, true, true);
    EXPECT_FALSE(Form.BViewNative->Enabled());
    Form.CBNativeFormat->SetItemIndex(1);
    Buttons(true, true, true);
    EXPECT_TRUE(Form.BViewNative->Enabled());

    // A chart without series has no data to export.
    TChart empty(nullptr);
    TTeeExportForm other(nullptr);
    other.SetTagObject(&empty);
    other.Show();
    other.PageControl1->SetActivePage(other.TabData);
    other.EnableButtons();
    EXPECT_FALSE(other.BCopy->Enabled());
    EXPECT_FALSE(other.BSave->Enabled());
    other.Hide();
}

TEST_F(ExportDialogTest, SizeKeepsTheAspect) {
    EXPECT_EQ(Form.UDWidth->Position(), 400);
    Form.EWidth->SetText("300");
    EXPECT_EQ(Form.UDHeight->Position(), 150);
    Form.EHeight->SetText("101");
    EXPECT_EQ(Form.UDWidth->Position(), 202);
}

TEST_F(ExportDialogTest, DataFilterPositionsAndExtensions) {
    const char* extensions[] = {"txt", "txt", "csv", "txt", "txt", "xml", "htm", "xls"};
    for (int p = 1; p <= 8; ++p) EXPECT_EQ(DataFileExtension(p), extensions[p - 1]) << p;
    Form.RGText->SetItemIndex(2);
    EXPECT_EQ(Form.DataFilterPosition(), 7);
    Form.RGText->SetItemIndex(0);
    Form.CBDelim->SetItemIndex(2);
    EXPECT_EQ(Form.DataFilterPosition(), 3);
    // The series choice starts with all of them.
    EXPECT_EQ(Form.CBSeries->Items()->Get(0), "(all)");
    EXPECT_EQ(Form.CBSeries->Items()->Get(1), "EE");
}

TEST_F(ExportDialogTest, SavingChoosesByTheFilesExtension) {
    // The metafile format selected, a ".bmp" name: a bitmap is written.
    Form.LBFormat->SetItemIndex(Form.LBFormat->Items()->IndexOf("as Metafile"));
    Dialogs.FileAnswers.push_back({Dir.File("chart.bmp")});
    Form.BSaveClick();
    EXPECT_EQ(ReadFile(Dir.File("chart.bmp")).substr(0, 2), "BM");

    // Data through the comma filter with Tab chosen: tab-delimited.
    Form.PageControl1->SetActivePage(Form.TabData);
    Form.CBDelim->SetItemIndex(1);
    Dialogs.FileAnswers.push_back({Dir.File("data.csv"), 3});
    Form.BSaveClick();
    EXPECT_EQ(ReadFile(Dir.File("data.csv")), "EE\r\n0.5\r\n0.75\r\n\r\n");
    // The HTML filter picks the HTML format.
    Dialogs.FileAnswers.push_back({Dir.File("data.htm"), 7});
    Form.BSaveClick();
    EXPECT_EQ(Form.RGText->ItemIndex(), 2);
    EXPECT_EQ(ReadFile(Dir.File("data.htm")).substr(0, 18), "<table border=\"1\">");

    // Native text, whatever extension was typed.
    Form.PageControl1->SetActivePage(Form.TabNative);
    Form.CBNativeFormat->SetItemIndex(1);
    Dialogs.FileAnswers.push_back({Dir.File("chart.tee")});
    Form.BSaveClick();
    EXPECT_EQ(ReadFile(Dir.File("chart.txt")).substr(0, 6), "object");
    EXPECT_EQ(Dialogs.FileRequests.back().Filter, "DarEzaro files (*.txt)|*.txt");
}

TEST_F(ExportDialogTest, FormatOptionsAreEmbedded) {
    Form.LBFormat->SetItemIndex(Form.LBFormat->Items()->IndexOf("as Metafile"));
    Form.LBFormatClick();
    auto* emf = dynamic_cast<TEMFExportFormat*>(Form.SelectedFormat());
    ASSERT_NE(emf, nullptr);
    ASSERT_NE(emf->Options(false), nullptr);
    EXPECT_EQ(Form.PageOptions->ActivePage(), Form.TabOptions);
    // Clearing "Enhanced" makes the format write plain metafiles.
    static_cast<TEMFOptions*>(emf->Options(false))->CBEnhanced->SetChecked(false);
    EXPECT_EQ(emf->FileExtension(), "wmf");

    // Formats without options show the size.
    Form.LBFormat->SetItemIndex(Form.LBFormat->Items()->IndexOf("as JPEG"));
    Form.LBFormatClick();
    EXPECT_EQ(Form.PageOptions->ActivePage(), Form.TabSize);

    // The bitmap's options set its colours; monochrome disables the colour choice.
    Form.LBFormat->SetItemIndex(Form.LBFormat->Items()->IndexOf("as Bitmap"));
    Form.LBFormatClick();
    auto* bmp = static_cast<TBMPExportFormat*>(Form.SelectedFormat());
    auto* options = static_cast<TBMPOptions*>(bmp->Options(false));
    ASSERT_NE(options, nullptr);
    options->CBMono->SetChecked(true);
    EXPECT_TRUE(bmp->Monochrome);
    EXPECT_FALSE(options->CBColors->Enabled());
    EXPECT_EQ(bmp->Bitmap()->PixelFormat(), pf1bit);
}

TEST_F(ExportDialogTest, SendWithoutMailDisablesItself) {
    Form.BSendClick();
    EXPECT_FALSE(Form.BSend->Enabled());
}

}  // namespace
