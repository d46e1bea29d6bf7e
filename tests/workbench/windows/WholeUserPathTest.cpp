// The user's whole path through the program's own window connections, with clicks and keys: a
// dataset loaded from its text file, computed, the run in the results browser, its report, its
// plot against wavelength, the chart editor on that plot, and the plot's chart exported as a
// picture and as data through the editor's Export tab.
#include <gtest/gtest.h>

#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartEditor.h"
#include "chart/editors/EditorHostedPages.h"
#include "chart/engine/Chart.h"
#include "chart/engine/LineSeries.h"
#include "chart/export/ChartPictureExport.h"
#include "chart/export/ExportDialog.h"
#include "chart/export/ExportEditorPages.h"
#include "chart/foundation/LibraryTexts.h"
#include "engine/ConditionTrace.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/Button.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/StatusBar.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/DatasetTextFile.h"
#include "workbench/Report.h"
#include "workbench/ResultsDatabase.h"
#include "workbench/StoredRun.h"
#include "workbench/windows/ComputeDialog.h"
#include "workbench/windows/PlotAgainstWWindow.h"
#include "workbench/windows/ReportWindow.h"
#include "workbench/windows/ResultsWindow.h"

namespace {

std::string FileBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int32_t LittleEndian32(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v |= uint32_t(uint8_t(bytes[at + i])) << (8 * i);
    return int32_t(v);
}

// Every number in a text export, in order.
std::vector<double> NumbersIn(const std::string& text) {
    std::vector<double> numbers;
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        char* end = nullptr;
        const double v = std::strtod(token.c_str(), &end);
        if (end != token.c_str() && *end == '\0') numbers.push_back(v);
    }
    return numbers;
}

bool HasNumberNear(const std::vector<double>& numbers, double value) {
    for (double n : numbers)
        if (std::abs(n - value) <= 1e-6 * std::max(1.0, std::abs(value))) return true;
    return false;
}

// Runs `open` (a click that shows a modal window of type TWindow owned by `owner`) and `inside`
// on that window once it is shown; `inside` closes it. Each call polls with its own timer, so
// that the calls nest as the modal windows do.
template <class TWindow>
bool WhileShown(TComponent* owner, const std::function<void()>& open,
                const std::function<void(TWindow&)>& inside) {
    bool ran = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        TWindow* window = nullptr;
        for (int i = 0; i < owner->ComponentCount() && !window; ++i)
            window = dynamic_cast<TWindow*>(owner->Components(i));
        if (ran || !window || !window->Visible()) return;
        ran = true;
        timer.stop();
        inside(*window);
    });
    timer.start(0);
    open();
    return ran;
}

// A cone viewed from the axis at two conditions, three wavelengths and 300 rays per condition.
TDatasetText ConeDataset() {
    TDatasetText d;
    d.Name = "Cone";
    d.Kind = 2;
    d.Z0 = 0.25;
    d.Surfaces = {{1, 1, 0.8, 1}, {3, 1, 0.9, 0.5}, {3, 0.5, 0.7, 1}};
    d.Wavelengths = {2, 5, 8};
    d.Tref = 1200;
    d.Tbg = 290;
    d.TempPoints = {{0.1, 0.3, 0.1, 1, 1150}};
    d.Conditions = {{0, 5, 10}, {0.1, 5, 5}};
    d.NRF = 300;
    d.Threshold = 1e-6;
    d.Comments = {"whole path"};
    return d;
}

TEST(WholeUserPath, FromADatasetFileToTheExportedPlot) {
    TRunOptionsGuard options{TRunOptions{2, 20261211u}};
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    StartExportUnits();
    ConnectComputeDialog(w);
    ConnectResultsWindow(w);
    f.dialogs.Messages.clear();  // the new, empty database's notice

    // The dataset, loaded from its text file.
    const std::string datasetFile = f.dir.File("cone.txt");
    {
        std::ofstream out(datasetFile, std::ios::binary);
        out << DatasetFileBytes(ConeDataset());
    }
    f.dialogs.FileAnswers.push_back({datasetFile});
    f.Click(w.btnLoadDataset);
    ASSERT_EQ(f.Messages(), std::vector<std::string>{});
    ASSERT_EQ(f.Db().cdsMain.RecordCount(), 1);
    ASSERT_EQ(f.Db().cdsMainDatasetName->AsString(), "Cone");

    TResultsDatabase& results = w.Data().Results;
    const std::string pictureFile = f.dir.File("plot.bmp");
    const std::string dataFile = f.dir.File("plot.txt");
    std::vector<std::pair<double, double>> plotted;
    int pictureWidth = 0, pictureHeight = 0;
    bool browsed = false, reported = false, plottedShown = false, edited = false;

    // Compute → Run; the completed run opens the results browser (modal, inside the run), and
    // everything after happens there.
    const bool computed = WhileShown<TFCompute>(
        &w, [&] { f.Click(w.btnCompute); },
        [&](TFCompute& d) {
            EXPECT_EQ(d.StatusBar1->Panels()->Items(0)->Text(), "Dataset Name: Cone");
            browsed = WhileShown<TFResults>(
                &w, [&] { f.Click(d.btnRun); },
                [&](TFResults& b) {
                    EXPECT_EQ(b.sbResults->SimpleText(), "Record 1 of 1");
                    EXPECT_EQ(b.sbSEERT->SimpleText(), "Record 1 of 8");  // 4 wavelengths x 2
                    EXPECT_EQ(results.cdsResults.FieldByName("DatasetName")->AsString(), "Cone");

                    const std::vector<std::string> report =
                        BuildReport(ReadStoredRun(results), "KAVRI320").Lines;
                    reported = WhileShown<TFReport>(
                        &b, [&] { f.Click(b.btnCreateReport); },
                        [&](TFReport& r) {
                            std::vector<std::string> shown;
                            for (int i = 0; i < r.Memo1->Lines()->Count(); ++i)
                                shown.push_back(r.Memo1->Lines()->Get(i));
                            EXPECT_EQ(shown, report);
                            ASSERT_GT(shown.size(), 2u);
                            EXPECT_EQ(shown[2], "Dataset name: Cone");
                            f.Click(r.btnClose);
                        });

                    plottedShown = WhileShown<TFPlotAgainstW>(
                        &b, [&] { f.Click(b.btnPlotAgainstW); },
                        [&](TFPlotAgainstW& p) {
                            // Condition 1 at the three wavelengths, from the stored results.
                            std::vector<std::pair<double, double>> stored;
                            TClientDataSet& seert = results.cdsSEERT;
                            for (seert.First(); !seert.Eof(); seert.Next())
                                if (seert.FieldByName("ivc")->AsInteger() == 1 &&
                                    seert.FieldByName("Wavelength")->AsFloat() > 0)
                                    stored.emplace_back(seert.FieldByName("Wavelength")->AsFloat(),
                                                        seert.FieldByName("EEiso")->AsFloat());
                            ASSERT_EQ(stored.size(), 3u);
                            ASSERT_EQ(p.Isothermal->Count(), 3);
                            for (int i = 0; i < 3; ++i) {
                                const double x = p.Isothermal->XValues()[i];
                                const double y = p.Isothermal->YValues()[i];
                                EXPECT_EQ(x, stored[size_t(i)].first);
                                EXPECT_NEAR(y, stored[size_t(i)].second, 1e-6);
                                plotted.emplace_back(x, y);
                            }
                            for (int i = 0; i < p.Nonisothermal->Count(); ++i)
                                plotted.emplace_back(p.Nonisothermal->XValues()[i],
                                                     p.Nonisothermal->YValues()[i]);

                            // A double-click on the plot: the editor on its chart; its Export
                            // tab saves a bitmap at the chart's size, then the points as
                            // tab-delimited text; the editor is closed.
                            p.ce->OnShow = [&](TObject* sender) {
                                auto* form = static_cast<TChartEditForm*>(sender);
                                form->OnShow = [&, form](TObject*) {
                                    QTimer::singleShot(0, [&, form] {
                                        edited = form->Chart() == p.chEE;
                                        form->MainPage->SetActivePage(form->TabExport);
                                        form->MainPageChange();
                                        auto* exporter = dynamic_cast<TTeeExportForm*>(
                                            HostedPageOf(*form->TabExport));
                                        if (exporter) {
                                            // The workbench offers no native export.
                                            EXPECT_FALSE(exporter->TabNative->TabVisible());
                                            exporter->LBFormat->SetItemIndex(
                                                exporter->LBFormat->Items()->IndexOf("as Bitmap"));
                                            f.dialogs.FileAnswers.push_back({pictureFile});
                                            f.Click(exporter->BSave);
                                            pictureWidth = p.chEE->Width();
                                            pictureHeight = p.chEE->Height();
                                            exporter->PageControl1->SetActivePage(
                                                exporter->TabData);
                                            exporter->EnableButtons();
                                            f.dialogs.FileAnswers.push_back({dataFile, 2});
                                            f.Click(exporter->BSave);
                                        } else {
                                            ADD_FAILURE() << "no export page";
                                        }
                                        f.Click(form->BClose);
                                    });
                                };
                            };
                            TUserInput().DoubleClick(
                                p.chEE, QPoint(p.chEE->Width() / 2, p.chEE->Height() / 2));
                            EXPECT_TRUE(p.Visible());
                            f.Click(p.btnClose);
                        });
                    f.Click(b.btnClose);
                });
        });
    EXPECT_TRUE(computed);
    // The dialog closed itself after showing the results, and went.
    for (int i = 0; i < w.ComponentCount(); ++i)
        EXPECT_EQ(dynamic_cast<TFCompute*>(w.Components(i)), nullptr);
    EXPECT_TRUE(browsed);
    EXPECT_TRUE(reported);
    EXPECT_TRUE(plottedShown);
    EXPECT_TRUE(edited);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{});
    EXPECT_EQ(results.cdsResults.RecordCount(), 1);

    // The picture read back: a bitmap of the chart's size.
    const std::string bmp = FileBytes(pictureFile);
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_GT(pictureWidth, 0);
    EXPECT_EQ(LittleEndian32(bmp, 18), pictureWidth);
    EXPECT_EQ(std::abs(LittleEndian32(bmp, 22)), pictureHeight);

    // The data: every plotted point's values are in the text.
    const std::string text = FileBytes(dataFile);
    EXPECT_NE(text.find('\t'), std::string::npos) << text;
    const std::vector<double> numbers = NumbersIn(text);
    ASSERT_EQ(plotted.size(), 6u);
    for (const auto& [x, y] : plotted) {
        EXPECT_TRUE(HasNumberNear(numbers, x)) << x << "\n" << text;
        EXPECT_TRUE(HasNumberNear(numbers, y)) << y << "\n" << text;
    }
}

}  // namespace
