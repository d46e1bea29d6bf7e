// The chart editor's picture imports: the brush dialog's image button, which draws a picture of
// any format into a bitmap for the brush, and the colour grid editor's "Load picture", which makes
// a grid point of every pixel; then the chart is drawn with both. The first byte of the input picks
// the file's extension (and so the format it is read as), the rest is the file.
#include <string>

#include "chart/editors/BrushDialog.h"
#include "chart/editors/ColorGridEditor.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartWalls.h"
#include "chart/engine/grid3d/ColorGridSeries.h"
#include "fuzz/ChartFuzzing.h"
#include "fuzz/FuzzFiles.h"
#include "fuzz/FuzzSupport.h"
#include "platform/ui/Button.h"
#include "platform/ui/Form.h"
#include "platform/ui/RecordingDialogService.h"

namespace {

const char* const kExtensions[] = {"bmp", "jpeg", "jpg", "emf", "wmf", "gif"};

void ImportIntoBrush(TForm& window, TChart& chart, TRecordingDialogService& dialogs,
                     const std::string& fileName) {
    auto* dialog = new TBrushDialog(&window);
    dialog->TheBrush = chart.BackWall()->Brush();
    dialogs.FileAnswers.push_back({fileName, 0});
    dialog->Button1->Click();
    RethrowEscapedEventException();
}

void ImportIntoColorGrid(TForm& window, TChart& chart, TRecordingDialogService& dialogs,
                         const std::string& fileName) {
    auto* grid = new TColorGridSeries(&window);
    chart.AddSeries(grid);
    auto* editor = new TColorGridEditor(&window);
    editor->SetTagObject(grid);
    // The editor takes its series when it is shown, which needs a window on show.
    editor->SetParent(&window);
    window.Show();
    editor->Show();
    FuzzCheck(editor->Series() == grid, "the colour grid editor was shown without its series");
    dialogs.FileAnswers.push_back({fileName, 0});
    editor->Button2->Click();
    RethrowEscapedEventException();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    PrepareChartFuzzing();
    const std::string fileName =
        FuzzFolder().File(std::string("picture.") + kExtensions[data[0] % std::size(kExtensions)]);
    WriteFuzzFile(fileName, data + 1, size - 1);
    TRecordingDialogService dialogs;
    return RunFuzzInput([&] {
        TForm window(nullptr);
        auto* chart = new TChart(&window);
        chart->SetParent(&window);
        ImportIntoBrush(window, *chart, dialogs, fileName);
        ImportIntoColorGrid(window, *chart, dialogs, fileName);
        DrawChartSmall(*chart);
    });
}
