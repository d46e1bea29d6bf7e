// The export dialog: the buttons each tab and format allow, the aspect-locked size, the data
// filter arithmetic, and saving a picture, a native stream and data through scripted dialogs.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "chart/editors/EditorRoutines.h"
#include "chart/editors/FiltersEditor.h"
#include "chart/editors/FormatEditor.h"
#include "chart/editors/StringsEditor.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/LineSeriesClasses.h"
#include "chart/export/ChartDataExport.h"
#include "chart/export/ChartPictureExport.h"
#include "chart/export/ChartStream.h"
#include "chart/export/ExportDialog.h"
#include "chart/export/PictureExportOptions.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/ImageFiltered.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFilter.h"
#include "chart/foundation/TeeFilterTransforms.h"
#include "gif/GIFFormat.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/ModalRunner.h"
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
        RegisterImageFilters();
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

    // The metafile format writes the kind the name or the filter asks for, for that save only.
    auto isEmf = [](const std::string& bytes) {
        return bytes.size() > 44 && bytes.substr(40, 4) == " EMF";
    };
    auto* metafile = static_cast<TEMFExportFormat*>(Form.SelectedFormat());
    ASSERT_TRUE(metafile->Enhanced());
    struct PictureCase {
        const char* typed;
        int filter;
        const char* written;
        bool emf;
    };
    const PictureCase pictures[] = {
        {"chart.wmf", 1, "chart.wmf", false}, {"chart.emf", 2, "chart.emf", true},
        {"plain", 2, "plain.wmf", false},     {"rich", 1, "rich.emf", true},
        {"pic", 3, "pic.bmp", false},
    };
    for (const PictureCase& c : pictures) {
        SCOPED_TRACE(c.typed);
        Dialogs.FileAnswers.push_back({Dir.File(c.typed), c.filter});
        Form.BSaveClick();
        const std::string bytes = ReadFile(Dir.File(c.written));
        ASSERT_GT(bytes.size(), 44u);
        EXPECT_EQ(isEmf(bytes), c.emf);
        EXPECT_TRUE(metafile->Enhanced());
    }
    EXPECT_EQ(ReadFile(Dir.File("pic.bmp")).substr(0, 2), "BM");
    EXPECT_EQ(ReadFile(Dir.File("plain.wmf")).substr(0, 4), "\xD7\xCD\xC6\x9A");

    // Data through the filters: the filter chosen decides the delimiter, whatever the combo
    // said, and the extension of a name typed without one.
    Form.PageControl1->SetActivePage(Form.TabData);
    Form.CBIndex->SetChecked(true);
    struct Case {
        const char* typed;
        int filter;
        const char* written;
        const char* firstRow;
    };
    const Case cases[] = {
        {"comma.csv", 3, "comma.csv", "Index,EE\r\n0,0.5\r\n"},
        {"tab", 2, "tab.txt", "Index\tEE\r\n0\t0.5\r\n"},
        {"space", 1, "space.txt", "Index EE\r\n0 0.5\r\n"},
        {"colon.txt", 4, "colon.txt", "Index:EE\r\n0:0.5\r\n"},
        {"data", 6, "data.xml", "<?xml"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Form.CBDelim->SetItemIndex(1);  // Tab
        Dialogs.FileAnswers.push_back({Dir.File(c.typed), c.filter});
        Form.BSaveClick();
        const std::string written = ReadFile(Dir.File(c.written));
        EXPECT_EQ(written.substr(0, std::string(c.firstRow).size()), c.firstRow) << written;
    }
    Form.CBIndex->SetChecked(false);
    Form.RGText->SetItemIndex(0);
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

// Data saved as a spreadsheet with "Use Series Format" over an earlier export: a value of 1000
// and more is written like any other; a chart too long for a spreadsheet is refused and the
// earlier file stays as it was.
TEST_F(ExportDialogTest, SpreadsheetSavesWriteEveryValueOrLeaveTheFile) {
    TChartSeries* line = Chart.GetSeries(0);
    line->AddY(1234.5);
    Form.PageControl1->SetActivePage(Form.TabData);
    Form.CBUseSeriesFormat->SetChecked(true);
    const std::string file = Dir.File("data.xls");
    Dialogs.FileAnswers.push_back({file, 8});
    ASSERT_NO_THROW(Form.BSaveClick());
    const std::string written = ReadFile(file);
    const double thousands = 1234.5;
    EXPECT_NE(written.find(std::string(reinterpret_cast<const char*>(&thousands), 8)),
              std::string::npos);
    EXPECT_EQ(written.substr(written.size() - 4), std::string("\x0A\x00\x00\x00", 4));

    for (int i = 0; i < 0x10000; ++i) line->AddY(i);
    Dialogs.FileAnswers.push_back({file, 8});
    EXPECT_THROW(Form.BSaveClick(), ChartException);
    EXPECT_EQ(ReadFile(file), written);
    Form.CBUseSeriesFormat->SetChecked(false);
    Form.RGText->SetItemIndex(0);
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

TEST_F(ExportDialogTest, ViewShowsTheNativeTextReadOnly) {
    Form.PageControl1->SetActivePage(Form.TabNative);
    Form.CBNativeFormat->SetItemIndex(1);  // Text
    Form.EnableButtons();
    ASSERT_TRUE(Form.BViewNative->Enabled());
    const auto native = Form.NativeStream();
    const std::string expected(static_cast<const char*>(native->Memory()), size_t(native->Size()));
    std::string shown;
    bool readOnly = false;
    TModalRunner<TStringsEditor> run(&Form, [&](TStringsEditor& editor) {
        shown = editor.Memo1->Lines()->Text();
        readOnly = editor.Memo1->ReadOnly();
        editor.Button1->Click();
    });
    Form.BViewNative->Click();
    ASSERT_TRUE(run.Ran());
    EXPECT_TRUE(readOnly);
    EXPECT_NE(shown.find("object"), std::string::npos) << shown;
    TStringList lines;
    lines.SetText(expected);
    EXPECT_EQ(shown, lines.Text());
}

TEST_F(ExportDialogTest, ValueFormatPresetsAndTheFormatDialog) {
    TStringList presets;
    AddValueFormatPresets(presets);
    EXPECT_EQ(Form.SeriesValueFormat->Items()->Text(), presets.Text());
    Form.PageControl1->SetActivePage(Form.TabData);
    Form.SeriesValueFormat->SetText("0.0");
    bool dateTimeOffered = false;
    TModalRunner<TFormatEditor> run(&Form, [&](TFormatEditor& d) {
        dateTimeOffered = d.RBDate->Visible();
        d.CBThousands->SetChecked(true);
        d.Button1->Click();
    });
    ASSERT_TRUE(Form.BFormat->Enabled());
    Form.BFormat->Click();
    ASSERT_TRUE(run.Ran());
    EXPECT_TRUE(dateTimeOffered);
    EXPECT_EQ(Form.SeriesValueFormat->Text(), "#,##0.0");
    EXPECT_EQ(Form.CreateDataExporter()->ValueFormat(), "#,##0.0");

    // "Use Series Format" takes the format and its button away.
    Form.CBUseSeriesFormat->SetChecked(true);
    EXPECT_FALSE(Form.SeriesValueFormat->Enabled());
    EXPECT_FALSE(Form.BFormat->Enabled());
}

TEST_F(ExportDialogTest, BitmapFiltersAreEditedOnTheFormat) {
    Form.LBFormat->SetItemIndex(Form.LBFormat->Items()->IndexOf("as Bitmap"));
    Form.LBFormatClick();
    auto* bmp = static_cast<TBMPExportFormat*>(Form.SelectedFormat());
    auto* options = static_cast<TBMPOptions*>(bmp->Options(false));
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->Button1->Caption(), "&Filters...");
    const auto plain = bmp->Bitmap(false);
    // Cancel adds nothing; OK keeps the filter added, and the preview shows it.
    for (bool ok : {false, true}) {
        TModalRunner<TFiltersEditor> run(options, [&](TFiltersEditor& d) {
            d.AddFilterClick(0);
            (ok ? d.BOK : d.BCancel)->Click();
        });
        options->Button1->Click();
        ASSERT_TRUE(run.Ran());
        EXPECT_EQ(bmp->Filters().Count(), ok ? 1 : 0);
    }
    // The first filter offered inverts: the preview shows the plain picture inverted.
    auto* preview = dynamic_cast<TBitmap*>(options->ImageFiltered1->Picture()->Graphic());
    ASSERT_NE(preview, nullptr);
    const TColor before = plain->Canvas()->Pixel(5, 5);
    EXPECT_EQ(preview->Canvas()->Pixel(5, 5), TColor(0xFFFFFF & ~int(before)));
}

TEST_F(ExportDialogTest, SendWithoutMailDisablesItself) {
    Form.BSendClick();
    EXPECT_FALSE(Form.BSend->Enabled());
}

}  // namespace
