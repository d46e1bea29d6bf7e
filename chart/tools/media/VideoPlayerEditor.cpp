#include "chart/tools/media/VideoPlayerEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/FiltersEditor.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/ChartWalls.h"
#include "chart/foundation/BackImage.h"
#include "chart/tools/annotation/AnnotationTool.h"
#include "chart/tools/annotation/TextShape.h"
#include "chart/tools/media/VideoPlayerTool.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/UpDown.h"

namespace {

enum TDisplay { dAnnotation, dImageTool, dLegend, dTitle, dWall };

TCustomChart* ChartOf(const TVideoPlayerTool* tool) {
    return tool ? dynamic_cast<TCustomChart*>(tool->ParentChart()) : nullptr;
}

}  // namespace

TVideoPlayerEditor::TVideoPlayerEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 330, 230);
    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetFilter("AVI file|*.avi|MPEG Video files|*.mpg");
    OpenDialog1->SetDefaultExt("AVI");
    OpenDialog1->SetOptions(OpenDialog1->Options().Include(ofFileMustExist));

    MakeLabel(this, 8, 10, "&File name:");
    EName = MakeControl<TEdit>(this, 80, 6, 200, 21);
    SpeedButton1 = MakeControl<TSpeedButton>(this, 284, 5, 25, 23);
    SpeedButton1->SetCaption("...");
    MakeLabel(this, 8, 38, "&Delay:");
    TUpDownEdit delay = MakeUpDownEdit(this, 80, 34, 60, 0, 32767);
    EDelay = delay.Edit;
    UDDelay = delay.UpDown;
    CBLoop = MakeCheckBox(this, 160, 36, 80, "&Loop");
    Button1 = MakePushButton(this, 8, 64, 90, "F&ilters...");
    BPlay = MakePushButton(this, 106, 64, 75, "&Play");
    LFrame = MakeLabel(this, 190, 68, "Frame: 0");
    auto* display = MakeControl<TGroupBox>(this, 8, 96, 310, 120);
    display->SetCaption("Display:");
    RBBack = MakeControl<TRadioButton>(display, 8, 20, 120, 20);
    RBBack->SetCaption("&Background");
    RBOther = MakeControl<TRadioButton>(display, 8, 46, 80, 20);
    RBOther->SetCaption("&Other:");
    CBDisplay =
        MakeComboBox(display, 90, 44, 100, {"Annotation", "Image Tool", "Legend", "Title", "Wall"});
    CBItem = MakeComboBox(display, 196, 44, 100, {});

    const auto tool = [this] { return FTool; };
    using T = TVideoPlayerTool;
    BindCheckBox(*this, CBLoop, tool, &T::Loop, &T::SetLoop);
    BindUpDownEdit(*this, delay, tool, &T::Delay, [this](T& t, int v) {
        if (Showing()) t.SetDelay(v);
    });
    EName->OnChange = [this](TObject*) {
        if (FTool && !Loading()) FTool->SetFileName(EName->Text());
        BPlay->SetEnabled(!EName->Text().empty());
    };
    SpeedButton1->OnClick = [this](TObject*) {
        OpenDialog1->SetFileName(EName->Text());
        if (OpenDialog1->Execute()) EName->SetText(OpenDialog1->FileName());
    };
    Button1->OnClick = [this](TObject*) {
        if (FTool) ShowFiltersEditor(this, FTool->FrameBitmap(), FTool->Filters());
    };
    BPlay->OnClick = [this](TObject*) {
        if (!FTool) return;
        if (!FTool->Playing()) {
            FTool->Play();
            ChainFrames();
            BPlay->SetCaption("Stop");
        } else {
            FTool->Stop();
            UnchainFrames();
            BPlay->SetCaption("&Play");
            LFrame->SetCaption("");
        }
    };
    RBBack->OnClick = [this](TObject*) {
        if (!Loading()) ShowBack();
    };
    RBOther->OnClick = [this](TObject*) {
        if (Loading()) return;
        CBDisplay->SetEnabled(true);
        CBDisplay->SetItemIndex(-1);
        CBItem->Items()->Clear();
        FItemPictures.clear();
    };
    CBDisplay->OnChange = [this](TObject*) {
        if (!Loading()) DisplayChosen();
    };
    CBItem->OnChange = [this](TObject*) {
        const int index = CBItem->ItemIndex();
        if (FTool && !Loading() && index >= 0 && index < int(FItemPictures.size()))
            FTool->SetTarget(FItemPictures[size_t(index)]);
    };
}

TVideoPlayerEditor::~TVideoPlayerEditor() { UnchainFrames(); }

void TVideoPlayerEditor::Notification(TComponent* component, TOperation operation) {
    TEditorForm::Notification(component, operation);
    if (operation == opRemove && component == FTool) {
        FTool = nullptr;
        FChained = false;
    }
}

void TVideoPlayerEditor::ChainFrames() {
    if (!FTool || FChained) return;
    FOldFrame = FTool->OnFrame;
    FChained = true;
    FSpan = FTool->LastFrame() - FTool->FirstFrame();
    FTool->OnFrame = [this](TObject* sender) {
        if (FOldFrame) FOldFrame(sender);
        std::string text = std::to_string(FTool->CurrentFrame());
        text.append(" / ");
        text.append(std::to_string(FSpan));
        LFrame->SetCaption(text);
    };
}

void TVideoPlayerEditor::UnchainFrames() {
    if (!FTool || !FChained) return;
    FTool->OnFrame = FOldFrame;
    FChained = false;
}

void TVideoPlayerEditor::ShowBack() {
    if (!FTool) return;
    if (TCustomChart* chart = ChartOf(FTool)) {
        chart->BackImage()->SetInside(false);
        FTool->SetTarget(chart->BackImage());
    }
    CBDisplay->SetEnabled(false);
    CBItem->SetEnabled(false);
}

void TVideoPlayerEditor::ListPictures(int display, std::vector<TTeePicture*>& pictures,
                                      std::vector<std::string>& names) const {
    TCustomChart* chart = ChartOf(FTool);
    if (!chart) return;
    switch (display) {
        case dAnnotation:
            for (TTeeCustomTool* t : chart->Tools())
                if (auto* a = dynamic_cast<TAnnotationTool*>(t)) {
                    pictures.push_back(a->Shape()->Picture());
                    names.push_back(a->Name());
                }
            break;
        case dTitle:
            for (auto [title, name] :
                 {std::pair<TChartTitle*, const char*>{chart->Title(), "Title"},
                  {chart->SubTitle(), "SubTitle"},
                  {chart->Foot(), "Footer"},
                  {chart->SubFoot(), "SubFoot"}}) {
                pictures.push_back(title->Picture());
                names.push_back(name);
            }
            break;
        case dWall: {
            TChartWalls* walls = chart->Walls();
            for (auto [wall, name] :
                 {std::pair<TCustomChartWall*, const char*>{walls->Back(), "Back"},
                  {walls->Bottom(), "Bottom"},
                  {walls->Left(), "Left"},
                  {walls->Right(), "Right"}}) {
                pictures.push_back(wall->Picture());
                names.push_back(name);
            }
            break;
        }
        default:  // the chart image tools: none in this library yet
            break;
    }
}

void TVideoPlayerEditor::DisplayChosen() {
    if (!FTool) return;
    FTool->SetTarget(nullptr);
    CBItem->SetEnabled(true);
    CBItem->Items()->Clear();
    FItemPictures.clear();
    const int display = CBDisplay->ItemIndex();
    if (display == dLegend) {
        if (TCustomChart* chart = ChartOf(FTool)) FTool->SetTarget(chart->Legend()->Picture());
        CBItem->SetEnabled(false);
        return;
    }
    std::vector<std::string> names;
    ListPictures(display, FItemPictures, names);
    for (const std::string& name : names) CBItem->Items()->Add(name);
}

void TVideoPlayerEditor::ShowTarget() {
    TCustomChart* chart = ChartOf(FTool);
    TTeePicture* target = FTool->Target();
    const auto select = [&](int display, int item) {
        RBOther->SetChecked(true);
        CBDisplay->SetItemIndex(display);
        std::vector<std::string> names;
        FItemPictures.clear();
        ListPictures(display, FItemPictures, names);
        CBItem->Items()->Clear();
        for (const std::string& name : names) CBItem->Items()->Add(name);
        CBItem->SetItemIndex(item);
    };
    if (!chart || !target || target == chart->BackImage()) {
        if (chart && chart->BackImage()->Inside())
            select(dWall, 0);
        else
            RBBack->SetChecked(true);
    } else if (target == chart->Legend()->Picture()) {
        select(dLegend, -1);
    } else {
        for (int display : {dWall, dTitle, dAnnotation, dImageTool}) {
            std::vector<TTeePicture*> pictures;
            std::vector<std::string> names;
            ListPictures(display, pictures, names);
            for (size_t i = 0; i < pictures.size(); ++i)
                if (pictures[i] == target) {
                    select(display, int(i));
                    display = -1;
                    break;
                }
            if (display < 0) break;
        }
    }
    CBDisplay->SetEnabled(RBOther->Checked());
    CBItem->SetEnabled(RBOther->Checked() && CBDisplay->ItemIndex() != dLegend);
}

void TVideoPlayerEditor::DoShow() {
    TEditorForm::DoShow();
    auto* tool = dynamic_cast<TVideoPlayerTool*>(TagObject());
    if (!tool) return;
    if (tool != FTool) {
        UnchainFrames();
        if (FTool) FTool->RemoveFreeNotification(this);
        FTool = tool;
        tool->FreeNotification(this);
    }
    auto loading = LoadGuard();
    LoadBindings();
    EName->SetText(tool->FileName());
    BPlay->SetEnabled(!tool->FileName().empty());
    if (tool->Playing()) {
        ChainFrames();
        BPlay->SetCaption("Stop");
    }
    ShowTarget();
    LFrame->SetCaption("");
}
