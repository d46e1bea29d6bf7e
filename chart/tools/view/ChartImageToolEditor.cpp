#include "chart/tools/view/ChartImageToolEditor.h"

#include <memory>

#include "chart/editors/EditorControls.h"
#include "chart/editors/FiltersEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PictureRoutines.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/tools/view/ChartImageTool.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/ui/Button.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Image.h"

TChartImageToolEditor::TChartImageToolEditor(TComponent* owner) : TSeriesToolEditor(owner) {
    SetBounds(0, 0, 320, 200);
    GBImage = MakeControl<TGroupBox>(this, 8, 36, 220, 120);
    GBImage->SetCaption("Image:");
    Image1 = MakeControl<TImage>(GBImage, 8, 18, 100, 90);
    Image1->SetStretch(true);
    BBrowse = MakePushButton(GBImage, 120, 18, 90, "B&rowse...");
    BSave = MakePushButton(GBImage, 120, 48, 90, "&Save...");
    BFilters = MakePushButton(GBImage, 120, 78, 90, "&Filters...");
    BPen = MakeControl<TButtonPen>(this, 236, 36, 75, 25);
    BPen->SetCaption("&Border...");
    BBrowse->OnClick = [this](TObject*) { BrowseClick(); };
    BSave->OnClick = [this](TObject*) { SaveClick(); };
    BFilters->OnClick = [this](TObject*) {
        if (TChartImageTool* tool = ImageTool();
            tool && ShowPictureFiltersEditor(this, tool->Picture()))
            tool->Repaint();
    };
}

TChartImageToolEditor::~TChartImageToolEditor() = default;

TChartImageTool* TChartImageToolEditor::ImageTool() const {
    return dynamic_cast<TChartImageTool*>(Tool());
}

void TChartImageToolEditor::ShowPicture() {
    TChartImageTool* tool = ImageTool();
    const bool has = tool && tool->Picture()->Graphic();
    BBrowse->SetCaption(has ? "Clea&r" : "B&rowse...");
    BSave->SetEnabled(has);
    Image1->Picture()->Assign(has ? tool->Picture() : nullptr);
}

void TChartImageToolEditor::BrowseClick() {
    TChartImageTool* tool = ImageTool();
    if (!tool) return;
    ChooseOrClearPicture(this, *tool->Picture());
    tool->Repaint();
    ShowPicture();
}

void TChartImageToolEditor::SaveClick() {
    TChartImageTool* tool = ImageTool();
    TGraphic* graphic = tool ? tool->Picture()->Graphic() : nullptr;
    if (!graphic) return;
    const auto dialog = std::make_unique<TSaveDialog>(this);
    dialog->SetFilter(GraphicFilter(&graphic->ClassType()));
    dialog->SetDefaultExt(GraphicExtension(&graphic->ClassType()));
    if (dialog->Execute()) graphic->SaveToFile(dialog->FileName());
}

void TChartImageToolEditor::DoShow() {
    TSeriesToolEditor::DoShow();
    if (TChartImageTool* tool = ImageTool()) BPen->LinkPen(tool->Pen());
    ShowPicture();
}
